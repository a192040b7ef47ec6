#include "files/programfile.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>
#include <tuple>

namespace paxamon {
namespace {

namespace fs = std::filesystem;

// What the save tests write, and the file it gives.
const CellTexts kNew = {"NEW"};
const std::string kSaved = formatProgram(kNew);

TEST(ProgramFormat, ReadingRulesAndTheWrittenForm) {
  // CR LF and CR alone end lines, an LF not after a CR is an ordinary byte,
  // Ctrl+Z ends the content, blanks and Windows-1252 bytes are kept.
  const CellTexts t = parseProgram("LDA5\r\n lda 5 \r\n\nX\ra\nb\r\xC4\xDF\r\nfi\x1Ave\r\n6\r\n");
  EXPECT_EQ(t, (CellTexts{"LDA5", " lda 5 ", "\nX", "a\nb", "\xC4\xDF", "fi"}));
  std::string written = "LDA5\r\n lda 5 \r\n\nX\r\na\nb\r\n\xC4\xDF\r\nfi\r\n";
  for (int i = 6; i < kCellCount; ++i)
    written += "\r\n";
  EXPECT_EQ(formatProgram(t), written);
  EXPECT_EQ(parseProgram(std::string(32, '\r') + "33rd line"), CellTexts{});
}

class ProgramFile : public testing::Test {
 protected:
  void SetUp() override { fs::create_directories(dir_); }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path path(const std::string& name) const { return dir_ / name; }
  // A file of this content, mode and owner.
  void write(const std::string& name, std::string_view bytes, mode_t mode = 0644,
             const passwd* owner = nullptr) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
    ::chmod(path(name).c_str(), mode);
    if (owner) {
      EXPECT_EQ(::chown(path(name).c_str(), owner->pw_uid, owner->pw_gid), 0);
    }
  }
  std::string read(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::size_t entries(const std::string& folder = ".") const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(path(folder)), {}));
  }
  // Owner, group and mode bits.
  std::tuple<uid_t, gid_t, mode_t> owner(const std::string& name) const {
    struct stat st {};
    ::lstat(path(name).c_str(), &st);
    return {st.st_uid, st.st_gid, st.st_mode & 07777};
  }
  void linkLoop() const {
    fs::create_symlink("loop2.pax", path("loop1.pax"));
    fs::create_symlink("loop1.pax", path("loop2.pax"));
  }

  const fs::path dir_ =
      fs::temp_directory_path() / ("paxamon-files-" + std::to_string(::getpid()) + "-" +
                                   testing::UnitTest::GetInstance()->current_test_info()->name());
};

