#include "console/run_notes.h"

#include <cstdarg>
#include <cstdio>

#include "console/console_text.h"

namespace {

const std::size_t kMaxKeptNotes = 1 << 16;

std::string notes;
std::string subject;

void PrintNote(const char* kind, const char* format, std::va_list arguments) {
  std::va_list copy;
  va_copy(copy, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string line = subject + kind;
  const std::size_t start = line.size();
  line.resize(start + static_cast<std::size_t>(length > 0 ? length : 0) + 1);
  std::vsnprintf(&line[start], line.size() - start, format, arguments);
  line.back() = '\n';
  std::fflush(stdout);
  WriteConsoleText(stderr, line);
  std::fflush(stderr);
  if (notes.size() < kMaxKeptNotes) notes += line;
}

}  // namespace

void PrintWarning(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  PrintNote("Warning: ", format, arguments);
  va_end(arguments);
}

void PrintHint(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  PrintNote("Hint: ", format, arguments);
  va_end(arguments);
}

void SetNoteSubject(const char* file) { subject = file ? std::string(file) + ": " : ""; }

const std::string& RunNotes() { return notes; }

void ClearRunNotes() { notes.clear(); }
