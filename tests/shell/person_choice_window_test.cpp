// Choosing the probant and the two persons of a kinship search in the windows.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTextEdit>
#include <QPushButton>
#include <QTest>

#include "shell/report_viewer.h"
#include "shell/tavisf.h"
#include "tests/shell/shell_test_support.h"

namespace quenor {
namespace {

class PersonChoiceWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture.Load("royal92.ged");
    ASSERT_TRUE(fixture.session().slots[kSlotAlphabeticalList].shown);
  }
  TMF& window() { return fixture.window(); }
  TAvisF& dialog() { return window().selectionDialog(); }
  bool On(MenuItem item) {
    if (QMenu* menu = window().Menu(item)) return menu->menuAction()->isEnabled();
    return window().Action(item)->isEnabled();
  }
  void Search(const char* number) {
    dialog().NoEdit->setText(QString::fromUtf8(number));
    QTest::mouseClick(dialog().ChercherBtn, Qt::LeftButton);
  }
  testing::MainWindowFixture fixture;
};

TEST_F(PersonChoiceWindowTest, TheProbantMenuOpensTheDialogBesideTheList) {
  window().Action(MenuItem::AscProbant)->trigger();
  EXPECT_EQ(fixture.session().selectionMode, 1);
  EXPECT_TRUE(dialog().isVisible());
  EXPECT_EQ(dialog().windowTitle(), QString::fromUtf8("Sélection d'un probant"));
  EXPECT_TRUE(dialog().Instructions().startsWith(
      QString::fromUtf8("Cliquez sur la personne dont vous désirez analyser l'ascendance,")));
  EXPECT_FALSE(dialog().OKBtn->isEnabled());
  // The memo is 350 pixels wide at least; the dialog is 25 wider and 0.88 times as high.
  EXPECT_GE(dialog().AFMemo->width(), 350);
  EXPECT_EQ(dialog().width(), dialog().AFMemo->width() + 25);
  EXPECT_EQ(dialog().height(), static_cast<int>(dialog().width() * 0.88));
  EXPECT_EQ(dialog().pos(), window().mapToGlobal(QPoint(window().width() - dialog().width() - 20, 40)));
  EXPECT_EQ(window().StatusText(),
            QString::fromUtf8("Sélectionnez le nom de la personne dont vous désirez analyser l'ascendance"));
}

TEST_F(PersonChoiceWindowTest, AClickInTheDialogGivesTheFocusToTheNumberField) {
  window().AscProbantClick();
  window().setFocus();
  QTest::mouseClick(&dialog(), Qt::LeftButton, Qt::NoModifier, QPoint(5, dialog().height() - 5));
  EXPECT_EQ(dialog().focusWidget(), dialog().NoEdit);
}

TEST_F(PersonChoiceWindowTest, AWholeProbantChoiceByClick) {
  window().AscProbantClick();
  const int64_t line = fixture.ListLineOf(3);
  ASSERT_GT(line, 300);
  fixture.ClickAt(line + 12);
  EXPECT_EQ(window().viewer().SelectionStart(), line);
  EXPECT_EQ(window().viewer().SelectionLength(), 49);
  EXPECT_TRUE(fixture.session().chosenLine.starts_with("      3  "));
  EXPECT_TRUE(dialog().OKBtn->isEnabled());
  EXPECT_EQ(dialog().NoEdit->text(), QStringLiteral("3"));
  EXPECT_EQ(dialog().InfoNomLbl->text(), QString::fromUtf8("Victoria Adelaide Mary"));
  EXPECT_EQ(dialog().InfoParentsLbl->text(), QString::fromUtf8("Albert Augustus Charles et Victoria Hanover"));
  EXPECT_FALSE(dialog().InfoNaissanceLbl->text().trimmed().isEmpty());

  QTest::mouseClick(dialog().OKBtn, Qt::LeftButton);
  EXPECT_EQ(fixture.session().selectionMode, 0);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(fixture.session().probantNumber, 3);
  EXPECT_TRUE(fixture.session().slots[kSlotAncestryList].shown);
  EXPECT_TRUE(window().viewer().Text().find("Stradonitz") != std::string_view::npos ||
              window().viewer().Text().size() > 0);
  EXPECT_TRUE(On(MenuItem::AscStat));
  EXPECT_TRUE(On(MenuItem::AscEventail));
  EXPECT_TRUE(On(MenuItem::ConsAsc));
  EXPECT_TRUE(On(MenuItem::SubAscListe));
  EXPECT_TRUE(On(MenuItem::SubAscStat));
  window().mConsulterClick();
  EXPECT_TRUE(window().Action(MenuItem::SubAscStat)->isEnabled());
  EXPECT_TRUE(window().Action(MenuItem::SubAscListe)->isEnabled());
  window().Action(MenuItem::AscStat)->trigger();
  EXPECT_TRUE(fixture.session().slots[kSlotStatistics].shown);
}

