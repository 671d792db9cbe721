#include "conversion/question_reader.h"

#include <cstring>

void StartQuestionReader(const unsigned char* text, std::size_t length, TextFault fault,
                         QuestionReader& reader) {
  reader.text = reinterpret_cast<const char*>(text);
  reader.length = length;
  reader.position = 0;
  reader.fault = fault;
  reader.faultGiven = fault == kNoTextFault;
  reader.lines = nullptr;
  reader.lineCount = 0;
  const void* nul = length > 0 ? std::memchr(text, '\0', length) : nullptr;
  reader.firstNul = nul ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - text)
                        : length;
}

void StartLineListReader(const QuestionLine* lines, std::size_t count, QuestionReader& reader) {
  StartQuestionReader(nullptr, 0, kNoTextFault, reader);
  reader.lines = lines;
  reader.lineCount = count;
}

namespace {

// LineOfText, for a line that may hold a NUL (|mayHoldNul|) or holds none.
QuestionLine LineOf(const char* text, std::size_t length, bool endsWithLineFeed,
                    bool mayHoldNul) {
  QuestionLine line = {text, length, endsWithLineFeed, false, kNoTextFault};
  const void* nul = mayHoldNul ? std::memchr(text, '\0', length) : nullptr;
  if (nul) {
    line.length = static_cast<std::size_t>(static_cast<const char*>(nul) - text);
    line.endsWithLineFeed = false;
    line.cutByNul = true;
  } else if (endsWithLineFeed && length > 0 && text[length - 1] == '\r') {
    // A CR right before the LF belongs to the line end.
    line.length = length - 1;
  }
  return line;
}

}  // namespace

QuestionLine LineOfText(const char* text, std::size_t length, bool endsWithLineFeed) {
  return LineOf(text, length, endsWithLineFeed, true);
}

bool ReadQuestionLine(QuestionReader& reader, QuestionLine& line) {
  if (reader.lines) {
    if (reader.position == reader.lineCount) return false;
    line = reader.lines[reader.position++];
    return true;
  }
  const std::size_t start = reader.position;
  if (start == reader.length) {
    if (reader.faultGiven) return false;
    reader.faultGiven = true;
    line = {reader.text + start, 0, false, false, reader.fault};
    return true;
  }
  const char* begin = reader.text + start;
  const std::size_t left = reader.length - start;
  const void* found = std::memchr(begin, '\n', left);
  const std::size_t lineLength =
      found ? static_cast<std::size_t>(static_cast<const char*>(found) - begin) : left;
  reader.position = start + lineLength + (found ? 1 : 0);

  line = LineOf(begin, lineLength, found != nullptr, start + lineLength > reader.firstNul);
  if (!found && !reader.faultGiven) {
    line.fault = reader.fault;
    reader.faultGiven = true;
  }
  return true;
}
