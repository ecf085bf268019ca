#pragma once
// How many pages, their neighbours overlapping, a drawing takes in one
// direction: the figure the fan chart dialog shows and the tiling of a run.

namespace quenor {

// Pages of `pageSize` inches, neighbours overlapping by `overlap`, that cover
// `size` inches: at least 1 and at most `most`; `withoutRoom` when a page has
// no room left once the overlap is taken.
int PagesToCover(double size, double pageSize, double overlap, int most, int withoutRoom);

}  // namespace quenor
