#pragma once
// A file written whole or not at all. Its bytes go to a temporary file of
// the same folder, which takes the file's place only once it is complete and
// flushed to the disk. Until then, and after any failure (full disk, file
// size limit, folder not writable or removed, process killed), the file that
// was at the path stays exactly as it was, and no partial file is left.
#include <string>
#include <string_view>

#include "platform/background_flush.h"

namespace quenor {

class AtomicFile {
 public:
  AtomicFile() = default;
  // Abandons a file that was not committed.
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Starts the file at `path` (UTF-8). False when it cannot be written: the
  // folder is missing or not writable, or the file there may not be
  // written. A symbolic link at the path is followed, as an ordinary write
  // would follow it; a file replaced keeps its permissions; a device or a
  // pipe (/dev/stdout) is written as it stands.
  bool Create(const std::string& path);
  bool IsOpen() const { return descriptor_ >= 0; }

  // Appends bytes; false, and every later write and the commit fail, once
  // one write failed.
  bool Write(std::string_view bytes);

  // Flushes the bytes to the disk and puts the file in place of the old one.
  // False when any step failed; the old file is then untouched. A large old
  // file is freed on another thread once this object goes.
  bool Commit();
  // Gives the file up, leaving the old one as it was.
  void Abandon();

 private:
  bool OpenDevice();
  bool OpenUnnamed(const std::string& folder);
  bool OpenNamed(const std::string& folder, const std::string& name);
  bool GiveName();
  void ReleaseReplaced();

  int descriptor_ = -1;
  std::string target_;     // the path the file takes at the commit
  std::string temporary_;  // its name in the folder until then (empty while unnamed)
  long long written_ = 0;
  long long handedToDisk_ = 0;  // bytes whose flush to the disk was asked for
  BackgroundFlush flush_;
  bool failed_ = false;
  bool device_ = false;  // a device or a pipe, written in place
  int replaced_ = -1;    // the large file replaced, held until this one goes
};

// Writes `bytes` as the whole file at `path`, through an AtomicFile.
bool WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace quenor
