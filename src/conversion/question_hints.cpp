#include "conversion/question_hints.h"

#include <algorithm>
#include <vector>

#include "conversion/line_rules.h"
#include "database/database_header.h"

namespace {

void ReportLaterUnshowable(const LaterUnshowable& later, bool inTable, Report& report) {
  if (later.count == 0) return;
  ReportEntry entry = EntryWithNumber(kHintLaterUnshowable, static_cast<std::uint64_t>(later.count));
  entry.characters = later.named;
  entry.inTable = inTable;
  report.push_back(entry);
}

// When the character the text stopped at and every later one are letters
// of one alphabet the handheld lacks, and there are words of them (three
// letters at least, not a lone π), that is said once, with the lines or rows
// that hold them: true.
bool ReportAlphabetUnshowable(std::uint32_t character, const Place& place,
                              const LaterUnshowable* later, bool inTable, Report& report) {
  const Alphabet alphabet = AlphabetOf(character);
  if (alphabet == kNoAlphabet || place.where == kInFileName) return false;
  if (!later || later->count < 2 || later->alphabets != 1u << alphabet) return false;
  std::vector<int> lines = {place.line};
  for (const int line : later->lines) {
    if (line != lines.back()) lines.push_back(line);
  }
  ReportEntry entry = EntryWithNumber(kHintAlphabetUnshowable, lines.size());
  entry.detail = alphabet;
  entry.inTable = inTable;
  lines.resize(std::min<std::size_t>(lines.size(), kLinesNamedPerWarning));
  entry.numbers = lines;
  report.push_back(entry);
  return true;
}

}  // namespace

void ReportTextFault(const DecodingOutcome& text, TextEncoding encoding, const RecordOrigin& origin,
                     int recordNumber, Report& report) {
  const TextFault fault = text.fault;
  const bool inTable = origin.tableRows != nullptr;
  if (fault == kUnclosedQuote) {
    report.push_back(EntryWithNumber(kUnclosedQuoteAtRecord, static_cast<std::uint64_t>(recordNumber)));
    report.push_back(
        EntryAt(kHintUnclosedQuote, {kInCell, origin.faultRow, origin.faultColumn}));
    return;
  }
  ReportEntry message = EntryWithNumber(
      fault == kUnmappableCharacter ? (recordNumber == 0 ? kUnshowableInName : kUnshowableAtRecord)
                                    : (recordNumber == 0 ? kInvalidTextInName : kInvalidTextAtRecord),
      static_cast<std::uint64_t>(recordNumber));
  message.detail = encoding;
  report.push_back(message);
  Place place;
  if (recordNumber == 0) {
    place = inTable ? Place{kInFileName, 0, 0} : Place{kAtLine, 1, 0};
  } else if (inTable && fault == kInvalidText) {
    place = {kInCell, origin.faultRow, origin.faultColumn};
  } else {
    place = PlaceOfRecord(origin, recordNumber - 1);
  }
  if (fault == kUnmappableCharacter &&
      ReportAlphabetUnshowable(text.faultCharacter, place, origin.laterUnshowable, inTable,
                               report)) {
    return;
  }
  if (fault == kUnmappableCharacter) {
    ReportEntry hint = EntryAt(kHintUnshowable, place);
    hint.character = text.faultCharacter;
    report.push_back(hint);
    if (origin.laterUnshowable) ReportLaterUnshowable(*origin.laterUnshowable, inTable, report);
  } else if (fault == kInvalidText) {
    ReportEntry hint = EntryAt(kHintInvalidText, place);
    hint.detail = encoding;
    hint.number = text.faultOffset;
    report.push_back(hint);
  }
}

void ReportDatabaseNameRules(const char* name, std::size_t length, NameSubject subject,
                             Report& report) {
  if (length == 0) {
    ReportEntry entry = MakeEntry(kHintNameEmpty);
    entry.detail = subject;
    report.push_back(entry);
    return;
  }
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned char byte = static_cast<unsigned char>(name[i]);
    if (byte < 0x20 || byte == 0x7F) {
      ReportEntry entry = EntryWithNumber(kHintNameControlCharacter, i + 1);
      entry.detail = subject;
      entry.character = byte;
      report.push_back(entry);
      break;
    }
  }
  if (length > kMaxDatabaseNameLength) {
    ReportEntry entry = EntryWithNumber(kHintNameTooLong, length);
    entry.detail = subject;
    entry.limit = kMaxDatabaseNameLength;
    report.push_back(entry);
  }
}

void ReportDatabaseNameLine(const QuestionLine& nameLine, bool fileHoldsText, Report& report) {
  if (!fileHoldsText) {
    report.push_back(MakeEntry(kHintNoText));
  } else if (nameLine.length == 0) {
    report.push_back(MakeEntry(kHintNameLineEmpty));
  } else {
    ReportDatabaseNameRules(nameLine.text, nameLine.length, kNameLine, report);
  }
}

void ReportLineTooLong(const QuestionLine& line, const RecordOrigin& origin, int index,
                       Report& report) {
  report.push_back(EntryWithNumber(kLineTooLongAtRecord, static_cast<std::uint64_t>(index + 1)));
  const ReportKind kind = origin.tableRows        ? kHintCellTooLong
                          : line.endsWithLineFeed ? kHintLineTooLong
                                                  : kHintLastLineTooLong;
  ReportEntry hint = EntryAt(kind, PlaceOfRecord(origin, index));
  hint.number = line.length;
  hint.limit = kind == kHintLastLineTooLong ? kMaxRecordTextLength : kMaxRecordLineLength;
  report.push_back(hint);
}

void ReportTooManyRecords(int recordLineCount, const RecordOrigin& origin, Report& report) {
  ReportEntry message = MakeEntry(kTooManyRecords);
  message.limit = kMaxRecordCount;
  report.push_back(message);
  ReportEntry hint =
      origin.tableRows
          ? EntryWithNumber(kHintTooManyRows, static_cast<std::uint64_t>(origin.tableRowCount))
          : EntryWithNumber(kHintTooManyLines, static_cast<std::uint64_t>(recordLineCount));
  hint.limit = origin.tableRows ? kMaxRecordCount / 2 : kMaxRecordCount;
  report.push_back(hint);
}

bool IsTabSeparatedText(const unsigned char* text, std::size_t length) {
  bool lineHoldsTab = false;
  bool firstLine = true;
  for (std::size_t i = 0, lineStart = 0; i <= length; ++i) {
    if (i < length && text[i] != '\n') {
      lineHoldsTab = lineHoldsTab || text[i] == '\t';
      continue;
    }
    const bool empty = i == lineStart || (i == lineStart + 1 && text[lineStart] == '\r');
    if (!lineHoldsTab && (firstLine || !empty)) return false;
    firstLine = false;
    lineHoldsTab = false;
    lineStart = i + 1;
  }
  return true;
}
