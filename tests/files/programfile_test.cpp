#include "files/programfile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <thread>

namespace paxamon {
namespace {

namespace fs = std::filesystem;

class ProgramFile : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("paxamon-files-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path path(const std::string& name) const { return dir_ / name; }

  static void write(const fs::path& p, std::string_view bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }
  static std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Runs the file helper as the user nobody, from a copy that user can
  // execute; returns its exit status and output. Skips the calling test
  // where that is not possible.
  struct HelperRun {
    int status = -1;
    std::string out;
  };
  HelperRun asNobody(const std::string& args) {
    HelperRun r;
    if (::geteuid() != 0 || ::access("/usr/sbin/runuser", X_OK) != 0) return r;
    const fs::path helper = dir_ / "file_helper";
    if (!fs::exists(helper)) fs::copy_file(PAXAMON_FILE_HELPER, helper);
    const std::string command = "/usr/sbin/runuser -u nobody -- " + helper.string() + " " + args;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return r;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
      r.out += buffer;
    const int raw = ::pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
  }
  static struct stat info(const fs::path& p) {
    struct stat st {};
    ::lstat(p.c_str(), &st);
    return st;
  }
  static CellTexts program(const char* first) {
    CellTexts t;
    t[0] = first;
    return t;
  }
  static bool nobodyPossible() {
    return ::geteuid() == 0 && ::access("/usr/sbin/runuser", X_OK) == 0;
  }
  static std::string failureText(LoadFailure f) {
    return std::to_string(static_cast<int>(f)) + "\n";
  }

  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_))
      names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

TEST(ProgramFormat, LineEndsAndEndOfContent) {
  // CR LF and CR alone end lines; an LF not after a CR is an ordinary byte.
  CellTexts t = parseProgram("LDA5\r\nADD6\rEND\r\n\nX");
  EXPECT_EQ(t[0], "LDA5");
  EXPECT_EQ(t[1], "ADD6");
  EXPECT_EQ(t[2], "END");
  EXPECT_EQ(t[3], "\nX");
  EXPECT_EQ(t[4], "");

  t = parseProgram("a\nb\nc\n");
  EXPECT_EQ(t[0], "a\nb\nc\n");
  EXPECT_EQ(t[1], "");

  // Ctrl+Z in line 5 ends the content there.
  t = parseProgram("1\r\n2\r\n3\r\n4\r\nfi\x1Ave\r\n6\r\n");
  EXPECT_EQ(t[4], "fi");
  EXPECT_EQ(t[5], "");

  // Blanks, long lines and Windows-1252 bytes are taken whole.
  const std::string longLine(300, 'x');
  t = parseProgram(" lda 5 \r\n" + longLine + "\r\n\xC4\xF6\xDF");
  EXPECT_EQ(t[0], " lda 5 ");
  EXPECT_EQ(t[1], longLine);
  EXPECT_EQ(t[2], "\xC4\xF6\xDF");
  std::string expected = " lda 5 \r\n" + longLine + "\r\n\xC4\xF6\xDF\r\n";
  for (int i = 3; i < 32; ++i)
    expected += "\r\n";
  EXPECT_EQ(formatProgram(t), expected);
}

TEST(ProgramFormat, ShortAndLongFiles) {
  EXPECT_EQ(parseProgram(""), CellTexts{});
  std::string forty;
  for (int i = 0; i < 40; ++i)
    forty += std::to_string(i) + "\r\n";
  const CellTexts t = parseProgram(forty);
  EXPECT_EQ(t[0], "0");
  EXPECT_EQ(t[31], "31");
}

TEST(ProgramFormat, WrittenExactly) {
  CellTexts t;
  t[0] = "LDA5";
  t[1] = "ADD6";
  t[2] = "END";
  const std::string bytes = formatProgram(t);
  EXPECT_EQ(bytes.size(), 75u);
  EXPECT_EQ(bytes.substr(0, 17), "LDA5\r\nADD6\r\nEND\r\n");
  EXPECT_EQ(parseProgram(bytes), t);
  EXPECT_EQ(formatProgram(CellTexts{}).size(), 64u);
}

TEST_F(ProgramFile, RoundTripAndRefusals) {
  CellTexts t;
  t[0] = "LDA31";
  t[31] = std::string(300, 'y');
  ASSERT_TRUE(saveProgramFile(path("a.pax"), t));
  EXPECT_EQ(loadProgramFile(path("a.pax")).texts, t);
  EXPECT_EQ(entries(), std::vector<std::string>{"a.pax"});

  EXPECT_FALSE(programFileExists(path("missing.pax")));
  EXPECT_EQ(loadProgramFile(path("missing.pax")).failure, LoadFailure::Missing);
  EXPECT_EQ(loadProgramFile(path("a.pax/x.pax")).failure, LoadFailure::Missing);
  EXPECT_TRUE(programFileExists(dir_));
  EXPECT_EQ(loadProgramFile(dir_).failure, LoadFailure::Folder);
  EXPECT_EQ(loadProgramFile(dir_, FileKinds::Streams).failure, LoadFailure::Folder);

  fs::create_symlink("loop2.pax", path("loop1.pax"));
  fs::create_symlink("loop1.pax", path("loop2.pax"));
  EXPECT_EQ(loadProgramFile(path("loop1.pax")).failure, LoadFailure::LinkLoop);
}

TEST_F(ProgramFile, WhateverLoadsSavesAndLoadsAgain) {
  // A file of 1 MiB loads; saving adds the 32 line ends, and that must
  // load again unchanged.
  write(path("big.pax"), std::string(1024 * 1024, 'z'));
  const LoadResult big = loadProgramFile(path("big.pax"));
  ASSERT_TRUE(big);
  ASSERT_TRUE(saveProgramFile(path("again.pax"), big.texts));
  // (compared as a whole: a failure would print a megabyte)
  EXPECT_TRUE(loadProgramFile(path("again.pax")).texts == big.texts);

  // More text than that is refused by both, even in a file within the size
  // limit; an over-long file is refused before it is read.
  write(path("big.pax"), std::string(kMaxProgramTextSize + 1, 'z'));
  const LoadResult tooLarge = loadProgramFile(path("big.pax"));
  EXPECT_EQ(tooLarge.failure, LoadFailure::TooLarge);
  EXPECT_TRUE(tooLarge.texts == CellTexts{});
  write(path("big.pax"), std::string(32, '\r') + std::string(kMaxProgramFileSize, '\r'));
  EXPECT_EQ(loadProgramFile(path("big.pax")).failure, LoadFailure::TooLarge);
  CellTexts huge;
  huge[5] = std::string(kMaxProgramTextSize + 1, 'z');
  EXPECT_FALSE(saveProgramFile(path("again.pax"), huge));
  EXPECT_TRUE(loadProgramFile(path("again.pax")).texts == big.texts);
}

TEST_F(ProgramFile, WhatIsNoRegularFileIsRefusedWithoutWaiting) {
  // A FIFO without a writer used to block the open for ever; the alarm
  // turns such a hang into a failure.
  ASSERT_EQ(::mkfifo(path("fifo.pax").c_str(), 0644), 0);
  const int unix = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path("socket.pax").c_str());
  ASSERT_EQ(::bind(unix, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::alarm(10);
  EXPECT_EQ(loadProgramFile(path("fifo.pax")).failure, LoadFailure::NotRegularFile);
  EXPECT_EQ(loadProgramFile("/dev/null").failure, LoadFailure::NotRegularFile);
  EXPECT_EQ(loadProgramFile("/dev/zero").failure, LoadFailure::NotRegularFile);
  EXPECT_EQ(loadProgramFile(path("socket.pax")).failure, LoadFailure::NotRegularFile);
  EXPECT_EQ(loadProgramFile(path("socket.pax"), FileKinds::Streams).failure,
            LoadFailure::NotRegularFile);
  ::alarm(0);
  ::close(unix);
}

TEST_F(ProgramFile, StreamsAreReadWhenAskedFor) {
  ASSERT_EQ(::mkfifo(path("fifo.pax").c_str(), 0644), 0);
  std::thread writer([&] { write(path("fifo.pax"), "LDA5\r\nEND"); });
  const LoadResult fromFifo = loadProgramFile(path("fifo.pax"), FileKinds::Streams);
  writer.join();
  EXPECT_EQ(fromFifo.texts[1], "END");

  EXPECT_TRUE(loadProgramFile("/dev/null", FileKinds::Streams));
  EXPECT_EQ(loadProgramFile("/dev/zero", FileKinds::Streams).failure, LoadFailure::TooLarge);

  // A pipe left non-blocking by whoever made it is still read to its end.
  int ends[2];
  ASSERT_EQ(::pipe2(ends, O_NONBLOCK), 0);
  std::thread feeder([&] {
    ::usleep(50000);
    EXPECT_EQ(::write(ends[1], "a\rb", 3), 3);
    ::close(ends[1]);
  });
  const LoadResult fromPipe = readProgramFrom(ends[0]);
  feeder.join();
  ::close(ends[0]);
  EXPECT_EQ(fromPipe.texts[0], "a");
  EXPECT_EQ(fromPipe.texts[1], "b");
}

TEST_F(ProgramFile, AFileTheUserMayNotReadIsUnreadable) {
  if (!nobodyPossible()) GTEST_SKIP() << "needs root and runuser to act as the user nobody";
  write(path("secret.pax"), "END");
  ::chmod(path("secret.pax").c_str(), 0600);
  EXPECT_EQ(asNobody("load " + path("secret.pax").string()).out,
            failureText(LoadFailure::Unreadable));
  ::chmod(path("secret.pax").c_str(), 0644);
  EXPECT_EQ(asNobody("load " + path("secret.pax").string()).out, "ok END\n");
}

TEST_F(ProgramFile, SaveKeepsLinksAndFollowsThemToTheirEnd) {
  const CellTexts t = program("END");
  write(path("old.pax"), "old");
  ::chmod(path("old.pax").c_str(), 0640);
  fs::create_symlink("old.pax", path("link.pax"));
  ASSERT_TRUE(saveProgramFile(path("link.pax"), t));
  EXPECT_TRUE(fs::is_symlink(path("link.pax")));
  EXPECT_EQ(read(path("old.pax")), formatProgram(t));
  EXPECT_EQ(info(path("old.pax")).st_mode & 07777, 0640u);

  // A dangling link is saved through: its target is created, the link stays.
  fs::create_directory(path("sub"));
  fs::create_symlink("sub/new.pax", path("dangling.pax"));
  ASSERT_TRUE(saveProgramFile(path("dangling.pax"), t));
  EXPECT_TRUE(fs::is_symlink(path("dangling.pax")));
  EXPECT_EQ(read(path("sub/new.pax")), formatProgram(t));
  fs::create_symlink("nowhere/new.pax", path("nowhere.pax"));
  EXPECT_FALSE(saveProgramFile(path("nowhere.pax"), t));

  // A loop fails and stays as it was.
  fs::create_symlink("loop2.pax", path("loop1.pax"));
  fs::create_symlink("loop1.pax", path("loop2.pax"));
  EXPECT_FALSE(saveProgramFile(path("loop1.pax"), t));
  EXPECT_TRUE(fs::is_symlink(path("loop1.pax")));
  EXPECT_TRUE(fs::is_symlink(path("loop2.pax")));
  EXPECT_EQ(entries(), (std::vector<std::string>{"dangling.pax", "link.pax", "loop1.pax",
                                                 "loop2.pax", "nowhere.pax", "old.pax", "sub"}));
}

TEST_F(ProgramFile, SaveKeepsHardLinksAndOwnersAndTakesLongNames) {
  const CellTexts t = program("END");
  write(path("a.pax"), "old content");
  fs::create_hard_link(path("a.pax"), path("b.pax"));
  ASSERT_TRUE(saveProgramFile(path("a.pax"), t));
  EXPECT_EQ(read(path("b.pax")), formatProgram(t));
  EXPECT_EQ(info(path("a.pax")).st_ino, info(path("b.pax")).st_ino);

  // Names up to the file system's limit, where no longer temporary name
  // fits beside them: a new file and an existing one.
  const fs::path longName = path(std::string(251, 'n') + ".pax");
  ASSERT_TRUE(saveProgramFile(longName, program("LDA1")));
  ASSERT_TRUE(saveProgramFile(longName, t));
  EXPECT_EQ(read(longName), formatProgram(t));
  EXPECT_EQ(entries().size(), 3u);

  // A file of another user saved by root stays that user's.
  if (::geteuid() != 0) GTEST_SKIP() << "the change of owner needs root";
  const passwd* nobody = ::getpwnam("nobody");
  ASSERT_NE(nobody, nullptr);
  write(path("theirs.pax"), "old");
  ASSERT_EQ(::chown(path("theirs.pax").c_str(), nobody->pw_uid, nobody->pw_gid), 0);
  ::chmod(path("theirs.pax").c_str(), 0604);
  ASSERT_TRUE(saveProgramFile(path("theirs.pax"), t));
  const struct stat theirs = info(path("theirs.pax"));
  EXPECT_EQ(theirs.st_uid, nobody->pw_uid);
  EXPECT_EQ(theirs.st_gid, nobody->pw_gid);
  EXPECT_EQ(theirs.st_mode & 07777, 0604u);
  EXPECT_EQ(read(path("theirs.pax")), formatProgram(t));
}

TEST_F(ProgramFile, SaveRewritesWhereTheFolderForbidsAReplacement) {
  if (!nobodyPossible()) GTEST_SKIP() << "needs root and runuser to act as the user nobody";
  const passwd* nobody = ::getpwnam("nobody");
  ASSERT_NE(nobody, nullptr);

  // A read-only folder of the user's own, with a file the user may write.
  fs::create_directory(path("ro"));
  write(path("ro/p.pax"), "old");
  ASSERT_EQ(::chown(path("ro").c_str(), nobody->pw_uid, nobody->pw_gid), 0);
  ASSERT_EQ(::chown(path("ro/p.pax").c_str(), nobody->pw_uid, nobody->pw_gid), 0);
  ::chmod(path("ro").c_str(), 0555);
  EXPECT_EQ(asNobody("save " + path("ro/p.pax").string() + " NEW").status, 0);
  EXPECT_EQ(read(path("ro/p.pax")), formatProgram(program("NEW")));

  // A class share: a sticky folder everyone may write, and a file of
  // another user that everyone may write.
  fs::create_directory(path("share"));
  ::chmod(path("share").c_str(), 01777);
  write(path("share/p.pax"), "old");
  ::chmod(path("share/p.pax").c_str(), 0666);
  EXPECT_EQ(asNobody("save " + path("share/p.pax").string() + " NEW").status, 0);
  EXPECT_EQ(read(path("share/p.pax")), formatProgram(program("NEW")));
  const struct stat shared = info(path("share/p.pax"));
  EXPECT_EQ(shared.st_uid, 0u);
  EXPECT_EQ(shared.st_mode & 07777, 0666u);

  // A file the user may not write is refused, though the folder would
  // allow replacing it.
  ::chmod(path("share/p.pax").c_str(), 0644);
  EXPECT_EQ(asNobody("save " + path("share/p.pax").string() + " OTHER").status, 1);
  EXPECT_EQ(read(path("share/p.pax")), formatProgram(program("NEW")));
  EXPECT_EQ(std::distance(fs::directory_iterator(path("share")), {}), 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(path("ro")), {}), 1);
}

TEST_F(ProgramFile, AFailedSaveLeavesTheOldFileAndNoTemporary) {
  write(path("good.pax"), "keep me");
  CellTexts t;
  t[0] = std::string(5000, 'w');

  // A disk that fills up: writes beyond 100 bytes fail.
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit oldLimit{};
  ::getrlimit(RLIMIT_FSIZE, &oldLimit);
  rlimit small = oldLimit;
  small.rlim_cur = 100;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const bool saved = saveProgramFile(path("good.pax"), t);
  ::setrlimit(RLIMIT_FSIZE, &oldLimit);

  EXPECT_FALSE(saved);
  EXPECT_EQ(read(path("good.pax")), "keep me");
  EXPECT_EQ(entries(), std::vector<std::string>{"good.pax"});

  // Rewritten in place (a second link): the old content is put back.
  fs::create_hard_link(path("good.pax"), path("second.pax"));
  ::setrlimit(RLIMIT_FSIZE, &small);
  const bool rewritten = saveProgramFile(path("good.pax"), t);
  ::setrlimit(RLIMIT_FSIZE, &oldLimit);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(rewritten);
  EXPECT_EQ(read(path("second.pax")), "keep me");
  fs::remove(path("second.pax"));

  // No folder, or a folder or FIFO in the way: refused, nothing created.
  EXPECT_FALSE(saveProgramFile(path("no/such/folder.pax"), t));
  fs::create_directory(path("dir.pax"));
  EXPECT_FALSE(saveProgramFile(path("dir.pax"), t));
  ::mkfifo(path("fifo.pax").c_str(), 0644);
  EXPECT_FALSE(saveProgramFile(path("fifo.pax"), t));
  EXPECT_EQ(entries(), (std::vector<std::string>{"dir.pax", "fifo.pax", "good.pax"}));
}

}  // namespace
}  // namespace paxamon
