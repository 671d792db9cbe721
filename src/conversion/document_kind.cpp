#include "conversion/document_kind.h"

#include <algorithm>
#include <cstring>

namespace {

const struct {
  const char* signature;
  std::size_t length;
  DocumentKind kind;
} kSignatures[] = {
    {"{\\rtf", 5, kRtfDocument},
    {"%PDF-", 5, kPdfDocument},
    {"PK\x03\x04", 4, kZipArchive},
    {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8, kCompoundDocument},
};

bool Holds(const unsigned char* bytes, std::size_t length, const char* text,
           std::size_t textLength) {
  const unsigned char* end = bytes + length;
  const unsigned char* wanted = reinterpret_cast<const unsigned char*>(text);
  return std::search(bytes, end, wanted, wanted + textLength) != end;
}

// Whether a zip archive holds a part whose name starts with "xl/": an entry
// of the central directory ("PK" 01 02, its name 46 bytes on) or a local
// header ("PK" 03 04, its name 30 bytes on) names it.
bool HoldsExcelPart(const unsigned char* bytes, std::size_t length) {
  for (std::size_t i = 0; i + 4 <= length; ++i) {
    if (bytes[i] != 'P' || bytes[i + 1] != 'K') continue;
    std::size_t name = 0;
    if (bytes[i + 2] == 1 && bytes[i + 3] == 2) name = i + 46;
    if (bytes[i + 2] == 3 && bytes[i + 3] == 4) name = i + 30;
    if (name != 0 && name + 3 <= length && std::memcmp(bytes + name, "xl/", 3) == 0) return true;
  }
  return false;
}

}  // namespace

DocumentKind DetectDocumentKind(const unsigned char* bytes, std::size_t length) {
  for (const auto& known : kSignatures) {
    if (length < known.length || std::memcmp(bytes, known.signature, known.length) != 0) {
      continue;
    }
    if (known.kind == kZipArchive) {
      // The mimetype comes first, stored, in the first entry.
      static const char kOds[] = "mimetypeapplication/vnd.oasis.opendocument.spreadsheet";
      if (Holds(bytes, std::min<std::size_t>(length, 128), kOds, sizeof kOds - 1)) {
        return kOpenDocumentSpreadsheet;
      }
      if (HoldsExcelPart(bytes, length)) return kExcelWorkbook;
    }
    if (known.kind == kCompoundDocument) {
      static const char kWorkbook[] = "W\0o\0r\0k\0b\0o\0o\0k\0";
      if (Holds(bytes, length, kWorkbook, sizeof kWorkbook - 1)) return kExcel97Workbook;
    }
    return known.kind;
  }
  return kPlainText;
}

bool IsSpreadsheet(DocumentKind kind) {
  return kind == kExcelWorkbook || kind == kOpenDocumentSpreadsheet || kind == kExcel97Workbook;
}
