#include "table/html_text.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <cstdlib>
#include <cstring>

#include "charset/code_page_1252.h"

namespace {

// From '&' to ';': "&CounterClockwiseContourIntegral;", the longest name.
const std::size_t kLongestReference = 33;

struct NamedReference {
  const char* name;
  std::uint32_t characters[2];  // the second 0 when there is one
};

const NamedReference kNamedReferences[] = {
#include "table/html_references.inc"
};

// The characters |name| (between '&' and ';') refers to: 0, 1 or 2 of them.
int ReferencedCharacters(const std::string& name, std::uint32_t characters[2]) {
  const auto end = std::end(kNamedReferences);
  const auto found = std::lower_bound(
      std::begin(kNamedReferences), end, name,
      [](const NamedReference& entry, const std::string& wanted) {
        return std::strcmp(entry.name, wanted.c_str()) < 0;
      });
  if (found != end && name == found->name) {
    characters[0] = found->characters[0];
    characters[1] = found->characters[1];
    return characters[1] != 0 ? 2 : 1;
  }
  if (name.size() < 2 || name[0] != '#') return 0;
  const bool hex = name[1] == 'x' || name[1] == 'X';
  const std::string digits = name.substr(hex ? 2 : 1);
  if (digits.empty()) return 0;
  for (char c : digits) {
    if (!(hex ? std::isxdigit(static_cast<unsigned char>(c))
              : std::isdigit(static_cast<unsigned char>(c)))) {
      return 0;
    }
  }
  const unsigned long value = std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10);
  if (value == 0 || value > 0x10FFFF) return 0;
  characters[0] = static_cast<std::uint32_t>(value);
  return 1;
}

bool IsSpacingTag(const std::string& tag) {
  std::size_t i = tag[0] == '/' ? 1 : 0;
  std::string name;
  while (i < tag.size() && std::isalpha(static_cast<unsigned char>(tag[i]))) {
    name += static_cast<char>(std::tolower(static_cast<unsigned char>(tag[i++])));
  }
  return name == "br" || name == "div" || name == "p" || name == "li";
}

}  // namespace

void MakePlainText(TableCell& cell) {
  const std::string& text = cell.text;
  std::string plain;
  std::vector<std::uint32_t> unmapped;
  std::size_t mark = 0;  // the next of cell.unmapped
  // A tag that parts words was passed: one space before the next text, if
  // text came before it and did not end in a space.
  bool partWords = false;
  const auto add = [&](char c) {
    if (partWords && !plain.empty() && plain.back() != ' ' && c != ' ') plain += ' ';
    partWords = false;
    plain += c;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '<') {
      const std::size_t end = text.find('>', i);
      if (end != std::string::npos) {
        const std::string tag = text.substr(i + 1, end - i - 1);
        if (!tag.empty() && IsSpacingTag(tag)) partWords = true;
        for (char inside : tag) mark += static_cast<unsigned char>(inside) == kUnmappedMark;
        i = end;
        continue;
      }
    } else if (c == '&') {
      const std::size_t end = text.find(';', i);
      if (end != std::string::npos && end - i <= kLongestReference) {
        std::uint32_t characters[2] = {};
        const int count = ReferencedCharacters(text.substr(i + 1, end - i - 1), characters);
        for (int k = 0; k < count; ++k) {
          const std::uint32_t character = characters[k];
          unsigned char byte = 0;
          if (character < 0x20 || character == 0x7F) {
            add(' ');
          } else if (HandheldByteOfCharacter(character, byte)) {
            add(static_cast<char>(byte));
          } else {
            add(static_cast<char>(kUnmappedMark));
            unmapped.push_back(character);
          }
        }
        if (count > 0) {
          i = end;
          continue;
        }
      }
    } else if (static_cast<unsigned char>(c) == kUnmappedMark) {
      unmapped.push_back(mark < cell.unmapped.size() ? cell.unmapped[mark] : 0);
      ++mark;
    }
    add(c);
  }
  cell.text = plain;
  cell.unmapped = unmapped;
}
