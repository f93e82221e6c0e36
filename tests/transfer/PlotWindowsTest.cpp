// The older file windows: the plot window's reader and senders, the firmware-file window, and the
// drive, folder and file lists they browse with.
#include <gtest/gtest.h>

#include <filesystem>

#include "forms/FileLists.h"
#include "transfer/OpenBin.h"
#include "transfer/Plot.h"
#include "tests/transfer/TransferFixture.h"

namespace transfer_tests {
namespace {

using taskhelm::OpenBin;
using taskhelm::Plot;

std::string Canonical(const std::string& path) { return std::filesystem::canonical(path).string(); }

class PlotWindow : public ::testing::Test {
 protected:
  Plot& Open() {
    Plot& w = f.app.Window<Plot>();
    w.Dir1.SetPath(f.folder.path);
    return w;
  }
  TransferFixture f;
};

TEST_F(PlotWindow, CaptionAndFilesFollowTheFileMenuAndTheModel) {
  struct Case {
    int16_t menu, model;
    const char* caption;
    const char* pattern;
  };
  for (const Case& c : {Case{1, 33, "Open Settings File", "*.TKH"},
                        Case{0, 33, "Send Plot File", "*.plt;*.plx"},
                        Case{0, 41, "Send Plot File", "*.plt;*.plx"},
                        Case{0, 32, "Send Cut File", "*.plt;*.plx"},
                        Case{0, 42, "Send Cut File", "*.plt;*.plx"}}) {
    f.s.FileMenuIndex = c.menu;
    f.s.ModelCode = c.model;
    Plot& w = f.app.Window<Plot>();
    EXPECT_EQ(w.Caption(), c.caption);
    EXPECT_EQ(w.File1.Pattern(), c.pattern);
    w.Unload();
  }
}

TEST_F(PlotWindow, ItsReaderTakesTeAsTheTractorFeedAndKnowsNoTfOrTl) {
  f.s.TangentialEnable = 5;
  std::string path = f.folder.Write("s.tkh", "!HO1 SA4 TE1 TF100 TL40 \r\n");
  int16_t n = f.app.files.OpenDataFile(path, 2);
  EXPECT_TRUE(f.app.Window<Plot>().ReadSettingsFile(n));
  EXPECT_EQ(f.s.TractorFeed, 1);
  EXPECT_EQ(f.s.TangentialEnable, 5);
  EXPECT_EQ(f.s.AccelSetting, 4);
  EXPECT_EQ(f.host.boxes.size(), 2u);
  EXPECT_NE(f.app.files.Stream(n), nullptr);  // the caller's file stays open
  f.app.files.Close(n);
}

TEST_F(PlotWindow, OkOnASettingsFileLoadsItAndCloses) {
  f.s.FileMenuIndex = 1;
  f.s.SettingsSent = true;
  f.folder.Write("s.tkh", "!HO1 SA4 \r\n");
  Plot& w = Open();
  w.File1.SetPath(f.folder.path);
  ASSERT_EQ(w.File1.Files(), std::vector<std::string>{"s.tkh"});
  w.File1.SetListIndex(0);
  EXPECT_EQ(w.PltFile.Text(), "s.tkh");
  w.PlotOK.Press();
  EXPECT_EQ(f.s.AccelSetting, 4);
  EXPECT_FALSE(f.s.SettingsSent);
  EXPECT_TRUE(f.s.FileSettingsLoaded);
  EXPECT_FALSE(w.Loaded());
  EXPECT_EQ(f.s.LastFileFolder, Canonical(f.folder.path));
}

TEST_F(PlotWindow, OkSendsACutFileOverTheSerialLine) {
  f.app.port.OpenSerialPort("COM1");
  std::string data(700, 'P');
  f.folder.Write("job.plt", data);
  Plot& w = Open();
  std::string caption = w.Caption();
  w.PltFile.SetText("job.plt");
  w.PlotOK.Press();
  EXPECT_EQ(f.plot.Kept(), data);
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, "File Sent. ");
  EXPECT_TRUE(w.Loaded());  // the window stays for the next file
  EXPECT_EQ(w.Caption(), caption);
  EXPECT_FALSE(f.s.SendingFile);
}

TEST_F(PlotWindow, OkSendsOverTheParallelPortInPiecesOf128) {
  f.UseParallelPort(1);
  std::string data(300, 'Q');
  f.folder.Write("job.plt", data);
  f.parlink.writeLimits = {128, 128, 44};
  Plot& w = Open();
  w.PltFile.SetText("job.plt");
  w.PlotOK.Press();
  EXPECT_EQ(f.parlink.written, data);
  EXPECT_TRUE(f.parlink.writeLimits.empty());  // exactly three writes, each taken whole
  EXPECT_EQ(f.parlink.timeouts, (std::vector<long>{1, 1, 1, 0, 0}));  // opened for streaming
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, "File Sent. ");
  EXPECT_EQ(w.Gauge1.Value(), 100);
}

TEST_F(PlotWindow, OkRefusesWithoutCtsAndForAMissingFile) {
  f.device.faults.ctsLow = true;
  Plot& w = Open();
  w.PltFile.SetText("job.plt");
  w.PlotOK.Press();
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, f.s.NotConnectedText + "COM1");
  EXPECT_EQ(f.host.boxes[0].title, "rendix48");
  EXPECT_EQ(f.host.boxes[0].icon, forms::MsgIcon::Exclamation);

  f.device.faults.ctsLow = false;
  w.PlotOK.Press();
  ASSERT_EQ(f.host.boxes.size(), 2u);
  EXPECT_EQ(f.host.boxes[1].text, Canonical(f.folder.path) + "/job.plt does not exist");
  EXPECT_EQ(f.host.boxes[1].title, "ERROR");
}

