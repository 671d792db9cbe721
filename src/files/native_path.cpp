#include "files/native_path.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include "files/windows_path.h"
#include "files/wtf8.h"
#endif

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

std::wstring WideText(const char* wtf8) {
  const std::u16string units = Utf16OfWtf8(wtf8);
  return std::wstring(units.begin(), units.end());
}

std::u16string Units(const std::wstring& wide) { return std::u16string(wide.begin(), wide.end()); }

// The current folder, without a "\\?\" prefix of its own.
std::u16string CurrentFolder() {
  std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
  folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), &folder[0]));
  if (folder.rfind(L"\\\\?\\UNC\\", 0) == 0) return u"\\\\" + Units(folder.substr(8));
  if (folder.rfind(L"\\\\?\\", 0) == 0) return Units(folder.substr(4));
  return Units(folder);
}

}  // namespace

fs::path NativePath(const char* path) {
  const std::wstring wide = WideText(path);
  if (wide.empty() || wide.rfind(L"\\\\?\\", 0) == 0 || wide.rfind(L"\\\\.\\", 0) == 0) {
    return fs::path(wide);
  }
  const std::u16string absolute = AbsoluteWindowsPath(CurrentFolder(), Units(wide));
  if (!NeedsExtendedPrefix(absolute)) return fs::path(wide);
  const std::u16string extended = WithExtendedPrefix(absolute);
  return fs::path(std::wstring(extended.begin(), extended.end()));
}

std::string Utf8Path(const fs::path& path) { return Wtf8OfUtf16(Units(path.native())); }

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
