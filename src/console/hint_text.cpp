#include <cstring>
#include <string>

#include "charset/code_pages.h"
#include "console/character_names.h"
#include "console/kind_names.h"
#include "console/report_text.h"
#include "limits/quiz_limits.h"

namespace {

const char* SubjectText(int subject) {
  switch (static_cast<NameSubject>(subject)) {
    case kNameLine:
      return "line 1, the database name,";
    case kNameFromFileName:
      return "the database name, made from the file name,";
    case kNameOfDatabase:
      break;
  }
  return "the database's name";
}

// A control character as a teacher would name it.
std::string ControlCharacterName(std::uint32_t byte) {
  if (byte == '\t') return "a tab";
  if (byte == '\r') return "a carriage return (CR)";
  return FormattedText("the control character 0x%02X", static_cast<unsigned>(byte));
}

std::string LaterUnshowableText(const ReportEntry& entry) {
  std::string list;
  for (const PlacedCharacter& placed : entry.characters) {
    if (!list.empty()) list += "; ";
    list += entry.inTable ? CellText(placed.lineOrRow, placed.column)
                          : "line " + std::to_string(placed.lineOrRow) + ", column " +
                                std::to_string(placed.column);
    list += ": " + CharacterInWords(placed.character);
  }
  const std::uint64_t more = entry.number - entry.characters.size();
  if (more > 0) list += "; and " + std::to_string(more) + " more";
  return FormattedText("the handheld cannot show %s either: %s",
                       entry.number == 1 ? "this character" : "these characters", list.c_str());
}

// "\"Günaydýn\" in Western (Windows-1252), \"Günaydın\" in Turkish ...".
std::string EncodingCandidatesText(const ReportEntry& entry) {
  std::string readings, names;
  for (std::size_t k = 0; k < entry.numbers.size(); ++k) {
    const TextEncoding encoding = static_cast<TextEncoding>(entry.numbers[k]);
    const char* separator = k == 0 ? "" : k + 1 == entry.numbers.size() ? " or " : ", ";
    readings += separator;
    readings += "\"" + CodePageTextInUtf8(encoding, entry.text) + "\" in " +
                CodePageDescription(encoding);
    names += separator;
    names += EncodingOptionName(encoding);
  }
  return FormattedText("the file is not UTF-8, and its words read as more than one code page: "
                       "%s; name the one it was saved in with --encoding %s, or save it as "
                       "UTF-8 from your editor",
                       readings.c_str(), names.c_str());
}

}  // namespace

