#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace quenor::fuzzing {
namespace {

class Folder {
 public:
  Folder() {
    std::error_code error;
    const bool shared = std::filesystem::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0;
    const std::filesystem::path base = shared ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
    std::string pattern = (base / "quenor-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path = pattern;
    setenv("TMPDIR", path.c_str(), 1);
  }
  ~Folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string path;
};

}  // namespace

const std::string& ScratchFolder() {
  static const Folder folder;
  return folder.path;
}

void WriteInput(const std::string& path, const uint8_t* data, std::size_t size) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) std::abort();
  const bool written = size == 0 || std::fwrite(data, 1, size, out) == size;
  if (std::fclose(out) != 0 || !written) std::abort();
}

}  // namespace quenor::fuzzing
