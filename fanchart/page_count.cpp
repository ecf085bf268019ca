#include "fanchart/page_count.h"

#include <cmath>

namespace quenor {

int PagesToCover(double size, double pageSize, double overlap, int most, int withoutRoom) {
  const double usable = pageSize - overlap;
  if (!(usable > 0.0)) return withoutRoom;
  const double pages = std::ceil(size / usable);
  if (!(pages >= 1.0)) return 1;  // nothing to cover, or figures that are no numbers
  if (pages > most) return most;
  return static_cast<int>(pages);
}

}  // namespace quenor
