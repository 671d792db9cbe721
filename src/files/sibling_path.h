// The path of a file that belongs beside another one, named after it with
// another extension. The folder part of the path (up to its last '/' or '\',
// or a leading drive such as "C:") is kept unchanged; the file name is cut at
// its first '.' that is not its first byte, and the extension is appended.
// With ".pdb": "quiz.txt", "quiz", "quiz." and "quiz.old.txt" give
// "quiz.pdb", "dir.old/quiz.txt" gives "dir.old/quiz.pdb", ".quiz.txt" gives
// ".quiz.pdb". Paths of any length are handled.
#ifndef QDCONV_FILES_SIBLING_PATH_H_
#define QDCONV_FILES_SIBLING_PATH_H_

#include <string>

// |extension| includes its dot.
std::string SiblingPath(const char* path, const char* extension);

#endif  // QDCONV_FILES_SIBLING_PATH_H_
