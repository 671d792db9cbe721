#include "charset/utf16.h"

#include <cstdint>

#include "charset/utf8.h"

std::u16string Utf16OfUtf8(const char* utf8, std::size_t length) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(utf8);
  std::u16string text;
  text.reserve(length);
  for (std::size_t i = 0; i < length;) {
    std::uint32_t character = 0;
    const int taken = DecodeUtf8Character(bytes + i, length - i, character);
    if (taken <= 0) {
      text += u'\uFFFD';
      ++i;
      continue;
    }
    if (character > 0xFFFF) {
      character -= 0x10000;
      text += static_cast<char16_t>(0xD800 + (character >> 10));
      text += static_cast<char16_t>(0xDC00 + (character & 0x3FF));
    } else {
      text += static_cast<char16_t>(character);
    }
    i += static_cast<std::size_t>(taken);
  }
  return text;
}
