// The Debian package as a user gets it: made by CPack from this build,
// unpacked with dpkg-deb, its programs run from the unpacked tree, its
// desktop entry, AppStream data and manual pages checked by the tools of the
// distribution, and lintian's verdict on the whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/shell_command.h"
#include "tests/support/test_files.h"

namespace quenor::testing {
namespace {

namespace fs = std::filesystem;

const std::string kVersion = QUENOR_VERSION_TEXT;

// The package made once for all the cases, and its unpacked tree.
class DebianPackage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<ScratchFolder>();
    const ShellRun made = RunShell(ShellQuoted(QUENOR_CPACK) + " -G DEB --config " +
                                   ShellQuoted(QUENOR_CPACK_CONFIG) + " -B " + ShellQuoted((*folder_ / "out").string()) +
                                   " 2>&1");
    cpackOutput_ = made.output;
    deb_ = *folder_ / "out" / ("quenor_" + kVersion + "_amd64.deb");
    root_ = *folder_ / "racine";
    RunShell(ShellQuoted(QUENOR_DPKG_DEB) + " -x " + ShellQuoted(deb_.string()) + " " + ShellQuoted(root_.string()));
  }
  static void TearDownTestSuite() { folder_.reset(); }

  void SetUp() override { ASSERT_TRUE(fs::exists(deb_)) << "cpack:\n" << cpackOutput_; }

  static fs::path Installed(const std::string& path) { return root_ / path; }
  static std::string Field(const std::string& name) {
    return RunShell(ShellQuoted(QUENOR_DPKG_DEB) + " -f " + ShellQuoted(deb_.string()) + " " + name).output;
  }
  // Runs an unpacked program in an empty folder that is also its temporary folder.
  static ShellRun RunInstalled(const std::string& program, const std::string& arguments, const fs::path& where) {
    return RunShell("cd " + ShellQuoted(where.string()) + " && TMPDIR=" + ShellQuoted(where.string()) + " " +
                    ShellQuoted(Installed("usr/bin/" + program).string()) + " " + arguments + " 2>&1");
  }

  static std::unique_ptr<ScratchFolder> folder_;
  static std::string cpackOutput_;
  static fs::path deb_;
  static fs::path root_;
};

std::unique_ptr<ScratchFolder> DebianPackage::folder_;
std::string DebianPackage::cpackOutput_;
fs::path DebianPackage::deb_;
fs::path DebianPackage::root_;

// Width and height from the header of a PNG file; 0 x 0 when it is none.
std::pair<int, int> PngSize(const fs::path& path) {
  const std::string bytes = ReadBytes(path);
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1A\n") != 0) return {0, 0};
  auto word = [&bytes](std::size_t at) {
    int value = 0;
    for (std::size_t i = at; i < at + 4; ++i) value = value * 256 + static_cast<unsigned char>(bytes[i]);
    return value;
  };
  return {word(16), word(20)};
}

TEST_F(DebianPackage, DependsOnWhatItsProgramsLinkAndOnQtsCatalogues) {
  EXPECT_EQ(Field("Package"), "quenor\n");
  EXPECT_EQ(Field("Version"), kVersion + "\n");
  const std::string depends = Field("Depends");
  for (const char* library : {"libqt6widgets6", "libqt6printsupport6", "libqt6svg6", "libicu", "libstdc++6",
                              "qt6-translations-l10n"}) {
    EXPECT_NE(depends.find(library), std::string::npos) << library << " in " << depends;
  }
}

TEST_F(DebianPackage, HoldsProgramsGuideEntryTypeIconDataAndManuals) {
  for (const char* path : {"usr/bin/quenor", "usr/bin/quenor-cli", "usr/share/quenor/qrmd.rtf",
                           "usr/share/applications/quenor.desktop", "usr/share/mime/packages/quenor-gedcom.xml",
                           "usr/share/icons/hicolor/scalable/apps/quenor.svg",
                           "usr/share/metainfo/fr.quenor.Quenor.metainfo.xml", "usr/share/man/man1/quenor.1.gz",
                           "usr/share/man/man1/quenor-cli.1.gz", "usr/share/doc/quenor/copyright",
                           "usr/share/doc/quenor/changelog.gz", "usr/share/doc/quenor/examples/famille-martin.ged"}) {
    EXPECT_TRUE(fs::is_regular_file(Installed(path))) << path;
  }
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    EXPECT_EQ(PngSize(Installed("usr/share/icons/hicolor/" + name + "/apps/quenor.png")), std::make_pair(size, size))
        << name;
  }
  // Nothing but programs in the folder of programs.
  for (const auto& entry : fs::directory_iterator(Installed("usr/bin"))) {
    EXPECT_TRUE(entry.path().filename() == "quenor" || entry.path().filename() == "quenor-cli") << entry.path();
  }
}

