// Reading a question file's text line by line, in memory, with the
// converter's own reading rules applied to it as bytes of the handheld's
// character set (charset/handheld_decoder.h has decoded it and cut it at its
// first 0x1A; no platform text mode is involved):
//   - CR LF is read as one LF; any other CR, a final CR included, stays.
//   - A line ends after its LF; the last line may have none. An LF after the
//     last line adds no line.
//   - Everything after a line's first NUL byte, its LF included, is skipped:
//     later steps see a line only up to its first NUL.
// Lines are views into the text, which must outlive them: nothing is copied.
#ifndef QDCONV_CONVERSION_QUESTION_READER_H_
#define QDCONV_CONVERSION_QUESTION_READER_H_

#include <cstddef>

#include "charset/handheld_decoder.h"
#include "limits/quiz_limits.h"

struct QuestionLine;

struct QuestionReader {
  const char* text;
  std::size_t length;
  std::size_t position;  // where the next line starts, or the next line's index
  TextFault fault;       // why the text ended early; given to the last line
  bool faultGiven;
  // Lines read already (a table's cells), instead of |text|; null when none.
  const QuestionLine* lines;
  std::size_t lineCount;
  // Where the text's first NUL is (|length| when none): the lines before it
  // need not be searched for one, which is most of a text, or all of it.
  std::size_t firstNul;
};

struct QuestionLine {
  // The line's seen bytes (those before its first NUL) without the line end:
  // text[0 .. length).
  const char* text;
  std::size_t length;
  // The seen bytes end with the line's LF (false for a last line without LF
  // and for a line with a NUL before its LF).
  bool endsWithLineFeed;
  // The line holds a NUL: its text is what came before the first one.
  bool cutByNul;
  // The line holds a character that could not be decoded (the decoder's
  // fault); its text is what came before it.
  TextFault fault;
};

// Read |text| (|length| bytes, which ended early for |fault|).
void StartQuestionReader(const unsigned char* text, std::size_t length, TextFault fault,
                         QuestionReader& reader);

// Read |lines[0..count)| as they are.
void StartLineListReader(const QuestionLine* lines, std::size_t count, QuestionReader& reader);

// The line whose bytes are |text[0..length)|, without its line end, which is
// an LF when |endsWithLineFeed|: seen up to its first NUL, and without the CR
// of a CR LF.
QuestionLine LineOfText(const char* text, std::size_t length, bool endsWithLineFeed);

// Read the next line into |line|. Returns false, leaving |line| as it was,
// when nothing is left. A fault of the decoder belongs to the line it stops
// in, which may be an empty line of its own at the start of a line.
bool ReadQuestionLine(QuestionReader& reader, QuestionLine& line);

#endif  // QDCONV_CONVERSION_QUESTION_READER_H_
