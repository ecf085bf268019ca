#pragma once
// The person lines of the alphabetical list, made from what the indexing
// pass kept of each entry (name, families) and of each family (marriage
// line), so that the lines of any entries can be made on any thread without
// reading the records again.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace quenor {

class GedcomIndex;
class SortList;

class ListEntryLines {
 public:
  ListEntryLines(const GedcomIndex& index, const SortList& list) : index_(index), list_(list) {}

  // Appends the lines of the entries, in their order, each line ended by
  // CR LF: "%7ld  %-40s %s" with the first marriage, then "%49s %s" for the
  // second to sixth. Name and marriages are those of the record the index
  // holds for the entry's number: a later record with the same number gives
  // them to both lines.
  void Append(std::span<const uint32_t> entries, std::string& out) const;

 private:
  struct Batch;
  void Gather(std::span<const uint32_t> entries, Batch& batch) const;
  static void Compose(const Batch& batch, std::string& out);

  const GedcomIndex& index_;
  const SortList& list_;
};

}  // namespace quenor
