// Hints that both programs give after a message that stopped them
// (run_notes.h): the system's reason a file could not be used, and the rule a
// database name breaks.
#ifndef QDCONV_CONSOLE_COMMON_HINTS_H_
#define QDCONV_CONSOLE_COMMON_HINTS_H_

#include <cstddef>

#include "files/output_file.h"

// The file's path (as the console shows it) and the system's words for
// |error|, an errno value.
void HintSystemError(const char* path, int error);

// Why the file at |path| could not be made: a link that is not followed
// (another user's, in a shared folder), or the system's reason.
void HintOutputNotOpened(const char* path, const OutputFile& file);

// That |outputPath| would be written among the system's devices, and how to
// name it instead.
void HintBesideADevice(const char* outputPath);

// Which rule of a database name (database/database_header.h) |name| breaks,
// |length| bytes of the handheld's character set: empty, a control
// character (which one, and where), longer than the most a name holds (and
// how long). |subject| names it in the hint ("line 1, the database name,").
// Nothing when it breaks none.
void HintDatabaseName(const char* name, std::size_t length, const char* subject);

#endif  // QDCONV_CONSOLE_COMMON_HINTS_H_