TEST_F(PlotWindow, AWildcardNameBecomesTheFilePattern) {
  f.folder.Write("a.txt", "x");
  Plot& w = Open();
  w.PltFile.SetText("*.txt");
  w.PlotOK.Press();
  EXPECT_EQ(w.File1.Pattern(), "*.txt");
  EXPECT_EQ(w.File1.Files(), std::vector<std::string>{"a.txt"});
  EXPECT_TRUE(f.host.boxes.empty());
}

TEST_F(PlotWindow, AbortStopsAParallelSend) {
  f.UseParallelPort(1);
  f.folder.Write("job.plt", std::string(1280, 'Q'));
  Plot& w = Open();
  w.PltFile.SetText("job.plt");
  // The operator presses Abort once a quarter has gone.
  f.host.onChange = [&](forms::Form& form) {
    if (&form == &w && w.Gauge1.Value() >= 25 && !f.s.AbortRequested) {
      EXPECT_TRUE(f.host.Press(w.PlotAbort));
    }
  };
  f.host.Press(w.PlotOK);
  f.host.onChange = nullptr;
  EXPECT_EQ(f.parlink.written.size(), 384u);
  ASSERT_EQ(f.host.boxes.size(), 1u);
  EXPECT_EQ(f.host.boxes[0].text, "Aborted. ");
  EXPECT_FALSE(f.s.SendingFile);
}

TEST(OpenBinWindow, NamesTheFirmwareFileAndTellsThePlotWindow) {
  TransferFixture f;
  OpenBin& w = f.app.Window<OpenBin>();
  EXPECT_EQ(w.File1.Pattern(), "*.BIN");
  w.Dir1.SetPath(f.folder.path);
  w.PltFile.SetText("fw.bin");
  w.PlotOK.Press();
  EXPECT_EQ(f.s.BinFileName, Canonical(f.folder.path) + "/fw.bin");
  EXPECT_EQ(f.app.Window<Plot>().Caption(), "Sending File");

  w.PltFile.SetText("/abs/other.bin");
  w.PlotOK.Press();
  EXPECT_EQ(f.s.BinFileName, "/abs/other.bin");

  w.UnloadPlot();
  EXPECT_EQ(f.app.LoadedWindow<Plot>(), nullptr);
  EXPECT_EQ(f.host.pointer, forms::Pointer::Hourglass);

  int64_t before = f.host.NowMs();
  w.PlotAbort.Press();
  EXPECT_GE(f.host.NowMs() - before, 1000);
  EXPECT_FALSE(w.Loaded());
}

TEST(FileLists, PatternsMatchWithoutRegardToCase) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  };
  for (const Case& c : {Case{"a.tkh", "*.TKH", true}, Case{"A.TKH", "*.tkh", true},
                        Case{"a.tkh.bak", "*.tkh", false}, Case{"job.plx", "*.plt;*.plx", true},
                        Case{"job.plx", "*.plt;*.plx; ", true}, Case{"job.hp", "*.plt;*.plx", false},
                        Case{"noext", "*.*", true}, Case{"f1.bin", "f?.BIN", true},
                        Case{"f12.bin", "f?.bin", false}, Case{"x", "", false}})
    EXPECT_EQ(forms::FileListBox::Matches(c.name, c.pattern), c.matches)
        << c.name << " " << c.pattern;
}

TEST(FileLists, AFolderListShowsTheWayDownAndTheSubFolders) {
  TransferFixture f;
  std::filesystem::create_directory(f.folder.File("b"));
  std::filesystem::create_directory(f.folder.File("a"));
  std::filesystem::create_directory(f.folder.File(".hidden"));
  f.folder.Write("file.txt", "x");
  forms::DirListBox& dirs = f.app.Window<OpenBin>().Dir1;
  int changes = 0;
  dirs.Change = [&] { ++changes; };
  ASSERT_FALSE(dirs.SetPath(f.folder.path));
  std::string here = Canonical(f.folder.path);
  EXPECT_EQ(dirs.Entries().front(), "/");
  EXPECT_EQ(dirs.List(dirs.CurrentIndex()), here);
  EXPECT_EQ(std::vector<std::string>(dirs.Entries().begin() + dirs.CurrentIndex() + 1,
                                     dirs.Entries().end()),
            (std::vector<std::string>{here + "/a", here + "/b"}));
  EXPECT_EQ(changes, 1);
  dirs.SetPath(f.folder.path);  // the same folder: no change
  EXPECT_EQ(changes, 1);

  forms::FileListError missing = dirs.SetPath(f.folder.File("none"));
  EXPECT_EQ(missing.Number, forms::FileListErr::PathNotFound);
  EXPECT_FALSE(missing.Description.empty());
  EXPECT_EQ(dirs.SetPath(f.folder.File("file.txt")).Number, forms::FileListErr::PathNotFound);
  EXPECT_EQ(dirs.Path(), here);
  EXPECT_FALSE(dirs.SetPath("a"));  // relative to the folder
  EXPECT_EQ(dirs.Path(), here + "/a");
  EXPECT_FALSE(dirs.SetDrive("/"));  // the same drive keeps the folder
  EXPECT_EQ(dirs.Path(), here + "/a");
}

}  // namespace
}  // namespace transfer_tests
