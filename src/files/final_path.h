// Where a path finally leads, as the system would follow it: the target of
// writing a file whole (output_file.h) is the file its symbolic links lead
// to, and the links on the way are followed only as the kernel would follow
// them. Paths are UTF-8 (native_path.h).
#ifndef QDCONV_FILES_FINAL_PATH_H_
#define QDCONV_FILES_FINAL_PATH_H_

#include <string>

// The path that |path| finally leads to, every symbolic link followed, the
// last one included even when what it names does not exist yet (POSIX). On
// Windows the file is opened and asked for its final path, which follows
// symbolic links and junctions alike (and, under Wine, POSIX links); a path
// that names no file yet, or whose final path the system cannot tell, is its
// own final path there. False when the links cannot be followed: a loop or a
// link that cannot be read (errno ELOOP), or a link that the kernel's
// protected_symlinks rule would not follow (MayFollowLink; errno EACCES).
bool ResolveFinalPath(const char* path, std::string& finalPath);

// Who owns a link and its folder, the folder's mode bits, and who would
// follow the link (POSIX user IDs).
struct LinkOwners {
  unsigned linkOwner;
  unsigned folderOwner;
  unsigned folderMode;
  unsigned follower;
};

// The kernel's protected_symlinks rule, which a path resolved by hand must
// keep as the kernel would: a link in a sticky folder that everybody may
// write to (/tmp) is followed only when it belongs to the folder's owner or
// to the one who follows it. Another user's link planted there would
// otherwise make the run overwrite any file its user may write.
bool MayFollowLink(const LinkOwners& link);

#endif  // QDCONV_FILES_FINAL_PATH_H_
