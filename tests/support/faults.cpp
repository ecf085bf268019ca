#include "tests/support/faults.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace quenor::testing {
namespace {

// The privileges with which the administrator writes where the permissions
// forbid it.
constexpr int kOverridingCapabilities[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER};

// Drops them from this process and from every program it starts.
void BecomeOrdinaryUser() {
  if (geteuid() != 0) return;
  for (const int capability : kOverridingCapabilities) prctl(PR_CAPBSET_DROP, capability, 0, 0, 0);
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
  if (syscall(SYS_capget, &header, data) != 0) _exit(125);
  for (const int capability : kOverridingCapabilities) {
    const unsigned bit = 1u << (capability % 32);
    data[capability / 32].effective &= ~bit;
    data[capability / 32].permitted &= ~bit;
    data[capability / 32].inheritable &= ~bit;
  }
  if (syscall(SYS_capset, &header, data) != 0) _exit(125);
}

void Redirect(const std::string& path, int stream) {
  if (path.empty()) return;
  const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (descriptor < 0 || dup2(descriptor, stream) < 0) _exit(125);
}

// Everything the child does before its work, in the child.
void Prepare(const ChildSetting& setting) {
  Redirect(setting.output, STDOUT_FILENO);
  Redirect(setting.errors, STDERR_FILENO);
  if (!setting.folder.empty() && chdir(setting.folder.c_str()) != 0) _exit(125);
  if (!setting.temporaryFolder.empty()) setenv("TMPDIR", setting.temporaryFolder.c_str(), 1);
  if (setting.fileSizeLimit >= 0) {
    signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit then fails with EFBIG
    const rlimit limit{static_cast<rlim_t>(setting.fileSizeLimit), static_cast<rlim_t>(setting.fileSizeLimit)};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(125);
  }
  if (setting.ordinaryUser) BecomeOrdinaryUser();
}

bool OpenForWriting(pid_t child, const std::string& descriptor) {
  std::ifstream info("/proc/" + std::to_string(child) + "/fdinfo/" + descriptor);
  std::string key;
  while (info >> key) {
    if (key == "flags:") {
      std::string octal;
      info >> octal;
      return (std::strtol(octal.c_str(), nullptr, 8) & O_ACCMODE) != O_RDONLY;
    }
  }
  return false;
}

}  // namespace

int WaitForChild(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

int RunInChild(const std::function<int()>& work, const ChildSetting& setting) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    Prepare(setting);
    const int code = work();
    std::fflush(nullptr);
    _exit(code);
  }
  return WaitForChild(child);
}

pid_t StartProgram(const std::vector<std::string>& arguments, const ChildSetting& setting) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    Prepare(setting);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return child;
}

long long BytesBeingWritten(pid_t child, const std::string& folder) {
  const std::string descriptors = "/proc/" + std::to_string(child) + "/fd";
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(descriptors, error)) {
    const std::filesystem::path target = std::filesystem::read_symlink(entry.path(), error);
    if (error || target.parent_path() != std::filesystem::path(folder)) continue;
    if (!OpenForWriting(child, entry.path().filename().string())) continue;
    struct stat info {};
    if (stat(entry.path().c_str(), &info) == 0) return static_cast<long long>(info.st_size);
  }
  return -1;
}

FileSizeLimit::FileSizeLimit(long bytes) {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  savedSoftLimit_ = static_cast<long>(limit.rlim_cur);
  savedHandler_ = signal(SIGXFSZ, SIG_IGN);
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = static_cast<rlim_t>(savedSoftLimit_);
  setrlimit(RLIMIT_FSIZE, &limit);
  signal(SIGXFSZ, savedHandler_);
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace quenor::testing
