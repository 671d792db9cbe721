// The notes a run adds to its messages: warnings about what a database it
// wrote will do on the handheld, and hints on what to fix after a message
// that stopped it. They go to standard error, one line each, after standard
// output is flushed, so that on a console both appear in the order they were
// made while standard output stays what scripts read. Notes are UTF-8 (paths
// too), shown as typed on a console (console_text.h). Every note is kept as
// well, for a caller that shows them elsewhere (the web page).
#ifndef QDCONV_CONSOLE_RUN_NOTES_H_
#define QDCONV_CONSOLE_RUN_NOTES_H_

#include <string>

#include "console/run_message.h"

// Print "Warning: " and the text |format| makes, and a line feed.
void PrintWarning(const char* format, ...) QDCONV_PRINTF_FORMAT;

// Print "Hint: " and the text |format| makes, and a line feed.
void PrintHint(const char* format, ...) QDCONV_PRINTF_FORMAT;

// Start every note with |subject| and ": " from now on (nothing when null):
// the file a run of several files is working on.
void SetNoteSubject(const char* subject);

// Every note printed since the last ClearRunNotes, each ending in a line
// feed. At most the first 64 KiB are kept.
const std::string& RunNotes();

void ClearRunNotes();

#endif  // QDCONV_CONSOLE_RUN_NOTES_H_
