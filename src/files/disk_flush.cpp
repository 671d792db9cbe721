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

#include <string>

#include "files/sibling_path.h"

bool FlushFileToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  while (fsync(fileno(file)) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

bool FlushFolderToDisk(const char* path) {
  const std::size_t nameStart = FileNameStart(path);
  const std::string folder = nameStart == 0 ? "." : std::string(path, nameStart);
  const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return false;
  int result = fsync(descriptor);
  while (result != 0 && errno == EINTR) result = fsync(descriptor);
  const int error = errno;
  close(descriptor);
  errno = error;
  return result == 0 || errno == EINVAL;
}

#endif
