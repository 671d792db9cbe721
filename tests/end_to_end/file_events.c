/* Loaded into the converter with LD_PRELOAD by the end-to-end tests, to make
   things happen to its files at exactly the moment a test needs them.

   QDCONV_QUESTION_OPENS lists, separated by commas, what each successive
   open of a path ending in "quiz.txt" does:
     open        opens it as usual;
     fail        fails, as if the file had vanished;
     readfail:N  opens it as usual, but once N bytes have been read from it
                 every further read fails with EIO, as a failing disk would;
     NAME        opens the file NAME instead.
   Opens past the end of the list open as usual.
   QDCONV_STOP_BEFORE_FLUSH, when set, stops the process (SIGSTOP) before each
   fflush, which comes before a written file is closed; QDCONV_STOP_BEFORE_RENAME
   before each rename. Once resumed, the call goes on as usual.
   QDCONV_FAIL_RENAME, when set, makes every rename fail with EIO;
   QDCONV_FAIL_FSYNC every fsync, as a disk pulled out would;
   QDCONV_FAIL_FOLDER_FSYNC only the fsync of a folder, with EIO, or with
   EINVAL when it is "EINVAL", as a file system that cannot flush one does. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static int questionFileOpens;
static int failingDescriptor = -1;
static long readsLeft; /* bytes failingDescriptor still reads before failing */

static void* NextSymbol(const char* name) { return dlsym(RTLD_NEXT, name); }

static int EndsWithQuizTxt(const char* path) {
  const size_t length = strlen(path);
  return length >= 8 && strcmp(path + length - 8, "quiz.txt") == 0;
}

/* The action for this open of quiz.txt, copied into |action|. */
static void NextAction(char* action, size_t size) {
  const char* list = getenv("QDCONV_QUESTION_OPENS");
  int index = questionFileOpens++;
  action[0] = '\0';
  while (list && index > 0) {
    list = strchr(list, ',');
    if (list) ++list;
    --index;
  }
  if (!list) return;
  size_t length = strcspn(list, ",");
  if (length >= size) length = size - 1;
  memcpy(action, list, length);
  action[length] = '\0';
}

static int OpenAsScripted(const char* symbolName, const char* path, int flags, mode_t mode) {
  int (*realOpen)(const char*, int, ...);
  void* symbol = NextSymbol(symbolName);
  memcpy(&realOpen, &symbol, sizeof realOpen); /* ISO C has no cast for it */
  if (!EndsWithQuizTxt(path)) return realOpen(path, flags, mode);
  char action[256];
  NextAction(action, sizeof action);
  if (strcmp(action, "fail") == 0) {
    errno = ENOENT;
    return -1;
  }
  if (strncmp(action, "readfail:", 9) == 0) {
    const int descriptor = realOpen(path, flags, mode);
    failingDescriptor = descriptor;
    readsLeft = strtol(action + 9, NULL, 10);
    return descriptor;
  }
  if (action[0] != '\0' && strcmp(action, "open") != 0) return realOpen(action, flags, mode);
  return realOpen(path, flags, mode);
}

static mode_t ModeArgument(int flags, va_list arguments) {
  return (flags & O_CREAT) != 0 ? (mode_t)va_arg(arguments, int) : 0;
}

int open(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = ModeArgument(flags, arguments);
  va_end(arguments);
  return OpenAsScripted("open", path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const mode_t mode = ModeArgument(flags, arguments);
  va_end(arguments);
  return OpenAsScripted("open64", path, flags, mode);
}

ssize_t read(int descriptor, void* into, size_t count) {
  ssize_t (*realRead)(int, void*, size_t);
  void* symbol = NextSymbol("read");
  memcpy(&realRead, &symbol, sizeof realRead);
  if (descriptor != failingDescriptor) return realRead(descriptor, into, count);
  if (readsLeft == 0) {
    errno = EIO;
    return -1;
  }
  if ((long)count > readsLeft) count = (size_t)readsLeft;
  const ssize_t got = realRead(descriptor, into, count);
  if (got > 0) readsLeft -= got;
  return got;
}

int close(int descriptor) {
  int (*realClose)(int);
  void* symbol = NextSymbol("close");
  memcpy(&realClose, &symbol, sizeof realClose);
  if (descriptor == failingDescriptor) failingDescriptor = -1;
  return realClose(descriptor);
}

int fflush(FILE* stream) {
  int (*realFlush)(FILE*);
  void* symbol = NextSymbol("fflush");
  memcpy(&realFlush, &symbol, sizeof realFlush);
  if (stream != NULL && stream != stdout && stream != stderr &&
      getenv("QDCONV_STOP_BEFORE_FLUSH")) {
    raise(SIGSTOP);
  }
  return realFlush(stream);
}

int rename(const char* from, const char* to) {
  int (*realRename)(const char*, const char*);
  void* symbol = NextSymbol("rename");
  memcpy(&realRename, &symbol, sizeof realRename);
  if (getenv("QDCONV_STOP_BEFORE_RENAME")) raise(SIGSTOP);
  if (getenv("QDCONV_FAIL_RENAME")) {
    errno = EIO;
    return -1;
  }
  return realRename(from, to);
}

int fsync(int descriptor) {
  int (*realFsync)(int);
  void* symbol = NextSymbol("fsync");
  memcpy(&realFsync, &symbol, sizeof realFsync);
  struct stat status;
  const int folder = fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode);
  const char* folderFailure = getenv("QDCONV_FAIL_FOLDER_FSYNC");
  if (getenv("QDCONV_FAIL_FSYNC") || (folder && folderFailure)) {
    errno = folderFailure && strcmp(folderFailure, "EINVAL") == 0 ? EINVAL : EIO;
    return -1;
  }
  return realFsync(descriptor);
}
