#include <string>

#include "console/kind_names.h"
#include "console/report_text.h"
#include "limits/quiz_limits.h"

namespace {

std::string AtRecord(const char* message, std::uint64_t record) {
  return FormattedText("%s at record : %i \n", message, static_cast<int>(record));
}

const char* EncodingName(const ReportEntry& entry) {
  return TextEncodingName(static_cast<TextEncoding>(entry.detail));
}

}  // namespace

std::string MessageText(const ReportEntry& entry) {
  const int number = static_cast<int>(entry.number);
  switch (entry.kind) {
    case kEchoLine:
    case kProgressNumbers:
      break;
    case kQuestionsConverted:
      return FormattedText("Questions converted: %i\n", number);
    case kQuestionsWritten:
      return FormattedText("Questions written: %i\n", number);
    case kCouldNotOpenInput:
      return "Could not open input file\n";
    case kInputTooLarge:
      return "Input file too large: more than " + std::to_string(entry.limit) + " bytes\n";
    case kCouldNotReadInput:
      return "Could not read input file\n";
    case kCouldNotOpenOutput:
      return "Could not open output file\n";
    case kInputIsOutput:
      return "Input and output file are the same\n";
    case kCouldNotWriteOutput:
      return "Could not write output file\n";
    case kNotPlainText: {
      const DocumentKind kind = static_cast<DocumentKind>(entry.detail);
      return FormattedText("Not plain text but %s: save it as %s\n", DocumentKindName(kind),
                           IsSpreadsheet(kind) ? "CSV" : "plain text");
    }
    case kUnclosedQuoteAtRecord:
      return AtRecord("Quotation mark not closed", entry.number);
    case kUnshowableInName:
      return "Character the handheld cannot show in the database name\n";
    case kUnshowableAtRecord:
      return AtRecord("Character the handheld cannot show", entry.number);
    case kInvalidTextInName:
      return FormattedText("Text is not valid %s in the database name\n", EncodingName(entry));
    case kInvalidTextAtRecord:
      return AtRecord(("Text is not valid " + std::string(EncodingName(entry))).c_str(),
                      entry.number);
    case kEncodingNotCertain:
      return "Text encoding not certain\n";
    case kEncodingsMixed:
      return "Text encoding mixed\n";
    case kDatabaseNameInvalid:
      return "Database name invalid\n";
    case kTooManyRecords:
      return FormattedText("Too many records: at most %i\n", static_cast<int>(entry.limit));
    case kLineTooLongAtRecord:
      return AtRecord("Line data too long", entry.number);
    case kNotADatabaseTooShort:
      return "Not a database: too short for a database header\n";
    case kNotADatabaseNameWithoutEnd:
      return "Not a database: its name field has no end\n";
    case kOtherApplicationDatabase:
      return "Database of another application: type " + entry.text + ", creator " +
             entry.otherText + "\n";
    case kListRunsPastTheEnd:
      return "Record list runs past the end of the file\n";
    case kOffsetIntoHeaderOrList:
      return AtRecord("Record offset points into the header or record list", entry.number);
    case kOffsetPastTheEnd:
      return AtRecord("Record offset points past the end of the file", entry.number);
    case kOffsetBeforeThePrevious:
      return AtRecord("Record offset points before the previous record", entry.number);
    case kBodyShorterThanItsPrefix:
      return AtRecord("Record shorter than its 16-byte prefix", entry.number);
    case kTextWithoutEnd:
      return AtRecord("Record text without end", entry.number);
    case kRecordHoldsLineFeed:
      return AtRecord("Record holds a line feed", entry.number);
    case kRecordHoldsEndOfFile:
      return AtRecord("Record holds the end-of-file byte 0x1A", entry.number);
    case kQuestionFileExists:
      return "Question file already exists\n";
    case kTextNotWritable:
      return "Text not writable as a question file\n";
    default:
      break;
  }
  return "";
}
