#pragma once
// Whether each person is named (IsNamed), read once per analysis: the
// ancestry list reads every name it writes, and the statistics then count
// only the named entries.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quenor {

class GedcomIndex;

class NamedPersons {
 public:
  explicit NamedPersons(const GedcomIndex& index);

  // IsNamed(index, n), read from the file the first time only.
  bool IsNamed(int32_t n) {
    if (n >= 0 && static_cast<std::size_t>(n) < known_.size() && known_[static_cast<std::size_t>(n)] != kUnknown) {
      return known_[static_cast<std::size_t>(n)] == kNamed;
    }
    return Read(n);
  }
  // Records what a caller that read the name of n already knows.
  void Remember(int32_t n, bool named);

 private:
  enum : uint8_t { kUnknown, kNamed, kNotNamed };

  bool Read(int32_t n);

  const GedcomIndex& index_;
  std::vector<uint8_t> known_;  // by individual number
};

}  // namespace quenor
