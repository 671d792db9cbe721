#include "conversion/record_origin.h"

#include "conversion/line_rules.h"

int LineOrRowOfRecord(const RecordOrigin& origin, int index) {
  if (!origin.tableRows) return LineNumberOfRecord(index);
  const std::size_t pair = static_cast<std::size_t>(index / 2);
  return pair < origin.tableRows->size() ? (*origin.tableRows)[pair] : origin.faultRow;
}

Place PlaceOfRecord(const RecordOrigin& origin, int index) {
  const int number = LineOrRowOfRecord(origin, index);
  return origin.tableRows ? Place{kInCell, number, index % 2} : Place{kAtLine, number, 0};
}
