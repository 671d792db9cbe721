#include "conversion/convert_question_file.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include "charset/encoding_guess.h"
#include "charset/handheld_decoder.h"
#include "charset/text_encoding.h"
#include "charset/utf8.h"
#include "conversion/character_warnings.h"
#include "conversion/conversion_passes.h"
#include "conversion/document_kind.h"
#include "conversion/line_rules.h"
#include "conversion/question_hints.h"
#include "conversion/question_reader.h"
#include "conversion/record_origin.h"
#include "conversion/record_warnings.h"
#include "conversion/repeated_questions.h"
#include "database/database_header.h"
#include "database/database_writer.h"
#include "conversion/table_lines.h"
#include "table/table_of_questions.h"

namespace {

// What the records are read from: a question file's text, decoded in place,
// or a table's rows as lines (conversion/table_lines.h).
struct QuestionSource {
  const unsigned char* text;  // bytes of the handheld's character set
  const TableLines* tableLines;  // instead of |text|
  DecodingOutcome decoded;    // its length, and why it ended early
  TextEncoding encoding;      // the file's, for the messages
  bool guessed;               // its words chose the code page: a note says which
  bool macLineEnds;           // the file's lines end in CR alone
  TextEncoding echoEncoding;  // how the name shows on the echo line
  RecordOrigin origin;
  // The characters worth a warning, and their lines or rows.
  const std::vector<CharacterNote>* characterNotes;
  std::vector<int> characterPlaces;
};

// The echo line: the name line as the file holds it, as much of it as a
// line keeps (in UTF-8 when the file is decoded, without byte order mark).
ReportEntry EchoLine(const QuestionLine& nameLine, TextEncoding encoding) {
  ReportEntry entry = MakeEntry(kEchoLine);
  // Only what is shown is copied: a first line may be megabytes long.
  const std::string held(nameLine.text, std::min(nameLine.length, kMaxRecordTextLength));
  entry.otherText = HandheldTextInUtf8(held.data(), held.size());
  entry.text = encoding == kBytesAsTheyAre ? held : entry.otherText;
  return entry;
}

// The records kept, for a preview; when the pass stopped, the line it
// stopped at too.
void FillPreview(const RecordTexts& records, const RecordWarnings& warnings,
                 const RecordOrigin& origin, bool stopped, QuizPreview& preview) {
  preview.fromTable = origin.tableRows != nullptr;
  for (int k = 0; k < records.count; ++k) {
    AddPreviewRecord(records.texts[k], records.sizes[k] - 1, LineOrRowOfRecord(origin, k),
                     warnings.findings[k], preview);
  }
  if (!stopped) {
    MarkQuestionWithoutAnswer(preview);
    return;
  }
  const QuestionLine& line = records.stoppedAt;
  AddPreviewRecord(line.text, std::min(line.length, kMaxRecordTextLength),
                   LineOrRowOfRecord(origin, records.count), kRecordStoppedTheRun, preview);
}

// Everything after the name line was accepted: the record lines and the
// whole database.
void ConvertRecordLines(QuestionReader& reader, const QuestionSource& source,
                        const QuestionLine& nameLine, bool withPreview,
                        ConversionResult& result) {
  auto records = std::make_unique<RecordTexts>();
  auto warnings = std::make_unique<RecordWarnings>();
  StartRecordWarnings(nameLine, *warnings);
  const bool complete = MeasureRecordLines(reader, source.decoded, source.encoding,
                                           source.origin, *records, *warnings, result.report);
  if (withPreview) FillPreview(*records, *warnings, source.origin, !complete, result.preview);
  if (!complete) return;
  ReportEntry summary = MakeEntry(kQuestionsConverted);
  summary.number = static_cast<std::uint64_t>(records->count / 2);
  result.report.push_back(summary);
  result.warningsStart = result.report.size();

  const DatabaseHeader header = BuildDatabaseHeader(
      nameLine.text, nameLine.length, static_cast<std::uint16_t>(records->count));
  BuildDatabaseImage(header, std::move(records->texts), std::move(records->sizes),
                     result.database);
  // A table's cells go when the call returns.
  if (source.tableLines) OwnDatabaseTexts(result.database);
  result.databaseName.assign(nameLine.text, nameLine.length);
  result.recordCount = records->count;
  result.converted = true;
  ReportRecordWarnings(*warnings, records->count, source.origin, result.report);
  ReportRepeatedQuestions(result.database.texts.data(), result.database.sizes.data(),
                          records->count, source.origin, result.report);
  ReportCharacterWarnings(*source.characterNotes, source.characterPlaces,
                          source.origin.tableRows != nullptr, result.report);
}

void ReportDocument(DocumentKind kind, Report& report) {
  // A document's first bytes are no name to show.
  report.push_back(MakeEntry(kEchoLine));
  ReportEntry message = MakeEntry(kNotPlainText);
  message.detail = kind;
  report.push_back(message);
  report.push_back(MakeEntry(IsSpreadsheet(kind) ? kHintSpreadsheet : kHintNotPlainText));
}

// Told from the file, before it is decoded in place.
bool HasMacLineEnds(const ByteBuffer& bytes) {
  return !std::memchr(bytes.data(), '\n', bytes.size()) &&
         std::memchr(bytes.data(), '\r', bytes.size());
}

// A file whose encoding is not known: which readings stay, or which lines
// are UTF-8 and which not.
void ReportEncodingUndecided(const EncodingDecision& decision, const unsigned char* bytes,
                             Report& report) {
  report.push_back(MakeEntry(kEchoLine));
  if (decision.verdict == kEncodingMixed) {
    report.push_back(MakeEntry(kEncodingsMixed));
    ReportEntry hint = EntryAt(kHintEncodingMixed, {kAtLine, decision.otherLine, 0});
    hint.number = static_cast<std::uint64_t>(decision.utf8Line);
    report.push_back(hint);
    return;
  }
  report.push_back(MakeEntry(kEncodingNotCertain));
  ReportEntry hint = MakeEntry(kHintEncodingCandidates);
  for (int c = 0; c < decision.candidateCount; ++c) hint.numbers.push_back(decision.candidates[c]);
  // Only what is shown is kept: a word may be megabytes long.
  hint.text.assign(reinterpret_cast<const char*>(bytes) + decision.wordStart,
                   std::min(decision.wordLength, kMaxRecordLineLength));
  report.push_back(hint);
}

// The run from the name line on.
void ConvertSource(const QuestionSource& source, DocumentKind kind, bool withPreview,
                   ConversionResult& result) {
  Report& report = result.report;
  if (kind != kPlainText) {
    ReportDocument(kind, report);
    return;
  }
  QuestionReader reader;
  if (source.tableLines) {
    const std::vector<QuestionLine>& lines = source.tableLines->lines;
    StartLineListReader(lines.data(), lines.size(), reader);
  } else {
    StartQuestionReader(source.text, source.decoded.length, source.decoded.fault, reader);
  }
  QuestionLine nameLine = {"", 0, false, false, kNoTextFault};
  ReadQuestionLine(reader, nameLine);
  report.push_back(EchoLine(nameLine, source.echoEncoding));
  if (source.guessed) {
    // Old Mac programs' lines have a warning of their own.
    const bool macRoman = source.encoding == kMacRoman && source.macLineEnds;
    ReportEntry note = MakeEntry(macRoman ? kWarnReadAsMacRoman : kWarnReadAsEncoding);
    note.detail = source.encoding;
    report.push_back(note);
  }
  if (nameLine.fault != kNoTextFault) {
    ReportTextFault(source.decoded, source.encoding, source.origin, 0, report);
    return;
  }
  if (!IsDatabaseNameValid(nameLine)) {
    report.push_back(MakeEntry(kDatabaseNameInvalid));
    if (source.origin.tableRows) {
      ReportDatabaseNameRules(nameLine.text, nameLine.length, kNameFromFileName, report);
    } else {
      ReportDatabaseNameLine(nameLine, source.decoded.length > 0, report);
      if (IsTabSeparatedText(source.text, source.decoded.length)) {
        report.push_back(MakeEntry(kHintTabSeparatedText));
      }
    }
    return;
  }
  ConvertRecordLines(reader, source, nameLine, withPreview, result);
}

void ConvertTable(ByteBuffer& bytes, const QuestionFileFacts& facts, DocumentKind kind,
                  const EncodingDecision& decision, bool macLineEnds, ConversionResult& result) {
  // One row more than a database holds, to tell that there are too many.
  auto table = std::make_unique<TableOfQuestions>();
  ReadTableOfQuestions(bytes.data(), bytes.size(), decision.encoding, facts.tableName,
                       facts.fileName,
                       facts.table == kTabSeparatedTable, kMaxRecordCount / 2 + 1, *table);
  TableLines lines;
  MakeTableLines(*table, lines);
  const QuestionSource source = {
      nullptr,
      &lines,
      lines.fault,
      table->encoding,
      decision.guessed,
      macLineEnds,
      kUtf8,
      {&lines.rows, table->table.pairCount, lines.faultRow, lines.faultColumn,
       &table->table.notes, &lines.laterUnshowable},
      &table->characterNotes,
      RowsOfCharacterNotes(table->characterNotes, table->table.rowStarts)};
  ConvertSource(source, kind, facts.withPreview, result);
}

}  // namespace

