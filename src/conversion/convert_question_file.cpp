#include "conversion/convert_question_file.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "charset/text_encoding.h"
#include "charset/utf8.h"
#include "console/run_message.h"
#include "conversion/conversion_passes.h"
#include "conversion/database_path.h"
#include "conversion/line_rules.h"
#include "conversion/question_reader.h"
#include "database/database_header.h"
#include "database/database_writer.h"
#include "database/record_list.h"
#include "files/native_path.h"
#include "files/output_file.h"
#include "files/same_file.h"

namespace {

// The echo line: both paths and the name line as the file holds it, its line
// end included (in UTF-8 when the file is decoded, without byte order mark).
void PrintEchoLine(const char* questionPath, const std::string& databasePath,
                   const QuestionLine& nameLine, TextEncoding encoding) {
  std::printf("%s %s ", PathForConsole(questionPath).c_str(),
              PathForConsole(databasePath.c_str()).c_str());
  if (encoding == kBytesAsTheyAre) {
    std::fputs(nameLine.bytes, stdout);
    return;
  }
  char text[kMaxUtf8BytesPerHandheldByte * kQuestionLineCapacity];
  std::fwrite(text, 1, HandheldTextToUtf8(nameLine.bytes, std::strlen(nameLine.bytes), text),
              stdout);
}

// Everything after the name line was accepted: both passes and the file's
// front. |database| is committed or abandoned on return.
bool ConvertRecordLines(const char* questionPath, QuestionReader& reader,
                        const QuestionLine& nameLine, OutputFile& database) {
  RecordSizes measured;
  if (!MeasureRecordLines(reader, measured)) {
    CloseQuestionFile(reader);
    AbandonOutputFile(database);
    return false;
  }
  RecordListEntry entries[kMaxRecordCount];
  BuildRecordList(measured.sizes, measured.count, entries);
  PrintRunMessage("Questions converted: %i\n", measured.count / 2);
  CloseQuestionFile(reader);

  const DatabaseHeader header =
      BuildDatabaseHeader(nameLine.bytes, static_cast<std::size_t>(DatabaseNameLength(nameLine)),
                          static_cast<std::uint16_t>(measured.count));
  WriteHeaderAndRecordList(database.stream, header, entries);
  if (std::ferror(database.stream)) {
    AbandonOutputFile(database);
    return StopWithMessage("Could not write output file\n");
  }

  if (!OpenQuestionFile(questionPath, reader.decoder.encoding, reader)) {
    AbandonOutputFile(database);
    return StopWithMessage("Could not open input file\n");
  }
  QuestionLine skippedNameLine;
  ReadQuestionLine(reader, skippedNameLine);
  const RecordBodiesOutcome outcome =
      WriteRecordBodies(reader, database.stream, measured);
  CloseQuestionFile(reader);

  switch (outcome) {
    case kQuestionFileChanged:
      AbandonOutputFile(database);
      return StopWithMessage("Input file changed during conversion\n");
    case kDatabaseWriteFailed:
      AbandonOutputFile(database);
      return StopWithMessage("Could not write output file\n");
    case kRecordBodiesWritten:
      break;
  }
  if (CommitOutputFile(database, kReplaceExistingTarget) != kCommitted) {
    return StopWithMessage("Could not write output file\n");
  }
  return true;
}

}  // namespace

bool ConvertQuestionFile(const char* questionPath) {
  const std::string databasePath = DeriveDatabasePath(questionPath);

  QuestionReader reader;
  if (!OpenQuestionFile(questionPath, kBytesAsTheyAre, reader)) {
    return StopWithMessage("Could not open input file\n");
  }
  if (IsSameFile(questionPath, databasePath.c_str())) {
    CloseQuestionFile(reader);
    return StopWithMessage("Input and output file are the same\n");
  }
  OutputFile database;
  if (!BeginOutputFile(databasePath.c_str(), database)) {
    CloseQuestionFile(reader);
    return StopWithMessage("Could not open output file\n");
  }
  // Every path below closes the database before this buffer goes.
  char databaseBuffer[1 << 16];
  std::setvbuf(database.stream, databaseBuffer, _IOFBF, sizeof databaseBuffer);

  const TextEncoding encoding = DetectTextEncoding(reader.file, reader.block, kReadBlockSize);
  CloseQuestionFile(reader);
  if (!OpenQuestionFile(questionPath, encoding, reader)) {
    AbandonOutputFile(database);
    return StopWithMessage("Could not open input file\n");
  }
  QuestionLine nameLine;
  nameLine.bytes[0] = '\0';
  nameLine.length = 0;
  nameLine.endsWithLineFeed = false;
  nameLine.fault = kNoTextFault;
  ReadQuestionLine(reader, nameLine);
  PrintEchoLine(questionPath, databasePath, nameLine, encoding);
  if (nameLine.fault != kNoTextFault) {
    CloseQuestionFile(reader);
    AbandonOutputFile(database);
    PrintTextFault(nameLine.fault, encoding, 0);
    return false;
  }
  if (!IsDatabaseNameValid(nameLine)) {
    CloseQuestionFile(reader);
    AbandonOutputFile(database);
    return StopWithMessage("Database name invalid\n");
  }
  return ConvertRecordLines(questionPath, reader, nameLine, database);
}
