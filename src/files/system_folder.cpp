#include "files/system_folder.h"

#include <filesystem>
#include <system_error>

#include "files/native_path.h"

namespace fs = std::filesystem;

namespace {

bool IsInFolder(const std::string& path, const std::string& folder) {
  return path.compare(0, folder.size(), folder) == 0 &&
         (path.size() == folder.size() || path[folder.size()] == '/');
}

}  // namespace

bool IsSystemFolder(const std::string& folder, bool besideAFile) {
  if (folder == "/dev" || IsInFolder(folder, "/proc")) return true;
  return !besideAFile && IsInFolder(folder, "/dev");
}

#ifdef _WIN32

bool IsWrittenBesideADevice(const char* /*inputPath*/, const char* /*outputPath*/) {
  return false;
}

#else

bool IsWrittenBesideADevice(const char* inputPath, const char* outputPath) {
  std::error_code error;
  const bool besideAFile = fs::is_regular_file(fs::status(NativePath(inputPath), error));
  const fs::path folder = fs::absolute(NativePath(outputPath), error).parent_path();
  const fs::path resolved = fs::weakly_canonical(folder, error);
  return IsSystemFolder(error ? folder.lexically_normal().string() : resolved.string(),
                        besideAFile);
}

#endif
