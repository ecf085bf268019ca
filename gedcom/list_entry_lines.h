#pragma once
// The person lines of the alphabetical list, made for every entry of the
// sort list before they are written in name order.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quenor {

class GedcomIndex;
class SortList;

class ListEntryLines {
 public:
  // Makes the lines of every entry in file order, the order in which the
  // records lie in memory.
  ListEntryLines(const GedcomIndex& index, const SortList& list);

  // The lines of one entry, each ended by CR LF: "%7ld  %-40s %s" with the
  // first marriage, then "%49s %s" for the second to sixth.
  std::string_view Of(std::size_t entry) const;

 private:
  struct Place {
    uint32_t chunk;
    uint32_t offset;
    uint32_t length;
  };
  std::vector<std::string> chunks_;
  std::vector<Place> places_;
};

}  // namespace quenor
