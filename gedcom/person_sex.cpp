#include "gedcom/person_sex.h"

#include <cstring>

#include "gedcom/gedcom_index.h"
#include "gedcom/record_fields.h"

namespace quenor {
namespace {

Sex SexOfLine(const char* record) {
  const char* line = std::strstr(record, "\n1 SEX ");
  if (line == nullptr) return Sex::Unknown;
  const char* value = line + 7;
  while (*value == ' ') ++value;
  if (*value == 'M' || *value == 'm') return Sex::Male;
  if (*value == 'F' || *value == 'f') return Sex::Female;
  return Sex::Unknown;
}

Sex SexOfRole(const GedcomIndex& index, int32_t n) {
  Sex sex = Sex::Unknown;
  ForEachSpouseFamily(index, n, [&](int32_t family) {
    if (HusbandOf(index, family) == n) sex = Sex::Male;
    else if (WifeOf(index, family) == n) sex = Sex::Female;
    return sex == Sex::Unknown;
  });
  return sex;
}

}  // namespace

Sex SexOf(const GedcomIndex& index, int32_t n) {
  const char* record = index.IndividualRecord(n);
  if (record == nullptr || n <= 0) return Sex::Unknown;
  const Sex stated = SexOfLine(record);
  return stated != Sex::Unknown ? stated : SexOfRole(index, n);
}

}  // namespace quenor
