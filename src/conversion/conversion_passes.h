// The two passes over the record lines of a question file. The first measures
// every record line and prints its progress number; the second writes one
// record body per record line. Both start right after the name line.
#ifndef QDCONV_CONVERSION_CONVERSION_PASSES_H_
#define QDCONV_CONVERSION_CONVERSION_PASSES_H_

#include <cstdint>
#include <cstdio>

#include "conversion/question_reader.h"
#include "database/record_list.h"

struct RecordSizes {
  std::uint32_t sizes[kMaxRecordCount];  // record text length plus one (NUL)
  int count;
};

// First pass: for each record line print its index from 0 ("%i\n"), test it
// and note its record text size. Stops at the first line that is too long,
// that holds text that could not be decoded, or that would be record
// kMaxRecordCount + 1, after printing why. Returns true when every line was
// measured.
bool MeasureRecordLines(QuestionReader& reader, RecordSizes& measured);

// Print why the text of a line could not be decoded: the line is record
// |recordNumber| (counted from 1), or the name line when it is 0.
void PrintTextFault(TextFault fault, TextEncoding encoding, int recordNumber);

enum RecordBodiesOutcome {
  kRecordBodiesWritten,
  // The lines no longer match the measured sizes; nothing was written for the
  // first line that differs, nor after it.
  kQuestionFileChanged,
  kDatabaseWriteFailed,
};

// Second pass: write the body of each record line to |database|, after
// checking it against the size measured for it. Prints nothing.
RecordBodiesOutcome WriteRecordBodies(QuestionReader& reader,
                                      std::FILE* database,
                                      const RecordSizes& measured);

#endif  // QDCONV_CONVERSION_CONVERSION_PASSES_H_
