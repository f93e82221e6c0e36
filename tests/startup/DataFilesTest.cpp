// The small file helpers every window uses: FileExists and the numbered data files.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "startup/DataFiles.h"
#include "startup/Main.h"
#include "tests/support/FileText.h"

namespace taskhelm {
namespace {

class FileHelpers : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "taskhelm-files-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string Make(const std::string& name, const std::string& text = "x") const {
    std::string path = folder + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  static std::string Content(const std::string& path) { return testing_support::FileText(path); }

  std::string folder;
};

TEST_F(FileHelpers, FileExistsFindsOnlyNormalFiles) {
  const std::pair<std::string, bool> cases[] = {
      {"", false},
      {Make("settings.tkh"), true},
      {Make(".hidden"), false},  // hidden files are not searched
      {folder, false},           // a folder is not a file
      {folder + "/missing.tkh", false},
      {folder + "/settings.tkh/below", false},
  };
  for (const auto& [path, exists] : cases) EXPECT_EQ(FileExists(path), exists) << path;
}

TEST_F(FileHelpers, OpenDataFileModes) {
  DataFiles files;
  const std::string path = Make("data.txt", "old");
  for (int16_t mode : {0, 3, -1}) EXPECT_EQ(files.OpenDataFile(path, mode), 0) << mode;
  EXPECT_EQ(files.OpenDataFile(folder + "/missing.txt", 2), 0);
  EXPECT_EQ(files.OpenDataFile(folder, 1), 0);

  // Reading starts at the first byte; numbers are distinct while files are open.
  int16_t reading = files.OpenDataFile(path, 2);
  ASSERT_NE(reading, 0);
  char first = 0;
  ASSERT_EQ(std::fread(&first, 1, 1, files.Stream(reading)), 1u);
  EXPECT_EQ(first, 'o');

  // Writing replaces the old text only when the file is closed complete.
  int16_t writing = files.OpenDataFile(path, 1);
  ASSERT_NE(writing, 0);
  EXPECT_NE(writing, reading);
  std::fputs("new", files.Stream(writing));
  EXPECT_EQ(Content(path), "old");
  EXPECT_TRUE(files.Close(writing));
  EXPECT_EQ(Content(path), "new");
  files.Close(reading);

  // A write the program abandons (it ends with the file open) leaves the file and no stray file.
  {
    DataFiles abandoned;
    std::fputs("half", abandoned.Stream(abandoned.OpenDataFile(path, 1)));
  }
  EXPECT_EQ(Content(path), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            1);
}

// Replacing a file keeps what the user set on it: its permissions, and a link stays a link.
TEST_F(FileHelpers, AWriteKeepsPermissionsAndLinks) {
  namespace fs = std::filesystem;
  DataFiles files;
  const std::string kept = Make("kept.tkh", "old");
  fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const std::string target = Make("target.tkh", "old");
  const std::string link = folder + "/link.tkh";
  fs::create_symlink(target, link);

  for (const std::string& path : {kept, link}) {
    int16_t number = files.OpenDataFile(path, 1);
    ASSERT_NE(number, 0) << path;
    std::fputs("new", files.Stream(number));
    EXPECT_TRUE(files.Close(number)) << path;
  }
  EXPECT_EQ(Content(kept), "new");
  EXPECT_EQ(fs::status(kept).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Content(target), "new");
}

// A link whose file is missing is written through as well: the write creates the file it names,
// also along a chain of links and through a relative link. A loop of links is never replaced.
TEST_F(FileHelpers, AWriteThroughALinkToAMissingFileCreatesThatFile) {
  namespace fs = std::filesystem;
  fs::create_directory(folder + "/conf");
  fs::create_symlink(folder + "/absolute.tkh", folder + "/to-absolute.tkh");
  fs::create_symlink("conf/relative.tkh", folder + "/to-relative.tkh");
  fs::create_symlink("to-relative-2.tkh", folder + "/chain.tkh");
  fs::create_symlink("conf/chained.tkh", folder + "/to-relative-2.tkh");
  const std::pair<const char*, const char*> cases[] = {
      {"to-absolute.tkh", "absolute.tkh"},
      {"to-relative.tkh", "conf/relative.tkh"},
      {"chain.tkh", "conf/chained.tkh"},
  };
  DataFiles files;
  for (const auto& [link, target] : cases) {
    SCOPED_TRACE(link);
    int16_t number = files.OpenDataFile(folder + "/" + link, 1);
    ASSERT_NE(number, 0);
    std::fputs("new", files.Stream(number));
    EXPECT_TRUE(files.Close(number));
    EXPECT_TRUE(fs::is_symlink(folder + "/" + link));
    EXPECT_EQ(Content(folder + "/" + target), "new");
    EXPECT_EQ(Content(folder + "/" + link), "new");
  }

  fs::create_symlink("loop-b.tkh", folder + "/loop-a.tkh");
  fs::create_symlink("loop-a.tkh", folder + "/loop-b.tkh");
  const int16_t number = files.OpenDataFile(folder + "/loop-a.tkh", 1);
  if (number != 0) {
    EXPECT_FALSE(files.Close(number));
  }
  EXPECT_EQ(fs::read_symlink(folder + "/loop-a.tkh"), "loop-b.tkh");
  EXPECT_EQ(fs::read_symlink(folder + "/loop-b.tkh"), "loop-a.tkh");
  // Nothing but what the test made and the three files written.
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator(folder),
                          fs::recursive_directory_iterator()),
            10);
}

// A name that stands for anything but a regular file is never replaced by a write: not through a
// link, not when it is swapped in while the file is being written.
TEST_F(FileHelpers, AWriteLeavesDevicesFifosAndFoldersAlone) {
  namespace fs = std::filesystem;
  const std::string fifo = folder + "/pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);  // a character device of our own
  ASSERT_GE(terminal, 0);
  ASSERT_EQ(::grantpt(terminal), 0);
  ASSERT_EQ(::unlockpt(terminal), 0);
  const std::string device = ::ptsname(terminal);
  fs::create_symlink(fifo, folder + "/fifo-link.tkh");
  fs::create_symlink(device, folder + "/device-link.ini");
  fs::create_directory(folder + "/sub");
  fs::create_symlink(folder + "/sub", folder + "/folder-link.tkh");

  DataFiles files;
  for (const char* name : {"pipe", "fifo-link.tkh", "device-link.ini", "folder-link.tkh"})
    EXPECT_EQ(files.OpenDataFile(folder + "/" + name, 1), 0) << name;
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_character_file(device));
  EXPECT_TRUE(fs::is_symlink(folder + "/fifo-link.tkh"));
  EXPECT_TRUE(fs::is_symlink(folder + "/device-link.ini"));

  // Swapped for a FIFO between the open and the close: the write fails and the FIFO stays.
  const std::string swapped = Make("swapped.tkh", "old");
  int16_t number = files.OpenDataFile(swapped, 1);
  ASSERT_NE(number, 0);
  std::fputs("new", files.Stream(number));
  fs::remove(swapped);
  ASSERT_EQ(::mkfifo(swapped.c_str(), 0600), 0);
  EXPECT_FALSE(files.Close(number));
  EXPECT_TRUE(fs::is_fifo(swapped));

  // Nothing but what the test made: no temporary file left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 6);
  ::close(terminal);
}

}  // namespace
}  // namespace taskhelm
