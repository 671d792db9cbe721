// The platform's own calls behind writing a file whole or not at all:
// creating a new file that nothing else can have created at the same path,
// and moving a finished file to its final path in one step. Each call has a
// POSIX branch and a Windows branch; callers see the same behaviour on both.
// Paths are UTF-8 (native_path.h). A call that fails leaves the reason in
// errno, Windows' own errors mapped to the closest errno value.
#ifndef QDCONV_FILES_FILE_MOVES_H_
#define QDCONV_FILES_FILE_MOVES_H_

#include <cstdio>

// Create |path| as a new, empty file open for writing raw bytes. Fails (null)
// when anything already exists at |path| or the folder cannot be written.
// When |permissionsOf| names an existing file, the new file takes its
// permission bits (POSIX; on Windows the move that replaces a file keeps its
// own); otherwise it gets the usual ones of a new file. On Windows the open
// file may be deleted meanwhile (files/interrupted_write.h).
std::FILE* CreateNewFile(const char* path, const char* permissionsOf);

// Whether the existing file |path| may be written. Looking neither changes
// the file nor keeps another process from replacing it meanwhile. On Windows
// a file that another program holds open counts as writable: the move waits
// for it (MoveFileReplacing).
bool CanWriteFile(const char* path);

// Move the file |from| to |to| in one step: a reader of |to| sees either what
// was there before or the whole moved file. A file at |to| is replaced; on
// Windows it keeps its attributes and permissions (ReplaceFileW). On Windows,
// where a file that another process holds open, or that another run is
// replacing this moment, cannot be replaced, it tries again for about a
// second before it fails; a read-only file, which waiting cannot mend, fails
// at once.
bool MoveFileReplacing(const char* from, const char* to);

enum MoveOutcome { kMoved, kMoveTargetExists, kMoveFailed };

// As MoveFileReplacing, but never replaces: when anything exists at |to|,
// nothing moves and the outcome is kMoveTargetExists.
MoveOutcome MoveFileIfAbsent(const char* from, const char* to);

bool RemoveFile(const char* path);

// The number of this process, to tell its temporary files from another's.
long CurrentProcessId();

#endif  // QDCONV_FILES_FILE_MOVES_H_
