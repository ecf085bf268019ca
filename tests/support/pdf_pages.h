#pragma once
// The number of pages of a PDF file written by Qt, counted from its page
// objects; -1 when the file cannot be read.
#include <filesystem>

namespace quenor::testing {

int PdfPageCount(const std::filesystem::path& path);

}  // namespace quenor::testing
