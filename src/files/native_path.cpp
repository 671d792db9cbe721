#include "files/native_path.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include <cwchar>
#endif

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

// Paths from this length on need the "\\?\" prefix (CreateDirectory's limit
// is 248 characters, the other calls' 260).
const std::size_t kLongPathLength = 248;

std::wstring WideText(const char* utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  if (length <= 1) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &wide[0], length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}

}  // namespace

fs::path NativePath(const char* path) {
  const std::wstring wide = WideText(path);
  if (wide.rfind(L"\\\\?\\", 0) == 0) return fs::path(wide);
  std::error_code error;
  const fs::path absolute = fs::absolute(fs::path(wide), error).lexically_normal();
  if (error || absolute.native().size() < kLongPathLength) return fs::path(wide);
  std::wstring longPath = absolute.native();
  for (wchar_t& c : longPath) c = c == L'/' ? L'\\' : c;
  if (longPath.rfind(L"\\\\", 0) == 0) return fs::path(L"\\\\?\\UNC\\" + longPath.substr(2));
  return fs::path(L"\\\\?\\" + longPath);
}

std::string Utf8Path(const fs::path& path) { return path.u8string(); }

std::FILE* OpenFile(const char* path, const char* mode) {
  return _wfopen(NativePath(path).c_str(), WideText(mode).c_str());
}

std::string PathForConsole(const char* path) {
  const std::wstring wide = WideText(path);
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return std::string();
  std::string ansi(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &ansi[0], length, nullptr, nullptr);
  ansi.resize(static_cast<std::size_t>(length - 1));
  return ansi;
}

#else

fs::path NativePath(const char* path) { return fs::path(path); }

std::string Utf8Path(const fs::path& path) { return path.string(); }

std::FILE* OpenFile(const char* path, const char* mode) { return std::fopen(path, mode); }

std::string PathForConsole(const char* path) { return path; }

#endif
