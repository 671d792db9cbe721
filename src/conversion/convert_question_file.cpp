#include "conversion/convert_question_file.h"

#include <cstdio>
#include <string>

#include "conversion/conversion_passes.h"
#include "conversion/database_path.h"
#include "conversion/line_rules.h"
#include "conversion/question_reader.h"
#include "conversion/same_file.h"
#include "database/database_header.h"
#include "database/database_writer.h"
#include "database/record_list.h"

namespace {

void Print(const char* text) { std::fputs(text, stdout); }

void EmptyFile(const char* path) {
  std::FILE* file = std::fopen(path, "wb");
  if (file) std::fclose(file);
}

// Everything after the name line was accepted: both passes and the file's
// front. |database| is closed on return.
void ConvertRecordLines(const char* questionPath, const char* databasePath,
                        QuestionReader& reader, const QuestionLine& nameLine,
                        std::FILE* database) {
  RecordSizes measured;
  if (!MeasureRecordLines(reader, measured)) {
    CloseQuestionFile(reader);
    std::fclose(database);
    return;
  }
  RecordListEntry entries[kMaxRecordCount];
  BuildRecordList(measured.sizes, measured.count, entries);
  std::printf("Questions converted: %i\n", measured.count / 2);
  CloseQuestionFile(reader);

  const DatabaseHeader header =
      BuildDatabaseHeader(nameLine.bytes, static_cast<std::size_t>(nameLine.length),
                          static_cast<std::uint16_t>(measured.count));
  WriteHeaderAndRecordList(database, header, entries);
  if (std::ferror(database)) {
    std::fclose(database);
    Print("Could not write output file\n");
    return;
  }

  if (!OpenQuestionFile(questionPath, reader)) {
    std::fclose(database);
    Print("Could not open input file\n");
    return;
  }
  QuestionLine skippedNameLine;
  ReadQuestionLine(reader, skippedNameLine);
  const RecordBodiesOutcome outcome = WriteRecordBodies(reader, database, measured);
  CloseQuestionFile(reader);

  const bool closed = std::fclose(database) == 0;
  if (outcome == kQuestionFileChanged) {
    // The offsets already written would lie about the bodies; keep no such file.
    EmptyFile(databasePath);
    Print("Input file changed during conversion\n");
  } else if (outcome == kDatabaseWriteFailed || !closed) {
    Print("Could not write output file\n");
  }
}

}  // namespace

void ConvertQuestionFile(const char* questionPath) {
  const std::string databasePath = DeriveDatabasePath(questionPath);

  QuestionReader reader;
  if (!OpenQuestionFile(questionPath, reader)) {
    Print("Could not open input file\n");
    return;
  }
  if (IsSameFile(questionPath, databasePath.c_str())) {
    CloseQuestionFile(reader);
    Print("Input and output file are the same\n");
    return;
  }
  std::FILE* database = std::fopen(databasePath.c_str(), "wb");
  if (!database) {
    CloseQuestionFile(reader);
    Print("Could not open output file\n");
    return;
  }
  // Every path below closes the database before this buffer goes.
  char databaseBuffer[1 << 16];
  std::setvbuf(database, databaseBuffer, _IOFBF, sizeof databaseBuffer);

  QuestionLine nameLine;
  nameLine.bytes[0] = '\0';
  nameLine.length = 0;
  nameLine.endsWithLineFeed = false;
  ReadQuestionLine(reader, nameLine);
  std::printf("%s %s %s", questionPath, databasePath.c_str(), nameLine.bytes);
  if (!IsDatabaseNameValid(nameLine)) {
    CloseQuestionFile(reader);
    std::fclose(database);
    Print("Database name invalid\n");
    return;
  }
  ConvertRecordLines(questionPath, databasePath.c_str(), reader, nameLine, database);
}
