#pragma once
// The list of the common root ancestors of the two persons: LstSouch.TXT.
#include <cstdint>
#include <string>
#include <vector>

namespace quenor {

class Session;

// The text of LstSouch.TXT for `roots` (increasing individual numbers).
std::string RootAncestorListText(const Session& session, const std::vector<int32_t>& roots);

// Writes LstSouch.TXT, enables its menu items and shows it. False when the
// file cannot be written.
bool ReportRootAncestors(Session& session, const std::vector<int32_t>& roots);

}  // namespace quenor
