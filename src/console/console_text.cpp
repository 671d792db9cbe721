#include "console/console_text.h"

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
  const std::u16string text = Utf16OfUtf8(utf8.data(), utf8.size());
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

bool IsWindowsConsole(std::FILE* /*stream*/) { return false; }

void WriteConsoleText(std::FILE* stream, const std::string& utf8, const std::string* bytes) {
  const std::string& out = bytes ? *bytes : utf8;
  std::fwrite(out.data(), 1, out.size(), stream);
}

#endif
