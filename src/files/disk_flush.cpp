#include "files/disk_flush.h"

#include <errno.h>

#ifdef _WIN32

#include <io.h>
#include <windows.h>

bool FlushFileToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle)) return true;
  errno = EIO;
  return false;
}

bool FlushFolderToDisk(const char* /*path*/) { return true; }

#else

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

bool FlushFileToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  while (fsync(fileno(file)) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

bool FlushFolderToDisk(const char* path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  const int descriptor =
      open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  // A folder that may be written but not read cannot be opened to flush.
  if (descriptor < 0) return errno == EACCES;
  int result = fsync(descriptor);
  while (result != 0 && errno == EINTR) result = fsync(descriptor);
  const int error = errno;
  close(descriptor);
  errno = error;
  return result == 0 || errno == EINVAL;
}

#endif
