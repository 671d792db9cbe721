// The words a spreadsheet's first row uses to name a quiz's two columns, in
// the languages the handheld's character set serves: "Question", "Answer",
// "Réponse", "Frage", "Antwort", "Pregunta", "Front", "Back", "Term",
// "Definition" and the like. Case and accents do not matter, nor spaces
// around the word or a colon after it.
#ifndef QDCONV_TABLE_COLUMN_HEADINGS_H_
#define QDCONV_TABLE_COLUMN_HEADINGS_H_

#include <string>

// Whether |cell|, bytes of the handheld's character set, is such a word.
bool IsColumnHeading(const std::string& cell);

#endif  // QDCONV_TABLE_COLUMN_HEADINGS_H_
