#include "conversion/repeated_questions.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// |byte| of code page 1252 in lower case.
constexpr unsigned char LowerCaseOf(unsigned char byte) {
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
    return static_cast<unsigned char>(byte + 0x20);
  }
  switch (byte) {
    case 0x8A: case 0x8C: case 0x8E: return static_cast<unsigned char>(byte + 0x10);
    case 0x9F: return 0xFF;
    default: return byte;
  }
}

// LowerCaseOf for every byte, looked up rather than worked out: every letter
// of every question goes through it.
struct LowerCaseTable {
  unsigned char of[256];
};

constexpr LowerCaseTable MakeLowerCaseTable() {
  LowerCaseTable table = {};
  for (int byte = 0; byte < 256; ++byte) {
    table.of[byte] = LowerCaseOf(static_cast<unsigned char>(byte));
  }
  return table;
}

constexpr LowerCaseTable kLowerCase = MakeLowerCaseTable();

unsigned char Lowered(unsigned char byte) { return kLowerCase.of[byte]; }

// A record's text as two questions are compared: without the spaces and
// tabs around it, each letter in lower case.
struct ComparedText {
  const unsigned char* text;
  std::size_t length;
};

ComparedText Compared(const char* text, std::uint32_t size) {
  std::size_t first = 0, end = size - 1;
  while (first < end && (text[first] == ' ' || text[first] == '\t')) ++first;
  while (end > first && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  return {reinterpret_cast<const unsigned char*>(text) + first, end - first};
}

bool AreSame(const ComparedText& one, const ComparedText& other) {
  if (one.length != other.length) return false;
  // A question asked again is most often typed the same.
  if (one.length == 0 || std::memcmp(one.text, other.text, one.length) == 0) return true;
  for (std::size_t i = 0; i < one.length; ++i) {
    if (Lowered(one.text[i]) != Lowered(other.text[i])) return false;
  }
  return true;
}

// FNV-1a over the length and the lowered letters of both ends (at most
// 2 * kHashedEnd of them): enough to tell questions apart, and the table
// compares whole texts anyway.
const std::size_t kHashedEnd = 24;

std::uint32_t HashOf(const ComparedText& compared) {
  std::uint32_t hash = (2166136261u ^ static_cast<std::uint32_t>(compared.length)) * 16777619u;
  const std::size_t length = compared.length;
  const std::size_t head = length < 2 * kHashedEnd ? length : kHashedEnd;
  for (std::size_t i = 0; i < head; ++i) hash = (hash ^ Lowered(compared.text[i])) * 16777619u;
  for (std::size_t i = length - (length - head < kHashedEnd ? length - head : kHashedEnd);
       i < length; ++i) {
    hash = (hash ^ Lowered(compared.text[i])) * 16777619u;
  }
  // FNV's low bits hold only the letters' low bits: mixed with the high
  // ones, since the table takes its slot from the low bits.
  hash ^= hash >> 16;
  hash *= 0x7FEB352Du;
  return hash ^ (hash >> 15);
}

// The questions asked so far, by their record index, in a table of at
// least a third more slots than questions (open addressing): no text is
// copied, and a record index (below kMaxRecordCount) fits in 16 bits.
struct AskedQuestions {
  std::vector<std::uint16_t> slots;  // record index + 1; 0 for a free slot
  std::size_t mask;
};

static_assert(kMaxRecordCount < 65535, "a record index and one more fit in 16 bits");

void StartAskedQuestions(int questions, AskedQuestions& asked) {
  std::size_t size = 16;
  while (3 * size < 4 * static_cast<std::size_t>(questions)) size *= 2;
  asked.slots.assign(size, 0);
  asked.mask = size - 1;
}

// The record index of the question asked first that |question|, record
// |index|, repeats; or |index| itself, now noted, when it is asked for the
// first time.
int FirstAsked(const char* const* texts, const std::uint32_t* sizes, int index,
               const ComparedText& question, AskedQuestions& asked) {
  for (std::size_t slot = HashOf(question) & asked.mask;; slot = (slot + 1) & asked.mask) {
    const int held = asked.slots[slot] - 1;
    if (held < 0) {
      asked.slots[slot] = static_cast<std::uint16_t>(index + 1);
      return index;
    }
    if (AreSame(Compared(texts[held], sizes[held]), question)) return held;
  }
}

}  // namespace

void ReportRepeatedQuestions(const char* const* texts, const std::uint32_t* sizes, int count,
                             const RecordOrigin& origin, Report& report) {
  const bool inTable = origin.tableRows != nullptr;
  AskedQuestions asked;
  StartAskedQuestions((count + 1) / 2, asked);
  int repeats = 0;
  for (int index = 0; index < count; index += 2) {
    const ComparedText question = Compared(texts[index], sizes[index]);
    if (question.length == 0) continue;
    const int first = FirstAsked(texts, sizes, index, question, asked);
    if (first == index) continue;
    if (++repeats > kLinesNamedPerWarning) continue;
    const auto answer = [&](int question) {
      return question + 1 < count ? Compared(texts[question + 1], sizes[question + 1])
                                  : ComparedText{nullptr, 0};
    };
    ReportEntry entry = MakeEntry(kWarnRepeatedQuestion);
    entry.numbers = {LineOrRowOfRecord(origin, first), LineOrRowOfRecord(origin, index)};
    entry.number = 2;
    entry.inTable = inTable;
    entry.detail = AreSame(answer(first), answer(index)) ? 0 : 1;
    report.push_back(entry);
  }
  if (repeats > kLinesNamedPerWarning) {
    ReportEntry entry = MakeEntry(kWarnMoreRepeatedQuestions);
    entry.number = static_cast<std::uint64_t>(repeats - kLinesNamedPerWarning);
    report.push_back(entry);
  }
}
