#include "platform/report_file.h"

#include <cstring>

namespace quenor {
namespace {

constexpr std::size_t kBufferSize = 1 << 20;

}  // namespace

bool ReportFile::Create(const std::string& path) {
  buffer_.clear();  // it grows to the size of a short report, to kBufferSize for a long one
  return file_.Create(path);
}

void ReportFile::Write(std::string_view text) {
  while (!text.empty()) {
    const void* found = std::memchr(text.data(), '\n', text.size());
    const std::size_t run = found != nullptr ? static_cast<const char*>(found) - text.data() : text.size();
    buffer_.append(text.data(), run);
    if (found != nullptr) {
      buffer_.append("\r\n", 2);
      text.remove_prefix(run + 1);
    } else {
      text = {};
    }
    if (buffer_.size() >= kBufferSize) Flush();
  }
}

void ReportFile::Write(char c, std::size_t count) {
  if (c == '\n') {
    for (std::size_t i = 0; i < count; ++i) Write("\n");
    return;
  }
  buffer_.append(count, c);
  if (buffer_.size() >= kBufferSize) Flush();
}

void ReportFile::WriteRaw(std::string_view bytes) {
  if (bytes.size() >= kBufferSize / 2) {
    // A large block goes out as it stands rather than through the buffer.
    Flush();
    file_.Write(bytes);
    return;
  }
  buffer_.append(bytes);
  if (buffer_.size() >= kBufferSize) Flush();
}

void ReportFile::Flush() {
  if (buffer_.empty()) return;
  file_.Write(buffer_);
  buffer_.clear();
}

bool ReportFile::Close() {
  if (!file_.IsOpen()) return false;
  Flush();
  return file_.Commit();
}

}  // namespace quenor