std::string HintText(const ReportEntry& entry) {
  const char* text = entry.text.c_str();
  const std::string place = PlaceText(entry.place);
  const int number = static_cast<int>(entry.number);
  const int limit = static_cast<int>(entry.limit);
  const int textLimit = static_cast<int>(kMaxRecordTextLength);
  switch (entry.kind) {
    case kHintSystemError:
      return FormattedText("\"%s\": %s", text, std::strerror(number));
    case kHintLinkRefused:
      return FormattedText(
          "\"%s\" is a symbolic link that another user made in a folder that every user may "
          "write to: it is not followed, as the system follows no such link; remove it, or "
          "write in a folder of your own",
          text);
    case kHintBesideADevice:
      return FormattedText(
          "\"%s\" would be written among the system's devices and processes, where no file "
          "belongs: name the file to write with -o FILE",
          text);
    case kHintUnshowable:
      return FormattedText("%s holds %s, a character the handheld cannot show: replace it",
                           place.c_str(), CharacterInWords(entry.character).c_str());
    case kHintInvalidText: {
      const TextEncoding named = static_cast<TextEncoding>(entry.detail);
      const char* encoding = TextEncodingName(named);
      if (IsSingleByteEncoding(named)) {
        return FormattedText("%s holds a byte that %s leaves undefined, at byte offset %i of "
                             "the file: the file was not saved in %s; name the encoding it "
                             "was saved in with --encoding, or save it as UTF-8 from your "
                             "editor",
                             place.c_str(), encoding, number, encoding);
      }
      return FormattedText("%s is not valid %s at byte offset %i of the file: save the file "
                           "again as %s from your editor",
                           place.c_str(), encoding, number, encoding);
    }
    case kHintLaterUnshowable:
      return LaterUnshowableText(entry);
    case kHintUnclosedQuote:
      return FormattedText(
          "%s starts with a quotation mark (\") that is not closed before the end of the "
          "file: add the closing one, or write it twice (\"\") to keep it as a character",
          place.c_str());
    case kHintNoText:
      return "the file holds no text: write the quiz's name on line 1, then a question line "
             "and an answer line for each question";
    case kHintNameLineEmpty:
      return "line 1, the database name, is empty: the quiz's name goes there, with no blank "
             "line before it";
    case kHintNameEmpty:
      return FormattedText("%s is empty: a name holds at least one character",
                           SubjectText(entry.detail));
    case kHintNameControlCharacter:
      return FormattedText("%s holds %s at character %i: a name holds no control character",
                           SubjectText(entry.detail),
                           ControlCharacterName(entry.character).c_str(), number);
    case kHintNameTooLong:
      return FormattedText("%s is %i characters long: a name holds at most %i",
                           SubjectText(entry.detail), number, limit);
    case kHintTabSeparatedText:
      return "every line holds a tab, as a spreadsheet saved as \"Text (Tab delimited)\" does: "
             "rename the file to end in .tsv, or save the spreadsheet as CSV, and convert that "
             "file";
    case kHintCellTooLong:
      return FormattedText("%s is %i characters long: a cell holds at most %i", place.c_str(),
                           number, limit);
    case kHintLineTooLong:
      return FormattedText("%s is %i characters long: a line holds at most %i (only the last "
                           "line, without a line end, up to %i)",
                           place.c_str(), number, limit, textLimit);
    case kHintLastLineTooLong:
      return FormattedText(
          "%s is %i characters long: even without a line end a line holds at most %i",
          place.c_str(), number, limit);
    case kHintTooManyRows:
      return FormattedText("the table holds %i rows of questions, a database at most %i: "
                           "split the file into several",
                           number, limit);
    case kHintTooManyLines:
      return FormattedText("the file holds %i question and answer lines, a database at most "
                           "%i (%i questions): split the file into several",
                           number, limit, limit / 2);
    case kHintDatabaseGiven:
      return FormattedText("\"%s\" is a database, not a question file: qdtext turns a "
                           "database back into its question file",
                           text);
    case kHintOutputIsInput:
      return FormattedText("\"%s\", where the database goes, leads to the question file "
                           "itself: rename one of them",
                           text);
    case kHintNotPlainText:
      return "open it in the program that made it, save it as plain text (\"Save as\", type "
             "\"Text\" or \"Plain text (*.txt)\"), and convert the text file";
    case kHintSpreadsheet:
      return "open it in the spreadsheet program, save it as \"CSV UTF-8 (Comma delimited) "
             "(*.csv)\" or \"CSV\" (not as \"Text\", which gives tab-separated lines), and "
             "convert the .csv file";
    case kHintTooLarge:
      return FormattedText("\"%s\" is larger than any question file that converts (%i lines "
                           "of at most %i characters): is it the right file?",
                           text, kMaxRecordCount + 1, textLimit);
    case kHintNotADatabase:
      return FormattedText("\"%s\" is not a database: qdtext reads a database (.pdb) that "
                           "qdconv wrote, and qdconv converts a question file",
                           text);
    case kHintOtherApplication:
      return FormattedText("\"%s\" belongs to another application: only the tutor "
                           "application's databases hold questions",
                           text);
    case kHintDatabaseDamaged:
      return "the database is damaged: copy it again from the handheld, or convert its "
             "question file again";
    case kHintTooManyDatabaseRecords:
      return FormattedText("the database holds %i records, a question file converts into at "
                           "most %i",
                           number, limit);
    case kHintNameStartsAsDocument:
      return FormattedText("the database's name starts as %s does, and qdconv refuses a "
                           "question file that starts so",
                           DocumentKindName(static_cast<DocumentKind>(entry.detail)));
    case kHintQuestionFileKept:
      return FormattedText("\"%s\" is kept as it is: move or rename it, then run qdtext again",
                           text);
    case kHintRecordTooLongForLine:
      return FormattedText("record %i is %s characters long: a line of a question file holds "
                           "at most %i",
                           entry.place.line, std::to_string(entry.number).c_str(), limit);
    case kHintNoLineHoldsRecord:
      return "no line of a question file holds this record: qdconv did not write this "
             "database";
    case kHintOnlyAnsiHoldsBytes:
      return "the database holds bytes 0x8E or 0x9E, which only an ANSI text holds, and its "
             "other text would be read as UTF-8 or in another code page: qdconv did not write "
             "this database";
    case kHintAlphabetUnshowable: {
      const std::string places = entry.inTable
                                     ? NumberedPlaces("row", "rows", entry.numbers, entry.number)
                                     : NumberedPlaces("line", "lines", entry.numbers, entry.number);
      return FormattedText("the handheld has no %s letters: %s hold%s them; write the quiz in "
                           "Latin letters (saving the file in another way cannot help)",
                           entry.detail == kGreekAlphabet ? "Greek" : "Cyrillic", places.c_str(),
                           entry.number == 1 ? "s" : "");
    }
    case kHintEncodingCandidates:
      return EncodingCandidatesText(entry);
    case kHintEncodingMixed:
      return FormattedText("line %i is UTF-8, but line %i is not: the file holds text in two "
                           "encodings (an ANSI file with UTF-8 lines added?); save the whole "
                           "file again in one encoding, UTF-8, from your editor",
                           number, entry.place.line);
    default:
      break;
  }
  return "";
}
