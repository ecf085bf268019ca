#pragma once
// A file opened for reading by pieces: a large file is read on every thread
// of a pool, each piece straight into its place.
#include <cstddef>
#include <cstdint>
#include <string>

namespace quenor {

class WorkerPool;

class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // Opens the file at `path` (UTF-8); false when it cannot be.
  bool Open(const std::string& path);
  // The size of the open file, -1 when it cannot be known.
  int64_t Size() const;

  // Reads `length` bytes from `offset` into `destination`, in pieces of
  // `pieceSize` bytes taken by the threads of `pool`; false when any piece
  // cannot be read whole.
  bool ReadInto(char* destination, uint64_t offset, std::size_t length, WorkerPool& pool,
                std::size_t pieceSize = kPieceSize) const;
  // The same on the calling thread alone.
  bool ReadInto(char* destination, uint64_t offset, std::size_t length) const;

  static constexpr std::size_t kPieceSize = std::size_t{4} << 20;

 private:
  int descriptor_ = -1;
};

}  // namespace quenor
