#include "recovery/recover_question_file.h"

#include <cstring>

#include "charset/encoding_guess.h"
#include "charset/text_encoding.h"
#include "charset/utf8.h"
#include "conversion/document_kind.h"
#include "conversion/line_rules.h"
#include "conversion/question_hints.h"
#include "database/database_reader.h"
#include "limits/quiz_limits.h"

namespace {

// The line end of text files on this platform.
#ifdef _WIN32
const char kLineEnd[] = "\r\n";
#else
const char kLineEnd[] = "\n";
#endif

ReportEntry AtRecord(ReportKind kind, int record) {
  ReportEntry entry = MakeEntry(kind);
  entry.number = static_cast<std::uint64_t>(record + 1);
  return entry;
}

std::string Printable(const char* code) {
  std::string shown(code, 4);
  for (char& c : shown) c = c >= 0x20 && c < 0x7F ? c : '?';
  return shown;
}

// Why the database is not what qdtext reads, at |record|, and what to do.
void ReportDatabaseFault(DatabaseFault fault, int record, const DatabaseReader& reader,
                         const std::string& databasePath, Report& report) {
  static const struct {
    DatabaseFault fault;
    ReportKind message;
  } kMessages[] = {
      {kShorterThanAHeader, kNotADatabaseTooShort},
      {kNameWithoutEnd, kNotADatabaseNameWithoutEnd},
      {kOtherApplication, kOtherApplicationDatabase},
      {kRecordListPastTheEnd, kListRunsPastTheEnd},
      {kRecordInHeaderOrList, kOffsetIntoHeaderOrList},
      {kRecordPastTheEnd, kOffsetPastTheEnd},
      {kRecordBeforeThePrevious, kOffsetBeforeThePrevious},
      {kRecordShorterThanItsPrefix, kBodyShorterThanItsPrefix},
      {kRecordWithoutEnd, kTextWithoutEnd},
  };
  for (const auto& known : kMessages) {
    if (known.fault == fault) report.push_back(AtRecord(known.message, record));
  }
  switch (fault) {
    case kShorterThanAHeader:
    case kNameWithoutEnd:
      report.push_back(EntryWithText(kHintNotADatabase, databasePath));
      break;
    case kOtherApplication:
      report.back().text = Printable(reader.type);
      report.back().otherText = Printable(reader.creator);
      report.push_back(EntryWithText(kHintOtherApplication, databasePath));
      break;
    case kDatabaseSound:
      break;
    default:
      report.push_back(MakeEntry(kHintDatabaseDamaged));
      break;
  }
}

// Whether record |record|, |length| bytes of |text|, can be a line of a
// question file; reports why not when it cannot.
bool CanBeALine(const char* text, std::uint64_t length, int record, Report& report) {
  if (length > kMaxRecordTextLength) {
    report.push_back(AtRecord(kLineTooLongAtRecord, record));
    ReportEntry hint = MakeEntry(kHintRecordTooLongForLine);
    hint.place = {kNowhere, record + 1, 0};
    hint.number = length;
    hint.limit = kMaxRecordTextLength;
    report.push_back(hint);
    return false;
  }
  const std::size_t size = static_cast<std::size_t>(length);
  ReportKind why;
  if (std::memchr(text, '\n', size)) {
    why = kRecordHoldsLineFeed;
  } else if (std::memchr(text, kEndOfFileByte, size)) {
    why = kRecordHoldsEndOfFile;
  } else {
    return true;
  }
  report.push_back(AtRecord(why, record));
  report.push_back(MakeEntry(kHintNoLineHoldsRecord));
  return false;
}

// The line end after a record text: a text that ends with a CR keeps it only
// before a CR LF (a CR right before an LF is read as part of the line end).
const char* LineEndAfter(const char* text, std::size_t length) {
  return length > 0 && text[length - 1] == '\r' ? "\r\n" : kLineEnd;
}

// Whether the database is one that a question file can make, as far as its
// header tells.
bool IsHeaderRecoverable(DatabaseReader& reader, const std::string& databasePath,
                         Report& report) {
  const DatabaseFault fault = ReadDatabaseHeader(reader);
  if (fault != kDatabaseSound) {
    ReportDatabaseFault(fault, 0, reader, databasePath, report);
    return false;
  }
  if (reader.recordCount > kMaxRecordCount) {
    ReportEntry message = MakeEntry(kTooManyRecords);
    message.limit = kMaxRecordCount;
    report.push_back(message);
    ReportEntry hint = MakeEntry(kHintTooManyDatabaseRecords);
    hint.number = static_cast<std::uint64_t>(reader.recordCount);
    hint.limit = kMaxRecordCount;
    report.push_back(hint);
    return false;
  }
  if (!IsValidDatabaseName(reader.name, reader.nameLength)) {
    report.push_back(MakeEntry(kDatabaseNameInvalid));
    ReportDatabaseNameRules(reader.name, reader.nameLength, kNameOfDatabase, report);
    return false;
  }
  // The name starts the question file: qdconv refuses one that starts as a
  // document does.
  const DocumentKind kind = DetectDocumentKind(
      reinterpret_cast<const unsigned char*>(reader.name), reader.nameLength);
  if (kind != kPlainText) {
    report.push_back(MakeEntry(kDatabaseNameInvalid));
    ReportEntry hint = MakeEntry(kHintNameStartsAsDocument);
    hint.detail = kind;
    report.push_back(hint);
    return false;
  }
  return true;
}

// The records as lines after the name line, in |lines|; false after a
// record that no line holds.
bool ReadRecordLines(DatabaseReader& reader, const std::string& databasePath, bool withPreview,
                     std::string& lines, RecoveryResult& result) {
  for (int record = 0; record < reader.recordCount; ++record) {
    const char* text = "";
    std::uint64_t length = 0;
    int faultRecord = record;
    const DatabaseFault fault = ReadDatabaseRecord(reader, text, length, faultRecord);
    if (fault != kDatabaseSound) {
      ReportDatabaseFault(fault, faultRecord, reader, databasePath, result.report);
      return false;
    }
    if (!CanBeALine(text, length, record, result.report)) return false;
    const bool last = record + 1 == reader.recordCount;
    const std::size_t size = static_cast<std::size_t>(length);
    lines.append(text, size);
    if (withPreview) {
      AddPreviewRecord(text, size, LineNumberOfRecord(record),
                       IsBlankText(text, size) ? kRecordBlank : kRecordSound, result.preview);
    }
    // A text longer than a line with a line end may hold is ended by a NUL,
    // which hides the line end from the length test; as the last line it
    // needs neither.
    if (!last && size > kMaxRecordLineLength) lines += '\0';
    // No line end after the last line, unless an empty last record needs one
    // to be a line at all.
    if (!last || size == 0) lines += LineEndAfter(text, size);
  }
  return true;
}

// |lines|, bytes of the handheld's character set, as the question file: in
// UTF-8, or, when it holds a byte whose character the handheld cannot show
// (Ž and ž: no UTF-8 question file can hold them), byte for byte, as qdconv
// reads an ANSI file. False when qdconv would read those bytes otherwise
// (as UTF-8, or in another code page).
bool MakeQuestionText(const std::string& lines, RecoveryResult& result) {
  if (!std::memchr(lines.data(), 0x8E, lines.size()) &&
      !std::memchr(lines.data(), 0x9E, lines.size())) {
    result.questionText = HandheldTextInUtf8(lines.data(), lines.size());
    return true;
  }
  const auto* bytes = reinterpret_cast<const unsigned char*>(lines.data());
  const EncodingDecision decision = DecideTextEncoding(bytes, lines.size(), WesternMachine());
  if (decision.verdict != kEncodingDecided || decision.encoding != kBytesAsTheyAre) {
    result.report.push_back(MakeEntry(kTextNotWritable));
    result.report.push_back(MakeEntry(kHintOnlyAnsiHoldsBytes));
    return false;
  }
  result.report.push_back(MakeEntry(kWarnAnsiQuestionFile));
  result.questionText = lines;
  return true;
}

}  // namespace

