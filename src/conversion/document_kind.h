// Files that are documents of a word processor or office suite, not plain
// text, told by the signature their first bytes carry. Such a file must never
// convert: a short RTF header line is a valid database name, and its control
// words would become questions.
#ifndef QDCONV_CONVERSION_DOCUMENT_KIND_H_
#define QDCONV_CONVERSION_DOCUMENT_KIND_H_

#include <cstddef>

enum DocumentKind {
  kPlainText,          // no known signature: read as a question file
  kRtfDocument,        // "{\rtf"
  kPdfDocument,        // "%PDF-"
  kZipArchive,         // "PK" 03 04: DOCX, ODT and other office documents
  kCompoundDocument,   // D0 CF 11 E0 A1 B1 1A E1: DOC (and XLS, PPT) of Office 97-2003
};

// The kind of the file whose first bytes are |bytes[0..length)|.
DocumentKind DetectDocumentKind(const unsigned char* bytes, std::size_t length);

// The kind as the console names it: "an RTF document", ...; "" for kPlainText.
const char* DocumentKindName(DocumentKind kind);

#endif  // QDCONV_CONVERSION_DOCUMENT_KIND_H_
