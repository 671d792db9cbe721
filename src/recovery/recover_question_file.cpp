#include "recovery/recover_question_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <errno.h>

#include "charset/text_encoding.h"
#include "charset/utf8.h"
#include "console/common_hints.h"
#include "console/echo_line.h"
#include "console/run_message.h"
#include "console/run_notes.h"
#include "conversion/document_kind.h"
#include "conversion/line_rules.h"
#include "database/database_reader.h"
#include "files/native_path.h"
#include "files/output_file.h"
#include "files/sibling_path.h"
#include "files/system_folder.h"
#include "limits/quiz_limits.h"

namespace {

// The line end of text files on this platform.
#ifdef _WIN32
const char kLineEnd[] = "\r\n";
#else
const char kLineEnd[] = "\n";
#endif

const std::size_t kTextCapacity = kMaxRecordTextLength + 1;

bool StopAtRecord(const char* message, int record) {
  return StopWithMessage("%s at record : %i \n", message, record + 1);
}

// What to do about a database that is not what qdtext reads.
void HintDatabaseFault(DatabaseFault fault, const char* databasePath) {
  switch (fault) {
    case kShorterThanAHeader:
    case kNameWithoutEnd:
      PrintHint("\"%s\" is not a database: qdtext reads a database (.pdb) that qdconv wrote, "
                "and qdconv converts a question file",
                databasePath);
      break;
    case kOtherApplication:
      PrintHint("\"%s\" belongs to another application: only the tutor application's "
                "databases hold questions",
                databasePath);
      break;
    case kDatabaseSound:
      break;
    default:
      PrintHint("the database is damaged: copy it again from the handheld, or convert its "
                "question file again");
      break;
  }
}

// The message for |fault|, found at |record|; false, or true for
// kDatabaseSound.
bool PrintFaultMessage(DatabaseFault fault, int record, const DatabaseReader& reader) {
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

bool StopAtFault(DatabaseFault fault, int record, const DatabaseReader& reader,
                 const char* databasePath) {
  PrintFaultMessage(fault, record, reader);
  HintDatabaseFault(fault, databasePath);
  return false;
}

// Writes |text|, the question file in bytes of the handheld's character set,
// to |file|: as UTF-8, or, when it holds a byte whose character the handheld
// cannot show (Ž and ž: no UTF-8 question file can hold them), byte for byte,
// as qdconv reads an ANSI file. Returns false, having written nothing, when
// those bytes would be read as UTF-8.
bool WriteQuestionText(std::FILE* file, const std::string& text) {
  const bool heldByBytesOnly = text.find_first_of("\x8E\x9E") != std::string::npos;
  if (heldByBytesOnly) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    if (DetectTextEncoding(bytes, text.size()) != kBytesAsTheyAre) return false;
    PrintWarning("the database holds a byte the handheld's fonts have no letter for (0x8E, "
                 "\"\xC5\xBD\", or 0x9E, \"\xC5\xBE\"), which no UTF-8 text holds: the question "
                 "file is written in Windows' code page 1252 (ANSI)");
    std::fwrite(text.data(), 1, text.size(), file);
    return true;
  }
  char utf8[kMaxUtf8BytesPerHandheldByte * kTextCapacity];
  for (std::size_t at = 0; at < text.size(); at += kTextCapacity) {
    const std::size_t length = std::min(text.size() - at, kTextCapacity);
    std::fwrite(utf8, 1, HandheldTextToUtf8(text.data() + at, length, utf8), file);
  }
  return true;
}

// The line end after a record text: a text that ends with a CR keeps it only
// before a CR LF (a CR right before an LF is read as part of the line end).
const char* LineEndAfter(const char* text, std::size_t length) {
  return length > 0 && text[length - 1] == '\r' ? "\r\n" : kLineEnd;
}

bool StopQuestionFileExists(const std::string& questionPath) {
  PrintRunMessage("Question file already exists\n");
  PrintHint("\"%s\" is kept as it is: move or rename it, then run qdtext again",
            questionPath.c_str());
  return false;
}

bool StopWithSystemError(const char* message, const std::string& path, int error) {
  PrintRunMessage("%s", message);
  HintSystemError(path.c_str(), error);
  return false;
}

// Whether record |record|, |length| bytes of |text|, can be a line of a
// question file; prints why not, and a hint, when it cannot.
bool CanBeALine(const char* text, std::uint64_t length, int record) {
  const char* why = nullptr;
  if (length > kMaxRecordTextLength) {
    StopAtRecord("Line data too long", record);
    PrintHint("record %i is %s characters long: a line of a question file holds at most %i",
              record + 1, std::to_string(length).c_str(),
              static_cast<int>(kMaxRecordTextLength));
    return false;
  }
  if (std::memchr(text, '\n', static_cast<std::size_t>(length))) {
    why = "Record holds a line feed";
  } else if (std::memchr(text, 0x1A, static_cast<std::size_t>(length))) {
    why = "Record holds the end-of-file byte 0x1A";
  }
  if (!why) return true;
  StopAtRecord(why, record);
  PrintHint("no line of a question file holds this record: qdconv did not write this database");
  return false;
}

// Everything after the name line: the records, each checked before it is
// added to |lines|. |question| is committed or abandoned on return.
bool WriteRecordLines(DatabaseReader& reader, const char* databasePath,
                      const std::string& questionPath, OutputFile& question, std::string& lines,
                      QuizPreview* preview) {
  char text[kTextCapacity];
  for (int record = 0; record < reader.recordCount; ++record) {
    std::uint64_t length = 0;
    int faultRecord = record;
    const DatabaseFault fault = ReadDatabaseRecord(reader, text, sizeof text, length, faultRecord);
    const bool last = record + 1 == reader.recordCount;
    const bool writable = fault == kDatabaseSound
                              ? CanBeALine(text, length, record)
                              : StopAtFault(fault, faultRecord, reader, databasePath);
    if (!writable) {
      AbandonOutputFile(question);
      return false;
    }
    const std::size_t size = static_cast<std::size_t>(length);
    lines.append(text, size);
    if (preview) {
      AddPreviewRecord(text, size, LineNumberOfRecord(record),
                       IsBlankText(text, size) ? kRecordBlank : kRecordSound, *preview);
    }
    // A text longer than a line with a line end may hold is ended by a NUL,
    // which hides the line end from the length test; as the last line it
    // needs neither.
    if (!last && size > kMaxRecordLineLength) lines += '\0';
    // No line end after the last line, unless an empty last record needs one
    // to be a line at all.
    if (!last || size == 0) lines += LineEndAfter(text, size);
  }
  if (!WriteQuestionText(question.stream, lines)) {
    AbandonOutputFile(question);
    PrintRunMessage("Text not writable as a question file\n");
    PrintHint("the database holds bytes 0x8E or 0x9E, which only an ANSI text holds, and its "
              "other text would be read as UTF-8: qdconv did not write this database");
    return false;
  }
  switch (CommitOutputFile(question, kKeepExistingTarget)) {
    case kCommitted:
      return true;
    case kCommitTargetExists:
      return StopQuestionFileExists(questionPath);
    case kCommitFailed:
      break;
  }
  return StopWithSystemError("Could not write output file\n", questionPath, question.error);
}

bool Recover(const char* databasePath, const char* givenQuestionPath, QuizPreview* preview) {
  const std::string questionPath =
      givenQuestionPath ? givenQuestionPath : SiblingPath(databasePath, ".txt");
  if (!givenQuestionPath && IsWrittenBesideADevice(databasePath, questionPath.c_str())) {
    PrintRunMessage("Could not open output file\n");
    HintBesideADevice(questionPath.c_str());
    return false;
  }
  DatabaseReader reader;
  if (!OpenDatabaseFile(databasePath, reader)) {
    return StopWithSystemError("Could not open input file\n", databasePath, errno);
  }
  const bool written = [&] {
    const DatabaseFault fault = ReadDatabaseHeader(reader);
    if (fault != kDatabaseSound) return StopAtFault(fault, 0, reader, databasePath);
    if (reader.recordCount > kMaxRecordCount) {
      PrintRunMessage("Too many records: at most 3000\n");
      PrintHint("the database holds %i records, a question file converts into at most %i",
                reader.recordCount, kMaxRecordCount);
      return false;
    }
    if (!IsValidDatabaseName(reader.name, reader.nameLength)) {
      PrintRunMessage("Database name invalid\n");
      HintDatabaseName(reader.name, reader.nameLength, "the database's name");
      return false;
    }
    // The name starts the question file: qdconv refuses one that starts as
    // a document does.
    const DocumentKind kind = DetectDocumentKind(
        reinterpret_cast<const unsigned char*>(reader.name), reader.nameLength);
    if (kind != kPlainText) {
      PrintRunMessage("Database name invalid\n");
      PrintHint("the database's name starts as %s does, and qdconv refuses a question file "
                "that starts so",
                DocumentKindName(kind));
      return false;
    }

    const std::string name = HandheldTextInUtf8(reader.name, reader.nameLength);
    PrintEchoLine(databasePath, questionPath.c_str(), name, name);
    std::error_code error;
    if (std::filesystem::exists(
            std::filesystem::symlink_status(NativePath(questionPath.c_str()), error))) {
      return StopQuestionFileExists(questionPath);
    }
    OutputFile question;
    if (!BeginOutputFile(questionPath.c_str(), question)) {
      PrintRunMessage("Could not open output file\n");
      HintOutputNotOpened(questionPath.c_str(), question);
      return false;
    }
    std::string lines(reader.name, reader.nameLength);
    if (reader.recordCount > 0) lines += kLineEnd;
    if (!WriteRecordLines(reader, databasePath, questionPath, question, lines, preview)) {
      return false;
    }
    PrintRunMessage("Questions written: %i\n", reader.recordCount / 2);
    return true;
  }();
  CloseDatabaseFile(reader);
  return written;
}

}  // namespace

bool RecoverQuestionFile(const char* databasePath, const char* questionPath) {
  return Recover(databasePath, questionPath, nullptr);
}

bool RecoverQuestionFile(const char* databasePath, QuizPreview& preview) {
  preview.fromTable = false;
  preview.records.clear();
  const bool written = Recover(databasePath, nullptr, &preview);
  if (written) {
    MarkQuestionWithoutAnswer(preview);
  } else {
    preview.records.clear();
  }
  return written;
}
