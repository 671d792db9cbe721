#include "console/kind_names.h"

namespace {

const struct {
  DocumentKind kind;
  const char* name;
} kNames[] = {
    {kRtfDocument, "an RTF document"},
    {kPdfDocument, "a PDF document"},
    {kZipArchive, "a zip archive (a DOCX or ODT document is one)"},
    {kCompoundDocument, "an Office 97-2003 document (DOC)"},
    {kExcelWorkbook, "a spreadsheet (XLSX)"},
    {kOpenDocumentSpreadsheet, "a spreadsheet (ODS)"},
    {kExcel97Workbook, "a spreadsheet (XLS)"},
};

}  // namespace

const char* DocumentKindName(DocumentKind kind) {
  for (const auto& known : kNames) {
    if (known.kind == kind) return known.name;
  }
  return "";
}

const char* TextEncodingName(TextEncoding encoding) {
  switch (encoding) {
    case kUtf8:
    case kUtf8WithByteOrderMark:
      return "UTF-8";
    case kUtf16LittleEndian:
    case kUtf16BigEndian:
    case kUtf16LittleEndianWithoutMark:
    case kUtf16BigEndianWithoutMark:
      return "UTF-16";
    case kMacRoman:
      return "Mac OS Roman";
    case kBytesAsTheyAre:
      break;
  }
  return "";
}
