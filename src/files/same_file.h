// Whether two paths name one and the same existing file, by the file system's
// identity of the file rather than by spelling: links, "./" detours and, where
// the file system ignores case, a difference in case all count as the same.
#ifndef QDCONV_FILES_SAME_FILE_H_
#define QDCONV_FILES_SAME_FILE_H_

// False when either path names no file or the file system cannot tell.
bool IsSameFile(const char* firstPath, const char* secondPath);

#endif  // QDCONV_FILES_SAME_FILE_H_
