#include "gedcom/list_entry_lines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "gedcom/gedcom_index.h"
#include "gedcom/marriage_lines.h"
#include "gedcom/sort_list.h"

namespace quenor {
namespace {

constexpr std::size_t kNumberWidth = 7;
constexpr std::size_t kNameWidth = 40;
constexpr std::size_t kContinuationIndent = 49;
constexpr std::size_t kMarriagesShown = 6;
// Entries gathered together: the memory accesses of one entry do not wait
// for those of the one before.
constexpr std::size_t kBatch = 64;

void AppendNumber(std::string& out, int32_t n) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, n);
  const auto length = static_cast<std::size_t>(result.ptr - digits);
  if (length < kNumberWidth) out.append(kNumberWidth - length, ' ');
  out.append(digits, length);
}

}  // namespace

// What the lines of a few entries are made of.
struct ListEntryLines::Batch {
  struct Person {
    int32_t number = 0;
    std::string_view name;
    std::size_t firstMarriage = 0;  // in `marriages`
    std::size_t marriageCount = 0;
  };
  std::array<Person, kBatch> persons;
  std::size_t size = 0;
  std::array<std::string_view, kBatch * kMarriagesShown> marriages;
};

void ListEntryLines::Gather(std::span<const uint32_t> entries, Batch& batch) const {
  batch.size = entries.size();
  std::array<std::size_t, kBatch> sources{};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const uint32_t entry = entries[i];
    const int32_t n = list_.Number(entry);
    // The entry whose record the index holds for n: the last of those that
    // carry n. The header at offset 0 stands for no record: no name, no family.
    std::size_t source = list_.IsRepeatedNumber(n) ? list_.EntryOfRecord(index_.Individual(n).recordOffset) : entry;
    if (source < list_.Size() && list_.RecordOffset(source) == 0) source = list_.Size();
    sources[i] = source;
    batch.persons[i] = {n, source < list_.Size() ? list_.Name(source) : std::string_view(), 0, 0};
  }
  std::size_t marriages = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    Batch::Person& person = batch.persons[i];
    person.firstMarriage = marriages;
    if (sources[i] >= list_.Size()) continue;
    for (const int32_t family : list_.SpouseFamilies(sources[i])) {
      const std::string_view marriage = index_.Marriages().Of(family);
      if (marriage.empty()) continue;
      __builtin_prefetch(marriage.data());
      batch.marriages[marriages++] = marriage;
      if (++person.marriageCount == kMarriagesShown) break;
    }
    __builtin_prefetch(person.name.data());
  }
}

void ListEntryLines::Compose(const Batch& batch, std::string& out) {
  for (std::size_t i = 0; i < batch.size; ++i) {
    const Batch::Person& person = batch.persons[i];
    // "%7ld  %-40s %s" then "%49s %s" for the further marriages (a marriage
    // always starts in column 51).
    AppendNumber(out, person.number);
    out.append("  ");
    out.append(person.name);
    if (person.name.size() < kNameWidth) out.append(kNameWidth - person.name.size(), ' ');
    out.push_back(' ');
    for (std::size_t m = 0; m < person.marriageCount; ++m) {
      if (m > 0) out.append(kContinuationIndent + 1, ' ');
      out.append(batch.marriages[person.firstMarriage + m]);
      out.append("\r\n");
    }
    if (person.marriageCount == 0) out.append("\r\n");
  }
}

void ListEntryLines::Append(std::span<const uint32_t> entries, std::string& out) const {
  Batch batch;
  for (std::size_t first = 0; first < entries.size(); first += kBatch) {
    Gather(entries.subspan(first, std::min(kBatch, entries.size() - first)), batch);
    Compose(batch, out);
  }
}

}  // namespace quenor
