// A database path that is a symbolic link in a shared folder such as /tmp
// (sticky, writable by every user): the run follows it only as the kernel's
// protected_symlinks rule would, so that a link planted by another user
// cannot make it overwrite a file of its own user's.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "console_texts.h"
#include "converter_process.h"
#include "test_files.h"

namespace {

const char kCapitals[] = "Capitals\nFrance?\nParis\nSpain?\nMadrid";
const unsigned kNobody = 65534;

struct LinkCase {
  const char* name;
  unsigned linkOwner;  // the folder is root's
  bool asNobody;       // the run's user, root otherwise
  bool followed;
};

TEST(SharedFolderTest, ALinkIsFollowedOnlyAsTheKernelWouldFollowIt) {
  if (IsWindowsRun()) GTEST_SKIP() << "POSIX's links and owners";
  if (geteuid() != 0) GTEST_SKIP() << "needs root, to make files of a second user";
  const LinkCase cases[] = {
      {"another user's link", kNobody, false, false},
      {"the folder owner's link", 0, true, true},
      {"the user's own link", kNobody, true, true},
  };
  for (const LinkCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string folder = MakeScratchFolder();
    ASSERT_EQ(chmod(folder.c_str(), 01777), 0);
    WriteFileBytes(folder + "/quiz.txt", kCapitals);
    WriteFileBytes(folder + "/target.pdb", "precious");
    ASSERT_EQ(chmod((folder + "/quiz.txt").c_str(), 0644), 0);
    ASSERT_EQ(symlink("target.pdb", (folder + "/quiz.pdb").c_str()), 0);
    ASSERT_EQ(lchown((folder + "/quiz.pdb").c_str(), c.linkOwner, c.linkOwner), 0);
    if (c.asNobody) {
      ASSERT_EQ(chown((folder + "/target.pdb").c_str(), kNobody, kNobody), 0);
    }
    RunOptions options;
    options.unprivileged = c.asNobody;
    const ConverterRun run = RunConverter(folder, {"quiz.txt"}, options);
    struct stat link;
    ASSERT_EQ(lstat((folder + "/quiz.pdb").c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode)) << "the link stays";
    if (c.followed) {
      EXPECT_EQ(run.exitStatus, 0) << run.console << run.errors;
      EXPECT_EQ(ReadFileBytes(folder + "/target.pdb"), ReadHexFixture("capitals.pdb.hex"));
    } else {
      EXPECT_EQ(run.exitStatus, 1);
      EXPECT_EQ(run.console, kFixedBlock + "Could not open output file\n");
      EXPECT_EQ(run.errors,
                Hint("\"quiz.pdb\" is a symbolic link that another user made in a folder that "
                     "every user may write to: it is not followed, as the system follows no "
                     "such link; remove it, or write in a folder of your own"));
      EXPECT_EQ(ReadFileBytes(folder + "/target.pdb"), "precious");
    }
    RemoveScratchFolder(folder);
  }
}

}  // namespace