// Runs `job` as the user nobody in a child process; returns what it returns.
int asNobody(const std::function<int()>& job) {
  const passwd* nobody = ::getpwnam("nobody");
  const pid_t child = ::fork();
  if (child == 0) {
    const bool dropped = nobody && ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0 &&
                         ::setuid(nobody->pw_uid) == 0;
    ::_exit(dropped ? job() : 99);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(ProgramFile, LoadRefusesWhatIsNoRegularFileWithoutWaiting) {
  write("a.pax", "END");
  linkLoop();
  ASSERT_EQ(::mkfifo(path("fifo.pax").c_str(), 0644), 0);
  using enum LoadFailure;
  const std::tuple<fs::path, FileKinds, LoadFailure> cases[] = {
      {path("missing.pax"), FileKinds::RegularOnly, Missing},
      {path("a.pax/x.pax"), FileKinds::RegularOnly, Missing},
      {dir_, FileKinds::Streams, Folder},
      {path("loop1.pax"), FileKinds::RegularOnly, LinkLoop},
      // A FIFO without a writer used to block the open for ever; the alarm
      // turns such a hang into a failure.
      {path("fifo.pax"), FileKinds::RegularOnly, NotRegularFile},
      {"/dev/zero", FileKinds::RegularOnly, NotRegularFile},
      {"/dev/zero", FileKinds::Streams, TooLarge},
  };
  ::alarm(10);
  for (const auto& [file, kinds, failure] : cases)
    EXPECT_EQ(loadProgramFile(file, kinds).failure, failure) << file;
  ::alarm(0);
}

TEST_F(ProgramFile, APipeLeftNonBlockingIsReadToItsEnd) {
  int ends[2];
  ASSERT_EQ(::pipe2(ends, O_NONBLOCK), 0);
  std::thread feeder([&] {
    ::usleep(50000);
    EXPECT_EQ(::write(ends[1], "a\rb", 3), 3);
    ::close(ends[1]);
  });
  const LoadResult loaded = readProgramFrom(ends[0]);
  feeder.join();
  ::close(ends[0]);
  EXPECT_EQ(loaded.texts[1], "b");
}

TEST_F(ProgramFile, WhateverLoadsSavesAndLoadsAgain) {
  // A file of 1 MiB loads; saving adds the 32 line ends, and that must load
  // again unchanged. (Compared as a whole: a failure would print a megabyte.)
  write("big.pax", std::string(kMaxProgramTextSize, 'z'));
  const LoadResult big = loadProgramFile(path("big.pax"));
  ASSERT_TRUE(big);
  ASSERT_TRUE(saveProgramFile(path("again.pax"), big.texts));
  EXPECT_TRUE(loadProgramFile(path("again.pax")).texts == big.texts);
  // More text is refused by both, even in a file within the size limit; an
  // over-long file is refused before it is read.
  write("big.pax", std::string(kMaxProgramTextSize + 1, 'z'));
  const LoadResult tooLarge = loadProgramFile(path("big.pax"));
  EXPECT_EQ(tooLarge.failure, LoadFailure::TooLarge);
  EXPECT_TRUE(tooLarge.texts == CellTexts{});
  write("big.pax", std::string(kMaxProgramFileSize + 32, '\r'));
  EXPECT_EQ(loadProgramFile(path("big.pax")).failure, LoadFailure::TooLarge);
  CellTexts huge;
  huge[5] = std::string(kMaxProgramTextSize + 1, 'z');
  EXPECT_FALSE(saveProgramFile(path("again.pax"), huge));
  EXPECT_TRUE(loadProgramFile(path("again.pax")).texts == big.texts);
}

TEST_F(ProgramFile, SaveKeepsTheFilesIdentity) {
  // A symbolic link is followed and kept, the mode of its target too.
  write("old.pax", "old", 0640);
  const auto before = owner("old.pax");
  fs::create_symlink("old.pax", path("link.pax"));
  ASSERT_TRUE(saveProgramFile(path("link.pax"), kNew));
  EXPECT_TRUE(fs::is_symlink(path("link.pax")));
  EXPECT_EQ(read("old.pax"), kSaved);
  EXPECT_EQ(owner("old.pax"), before);
  // A dangling link creates its target; into a missing folder it fails.
  fs::create_directory(path("sub"));
  fs::create_symlink("sub/new.pax", path("dangling.pax"));
  ASSERT_TRUE(saveProgramFile(path("dangling.pax"), kNew));
  EXPECT_TRUE(fs::is_symlink(path("dangling.pax")));
  EXPECT_EQ(read("sub/new.pax"), kSaved);
  fs::create_symlink("nowhere/new.pax", path("nowhere.pax"));
  EXPECT_FALSE(saveProgramFile(path("nowhere.pax"), kNew));
  // A loop fails and stays as it was.
  linkLoop();
  EXPECT_FALSE(saveProgramFile(path("loop1.pax"), kNew));
  EXPECT_TRUE(fs::is_symlink(path("loop1.pax")) && fs::is_symlink(path("loop2.pax")));

  // A second hard link sees the new content.
  write("a.pax", "old content");
  fs::create_hard_link(path("a.pax"), path("b.pax"));
  ASSERT_TRUE(saveProgramFile(path("a.pax"), kNew));
  EXPECT_EQ(read("b.pax"), kSaved);
  // Names up to the file system's limit, where no longer temporary name fits
  // beside them: a new file and an existing one.
  const std::string longName = std::string(251, 'n') + ".pax";
  ASSERT_TRUE(saveProgramFile(path(longName), CellTexts{}));
  ASSERT_TRUE(saveProgramFile(path(longName), kNew));
  EXPECT_EQ(read(longName), kSaved);
  EXPECT_EQ(entries(), 10u);  // no temporary file left behind
}

TEST_F(ProgramFile, AFailedSaveLeavesTheOldFileAndNoTemporary) {
  write("good.pax", "keep me");
  CellTexts t;
  t[0] = std::string(5000, 'w');
  // A disk that fills up: writes beyond 100 bytes fail.
  auto saveOnFullDisk = [&] {
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{100, old.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = saveProgramFile(path("good.pax"), t);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return saved;
  };
  EXPECT_FALSE(saveOnFullDisk());
  EXPECT_EQ(read("good.pax"), "keep me");
  EXPECT_EQ(entries(), 1u);
  // Rewritten in place (a second link): the old content is put back.
  fs::create_hard_link(path("good.pax"), path("second.pax"));
  EXPECT_FALSE(saveOnFullDisk());
  EXPECT_EQ(read("second.pax"), "keep me");
  // No folder, or a folder in the way: refused, nothing created.
  fs::create_directory(path("dir.pax"));
  EXPECT_FALSE(saveProgramFile(path("no/such/folder.pax"), t));
  EXPECT_FALSE(saveProgramFile(path("dir.pax"), t));
  EXPECT_EQ(entries(), 3u);
}

TEST_F(ProgramFile, OwnersAndRightsOfOtherUsers) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as the user nobody";
  const passwd* nobody = ::getpwnam("nobody");
  ASSERT_NE(nobody, nullptr);
  // A file of another user saved by root stays that user's.
  write("theirs.pax", "old", 0604, nobody);
  auto before = owner("theirs.pax");
  ASSERT_TRUE(saveProgramFile(path("theirs.pax"), kNew));
  EXPECT_EQ(read("theirs.pax"), kSaved);
  EXPECT_EQ(owner("theirs.pax"), before);
  // The user nobody cannot read root's file of mode 0600.
  write("secret.pax", "END", 0600);
  EXPECT_EQ(asNobody([this] { return int(loadProgramFile(path("secret.pax")).failure); }),
            int(LoadFailure::Unreadable));

  const auto saved = [this](const std::string& name) {
    return asNobody([&] { return int(saveProgramFile(path(name), kNew)); });
  };
  // A read-only folder of the user's own, with a file the user may write:
  // rewritten in place.
  fs::create_directory(path("ro"));
  write("ro/p.pax", "old", 0644, nobody);
  ASSERT_EQ(::chown(path("ro").c_str(), nobody->pw_uid, nobody->pw_gid), 0);
  ::chmod(path("ro").c_str(), 0555);
  EXPECT_EQ(saved("ro/p.pax"), 1);
  EXPECT_EQ(read("ro/p.pax"), kSaved);
  // A class share: a sticky folder everyone may write, and root's file that
  // everyone may write; it keeps its owner and mode.
  fs::create_directory(path("share"));
  ::chmod(path("share").c_str(), 01777);
  write("share/p.pax", "old", 0666);
  before = owner("share/p.pax");
  EXPECT_EQ(saved("share/p.pax"), 1);
  EXPECT_EQ(read("share/p.pax"), kSaved);
  EXPECT_EQ(owner("share/p.pax"), before);
  // A read-only file is refused, though the folder would allow replacing it.
  fs::create_directory(path("own"));
  ASSERT_EQ(::chown(path("own").c_str(), nobody->pw_uid, nobody->pw_gid), 0);
  write("own/p.pax", "old", 0444, nobody);
  EXPECT_EQ(saved("own/p.pax"), 0);
  EXPECT_EQ(read("own/p.pax"), "old");
  EXPECT_EQ(entries("share") + entries("ro") + entries("own"), 3u);
}

}  // namespace
}  // namespace paxamon
