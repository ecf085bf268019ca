// What quenor-cli prints: the texts made safe for a terminal, the message
// blocks, and the help of every command.
#include <gtest/gtest.h>

#include <string>

#include "cli/terminal.h"
#include "cli/usage.h"
#include "platform/cp1252.h"
#include "platform/version.h"

namespace quenor {
namespace {

using namespace literals;

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

TEST(TerminalText, CarriageReturnsBecomeLineBreaks) {
  EXPECT_EQ(TerminalTextOfCp1252("Paul descend de Jean\ret voici la lignée"_ansi),
            "Paul descend de Jean\net voici la lignée");
  EXPECT_EQ(TerminalTextOfCp1252("un\r\ndeux\n\rtrois"), "un\ndeux\n\ntrois");
  EXPECT_EQ(TerminalTextOfUtf8("un\rdeux\r\n"), "un\ndeux\n");
}

TEST(TerminalText, ControlCharactersFromAFileCannotReachTheTerminal) {
  // An escape sequence in a name would clear the screen; a C1 control
  // (0x81, 0x8D, 0x8F, 0x90, 0x9D are undefined in Windows-1252) could start one.
  EXPECT_EQ(TerminalTextOfCp1252("Jean\x1B[2J Martin"), "Jean" + kReplacement + "[2J Martin");
  for (const char* control : {"\x81", "\x8D", "\x8F", "\x90", "\x9D", "\x7F", "\x07", "\x08"}) {
    EXPECT_EQ(TerminalTextOfCp1252(control), kReplacement) << static_cast<int>(control[0] & 0xFF);
  }
  EXPECT_EQ(TerminalTextOfCp1252("a\tb"), "a\tb");
  EXPECT_EQ(TerminalTextOfUtf8("Jean\x1B]0;titre\x07"), "Jean" + kReplacement + "]0;titre" + kReplacement);
  EXPECT_EQ(TerminalTextOfUtf8("\xC2\x9B" "1m"), kReplacement + "1m");  // C1 CSI in UTF-8
}

TEST(TerminalText, OutputIsValidUtf8WhateverTheInput) {
  EXPECT_EQ(TerminalTextOfCp1252("Œuvre € « Éléonore »"_ansi), "Œuvre € « Éléonore »");
  EXPECT_EQ(TerminalTextOfUtf8("fichier-\xFF\xFE.ged"), "fichier-" + kReplacement + kReplacement + ".ged");
  EXPECT_EQ(TerminalTextOfUtf8("Ногинск.ged"), "Ногинск.ged");
}

TEST(TerminalText, AMessageIsOneBlockCaptionFirst) {
  EXPECT_EQ(MessageBlock("texte.ged", "Ce fichier n'a pas le format GEDCOM"),
            "texte.ged: Ce fichier n'a pas le format GEDCOM\n");
  EXPECT_EQ(MessageBlock("Résultat de la recherche..."_ansi,
                         "Paul Martin descend de Jean Martin\ret voici les 2 lignées les reliant"_ansi),
            "Résultat de la recherche...: Paul Martin descend de Jean Martin\n"
            "  et voici les 2 lignées les reliant\n");
  EXPECT_EQ(MessageBlock("Erreur", "fin de ligne\r\n"), "Erreur: fin de ligne\n");
  EXPECT_EQ(MessageBlock("Erreur", "Impossible.\n\nVérifiez."_ansi), "Erreur: Impossible.\n\n  Vérifiez.\n");
}

TEST(CliUsage, HelpNamesEveryCommandAndOptionInFrench) {
  const std::string help = ProgramHelp();
  for (const char* expected :
       {"Usage : quenor-cli COMMANDE FICHIER.ged [ARGUMENTS]", "quenor-cli COMMANDE --help", "--version",
        "liste FICHIER.ged", "ascendance FICHIER.ged NUMÉRO [OPTIONS]", "--graphique", "--taille",
        "liens FICHIER.ged NUMÉRO1 NUMÉRO2",
        "eventail FICHIER.ged NUMÉRO [OPTIONS]", "--generations", "--echelle", "--premier", "--texte", "--note",
        "--angles-inverses", "--script", "--pdf", "--papier", "--affiche", "--svg", "--couleurs", "Code de sortie"}) {
    EXPECT_NE(help.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(help.find("Usage:"), std::string::npos);
}

TEST(CliUsage, EachCommandHasItsUsage) {
  EXPECT_EQ(CommandUsage("liste").rfind("Usage : quenor-cli liste FICHIER.ged\n", 0), 0u);
  EXPECT_NE(CommandUsage("liens").find("LstSouch.TXT"), std::string::npos);
  EXPECT_NE(CommandUsage("eventail").find("--papier"), std::string::npos);
  EXPECT_EQ(CommandUsage("lister"), "");
  EXPECT_EQ(UsageHint("ascendance"),
            "Usage : quenor-cli ascendance FICHIER.ged NUMÉRO [OPTIONS]\nEssayez « quenor-cli ascendance --help ».\n");
  EXPECT_EQ(UsageHint("lister"), "Essayez « quenor-cli --help ».\n");
  EXPECT_EQ(VersionLine(), std::string("quenor-cli ") + kQuenorVersion + "\n");
}

}  // namespace
}  // namespace quenor
