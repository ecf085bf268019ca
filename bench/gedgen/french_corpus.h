#pragma once
// The French names, places and texts the generated families are made of
// (UTF-8): accented given names and surnames, compound given names,
// surnames with particles, places "Ville, Département, France".
#include <span>
#include <string_view>

namespace quenor::gedgen {

std::span<const std::string_view> MaleGivenNames();
std::span<const std::string_view> FemaleGivenNames();
std::span<const std::string_view> Surnames();
std::span<const std::string_view> Places();
// Sentences that notes are made of.
std::span<const std::string_view> NoteSentences();
// Titles of the source records.
std::span<const std::string_view> SourceTitles();

}  // namespace quenor::gedgen
