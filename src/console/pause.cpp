#include "console/pause.h"

#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

const char kPrompt[] = "Press Enter to close.\n";

#ifdef _WIN32

void ShowPrompt() {
  const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     0, nullptr);
  DWORD written = 0;
  if (console == INVALID_HANDLE_VALUE ||
      !WriteConsoleA(console, kPrompt, static_cast<DWORD>(std::strlen(kPrompt)), &written,
                     nullptr)) {
    std::fputs(kPrompt, stderr);
  }
  if (console != INVALID_HANDLE_VALUE) CloseHandle(console);
}

#else

// Never called here: no run pauses off Windows.
void ShowPrompt() { std::fputs(kPrompt, stderr); }

#endif

}  // namespace

bool IsPauseWanted(const ConsoleSituation& situation) {
  return situation.windows && situation.inputIsConsole && situation.consoleProcesses == 1;
}

#ifdef _WIN32

ConsoleSituation CurrentConsoleSituation() {
  DWORD mode = 0;
  DWORD processes[2];
  const bool console = GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
  return {true, console, console ? GetConsoleProcessList(processes, 2) : 0};
}

#else

ConsoleSituation CurrentConsoleSituation() { return {false, isatty(0) != 0, 0}; }

#endif

void PauseForEnter() {
  std::fflush(stdout);
  std::fflush(stderr);
  ShowPrompt();
  for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar()) {
  }
}
