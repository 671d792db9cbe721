/* Loaded into the converter with LD_PRELOAD by the end-to-end tests, to make
   things happen to its files at exactly the moment a test needs them.

   QDCONV_QUESTION_OPENS lists, separated by commas, what each successive
   fopen of a path ending in "quiz.txt" does:
     open   opens it as usual;
     fail   fails, as if the file had vanished;
     stop   stops the process (SIGSTOP), then opens it as usual once resumed;
     NAME   opens the file NAME instead, as if quiz.txt had changed.
   Opens past the end of the list open as usual.
   QDCONV_STOP_BEFORE_RENAME, when set, stops the process before each rename. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int questionFileOpens;

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

FILE* fopen(const char* path, const char* mode) {
  FILE* (*realOpen)(const char*, const char*);
  void* symbol = NextSymbol("fopen");
  memcpy(&realOpen, &symbol, sizeof realOpen); /* ISO C has no cast for it */
  if (EndsWithQuizTxt(path)) {
    char action[256];
    NextAction(action, sizeof action);
    if (strcmp(action, "fail") == 0) {
      errno = ENOENT;
      return NULL;
    }
    if (strcmp(action, "stop") == 0) raise(SIGSTOP);
    if (action[0] != '\0' && strcmp(action, "open") != 0 && strcmp(action, "stop") != 0) {
      return realOpen(action, mode);
    }
  }
  return realOpen(path, mode);
}

FILE* fopen64(const char* path, const char* mode) { return fopen(path, mode); }

int rename(const char* from, const char* to) {
  int (*realRename)(const char*, const char*);
  void* symbol = NextSymbol("rename");
  memcpy(&realRename, &symbol, sizeof realRename);
  if (getenv("QDCONV_STOP_BEFORE_RENAME")) raise(SIGSTOP);
  return realRename(from, to);
}
