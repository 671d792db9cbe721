#include "conversion/repeated_questions.h"

#include <string>
#include <unordered_map>


namespace {

// |byte| of code page 1252 in lower case.
unsigned char Lowered(unsigned char byte) {
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
    return static_cast<unsigned char>(byte + 0x20);
  }
  switch (byte) {
    case 0x8A: case 0x8C: case 0x8E: return static_cast<unsigned char>(byte + 0x10);
    case 0x9F: return 0xFF;
    default: return byte;
  }
}

// The record's text as two questions are compared: without the spaces and
// tabs around it, in lower case.
std::string Compared(const char* text, std::uint32_t size) {
  std::size_t first = 0, end = size - 1;
  while (first < end && (text[first] == ' ' || text[first] == '\t')) ++first;
  while (end > first && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  std::string compared;
  for (std::size_t i = first; i < end; ++i) {
    compared += static_cast<char>(Lowered(static_cast<unsigned char>(text[i])));
  }
  return compared;
}

}  // namespace

void ReportRepeatedQuestions(const char* const* texts, const std::uint32_t* sizes, int count,
                             const RecordOrigin& origin, Report& report) {
  const bool inTable = origin.tableRows != nullptr;
  std::unordered_map<std::string, int> firstAsked;  // compared text: record index
  int repeats = 0;
  for (int index = 0; index < count; index += 2) {
    const std::string question = Compared(texts[index], sizes[index]);
    if (question.empty()) continue;
    const auto asked = firstAsked.emplace(question, index);
    if (asked.second) continue;
    if (++repeats > kLinesNamedPerWarning) continue;
    const int first = asked.first->second;
    const auto answer = [&](int question) {
      return question + 1 < count ? Compared(texts[question + 1], sizes[question + 1])
                                  : std::string();
    };
    ReportEntry entry = MakeEntry(kWarnRepeatedQuestion);
    entry.numbers = {LineOrRowOfRecord(origin, first), LineOrRowOfRecord(origin, index)};
    entry.number = 2;
    entry.inTable = inTable;
    entry.detail = answer(first) == answer(index) ? 0 : 1;
    report.push_back(entry);
  }
  if (repeats > kLinesNamedPerWarning) {
    ReportEntry entry = MakeEntry(kWarnMoreRepeatedQuestions);
    entry.number = static_cast<std::uint64_t>(repeats - kLinesNamedPerWarning);
    report.push_back(entry);
  }
}
