#include "ancestry/ancestor_table.h"

#include <algorithm>
#include <new>

namespace quenor {

AncestorTable::AncestorTable() : entries_(static_cast<int32_t*>(std::calloc(kSize, sizeof(int32_t)))) {
  if (!entries_) throw std::bad_alloc();
}

void AncestorTable::Clear() {
  std::fill(entries_.get(), entries_.get() + reached_, 0);
  reached_ = 0;
  lastStradonitz = 0;
}

}  // namespace quenor
