#include "conversion/conversion_passes.h"

#include <charconv>

#include "console/run_message.h"
#include "conversion/line_rules.h"
#include "conversion/question_hints.h"
#include "database/database_writer.h"

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

void PrintTextFault(const HandheldText& text, TextEncoding encoding, const RecordOrigin& origin,
                    int recordNumber) {
  const TextFault fault = text.fault;
  if (fault == kUnclosedQuote) {
    PrintRunMessage("Quotation mark not closed at record : %i \n", recordNumber);
    HintUnclosedQuote(PlaceInTable(origin.faultRow, origin.faultColumn));
    return;
  }
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
  std::string place;
  if (recordNumber == 0) {
    place = origin.tableRows ? "the file name, which makes the database name," : "line 1";
  } else if (origin.tableRows && text.fault == kInvalidText) {
    place = PlaceInTable(origin.faultRow, origin.faultColumn);
  } else {
    place = PlaceOfRecord(origin, recordNumber - 1);
  }
  HintTextFault(text, encoding, place);
  if (fault == kUnmappableCharacter && origin.laterUnshowable) {
    HintLaterUnshowable(*origin.laterUnshowable, origin.tableRows != nullptr);
  }
}

bool MeasureRecordLines(QuestionReader& reader, const HandheldText& text, TextEncoding encoding,
                        const RecordOrigin& origin, RecordTexts& records,
                        RecordWarnings& warnings) {
  QuestionLine line;
  records.count = 0;
  for (int index = 0; ReadQuestionLine(reader, line); ++index) {
    PrintRecordIndex(index);
    records.stoppedAt = line;
    if (index >= kMaxRecordCount) {
      PrintRunMessage("Too many records: at most %i\n", kMaxRecordCount);
      int lineCount = index + 1;
      while (ReadQuestionLine(reader, line)) ++lineCount;
      HintTooManyRecords(lineCount, origin);
      return false;
    }
    if (line.fault != kNoTextFault) {
      PrintTextFault(text, encoding, origin, index + 1);
      return false;
    }
    if (IsRecordLineTooLong(line)) {
      PrintRunMessage("Line data too long at record : %i \n", index + 1);
      HintLineTooLong(line, origin, index);
      return false;
    }
    NoteRecordLine(line, index, warnings);
    records.texts[index] = line.text;
    records.sizes[index] = static_cast<std::uint32_t>(line.length + 1);
    records.count = index + 1;
  }
  return true;
}

bool WriteRecordBodies(std::FILE* database, const RecordTexts& records) {
  for (int k = 0; k < records.count; ++k) {
    WriteRecordBody(database, records.texts[k], records.sizes[k] - 1);
  }
  return !std::ferror(database);
}
