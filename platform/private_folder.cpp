#include "platform/private_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace quenor {

std::string CreatePrivateFolder(const std::string& prefix) {
  std::error_code error;
  const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
  if (error) return {};
  std::string pattern = (temporary / (prefix + "XXXXXX")).string();
  // mkdtemp picks an unused random name and creates the folder with mode 0700.
  if (mkdtemp(pattern.data()) == nullptr) return {};
  return pattern;
}

bool IsPrivateFolder(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

}  // namespace quenor
