#include "files/whole_file.h"

#include "buffer/populate_memory.h"
#include "files/native_path.h"

#include <errno.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <sys/types.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Reads are made in pieces of at most this many bytes.
const std::size_t kReadPiece = 1 << 20;

#ifdef _WIN32

int OpenForReading(const char* path) {
  const int descriptor = _wopen(NativePath(path).c_str(), _O_RDONLY | _O_BINARY);
  // Windows refuses to open a folder as a file at all, as "access denied".
  if (descriptor < 0 && errno == EACCES) {
    struct _stat64 status;
    const bool folder = _wstat64(NativePath(path).c_str(), &status) == 0 &&
                        (status.st_mode & _S_IFMT) == _S_IFDIR;
    errno = folder ? EISDIR : EACCES;
  }
  return descriptor;
}

// The file's size when it is a regular file, 0 otherwise; false for a folder.
bool ExpectedSize(int descriptor, std::uint64_t& size) {
  struct _stat64 status;
  size = 0;
  if (_fstat64(descriptor, &status) != 0) return true;
  if ((status.st_mode & _S_IFMT) == _S_IFDIR) return false;
  if ((status.st_mode & _S_IFMT) == _S_IFREG) size = static_cast<std::uint64_t>(status.st_size);
  return true;
}

// What is at |path|: 'f' a regular file, 'd' a folder, 'o' anything else,
// 0 nothing that can be seen.
char KindAtPath(const char* path) {
  struct _stat64 status;
  if (_wstat64(NativePath(path).c_str(), &status) != 0) return 0;
  if ((status.st_mode & _S_IFMT) == _S_IFREG) return 'f';
  return (status.st_mode & _S_IFMT) == _S_IFDIR ? 'd' : 'o';
}

// Bytes read, 0 at the end, -1 on an error.
long ReadPiece(int descriptor, unsigned char* into, std::size_t count) {
  return _read(descriptor, into, static_cast<unsigned>(count));
}

void CloseDescriptor(int descriptor) { _close(descriptor); }

// Standard input is opened in text mode, which would drop CRs and stop at 0x1A.
void ReadRawBytes(int descriptor) { _setmode(descriptor, _O_BINARY); }

#else

int OpenForReading(const char* path) { return open(path, O_RDONLY | O_CLOEXEC); }

bool ExpectedSize(int descriptor, std::uint64_t& size) {
  struct stat status;
  size = 0;
  if (fstat(descriptor, &status) != 0) return true;
  if (S_ISDIR(status.st_mode)) return false;
  if (S_ISREG(status.st_mode)) size = static_cast<std::uint64_t>(status.st_size);
  return true;
}

char KindAtPath(const char* path) {
  struct stat status;
  if (stat(path, &status) != 0) return 0;
  if (S_ISREG(status.st_mode)) return 'f';
  return S_ISDIR(status.st_mode) ? 'd' : 'o';
}

long ReadPiece(int descriptor, unsigned char* into, std::size_t count) {
  for (;;) {
    const ssize_t got = read(descriptor, into, count);
    if (got >= 0 || errno != EINTR) return static_cast<long>(got);
  }
}

void CloseDescriptor(int descriptor) { close(descriptor); }

void ReadRawBytes(int /*descriptor*/) {}

#endif

// Read what |descriptor| holds; it stays open.
WholeFileOutcome ReadWholeDescriptor(int descriptor, std::uint64_t maxSize,
                                     ByteBuffer& bytes, std::size_t spare) {
  std::uint64_t expected = 0;
  if (!ExpectedSize(descriptor, expected)) {
    errno = EISDIR;
    return kWholeFileNotOpened;
  }
  // One byte past the maximum tells a file that is too large from one that
  // is just large enough.
  const std::uint64_t limit = maxSize + 1;
  WholeFileOutcome outcome = kWholeFileRead;
  if (expected > maxSize) {
    outcome = kWholeFileTooLarge;
  } else {
    // A regular file is read into room for its size and one byte more (the
    // read that finds the end); a file that grows meanwhile still works.
    const std::size_t first = static_cast<std::size_t>(expected + 1 < limit ? expected + 1 : limit);
    bytes.reserve(first + spare);
    bytes.resize(first);
    PopulateMemory(bytes.data(), first);
    std::size_t length = 0;
    for (;;) {
      if (length == bytes.size()) {
        if (bytes.size() == limit) {
          outcome = kWholeFileTooLarge;
          break;
        }
        const std::uint64_t grown = 2 * static_cast<std::uint64_t>(bytes.size()) + 4096;
        bytes.resize(static_cast<std::size_t>(grown < limit ? grown : limit));
      }
      std::size_t room = bytes.size() - length;
      if (room > kReadPiece) room = kReadPiece;
      const long got = ReadPiece(descriptor, bytes.data() + length, room);
      if (got < 0) {
        outcome = kWholeFileReadFailed;
        break;
      }
      if (got == 0) break;
      length += static_cast<std::size_t>(got);
    }
    bytes.resize(length);
    if (outcome == kWholeFileRead) bytes.reserve(length + spare);
  }
  if (outcome != kWholeFileRead) {
    bytes.clear();
    bytes.shrink_to_fit();
  }
  return outcome;
}

}  // namespace

WholeFileOutcome ReadWholeFile(const char* path, std::uint64_t maxSize,
                               ByteBuffer& bytes, std::size_t spare) {
  bytes.clear();
  const int descriptor = OpenForReading(path);
  if (descriptor < 0) return kWholeFileNotOpened;
  const WholeFileOutcome outcome = ReadWholeDescriptor(descriptor, maxSize, bytes, spare);
  const int readError = errno;
  CloseDescriptor(descriptor);
  errno = readError;
  return outcome;
}

WholeFileOutcome ReadWholeRegularFile(const char* path, std::uint64_t maxSize,
                                      ByteBuffer& bytes) {
  bytes.clear();
  switch (KindAtPath(path)) {
    case 'f':
      return ReadWholeFile(path, maxSize, bytes, 0);
    case 'd':
      errno = EISDIR;
      break;
    case 'o':
      errno = EINVAL;
      break;
    default:
      errno = ENOENT;
      break;
  }
  return kWholeFileNotOpened;
}

WholeFileOutcome ReadWholeStandardInput(std::uint64_t maxSize, ByteBuffer& bytes,
                                        std::size_t spare) {
  bytes.clear();
  ReadRawBytes(0);
  return ReadWholeDescriptor(0, maxSize, bytes, spare);
}
