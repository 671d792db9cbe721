#include "recovery/recover_question_file.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "charset/utf8.h"
#include "console/run_message.h"
#include "database/database_reader.h"
#include "files/native_path.h"
#include "files/output_file.h"
#include "files/sibling_path.h"

namespace {

// The line end of text files on this platform.
#ifdef _WIN32
const char kLineEnd[] = "\r\n";
#else
const char kLineEnd[] = "\n";
#endif

// Longest record texts a question file can hold: a line with its line end,
// and a line without (the last line, or one whose text a NUL ends).
const std::uint64_t kMaxLineText = 200;
const std::uint64_t kMaxUnendedLineText = 3999;
const std::size_t kTextCapacity = kMaxUnendedLineText + 1;

bool StopAtRecord(const char* message, int record) {
  return StopWithMessage("%s at record : %i \n", message, record + 1);
}

bool StopAtFault(DatabaseFault fault, int record, const DatabaseReader& reader) {
  switch (fault) {
    case kShorterThanAHeader:
      return StopWithMessage("Not a database: too short for a database header\n");
    case kNameWithoutEnd:
      return StopWithMessage("Not a database: its name field has no end\n");
    case kOtherApplication: {
      char type[5], creator[5];
      for (int i = 0; i < 4; ++i) {
        const auto printable = [](char c) { return c >= 0x20 && c < 0x7F ? c : '?'; };
        type[i] = printable(reader.type[i]);
        creator[i] = printable(reader.creator[i]);
      }
      type[4] = creator[4] = '\0';
      return StopWithMessage("Database of another application: type %s, creator %s\n", type,
                             creator);
    }
    case kRecordListPastTheEnd:
      return StopWithMessage("Record list runs past the end of the file\n");
    case kRecordInHeaderOrList:
      return StopAtRecord("Record offset points into the header or record list", record);
    case kRecordPastTheEnd:
      return StopAtRecord("Record offset points past the end of the file", record);
    case kRecordBeforeThePrevious:
      return StopAtRecord("Record offset points before the previous record", record);
    case kRecordShorterThanItsPrefix:
      return StopAtRecord("Record shorter than its 16-byte prefix", record);
    case kRecordWithoutEnd:
      return StopAtRecord("Record text without end", record);
    case kDatabaseSound:
      break;
  }
  return true;
}

// Writes |text| (|length| bytes of the handheld's character set) as UTF-8.
void WriteText(std::FILE* file, const char* text, std::size_t length) {
  char utf8[kMaxUtf8BytesPerHandheldByte * kTextCapacity];
  std::fwrite(utf8, 1, HandheldTextToUtf8(text, length, utf8), file);
}

// The line end after a record text: a text that ends with a CR keeps it only
// before a CR LF (a CR right before an LF is read as part of the line end).
const char* LineEndAfter(const char* text, std::size_t length) {
  return length > 0 && text[length - 1] == '\r' ? "\r\n" : kLineEnd;
}

// Everything after the name line: the records, each checked before it is
// written. |question| is committed or abandoned on return.
bool WriteRecordLines(DatabaseReader& reader, OutputFile& question) {
  char text[kTextCapacity];
  for (int record = 0; record < reader.recordCount; ++record) {
    std::uint64_t length = 0;
    int faultRecord = record;
    const DatabaseFault fault = ReadDatabaseRecord(reader, text, sizeof text, length, faultRecord);
    const bool last = record + 1 == reader.recordCount;
    bool writable = fault == kDatabaseSound;
    if (!writable) {
      StopAtFault(fault, faultRecord, reader);
    } else if (length > kMaxUnendedLineText) {
      writable = StopAtRecord("Line data too long", record);
    } else if (std::memchr(text, '\n', static_cast<std::size_t>(length))) {
      writable = StopAtRecord("Record holds a line feed", record);
    } else if (std::memchr(text, 0x1A, static_cast<std::size_t>(length))) {
      writable = StopAtRecord("Record holds the end-of-file byte 0x1A", record);
    }
    if (!writable) {
      AbandonOutputFile(question);
      return false;
    }
    const std::size_t size = static_cast<std::size_t>(length);
    WriteText(question.stream, text, size);
    // A text longer than a line with a line end may hold is ended by a NUL,
    // which hides the line end from the length test; as the last line it
    // needs neither.
    if (!last && size > kMaxLineText) std::fputc('\0', question.stream);
    // No line end after the last line, unless an empty last record needs one
    // to be a line at all.
    if (!last || size == 0) std::fputs(LineEndAfter(text, size), question.stream);
  }
  switch (CommitOutputFile(question, kKeepExistingTarget)) {
    case kCommitted:
      return true;
    case kCommitTargetExists:
      return StopWithMessage("Question file already exists\n");
    case kCommitFailed:
      break;
  }
  return StopWithMessage("Could not write output file\n");
}

}  // namespace

bool RecoverQuestionFile(const char* databasePath) {
  const std::string questionPath = SiblingPath(databasePath, ".txt");
  DatabaseReader reader;
  if (!OpenDatabaseFile(databasePath, reader)) return StopWithMessage("Could not open input file\n");
  const bool written = [&] {
    const DatabaseFault fault = ReadDatabaseHeader(reader);
    if (fault != kDatabaseSound) return StopAtFault(fault, 0, reader);
    if (reader.recordCount > kMaxRecordCount) {
      return StopWithMessage("Too many records: at most 3000\n");
    }
    if (!IsValidDatabaseName(reader.name, reader.nameLength)) {
      return StopWithMessage("Database name invalid\n");
    }

    std::printf("%s %s ", PathForConsole(databasePath).c_str(),
                PathForConsole(questionPath.c_str()).c_str());
    WriteText(stdout, reader.name, reader.nameLength);
    std::fputs("\n", stdout);
    std::error_code error;
    if (std::filesystem::exists(
            std::filesystem::symlink_status(NativePath(questionPath.c_str()), error))) {
      return StopWithMessage("Question file already exists\n");
    }
    OutputFile question;
    if (!BeginOutputFile(questionPath.c_str(), question)) {
      return StopWithMessage("Could not open output file\n");
    }
    WriteText(question.stream, reader.name, reader.nameLength);
    if (reader.recordCount > 0) std::fputs(kLineEnd, question.stream);
    if (!WriteRecordLines(reader, question)) return false;
    PrintRunMessage("Questions written: %i\n", reader.recordCount / 2);
    return true;
  }();
  CloseDatabaseFile(reader);
  return written;
}
