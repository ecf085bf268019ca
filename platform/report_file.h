#pragma once
// A report file written as the program's text files are: every line feed
// becomes CR LF, bytes are written as they are (Windows-1252), through a
// large buffer.
#include <cstdio>
#include <string>
#include <string_view>

namespace quenor {

class ReportFile {
 public:
  ReportFile() = default;
  // Creates the file at once; IsOpen() tells whether it could be.
  explicit ReportFile(const std::string& path) { Create(path); }
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Creates (or empties) the file; false when it cannot be created.
  bool Create(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  // Appends text; "\n" is written as "\r\n".
  void Write(std::string_view text);
  void Write(char c, std::size_t count);
  // Appends bytes as they are (text whose line ends are CR LF already).
  void WriteRaw(std::string_view bytes);
  // Writes what is buffered and closes; false when any write failed.
  bool Close();

 private:
  void Flush();

  std::FILE* file_ = nullptr;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace quenor
