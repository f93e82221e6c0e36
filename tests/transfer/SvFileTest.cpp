// The save window: which names it takes, where the file goes, and its lists.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "transfer/SettingsFile.h"
#include "transfer/SvFile.h"
#include "tests/transfer/TransferFixture.h"
#include "tests/support/CaseName.h"

namespace transfer_tests {
namespace {

struct SaveCase {
  std::string typed;
  std::string savedAs;  // file created in the folder, "" for none
  std::string message;  // the box shown, "" for none
};

class SvFileSave : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SvFileSave, TakesTheLastNamePartAndKeepsToEightCharactersBeforeTheDot) {
  const SaveCase& c = GetParam();
  TransferFixture f({.model = 33});
  f.s.KeypadSpeed = 20;
  f.host.SetPointer(forms::Pointer::Hourglass);
  auto& w = f.app.Window<taskhelm::SvFile>();
  EXPECT_EQ(f.host.pointer, forms::Pointer::Default);
  EXPECT_EQ(w.SaveFile.Text(), "settings.tkh");
  EXPECT_EQ(w.SaveFile.SelLength(), 12);
  ASSERT_FALSE(w.SettingDirs.SetPath(f.folder.path));
  EXPECT_EQ(w.Label3.Caption(), std::filesystem::canonical(f.folder.path).string());

  w.SaveFile.SetText(c.typed);
  w.SaveOK.Press();

  EXPECT_FALSE(w.Loaded());
  if (c.message.empty()) {
    EXPECT_TRUE(f.host.boxes.empty());
  } else {
    ASSERT_EQ(f.host.boxes.size(), 1u);
    EXPECT_EQ(f.host.boxes[0].text, c.message);
    EXPECT_EQ(f.host.boxes[0].title, "ERROR");
    EXPECT_EQ(f.host.beeps, 1);
  }
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(f.folder.path))
    files.push_back(e.path().filename().string());
  if (c.savedAs.empty()) {
    EXPECT_TRUE(files.empty());
  } else {
    ASSERT_EQ(files, std::vector<std::string>{c.savedAs});
    EXPECT_EQ(f.folder.Read(c.savedAs), taskhelm::SettingsFileLine(f.s));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, SvFileSave,
    ::testing::Values(SaveCase{"settings.tkh", "settings.tkh", ""},
                      SaveCase{"abcdefgh.tkh", "abcdefgh.tkh", ""},
                      SaveCase{"abcdefghi.tkh", "", "File Name is too long: abcdefghi.tkh"},
                      SaveCase{"abcdefghijk", "abcdefghijk.TKH", ""},
                      SaveCase{"notes.txt", "notes.txt.TKH", ""},
                      SaveCase{"Plotter.TKH", "Plotter.TKH", ""},
                      SaveCase{"C:\\old\\dir\\mine.tkh", "mine.tkh", ""},
                      SaveCase{"sub/dir/x.tkh", "x.tkh", ""},
                      SaveCase{"", "", "NO FILE NAME"},
                      SaveCase{"C:\\", "", "NO FILE NAME"}),
    [](const auto& info) { return testing_support::CaseName(info.param.typed); });

TEST(SvFile, AFolderThatCannotTakeTheFileKeepsTheWindowOpen) {
  TransferFixture f;
  auto& w = f.app.Window<taskhelm::SvFile>();
  w.Label3.SetCaption(f.folder.File("gone"));
  w.SaveOK.Press();
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, "Could not open " + f.folder.File("gone/settings.tkh"));
  EXPECT_EQ(f.host.boxes[0].title, "ERROR");
  EXPECT_TRUE(w.Loaded());
  EXPECT_TRUE(w.SaveFile.HasFocus());
  EXPECT_EQ(w.SaveFile.SelStart(), 0);
  EXPECT_EQ(w.SaveFile.SelLength(), 12);
}

// While it lives, files cannot grow past a few bytes: writing fails as on a full disk.
class FullDisk {
 public:
  FullDisk() {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit tight = saved_;
    tight.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &tight);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
  }
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST(SvFile, AFailedWriteLeavesTheOldFileWholeAndSaysSo) {
  TransferFixture f({.model = 33});
  const std::string old = "!HO0 PT3 LL0,0 SA4 \r\n";
  f.folder.Write("settings.tkh", old);
  auto& w = f.app.Window<taskhelm::SvFile>();
  w.SettingDirs.SetPath(f.folder.path);
  {
    FullDisk full;
    w.SaveOK.Press();
  }
  const std::string path = w.Label3.Caption() + "/settings.tkh";
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, "Could not write " + path);
  EXPECT_EQ(f.host.boxes[0].title, "ERROR");
  EXPECT_TRUE(w.Loaded());  // the operator may try another place
  EXPECT_EQ(f.folder.Read("settings.tkh"), old);
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(f.folder.path))
    files.push_back(e.path().filename().string());
  EXPECT_EQ(files, std::vector<std::string>{"settings.tkh"});  // nothing half-written beside it

  w.SaveOK.Press();
  EXPECT_EQ(f.folder.Read("settings.tkh"), taskhelm::SettingsFileLine(f.s));
}

TEST(SvFile, ListsTheSettingsFilesAndTakesAClickedName) {
  TransferFixture f;
  f.folder.Write("a.tkh", "x");
  f.folder.Write("b.TKH", "x");
  f.folder.Write("c.txt", "x");
  f.folder.Write(".hidden.tkh", "x");
  std::filesystem::create_directory(f.folder.File("sub.tkh"));
  auto& w = f.app.Window<taskhelm::SvFile>();
  w.SettingDirs.SetPath(f.folder.path);
  EXPECT_EQ(w.SettingFiles.Files(), (std::vector<std::string>{"a.tkh", "b.TKH"}));
  w.SettingFiles.SetListIndex(1);
  EXPECT_EQ(w.SaveFile.Text(), "b.TKH");

  // Into the sub-folder and back up: the label and the file list follow.
  w.SettingDirs.Open(w.SettingDirs.ListCount() - 1);
  EXPECT_EQ(w.Label3.Caption(), std::filesystem::canonical(f.folder.File("sub.tkh")).string());
  EXPECT_TRUE(w.SettingFiles.Files().empty());
  w.SettingDirs.Open(w.SettingDirs.CurrentIndex() - 1);
  EXPECT_EQ(w.SettingFiles.ListCount(), 2);
}

TEST(SvFile, CancelWritesNothing) {
  TransferFixture f;
  auto& w = f.app.Window<taskhelm::SvFile>();
  w.SettingDirs.SetPath(f.folder.path);
  w.SaveCancel.Press();
  EXPECT_FALSE(w.Loaded());
  EXPECT_TRUE(std::filesystem::is_empty(f.folder.path));
}

}  // namespace
}  // namespace transfer_tests
