// Files that are documents of a word processor, a spreadsheet or an office
// suite, not plain text, told by the signature their first bytes carry and,
// for an archive or a compound file, by what it holds. Such a file must
// never convert: a short RTF header line is a valid database name, and its
// control words would become questions.
#ifndef QDCONV_CONVERSION_DOCUMENT_KIND_H_
#define QDCONV_CONVERSION_DOCUMENT_KIND_H_

#include <cstddef>

enum DocumentKind {
  kPlainText,          // no known signature: read as a question file
  kRtfDocument,        // "{\rtf"
  kPdfDocument,        // "%PDF-"
  kZipArchive,         // "PK" 03 04: DOCX, ODT and other office documents
  kCompoundDocument,   // D0 CF 11 E0 A1 B1 1A E1: DOC (and PPT) of Office 97-2003
  kExcelWorkbook,      // a zip archive holding a part under "xl/": XLSX
  kOpenDocumentSpreadsheet,  // a zip archive whose mimetype is a spreadsheet's: ODS
  kExcel97Workbook,    // a compound file holding a "Workbook" stream: XLS
};

// The kind of the file |bytes[0..length)|.
DocumentKind DetectDocumentKind(const unsigned char* bytes, std::size_t length);

// Whether |kind| is a spreadsheet's, which is saved as CSV rather than text.
bool IsSpreadsheet(DocumentKind kind);

#endif  // QDCONV_CONVERSION_DOCUMENT_KIND_H_
