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

ReportEntry EntryAt(ReportKind kind, const Place& place) {
  ReportEntry entry = MakeEntry(kind);
  entry.place = place;
  return entry;
}

ReportEntry EntryWithNumber(ReportKind kind, std::uint64_t number) {
  ReportEntry entry = MakeEntry(kind);
  entry.number = number;
  return entry;
}

ReportEntry EntryWithText(ReportKind kind, const std::string& text) {
  ReportEntry entry = MakeEntry(kind);
  entry.text = text;
  return entry;
}

void ReportSystemError(ReportKind message, const std::string& path, int error, Report& report) {
  report.push_back(MakeEntry(message));
  ReportEntry hint = EntryWithText(kHintSystemError, path);
  hint.number = static_cast<std::uint64_t>(error);
  report.push_back(hint);
}

bool IsStandardOutput(ReportKind kind) { return kind < kHintSystemError; }

bool IsWarning(ReportKind kind) { return kind >= kWarnReadAsMacRoman; }
