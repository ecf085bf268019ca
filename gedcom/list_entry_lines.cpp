#include "gedcom/list_entry_lines.h"

#include <algorithm>
#include <charconv>

#include "gedcom/gedcom_index.h"
#include "gedcom/record_fields.h"
#include "gedcom/sort_list.h"

namespace quenor {
namespace {

constexpr std::size_t kNumberWidth = 7;
constexpr std::size_t kNameWidth = 40;
constexpr std::size_t kContinuationIndent = 49;
constexpr std::size_t kMarriagesShown = 6;
constexpr std::size_t kChunkSize = 4 << 20;
constexpr std::size_t kLineBytesGuess = 128;  // a person line and a further marriage, about

// The marriage line of each family, computed once however many spouses name it.
class MarriageLineCache {
 public:
  explicit MarriageLineCache(const GedcomIndex& index)
      : index_(index), slots_(static_cast<std::size_t>(index.FlatFamilyLimit()) + 1, 0) {}

  const std::string& LineOf(int32_t family) {
    if (family < 0 || static_cast<std::size_t>(family) >= slots_.size()) {
      outside_ = MarriageLine(index_, family);
      return outside_;
    }
    uint32_t& slot = slots_[static_cast<std::size_t>(family)];
    if (slot == 0) {
      lines_.push_back(MarriageLine(index_, family));
      slot = static_cast<uint32_t>(lines_.size());
    }
    return lines_[slot - 1];
  }

 private:
  const GedcomIndex& index_;
  std::vector<uint32_t> slots_;  // 0: not computed yet, else 1 + place in lines_
  std::vector<std::string> lines_;
  std::string outside_;
};

void AppendNumber(std::string& out, int32_t n) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, n);
  const auto length = static_cast<std::size_t>(result.ptr - digits);
  if (length < kNumberWidth) out.append(kNumberWidth - length, ' ');
  out.append(digits, length);
}

// "%7ld  %-40s %s" then "%49s %s" for the further marriages (a marriage
// always starts in column 51).
void AppendPersonLines(std::string& out, const GedcomIndex& index, MarriageLineCache& marriages, int32_t n,
                       std::string_view name) {
  AppendNumber(out, n);
  out.append("  ");
  out.append(name);
  if (name.size() < kNameWidth) out.append(kNameWidth - name.size(), ' ');
  out.push_back(' ');
  std::size_t shown = 0;
  ForEachSpouseFamily(index, n, [&](int32_t family) {
    const std::string& marriage = marriages.LineOf(family);
    if (marriage.empty()) return true;
    if (shown > 0) out.append(kContinuationIndent + 1, ' ');
    out.append(marriage);
    out.append("\r\n");
    return ++shown < kMarriagesShown;
  });
  if (shown == 0) out.append("\r\n");
}

}  // namespace

ListEntryLines::ListEntryLines(const GedcomIndex& index, const SortList& list) {
  MarriageLineCache marriages(index);
  places_.reserve(list.Size());
  // A short list takes no more room than it needs.
  chunks_.emplace_back().reserve(std::min(kChunkSize, list.Size() * kLineBytesGuess));
  for (std::size_t i = 0; i < list.Size(); ++i) {
    if (chunks_.back().size() >= kChunkSize) chunks_.emplace_back().reserve(kChunkSize + 4096);
    std::string& chunk = chunks_.back();
    const std::size_t start = chunk.size();
    const int32_t n = list.Number(i);
    // The name is read again from the record the index holds for n, unless
    // that is the very record the list's name came from (a later record
    // with the same number wins, and then gives its name to both lines).
    const int32_t offset = index.Individual(n).recordOffset;
    if (offset != 0 && offset == list.RecordOffset(i)) {
      AppendPersonLines(chunk, index, marriages, n, list.Name(i));
    } else {
      AppendPersonLines(chunk, index, marriages, n, PersonName(index, 1, n));
    }
    places_.push_back(Place{static_cast<uint32_t>(chunks_.size() - 1), static_cast<uint32_t>(start),
                            static_cast<uint32_t>(chunk.size() - start)});
  }
}

std::string_view ListEntryLines::Of(std::size_t entry) const {
  const Place& place = places_[entry];
  return std::string_view(chunks_[place.chunk]).substr(place.offset, place.length);
}

}  // namespace quenor
