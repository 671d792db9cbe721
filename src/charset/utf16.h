// UTF-8 text as UTF-16 code units, for the one place that needs them: a
// Windows console, written through its wide call (console/console_text.h).
#ifndef QDCONV_CHARSET_UTF16_H_
#define QDCONV_CHARSET_UTF16_H_

#include <cstddef>
#include <string>

// |utf8[0..length)| as UTF-16. Characters beyond U+FFFF become surrogate
// pairs; a byte that starts no valid UTF-8 sequence becomes U+FFFD, and the
// text goes on after it, so that nothing is lost silently.
std::u16string Utf16OfUtf8(const char* utf8, std::size_t length);

#endif  // QDCONV_CHARSET_UTF16_H_
