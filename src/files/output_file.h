// Writing a file that appears whole or not at all, and is on the disk when
// the commit says so.
//
// The bytes go to a new temporary file in the target's own folder. Only a
// commit, once every byte is written, flushed to the disk
// (files/disk_flush.h) and the file closed without error, moves it to the
// target path in one step, and then flushes the folder; until then the
// target is exactly as it was, and abandoning the file, or a commit that
// fails, removes the temporary file again. A run interrupted on the way
// (files/interrupted_write.h) removes it too; a process killed on the way
// leaves the target as it was (and, at worst, a temporary file named
// "~qd<process number>-<n>.tmp").
//
// A target that is a symbolic link is followed (as the kernel would follow
// it: not another user's link in a shared folder): the file it leads to is
// replaced and the link stays (on Windows, where a link is followed through
// the file it opens, only a link that leads to an existing file; one that
// leads nowhere is replaced by the new file). A replaced file keeps its permission bits. A
// target that is neither a regular file nor absent (a device, a pipe) cannot
// be replaced; it is opened and written in place instead, and what was
// written stays written.
#ifndef QDCONV_FILES_OUTPUT_FILE_H_
#define QDCONV_FILES_OUTPUT_FILE_H_

#include <cstddef>
#include <cstdio>
#include <string>

struct OutputFile {
  std::FILE* stream;          // open for writing raw bytes
  std::string targetPath;     // where the bytes end up, links followed
  std::string temporaryPath;  // empty when the target is written in place
  int error;                  // after a failure: why, as an errno value
  bool linkRefused;           // the target is another user's link in a shared folder
};

// Prepare to write the file at |path|. Fails, leaving nothing behind, when
// the file cannot be made there: its folder does not exist or cannot be
// written, |path| names a folder, an existing file cannot be written, or a
// link on the way may not be followed (files/final_path.h: MayFollowLink;
// then |linkRefused|).
bool BeginOutputFile(const char* path, OutputFile& file);

struct OutputPiece {
  const void* bytes;
  std::size_t size;
};

// Write |pieces[0..count)| in order, without copying them together first
// (POSIX: writev). False, with |error| set, when a write failed.
bool WriteOutputPieces(OutputFile& file, const OutputPiece* pieces, std::size_t count);

// Whether anything is at |path|: a file, a folder, or a link, even one that
// leads nowhere.
bool IsPathTaken(const char* path);

enum CommitOutcome {
  kCommitted,
  kCommitFailed,        // a write, a flush, the close or the move failed
  kCommitTargetExists,  // only with kKeepExistingTarget
};

enum ExistingTarget { kReplaceExistingTarget, kKeepExistingTarget };

// Close the file and move it to its target. With kKeepExistingTarget a file
// that appeared at the target meanwhile is left alone and the new one goes.
// A folder that the disk fails to flush after the move fails the commit as
// well, though the file has moved: the run cannot say it is on the disk.
CommitOutcome CommitOutputFile(OutputFile& file, ExistingTarget existing);

// Close the file and remove it, leaving the target as it was.
void AbandonOutputFile(OutputFile& file);

#endif  // QDCONV_FILES_OUTPUT_FILE_H_
