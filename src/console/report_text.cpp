#include "console/report_text.h"

#include <cstdarg>
#include <cstdio>

std::string FormattedText(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::va_list copy;
  va_copy(copy, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  std::vsnprintf(&text[0], text.size() + 1, format, arguments);
  va_end(arguments);
  return text;
}

std::string CellText(int row, int column) {
  std::string letters;
  for (int n = column + 1; n > 0; n = (n - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return "row " + std::to_string(row) + ", column " + letters;
}

std::string PlaceText(const Place& place) {
  switch (place.where) {
    case kAtLine:
      return "line " + std::to_string(place.line);
    case kInCell:
      return CellText(place.line, place.column);
    case kInFileName:
      return "the file name, which makes the database name,";
    case kNowhere:
      break;
  }
  return "";
}

std::string NumberedPlaces(const char* one, const char* several, const std::vector<int>& numbers,
                           std::uint64_t count) {
  const std::size_t named = numbers.size();
  std::string list = std::string(count == 1 ? one : several) + " ";
  for (std::size_t k = 0; k < named; ++k) {
    if (k > 0) list += k + 1 == named && count == named ? " and " : ", ";
    list += std::to_string(numbers[k]);
  }
  if (count > named) list += " and " + std::to_string(count - named) + " more";
  return list;
}

std::string ReportEntryText(const ReportEntry& entry) {
  if (IsStandardOutput(entry.kind)) return MessageText(entry);
  if (IsWarning(entry.kind)) return "Warning: " + WarningText(entry) + "\n";
  return "Hint: " + HintText(entry) + "\n";
}
