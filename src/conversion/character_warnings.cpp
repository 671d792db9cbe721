#include "conversion/character_warnings.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "charset/code_page_1252.h"
#include "charset/handheld_forms.h"
#include "charset/utf8.h"
#include "console/run_notes.h"
#include "conversion/record_origin.h"

namespace {

// The byte a character without a letter on the handheld is, in its text.
unsigned char ByteOf(std::uint32_t character) {
  for (unsigned byte = 0x80; byte < 0xA0; ++byte) {
    if (CharacterOfHandheldByte(static_cast<unsigned char>(byte)) == character) {
      return static_cast<unsigned char>(byte);
    }
  }
  return 0;
}

void WarnAbout(std::uint32_t character, const std::string& places, bool several) {
  const char* holds = several ? "hold" : "holds";
  if (const HandheldForm* form = HandheldFormOf(character)) {
    PrintWarning("%s %s a %s (U+%04X), which the handheld lacks: it is stored as %s",
                 places.c_str(), holds, form->name, static_cast<unsigned>(character),
                 StoredFormName(*form));
    return;
  }
  std::string meaning = "undefined in Windows' code page 1252";
  if (character >= 0xA0) {
    char utf8[5] = {};
    EncodeUtf8Character(character, utf8);
    meaning = "\"" + std::string(utf8) + "\" in Windows' code page 1252";
  }
  PrintWarning("%s %s byte 0x%02X (%s), for which the handheld's fonts have no letter: it "
               "shows as nothing or as a wrong sign",
               places.c_str(), holds, ByteOf(character), meaning.c_str());
}

}  // namespace

std::vector<int> LinesOfCharacterNotes(const std::vector<CharacterNote>& notes,
                                       const unsigned char* text) {
  std::vector<int> lines;
  int line = 1;
  std::size_t counted = 0;
  for (const CharacterNote& note : notes) {
    line += static_cast<int>(std::count(text + counted, text + note.textOffset, '\n'));
    counted = note.textOffset;
    lines.push_back(line);
  }
  return lines;
}

std::vector<int> RowsOfCharacterNotes(const std::vector<CharacterNote>& notes,
                                      const std::vector<std::size_t>& rowStarts) {
  std::vector<int> rows;
  for (const CharacterNote& note : notes) {
    const auto after = std::upper_bound(rowStarts.begin(), rowStarts.end(), note.textOffset);
    rows.push_back(std::max(1, static_cast<int>(after - rowStarts.begin())));
  }
  return rows;
}

void PrintCharacterWarnings(const std::vector<CharacterNote>& notes,
                            const std::vector<int>& places, bool inTable) {
  std::vector<std::uint32_t> warned;
  for (std::size_t k = 0; k < notes.size(); ++k) {
    const std::uint32_t character = notes[k].character;
    if (std::find(warned.begin(), warned.end(), character) != warned.end()) continue;
    warned.push_back(character);
    std::vector<int> numbers;
    for (std::size_t j = k; j < notes.size(); ++j) {
      if (notes[j].character != character) continue;
      if (numbers.empty() || numbers.back() != places[j]) numbers.push_back(places[j]);
    }
    WarnAbout(character,
              NumberedPlaces(inTable ? "row" : "line", inTable ? "rows" : "lines", numbers),
              numbers.size() > 1);
  }
}
