#include "console/pause.h"

#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
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

void ShowPrompt() {
  const int terminal = open("/dev/tty", O_WRONLY | O_CLOEXEC);
  const ssize_t length = static_cast<ssize_t>(std::strlen(kPrompt));
  if (terminal < 0 || write(terminal, kPrompt, static_cast<std::size_t>(length)) != length) {
    std::fputs(kPrompt, stderr);
  }
  if (terminal >= 0) close(terminal);
}

#endif

}  // namespace

#ifdef _WIN32

bool IsInteractiveInput() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

#else

bool IsInteractiveInput() { return isatty(0) && tcgetpgrp(0) == getpgrp(); }

#endif

void PauseForEnter() {
  std::fflush(stdout);
  std::fflush(stderr);
  ShowPrompt();
  for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar()) {
  }
}
