// The shape Windows' file calls need a path in, worked out as text so that it
// is the same, and tested, on every system. The calls drop a dot or a space
// at the end of a name and stop at 260 characters, unless the path is
// absolute and starts with "\\?\" (for a network path "\\?\UNC\"), which
// they take as it is. Such a path must then be whole: '\' separators, no
// "." or ".." left.
#ifndef QDCONV_FILES_WINDOWS_PATH_H_
#define QDCONV_FILES_WINDOWS_PATH_H_

#include <string>

// |path| made absolute against the current folder |currentFolder| (itself
// absolute: "C:\Users\ann" or "\\server\share\folder"), with '\' separators
// and "." and ".." resolved by the text alone, never above the root. A name's
// final dots and spaces are kept. "\x" is on the current folder's drive;
// "D:x" is in the current folder when that is on D:, otherwise at D:'s root.
std::u16string AbsoluteWindowsPath(const std::u16string& currentFolder,
                                   const std::u16string& path);

// Whether Windows' calls need |absolutePath| with the prefix: it is 248
// characters or longer (CreateDirectory's limit, the lowest), or a name in
// it ends in a dot or a space.
bool NeedsExtendedPrefix(const std::u16string& absolutePath);

// |absolutePath| with the prefix: "\\?\C:\..." or "\\?\UNC\server\share\...".
std::u16string WithExtendedPrefix(const std::u16string& absolutePath);

#endif  // QDCONV_FILES_WINDOWS_PATH_H_
