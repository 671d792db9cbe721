#include "conversion/quiz_preview.h"

#include "charset/utf8.h"

bool IsBlankText(const char* text, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    if (text[i] != ' ' && text[i] != '\t') return false;
  }
  return true;
}

void AddPreviewRecord(const char* text, std::size_t length, int place, RecordFinding finding,
                      QuizPreview& preview) {
  preview.records.push_back({HandheldTextInUtf8(text, length), place, finding});
}

void MarkQuestionWithoutAnswer(QuizPreview& preview) {
  if (preview.records.size() % 2 == 0) return;
  PreviewRecord& last = preview.records.back();
  if (last.finding == kRecordSound) last.finding = kQuestionWithoutAnswer;
  if (preview.fromTable) return;
  for (PreviewRecord& record : preview.records) {
    if (record.finding == kRecordBlank) {
      record.finding = kRecordBlankShiftsPairs;
      return;
    }
  }
}
