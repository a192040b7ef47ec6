#include "files/programfile.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <tuple>

namespace paxamon {

namespace {

constexpr char kCR = 13;
constexpr char kLF = 10;
constexpr char kCtrlZ = 26;

// Closes a descriptor when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Writes all of bytes from the start of the file.
bool pwriteAll(int fd, std::string_view bytes) {
  off_t at = 0;
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), at);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
    at += n;
  }
  return true;
}

std::size_t textSize(const CellTexts& texts) {
  std::size_t size = 0;
  for (const CellText& text : texts)
    size += text.size();
  return size;
}

mode_t defaultFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

CellTexts parseProgram(std::string_view bytes) {
  CellTexts texts;
  const std::size_t end = bytes.find(kCtrlZ);
  if (end != std::string_view::npos) bytes = bytes.substr(0, end);
  std::size_t line = 0;
  while (!bytes.empty() && line < texts.size()) {
    const std::size_t cr = bytes.find(kCR);
    texts[line++] = std::string(bytes.substr(0, cr));
    if (cr == std::string_view::npos) break;
    bytes.remove_prefix(cr + 1);
    if (!bytes.empty() && bytes.front() == kLF) bytes.remove_prefix(1);
  }
  return texts;
}

std::string formatProgram(const CellTexts& texts) {
  std::string bytes;
  for (const CellText& text : texts) {
    bytes += text;
    bytes += kCR;
    bytes += kLF;
  }
  return bytes;
}

bool programFileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

namespace {

LoadFailure failureOfOpen(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
      return LoadFailure::Missing;
    case ELOOP:
      return LoadFailure::LinkLoop;
    case ENXIO:  // a socket, or a device without its hardware
    case ENODEV:
      return LoadFailure::NotRegularFile;
    default:
      return LoadFailure::Unreadable;
  }
}

// Waits until a descriptor that was left non-blocking has data or its end.
bool waitReadable(int fd) {
  pollfd p{fd, POLLIN, 0};
  while (::poll(&p, 1, -1) < 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

// Reads everything from an open descriptor, refusing what its type or its
// size rules out. Reads at most one byte past the limit, so an endless
// device or a huge file is refused without reading it all.
LoadResult readProgram(int fd, FileKinds kinds) {
  LoadResult result;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    result.failure = LoadFailure::Unreadable;
    return result;
  }
  if (S_ISDIR(info.st_mode)) {
    result.failure = LoadFailure::Folder;
    return result;
  }
  const bool regular = S_ISREG(info.st_mode);
  if (!regular && kinds == FileKinds::RegularOnly) {
    result.failure = LoadFailure::NotRegularFile;
    return result;
  }
  if (regular && static_cast<std::uintmax_t>(info.st_size) > kMaxProgramFileSize) {
    result.failure = LoadFailure::TooLarge;
    return result;
  }
  std::string content;
  char chunk[65536];
  while (content.size() <= kMaxProgramFileSize) {
    const std::size_t wanted = std::min(sizeof chunk, kMaxProgramFileSize + 1 - content.size());
    const ssize_t n = ::read(fd, chunk, wanted);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN && !regular && waitReadable(fd)) continue;
      result.failure = LoadFailure::Unreadable;
      return result;
    }
    if (n == 0) break;
    content.append(chunk, static_cast<std::size_t>(n));
  }
  if (content.size() > kMaxProgramFileSize) {
    result.failure = LoadFailure::TooLarge;
    return result;
  }
  result.texts = parseProgram(content);
  if (textSize(result.texts) > kMaxProgramTextSize) {
    result = LoadResult{};
    result.failure = LoadFailure::TooLarge;
  }
  return result;
}

}  // namespace

LoadResult loadProgramFile(const std::filesystem::path& path, FileKinds kinds) {
  // Non-blocking, so that opening a FIFO without a writer (or a device)
  // returns at once and the type check below refuses it. A stream reader
  // waits for a FIFO's writer instead, as every tool does.
  int flags = O_RDONLY | O_CLOEXEC | O_NOCTTY;
  if (kinds == FileKinds::RegularOnly) flags |= O_NONBLOCK;
  Fd fd(::open(path.c_str(), flags));
  if (fd.get() < 0) {
    LoadResult result;
    result.failure = failureOfOpen(errno);
    return result;
  }
  LoadResult result = readProgram(fd.get(), kinds);
  if (!fd.close() && result.ok()) {
    result = LoadResult{};
    result.failure = LoadFailure::Unreadable;
  }
  return result;
}

LoadResult readProgramFrom(int fd) {
  return readProgram(fd, FileKinds::Streams);
}

namespace {

namespace fs = std::filesystem;

// Where a name leads: itself, or the end of its chain of symbolic links,
// which need not exist (a dangling link is saved through, creating its
// target). False with errno set when the chain cannot be followed; after
// 40 links, as the system itself gives up, that is ELOOP.
bool followLinks(fs::path& name) {
  for (int hops = 0; hops <= 40; ++hops) {
    struct stat info {};
    if (::lstat(name.c_str(), &info) != 0) return errno == ENOENT;
    if (!S_ISLNK(info.st_mode)) return true;
    std::error_code error;
    const fs::path next = fs::read_symlink(name, error);
    if (error) {
      errno = error.value();
      return false;
    }
    name = next.is_absolute() ? next : name.parent_path() / next;
  }
  errno = ELOOP;
  return false;
}

bool hasExtendedAttributes(const fs::path& file) {
  return ::listxattr(file.c_str(), nullptr, 0) > 0;
}

ssize_t preadAll(int fd, std::string& into) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(into.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n;
    into.append(buffer, static_cast<std::size_t>(n));
  }
}

