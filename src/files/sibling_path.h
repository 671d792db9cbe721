// The path of a file that belongs beside another one, named after it with
// another extension. The folder part of the path (up to its last '/' or '\',
// or a leading drive such as "C:") is kept unchanged; only the file name's
// last extension goes: the name is cut at its last '.' that is not its first
// byte, and the extension is appended. With ".pdb": "quiz.txt", "quiz" and
// "quiz." give "quiz.pdb", "Unit 3.1 vocabulary.txt" gives
// "Unit 3.1 vocabulary.pdb", "quiz.old.txt" gives "quiz.old.pdb",
// "dir.v2/quiz.txt" gives "dir.v2/quiz.pdb", ".quiz" and ".quiz.txt" give
// ".quiz.pdb". Two files whose names differ before their last extension
// never share a sibling. Paths of any length are handled.
#ifndef QDCONV_FILES_SIBLING_PATH_H_
#define QDCONV_FILES_SIBLING_PATH_H_

#include <cstddef>
#include <string>

// |extension| includes its dot.
std::string SiblingPath(const char* path, const char* extension);

// Where the file name of |path| starts: after its folder part.
std::size_t FileNameStart(const char* path);

// Whether |path| ends with |extension| (its dot included), in any case.
bool HasExtension(const char* path, const char* extension);

#endif  // QDCONV_FILES_SIBLING_PATH_H_
