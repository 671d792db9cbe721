#include "conversion/question_reader.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "files/native_path.h"

namespace {

const unsigned char kSpecialBytes[kSpecialByteCount] = {'\n', '\r', '\0', kEndOfFileByte};

bool FillBlock(QuestionReader& reader) {
  if (reader.ended) return false;
  reader.blockPosition = 0;
  reader.blockLength =
      ReadHandheldBytes(reader.decoder, reader.file, reader.block, kReadBlockSize);
  for (std::size_t& next : reader.nextSpecial) next = kUnknownPosition;
  if (reader.blockLength == 0) reader.ended = true;
  return reader.blockLength != 0;
}

// The position of the first special byte at or after the block position, or
// the block length. Each special byte is searched for only once it has been
// passed, so the rarely seen ones cost one search per block.
std::size_t FindSpecialByte(QuestionReader& reader) {
  std::size_t first = reader.blockLength;
  for (int k = 0; k < kSpecialByteCount; ++k) {
    std::size_t& next = reader.nextSpecial[k];
    if (next == kUnknownPosition || next < reader.blockPosition) {
      const void* found = std::memchr(reader.block + reader.blockPosition, kSpecialBytes[k],
                                      reader.blockLength - reader.blockPosition);
      next = found ? static_cast<std::size_t>(static_cast<const unsigned char*>(found) -
                                              reader.block)
                   : reader.blockLength;
    }
    if (next < first) first = next;
  }
  return first;
}

// Adds |count| seen bytes to |line|, keeping what fits.
void TakeSeenBytes(QuestionLine& line, std::size_t& stored,
                   const unsigned char* bytes, std::size_t count) {
  const std::size_t room = kMaxStoredLineBytes - stored;
  const std::size_t kept = count < room ? count : room;
  std::memcpy(line.bytes + stored, bytes, kept);
  stored += kept;
  line.length += count;
}

// Whether the next byte is an LF, which is then consumed.
bool TakeLineFeed(QuestionReader& reader) {
  if (reader.blockPosition == reader.blockLength && !FillBlock(reader)) return false;
  if (reader.block[reader.blockPosition] != '\n') return false;
  ++reader.blockPosition;
  return true;
}

void EndData(QuestionReader& reader) {
  reader.ended = true;
  reader.blockPosition = reader.blockLength = 0;
}

}  // namespace

bool OpenQuestionFile(const char* path, TextEncoding encoding, QuestionReader& reader) {
  std::error_code error;
  if (std::filesystem::is_directory(NativePath(path), error)) return false;
  std::FILE* file = OpenFile(path, "rb");
  if (!file) return false;
  StartQuestionReader(file, encoding, reader);
  return true;
}

void StartQuestionReader(std::FILE* file, TextEncoding encoding, QuestionReader& reader) {
  reader.file = file;
  StartHandheldDecoder(reader.decoder, encoding);
  reader.faultGiven = false;
  reader.blockLength = 0;
  reader.blockPosition = 0;
  for (std::size_t& next : reader.nextSpecial) next = kUnknownPosition;
  reader.ended = false;
}

void CloseQuestionFile(QuestionReader& reader) {
  std::fclose(reader.file);
  reader.file = nullptr;
}

// The decoder's fault, when it stopped at one that no line has carried yet:
// the line being read carries it.
TextFault TakeFault(QuestionReader& reader) {
  if (reader.faultGiven || reader.decoder.fault == kNoTextFault) return kNoTextFault;
  reader.faultGiven = true;
  return reader.decoder.fault;
}

bool ReadQuestionLine(QuestionReader& reader, QuestionLine& line) {
  if (reader.blockPosition == reader.blockLength && !FillBlock(reader)) {
    const TextFault fault = TakeFault(reader);
    if (fault == kNoTextFault) return false;
    line.fault = fault;
    line.bytes[0] = '\0';
    line.length = 0;
    line.endsWithLineFeed = false;
    return true;
  }
  if (reader.block[reader.blockPosition] == kEndOfFileByte) {
    EndData(reader);
    return false;
  }

  std::size_t stored = 0;
  bool seenNul = false;
  bool lineFeed = false;
  line.length = 0;
  for (;;) {
    if (reader.blockPosition == reader.blockLength && !FillBlock(reader)) break;
    const std::size_t special = FindSpecialByte(reader);
    if (!seenNul) {
      TakeSeenBytes(line, stored, reader.block + reader.blockPosition,
                    special - reader.blockPosition);
    }
    reader.blockPosition = special;
    if (special == reader.blockLength) continue;

    const unsigned char byte = reader.block[special];
    if (byte == kEndOfFileByte) {
      EndData(reader);
      break;
    }
    ++reader.blockPosition;
    if (byte == '\n' || (byte == '\r' && TakeLineFeed(reader))) {
      lineFeed = true;
      break;
    }
    if (byte == '\0') seenNul = true;
    if (!seenNul) TakeSeenBytes(line, stored, &byte, 1);  // a CR that stays
  }

  line.endsWithLineFeed = lineFeed && !seenNul;
  line.fault = !lineFeed && reader.ended ? TakeFault(reader) : kNoTextFault;
  if (line.endsWithLineFeed) {
    const unsigned char kLineFeed = '\n';
    TakeSeenBytes(line, stored, &kLineFeed, 1);
  }
  line.bytes[stored] = '\0';
  return true;
}
