#pragma once
// The fixed columns of the ancestry list LstAscd.TXT (0-based positions in a
// line, line end removed). The fan chart reads the file back through them.
#include <cstddef>

namespace quenor::ancestry_list {

// "%10ld %7ld %-40s %17s %s"
inline constexpr std::size_t kStradonitzColumn = 0;
inline constexpr std::size_t kStradonitzWidth = 10;
inline constexpr std::size_t kIndividualColumn = 11;
inline constexpr std::size_t kIndividualWidth = 7;
inline constexpr std::size_t kNameColumn = 19;
inline constexpr std::size_t kNameWidth = 40;
inline constexpr std::size_t kMarriageDateColumn = 60;
inline constexpr std::size_t kMarriageDateWidth = 17;
inline constexpr std::size_t kMarriagePlaceColumn = 78;

// Generation headings: 48 hyphens, " %2d ième génération ", 48 hyphens.
inline constexpr std::size_t kGenerationRuleLength = 48;
inline constexpr char kGenerationRuleChar = '-';

// The title, the empty line and the column heading stay in view.
inline constexpr int kHeadingLines = 3;

}  // namespace quenor::ancestry_list
