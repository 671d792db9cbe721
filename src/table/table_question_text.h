// The question file a table stands for, for a teacher to edit: the name line
// that the table's name makes (table_of_questions.h), then the question and
// the answer of each row on lines of their own, in row order, each ending
// with LF, in UTF-8, every character kept (those the handheld cannot show
// too). Converting it gives what converting the table gives.
#ifndef QDCONV_TABLE_TABLE_QUESTION_TEXT_H_
#define QDCONV_TABLE_TABLE_QUESTION_TEXT_H_

#include <cstddef>
#include <string>

// The question text of the table |bytes[0..length)| (decoded in place) named
// |tableName|: every row of the table, and the name line; empty when the
// name is empty. A text that is not valid in its encoding ends at the last
// cell read before the fault.
std::string TableQuestionTextInUtf8(unsigned char* bytes, std::size_t length,
                                    const std::string& tableName, bool tabSeparated);

#endif  // QDCONV_TABLE_TABLE_QUESTION_TEXT_H_
