#include "files/interrupted_write.h"

#include <atomic>
#include <string>

#ifdef _WIN32
#include <windows.h>

#include "files/native_path.h"
#else
#include <signal.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
using NativeChar = wchar_t;
#else
using NativeChar = char;
#endif

static_assert(ATOMIC_POINTER_LOCK_FREE == 2, "the handler reads the path without a lock");

std::basic_string<NativeChar> watchedPath;        // written only while not published
std::atomic<const NativeChar*> watched{nullptr};  // what a handler removes
bool handlersInstalled = false;

#ifdef _WIN32

BOOL WINAPI OnConsoleEvent(DWORD /*event*/) {
  RemoveInterruptedFile();
  return FALSE;  // the system's own handling ends the process
}

void InstallHandlers() { SetConsoleCtrlHandler(OnConsoleEvent, TRUE); }

#else

extern "C" void OnSignal(int number) {
  RemoveInterruptedFile();
  // The handler has reset itself (SA_RESETHAND): the signal, raised again,
  // ends the process as it would have, once the handler returns.
  raise(number);
}

void InstallHandlers() {
  for (const int number : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction old;
    if (sigaction(number, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(number, &action, nullptr);
  }
}

#endif

}  // namespace

void RemoveOnInterrupt(const char* path) {
  watched.store(nullptr);
#ifdef _WIN32
  watchedPath = NativePath(path).native();
#else
  watchedPath = path;
#endif
  watched.store(watchedPath.c_str());
  if (!handlersInstalled) InstallHandlers();
  handlersInstalled = true;
}

void ForgetOnInterrupt() { watched.store(nullptr); }

void RemoveInterruptedFile() {
  const NativeChar* path = watched.exchange(nullptr);
  if (!path) return;
#ifdef _WIN32
  DeleteFileW(path);
#else
  unlink(path);
#endif
}
