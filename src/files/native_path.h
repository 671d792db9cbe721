// File names as the programs hold them, UTF-8 bytes, handed to the platform.
// On Linux the bytes pass unchanged. On Windows the entry point turns the
// wide (UTF-16) command line into WTF-8 (files/wtf8.h: UTF-8 that also keeps
// a lone surrogate; frontend/program_entry.cpp), and every file call here
// goes through the wide interface, so that any name the file system takes
// works, names outside the ANSI code page included; a path that needs it
// gets the "\\?\" prefix (files/windows_path.h: 248 characters or more, or a
// name ending in a dot or a space), decided on its absolute form whatever
// folder it is given from. Every file the programs open, look at, move or
// remove is reached through these functions.
#ifndef QDCONV_FILES_NATIVE_PATH_H_
#define QDCONV_FILES_NATIVE_PATH_H_

#include <cstdio>
#include <filesystem>
#include <string>

// The path for std::filesystem and the platform's calls.
std::filesystem::path NativePath(const char* path);

// A path from std::filesystem back in UTF-8.
std::string Utf8Path(const std::filesystem::path& path);

// std::fopen for a UTF-8 path.
std::FILE* OpenFile(const char* path, const char* mode);

// |path| as the console shows it: unchanged on Linux; on Windows in the ANSI
// code page, as the command line reached programs before, with the closest
// character (or '?') for one the code page lacks.
std::string PathForConsole(const char* path);

#endif  // QDCONV_FILES_NATIVE_PATH_H_
