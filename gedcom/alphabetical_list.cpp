#include "gedcom/alphabetical_list.h"

namespace quenor {

void SortList::Clear() {
  numbers_.clear();
  nameStarts_.clear();
  nameLengths_.clear();
  names_.clear();
  order_.clear();
}

void SortList::Add(int32_t number, std::string_view name) {
  if (name.size() > 255) name = name.substr(0, 255);
  numbers_.push_back(number);
  nameStarts_.push_back(static_cast<uint32_t>(names_.size()));
  nameLengths_.push_back(static_cast<uint8_t>(name.size()));
  names_.append(name);
}

std::string_view SortList::Name(std::size_t i) const {
  return std::string_view(names_).substr(nameStarts_[i], nameLengths_[i]);
}

}  // namespace quenor

// Provisional writer (unsorted), replaced by the collating one.
#include <cstdio>
#include "session/session.h"
namespace quenor {
bool WriteAlphabeticalList(Session& session, SortList& list) {
  std::FILE* f = std::fopen(session.SlotPath(1).c_str(), "wb");
  if (!f) return false;
  for (std::size_t i = 0; i < list.Size(); ++i) std::fprintf(f, "%7ld  %.*s\r\n", (long)list.Number(i), (int)list.Name(i).size(), list.Name(i).data());
  std::fclose(f);
  return true;
}
}  // namespace quenor
