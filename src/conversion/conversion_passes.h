// The record lines of a question file, after its name line: one pass tests
// every line and keeps where its record text is, in the decoded text; the
// database is then built from what it kept.
#ifndef QDCONV_CONVERSION_CONVERSION_PASSES_H_
#define QDCONV_CONVERSION_CONVERSION_PASSES_H_

#include <cstdint>
#include <vector>

#include "charset/handheld_decoder.h"
#include "charset/text_encoding.h"
#include "conversion/question_reader.h"
#include "conversion/record_origin.h"
#include "conversion/record_warnings.h"
#include "report/report.h"

struct RecordTexts {
  // Views into the question file's text, and each record text's length plus
  // one (its NUL): |count| of each, room for kMaxRecordCount made at the
  // start, so that they never move and only what is kept is touched.
  std::vector<const char*> texts;
  std::vector<std::uint32_t> sizes;
  int count;
  // After a pass that stopped: the line it stopped at, record line |count|
  // (as much of it as was decoded).
  QuestionLine stoppedAt;
};

// Test each record line, note what to warn about, and keep its record text;
// the report gets the progress numbers of the lines read. Stops at the first
// line that is too long, that holds text that could not be decoded (|text|
// tells which and where), or that would be record kMaxRecordCount + 1, and
// reports why. Returns true when every line was kept.
bool MeasureRecordLines(QuestionReader& reader, const DecodingOutcome& text, TextEncoding encoding,
                        const RecordOrigin& origin, RecordTexts& records,
                        RecordWarnings& warnings, Report& report);

#endif  // QDCONV_CONVERSION_CONVERSION_PASSES_H_
