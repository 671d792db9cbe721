// Questions a quiz asks twice: the same text, case and the spaces and tabs
// around it not counting. The handheld would ask both, and when their answers
// differ, one of them is marked wrong whatever the pupil answers. Each repeat
// is warned about with the line (or table row) of the question it repeats,
// and whether the answers differ; the first few are named, the rest counted.
#ifndef QDCONV_CONVERSION_REPEATED_QUESTIONS_H_
#define QDCONV_CONVERSION_REPEATED_QUESTIONS_H_

#include <cstdint>

#include "conversion/record_origin.h"
#include "report/report.h"

// The warnings about the repeated questions among the |count| records
// |texts| (of |sizes| - 1 bytes of the handheld's character set each), which
// come from |origin|. Blank questions are passed over: they are warned about
// as blank.
void ReportRepeatedQuestions(const char* const* texts, const std::uint32_t* sizes, int count,
                             const RecordOrigin& origin, Report& report);

#endif  // QDCONV_CONVERSION_REPEATED_QUESTIONS_H_
