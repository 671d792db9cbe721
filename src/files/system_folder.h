// The folders of a POSIX system that hold devices and processes, not files:
// /dev and /proc. An input given as a device or a process's stream
// ("/dev/stdin", "/proc/self/fd/0", a shell's "<(...)") has no folder of
// files beside it, so nothing may be written there on its behalf: as root a
// run would otherwise create "/dev/stdin.pdb". Only a regular file in a
// folder below /dev (a file in /dev/shm) has a file beside it. Windows has no
// such folders.
#ifndef QDCONV_FILES_SYSTEM_FOLDER_H_
#define QDCONV_FILES_SYSTEM_FOLDER_H_

#include <string>

// Whether a file may not be written in |folder|, an absolute path with every
// link followed, beside an input that is a regular file (|besideAFile|) or
// not: never in /dev itself or in /proc, and beside no other input anywhere
// in /dev.
bool IsSystemFolder(const std::string& folder, bool besideAFile);

// Whether the file |outputPath|, named after the input |inputPath|, would be
// written in a system folder (IsSystemFolder, |outputPath|'s folder with its
// links followed). Always false on Windows.
bool IsWrittenBesideADevice(const char* inputPath, const char* outputPath);

#endif  // QDCONV_FILES_SYSTEM_FOLDER_H_
