// Files written whole or not at all: the old file stays as it was until the
// new one is complete, through every failure provoked for real.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/background_flush.h"
#include "platform/report_file.h"
#include "tests/support/faults.h"
#include "tests/support/test_files.h"

namespace quenor {
namespace {

using testing::NamesIn;
using testing::ReadBytes;
using testing::WriteBytes;

const std::string kOld = "l'ancien rapport, complet\r\n";

class AtomicFileTest : public ::testing::Test {
 protected:
  AtomicFileTest() { WriteBytes(Path(), kOld); }
  std::string Path() const { return (folder / "Rapport.TXT").string(); }
  std::string Folder() const { return folder.path().string(); }
  // Only the old file, with its old bytes.
  void ExpectOldFileAlone() const {
    EXPECT_EQ(ReadBytes(Path()), kOld);
    EXPECT_EQ(NamesIn(Folder()), std::vector<std::string>{"Rapport.TXT"});
  }

  testing::ScratchFolder folder;
};

std::string Megabyte() { return std::string(1 << 20, 'x'); }

// --- the file in place -------------------------------------------------------

TEST_F(AtomicFileTest, TheOldFileStaysUntilTheNewOneIsCommitted) {
  AtomicFile file;
  ASSERT_TRUE(file.Create(Path()));
  ASSERT_TRUE(file.Write("le nouveau"));
  ASSERT_TRUE(file.Write(" rapport"));
  ExpectOldFileAlone();  // nothing of the new file shows before the commit
  ASSERT_TRUE(file.Commit());
  EXPECT_EQ(ReadBytes(Path()), "le nouveau rapport");
  EXPECT_EQ(NamesIn(Folder()), std::vector<std::string>{"Rapport.TXT"});
  EXPECT_FALSE(file.Commit());  // once only
}

// The descriptors open in this process.
std::size_t OpenDescriptors() {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                                std::filesystem::directory_iterator{}));
}

// A large file replaced is let go of on another thread once the AtomicFile
// goes, however many times it happens: no descriptor stays behind.
TEST_F(AtomicFileTest, LargeFilesReplacedAreAllLetGo) {
  const std::string large(9 << 20, 'a');
  WriteBytes(Path(), large);
  const std::size_t before = OpenDescriptors();
  for (int round = 0; round < 5; ++round) {
    AtomicFile file;
    ASSERT_TRUE(file.Create(Path()));
    ASSERT_TRUE(file.Write(std::string(9 << 20, static_cast<char>('b' + round))));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadBytes(Path()).front(), static_cast<char>('b' + round));
    // Held while this object lives, through the next Create too.
    if (round == 4) {
      ASSERT_TRUE(file.Create((folder / "Autre.TXT").string()));
    }
  }
  for (int wait = 0; wait < 200 && OpenDescriptors() > before; ++wait) usleep(10'000);
  EXPECT_EQ(OpenDescriptors(), before);
  EXPECT_EQ(NamesIn(Folder()), std::vector<std::string>{"Rapport.TXT"});
}

// A file written in many pieces is flushed along the way and comes out whole;
// one abandoned halfway leaves the old one, and no thread behind.
TEST_F(AtomicFileTest, ALongFileFlushedAsItIsWrittenComesOutWhole) {
  std::string expected;
  {
    AtomicFile file;
    ASSERT_TRUE(file.Create(Path()));
    for (int piece = 0; piece < 50; ++piece) {
      const std::string bytes(std::size_t{1} << 20, static_cast<char>('a' + piece % 26));
      ASSERT_TRUE(file.Write(bytes));
      expected += bytes;
    }
    ASSERT_TRUE(file.Commit());
  }
  EXPECT_EQ(ReadBytes(Path()), expected);
  WriteBytes(Path(), kOld);
  {
    AtomicFile file;
    ASSERT_TRUE(file.Create(Path()));
    for (int piece = 0; piece < 40; ++piece) ASSERT_TRUE(file.Write(Megabyte()));
  }
  ExpectOldFileAlone();
}

