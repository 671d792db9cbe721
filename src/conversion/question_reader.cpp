#include "conversion/question_reader.h"

#include <cstring>

void StartQuestionReader(const unsigned char* text, std::size_t length, TextFault fault,
                         QuestionReader& reader) {
  reader.text = reinterpret_cast<const char*>(text);
  reader.length = length;
  reader.position = 0;
  reader.fault = fault;
  reader.faultGiven = fault == kNoTextFault;
}

bool ReadQuestionLine(QuestionReader& reader, QuestionLine& line) {
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

  line.text = begin;
  line.fault = kNoTextFault;
  line.cutByNul = false;
  if (const void* nul = std::memchr(begin, '\0', lineLength)) {
    line.length = static_cast<std::size_t>(static_cast<const char*>(nul) - begin);
    line.endsWithLineFeed = false;
    line.cutByNul = true;
  } else {
    // A CR right before the LF belongs to the line end.
    line.length = found && lineLength > 0 && begin[lineLength - 1] == '\r' ? lineLength - 1
                                                                          : lineLength;
    line.endsWithLineFeed = found != nullptr;
  }
  if (!found && !reader.faultGiven) {
    line.fault = reader.fault;
    reader.faultGiven = true;
  }
  return true;
}
