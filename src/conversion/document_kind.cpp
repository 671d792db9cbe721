#include "conversion/document_kind.h"

#include <cstring>

namespace {

const struct {
  const char* signature;
  std::size_t length;
  DocumentKind kind;
  const char* name;
} kSignatures[] = {
    {"{\\rtf", 5, kRtfDocument, "an RTF document"},
    {"%PDF-", 5, kPdfDocument, "a PDF document"},
    {"PK\x03\x04", 4, kZipArchive, "a zip archive (a DOCX or ODT document is one)"},
    {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8, kCompoundDocument,
     "an Office 97-2003 document (DOC)"},
};

}  // namespace

DocumentKind DetectDocumentKind(const unsigned char* bytes, std::size_t length) {
  for (const auto& known : kSignatures) {
    if (length >= known.length && std::memcmp(bytes, known.signature, known.length) == 0) {
      return known.kind;
    }
  }
  return kPlainText;
}

const char* DocumentKindName(DocumentKind kind) {
  for (const auto& known : kSignatures) {
    if (known.kind == kind) return known.name;
  }
  return "";
}