// The system tells a failed write to one flush only: a flush along the way
// that fails must fail the end too, and be forgotten by the next file.
TEST(BackgroundFlush, AFailedFlushIsToldAtTheEndOnly) {
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  BackgroundFlush flush;
  EXPECT_TRUE(flush.Finish());  // nothing asked
  ASSERT_TRUE(flush.Request(ends[1]));  // a pipe cannot be flushed
  EXPECT_FALSE(flush.Finish());
  EXPECT_TRUE(flush.Finish());
  testing::ScratchFolder folder;
  const int file = open((folder / "f").c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(file, 0);
  ASSERT_EQ(write(file, "abc", 3), 3);
  for (int request = 0; request < 20; ++request) ASSERT_TRUE(flush.Request(file));
  EXPECT_TRUE(flush.Finish());
  close(file);
  close(ends[0]);
  close(ends[1]);
}

TEST_F(AtomicFileTest, AFileGivenUpOrForgottenLeavesTheOldOne) {
  {
    AtomicFile file;
    ASSERT_TRUE(file.Create(Path()));
    file.Write(Megabyte());
  }
  ExpectOldFileAlone();
  AtomicFile file;
  ASSERT_TRUE(file.Create(Path()));
  file.Write("abandonné");
  file.Abandon();
  ExpectOldFileAlone();
  {
    ReportFile report(Path());
    report.Write("jamais fermé\n");
  }
  ExpectOldFileAlone();
}

TEST_F(AtomicFileTest, PermissionsOfTheReplacedFileAndOfANewOne) {
  ASSERT_EQ(chmod(Path().c_str(), 0640), 0);
  ASSERT_TRUE(WriteWholeFile(Path(), "nouveau"));
  struct stat info {};
  ASSERT_EQ(stat(Path().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  const mode_t mask = umask(022);
  ASSERT_TRUE(WriteWholeFile((folder / "Neuf.TXT").string(), "neuf"));
  umask(mask);
  ASSERT_EQ(stat((folder / "Neuf.TXT").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST_F(AtomicFileTest, ALinkIsFollowedAndAPipeWrittenAsItStands) {
  std::filesystem::create_directory(folder / "ailleurs");
  WriteBytes(folder / "ailleurs" / "vrai.TXT", kOld);
  std::filesystem::create_symlink(folder / "ailleurs" / "vrai.TXT", folder / "lien.TXT");
  ASSERT_TRUE(WriteWholeFile((folder / "lien.TXT").string(), "par le lien"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "lien.TXT"));
  EXPECT_EQ(ReadBytes(folder / "ailleurs" / "vrai.TXT"), "par le lien");

  const std::string pipe = (folder / "tube").string();
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ASSERT_TRUE(WriteWholeFile(pipe, "dans le tube"));
  char received[32] = {};
  EXPECT_EQ(read(reader, received, sizeof received), 12);
  close(reader);
  EXPECT_EQ(std::string(received), "dans le tube");
  EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

// --- failures ------------------------------------------------------------------

TEST_F(AtomicFileTest, AFileSizeLimitLeavesTheOldFileAlone) {
  testing::ChildSetting setting;
  setting.fileSizeLimit = 64 << 10;
  const int failedAsExpected = testing::RunInChild(
      [this] {
        AtomicFile file;
        if (!file.Create(Path())) return 2;
        file.Write(Megabyte());
        return file.Commit() ? 3 : 0;
      },
      setting);
  EXPECT_EQ(failedAsExpected, 0);
  ExpectOldFileAlone();
}

TEST_F(AtomicFileTest, AReadOnlyFolderOrFileIsNotWritten) {
  ASSERT_EQ(chmod(Folder().c_str(), 0555), 0);
  testing::ChildSetting setting;
  setting.ordinaryUser = true;
  const auto refused = [this] {
    AtomicFile file;
    return file.Create(Path()) ? 1 : 0;
  };
  EXPECT_EQ(testing::RunInChild(refused, setting), 0);
  chmod(Folder().c_str(), 0755);
  ExpectOldFileAlone();

  ASSERT_EQ(chmod(Path().c_str(), 0444), 0);  // a protected file, in a folder open to writing
  EXPECT_EQ(testing::RunInChild(refused, setting), 0);
  ExpectOldFileAlone();
}

TEST_F(AtomicFileTest, AFolderRemovedWhileWritingIsAFailureAndStaysRemoved) {
  AtomicFile file;
  ASSERT_TRUE(file.Create(Path()));
  file.Write(Megabyte());
  std::filesystem::remove_all(folder.path());
  file.Write(Megabyte());
  EXPECT_FALSE(file.Commit());
  EXPECT_FALSE(std::filesystem::exists(folder.path()));

  EXPECT_FALSE(file.Create(Path()));  // and nothing can be started there
  ReportFile report;
  EXPECT_FALSE(report.Create(Path()));
}

TEST_F(AtomicFileTest, AReportFileFailsWholeUnderTheLimit) {
  testing::ChildSetting setting;
  setting.fileSizeLimit = 64 << 10;
  const int code = testing::RunInChild(
      [this] {
        ReportFile report;
        if (!report.Create(Path())) return 2;
        for (int i = 0; i < 20'000; ++i) report.Write("une ligne de rapport assez longue\n");
        return report.Close() ? 3 : 0;
      },
      setting);
  EXPECT_EQ(code, 0);
  ExpectOldFileAlone();
}

}  // namespace
}  // namespace quenor
