#include "conversion/record_origin.h"

#include "conversion/line_rules.h"

std::string PlaceInTable(int row, int column) {
  std::string letters;
  for (int n = column + 1; n > 0; n = (n - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return "row " + std::to_string(row) + ", column " + letters;
}

int LineOrRowOfRecord(const RecordOrigin& origin, int index) {
  if (!origin.tableRows) return LineNumberOfRecord(index);
  const std::size_t pair = static_cast<std::size_t>(index / 2);
  return pair < origin.tableRows->size() ? (*origin.tableRows)[pair] : origin.faultRow;
}

std::string PlaceOfRecord(const RecordOrigin& origin, int index) {
  const int number = LineOrRowOfRecord(origin, index);
  return origin.tableRows ? PlaceInTable(number, index % 2) : "line " + std::to_string(number);
}

std::string NumberedPlaces(const char* one, const char* several, const std::vector<int>& numbers) {
  const std::size_t kNamed = kLinesNamedPerWarning;
  const std::size_t count = numbers.size();
  const std::size_t named = count < kNamed ? count : kNamed;
  std::string list = std::string(count == 1 ? one : several) + " ";
  for (std::size_t k = 0; k < named; ++k) {
    if (k > 0) list += k + 1 == named && count == named ? " and " : ", ";
    list += std::to_string(numbers[k]);
  }
  if (count > named) list += " and " + std::to_string(count - named) + " more";
  return list;
}