void ConvertQuestionFile(ByteBuffer& bytes, const QuestionFileFacts& facts,
                         ConversionResult& result) {
  result.converted = false;
  result.report.clear();
  result.warningsStart = 0;
  result.database = DatabaseImage();
  result.databaseName.clear();
  result.recordCount = 0;
  result.preview.fromTable = false;
  result.preview.records.clear();
  const DocumentKind kind = DetectDocumentKind(bytes.data(), bytes.size());
  const bool macLineEnds = HasMacLineEnds(bytes);
  EncodingDecision decision = {};
  if (kind == kPlainText) {
    decision = DecideTextEncoding(bytes.data(), bytes.size(), facts.encoding);
    if (decision.verdict != kEncodingDecided) {
      ReportEncodingUndecided(decision, bytes.data(), result.report);
      result.warningsStart = result.report.size();
      return;
    }
  }
  if (facts.table != kNotATable) {
    ConvertTable(bytes, facts, kind, decision, macLineEnds, result);
  } else {
    const TextEncoding encoding = decision.encoding;
    std::vector<CharacterNote> characterNotes;
    const DecodingOutcome decoded =
        DecodeHandheldText(bytes.data(), bytes.size(), encoding, &characterNotes);
    const LaterUnshowable later =
        FindLaterUnshowable(bytes.data(), bytes.size(), encoding, decoded);
    const QuestionSource source = {bytes.data(),
                                   nullptr,
                                   decoded,
                                   encoding,
                                   decision.guessed,
                                   macLineEnds,
                                   encoding,
                                   {nullptr, 0, 0, 0, nullptr, &later},
                                   &characterNotes,
                                   LinesOfCharacterNotes(characterNotes, bytes.data())};
    ConvertSource(source, kind, facts.withPreview, result);
  }
  if (!result.converted) result.warningsStart = result.report.size();
}
