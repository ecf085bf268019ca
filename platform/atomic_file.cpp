#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <thread>

namespace quenor {
namespace {

constexpr int kNamingAttempts = 64;
// Every such run of bytes is flushed to the disk while the next ones are
// made, so that the flush at the end has little left to wait for.
constexpr long long kWriteBehind = 16 << 20;

// Where the file goes: the path, or the file a symbolic link there points to.
std::string TargetOf(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return path;
  const std::filesystem::path resolved = std::filesystem::canonical(path, error);
  return error ? path : resolved.string();  // a dangling link is replaced by the file
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ".<name>.<unique suffix>": hidden, in the folder of the file.
std::string TemporaryName(const std::string& folder, const std::string& name) {
  static std::atomic<unsigned> counter{0};
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  char suffix[64];
  std::snprintf(suffix, sizeof suffix, ".%d.%x%lx", static_cast<int>(getpid()), counter++,
                static_cast<unsigned long>(now.tv_nsec));
  return folder + "/." + name + suffix;
}

// An unnamed file needs /proc to be given a name at the end.
bool UnnamedFilesCanBeNamed() { return access("/proc/self/fd", X_OK) == 0; }

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Freeing the blocks and cached pages of a large file takes a while (30 ms
// for 100 MB): the file being replaced is held open while the new one takes
// its name, and let go of on a thread of its own once the AtomicFile goes,
// so that its freeing is not waited for (nor, when the AtomicFile is kept a
// little, the flushes of the next small files, which would wait behind it).
// Small files are let go of at once.
constexpr off_t kReleasedAsideFrom = 8 << 20;

int HoldLargeFile(const std::string& path) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (descriptor < 0) return -1;
  struct stat held {};
  if (fstat(descriptor, &held) == 0 && S_ISREG(held.st_mode) && held.st_size >= kReleasedAsideFrom) return descriptor;
  close(descriptor);
  return -1;
}

void ReleaseAside(int descriptor) {
  if (descriptor < 0) return;
  try {
    std::thread([descriptor] { close(descriptor); }).detach();
  } catch (const std::system_error&) {
    close(descriptor);
  }
}

void SyncFolder(const std::string& folder) {
  const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  fsync(descriptor);
  close(descriptor);
}

}  // namespace

AtomicFile::~AtomicFile() {
  Abandon();
  ReleaseReplaced();
}

void AtomicFile::ReleaseReplaced() {
  ReleaseAside(replaced_);
  replaced_ = -1;
}

bool AtomicFile::Create(const std::string& path) {
  Abandon();
  ReleaseReplaced();
  failed_ = false;
  written_ = handedToDisk_ = 0;
  target_ = TargetOf(path);
  const std::string folder = FolderOf(target_);
  struct stat old {};
  const bool replaces = stat(target_.c_str(), &old) == 0;
  if (replaces && (S_ISDIR(old.st_mode) || access(target_.c_str(), W_OK) != 0)) return false;
  if (replaces && !S_ISREG(old.st_mode)) return OpenDevice();
  if (!OpenUnnamed(folder) && !OpenNamed(folder, NameOf(target_))) return false;
  if (replaces) fchmod(descriptor_, old.st_mode & 07777);
  return true;
}

// A file of the folder that has no name yet: a process killed while writing
// it leaves nothing behind.
bool AtomicFile::OpenUnnamed(const std::string& folder) {
  if (!UnnamedFilesCanBeNamed()) return false;
  descriptor_ = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  return descriptor_ >= 0;
}

// A device or a pipe cannot be replaced: it is written as it stands.
bool AtomicFile::OpenDevice() {
  descriptor_ = open(target_.c_str(), O_WRONLY | O_CLOEXEC);
  device_ = descriptor_ >= 0;
  return device_;
}

bool AtomicFile::OpenNamed(const std::string& folder, const std::string& name) {
  for (int attempt = 0; attempt < kNamingAttempts; ++attempt) {
    const std::string candidate = TemporaryName(folder, name);
    descriptor_ = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor_ >= 0) {
      temporary_ = candidate;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

// Links the unnamed file into its folder under a temporary name.
bool AtomicFile::GiveName() {
  if (!temporary_.empty()) return true;
  const std::string self = "/proc/self/fd/" + std::to_string(descriptor_);
  for (int attempt = 0; attempt < kNamingAttempts; ++attempt) {
    const std::string candidate = TemporaryName(FolderOf(target_), NameOf(target_));
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      temporary_ = candidate;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

bool AtomicFile::Write(std::string_view bytes) {
  if (descriptor_ < 0 || failed_) return false;
  if (!WriteAll(descriptor_, bytes)) failed_ = true;
  written_ += static_cast<long long>(bytes.size());
  if (!device_ && !failed_ && written_ - handedToDisk_ >= kWriteBehind) {
    // Without a thread for it, the disk is at least told to start writing.
    if (!flush_.Request(descriptor_)) {
      sync_file_range(descriptor_, handedToDisk_, written_ - handedToDisk_, SYNC_FILE_RANGE_WRITE);
    }
    handedToDisk_ = written_;
  }
  return !failed_;
}

bool AtomicFile::Commit() {
  if (descriptor_ < 0) return false;
  if (device_) {
    const bool written = !failed_ && close(descriptor_) == 0;
    descriptor_ = -1;
    device_ = false;
    return written;
  }
  // A flush that failed along the way may be the only one told of a lost write.
  if (!flush_.Finish()) failed_ = true;
  if (failed_ || fsync(descriptor_) != 0 || !GiveName()) {
    Abandon();
    return false;
  }
  const int descriptor = descriptor_;
  descriptor_ = -1;
  replaced_ = HoldLargeFile(target_);
  const bool renamed = close(descriptor) == 0 && rename(temporary_.c_str(), target_.c_str()) == 0;
  if (!renamed) {
    Abandon();
    return false;
  }
  temporary_.clear();
  SyncFolder(FolderOf(target_));
  return true;
}

void AtomicFile::Abandon() {
  flush_.Finish();
  if (descriptor_ >= 0) close(descriptor_);
  descriptor_ = -1;
  device_ = false;
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  AtomicFile file;
  return file.Create(path) && file.Write(bytes) && file.Commit();
}

}  // namespace quenor
