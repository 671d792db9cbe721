#include <cstdint>
#include <string>

#include "charset/code_page_1252.h"
#include "charset/handheld_forms.h"
#include "charset/utf8.h"
#include "console/kind_names.h"
#include "console/report_text.h"
#include "limits/quiz_limits.h"

namespace {

const char* SideOfPair(int side) { return side == 0 ? "question" : "answer"; }

// The byte a character without a letter on the handheld is, in its text.
unsigned char ByteOf(std::uint32_t character) {
  for (unsigned byte = 0x80; byte < 0xA0; ++byte) {
    if (CharacterOfHandheldByte(static_cast<unsigned char>(byte)) == character) {
      return static_cast<unsigned char>(byte);
    }
  }
  return 0;
}

std::string Places(const ReportEntry& entry) {
  return NumberedPlaces(entry.inTable ? "row" : "line", entry.inTable ? "rows" : "lines",
                        entry.numbers, entry.number);
}

std::string CharacterWarningText(const ReportEntry& entry) {
  const std::string places = Places(entry);
  const char* holds = entry.number > 1 ? "hold" : "holds";
  const std::uint32_t character = entry.character;
  if (const HandheldForm* form = HandheldFormOf(character)) {
    return FormattedText("%s %s a %s (U+%04X), which the handheld lacks: it is stored as %s",
                         places.c_str(), holds, form->name, static_cast<unsigned>(character),
                         StoredFormName(*form));
  }
  std::string meaning = "undefined in Windows' code page 1252";
  if (character >= 0xA0) {
    char utf8[5] = {};
    EncodeUtf8Character(character, utf8);
    meaning = "\"" + std::string(utf8) + "\" in Windows' code page 1252";
  }
  return FormattedText("%s %s byte 0x%02X (%s), for which the handheld's fonts have no "
                       "letter: it shows as nothing or as a wrong sign",
                       places.c_str(), holds, ByteOf(character), meaning.c_str());
}

}  // namespace

std::string WarningText(const ReportEntry& entry) {
  const std::string place = PlaceText(entry.place);
  const int number = static_cast<int>(entry.number);
  switch (entry.kind) {
    case kWarnReadAsMacRoman:
      return "the file's lines end in CR alone and it is not UTF-8: it was read as Mac OS "
             "Roman, the character set of the Mac programs that write such lines";
    case kWarnReadAsEncoding: {
      const TextEncoding encoding = static_cast<TextEncoding>(entry.detail);
      return FormattedText("the file is not UTF-8: from its words it was read as %s; if a "
                           "letter is wrong, name the encoding it was saved in with --encoding, "
                           "or save it as UTF-8 from your editor",
                           CodePageDescription(encoding));
    }
    case kWarnTableNameCut:
      return FormattedText(
          "the file name \"%s\" is longer than a database name (%i characters): the database "
          "is named \"%s\", and two files whose names differ only after that would replace "
          "each other on the handheld",
          entry.text.c_str(), static_cast<int>(entry.limit),
          entry.otherText.c_str());
    case kWarnHeadingsSkipped:
      return FormattedText("row %i (\"%s\", \"%s\") was taken as column headings: it is not a "
                           "question",
                           entry.place.line, entry.text.c_str(), entry.otherText.c_str());
    case kWarnRowsBeyondB:
      return FormattedText("%s hold%s text beyond column B: only columns A and B become "
                           "question and answer",
                           NumberedPlaces("row", "rows", entry.numbers, entry.number).c_str(),
                           entry.number == 1 ? "s" : "");
    case kWarnEmptyCell:
      return FormattedText(entry.place.column == 0
                               ? "%s is empty: the answer of that row has no question"
                               : "%s is empty: the question of that row has no answer",
                           place.c_str());
    case kWarnMoreEmptyCells:
      return FormattedText("%i more empty cells", number);
    case kWarnCellHoldsNul:
      return place + " holds a NUL byte: the text after it is not stored";
    case kWarnMoreCellsHoldNul:
      return FormattedText("%i more cells hold a NUL byte", number);
    case kWarnNoRows:
      return "no rows of questions: the database holds no question";
    case kWarnNameCutByNul:
      return "line 1 holds a NUL byte: the database name ends before it";
    case kWarnBlankLineAtEnd:
      return FormattedText("%s is blank: it becomes an empty %s at the end of the quiz (an "
                           "extra line end at the end of the file?)",
                           place.c_str(), SideOfPair(entry.detail));
    case kWarnBlankAnswer:
      return FormattedText("%s is blank: the question on line %i has an empty answer",
                           place.c_str(), number);
    case kWarnBlankLineShifts:
      return FormattedText("%s is blank: it becomes an empty %s, and every question and "
                           "answer after it moves by one line",
                           place.c_str(), SideOfPair(entry.detail));
    case kWarnMoreBlankLines:
      return FormattedText("%i more blank lines", number);
    case kWarnLineHoldsNul:
      return place + " holds a NUL byte: the text after it on that line is not stored";
    case kWarnMoreLinesHoldNul:
      return FormattedText("%i more lines hold a NUL byte", number);
    case kWarnNoQuestionLines:
      return "no question and answer lines after the name: the database holds no question";
    case kWarnOddLineCount:
      return FormattedText("an odd number of question and answer lines (%i): the last question "
                           "(line %i) has no answer",
                           number, entry.place.line);
    case kWarnRepeatedQuestion:
      return Places(entry) + " hold the same question" +
             (entry.detail ? ", with different answers" : "");
    case kWarnMoreRepeatedQuestions:
      return FormattedText("%i more repeated questions", number);
    case kWarnHandheldForm:
    case kWarnByteWithoutLetter:
      return CharacterWarningText(entry);
    case kWarnAnsiQuestionFile:
      return "the database holds a byte the handheld's fonts have no letter for (0x8E, "
             "\"\xC5\xBD\", or 0x9E, \"\xC5\xBE\"), which no UTF-8 text holds: the question "
             "file is written in Windows' code page 1252 (ANSI)";
    default:
      break;
  }
  return "";
}
