#include "console/character_names.h"

#include <cstdio>

#include "charset/utf8.h"

namespace {

const struct {
  std::uint32_t character;
  const char* name;
} kNames[] = {
    {0x034F, "combining grapheme joiner"},
    {0x061C, "Arabic letter mark"},
    {0x1680, "ogham space mark"},
    {0x180E, "Mongolian vowel separator"},
    {0x200E, "left-to-right mark"},
    {0x200F, "right-to-left mark"},
    {0x2028, "line separator"},
    {0x2029, "paragraph separator"},
    {0x202A, "left-to-right embedding"},
    {0x202B, "right-to-left embedding"},
    {0x202C, "pop directional formatting"},
    {0x202D, "left-to-right override"},
    {0x202E, "right-to-left override"},
    {0x2061, "function application"},
    {0x2062, "invisible times"},
    {0x2063, "invisible separator"},
    {0x2064, "invisible plus"},
    {0x2066, "left-to-right isolate"},
    {0x2067, "right-to-left isolate"},
    {0x2068, "first strong isolate"},
    {0x2069, "pop directional isolate"},
    {0x206A, "inhibit symmetric swapping"},
    {0x206B, "activate symmetric swapping"},
    {0x206C, "inhibit Arabic form shaping"},
    {0x206D, "activate Arabic form shaping"},
    {0x206E, "national digit shapes"},
    {0x206F, "nominal digit shapes"},
    {0x3000, "ideographic space"},
    {0x3164, "Hangul filler"},
    {0xFFA0, "halfwidth Hangul filler"},
    {0xFFF9, "interlinear annotation anchor"},
    {0xFFFA, "interlinear annotation separator"},
    {0xFFFB, "interlinear annotation terminator"},
    {0xFFFC, "object replacement character"},
};

const char* InvisibleCharacterName(std::uint32_t character) {
  if ((character >= 0xFE00 && character <= 0xFE0F) ||
      (character >= 0xE0100 && character <= 0xE01EF)) {
    return "variation selector";
  }
  if (character >= 0xE0000 && character <= 0xE007F) return "tag character";
  for (const auto& known : kNames) {
    if (known.character == character) return known.name;
  }
  return nullptr;
}

}  // namespace

std::string CharacterInWords(std::uint32_t character) {
  char codePoint[16];
  std::snprintf(codePoint, sizeof codePoint, " (U+%04X)", static_cast<unsigned>(character));
  if (const char* name = InvisibleCharacterName(character)) {
    return std::string("a ") + name + codePoint;
  }
  char utf8[5] = {};
  if (character <= 0x10FFFF && (character < 0xD800 || character > 0xDFFF)) {
    EncodeUtf8Character(character, utf8);
  }
  return "\"" + std::string(utf8) + "\"" + codePoint;
}
