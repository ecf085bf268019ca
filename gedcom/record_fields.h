#pragma once
// Names, dates, places, marriages and parents read from the record texts on
// demand. Every text is Windows-1252.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "gedcom/gedcom_index.h"

namespace quenor {

// Format 0 "Jean Baptiste Dupont", 1 "Dupont, Jean Baptiste", 2 given names,
// 3 surname. Empty when n is outside 1..10,000,000 or has no usable name.
std::string PersonName(const GedcomIndex& index, int format, int32_t n);

// The given names and the surname of a NAME line, each as the reports cut
// it. One object may serve a whole walk over persons: its strings keep their
// room from one person to the next.
struct NameParts {
  std::string given;
  std::string surname;
};

// Reads the NAME line of individual n into `parts`; false when n is outside
// 1..10,000,000 or has no usable name (PersonName is then empty).
bool ReadNameParts(const GedcomIndex& index, int32_t n, NameParts& parts);

// The same from a record text (an individual's record of the loaded text).
bool ReadRecordNameParts(const char* record, NameParts& parts);

// Appends the name in `format` (as PersonName gives it) to `out`.
void AppendName(const NameParts& parts, int format, std::string& out);

// "1 234 567": a count with a blank between groups of three digits.
std::string FormatCount(int32_t count);

// GEDCOM date to lower-case French ("12 FEB 1850" -> "12 fév 1850").
// The Append forms add to `out`, so that a report of a million lines reuses
// one string.
std::string TranslateDate(std::string_view date);
void AppendTranslatedDate(std::string_view date, std::string& out);

// "%17s %s" of the family's marriage date and place, empty without a MARR
// event (read by the load, kept in the index).
std::string MarriageLine(const GedcomIndex& index, int32_t family);
void AppendMarriageLine(const GedcomIndex& index, int32_t family, std::string& out);
// The same from a family's record text.
void AppendRecordMarriageLine(const char* record, std::string& out);

// The marriage lines of the person's families (in the order of the FAMS
// lines), those with a marriage event only; unfilled places are empty.
std::array<std::string, 6> MarriagesOf(const GedcomIndex& index, int32_t n);

// Calls `visit` with the family number of each " FAMS " line of the person's
// record, in order, while it returns true (the walk of MarriagesOf).
void ForEachSpouseFamily(const GedcomIndex& index, int32_t n, const std::function<bool(int32_t)>& visit);
// The same over a person's record text.
void ForEachSpouseFamilyOfRecord(const char* record, const std::function<bool(int32_t)>& visit);

// "%s et %s" of the parents (format 0), the one known parent alone, or empty.
std::string CoupleName(const GedcomIndex& index, int32_t n);

// The husband / wife of family f: the number after its first "1 HUSB " /
// "1 WIFE " line, 0 when there is none (read by the load, kept in the index).
int32_t HusbandOf(const GedcomIndex& index, int32_t family);
int32_t WifeOf(const GedcomIndex& index, int32_t family);
// The same from a family's record text.
int32_t HusbandOfRecord(const char* record);
int32_t WifeOfRecord(const char* record);

// The father / mother of individual n through the parent family, 0 when unknown.
int32_t FatherOf(const GedcomIndex& index, int32_t n);
int32_t MotherOf(const GedcomIndex& index, int32_t n);

// "d'" before a name that starts with one of "AaEeIiOoUu", "de " otherwise
// (report titles naming a person).
std::string DeOrDApostrophe(std::string_view name);

}  // namespace quenor
