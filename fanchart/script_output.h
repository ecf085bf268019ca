#pragma once
// The AutoCAD command script being written: command templates filled with
// numbers in the "%7.5f" form (a point whatever the locale), integers, texts
// and characters; every "\n" is written as CR LF.
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "platform/atomic_file.h"

namespace quenor {

// "%7.5f" of `value`: fixed point, five decimals, a point, at least seven
// characters, independent of the C locale.
std::string FormatScriptReal(double value);

// One value of a template: a real for "%7.5f", an integer for "%d", a text
// for "%s", a character for "%c".
using ScriptValue = std::variant<double, int, std::string_view, char>;

class ScriptOutput {
 public:
  ScriptOutput() = default;
  // A script not closed is given up: the file that was there stays.
  ~ScriptOutput() = default;
  ScriptOutput(const ScriptOutput&) = delete;
  ScriptOutput& operator=(const ScriptOutput&) = delete;

  // Starts the file, which replaces the one at `path` only once closed
  // whole (AtomicFile); false when it cannot be created.
  bool Create(const std::string& path);
  // Writes to a string instead of a file (tests and measurements).
  void CaptureInMemory() { capturing_ = true; }
  const std::string& Captured() const { return buffer_; }

  // Writes `pattern` with its conversions filled in order. A conversion whose
  // value is of another kind, or missing, is written as it stands.
  void Write(std::string_view pattern, std::initializer_list<ScriptValue> values = {});
  // Writes what is buffered and closes; false when any write failed.
  bool Close();

 private:
  void Put(std::string_view text);
  void Flush();

  AtomicFile file_;
  std::string buffer_;
  bool capturing_ = false;
};

}  // namespace quenor
