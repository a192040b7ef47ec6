#include "files/programfile.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <vector>

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

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
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
  std::vector<char> buffer(kMaxProgramFileSize + 1);
  std::size_t size = 0;
  while (size < buffer.size()) {
    const ssize_t n = ::read(fd, buffer.data() + size, buffer.size() - size);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN && !regular && waitReadable(fd)) continue;
      result.failure = LoadFailure::Unreadable;
      return result;
    }
    if (n == 0) break;
    size += static_cast<std::size_t>(n);
  }
  if (size > kMaxProgramFileSize) {
    result.failure = LoadFailure::TooLarge;
    return result;
  }
  result.texts = parseProgram(std::string_view(buffer.data(), size));
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

bool saveProgramFile(const std::filesystem::path& path, const CellTexts& texts) {
  if (textSize(texts) > kMaxProgramTextSize) return false;  // it would not load again
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path target = path;
  mode_t mode = defaultFileMode();
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    // Only a regular file the user may write is replaced, as a plain
    // rewrite of it would be.
    if (!S_ISREG(info.st_mode) || ::access(path.c_str(), W_OK) != 0) return false;
    mode = info.st_mode & 07777;
    target = fs::canonical(path, error);  // write through links, keep them
    if (error) return false;
  }

  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string tempName = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  Fd fd(::mkstemp(tempName.data()));
  if (fd.get() < 0) return false;

  const bool written = writeAll(fd.get(), formatProgram(texts)) && ::fchmod(fd.get(), mode) == 0 &&
                       ::fsync(fd.get()) == 0;
  const bool closed = fd.close();
  if (!written || !closed || ::rename(tempName.c_str(), target.c_str()) != 0) {
    ::unlink(tempName.c_str());
    return false;
  }
  // Make the rename itself durable; a failure here no longer loses data.
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return true;
}

}  // namespace paxamon
