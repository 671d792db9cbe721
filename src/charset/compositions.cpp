#include "charset/compositions.h"

#include <algorithm>
#include <iterator>

#include "charset/compositions.inc"

std::uint32_t BaseLetter(std::uint32_t character) {
  for (bool found = true; found;) {
    found = false;
    for (const auto& entry : kCompositions) {
      if (entry.composed == character) {
        character = entry.base;
        found = true;
        break;
      }
    }
  }
  return character;
}

bool ComposeCharacters(std::uint32_t base, std::uint32_t mark, std::uint32_t& composed) {
  const auto key = [](std::uint32_t b, std::uint32_t m) { return b << 16 | m; };
  const auto* found = std::lower_bound(
      std::begin(kCompositions), std::end(kCompositions), key(base, mark),
      [&](const auto& entry, std::uint32_t wanted) { return key(entry.base, entry.mark) < wanted; });
  if (found == std::end(kCompositions) || found->base != base || found->mark != mark) return false;
  composed = found->composed;
  return true;
}
