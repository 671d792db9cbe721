#include "files/output_file.h"

#include <errno.h>

#ifndef _WIN32
#include <sys/uio.h>
#endif

#include <filesystem>
#include <string>
#include <system_error>

#include "files/disk_flush.h"
#include "files/file_moves.h"
#include "files/final_path.h"
#include "files/interrupted_write.h"
#include "files/native_path.h"

namespace fs = std::filesystem;

namespace {

std::FILE* CreateTemporaryFile(const fs::path& target, const char* permissionsOf,
                               std::string& temporaryPath) {
  const std::string stem = "~qd" + std::to_string(CurrentProcessId()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporaryPath =
        Utf8Path(target.parent_path() / (stem + std::to_string(attempt) + ".tmp"));
    if (std::FILE* file = CreateNewFile(temporaryPath.c_str(), permissionsOf)) return file;
    const int createError = errno;
    std::error_code error;
    const bool taken = fs::exists(fs::symlink_status(NativePath(temporaryPath.c_str()), error));
    errno = createError;
    if (!taken) break;
  }
  temporaryPath.clear();
  return nullptr;
}

}  // namespace

bool BeginOutputFile(const char* path, OutputFile& file) {
  file.stream = nullptr;
  file.temporaryPath.clear();
  file.error = 0;
  file.linkRefused = false;
  if (!ResolveFinalPath(path, file.targetPath)) {
    file.error = errno;
    file.linkRefused = errno == EACCES;
    return false;
  }
  const fs::path target = NativePath(file.targetPath.c_str());

  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  errno = EIO;
  // Why the path could not be examined, when the library says it in errno's
  // terms (a folder on the way that may not be searched: EACCES).
  const std::error_condition reason = error.default_error_condition();
  if (error && reason.category() == std::generic_category()) errno = reason.value();
  switch (status.type()) {
    case fs::file_type::not_found:
      file.stream = CreateTemporaryFile(target, nullptr, file.temporaryPath);
      break;
    case fs::file_type::regular:
      if (CanWriteFile(file.targetPath.c_str())) {
        file.stream =
            CreateTemporaryFile(target, file.targetPath.c_str(), file.temporaryPath);
      } else {
        errno = EACCES;
      }
      break;
    case fs::file_type::directory:
      errno = EISDIR;
      break;
    case fs::file_type::none:
    case fs::file_type::unknown:
      break;
    default:  // a device, a pipe or a socket: no file to replace
      file.stream = OpenFile(file.targetPath.c_str(), "wb");
      break;
  }
  if (!file.stream) file.error = errno;
  if (!file.temporaryPath.empty()) RemoveOnInterrupt(file.temporaryPath.c_str());
  return file.stream != nullptr;
}

#ifdef _WIN32

bool WriteOutputPieces(OutputFile& file, const OutputPiece* pieces, std::size_t count) {
  // Small pieces are gathered in the stream's buffer, made large enough for
  // a few writes in all (nothing has gone through the stream before).
  std::setvbuf(file.stream, nullptr, _IOFBF, 1 << 16);
  for (std::size_t k = 0; k < count; ++k) {
    if (std::fwrite(pieces[k].bytes, 1, pieces[k].size, file.stream) != pieces[k].size) {
      file.error = errno;
      return false;
    }
  }
  return true;
}

#else

bool WriteOutputPieces(OutputFile& file, const OutputPiece* pieces, std::size_t count) {
  if (std::fflush(file.stream) != 0) {
    file.error = errno;
    return false;
  }
  const int descriptor = fileno(file.stream);
  const std::size_t kMostAtOnce = 1024;  // IOV_MAX on Linux
  struct iovec vectors[kMostAtOnce];
  std::size_t next = 0;
  std::size_t doneOfNext = 0;  // bytes of pieces[next] already written
  while (next < count) {
    std::size_t used = 0;
    for (std::size_t k = next; k < count && used < kMostAtOnce; ++k, ++used) {
      const std::size_t skip = k == next ? doneOfNext : 0;
      vectors[used].iov_base = const_cast<char*>(static_cast<const char*>(pieces[k].bytes) + skip);
      vectors[used].iov_len = pieces[k].size - skip;
    }
    const ssize_t written = writev(descriptor, vectors, static_cast<int>(used));
    if (written < 0) {
      if (errno == EINTR) continue;
      file.error = errno;
      return false;
    }
    // Step past what was written, which may end inside a piece.
    std::size_t left = static_cast<std::size_t>(written);
    while (next < count && left >= pieces[next].size - doneOfNext) {
      left -= pieces[next].size - doneOfNext;
      doneOfNext = 0;
      ++next;
    }
    doneOfNext += left;
    if (written == 0 && next < count) {
      file.error = EIO;  // a write that takes nothing would never end
      return false;
    }
  }
  return true;
}

#endif

bool IsPathTaken(const char* path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(NativePath(path), error));
}

CommitOutcome CommitOutputFile(OutputFile& file, ExistingTarget existing) {
  // A write that failed earlier set errno; a flush or close that fails now
  // sets it anew.
  file.error = errno != 0 ? errno : EIO;
  bool written = std::fflush(file.stream) == 0 && !std::ferror(file.stream);
  if (!written) file.error = errno;
  // The bytes reach the disk before they may replace anything.
  if (written && !file.temporaryPath.empty() && !FlushFileToDisk(file.stream)) {
    written = false;
    file.error = errno;
  }
  if (std::fclose(file.stream) != 0 && written) {
    written = false;
    file.error = errno;
  }
  file.stream = nullptr;
  if (file.temporaryPath.empty()) return written ? kCommitted : kCommitFailed;

  CommitOutcome outcome = kCommitFailed;
  if (written && existing == kReplaceExistingTarget) {
    if (MoveFileReplacing(file.temporaryPath.c_str(), file.targetPath.c_str())) {
      outcome = kCommitted;
    } else {
      file.error = errno;
    }
  } else if (written) {
    switch (MoveFileIfAbsent(file.temporaryPath.c_str(), file.targetPath.c_str())) {
      case kMoved: outcome = kCommitted; break;
      case kMoveTargetExists: outcome = kCommitTargetExists; break;
      case kMoveFailed: file.error = errno; break;
    }
  }
  if (outcome != kCommitted) RemoveFile(file.temporaryPath.c_str());
  ForgetOnInterrupt();
  file.temporaryPath.clear();
  if (outcome == kCommitted && !FlushFolderToDisk(file.targetPath.c_str())) {
    outcome = kCommitFailed;
    file.error = errno;
  }
  return outcome;
}

void AbandonOutputFile(OutputFile& file) {
  std::fclose(file.stream);
  file.stream = nullptr;
  if (!file.temporaryPath.empty()) RemoveFile(file.temporaryPath.c_str());
  ForgetOnInterrupt();
  file.temporaryPath.clear();
}
