// Where the user guide is looked for: the temporary folder first, but only a
// file the user owns there, since every user of the machine shares it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "shell/taidef.h"
#include "tests/support/test_files.h"

namespace quenor {
namespace {

class DocumentationCandidatesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* previous = std::getenv("TMPDIR");
    previous_ = previous ? previous : "";
    hadPrevious_ = previous != nullptr;
    setenv("TMPDIR", temporary.path().c_str(), 1);
  }
  void TearDown() override {
    if (hadPrevious_) setenv("TMPDIR", previous_.c_str(), 1);
    else unsetenv("TMPDIR");
  }
  QString InTemporary() const {
    return QDir(QString::fromStdString(temporary.path().string())).filePath(QStringLiteral("qrmd.rtf"));
  }

  testing::ScratchFolder temporary;
  testing::ScratchFolder working;

 private:
  std::string previous_;
  bool hadPrevious_ = false;
};

TEST_F(DocumentationCandidatesTest, TheTemporaryFolderThenTheWorkingFolderThenBesideTheProgram) {
  const QString folder = QString::fromStdString(working.path().string());
  const QStringList candidates = DocumentationCandidates(folder);
  ASSERT_EQ(candidates.size(), 4);
  EXPECT_EQ(candidates[0], InTemporary());
  EXPECT_EQ(candidates[1], QDir(folder).filePath(QStringLiteral("qrmd.rtf")));
  EXPECT_EQ(candidates[3], QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/quenor/qrmd.rtf")));

  // The first that can be read is the guide shown.
  testing::WriteBytes(working / "qrmd.rtf", "{\\rtf1 guide}");
  EXPECT_EQ(FirstReadableCandidate(candidates), QDir(folder).filePath(QStringLiteral("qrmd.rtf")));
  testing::WriteBytes(temporary / "qrmd.rtf", "{\\rtf1 copie}");
  EXPECT_EQ(FirstReadableCandidate(DocumentationCandidates(folder)), InTemporary());
}

TEST_F(DocumentationCandidatesTest, AGuideLeftInTheTemporaryFolderByAnotherUserIsPassedOver) {
  testing::WriteBytes(temporary / "qrmd.rtf", "{\\rtf1 autre}");
  // Only the superuser can give a file away; the suite runs as such on its machines.
  if (getuid() != 0 || chown((temporary / "qrmd.rtf").c_str(), 65534, 65534) != 0) {
    GTEST_SKIP() << "a file of another user cannot be made here";
  }
  const QStringList candidates = DocumentationCandidates(QString::fromStdString(working.path().string()));
  EXPECT_FALSE(candidates.contains(InTemporary()));
  EXPECT_EQ(candidates.size(), 3);
}

}  // namespace
}  // namespace quenor
