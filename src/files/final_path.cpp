#include "files/final_path.h"

#include <errno.h>

#include <filesystem>
#include <system_error>

#include "files/native_path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

bool MayFollowLink(const LinkOwners& link) {
  const unsigned kSticky = 01000, kOthersWrite = 0002;
  const bool shared = (link.folderMode & kSticky) && (link.folderMode & kOthersWrite);
  return !shared || link.linkOwner == link.folderOwner || link.linkOwner == link.follower;
}

#ifdef _WIN32

bool ResolveFinalPath(const char* path, std::string& finalPath) {
  finalPath = path;
  const HANDLE file = CreateFileW(NativePath(path).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return true;
  // The longest path Windows has (32767 characters) fits.
  std::wstring resolved(32768, L'\0');
  const DWORD length = GetFinalPathNameByHandleW(file, &resolved[0],
                                                 static_cast<DWORD>(resolved.size()),
                                                 FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  CloseHandle(file);
  // Where the system cannot tell (Wine cannot for long paths), the path
  // itself is the best left: a link there is then replaced, not followed.
  if (length == 0 || length >= resolved.size()) return true;
  resolved.resize(length);
  finalPath = Utf8Path(std::filesystem::path(resolved));
  return true;
}

#else

namespace {

// As many links as a path may pass through before it counts as a loop.
const int kMaxLinkHops = 40;

// Whether the link at |link| may be followed by this process, as the
// kernel's protected_symlinks rule has it.
bool IsLinkTrusted(const std::filesystem::path& link) {
  struct stat linkStatus, folderStatus;
  const std::filesystem::path folder = link.has_parent_path() ? link.parent_path() : ".";
  if (lstat(link.c_str(), &linkStatus) != 0 || stat(folder.c_str(), &folderStatus) != 0) {
    return true;  // what cannot be examined fails on the way anyway
  }
  return MayFollowLink({linkStatus.st_uid, folderStatus.st_uid,
                        static_cast<unsigned>(folderStatus.st_mode), geteuid()});
}

}  // namespace

bool ResolveFinalPath(const char* path, std::string& finalPath) {
  namespace fs = std::filesystem;
  fs::path target = path;
  for (int hops = 0;; ++hops) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(target, error))) break;
    if (hops == kMaxLinkHops) {
      errno = ELOOP;
      return false;
    }
    if (!IsLinkTrusted(target)) {
      errno = EACCES;
      return false;
    }
    const fs::path link = fs::read_symlink(target, error);
    if (error) {
      errno = ELOOP;
      return false;
    }
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  finalPath = target.string();
  return true;
}

#endif
