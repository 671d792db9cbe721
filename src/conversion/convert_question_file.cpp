#include "conversion/convert_question_file.h"

#include <errno.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "charset/handheld_decoder.h"
#include "charset/text_encoding.h"
#include "charset/utf8.h"
#include "console/common_hints.h"
#include "console/echo_line.h"
#include "console/run_message.h"
#include "console/run_notes.h"
#include "conversion/character_warnings.h"
#include "conversion/conversion_passes.h"
#include "conversion/database_path.h"
#include "conversion/document_kind.h"
#include "conversion/line_rules.h"
#include "conversion/question_hints.h"
#include "conversion/question_reader.h"
#include "conversion/record_origin.h"
#include "conversion/record_warnings.h"
#include "conversion/repeated_questions.h"
#include "database/database_header.h"
#include "database/database_writer.h"
#include "database/record_list.h"
#include "table/table_question_text.h"
#include "table/table_reader.h"
#include "files/native_path.h"
#include "files/output_file.h"
#include "files/same_file.h"
#include "files/system_folder.h"
#include "files/whole_file.h"

namespace {

// The echo line: both paths and the name line as the file holds it, as much
// of it as a line keeps (in UTF-8 when the file is decoded, without byte
// order mark); the echo line ends its line itself.
void PrintQuestionEchoLine(const char* questionPath, const std::string& databasePath,
                           const QuestionLine& nameLine, TextEncoding encoding) {
  // Only what is shown is copied: a first line may be megabytes long.
  std::string held(nameLine.text, std::min(nameLine.length, kMaxRecordTextLength));
  const std::string utf8 = HandheldTextInUtf8(held.data(), held.size());
  PrintEchoLine(questionPath, databasePath.c_str(), encoding == kBytesAsTheyAre ? held : utf8,
                utf8);
}

bool StopWritingDatabase(const std::string& databasePath, int error) {
  PrintRunMessage("Could not write output file\n");
  HintSystemError(databasePath.c_str(), error);
  return false;
}

// Everything after the name line was accepted: the record lines and the
// whole database. |database| is committed or abandoned on return.
// What the records are read from: a question file's text, decoded in place,
// or the question text a table stands for (table/table_question_text.h).
struct QuestionSource {
  const unsigned char* text;  // bytes of the handheld's character set
  HandheldText decoded;       // its length, and why it ended early
  TextEncoding encoding;      // the file's, for the messages
  TextEncoding echoEncoding;  // how the name shows on the echo line
  RecordOrigin origin;
  // The characters worth a warning, and their lines or rows.
  const std::vector<CharacterNote>* characterNotes;
  std::vector<int> characterPlaces;
};

// The records kept, for a preview; when the pass stopped, the line it
// stopped at too.
void FillPreview(const RecordTexts& records, const RecordWarnings& warnings,
                 const RecordOrigin& origin, bool stopped, QuizPreview& preview) {
  preview.fromTable = origin.tableRows != nullptr;
  preview.records.clear();
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

bool ConvertRecordLines(QuestionReader& reader, const QuestionSource& source,
                        const QuestionLine& nameLine, const std::string& databasePath,
                        OutputFile& database, QuizPreview* preview) {
  RecordTexts records;
  RecordWarnings warnings;
  StartRecordWarnings(nameLine, warnings);
  if (!MeasureRecordLines(reader, source.decoded, source.encoding, source.origin, records,
                          warnings)) {
    AbandonOutputFile(database);
    if (preview) FillPreview(records, warnings, source.origin, true, *preview);
    return false;
  }
  RecordListEntry entries[kMaxRecordCount];
  BuildRecordList(records.sizes, records.count, entries);
  PrintRunMessage("Questions converted: %i\n", records.count / 2);

  const DatabaseHeader header = BuildDatabaseHeader(
      nameLine.text, nameLine.length, static_cast<std::uint16_t>(records.count));
  WriteHeaderAndRecordList(database.stream, header, entries);
  if (!WriteRecordBodies(database.stream, records)) {
    const int error = errno;
    AbandonOutputFile(database);
    return StopWritingDatabase(databasePath, error);
  }
  if (CommitOutputFile(database, kReplaceExistingTarget) != kCommitted) {
    return StopWritingDatabase(databasePath, database.error);
  }
  PrintRecordWarnings(warnings, records.count, source.origin);
  PrintRepeatedQuestions(records.texts, records.sizes, records.count, source.origin);
  PrintCharacterWarnings(*source.characterNotes, source.characterPlaces,
                         source.origin.tableRows != nullptr);
  if (preview) FillPreview(records, warnings, source.origin, false, *preview);
  return true;
}

// The run from the name line on, the database open.
bool ConvertSource(const char* questionPath, const std::string& databasePath,
                   const QuestionSource& source, DocumentKind kind, OutputFile& database,
                   QuizPreview* preview) {
  QuestionReader reader;
  StartQuestionReader(source.text, source.decoded.length, source.decoded.fault, reader);
  QuestionLine nameLine = {"", 0, false, false, kNoTextFault};
  ReadQuestionLine(reader, nameLine);
  if (kind != kPlainText) {
    // A document's first bytes are no name to show.
    PrintEchoLine(questionPath, databasePath.c_str(), "", "");
    AbandonOutputFile(database);
    if (IsSpreadsheet(kind)) {
      PrintRunMessage("Not plain text but %s: save it as CSV\n", DocumentKindName(kind));
      HintSpreadsheet();
    } else {
      PrintRunMessage("Not plain text but %s: save it as plain text\n", DocumentKindName(kind));
      HintNotPlainText();
    }
    return false;
  }
  PrintQuestionEchoLine(questionPath, databasePath, nameLine, source.echoEncoding);
  if (source.encoding == kMacRoman) {
    PrintWarning("the file's lines end in CR alone and it is not UTF-8: it was read as Mac OS "
                 "Roman, the character set of the Mac programs that write such lines");
  }
  if (nameLine.fault != kNoTextFault) {
    AbandonOutputFile(database);
    PrintTextFault(source.decoded, source.encoding, source.origin, 0);
    return false;
  }
  if (!IsDatabaseNameValid(nameLine)) {
    AbandonOutputFile(database);
    PrintRunMessage("Database name invalid\n");
    if (source.origin.tableRows) {
      HintDatabaseName(nameLine.text, nameLine.length,
                       "the database name, made from the file name,");
    } else {
      HintDatabaseNameLine(nameLine, source.decoded.length > 0);
      if (IsTabSeparatedText(source.text, source.decoded.length)) HintTabSeparatedText();
    }
    return false;
  }
  return ConvertRecordLines(reader, source, nameLine, databasePath, database, preview);
}

// The run once the question file is in memory.
bool ConvertQuestionBytes(const char* questionPath, const char* givenDatabasePath,
                          std::vector<unsigned char>& bytes, QuizPreview* preview) {
  const std::string databasePath =
      givenDatabasePath ? givenDatabasePath : DeriveDatabasePath(questionPath);
  if (!givenDatabasePath && IsWrittenBesideADevice(questionPath, databasePath.c_str())) {
    PrintRunMessage("Could not open output file\n");
    HintBesideADevice(databasePath.c_str());
    return false;
  }
  if (std::strcmp(questionPath, "-") != 0 && IsSameFile(questionPath, databasePath.c_str())) {
    PrintRunMessage("Input and output file are the same\n");
    HintSameFile(questionPath, databasePath);
    return false;
  }
  OutputFile database;
  if (!BeginOutputFile(databasePath.c_str(), database)) {
    PrintRunMessage("Could not open output file\n");
    HintOutputNotOpened(databasePath.c_str(), database);
    return false;
  }
  // Every path below closes the database before this buffer goes.
  char databaseBuffer[1 << 16];
  std::setvbuf(database.stream, databaseBuffer, _IOFBF, sizeof databaseBuffer);

  const DocumentKind kind = DetectDocumentKind(bytes.data(), bytes.size());
  bool tabSeparated = false;
  if (IsTablePath(questionPath, tabSeparated)) {
    // One row more than a database holds, to tell that there are too many.
    TableQuestionText table;
    MakeTableQuestionText(bytes.data(), bytes.size(), questionPath, tabSeparated,
                          kMaxRecordCount / 2 + 1, table);
    HandheldText decoded = table.fault;
    decoded.length = table.text.size();
    const QuestionSource source = {
        reinterpret_cast<const unsigned char*>(table.text.data()),
        decoded,
        table.encoding,
        kUtf8,
        {&table.rows, table.rowCount, table.faultRow, table.faultColumn, &table.notes,
         &table.laterUnshowable},
        &table.characterNotes,
        RowsOfCharacterNotes(table.characterNotes, table.rowStarts)};
    return ConvertSource(questionPath, databasePath, source, kind, database, preview);
  }
  const TextEncoding encoding = DetectTextEncoding(bytes.data(), bytes.size());
  std::vector<CharacterNote> characterNotes;
  const HandheldText decoded =
      DecodeHandheldText(bytes.data(), bytes.size(), encoding, &characterNotes);
  const LaterUnshowable later = FindLaterUnshowable(bytes.data(), bytes.size(), encoding, decoded);
  const QuestionSource source = {bytes.data(),
                                 decoded,
                                 encoding,
                                 encoding,
                                 {nullptr, 0, 0, 0, nullptr, &later},
                                 &characterNotes,
                                 LinesOfCharacterNotes(characterNotes, bytes.data())};
  return ConvertSource(questionPath, databasePath, source, kind, database, preview);
}

bool ReadAndConvert(const char* questionPath, const char* databasePath, QuizPreview* preview) {
  std::vector<unsigned char> bytes;
  const WholeFileOutcome outcome = std::strcmp(questionPath, "-") == 0
                                       ? ReadWholeStandardInput(kMaxQuestionFileSize, bytes)
                                       : ReadWholeFile(questionPath, kMaxQuestionFileSize, bytes);
  switch (outcome) {
    case kWholeFileRead:
      return ConvertQuestionBytes(questionPath, databasePath, bytes, preview);
    case kWholeFileNotOpened: {
      const int error = errno;
      PrintRunMessage("Could not open input file\n");
      HintSystemError(questionPath, error);
      return false;
    }
    case kWholeFileTooLarge:
      PrintRunMessage("Input file too large: more than %s bytes\n",
                      std::to_string(kMaxQuestionFileSize).c_str());
      HintTooLarge(questionPath);
      return false;
    case kWholeFileReadFailed:
      break;
  }
  const int error = errno;
  PrintRunMessage("Could not read input file\n");
  HintSystemError(questionPath, error);
  return false;
}

}  // namespace

bool ConvertQuestionFile(const char* questionPath, const char* databasePath) {
  return ReadAndConvert(questionPath, databasePath, nullptr);
}

bool ConvertQuestionFile(const char* questionPath, QuizPreview& preview) {
  preview.records.clear();
  preview.fromTable = false;
  return ReadAndConvert(questionPath, nullptr, &preview);
}
