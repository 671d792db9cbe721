#include "conversion/conversion_passes.h"

#include <charconv>

#include "console/run_message.h"
#include "conversion/line_rules.h"
#include "database/database_writer.h"

static_assert(kMaxStoredLineBytes <= kMaxRecordTextLength,
              "every record text a line keeps must fit a record body");

namespace {

// Prints "%i\n" with |index|; called once per record line, so kept cheaper
// than printf.
void PrintRecordIndex(int index) {
  char text[16];
  char* end = std::to_chars(text, text + sizeof text - 1, index).ptr;
  *end++ = '\n';
  std::fwrite(text, 1, static_cast<std::size_t>(end - text), stdout);
}

}  // namespace

void PrintTextFault(TextFault fault, TextEncoding encoding, int recordNumber) {
  if (fault == kUnmappableCharacter && recordNumber == 0) {
    PrintRunMessage("Character the handheld cannot show in the database name\n");
  } else if (fault == kUnmappableCharacter) {
    PrintRunMessage("Character the handheld cannot show at record : %i \n", recordNumber);
  } else if (recordNumber == 0) {
    PrintRunMessage("Text is not valid %s in the database name\n", TextEncodingName(encoding));
  } else {
    PrintRunMessage("Text is not valid %s at record : %i \n", TextEncodingName(encoding),
                    recordNumber);
  }
}

bool MeasureRecordLines(QuestionReader& reader, RecordSizes& measured) {
  QuestionLine line;
  int recordIndex = -1;
  measured.count = 0;
  while (ReadQuestionLine(reader, line)) {
    PrintRecordIndex(recordIndex + 1);
    ++recordIndex;
    if (recordIndex >= kMaxRecordCount) {
      return StopWithMessage("Too many records: at most %i\n", kMaxRecordCount);
    }
    if (line.fault != kNoTextFault) {
      PrintTextFault(line.fault, reader.decoder.encoding, recordIndex + 1);
      return false;
    }
    if (IsRecordLineTooLong(line)) {
      return StopWithMessage("Line data too long at record : %i \n", recordIndex + 1);
    }
    measured.sizes[recordIndex] =
        static_cast<std::uint32_t>(RecordTextLength(line) + 1);
    measured.count = recordIndex + 1;
  }
  return true;
}

RecordBodiesOutcome WriteRecordBodies(QuestionReader& reader,
                                      std::FILE* database,
                                      const RecordSizes& measured) {
  QuestionLine line;
  int recordIndex = 0;
  for (; ReadQuestionLine(reader, line); ++recordIndex) {
    const std::uint64_t textLength = RecordTextLength(line);
    if (recordIndex == measured.count || line.fault != kNoTextFault ||
        textLength > kMaxStoredLineBytes ||
        textLength + 1 != measured.sizes[recordIndex]) {
      return kQuestionFileChanged;
    }
    WriteRecordBody(database, line.bytes, static_cast<std::size_t>(textLength));
    if (std::ferror(database)) return kDatabaseWriteFailed;
  }
  return recordIndex == measured.count ? kRecordBodiesWritten
                                       : kQuestionFileChanged;
}