TEST_F(DebianPackage, DesktopEntryAndAppStreamDataValidate) {
  const ShellRun desktop = RunShell(ShellQuoted(QUENOR_DESKTOP_FILE_VALIDATE) + " " +
                                    ShellQuoted(Installed("usr/share/applications/quenor.desktop").string()) + " 2>&1");
  EXPECT_EQ(desktop.exitCode, 0) << desktop.output;
  EXPECT_EQ(desktop.output, "");

  const fs::path metainfo = Installed("usr/share/metainfo/fr.quenor.Quenor.metainfo.xml");
  const ShellRun appstream =
      RunShell(ShellQuoted(QUENOR_APPSTREAMCLI) + " validate --no-net " + ShellQuoted(metainfo.string()) + " 2>&1");
  EXPECT_EQ(appstream.exitCode, 0) << appstream.output;
  const std::string data = ReadBytes(metainfo);
  EXPECT_NE(data.find("<summary>Ancestry analysis and kinship links from a GEDCOM file</summary>"), std::string::npos);
  EXPECT_NE(data.find("<summary xml:lang=\"fr\">Analyse d'ascendance et liens de parenté"), std::string::npos);
  EXPECT_NE(data.find("<release version=\"" + kVersion + "\""), std::string::npos);
}

TEST_F(DebianPackage, CommandLineToolRunsFromTheUnpackedTree) {
  ScratchFolder work;
  const ShellRun version = RunInstalled("quenor-cli", "--version", work.path());
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.output, "quenor-cli " + kVersion + "\n");

  const ShellRun list = RunInstalled(
      "quenor-cli", "liste " + ShellQuoted(Installed("usr/share/doc/quenor/examples/famille-martin.ged").string()),
      work.path());
  EXPECT_EQ(list.exitCode, 0) << list.output;
  EXPECT_NE(list.output.find("contient 55 individus et 25 mariages."), std::string::npos) << list.output;
  EXPECT_NE(ReadBytes(work / "LstGED.TXT").find("Liste alphab\xE9tique des 55 personnes"), std::string::npos);
}

TEST_F(DebianPackage, DesktopProgramFindsItsInstalledGuide) {
  ScratchFolder work;
  const ShellRun version = RunInstalled("quenor", "--version", work.path());
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.output, "quenor " + kVersion + "\n");

  const ShellRun help = RunInstalled("quenor", "--help", work.path());
  EXPECT_EQ(help.exitCode, 0);
  const std::string guide = fs::canonical(Installed("usr/share/quenor/qrmd.rtf")).string();
  EXPECT_NE(help.output.find("Guide de l'utilisateur : " + guide + "\n"), std::string::npos) << help.output;
}

TEST_F(DebianPackage, ManualPagesAreFrenchAndReadWithoutWarnings) {
  for (const std::string page : {"quenor", "quenor-cli"}) {
    const fs::path path = Installed("usr/share/man/man1/" + page + ".1.gz");
    const ShellRun shown = RunShell("MANWIDTH=80 LC_ALL=C.UTF-8 " + ShellQuoted(QUENOR_MAN) +
                                    " --warnings -E UTF-8 -l " + ShellQuoted(path.string()) + " 2>&1");
    EXPECT_EQ(shown.exitCode, 0) << page;
    for (const std::string expected : {std::string("NOM"), std::string("SYNOPSIS"), std::string("DESCRIPTION"),
                                       std::string("VOIR AUSSI"), "Quenor " + kVersion}) {
      EXPECT_NE(shown.output.find(expected), std::string::npos) << page << ": " << expected;
    }
    EXPECT_EQ(shown.output.find("warning"), std::string::npos) << shown.output;
  }
}

TEST_F(DebianPackage, LintianFindsNeitherErrorNorWarning) {
  const ShellRun verdict = RunShell(ShellQuoted(QUENOR_LINTIAN) + " --fail-on error,warning " +
                                    ShellQuoted(deb_.string()) + " 2>/dev/null");
  EXPECT_EQ(verdict.exitCode, 0) << verdict.output;
  EXPECT_EQ(verdict.output, "");
}

}  // namespace
}  // namespace quenor::testing
