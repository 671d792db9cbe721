// UTF-8, strictly: no overlong forms, no surrogates, nothing past U+10FFFF.
#ifndef QDCONV_CHARSET_UTF8_H_
#define QDCONV_CHARSET_UTF8_H_

#include <cstddef>
#include <cstdint>
#include <string>

const int kUtf8Incomplete = 0;
const int kUtf8Invalid = -1;

// Decode the character that starts |bytes| (|available| of them, at least
// one). Returns how many bytes it takes, kUtf8Incomplete when |available|
// ends inside a sequence that is valid so far, or kUtf8Invalid.
int DecodeUtf8Character(const unsigned char* bytes, std::size_t available,
                        std::uint32_t& character);

// Write |character| (at most U+10FFFF, no surrogate) to |out|, which has
// room for 4 bytes; returns how many bytes it took.
std::size_t EncodeUtf8Character(std::uint32_t character, char* out);

// |length| bytes of the handheld's character set in UTF-8.
std::string HandheldTextInUtf8(const char* text, std::size_t length);

#endif  // QDCONV_CHARSET_UTF8_H_
