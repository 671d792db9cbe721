// Warnings about characters a database holds that the teacher did not type
// as the handheld will show them (charset/handheld_decoder.h: CharacterNote):
// one the handheld lacks, stored in its handheld form, and a byte its fonts
// have no letter for. Each character is warned about once, naming the first
// lines (or table rows) that hold it and counting the rest.
#ifndef QDCONV_CONVERSION_CHARACTER_WARNINGS_H_
#define QDCONV_CONVERSION_CHARACTER_WARNINGS_H_

#include <cstddef>
#include <vector>

#include "charset/handheld_decoder.h"
#include "report/report.h"

// The line of each of |notes|, from 1, in |text|, the decoded text they are
// about.
std::vector<int> LinesOfCharacterNotes(const std::vector<CharacterNote>& notes,
                                       const unsigned char* text);

// The row of each of |notes|, from 1, where row r starts at
// |rowStarts|[r - 1] of the text.
std::vector<int> RowsOfCharacterNotes(const std::vector<CharacterNote>& notes,
                                      const std::vector<std::size_t>& rowStarts);

// The warnings for |notes|, found at |places| (lines, or rows when
// |inTable|).
void ReportCharacterWarnings(const std::vector<CharacterNote>& notes,
                             const std::vector<int>& places, bool inTable, Report& report);

#endif  // QDCONV_CONVERSION_CHARACTER_WARNINGS_H_
