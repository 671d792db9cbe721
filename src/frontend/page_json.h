// The JSON the web page gets of a run (frontend/web_main.cpp): strings, the
// report's entries as data (report/report.h) with the English text the
// console gives each, the preview, and bytes in base64.
#ifndef QDCONV_FRONTEND_PAGE_JSON_H_
#define QDCONV_FRONTEND_PAGE_JSON_H_

#include <cstddef>
#include <string>

#include "conversion/quiz_preview.h"
#include "report/report.h"

// |text| (UTF-8) as a JSON string.
std::string JsonString(const std::string& text);

// The entries as a JSON array of objects: {"kind": "hint-unshowable",
// "text": the console's text, and the entry's data that is set: "line",
// "column", "inTable", "character", "number", "detail", "name", "otherName",
// "numbers", "characters"}. The echo line and the progress numbers are left
// out.
std::string ReportJson(const Report& report);

// The message a run ended with (its last standard output line), as the
// console gives it.
std::string RunMessage(const Report& report);

// {"table": false, "records": [[place, "text", finding], ...]}, the place a
// line number (or, for a table, a row), the finding a RecordFinding.
std::string PreviewJson(const QuizPreview& preview);

#endif  // QDCONV_FRONTEND_PAGE_JSON_H_
