#include "platform/read_only_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

#include "platform/worker_pool.h"

namespace quenor {

ReadOnlyFile::~ReadOnlyFile() {
  if (descriptor_ >= 0) close(descriptor_);
}

bool ReadOnlyFile::Open(const std::string& path) {
  if (descriptor_ >= 0) close(descriptor_);
  descriptor_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  return descriptor_ >= 0;
}

int64_t ReadOnlyFile::Size() const {
  struct stat status {};
  if (descriptor_ < 0 || fstat(descriptor_, &status) != 0) return -1;
  return static_cast<int64_t>(status.st_size);
}

bool ReadOnlyFile::ReadInto(char* destination, uint64_t offset, std::size_t length) const {
  while (length > 0) {
    const ssize_t got = pread(descriptor_, destination, length, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;  // an error, or the file ends too soon
    destination += got;
    offset += static_cast<uint64_t>(got);
    length -= static_cast<std::size_t>(got);
  }
  return true;
}

bool ReadOnlyFile::ReadInto(char* destination, uint64_t offset, std::size_t length, WorkerPool& pool,
                            std::size_t pieceSize) const {
  // Never more pieces than a task number can count.
  pieceSize = std::max<std::size_t>({pieceSize, 1, length / (1u << 30) + 1});
  const std::size_t pieces = (length + pieceSize - 1) / pieceSize;
  if (pieces <= 1) return ReadInto(destination, offset, length);
  std::atomic<bool> failed{false};
  pool.Run(static_cast<int>(pieces), [&](int piece) {
    const std::size_t start = static_cast<std::size_t>(piece) * pieceSize;
    const std::size_t size = std::min(pieceSize, length - start);
    if (!ReadInto(destination + start, offset + start, size)) failed = true;
  });
  return !failed;
}

}  // namespace quenor
