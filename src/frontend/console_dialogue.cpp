#include "frontend/console_dialogue.h"

#include <cstdio>

namespace {

const int kDone = 0;
const int kStopped = 1;
const int kWrongArguments = 2;

}  // namespace

int RunConsoleDialogue(int argumentCount, char* arguments[], const char* introduction,
                       const char* usage, bool (*work)(const char* argument)) {
  std::fputs(introduction, stdout);
  std::fputs(usage, stdout);
  int status = kWrongArguments;
  if (argumentCount == 2) {
    status = work(arguments[1]) ? kDone : kStopped;
  } else {
    std::fputs(usage, stdout);
  }
  // Everything printed is on the screen (or in the file) before the wait.
  std::fflush(stdout);
  std::getchar();
  return status;
}
