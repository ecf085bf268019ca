// The GEDCOM file is never written: every command of quenor-cli, run as an
// ordinary user on a read-only copy of each sample file, leaves its bytes,
// its modification time and its folder as they were; and so it does when the
// copy and its folder may be written.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "gedcom/gedcom_index.h"
#include "tests/support/faults.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using testing::ChildSetting;
using testing::NamesIn;
using testing::ReadBytes;

// Every sample file of the tests, the project's own family and a file whose
// numbers send it through the renumbering.
std::vector<std::string> SampleFiles() {
  std::vector<std::string> paths{std::string(QUENOR_SAMPLES_DIR) + "/famille-martin.ged", ""};
  for (const auto& entry : std::filesystem::directory_iterator(QUENOR_TEST_DATA_DIR)) {
    const std::string extension = entry.path().extension().string();
    if (extension == ".ged" || extension == ".GED") paths.push_back(entry.path().string());
  }
  return paths;
}

const std::string kRenumbered =
    "0 HEAD\n0 @I30000000@ INDI\n1 NAME Jean /Grand/\n1 FAMS @F9000000@\n0 @I30000001@ INDI\n1 NAME Anne /Roy/\n"
    "1 FAMS @F9000000@\n0 @I30000002@ INDI\n1 NAME Paul /Grand/\n1 FAMC @F9000000@\n"
    "0 @F9000000@ FAM\n1 HUSB @I30000000@\n1 WIFE @I30000001@\n1 CHIL @I30000002@\n0 TRLR\n";

// Two persons of the file: one with parents when there is one, and another.
struct Persons {
  std::string withParents = "1";
  std::string other = "2";
};

Persons PersonsOf(const std::filesystem::path& file) {
  testing::SessionFixture fixture;
  Persons persons;
  if (LoadGedcomFile(fixture.session, file.string()) != LoadResult::Loaded) return persons;
  const GedcomIndex& index = fixture.session.index;
  std::vector<int32_t> found;
  for (int32_t n = 1; n <= index.HighestIndividual() && found.size() < 2; ++n) {
    if (index.IndividualRecord(n) != nullptr && (index.ParentFamily(n) != 0 || !found.empty())) found.push_back(n);
  }
  if (!found.empty()) persons.withParents = std::to_string(found[0]);
  if (found.size() > 1) persons.other = std::to_string(found[1]);
  std::error_code ignored;
  if (!fixture.session.renumbering.privateFolder.empty()) {
    std::filesystem::remove_all(fixture.session.renumbering.privateFolder, ignored);
  }
  return persons;
}

class GedcomUntouchedTest : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(ReadOnly());
    std::filesystem::create_directory(scratch / "travail");
    const std::string name = GetParam().empty() ? "grand.ged" : std::filesystem::path(GetParam()).filename().string();
    copy = ReadOnly() / name;
    if (GetParam().empty()) {
      testing::WriteBytes(copy, kRenumbered);
    } else {
      std::filesystem::copy_file(GetParam(), copy);
    }
    bytes = ReadBytes(copy);
    std::filesystem::last_write_time(copy, std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400));
    modified = std::filesystem::last_write_time(copy);
    ASSERT_EQ(chmod(copy.c_str(), 0444), 0);
    ASSERT_EQ(chmod(ReadOnly().c_str(), 0555), 0);
  }
  void TearDown() override { chmod(ReadOnly().c_str(), 0755); }

  std::filesystem::path ReadOnly() const { return scratch / "lecture seule"; }
  void MakeWritable() {
    ASSERT_EQ(chmod(ReadOnly().c_str(), 0755), 0);
    ASSERT_EQ(chmod(copy.c_str(), 0644), 0);
  }
  // Runs quenor-cli as an ordinary user in the working folder; its exit code.
  int Cli(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), QUENOR_CLI);
    ChildSetting setting;
    setting.folder = (scratch / "travail").string();
    setting.temporaryFolder = scratch.path().string();
    setting.output = (scratch / "stdout.txt").string();
    setting.errors = (scratch / "stderr.txt").string();
    setting.ordinaryUser = true;
    return testing::WaitForChild(testing::StartProgram(arguments, setting));
  }
  void ExpectUntouched(const std::string& command) const {
    EXPECT_EQ(ReadBytes(copy), bytes) << command;
    EXPECT_EQ(std::filesystem::last_write_time(copy), modified) << command;
    EXPECT_EQ(NamesIn(ReadOnly().string()), std::vector<std::string>{copy.filename().string()}) << command;
  }

  testing::ScratchFolder scratch;
  std::filesystem::path copy;
  std::string bytes;
  std::filesystem::file_time_type modified;
};

TEST_P(GedcomUntouchedTest, EveryCommandLeavesTheFileAsItWas) {
  const Persons persons = PersonsOf(copy);
  const std::string file = copy.string();
  const std::vector<std::vector<std::string>> commands{
      {"liste", file},
      {"ascendance", file, persons.withParents},
      {"liens", file, persons.withParents, persons.other},
      {"liens", file, persons.other, persons.withParents},
      {"consanguinite", file, persons.withParents},
#ifdef QUENOR_CLI_DRAWS
      {"eventail", file, persons.withParents, "--script", "e.scr", "--svg", "e.svg", "--pdf", "e.pdf", "--affiche"},
#else
      {"eventail", file, persons.withParents, "--script", "e.scr"},
#endif
  };
  const auto runAll = [&](const std::string& mode) {
    for (const std::vector<std::string>& command : commands) {
      const int code = Cli(command);
      EXPECT_TRUE(code == 0 || code == 1) << command[0] << " ended with " << code;
      ExpectUntouched(mode + command[0] + " " + command.back());
    }
  };
  runAll("read-only: ");
  EXPECT_TRUE(std::filesystem::exists(scratch / "travail" / "LstGED.TXT"));
  MakeWritable();
  runAll("writable: ");
}

INSTANTIATE_TEST_SUITE_P(Samples, GedcomUntouchedTest, ::testing::ValuesIn(SampleFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param.empty() ? "renumbered"
                                                                 : std::filesystem::path(info.param).stem().string();
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name + "_" + std::to_string(info.index);
                         });

}  // namespace
}  // namespace quenor
