#pragma once
// Faults provoked for real, for the tests of what survives them: a file size
// limit, permissions that bind even the administrator, a child process
// watched while it writes and killed in the middle.
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace quenor::testing {

struct ChildSetting {
  std::string folder;         // current directory of the child; empty: unchanged
  std::string temporaryFolder;  // TMPDIR of the child; empty: unchanged
  long fileSizeLimit = -1;    // RLIMIT_FSIZE in bytes, SIGXFSZ ignored; -1: none
  // Without the privileges that pass over file permissions, so that a
  // read-only file or folder is read-only even to the administrator.
  bool ordinaryUser = false;
  std::string output;         // file of the standard output; empty: unchanged
  std::string errors;         // file of the standard error; empty: unchanged
};

// Runs `work` in a child process; returns its exit code, or 128 + the signal
// that ended it.
int RunInChild(const std::function<int()>& work, const ChildSetting& setting = {});

// Starts `arguments` (the program first) in a child process.
pid_t StartProgram(const std::vector<std::string>& arguments, const ChildSetting& setting = {});
// Waits for a child; its exit code, or 128 + the signal that ended it.
int WaitForChild(pid_t child);

// Bytes written so far into the file that `child` is writing in `folder`
// (named or not yet named), or -1 when it has none open there.
long long BytesBeingWritten(pid_t child, const std::string& folder);

// Lowers the file size limit of this process (soft limit only, with SIGXFSZ
// ignored) for the lifetime of the object: a write beyond `bytes` fails with
// EFBIG.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  long savedSoftLimit_ = 0;
  void (*savedHandler_)(int) = nullptr;
};

// The names in `folder`, sorted.
std::vector<std::string> NamesIn(const std::string& folder);

}  // namespace quenor::testing
