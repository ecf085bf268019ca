#pragma once
// A report file written as the program's text files are: every line feed
// becomes CR LF, bytes are written as they are (Windows-1252), through a
// large buffer. The file is written whole or not at all (AtomicFile): until
// Close succeeds, the report that was there before stays as it was.
#include <string>
#include <string_view>

#include "platform/atomic_file.h"

namespace quenor {

class ReportFile {
 public:
  ReportFile() = default;
  // Creates the file at once; IsOpen() tells whether it could be.
  explicit ReportFile(const std::string& path) { Create(path); }
  // A file not closed is given up.
  ~ReportFile() = default;
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Starts the file; false when it cannot be created.
  bool Create(const std::string& path);
  bool IsOpen() const { return file_.IsOpen(); }
  // Appends text; "\n" is written as "\r\n".
  void Write(std::string_view text);
  void Write(char c, std::size_t count);
  // Appends bytes as they are (text whose line ends are CR LF already).
  void WriteRaw(std::string_view bytes);
  // Writes what is buffered and puts the file in place; false when any
  // write failed (the previous file is then untouched).
  bool Close();

 private:
  void Flush();

  AtomicFile file_;
  std::string buffer_;
};

}  // namespace quenor