TEST_F(PersonChoiceWindowTest, ASecondClickNearTheFirstConfirmsTheChoice) {
  window().AscProbantClick();
  const int64_t line = fixture.ListLineOf(3);
  fixture.ClickAt(line + 12);
  EXPECT_EQ(fixture.session().selectionMode, 1);
  fixture.ClickAt(line + 15);
  EXPECT_EQ(fixture.session().selectionMode, 0);
  EXPECT_EQ(fixture.session().probantNumber, 3);
  EXPECT_TRUE(fixture.session().slots[kSlotAncestryList].shown);
  // The ancestry list is shown: the confirming click chose nothing in it.
  EXPECT_EQ(window().viewer().SelectionLength(), 0);
  EXPECT_TRUE(fixture.TakeMessages().empty());
}

TEST_F(PersonChoiceWindowTest, AClickOfAnEarlierChoiceConfirmsNothingInANewOne) {
  window().AscProbantClick();
  fixture.ClickAt(fixture.ListLineOf(3) + 12);
  QTest::mouseClick(dialog().AnnulerBtn, Qt::LeftButton);
  window().LiensSelect2Click();
  fixture.ClickAt(fixture.ListLineOf(3) + 12);
  EXPECT_EQ(fixture.session().selectionMode, 3);
  EXPECT_TRUE(dialog().OKBtn->isEnabled());
}

TEST_F(PersonChoiceWindowTest, AClickInTheHeadChoosesNothing) {
  window().AscProbantClick();
  fixture.ClickAt(fixture.ListLineOf(3) + 12);
  fixture.ClickAt(150);
  EXPECT_EQ(window().viewer().SelectionLength(), 0);
  EXPECT_EQ(window().viewer().CaretPosition(), 0);
  EXPECT_EQ(fixture.session().selectionMode, 1);
}

TEST_F(PersonChoiceWindowTest, ChoosingByNumberFindsTwelveAndNotOneHundredTwelve) {
  window().AscProbantClick();
  Search("12");
  EXPECT_TRUE(fixture.session().chosenLine.starts_with("     12  "));
  EXPECT_EQ(window().viewer().SelectionStart(), fixture.ListLineOf(12));
  EXPECT_EQ(window().viewer().SelectionLength(), 49);
  EXPECT_EQ(dialog().InfoNomLbl->text(), QString::fromUtf8("Alexandra of_Denmark \"Alix\""));
  EXPECT_TRUE(dialog().OKBtn->isEnabled());
  EXPECT_TRUE(fixture.TakeMessages().empty());
}

TEST_F(PersonChoiceWindowTest, AnUnknownNumberIsRefusedAndTheFieldEmptied) {
  window().AscProbantClick();
  Search("12");
  Search("9999999");
  const auto messages = fixture.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, QStringLiteral("9999999"));
  EXPECT_EQ(messages[0].text, QString::fromUtf8("Le fichier ne contient aucune personne portant ce numéro"));
  EXPECT_EQ(messages[0].icon, MessageIcon::Stop);
  EXPECT_TRUE(dialog().NoEdit->text().isEmpty());
  // The previous choice stays.
  EXPECT_TRUE(fixture.session().chosenLine.starts_with("     12  "));
}