enum class Replaced { Done, Failed, NotSuitable };

// Writes a temporary file beside the target and renames it over the
// target, so that the old content stays whole until the new one is on
// disk. Only suitable where the file that results is the old one in all
// but content: the same owner, group and mode, no second hard link that
// would keep the old content, no extended attributes (access lists) that
// would be lost, a folder the user may write and a temporary name the file
// system takes. `old` is null for a file not there yet.
Replaced replaceAtomically(const fs::path& target, const std::string& content,
                           const struct stat* old) {
  if (old && (old->st_nlink != 1 || hasExtendedAttributes(target))) return Replaced::NotSuitable;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const std::string tempLeaf = "." + target.filename().string() + ".XXXXXX";
  const long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  if (tempLeaf.size() > static_cast<std::size_t>(nameMax > 0 ? nameMax : NAME_MAX)) {
    return Replaced::NotSuitable;
  }
  std::string tempName = (folder / tempLeaf).string();
  Fd fd(::mkstemp(tempName.data()));
  if (fd.get() < 0) return Replaced::NotSuitable;  // no right to create in the folder
  auto abandon = [&](Replaced outcome) {
    fd.close();
    ::unlink(tempName.c_str());
    return outcome;
  };

  // Owner and group first (that may clear set-ID bits), then the mode;
  // whatever the system does not allow shows in the check after.
  struct stat made {};
  if (::fstat(fd.get(), &made) != 0) return abandon(Replaced::Failed);
  const mode_t mode = old ? old->st_mode & 07777 : defaultFileMode();
  if (old && (made.st_uid != old->st_uid || made.st_gid != old->st_gid)) {
    if (::fchown(fd.get(), old->st_uid, old->st_gid) != 0) return abandon(Replaced::NotSuitable);
  }
  if (::fchmod(fd.get(), mode) != 0 || ::fstat(fd.get(), &made) != 0) {
    return abandon(Replaced::NotSuitable);
  }
  if ((made.st_mode & 07777) != mode ||
      (old && (made.st_uid != old->st_uid || made.st_gid != old->st_gid))) {
    return abandon(Replaced::NotSuitable);
  }

  if (!pwriteAll(fd.get(), content) || ::fsync(fd.get()) != 0) return abandon(Replaced::Failed);
  if (!fd.close()) {
    ::unlink(tempName.c_str());
    return Replaced::Failed;
  }
  if (::rename(tempName.c_str(), target.c_str()) != 0) {
    // The target is untouched (a sticky folder, say); rewriting it may work.
    ::unlink(tempName.c_str());
    return Replaced::NotSuitable;
  }
  // Make the rename itself durable; a failure here no longer loses data.
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return Replaced::Done;
}

// An old file larger than this is not rewritten in place, since its whole
// content is kept in memory to be put back on a failure.
constexpr std::size_t kMaxRewrittenFileSize = 64 * 1024 * 1024;

// Rewrites an existing file in place, keeping its identity whatever it is.
// The old content is read first; if writing, truncating or syncing the new
// content fails, the old content is written back and the save fails.
bool rewriteInPlace(const fs::path& target, const std::string& content, const struct stat& old) {
  Fd fd(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW));
  if (fd.get() < 0) return false;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_dev != old.st_dev ||
      info.st_ino != old.st_ino ||
      static_cast<std::uintmax_t>(info.st_size) > kMaxRewrittenFileSize) {
    return false;  // replaced meanwhile, or too large to keep
  }
  std::string previous;
  previous.reserve(static_cast<std::size_t>(info.st_size));
  if (preadAll(fd.get(), previous) != 0) return false;

  const bool written = pwriteAll(fd.get(), content) &&
                       ::ftruncate(fd.get(), static_cast<off_t>(content.size())) == 0 &&
                       ::fsync(fd.get()) == 0;
  if (!written) {
    // Best effort: the save fails either way.
    pwriteAll(fd.get(), previous);
    std::ignore = ::ftruncate(fd.get(), static_cast<off_t>(previous.size()));
    ::fsync(fd.get());
    return false;
  }
  return fd.close();
}

// Creates a file that is not there yet, where a temporary file cannot be
// made beside it; a failed write removes it again.
bool createDirectly(const fs::path& target, const std::string& content) {
  Fd fd(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW,
               0666));
  if (fd.get() < 0) return false;
  if (!pwriteAll(fd.get(), content) || ::fsync(fd.get()) != 0 || !fd.close()) {
    ::unlink(target.c_str());
    return false;
  }
  return true;
}

}  // namespace

bool saveProgramFile(const std::filesystem::path& path, const CellTexts& texts) {
  if (textSize(texts) > kMaxProgramTextSize) return false;  // it would not load again
  const std::string content = formatProgram(texts);

  // Links are followed and kept; the file at their end is written.
  fs::path target = path;
  if (!followLinks(target)) return false;
  struct stat old {};
  const bool exists = ::lstat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return false;
  // Only a regular file the user may write is overwritten, as a plain
  // rewrite of it would be.
  if (exists && (!S_ISREG(old.st_mode) || ::access(target.c_str(), W_OK) != 0)) return false;

  switch (replaceAtomically(target, content, exists ? &old : nullptr)) {
    case Replaced::Done:
      return true;
    case Replaced::Failed:
      return false;
    case Replaced::NotSuitable:
      break;
  }
  return exists ? rewriteInPlace(target, content, old) : createDirectly(target, content);
}

}  // namespace paxamon
