#include "files/wtf8.h"

#include <cstdint>

namespace {

bool IsHighSurrogate(std::uint32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(std::uint32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

void AppendCodePoint(std::uint32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendUnits(std::uint32_t c, std::u16string& out) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
  } else {
    out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
    out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
  }
}

// The code point of the sequence at |bytes[at]|, and its length in |length|;
// 0 for none. Lone surrogates are taken.
std::uint32_t DecodeSequence(const std::string& bytes, std::size_t at, std::size_t& length) {
  const std::uint32_t lead = static_cast<unsigned char>(bytes[at]);
  std::uint32_t c = 0, least = 0;
  if (lead >= 0xC2 && lead < 0xE0) {
    length = 2, c = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead < 0xF0) {
    length = 3, c = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead < 0xF5) {
    length = 4, c = lead & 0x07, least = 0x10000;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const std::uint32_t next = static_cast<unsigned char>(bytes[at + k]);
    if ((next & 0xC0) != 0x80) return 0;
    c = (c << 6) | (next & 0x3F);
  }
  return c >= least && c <= 0x10FFFF ? c : 0;
}

}  // namespace

std::string Wtf8OfUtf16(const std::u16string& units) {
  std::string out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    std::uint32_t c = units[i];
    if (IsHighSurrogate(c) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
      ++i;
    }
    AppendCodePoint(c, out);
  }
  return out;
}

std::u16string Utf16OfWtf8(const std::string& wtf8) {
  std::u16string out;
  out.reserve(wtf8.size());
  for (std::size_t i = 0; i < wtf8.size();) {
    const unsigned char byte = static_cast<unsigned char>(wtf8[i]);
    if (byte < 0x80) {
      out += static_cast<char16_t>(byte);
      ++i;
      continue;
    }
    std::size_t length = 1;
    const std::uint32_t c = DecodeSequence(wtf8, i, length);
    if (c == 0) {
      out += u'\uFFFD';
      ++i;
      continue;
    }
    AppendUnits(c, out);
    i += length;
  }
  return out;
}
