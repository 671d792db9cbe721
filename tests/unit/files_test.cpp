// The file system seam on the platform it is built for: the same table of
// cases runs natively and, built for Windows, under Wine.
#include <errno.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "buffer/populate_memory.h"
#include "files/file_moves.h"
#include "files/final_path.h"
#include "files/interrupted_write.h"
#include "files/native_path.h"
#include "files/output_file.h"
#include "files/system_folder.h"
#include "files/whole_file.h"
#include "files/windows_path.h"
#include "files/wtf8.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <thread>
#endif

namespace {

namespace fs = std::filesystem;

bool IsWine() {
#ifdef _WIN32
  const HMODULE system = GetModuleHandleW(L"ntdll.dll");
  return system && GetProcAddress(system, "wine_get_version");
#else
  return false;
#endif
}

class FilesTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
    // Wine gives its processes the same few numbers run after run: the time
    // tells this run's folder from one an earlier run could not remove.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    folder_ = (fs::temp_directory_path() / ("qdconv_" + test + "_" +
                                            std::to_string(CurrentProcessId()) + "_" +
                                            std::to_string(now)))
                  .string();
    ASSERT_TRUE(fs::create_directories(folder_));
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(Path("readonly.pdb"), fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(folder_, ignored);
  }

  std::string Path(const std::string& name) const { return folder_ + "/" + name; }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary | std::ios::trunc) << bytes;
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string folder_;
};

TEST_F(FilesTest, ReadWholeFileReadsEveryByteUpToItsLimit) {
  const std::string bytes = "Quiz\r\nQ?\x1A\0A" + std::string(70000, 'x');
  Write("quiz.txt", bytes);
  Write("empty.txt", "");
  fs::create_directory(Path("folder.txt"));
  const struct {
    const char* name;
    std::uint64_t limit;
    WholeFileOutcome outcome;
    std::string bytes;
    int error;  // errno after a file that is not opened
    std::size_t spare;  // room asked for after the bytes
  } cases[] = {
      {"quiz.txt", bytes.size(), kWholeFileRead, bytes, 0, 0},
      {"quiz.txt", bytes.size(), kWholeFileRead, bytes, 0, 75080},
      {"quiz.txt", bytes.size() - 1, kWholeFileTooLarge, "", 0, 75080},
      {"empty.txt", 0, kWholeFileRead, "", 0, 100},
      {"missing.txt", 100, kWholeFileNotOpened, "", ENOENT, 0},
      {"folder.txt", 100, kWholeFileNotOpened, "", EISDIR, 0},
  };
  for (const auto& c : cases) {
    ByteBuffer read = {'o', 'l', 'd'};
    errno = 0;
    EXPECT_EQ(ReadWholeFile(Path(c.name).c_str(), c.limit, read, c.spare), c.outcome) << c.name;
    EXPECT_EQ(std::string(read.begin(), read.end()), c.bytes) << c.name;
    if (c.outcome == kWholeFileRead) {
      EXPECT_GE(read.capacity(), read.size() + c.spare) << c.name;
    }
    if (c.outcome == kWholeFileNotOpened) {
      EXPECT_EQ(errno, c.error) << c.name;
    }
  }
}

// A stream that never says how long it is (a pipe, a device) is read no
// further than one byte past the limit; one within it is read whole, with
// the room asked for after it.
TEST_F(FilesTest, ReadWholeFileStopsAStreamPastItsLimit) {
#ifdef _WIN32
  GTEST_SKIP() << "named pipes in the file system are POSIX's";
#else
  std::signal(SIGPIPE, SIG_IGN);  // the writer learns that its reader is gone by EPIPE
  for (const std::uint64_t limit : {std::uint64_t{10000}, std::uint64_t{1} << 20}) {
    const std::string name = "pipe" + std::to_string(limit) + ".txt";
    ASSERT_EQ(mkfifo(Path(name).c_str(), 0600), 0);
    std::thread writer([this, name] {
      std::FILE* pipe = std::fopen(Path(name).c_str(), "wb");
      const std::string chunk(4096, 'x');
      for (int k = 0; k < 64 && std::fwrite(chunk.data(), 1, chunk.size(), pipe) == chunk.size();
           ++k) {
      }
      std::fclose(pipe);
    });
    ByteBuffer read;
    if (limit < 64 * 4096) {
      EXPECT_EQ(ReadWholeFile(Path(name).c_str(), limit, read), kWholeFileTooLarge);
      EXPECT_TRUE(read.empty());
    } else {
      EXPECT_EQ(ReadWholeFile(Path(name).c_str(), limit, read, 75080), kWholeFileRead);
      EXPECT_EQ(read.size(), 64u * 4096);
      EXPECT_GE(read.capacity(), read.size() + 75080);
    }
    // The writer ends once its reader is gone.
    writer.join();
  }
#endif
}

