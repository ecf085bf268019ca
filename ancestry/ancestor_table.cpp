#include "ancestry/ancestor_table.h"

#include <algorithm>

namespace quenor {

void AncestorTable::Clear() {
  std::fill(entries_.get(), entries_.get() + kSize, 0);
  lastStradonitz = 0;
}

}  // namespace quenor
