#include "console/console_text.h"

#include <cstdint>

#include "charset/utf8.h"

std::string VisibleControlCharacters(const std::string& text) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text.data());
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::uint32_t c = bytes[i];
    std::size_t length = 1;
    if (c >= 0x80) {
      const int decoded = DecodeUtf8Character(bytes + i, text.size() - i, c);
      if (decoded > 0) {
        length = static_cast<std::size_t>(decoded);
      } else {
        c = bytes[i];  // a lone byte: a terminal may take 0x80 to 0x9F for C1
      }
    }
    if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
      if (c >= 0x80) shown += "M-";
      shown += '^';
      shown += c == 0x7F ? '?' : static_cast<char>((c & 0x1F) + 0x40);
    } else {
      shown.append(text, i, length);
    }
    i += length;
  }
  return shown;
}

#ifdef _WIN32

#include <io.h>
#include <windows.h>

#include "charset/utf16.h"

namespace {

HANDLE ConsoleHandle(std::FILE* stream, DWORD& mode) {
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) return nullptr;
  return handle;
}

}  // namespace

bool IsWindowsConsole(std::FILE* stream) {
  DWORD mode = 0;
  return ConsoleHandle(stream, mode) != nullptr;
}

void WriteConsoleText(std::FILE* stream, const std::string& utf8, const std::string* bytes) {
  DWORD mode = 0;
  const HANDLE console = ConsoleHandle(stream, mode);
  if (!console) {
    const std::string& out = bytes ? *bytes : utf8;
    std::fwrite(out.data(), 1, out.size(), stream);
    return;
  }
  std::fflush(stream);
  const std::string shown = VisibleControlCharacters(utf8);
  const std::u16string text = Utf16OfUtf8(shown.data(), shown.size());
  const wchar_t* next = reinterpret_cast<const wchar_t*>(text.data());
  DWORD left = static_cast<DWORD>(text.size());
  while (left > 0) {
    DWORD written = 0;
    if (!WriteConsoleW(console, next, left, &written, nullptr) || written == 0) break;
    next += written;
    left -= written;
  }
}

#else

#include <unistd.h>

bool IsWindowsConsole(std::FILE* /*stream*/) { return false; }

namespace {

bool IsTerminal(std::FILE* stream) { return isatty(fileno(stream)) != 0; }

}  // namespace

void WriteConsoleText(std::FILE* stream, const std::string& utf8, const std::string* bytes) {
  if (IsTerminal(stream)) {
    const std::string shown = VisibleControlCharacters(utf8);
    std::fwrite(shown.data(), 1, shown.size(), stream);
    return;
  }
  const std::string& out = bytes ? *bytes : utf8;
  std::fwrite(out.data(), 1, out.size(), stream);
}

#endif