// Memory about to be read into is given its pages at once where the system
// can (Linux); elsewhere, and on any part of a page, it stays as it was.
TEST(PopulateMemoryTest, TheBytesStayAndThePagesAreThere) {
  const std::size_t page = 4096;
  std::vector<unsigned char> bytes(10 * page + 100);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 7);
  const std::vector<unsigned char> before = bytes;
  PopulateMemory(bytes.data() + 1, bytes.size() - 1);
  PopulateMemory(bytes.data() + 5, 10);
  PopulateMemory(bytes.data(), 0);
  EXPECT_EQ(bytes, before);
#if defined(__linux__)
  // Fresh memory, not yet touched: none of it is there before, all after.
  const std::size_t size = 16 * page;
  void* fresh = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(fresh, MAP_FAILED);
  std::vector<unsigned char> resident(size / page);
  ASSERT_EQ(mincore(fresh, size, resident.data()), 0);
  EXPECT_EQ(std::count(resident.begin(), resident.end(), 0), 16);
  PopulateMemory(static_cast<unsigned char*>(fresh), size);
  ASSERT_EQ(mincore(fresh, size, resident.data()), 0);
  for (const unsigned char there : resident) EXPECT_EQ(there & 1, 1);
  munmap(fresh, size);
#endif
}

TEST(WindowsPathTest, AbsoluteByTheTextAlone) {
  const struct {
    std::u16string current, path, absolute;
  } cases[] = {
      {u"C:\\Users\\ann", u"quiz.txt", u"C:\\Users\\ann\\quiz.txt"},
      {u"C:\\Users\\ann", u"..\\bob/./q.txt", u"C:\\Users\\bob\\q.txt"},
      {u"C:\\Users\\ann", u"..\\..\\..\\q.txt", u"C:\\q.txt"},
      {u"C:\\Users\\ann", u"Year 7.\\quiz .txt", u"C:\\Users\\ann\\Year 7.\\quiz .txt"},
      {u"C:\\Users\\ann", u"D:\\x\\.\\y", u"D:\\x\\y"},
      {u"C:\\Users\\ann", u"/x/y", u"C:\\x\\y"},
      {u"C:\\Users\\ann", u"C:quiz.txt", u"C:\\Users\\ann\\quiz.txt"},
      {u"C:\\Users\\ann", u"D:quiz.txt", u"D:\\quiz.txt"},
      {u"C:\\", u"quiz.txt", u"C:\\quiz.txt"},
      {u"C:\\Users\\ann", u"\\\\srv\\share\\a\\..\\b", u"\\\\srv\\share\\b"},
      {u"\\\\srv\\share\\d", u"q.txt", u"\\\\srv\\share\\d\\q.txt"},
      {u"\\\\srv\\share\\d", u"..\\..\\q.txt", u"\\\\srv\\share\\q.txt"},
      {u"\\\\srv\\share\\d", u"\\q.txt", u"\\\\srv\\share\\q.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(AbsoluteWindowsPath(c.current, c.path) == c.absolute)
        << Wtf8OfUtf16(c.path) << " gives " << Wtf8OfUtf16(AbsoluteWindowsPath(c.current, c.path));
  }
}

// The prefix where Windows' calls would cut a name or stop at the length.
TEST(WindowsPathTest, PrefixWhereTheCallsNeedIt) {
  const std::u16string deep = u"C:\\" + std::u16string(120, u'f') + u"\\" +
                              std::u16string(130, u'g');
  const std::u16string deepShare = u"\\\\srv\\share\\" + std::u16string(240, u'h');
  const struct {
    std::u16string path, native;
  } cases[] = {
      {u"C:\\Users\\first.last\\quiz.txt", u""},
      {u"C:\\" + std::u16string(244, u'a'), u""},  // 247 characters
      {u"C:\\" + std::u16string(245, u'a'), u"\\\\?\\C:\\" + std::u16string(245, u'a')},
      {u"C:\\Year 7.\\quiz.txt", u"\\\\?\\C:\\Year 7.\\quiz.txt"},
      {u"C:\\dir\\quiz ", u"\\\\?\\C:\\dir\\quiz "},
      {deep, u"\\\\?\\" + deep},
      {deepShare, u"\\\\?\\UNC\\srv\\share\\" + std::u16string(240, u'h')},
      {u"\\\\srv\\share\\dot.\\q", u"\\\\?\\UNC\\srv\\share\\dot.\\q"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NeedsExtendedPrefix(c.path), !c.native.empty()) << Wtf8OfUtf16(c.path);
    if (!c.native.empty()) {
      EXPECT_TRUE(WithExtendedPrefix(c.path) == c.native)
          << Wtf8OfUtf16(WithExtendedPrefix(c.path));
    }
  }
}

// A name Windows allows, lone surrogates included, comes back unit for unit.
TEST(Wtf8Test, EveryNameComesBackWhole) {
  const struct {
    std::u16string units;
    std::string wtf8;
  } cases[] = {
      {u"quiz.txt", "quiz.txt"},
      {u"\u00C9conomie \u2013 \u65E5", "\xC3\x89" "conomie \xE2\x80\x93 \xE6\x97\xA5"},
      {u"\U0001F600.txt", "\xF0\x9F\x98\x80.txt"},
      {std::u16string(1, char16_t(0xD800)) + u"a", "\xED\xA0\x80" "a"},
      {u"a" + std::u16string(1, char16_t(0xDFFF)), "a\xED\xBF\xBF"},
      {std::u16string{char16_t(0xDC00), char16_t(0xD800)}, "\xED\xB0\x80\xED\xA0\x80"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Wtf8OfUtf16(c.units), c.wtf8) << c.wtf8;
    EXPECT_TRUE(Utf16OfWtf8(c.wtf8) == c.units) << c.wtf8;
  }
  EXPECT_TRUE(Utf16OfWtf8("a\xFF\xC3") == u"a\uFFFD\uFFFD");
}

TEST(MayFollowLinkTest, AsTheKernelsProtectedSymlinksRule) {
  const unsigned kShared = 01777, kSticky = 01755, kOpen = 0777;
  const struct {
    LinkOwners link;
    bool followed;
  } cases[] = {
      {{1000, 0, kShared, 0}, false},      // another user's link in /tmp
      {{1000, 0, kShared, 1001}, false},
      {{0, 0, kShared, 1000}, true},       // the folder owner's
      {{1000, 0, kShared, 1000}, true},    // the user's own
      {{1000, 0, kSticky, 0}, true},       // not writable by all
      {{1000, 0, kOpen, 0}, true},         // not sticky
      {{1000, 1000, kShared, 0}, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MayFollowLink(c.link), c.followed)
        << c.link.linkOwner << " " << c.link.folderOwner << " " << std::oct
        << c.link.folderMode << std::dec << " " << c.link.follower;
  }
}

TEST(SystemFolderTest, NothingWrittenAmongDevicesAndProcesses) {
  const struct {
    const char* folder;
    bool besideAFile;
    bool system;
  } cases[] = {
      {"/dev", true, true},          {"/dev", false, true},
      {"/proc/123/fd", true, true},  {"/proc", false, true},
      {"/dev/shm", true, false},     {"/dev/shm", false, true},
      {"/devices", false, false},    {"/home/ann/proc", false, false},
      {"/tmp", false, false},        {"/", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsSystemFolder(c.folder, c.besideAFile), c.system)
        << c.folder << " " << c.besideAFile;
  }
#ifndef _WIN32
  EXPECT_TRUE(IsWrittenBesideADevice("/dev/stdin", "/dev/stdin.pdb"));
  EXPECT_TRUE(IsWrittenBesideADevice("/dev/fd/0", "/dev/fd/0.pdb"));
  EXPECT_FALSE(IsWrittenBesideADevice("/dev/stdin", "quiz.pdb"));
#endif
}

// A move that would replace is refused, whatever is at the target; the file
// to be moved stays where it was.
TEST_F(FilesTest, MoveFileIfAbsentNeverReplaces) {
  Write("new.tmp", "new");
  Write("quiz.txt", "the teacher's own");
  EXPECT_EQ(MoveFileIfAbsent(Path("new.tmp").c_str(), Path("quiz.txt").c_str()),
            kMoveTargetExists);
  EXPECT_EQ(Read("quiz.txt"), "the teacher's own");
  EXPECT_EQ(Read("new.tmp"), "new");

  EXPECT_EQ(MoveFileIfAbsent(Path("new.tmp").c_str(), Path("free.txt").c_str()), kMoved);
  EXPECT_EQ(Read("free.txt"), "new");
  EXPECT_EQ(Names(), (std::vector<std::string>{"free.txt", "quiz.txt"}));
}

TEST_F(FilesTest, MoveFileReplacingReplaces) {
  Write("new.tmp", "new");
  Write("quiz.pdb", "old");
  EXPECT_TRUE(MoveFileReplacing(Path("new.tmp").c_str(), Path("quiz.pdb").c_str()));
  EXPECT_EQ(Names(), std::vector<std::string>{"quiz.pdb"});
  EXPECT_EQ(Read("quiz.pdb"), "new");
}

// The pieces of a file reach it in order and whole: more of them than one
// gathering write takes, empty ones among them, and one larger than the rest.
TEST_F(FilesTest, PiecesAreWrittenInOrder) {
  std::vector<std::string> texts;
  for (int k = 0; k < 2500; ++k) texts.push_back(k % 7 == 0 ? "" : "piece " + std::to_string(k));
  texts.push_back(std::string(200000, 'x'));
  std::vector<OutputPiece> pieces;
  std::string whole;
  for (const std::string& text : texts) {
    pieces.push_back({text.data(), text.size()});
    whole += text;
  }
  OutputFile file;
  ASSERT_TRUE(BeginOutputFile(Path("quiz.pdb").c_str(), file));
  ASSERT_TRUE(WriteOutputPieces(file, pieces.data(), pieces.size()));
  ASSERT_EQ(CommitOutputFile(file, kReplaceExistingTarget), kCommitted);
  EXPECT_EQ(Read("quiz.pdb"), whole);
}

// A commit whose move fails leaves the target as it was and removes the
// temporary file: here a folder appears at the target during the write.
TEST_F(FilesTest, AFailedCommitRemovesItsTemporaryFile) {
  for (ExistingTarget existing : {kReplaceExistingTarget, kKeepExistingTarget}) {
    OutputFile file;
    ASSERT_TRUE(BeginOutputFile(Path("quiz.pdb").c_str(), file));
    std::fputs("a whole database", file.stream);
    fs::create_directory(Path("quiz.pdb"));
    EXPECT_NE(CommitOutputFile(file, existing), kCommitted);
    EXPECT_EQ(Names(), std::vector<std::string>{"quiz.pdb"});
    EXPECT_TRUE(fs::is_directory(Path("quiz.pdb")));
    fs::remove(Path("quiz.pdb"));
  }
}

// What a signal handler does on Ctrl-C: the temporary file goes, even while
// it is open (on Windows, once it is closed, as the process ending closes
// it); after the commit nothing is watched any more.
TEST_F(FilesTest, AnInterruptedWriteRemovesItsTemporaryFile) {
  Write("quiz.pdb", "old");
  OutputFile file;
  ASSERT_TRUE(BeginOutputFile(Path("quiz.pdb").c_str(), file));
  std::fputs("half a database", file.stream);
  RemoveInterruptedFile();
  std::fclose(file.stream);
  EXPECT_EQ(Names(), std::vector<std::string>{"quiz.pdb"});
  EXPECT_EQ(Read("quiz.pdb"), "old");
  ForgetOnInterrupt();

  ASSERT_TRUE(BeginOutputFile(Path("quiz.pdb").c_str(), file));
  std::fputs("new", file.stream);
  ASSERT_EQ(CommitOutputFile(file, kReplaceExistingTarget), kCommitted);
  RemoveInterruptedFile();
  EXPECT_EQ(Names(), std::vector<std::string>{"quiz.pdb"});
  EXPECT_EQ(Read("quiz.pdb"), "new");
}

// A replaced database keeps what the teacher set on it.
TEST_F(FilesTest, AReplacedFileKeepsItsAttributes) {
  Write("quiz.pdb", "old");
#ifdef _WIN32
  const std::wstring path = NativePath(Path("quiz.pdb").c_str()).native();
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN) << "kept before";
#else
  ASSERT_EQ(chmod(Path("quiz.pdb").c_str(), 0640), 0);
#endif
  OutputFile file;
  ASSERT_TRUE(BeginOutputFile(Path("quiz.pdb").c_str(), file));
  std::fputs("new", file.stream);
  ASSERT_EQ(CommitOutputFile(file, kReplaceExistingTarget), kCommitted);
  EXPECT_EQ(Read("quiz.pdb"), "new");
#ifdef _WIN32
  EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
#else
  struct stat status;
  ASSERT_EQ(stat(Path("quiz.pdb").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
#endif
}

// A database that another program holds open (the desktop install tool, a
// virus scan) may be written once it lets go: the move waits for it, then
// gives up, leaving both files as they were.
TEST_F(FilesTest, AFileHeldOpenIsWaitedFor) {
#ifndef _WIN32
  GTEST_SKIP() << "POSIX lets a file that is open be replaced";
#else
  Write("quiz.pdb", "old");
  Write("new.tmp", "new");
  const HANDLE held = CreateFileW(NativePath(Path("quiz.pdb").c_str()).c_str(), GENERIC_READ, 0,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(CanWriteFile(Path("quiz.pdb").c_str()));
  errno = 0;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(MoveFileReplacing(Path("new.tmp").c_str(), Path("quiz.pdb").c_str()));
  EXPECT_EQ(errno, EACCES);
  // It waited, trying again, before it gave up.
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  CloseHandle(held);
  EXPECT_EQ(Read("quiz.pdb"), "old");
  EXPECT_TRUE(MoveFileReplacing(Path("new.tmp").c_str(), Path("quiz.pdb").c_str()));
  EXPECT_EQ(Read("quiz.pdb"), "new");
#endif
}

TEST_F(FilesTest, AReadOnlyFileIsNeitherWritableNorReplaced) {
#ifndef _WIN32
  if (geteuid() == 0) GTEST_SKIP() << "root may write anything; the end-to-end tests cover it";
#endif
  Write("readonly.pdb", "old");
  fs::permissions(Path("readonly.pdb"), fs::perms::owner_write | fs::perms::group_write |
                                            fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_FALSE(CanWriteFile(Path("readonly.pdb").c_str()));
  OutputFile file;
  if (BeginOutputFile(Path("readonly.pdb").c_str(), file)) {
    ADD_FAILURE() << "a read-only database would be replaced";
    AbandonOutputFile(file);
  }
  EXPECT_EQ(Names(), std::vector<std::string>{"readonly.pdb"});
  Write("writable.pdb", "old");
  EXPECT_TRUE(CanWriteFile(Path("writable.pdb").c_str()));
}

// Names that Windows' calls would change (a final dot or space dropped) or
// that UTF-8 cannot say (a lone surrogate) are written and read as they are.
TEST_F(FilesTest, EveryNameTheFileSystemTakesIsReached) {
  std::vector<std::string> names = {"quiz.", "quiz ", "Year 7."};
  // Wine keeps names in the Linux file system's UTF-8, which has no word for
  // a lone surrogate; Windows and Linux take it.
  if (!IsWine()) names.push_back("lone \xED\xA0\x80.pdb");
#ifndef _WIN32
  names.push_back("back\\slash.pdb");  // a name on Linux, no folder
#endif
  for (const std::string& name : names) {
    OutputFile file;
    ASSERT_TRUE(BeginOutputFile(Path(name).c_str(), file)) << name;
    std::fputs(name.c_str(), file.stream);
    ASSERT_EQ(CommitOutputFile(file, kReplaceExistingTarget), kCommitted) << name;
    ByteBuffer bytes;
    EXPECT_EQ(ReadWholeFile(Path(name).c_str(), 100, bytes), kWholeFileRead) << name;
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), name);
  }
  std::vector<std::string> listed;
  for (const auto& entry : fs::directory_iterator(NativePath(folder_.c_str()))) {
    listed.push_back(Utf8Path(entry.path().filename()));
  }
  std::sort(listed.begin(), listed.end());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(listed, names);
  // The folder's removal goes by short paths, which cannot name these.
  for (const std::string& name : names) EXPECT_TRUE(RemoveFile(Path(name).c_str())) << name;
}

// Past the old 260-character limit, a path reaches the platform with the
// "\\?\" prefix on Windows, and as it is elsewhere; either way it works.
TEST_F(FilesTest, LongPathsWork) {
  const std::string longName = std::string(120, 'f') + "/" + std::string(120, 'g');
  fs::create_directories(NativePath(Path(longName).c_str()));
  const std::string path = Path(longName + "/quiz.pdb");
#ifdef _WIN32
  EXPECT_EQ(NativePath(path.c_str()).native().rfind(L"\\\\?\\", 0), 0u);
  EXPECT_EQ(NativePath("quiz.pdb").native(), L"quiz.pdb");
#else
  EXPECT_EQ(NativePath(path.c_str()).native(), path);
#endif
  OutputFile file;
  ASSERT_TRUE(BeginOutputFile(path.c_str(), file));
  std::fputs("database", file.stream);
  EXPECT_EQ(CommitOutputFile(file, kReplaceExistingTarget), kCommitted);
  ByteBuffer bytes;
  EXPECT_EQ(ReadWholeFile(path.c_str(), 100, bytes), kWholeFileRead);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "database");
  // The folder's removal walks it by short paths, which Windows cannot take
  // this deep: the long part goes first, by its own long paths.
  EXPECT_TRUE(fs::remove(NativePath(path.c_str())));
  EXPECT_TRUE(fs::remove(NativePath(Path(longName).c_str())));
}

}  // namespace
