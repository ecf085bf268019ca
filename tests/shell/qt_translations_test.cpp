// Qt's own dialogs speak the user's language where Qt has a catalogue for
// it, French otherwise. Registered once per locale (see CMakeLists.txt): the
// locale comes from the environment, as for the program.
#include "shell/qt_translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <memory>

namespace quenor {
namespace {

// Loads the catalogue as the program does at start, once for the run.
void InstallAsTheProgramDoes() {
  static const bool installed = InstallQtTranslations(*QCoreApplication::instance());
  ASSERT_TRUE(installed);
}

QString CancelButtonText() {
  QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  return box.button(QDialogButtonBox::Cancel)->text();
}

QString LabelText(const QWidget& dialog, const char* name) {
  const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
  return label ? label->text() : QStringLiteral("(absent)");
}

QStringList ContextMenuOfATextField() {
  QLineEdit field(QStringLiteral("Martin"));
  std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions()) texts << action->text().section(QLatin1Char('\t'), 0, 0);
  return texts;
}

TEST(QtTranslationChoice, TheUserLanguageWhenQtSpeaksItFrenchOtherwise) {
  const QString folder = QtTranslationsFolder();
  EXPECT_EQ(QtTranslationLocale(QLocale::c(), folder).language(), QLocale::French);
  EXPECT_EQ(QtTranslationLocale(QLocale(QStringLiteral("POSIX")), folder).language(), QLocale::French);
  EXPECT_EQ(QtTranslationLocale(QLocale(QLocale::Greek, QLocale::Greece), folder).language(), QLocale::French);
  EXPECT_EQ(QtTranslationLocale(QLocale(QLocale::French, QLocale::Canada), folder), QLocale(QLocale::French, QLocale::Canada));
  EXPECT_EQ(QtTranslationLocale(QLocale(QLocale::German, QLocale::Germany), folder).language(), QLocale::German);
  // Without any catalogue at hand, French is still what is asked for.
  EXPECT_EQ(QtTranslationLocale(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("/nonexistent")).language(),
            QLocale::French);
}

// Under LANG=C and LANG=fr_FR.UTF-8.
TEST(QtDialogsInFrench, ButtonsFileAndPrintDialogsAndTextMenus) {
  InstallAsTheProgramDoes();
  EXPECT_EQ(CancelButtonText(), QStringLiteral("Annuler"));

  QFileDialog open;
  open.setOption(QFileDialog::DontUseNativeDialog);
  EXPECT_EQ(LabelText(open, "lookInLabel"), QStringLiteral("Voir dans :"));
  EXPECT_EQ(LabelText(open, "fileNameLabel"), QStringLiteral("&Nom de fichier :"));
  EXPECT_EQ(LabelText(open, "fileTypeLabel"), QStringLiteral("Fichiers de type :"));

  QPrinter printer;
  QPrintDialog print(&printer);
  EXPECT_EQ(print.windowTitle(), QStringLiteral("Imprimer"));
  const QStringList menu = ContextMenuOfATextField();
  EXPECT_TRUE(menu.contains(QStringLiteral("Co&ller"))) << menu.join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(menu.contains(QString::fromUtf8("Tout sélectionner")));
}

// Under LANG=de_DE.UTF-8: Qt has German, the user gets it.
TEST(QtDialogsInGerman, ButtonsFollowTheUserLocale) {
  InstallAsTheProgramDoes();
  EXPECT_EQ(CancelButtonText(), QStringLiteral("Abbrechen"));
}

}  // namespace
}  // namespace quenor
