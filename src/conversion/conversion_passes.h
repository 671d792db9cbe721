// The record lines of a question file, after its name line: one pass tests
// every line, prints its progress number and keeps where its record text is;
// the database's bodies are then written from what it kept.
#ifndef QDCONV_CONVERSION_CONVERSION_PASSES_H_
#define QDCONV_CONVERSION_CONVERSION_PASSES_H_

#include <cstdint>
#include <cstdio>

#include "charset/handheld_decoder.h"
#include "charset/text_encoding.h"
#include "conversion/question_reader.h"
#include "conversion/record_origin.h"
#include "conversion/record_warnings.h"
#include "database/record_list.h"

struct RecordTexts {
  const char* texts[kMaxRecordCount];      // views into the question file's text
  std::uint32_t sizes[kMaxRecordCount];    // record text length plus one (NUL)
  int count;
  // After a pass that stopped: the line it stopped at, record line |count|
  // (as much of it as was decoded).
  QuestionLine stoppedAt;
};

// For each record line print its index from 0 ("%i\n"), test it, note what
// to warn about, and keep its record text. Stops at the first line that is
// too long, that holds text that could not be decoded (|text| tells which and
// where), or that would be record kMaxRecordCount + 1, after printing why and
// a hint. Returns true when every line was kept.
bool MeasureRecordLines(QuestionReader& reader, const HandheldText& text, TextEncoding encoding,
                        const RecordOrigin& origin, RecordTexts& records,
                        RecordWarnings& warnings);

// Print why the text of a line could not be decoded, and a hint: the line is
// record |recordNumber| (counted from 1), or the name line when it is 0.
void PrintTextFault(const HandheldText& text, TextEncoding encoding, const RecordOrigin& origin,
                    int recordNumber);

// Write the body of every kept record to |database|. Returns false when a
// write failed.
bool WriteRecordBodies(std::FILE* database, const RecordTexts& records);

#endif  // QDCONV_CONVERSION_CONVERSION_PASSES_H_
