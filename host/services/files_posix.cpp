// The file services on POSIX systems, for the native build and its tests. File
// names are passed through as bytes.
#include "host/services/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <utility>

namespace host {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&&) = delete;
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { close(); }

  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }

  // A close can report a late write error, so writers check it.
  bool close() { return fd_ < 0 || ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

// A new file beside the target, open for writing; closed and removed again
// when it goes out of scope unless it took the target's place.
class TemporaryFile {
 public:
  TemporaryFile(FileDescriptor file, std::string path) : file_(std::move(file)), path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    file_.close();
    if (!kept_) ::unlink(path_.c_str());
  }

  int fd() const { return file_.get(); }
  const std::string& path() const { return path_; }
  bool close() { return file_.close(); }
  void keep() { kept_ = true; }

 private:
  FileDescriptor file_;
  std::string path_;
  bool kept_ = false;
};

bool is_usable_name(const Text& file_name) { return !file_name.empty() && file_name.find('\0') == Text::npos; }

bool write_all(int fd, std::span<const std::span<const std::uint8_t>> parts) {
  for (std::span<const std::uint8_t> part : parts) {
    while (!part.empty()) {
      const ssize_t written = ::write(fd, part.data(), part.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      part = part.subspan(static_cast<std::size_t>(written));
    }
  }
  return true;
}

}  // namespace

Text program_directory() {
  std::string path(256, '\0');
  for (;;) {
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < path.size()) {
      path.resize(static_cast<std::size_t>(length));
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.rfind('/');
  return path.substr(0, slash == std::string::npos ? 0 : slash);
}

bool is_readable_file(const Text& file_name) {
  if (!is_usable_name(file_name)) return false;
  const FileDescriptor file(::open(file_name.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat status {};
  return file && ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode);
}

std::optional<Bytes> read_whole_file(const Text& file_name) {
  if (!is_usable_name(file_name)) return std::nullopt;
  FileDescriptor file(::open(file_name.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file) return errno == ENOENT || errno == ENOTDIR ? std::optional<Bytes>(Bytes()) : std::nullopt;
  struct stat status {};
  if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  Bytes bytes(static_cast<std::size_t>(status.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t count = ::read(file.get(), bytes.data() + done, bytes.size() - done);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return std::nullopt;
    if (count == 0) break;
    done += static_cast<std::size_t>(count);
  }
  bytes.resize(done);
  return bytes;
}

// The bytes go to a new file beside the target, which is synced and then
// renamed over the target in one step.
bool write_file(const Text& file_name, std::span<const std::span<const std::uint8_t>> parts) {
  if (!is_usable_name(file_name)) return false;
  struct stat target {};
  if (::stat(file_name.c_str(), &target) == 0 && !S_ISREG(target.st_mode)) return false;

  static std::atomic<unsigned> counter{0};
  const std::string stem = file_name + "." + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = stem + std::to_string(counter++) + ".tmp";
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file && errno == EEXIST) continue;
    if (!file) return false;
    TemporaryFile temporary(std::move(file), std::move(path));
    if (!write_all(temporary.fd(), parts) || ::fsync(temporary.fd()) != 0 || !temporary.close()) return false;
    if (::rename(temporary.path().c_str(), file_name.c_str()) != 0) return false;
    temporary.keep();
    return true;
  }
  return false;
}

}  // namespace host
