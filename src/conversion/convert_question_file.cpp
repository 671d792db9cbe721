#include "conversion/convert_question_file.h"

#include <cstdio>
#include <string>

#include "conversion/conversion_passes.h"
#include "conversion/database_path.h"
#include "conversion/line_rules.h"
#include "conversion/question_reader.h"
#include "database/database_header.h"
#include "database/database_writer.h"
#include "database/record_list.h"
#include "files/output_file.h"
#include "files/same_file.h"

namespace {

bool Stop(const char* message) {
  std::fputs(message, stdout);
  return false;
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
  std::printf("Questions converted: %i\n", measured.count / 2);
  CloseQuestionFile(reader);

  const DatabaseHeader header =
      BuildDatabaseHeader(nameLine.bytes, static_cast<std::size_t>(DatabaseNameLength(nameLine)),
                          static_cast<std::uint16_t>(measured.count));
  WriteHeaderAndRecordList(database.stream, header, entries);
  if (std::ferror(database.stream)) {
    AbandonOutputFile(database);
    return Stop("Could not write output file\n");
  }

  if (!OpenQuestionFile(questionPath, reader)) {
    AbandonOutputFile(database);
    return Stop("Could not open input file\n");
  }
  QuestionLine skippedNameLine;
  ReadQuestionLine(reader, skippedNameLine);
  const RecordBodiesOutcome outcome =
      WriteRecordBodies(reader, database.stream, measured);
  CloseQuestionFile(reader);

  switch (outcome) {
    case kQuestionFileChanged:
      AbandonOutputFile(database);
      return Stop("Input file changed during conversion\n");
    case kDatabaseWriteFailed:
      AbandonOutputFile(database);
      return Stop("Could not write output file\n");
    case kRecordBodiesWritten:
      break;
  }
  if (CommitOutputFile(database, kReplaceExistingTarget) != kCommitted) {
    return Stop("Could not write output file\n");
  }
  return true;
}

}  // namespace

bool ConvertQuestionFile(const char* questionPath) {
  const std::string databasePath = DeriveDatabasePath(questionPath);

  QuestionReader reader;
  if (!OpenQuestionFile(questionPath, reader)) return Stop("Could not open input file\n");
  if (IsSameFile(questionPath, databasePath.c_str())) {
    CloseQuestionFile(reader);
    return Stop("Input and output file are the same\n");
  }
  OutputFile database;
  if (!BeginOutputFile(databasePath.c_str(), database)) {
    CloseQuestionFile(reader);
    return Stop("Could not open output file\n");
  }
  // Every path below closes the database before this buffer goes.
  char databaseBuffer[1 << 16];
  std::setvbuf(database.stream, databaseBuffer, _IOFBF, sizeof databaseBuffer);

  QuestionLine nameLine;
  nameLine.bytes[0] = '\0';
  nameLine.length = 0;
  nameLine.endsWithLineFeed = false;
  ReadQuestionLine(reader, nameLine);
  std::printf("%s %s %s", questionPath, databasePath.c_str(), nameLine.bytes);
  if (!IsDatabaseNameValid(nameLine)) {
    CloseQuestionFile(reader);
    AbandonOutputFile(database);
    return Stop("Database name invalid\n");
  }
  return ConvertRecordLines(questionPath, reader, nameLine, database);
}
