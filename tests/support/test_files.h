#pragma once
// Test data and scratch folders.
#include <filesystem>
#include <string>

namespace quenor::testing {

// tests/data/<name>
std::filesystem::path DataFile(const std::string& name);

// The whole content of a file, bytes as they are.
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// A fresh folder, removed with its content when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace quenor::testing
