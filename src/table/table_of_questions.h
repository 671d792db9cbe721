// A table of questions read for converting, as rows of cells with their
// places: the name cell that the table's name makes (its file name without
// folder and last extension, control characters removed, cut after 31
// characters of the handheld's character set and then without the spaces it
// ends with), and the rows of question and answer cells (table_reader.h).
//
// The table is decoded in the encoding the caller decided
// (charset/encoding_guess.h), as a question file is. A
// character the handheld cannot show stays in its cell as a mark
// (charset/handheld_decoder.h: kUnmappedMark, with the cell's list of the
// characters its marks stand for); the conversion stops only at one it keeps,
// in the name or in a question or answer, not in a column that is ignored.
#ifndef QDCONV_TABLE_TABLE_OF_QUESTIONS_H_
#define QDCONV_TABLE_TABLE_OF_QUESTIONS_H_

#include <cstddef>
#include <string>
#include <vector>

#include "charset/handheld_decoder.h"
#include "charset/text_encoding.h"
#include "table/table_reader.h"

struct TableOfQuestions {
  TextEncoding encoding;  // the table file's, as given
  TableCell name;
  DecodingOutcome nameFault;  // the name is not valid text: it ends where that starts
  QuestionTable table;
  DecodingOutcome textFault;  // why the table's text ended early, if it did
  // The characters of the table worth a warning, by their offset in the
  // decoded text (table.rowStarts tells their rows).
  std::vector<CharacterNote> characterNotes;
};

// Read the table |bytes[0..length)| (decoded in place from |encoding|) named |tableName|,
// from the file |fileName| (which a warning names when the name is cut). At
// most |maxPairs| rows are kept.
void ReadTableOfQuestions(unsigned char* bytes, std::size_t length, TextEncoding encoding,
                          const std::string& tableName,
                          const std::string& fileName, bool tabSeparated, std::size_t maxPairs,
                          TableOfQuestions& out);

#endif  // QDCONV_TABLE_TABLE_OF_QUESTIONS_H_
