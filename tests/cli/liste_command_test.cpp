// quenor-cli liste: the built program run in a scratch folder, its exit
// codes, its output streams and the list it writes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/cp1252.h"
#include "platform/version.h"
#include "tests/support/session_fixture.h"
#include "tests/support/shell_command.h"

namespace quenor {
namespace {

using testing::ShellQuoted;
using testing::DataFile;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

class ListeCommandTest : public ::testing::Test {
 protected:
  // Runs quenor-cli with `arguments` (already quoted) in the scratch folder,
  // with the temporary folder inside it.
  CliRun Cli(const std::string& arguments) {
    const std::string command = "cd " + ShellQuoted(folder.path().string()) + " && TMPDIR=" +
                                ShellQuoted(folder.path().string()) + " " + ShellQuoted(QUENOR_CLI) + " " + arguments +
                                " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadBytes(folder / "stdout.txt");
    run.err = ReadBytes(folder / "stderr.txt");
    return run;
  }

  ScratchFolder folder;
};

TEST_F(ListeCommandTest, WritesTheSameListAsTheProgramIntoTheCurrentFolder) {
  const CliRun run = Cli("liste " + ShellQuoted(DataFile("royal92.ged").string()));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("Lecture du fichier de données en cours...\n", 0), 0u);
  EXPECT_NE(run.out.find(" contient 3010 individus et 1422 mariages.   Extraction des données en cours...\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("Enregistrement...\nPréparation pour visionnement\n"), std::string::npos);

  testing::SessionFixture program;
  ASSERT_TRUE(program.LoadData("royal92.ged"));
  const std::string written = ReadBytes(folder / "LstGED.TXT");
  EXPECT_GT(written.size(), 100'000u);
  EXPECT_EQ(written, program.Report("LstGED.TXT"));
}

TEST_F(ListeCommandTest, RelativePathNamesTheFolderOfTheFileInTheTitle) {
  std::filesystem::create_directory(folder / "arbre");
  std::filesystem::copy_file(DataFile("bronte.ged"), folder / "arbre" / "bronte.ged");
  const CliRun run = Cli("liste arbre/bronte.ged");
  EXPECT_EQ(run.exitCode, 0);
  const std::string title = ReadBytes(folder / "LstGED.TXT").substr(0, 300);
  EXPECT_NE(title.find(" du fichier " + Cp1252FromUtf8((folder / "arbre").string()) + "\r\n"), std::string::npos);
}

TEST_F(ListeCommandTest, RenumberedFileIsListedWithItsNewNumbers) {
  WriteBytes(folder / "grand.ged", "0 HEAD\n0 @I30000000@ INDI\n1 NAME Jean /Grand/\n0 TRLR\n");
  const CliRun run = Cli("liste grand.ged");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("Un moment S.V.P. renumérotation en cours\n"), std::string::npos);
  EXPECT_NE(run.out.find("Notez que la numérotation des individus diffère de celle du fichier initial\n"),
            std::string::npos);
  EXPECT_NE(ReadBytes(folder / "LstGED.TXT").find("      1  Grand, Jean"), std::string::npos);
}

TEST_F(ListeCommandTest, RefusedFilesExitWithOneAndACaptionedMessage) {
  CliRun run = Cli("liste absent.ged");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind("absent.ged: Impossible d'ouvrir ce fichier.", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(folder / "LstGED.TXT"));

  WriteBytes(folder / "texte.ged", "Bonjour\n");
  run = Cli("liste texte.ged");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "texte.ged: Ce fichier n'a pas le format GEDCOM\n");

  WriteBytes(folder / "chiffres.ged", "0 HEAD\n0 @12000000@ INDI\n1 NAME A /B/\n0 TRLR\n");
  run = Cli("liste chiffres.ged");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.rfind("Erreur: Le nombre d'individus dépasse la capacité de 10000000.", 0), 0u);
}

TEST_F(ListeCommandTest, UsageErrorsExitWithTwoAndHelpIsFrench) {
  EXPECT_EQ(Cli("").exitCode, 2);
  EXPECT_EQ(Cli("liste").exitCode, 2);
  EXPECT_EQ(Cli("liste a.ged b.ged").exitCode, 2);
  const CliRun unknown = Cli("lister a.ged");
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.err.find("commande inconnue"), std::string::npos);
  const CliRun help = Cli("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Usage : quenor-cli COMMANDE FICHIER.ged"), std::string::npos);
  EXPECT_NE(help.out.find("charge le fichier et écrit la liste alphabétique LstGED.TXT"), std::string::npos);
}

TEST_F(ListeCommandTest, EachCommandTellsItsUsageAndTheVersionIsKnown) {
  const CliRun wrong = Cli("liste a.ged b.ged");
  EXPECT_EQ(wrong.err,
            "quenor-cli : la commande liste attend un seul FICHIER.ged\n"
            "Usage : quenor-cli liste FICHIER.ged\nEssayez « quenor-cli liste --help ».\n");
  for (const char* command : {"liste", "ascendance", "liens", "eventail"}) {
    const CliRun usage = Cli(std::string(command) + " --help");
    EXPECT_EQ(usage.exitCode, 0) << command;
    EXPECT_EQ(usage.out.rfind("Usage : quenor-cli " + std::string(command) + " FICHIER.ged", 0), 0u) << usage.out;
  }
  EXPECT_EQ(Cli("aide eventail").out, Cli("eventail -h").out);
  const CliRun version = Cli("--version");
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, std::string("quenor-cli ") + kQuenorVersion + "\n");
}

TEST_F(ListeCommandTest, WhatIsPrintedIsValidUtf8WhateverTheArguments) {
  // A name that is not UTF-8, with an escape sequence in it.
  const CliRun unknown = Cli("\"$(printf 'lister\\377\\033[2J')\"");
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.err,
            "quenor-cli : commande inconnue : lister\xEF\xBF\xBD\xEF\xBF\xBD[2J\nEssayez « quenor-cli --help ».\n");
}

}  // namespace
}  // namespace quenor
