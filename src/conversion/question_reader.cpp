#include "conversion/question_reader.h"

#include <filesystem>
#include <system_error>

namespace {

const int kEndOfData = -1;
const unsigned char kEndOfFileByte = 0x1A;

bool FillBlock(QuestionReader& reader) {
  if (reader.ended) return false;
  reader.blockPosition = 0;
  reader.blockLength = std::fread(reader.block, 1, kReadBlockSize, reader.file);
  if (reader.blockLength == 0) reader.ended = true;
  return reader.blockLength != 0;
}

int PeekRawByte(QuestionReader& reader) {
  if (reader.blockPosition == reader.blockLength && !FillBlock(reader)) {
    return kEndOfData;
  }
  const unsigned char byte = reader.block[reader.blockPosition];
  if (byte == kEndOfFileByte) {
    reader.ended = true;
    reader.blockPosition = reader.blockLength = 0;
    return kEndOfData;
  }
  return byte;
}

// The next byte under the reading rules, or kEndOfData.
int TakeByte(QuestionReader& reader) {
  const int byte = PeekRawByte(reader);
  if (byte == kEndOfData) return kEndOfData;
  ++reader.blockPosition;
  if (byte == '\r' && PeekRawByte(reader) == '\n') {
    ++reader.blockPosition;
    return '\n';
  }
  return byte;
}

}  // namespace

bool OpenQuestionFile(const char* path, QuestionReader& reader) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  std::FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  StartQuestionReader(file, reader);
  return true;
}

void StartQuestionReader(std::FILE* file, QuestionReader& reader) {
  reader.file = file;
  reader.blockLength = 0;
  reader.blockPosition = 0;
  reader.ended = false;
}

void CloseQuestionFile(QuestionReader& reader) {
  std::fclose(reader.file);
  reader.file = nullptr;
}

bool ReadQuestionLine(QuestionReader& reader, QuestionLine& line) {
  int byte = TakeByte(reader);
  if (byte == kEndOfData) return false;

  std::size_t stored = 0;
  std::uint64_t length = 0;
  bool seenNul = false;
  bool endsWithLineFeed = false;
  for (; byte != kEndOfData; byte = TakeByte(reader)) {
    if (byte == '\n') {
      endsWithLineFeed = !seenNul;
      break;
    }
    if (seenNul) continue;
    if (byte == '\0') {
      seenNul = true;
      continue;
    }
    if (stored < kMaxStoredLineBytes) line.bytes[stored++] = static_cast<char>(byte);
    ++length;
  }
  if (endsWithLineFeed) {
    if (stored < kMaxStoredLineBytes) line.bytes[stored++] = '\n';
    ++length;
  }
  line.bytes[stored] = '\0';
  line.length = length;
  line.endsWithLineFeed = endsWithLineFeed;
  return true;
}
