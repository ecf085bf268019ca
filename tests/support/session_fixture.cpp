#include "tests/support/session_fixture.h"

#include "session/gedcom_opening.h"

namespace quenor::testing {

bool SessionFixture::LoadData(const std::string& name) {
  return LoadGedcomFile(session, DataFile(name).string()) == LoadResult::Loaded;
}

bool SessionFixture::LoadText(const std::string& text, const std::string& fileName) {
  const auto path = folder / fileName;
  WriteBytes(path, text);
  return LoadGedcomFile(session, path.string()) == LoadResult::Loaded;
}

}  // namespace quenor::testing
