#pragma once
// Large blocks of the program's memory in large pages.
//
// A list of a million persons is sorted and written through blocks of tens of
// megabytes (keys, orders, names, texts), each taken fresh from the system
// and touched once. The system hands fresh memory over one small page at a
// time, at a fault each: 25,000 of them for one load of such a file, and on a
// virtual machine a fault may cost ten microseconds. Once this is called,
// every block of 2 MB and more that `new` gives starts on a large page
// boundary, and the system is asked to back its whole large pages with large
// pages: one fault then serves 2 MB. Smaller blocks are left as they were,
// and so is everything where the system gives no large pages.
//
// The operators `new` and `delete` of the program are replaced for this, and
// hand every block to the C library's allocator; a build with a sanitizer
// keeps the sanitizer's own, and this call then changes nothing.
#include <cstddef>

namespace quenor {

// The smallest block that is given large pages.
inline constexpr std::size_t kLargePageBlock = std::size_t{2} << 20;

// Called once at the start of `main`, before any thread is started.
void UseLargePagesForLargeBlocks();

// Whether blocks of kLargePageBlock bytes and more now start on a large page
// boundary (false in a build with a sanitizer, or without large pages).
bool LargeBlocksInLargePages();

}  // namespace quenor
