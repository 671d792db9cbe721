#include "files/file_moves.h"

#include <filesystem>
#include <system_error>

#include "files/native_path.h"

#include <errno.h>

#ifdef _WIN32

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32

namespace {

// A move over a file that another program holds open is tried this many
// times, this far apart: about a second in all.
const int kMoveAttempts = 21;
const DWORD kMoveRetryMilliseconds = 50;

// Whether |error| says that another program holds the file open, which
// waiting can mend.
bool IsHeldByAnotherProgram(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// Whether a move onto |target| that failed with |error| may succeed when
// tried again: another program holds the file open, or another run is
// replacing it this moment (the file it is deleting denies every access
// meanwhile). A read-only file stays refused; a file that may not be
// written is refused before its run writes anything (CanWriteFile).
bool MayPassByWaiting(DWORD error, const std::wstring& target) {
  if (IsHeldByAnotherProgram(error)) return true;
  if (error != ERROR_ACCESS_DENIED) return false;
  const DWORD attributes = GetFileAttributesW(target.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY);
}

// The errno value closest to a failed move's Windows error, for its reason.
int ErrnoOfMoveError(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
      return EACCES;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
      return EEXIST;
    default:
      return EIO;
  }
}

}  // namespace

std::FILE* CreateNewFile(const char* path, const char* /*permissionsOf*/) {
  // Shared for deletion, so that an interrupted run can remove it while it
  // is still open (files/interrupted_write.h).
  const HANDLE handle =
      CreateFileW(NativePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    errno = ErrnoOfMoveError(GetLastError());
    return nullptr;
  }
  const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
  if (descriptor < 0) {
    CloseHandle(handle);
    return nullptr;
  }
  std::FILE* file = _fdopen(descriptor, "wb");
  if (!file) _close(descriptor);
  return file;
}

bool CanWriteFile(const char* path) {
  // Windows refuses to write a read-only file to every user; Wine, run by
  // root, only where its own check of the attribute comes first.
  const DWORD attributes = GetFileAttributesW(NativePath(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    return false;
  }
  const HANDLE file = CreateFileW(NativePath(path).c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  // A file that another program holds open may be written once it lets go:
  // the move waits for that.
  if (file == INVALID_HANDLE_VALUE) return IsHeldByAnotherProgram(GetLastError());
  CloseHandle(file);
  return true;
}

bool MoveFileReplacing(const char* from, const char* to) {
  const std::wstring source = NativePath(from).native(), target = NativePath(to).native();
  for (int attempt = 0;; ++attempt) {
    // Replacing an existing file keeps its attributes and permissions:
    // ReplaceFileW merges them, and the attributes are set on the new file
    // beforehand for systems whose ReplaceFileW does not (Wine).
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool replacing =
        attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    const DWORD kept = replacing ? attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                                 FILE_ATTRIBUTE_ARCHIVE |
                                                 FILE_ATTRIBUTE_NOT_CONTENT_INDEXED)
                                 : 0;
    if (kept != 0 && attempt == 0) SetFileAttributesW(source.c_str(), kept);
    const BOOL moved =
        replacing ? ReplaceFileW(target.c_str(), source.c_str(), nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS,
                                 nullptr, nullptr)
                  : MoveFileExW(source.c_str(), target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (moved) return true;
    DWORD error = GetLastError();
    // A file system that cannot replace so (some network shares) still moves.
    if (replacing && !IsHeldByAnotherProgram(error) && error != ERROR_ACCESS_DENIED) {
      if (MoveFileExW(source.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
      }
      error = GetLastError();
    }
    if (!MayPassByWaiting(error, target) || attempt == kMoveAttempts - 1) {
      errno = ErrnoOfMoveError(error);
      return false;
    }
    Sleep(kMoveRetryMilliseconds);
  }
}

MoveOutcome MoveFileIfAbsent(const char* from, const char* to) {
  if (MoveFileExW(NativePath(from).c_str(), NativePath(to).c_str(), MOVEFILE_WRITE_THROUGH)) {
    return kMoved;
  }
  const DWORD error = GetLastError();
  errno = ErrnoOfMoveError(error);
  return errno == EEXIST ? kMoveTargetExists : kMoveFailed;
}

bool RemoveFile(const char* path) { return _wremove(NativePath(path).c_str()) == 0; }

long CurrentProcessId() { return _getpid(); }

#else

std::FILE* CreateNewFile(const char* path, const char* permissionsOf) {
  const int descriptor = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (descriptor < 0) return nullptr;
  struct stat old;
  if (permissionsOf && stat(permissionsOf, &old) == 0) {
    fchmod(descriptor, old.st_mode & 07777);
  }
  std::FILE* file = fdopen(descriptor, "wb");
  if (!file) close(descriptor);
  return file;
}

bool CanWriteFile(const char* path) {
  const int descriptor = open(path, O_WRONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  close(descriptor);
  return true;
}

bool MoveFileReplacing(const char* from, const char* to) { return rename(from, to) == 0; }

MoveOutcome MoveFileIfAbsent(const char* from, const char* to) {
  // A second name for the file, made only where none exists, then the first
  // name dropped: no moment at which |to| is replaced.
  if (link(from, to) == 0) {
    unlink(from);
    return kMoved;
  }
  if (errno == EEXIST) return kMoveTargetExists;
  // File systems without hard links (FAT, some network and in-memory ones):
  // the best left is to look first.
  struct stat existing;
  if (lstat(to, &existing) == 0) return kMoveTargetExists;
  return rename(from, to) == 0 ? kMoved : kMoveFailed;
}

bool RemoveFile(const char* path) { return unlink(path) == 0; }

long CurrentProcessId() { return static_cast<long>(getpid()); }

#endif
