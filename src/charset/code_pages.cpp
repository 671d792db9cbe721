#include "charset/code_pages.h"

#include <cctype>
#include <cstddef>
#include <cstring>
#include <string>

#include "charset/code_page_statistics.h"
#include "charset/utf8.h"

#include "charset/code_page_tables.inc"

namespace {

struct EncodingName {
  const char* name;  // folded: lower case, no '-' or '_'
  TextEncoding encoding;
};

const EncodingName kNames[] = {
    {"utf8", kUtf8},
    {"utf16", kUtf16LittleEndian},
    {"utf16le", kUtf16LittleEndian},
    {"utf16be", kUtf16BigEndian},
    {"windows1252", kBytesAsTheyAre}, {"cp1252", kBytesAsTheyAre}, {"1252", kBytesAsTheyAre},
    {"ansi", kBytesAsTheyAre}, {"latin1", kBytesAsTheyAre},
    {"windows1250", kWindows1250}, {"cp1250", kWindows1250}, {"1250", kWindows1250},
    {"windows1251", kWindows1251}, {"cp1251", kWindows1251}, {"1251", kWindows1251},
    {"windows1253", kWindows1253}, {"cp1253", kWindows1253}, {"1253", kWindows1253},
    {"windows1254", kWindows1254}, {"cp1254", kWindows1254}, {"1254", kWindows1254},
    {"windows1257", kWindows1257}, {"cp1257", kWindows1257}, {"1257", kWindows1257},
    {"cp437", kDos437}, {"437", kDos437}, {"ibm437", kDos437},
    {"cp850", kDos850}, {"850", kDos850}, {"ibm850", kDos850},
    {"cp852", kDos852}, {"852", kDos852}, {"ibm852", kDos852},
    {"cp866", kDos866}, {"866", kDos866}, {"ibm866", kDos866},
    {"macroman", kMacRoman}, {"macintosh", kMacRoman},
    {"macce", kMacCentralEuropean}, {"maccentraleurope", kMacCentralEuropean},
    {"maccentraleuropean", kMacCentralEuropean},
    {"maccyrillic", kMacCyrillic}, {"xmaccyrillic", kMacCyrillic},
};

}  // namespace

int CodePageTableIndex(TextEncoding encoding) {
  switch (encoding) {
    case kBytesAsTheyAre: return 0;
    case kWindows1250: return 1;
    case kWindows1251: return 2;
    case kWindows1253: return 3;
    case kWindows1254: return 4;
    case kWindows1257: return 5;
    case kDos437: return 6;
    case kDos850: return 7;
    case kDos852: return 8;
    case kDos866: return 9;
    case kMacRoman: return 10;
    case kMacCentralEuropean: return 11;
    case kMacCyrillic: return 12;
    case kUtf8:
    case kUtf8WithByteOrderMark:
    case kUtf16LittleEndian:
    case kUtf16BigEndian:
    case kUtf16LittleEndianWithoutMark:
    case kUtf16BigEndianWithoutMark:
      break;
  }
  return -1;
}

const LanguageModels& LanguagesOfCodePage(TextEncoding encoding) {
  return kModels[CodePageTableIndex(encoding)];
}

bool IsSingleByteEncoding(TextEncoding encoding) { return CodePageTableIndex(encoding) >= 0; }

bool CharacterOfCodePageByte(TextEncoding encoding, unsigned char byte,
                             std::uint32_t& character) {
  if (byte < 0x80) {
    character = byte;
    return true;
  }
  character = kHighHalves[CodePageTableIndex(encoding)][byte - 0x80];
  return character != 0;
}

std::string CodePageTextInUtf8(TextEncoding encoding, const std::string& bytes) {
  std::string text;
  for (const char c : bytes) {
    std::uint32_t character = 0xFFFD;
    if (!CharacterOfCodePageByte(encoding, static_cast<unsigned char>(c), character)) {
      character = 0xFFFD;
    }
    char utf8[4];
    text.append(utf8, EncodeUtf8Character(character, utf8));
  }
  return text;
}

bool TextEncodingOfName(const char* name, TextEncoding& encoding) {
  std::string folded;
  for (const char* c = name; *c; ++c) {
    if (*c == '-' || *c == '_') continue;
    folded += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
  }
  for (const EncodingName& known : kNames) {
    if (folded == known.name) {
      encoding = known.encoding;
      return true;
    }
  }
  return false;
}

const char* KnownEncodingNames() {
  return "utf-8, utf-16, windows-1252, windows-1250, windows-1251, windows-1253, "
         "windows-1254, windows-1257, cp437, cp850, cp852, cp866, mac-roman, mac-ce, "
         "mac-cyrillic";
}

TextEncoding AnsiCodePageOfLanguage(const char* language) {
  static const struct {
    const char* languages;
    TextEncoding encoding;
  } kAnsi[] = {
      {" pl cs sk hu sl hr ro sq bs ", kWindows1250},
      {" ru uk bg be mk sr ", kWindows1251},
      {" el ", kWindows1253},
      {" tr az ", kWindows1254},
      {" et lv lt ", kWindows1257},
  };
  char code[5] = {' ', 0, 0, ' ', 0};
  if (!std::isalpha(static_cast<unsigned char>(language[0])) ||
      !std::isalpha(static_cast<unsigned char>(language[1])) ||
      std::isalpha(static_cast<unsigned char>(language[2]))) {
    return kBytesAsTheyAre;
  }
  code[1] = static_cast<char>(std::tolower(static_cast<unsigned char>(language[0])));
  code[2] = static_cast<char>(std::tolower(static_cast<unsigned char>(language[1])));
  for (const auto& ansi : kAnsi) {
    if (std::strstr(ansi.languages, code)) return ansi.encoding;
  }
  return kBytesAsTheyAre;
}

bool TextEncodingOfCodePage(unsigned codePage, TextEncoding& encoding) {
  static const struct {
    unsigned number;
    TextEncoding encoding;
  } kNumbers[] = {{1252, kBytesAsTheyAre}, {1250, kWindows1250}, {1251, kWindows1251},
                  {1253, kWindows1253},    {1254, kWindows1254}, {1257, kWindows1257},
                  {437, kDos437},          {850, kDos850},       {852, kDos852},
                  {866, kDos866},          {10000, kMacRoman},   {10029, kMacCentralEuropean},
                  {10007, kMacCyrillic}};
  for (const auto& known : kNumbers) {
    if (known.number == codePage) {
      encoding = known.encoding;
      return true;
    }
  }
  return false;
}
