#pragma once
// Private folders for the files the program writes for itself (the
// renumbered GEDCOM copy): created with an unpredictable name under the
// system's temporary folder, readable and writable by the user alone.
#include <string>

namespace quenor {

// Creates "<temporary folder>/<prefix>XXXXXX" with mode 0700; returns its
// path (UTF-8), or an empty text when it cannot be created.
std::string CreatePrivateFolder(const std::string& prefix);

// True when `path` is a folder that belongs to the user and that nobody
// else may read or write (a folder created by CreatePrivateFolder).
bool IsPrivateFolder(const std::string& path);

}  // namespace quenor
