#include "frontend/machine_encoding.h"

#include "charset/code_pages.h"

#ifdef _WIN32
#include <windows.h>

TextEncoding MachineEncoding() {
  unsigned codePage = GetACP();
  if (codePage == CP_UTF8) {
    DWORD userDefault = 0;
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&userDefault),
                       sizeof userDefault / sizeof(wchar_t)) > 0) {
      codePage = userDefault;
    }
  }
  TextEncoding encoding = kBytesAsTheyAre;
  return TextEncodingOfCodePage(codePage, encoding) ? encoding : kBytesAsTheyAre;
}

#else
#include <cstdlib>

TextEncoding MachineEncoding() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return AnsiCodePageOfLanguage(value);
  }
  return kBytesAsTheyAre;
}

#endif
