#include "tests/support/pdf_pages.h"

#include <fstream>
#include <iterator>
#include <string>

namespace quenor::testing {

int PdfPageCount(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return -1;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (bytes.rfind("%PDF", 0) != 0) return -1;
  const std::string marker = "/Type /Page";
  int pages = 0;
  for (std::size_t at = bytes.find(marker); at != std::string::npos; at = bytes.find(marker, at + 1)) {
    std::size_t next = at + marker.size();
    if (next < bytes.size() && bytes[next] == 's') continue;  // the page tree
    ++pages;
  }
  return pages;
}

}  // namespace quenor::testing
