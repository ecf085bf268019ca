#include "platform/report_file.h"

#include <cstring>

namespace quenor {
namespace {

constexpr std::size_t kBufferSize = 1 << 20;

}  // namespace

ReportFile::~ReportFile() {
  if (file_ != nullptr) std::fclose(file_);
}

bool ReportFile::Create(const std::string& path) {
  if (file_ != nullptr) Close();
  failed_ = false;
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) return false;
  buffer_.clear();
  buffer_.reserve(kBufferSize + 4096);
  return true;
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
    if (file_ != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
    return;
  }
  buffer_.append(bytes);
  if (buffer_.size() >= kBufferSize) Flush();
}

void ReportFile::Flush() {
  if (file_ == nullptr || buffer_.empty()) return;
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
  buffer_.clear();
}

bool ReportFile::Close() {
  if (file_ == nullptr) return false;
  Flush();
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

}  // namespace quenor
