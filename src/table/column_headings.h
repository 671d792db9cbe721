// The words a spreadsheet's first row uses to name a quiz's two columns, in
// the languages of Europe: "Question", "Answer", "Réponse", "Frage",
// "Pregunta", "Pytanie", "Odpowiedź", "Otázka", "Kérdés", "Вопрос",
// "Ответ", "Ερώτηση", "Soru", "Front", "Back", "Term", "Definition" and the
// like. Case and accents do not matter (letters the handheld cannot show
// included), nor spaces around the word or a colon after it.
#ifndef QDCONV_TABLE_COLUMN_HEADINGS_H_
#define QDCONV_TABLE_COLUMN_HEADINGS_H_

#include "table/table_reader.h"

// Whether |cell| is such a word.
bool IsColumnHeading(const TableCell& cell);

#endif  // QDCONV_TABLE_COLUMN_HEADINGS_H_
