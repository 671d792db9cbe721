#include "charset/handheld_decoder.h"

#include <cstdint>
#include <cstring>

#include "charset/code_page_1252.h"
#include "charset/utf8.h"

namespace {

// As DecodeUtf8Character, for UTF-16 in the decoder's byte order.
int DecodeUtf16Character(const unsigned char* bytes, std::size_t available,
                         bool bigEndian, std::uint32_t& character) {
  const auto unitAt = [&](std::size_t at) -> std::uint32_t {
    return bigEndian ? bytes[at] << 8 | bytes[at + 1] : bytes[at + 1] << 8 | bytes[at];
  };
  if (available < 2) return kUtf8Incomplete;
  const std::uint32_t unit = unitAt(0);
  if (unit >= 0xDC00 && unit <= 0xDFFF) return kUtf8Invalid;
  if (unit < 0xD800 || unit > 0xDBFF) {
    character = unit;
    return 2;
  }
  if (available < 4) return kUtf8Incomplete;
  const std::uint32_t low = unitAt(2);
  if (low < 0xDC00 || low > 0xDFFF) return kUtf8Invalid;
  character = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
  return 4;
}

// Of the 8 bytes in |word|, how many lead it before the first one that is
// not plain ASCII (0x80 or above, or 0x1A): 0 to 8.
int PlainAsciiBytes(std::uint64_t word) {
  const std::uint64_t ones = 0x0101010101010101u, highs = 0x8080808080808080u;
  const std::uint64_t endOfFile = word ^ (ones * kEndOfFileByte);  // 0 where 0x1A was
  const std::uint64_t special = (word | ((endOfFile - ones) & ~endOfFile)) & highs;
  return CountPlainBytes(special);
}

// Decode what most UTF-8 text is made of, from |in| to |out|, while it
// lasts: ASCII other than 0x1A, 8 bytes at a time, and the two-byte forms of
// U+00C0 to U+00FF, which are their own bytes on the handheld. Stops before
// anything else, or where fewer than 8 bytes remain. Written to take as few
// unpredictable branches as it can: accented letters fall at random.
void DecodeCommonUtf8(const unsigned char* end, unsigned char*& in, unsigned char*& out) {
  unsigned char* from = in;
  unsigned char* to = out;
  while (end - from >= 8) {
    std::uint64_t word;
    std::memcpy(&word, from, sizeof word);
    const int plain = PlainAsciiBytes(word);
    if (from - to >= 8) {
      // What the whole word overwrites past the plain bytes was read already.
      std::memcpy(to, &word, sizeof word);
    } else {
      for (int i = 0; i < plain; ++i) to[i] = from[i];
    }
    from += plain;
    to += plain;
    if (plain == 8) continue;
    // |from| is at the first byte that is not plain ASCII, 8 bytes of the
    // block at most before its end.
    if (end - from < 2) break;
    const unsigned char lead = from[0], next = from[1];
    if (lead != 0xC3 || (next & 0xC0) != 0x80) break;
    *to++ = static_cast<unsigned char>(0xC0 | (next & 0x3F));
    from += 2;
  }
  in = from;
  out = to;
}

// Decode |block[0..length)| in place. Returns the number of decoded bytes
// and sets |consumed| to the number of input bytes they came from.
std::size_t DecodeInPlace(HandheldDecoder& decoder, unsigned char* block, std::size_t length,
                          bool atEnd, std::size_t& consumed) {
  const bool utf8 = decoder.encoding == kUtf8 || decoder.encoding == kUtf8WithByteOrderMark;
  const bool bigEndian = decoder.encoding == kUtf16BigEndian;
  const unsigned char* end = block + length;
  unsigned char* in = block;
  unsigned char* out = block;
  while (in < end) {
    if (utf8) {
      DecodeCommonUtf8(end, in, out);
      if (in == end) break;
    }
    const std::size_t left = static_cast<std::size_t>(end - in);
    std::uint32_t character;
    const int taken = utf8 ? DecodeUtf8Character(in, left, character)
                           : DecodeUtf16Character(in, left, bigEndian, character);
    if (taken == kUtf8Incomplete && !atEnd) break;
    unsigned char byte;
    if (taken <= 0) {
      decoder.fault = kInvalidText;
    } else if (!HandheldByteOfCharacter(character, byte)) {
      decoder.fault = kUnmappableCharacter;
    }
    if (decoder.fault != kNoTextFault) {
      decoder.finished = true;
      break;
    }
    *out++ = byte;
    in += taken;
    if (byte == kEndOfFileByte) {
      decoder.finished = true;
      break;
    }
  }
  consumed = static_cast<std::size_t>(in - block);
  return static_cast<std::size_t>(out - block);
}

}  // namespace

void StartHandheldDecoder(HandheldDecoder& decoder, TextEncoding encoding) {
  decoder.encoding = encoding;
  decoder.cutLength = 0;
  decoder.markPassed = ByteOrderMarkLength(encoding) == 0;
  decoder.finished = false;
  decoder.fault = kNoTextFault;
}

std::size_t ReadHandheldBytes(HandheldDecoder& decoder, std::FILE* file,
                              unsigned char* block, std::size_t capacity) {
  if (decoder.encoding == kBytesAsTheyAre) return std::fread(block, 1, capacity, file);
  while (!decoder.finished) {
    std::memcpy(block, decoder.cut, decoder.cutLength);
    const std::size_t got =
        std::fread(block + decoder.cutLength, 1, capacity - decoder.cutLength, file);
    std::size_t length = decoder.cutLength + got;
    const bool atEnd = got == 0;
    std::size_t start = 0;
    if (!decoder.markPassed) {
      const std::size_t markLength = ByteOrderMarkLength(decoder.encoding);
      if (length < markLength && !atEnd) {
        std::memcpy(decoder.cut, block, length);
        decoder.cutLength = length;
        continue;
      }
      start = length < markLength ? length : markLength;
      decoder.markPassed = true;
    }
    std::size_t consumed;
    const std::size_t decoded =
        DecodeInPlace(decoder, block + start, length - start, atEnd, consumed);
    if (start != 0) std::memmove(block, block + start, decoded);
    decoder.cutLength = 0;
    if (!decoder.finished) {
      decoder.cutLength = length - start - consumed;
      std::memcpy(decoder.cut, block + start + consumed, decoder.cutLength);
    }
    if (atEnd) decoder.finished = true;
    if (decoded > 0 || decoder.finished) return decoded;
  }
  return 0;
}