void RecoverQuestionFile(const unsigned char* bytes, std::size_t size,
                         const std::string& databasePath, bool withPreview,
                         RecoveryResult& result) {
  result.recovered = false;
  result.report.clear();
  result.questionText.clear();
  result.databaseName.clear();
  result.recordCount = 0;
  result.preview.fromTable = false;
  result.preview.records.clear();
  DatabaseReader reader;
  StartDatabaseReader(bytes, size, reader);
  if (!IsHeaderRecoverable(reader, databasePath, result.report)) {
    result.recordsStart = result.report.size();
    return;
  }
  result.databaseName.assign(reader.name, reader.nameLength);
  const std::string name = HandheldTextInUtf8(reader.name, reader.nameLength);
  ReportEntry echo = EntryWithText(kEchoLine, name);
  echo.otherText = name;
  result.report.push_back(echo);
  result.recordsStart = result.report.size();

  std::string lines(reader.name, reader.nameLength);
  if (reader.recordCount > 0) lines += kLineEnd;
  if (!ReadRecordLines(reader, databasePath, withPreview, lines, result) ||
      !MakeQuestionText(lines, result)) {
    result.preview.records.clear();
    return;
  }
  MarkQuestionWithoutAnswer(result.preview);
  result.recordCount = reader.recordCount;
  result.recovered = true;
  ReportEntry summary = MakeEntry(kQuestionsWritten);
  summary.number = static_cast<std::uint64_t>(reader.recordCount / 2);
  result.report.push_back(summary);
}
