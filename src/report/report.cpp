#include "report/report.h"

ReportEntry MakeEntry(ReportKind kind) {
  ReportEntry entry;
  entry.kind = kind;
  entry.place = {kNowhere, 0, 0};
  entry.number = 0;
  entry.limit = 0;
  entry.character = 0;
  entry.detail = 0;
  entry.inTable = false;
  return entry;
}

bool IsStandardOutput(ReportKind kind) { return kind < kHintSystemError; }

bool IsWarning(ReportKind kind) { return kind >= kWarnReadAsMacRoman; }