TEST_F(PersonChoiceWindowTest, TheNumberFieldTakesDigitsOnlyAndEnterSearches) {
  window().AscProbantClick();
  dialog().NoEdit->setFocus();
  QTest::keyClicks(dialog().NoEdit, QStringLiteral("12a"));
  EXPECT_EQ(dialog().NoEdit->text(), QStringLiteral("12"));
  QTest::keyClick(dialog().NoEdit, Qt::Key_Return);
  EXPECT_TRUE(fixture.session().chosenLine.starts_with("     12  "));
}

TEST_F(PersonChoiceWindowTest, AnnulerEndsTheChoice) {
  window().AscProbantClick();
  fixture.ClickAt(fixture.ListLineOf(3) + 12);
  QTest::mouseClick(dialog().AnnulerBtn, Qt::LeftButton);
  EXPECT_EQ(fixture.session().selectionMode, 0);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(window().viewer().SelectionLength(), 0);
  // Clicks choose nothing any more.
  fixture.ClickAt(fixture.ListLineOf(4) + 12);
  EXPECT_EQ(window().viewer().SelectionLength(), 0);
}

TEST_F(PersonChoiceWindowTest, AKinshipChoiceRefusesTheSamePersonTwice) {
  window().Action(MenuItem::LiensSelect2)->trigger();
  EXPECT_EQ(fixture.session().selectionMode, 3);
  EXPECT_TRUE(dialog().isVisible());
  EXPECT_TRUE(dialog().Instructions().startsWith(
      QString::fromUtf8("Cliquez sur l'une des personnes avec qui vous désirez le lien,")));

  fixture.ClickAt(fixture.ListLineOf(3) + 12);
  QTest::mouseClick(dialog().OKBtn, Qt::LeftButton);
  EXPECT_EQ(fixture.session().selectionMode, 4);
  EXPECT_EQ(fixture.session().kinship.firstPerson, 3);
  EXPECT_TRUE(dialog().Instructions().startsWith(
      QString::fromUtf8("Cliquez sur l'autre personne avec qui vous désirez le lien,")));
  EXPECT_FALSE(dialog().OKBtn->isEnabled());
  EXPECT_EQ(dialog().NoEdit->text(), QStringLiteral("3"));
  EXPECT_TRUE(dialog().InfoParentsLbl->text().isEmpty());

  // Far enough from the first click not to confirm anything by itself.
  fixture.ClickAt(fixture.ListLineOf(3) + 30);
  QTest::mouseClick(dialog().OKBtn, Qt::LeftButton);
  auto messages = fixture.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, QStringLiteral("Saisie inacceptable"));
  EXPECT_TRUE(messages[0].text.startsWith(QString::fromUtf8("La deuxième personne doit être différente de Victoria")));
  EXPECT_EQ(fixture.session().selectionMode, 4);

  Search("4");
  QTest::mouseClick(dialog().OKBtn, Qt::LeftButton);
  EXPECT_EQ(fixture.session().selectionMode, 0);
  EXPECT_FALSE(dialog().isVisible());
  EXPECT_EQ(fixture.session().kinship.secondPerson, 4);
  EXPECT_TRUE(fixture.session().slots[kSlotRootAncestors].hasContent);
  EXPECT_TRUE(On(MenuItem::LiensSouches));
  EXPECT_TRUE(On(MenuItem::ConsLiens));
  window().mConsulterClick();
  EXPECT_TRUE(window().Action(MenuItem::SubLiensSouches)->isEnabled());
  EXPECT_FALSE(window().Action(MenuItem::SubLiensDesc)->isEnabled());
}

TEST_F(PersonChoiceWindowTest, TheKinshipMenuRestartsAChoiceUnderWay) {
  window().LiensSelect2Click();
  fixture.ClickAt(fixture.ListLineOf(3) + 12);
  window().LiensSelect2Click();
  EXPECT_EQ(fixture.session().selectionMode, 3);
  EXPECT_EQ(fixture.session().kinship.firstPerson, 0);
}

}  // namespace
}  // namespace quenor
