/* Loaded into the converter with LD_PRELOAD by the end-to-end tests: the
   second fopen of a path ending in "quiz.txt" fails, as if the question file
   had vanished between the two readings of it. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <string.h>

static int questionFileOpens;

static int FailsThisOpen(const char* path) {
  const size_t length = strlen(path);
  return length >= 8 && strcmp(path + length - 8, "quiz.txt") == 0 &&
         ++questionFileOpens == 2;
}

FILE* fopen(const char* path, const char* mode) {
  static FILE* (*realOpen)(const char*, const char*);
  if (FailsThisOpen(path)) {
    errno = ENOENT;
    return NULL;
  }
  if (!realOpen) {
    void* symbol = dlsym(RTLD_NEXT, "fopen");
    memcpy(&realOpen, &symbol, sizeof realOpen);  /* ISO C has no cast for it */
  }
  return realOpen(path, mode);
}

FILE* fopen64(const char* path, const char* mode) { return fopen(path, mode); }
