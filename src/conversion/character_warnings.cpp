#include "conversion/character_warnings.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "charset/handheld_forms.h"

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

void ReportCharacterWarnings(const std::vector<CharacterNote>& notes,
                             const std::vector<int>& places, bool inTable, Report& report) {
  std::vector<std::uint32_t> warned;
  for (std::size_t k = 0; k < notes.size(); ++k) {
    const std::uint32_t character = notes[k].character;
    if (std::find(warned.begin(), warned.end(), character) != warned.end()) continue;
    warned.push_back(character);
    ReportEntry entry =
        MakeEntry(HandheldFormOf(character) ? kWarnHandheldForm : kWarnByteWithoutLetter);
    entry.character = character;
    entry.inTable = inTable;
    int last = 0;  // places are from 1
    for (std::size_t j = k; j < notes.size(); ++j) {
      if (notes[j].character != character || places[j] == last) continue;
      last = places[j];
      if (entry.numbers.size() < static_cast<std::size_t>(kLinesNamedPerWarning)) {
        entry.numbers.push_back(last);
      }
      ++entry.number;
    }
    report.push_back(entry);
  }
}
