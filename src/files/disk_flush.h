// Making a written file last: its bytes, and the folder entry that names it,
// handed from the system's cache to the disk before the run says the file is
// written. A teacher who pulls a USB stick out once the run has ended, or
// loses power, then finds the new file whole or, before the move, the old one
// as it was, never an empty or partial file where a database was.
#ifndef QDCONV_FILES_DISK_FLUSH_H_
#define QDCONV_FILES_DISK_FLUSH_H_

#include <cstdio>

// Write what |file| holds (its stdio buffer first) through to the disk:
// fsync on POSIX, FlushFileBuffers on Windows. False, errno telling why,
// when the disk did not take it.
bool FlushFileToDisk(std::FILE* file);

// Write the folder that holds |path| through to the disk, so that a file
// moved there is found there after a power cut (POSIX; on Windows the move
// itself writes through, and this does nothing). A file system that cannot
// flush a folder (EINVAL), or a folder that may be written but not read,
// counts as done. False, errno telling why, when the disk failed.
bool FlushFolderToDisk(const char* path);

#endif  // QDCONV_FILES_DISK_FLUSH_H_
