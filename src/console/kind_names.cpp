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

namespace {

const struct {
  TextEncoding encoding;
  const char* name;
  const char* description;
  const char* option;
} kEncodings[] = {
    {kBytesAsTheyAre, "", "Western (Windows-1252)", "windows-1252"},
    {kUtf8, "UTF-8", "UTF-8", "utf-8"},
    {kUtf8WithByteOrderMark, "UTF-8", "UTF-8", "utf-8"},
    {kUtf16LittleEndian, "UTF-16", "UTF-16", "utf-16"},
    {kUtf16BigEndian, "UTF-16", "UTF-16", "utf-16"},
    {kUtf16LittleEndianWithoutMark, "UTF-16", "UTF-16", "utf-16"},
    {kUtf16BigEndianWithoutMark, "UTF-16", "UTF-16", "utf-16"},
    {kMacRoman, "Mac OS Roman", "Western (Mac OS Roman)", "mac-roman"},
    {kWindows1250, "Windows-1250", "Central European (Windows-1250)", "windows-1250"},
    {kWindows1251, "Windows-1251", "Cyrillic (Windows-1251)", "windows-1251"},
    {kWindows1253, "Windows-1253", "Greek (Windows-1253)", "windows-1253"},
    {kWindows1254, "Windows-1254", "Turkish (Windows-1254)", "windows-1254"},
    {kWindows1257, "Windows-1257", "Baltic (Windows-1257)", "windows-1257"},
    {kDos437, "DOS code page 437", "United States (DOS 437)", "cp437"},
    {kDos850, "DOS code page 850", "Western European (DOS 850)", "cp850"},
    {kDos852, "DOS code page 852", "Central European (DOS 852)", "cp852"},
    {kDos866, "DOS code page 866", "Cyrillic (DOS 866)", "cp866"},
    {kMacCentralEuropean, "Mac Central European", "Central European (Mac)", "mac-ce"},
    {kMacCyrillic, "Mac Cyrillic", "Cyrillic (Mac)", "mac-cyrillic"},
};

}  // namespace

const char* TextEncodingName(TextEncoding encoding) {
  for (const auto& known : kEncodings) {
    if (known.encoding == encoding) return known.name;
  }
  return "";
}

const char* CodePageDescription(TextEncoding encoding) {
  for (const auto& known : kEncodings) {
    if (known.encoding == encoding) return known.description;
  }
  return "";
}

const char* EncodingOptionName(TextEncoding encoding) {
  for (const auto& known : kEncodings) {
    if (known.encoding == encoding) return known.option;
  }
  return "";
}
