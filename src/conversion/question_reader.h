// Reading a question file line by line, with the converter's own reading rules
// applied to its text as bytes of the handheld's character set (decoded from
// UTF-8 or UTF-16 when the file is encoded so: charset/handheld_decoder.h; no
// platform text mode is involved):
//   - CR LF is read as one LF; any other CR, a final CR included, stays.
//   - A byte 0x1A ends the file: neither it nor anything after it is read.
//   - A read error ends the data as the end of the file does.
//   - A line ends after its LF; the last line may have none. An LF after the
//     last line adds no line.
//   - Everything after a line's first NUL byte, its LF included, is skipped:
//     later steps see a line only up to its first NUL.
// Every line is read whole, however long; only its first kMaxStoredLineBytes
// seen bytes are kept, so memory stays fixed.
#ifndef QDCONV_CONVERSION_QUESTION_READER_H_
#define QDCONV_CONVERSION_QUESTION_READER_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "charset/handheld_decoder.h"
#include "charset/text_encoding.h"

const std::size_t kQuestionLineCapacity = 4000;
const std::size_t kMaxStoredLineBytes = kQuestionLineCapacity - 1;
const std::size_t kReadBlockSize = 1 << 16;
const std::size_t kUnknownPosition = static_cast<std::size_t>(-1);

// The bytes the reading rules look at: LF, CR, NUL and 0x1A.
const int kSpecialByteCount = 4;

struct QuestionReader {
  std::FILE* file;
  HandheldDecoder decoder;
  unsigned char block[kReadBlockSize];
  std::size_t blockLength;
  std::size_t blockPosition;
  // For each special byte, where its last search found it in the block
  // (blockLength: nowhere after the search's start). kUnknownPosition: not
  // searched since the block was filled; a position below blockPosition has
  // been passed and is searched again when needed.
  std::size_t nextSpecial[kSpecialByteCount];
  bool ended;  // the end of the file, a 0x1A byte or a read error was met
  bool faultGiven;  // the line that holds the decoder's fault has been read
};

struct QuestionLine {
  // The line's seen bytes (those before its first NUL, its LF included when it
  // is one of them), at most kMaxStoredLineBytes of them, then a NUL.
  char bytes[kQuestionLineCapacity];
  // How many seen bytes the whole line has; may exceed kMaxStoredLineBytes.
  std::uint64_t length;
  // The seen bytes end with the line's LF (false for a last line without LF
  // and for a line with a NUL before its LF).
  bool endsWithLineFeed;
  // The line holds a character that could not be decoded (the decoder's
  // fault); the text ends there, and the line holds what came before it.
  TextFault fault;
};

// Open the file at |path| for reading its text in |encoding|. A directory is
// not opened. Returns false when the file cannot be opened.
bool OpenQuestionFile(const char* path, TextEncoding encoding, QuestionReader& reader);

// Read from an already open stream (positioned at its start) instead.
void StartQuestionReader(std::FILE* file, TextEncoding encoding, QuestionReader& reader);

void CloseQuestionFile(QuestionReader& reader);

// Read the next line into |line|. Returns false, leaving |line| as it was,
// when no byte is left to read. A fault of the decoder belongs to the line it
// stops in, which may be an empty line of its own at the start of a line.
bool ReadQuestionLine(QuestionReader& reader, QuestionLine& line);

#endif  // QDCONV_CONVERSION_QUESTION_READER_H_
