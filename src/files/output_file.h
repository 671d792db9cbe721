// Writing a file that appears whole or not at all.
//
// The bytes go to a new temporary file in the target's own folder. Only a
// commit, once every byte is written and the file is closed without error,
// moves it to the target path in one step; until then the target is exactly
// as it was, and abandoning the file, or a commit that fails, removes the
// temporary file again. A process killed on the way leaves the target as it
// was (and, at worst, a temporary file named "~qd<number>.tmp").
//
// A target that is a symbolic link is followed: the file it leads to is
// replaced and the link stays (on Windows, where a link is followed through
// the file it opens, only a link that leads to an existing file; one that
// leads nowhere is replaced by the new file). A replaced file keeps its permission bits. A
// target that is neither a regular file nor absent (a device, a pipe) cannot
// be replaced; it is opened and written in place instead, and what was
// written stays written.
#ifndef QDCONV_FILES_OUTPUT_FILE_H_
#define QDCONV_FILES_OUTPUT_FILE_H_

#include <cstdio>
#include <string>

struct OutputFile {
  std::FILE* stream;          // open for writing raw bytes
  std::string targetPath;     // where the bytes end up, links followed
  std::string temporaryPath;  // empty when the target is written in place
  int error;                  // after a failure: why, as an errno value
};

// Prepare to write the file at |path|. Fails, leaving nothing behind, when
// the file cannot be made there: its folder does not exist or cannot be
// written, |path| names a folder, or an existing file cannot be written.
bool BeginOutputFile(const char* path, OutputFile& file);

enum CommitOutcome {
  kCommitted,
  kCommitFailed,        // a write, the close or the move failed
  kCommitTargetExists,  // only with kKeepExistingTarget
};

enum ExistingTarget { kReplaceExistingTarget, kKeepExistingTarget };

// Close the file and move it to its target. With kKeepExistingTarget a file
// that appeared at the target meanwhile is left alone and the new one goes.
CommitOutcome CommitOutputFile(OutputFile& file, ExistingTarget existing);

// Close the file and remove it, leaving the target as it was.
void AbandonOutputFile(OutputFile& file);

#endif  // QDCONV_FILES_OUTPUT_FILE_H_
