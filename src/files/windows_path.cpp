#include "files/windows_path.h"

#include <vector>

namespace {

const std::size_t kLongPathLength = 248;

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool IsDriveLetter(const std::u16string& path) {
  return path.size() >= 2 && path[1] == u':' &&
         ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z'));
}

// The root of |path| ("C:\" or "\\server\share\"), in |root|, and where the
// rest starts; 0 for a path without a root.
std::size_t RootOf(const std::u16string& path, std::u16string& root) {
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    std::size_t end = 2;
    for (int parts = 0; parts < 2 && end < path.size(); ++parts) {
      while (end < path.size() && !IsSeparator(path[end])) ++end;
      if (parts == 0 && end < path.size()) ++end;
    }
    root = u"\\\\" + path.substr(2, end - 2);
    for (char16_t& c : root) c = IsSeparator(c) ? u'\\' : c;
    root += u'\\';
    return end < path.size() ? end + 1 : end;
  }
  if (IsDriveLetter(path) && path.size() >= 3 && IsSeparator(path[2])) {
    root = path.substr(0, 2) + u'\\';
    return 3;
  }
  return 0;
}

// |root| and the names of |rest|, "." and ".." resolved.
std::u16string Joined(const std::u16string& root, const std::vector<std::u16string>& names) {
  std::u16string joined = root;
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (k > 0) joined += u'\\';
    joined += names[k];
  }
  return joined;
}

void AddNames(const std::u16string& text, std::size_t start, std::vector<std::u16string>& names) {
  std::u16string name;
  for (std::size_t i = start; i <= text.size(); ++i) {
    if (i < text.size() && !IsSeparator(text[i])) {
      name += text[i];
      continue;
    }
    if (name == u"..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != u".") {
      names.push_back(name);
    }
    name.clear();
  }
}

}  // namespace

std::u16string AbsoluteWindowsPath(const std::u16string& currentFolder,
                                   const std::u16string& path) {
  std::u16string root, currentRoot;
  std::vector<std::u16string> names;
  const std::size_t currentRest = RootOf(currentFolder, currentRoot);
  std::size_t rest = RootOf(path, root);
  if (rest == 0) {
    if (!path.empty() && IsSeparator(path[0])) {  // "\x": the current drive's root
      root = currentRoot;
      rest = 1;
    } else if (IsDriveLetter(path) && (currentFolder.compare(0, 2, path, 0, 2) != 0)) {
      root = path.substr(0, 2) + u'\\';  // "D:x" elsewhere: D:'s root
      rest = 2;
    } else {
      root = currentRoot;
      AddNames(currentFolder, currentRest, names);
      rest = IsDriveLetter(path) ? 2 : 0;
    }
  }
  AddNames(path, rest, names);
  return Joined(root, names);
}

bool NeedsExtendedPrefix(const std::u16string& absolutePath) {
  if (absolutePath.size() >= kLongPathLength) return true;
  for (std::size_t i = 0; i < absolutePath.size(); ++i) {
    const bool nameEnds = i + 1 == absolutePath.size() || IsSeparator(absolutePath[i + 1]);
    if (nameEnds && (absolutePath[i] == u' ' || absolutePath[i] == u'.')) return true;
  }
  return false;
}

std::u16string WithExtendedPrefix(const std::u16string& absolutePath) {
  if (absolutePath.size() >= 2 && absolutePath[0] == u'\\' && absolutePath[1] == u'\\') {
    return u"\\\\?\\UNC\\" + absolutePath.substr(2);
  }
  return u"\\\\?\\" + absolutePath;
}
