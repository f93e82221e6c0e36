// The start-up file: what each line configures, and what is written back.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "startup/Main.h"
#include "tests/support/AppFixture.h"
#include "tests/support/FileText.h"

namespace taskhelm {
namespace {

using testing_support::AppFixture;

struct IniCase {
  const char* name;
  std::optional<std::string> content;  // nothing: no file
  int deviceModel;
  std::optional<int> deviceId;
  bool result;
  int16_t model;
  const char* port;
  const char* lpt;
  int16_t lptNumber;
  bool present;
  const char* fileAfter;
  const char* box;  // "" for none
};

class IniFileCase : public ::testing::TestWithParam<IniCase> {};

TEST_P(IniFileCase, ConfiguresThePortAndModel) {
  const IniCase& c = GetParam();
  AppFixture f(c.deviceModel, c.deviceId);
  f.s.ReportErrors = false;
  f.s.PortName.clear();
  if (c.content) f.WriteIniText(*c.content);

  EXPECT_EQ(ReadIniFile(f.app), c.result);
  EXPECT_EQ(f.s.ModelCode, c.model);
  EXPECT_EQ(f.s.PortName, c.port);
  EXPECT_EQ(f.s.LptPortName, c.lpt);
  EXPECT_EQ(f.s.LptNumber, c.lptNumber);
  EXPECT_EQ(f.s.PlotterPresent, c.present);
  EXPECT_EQ(f.IniText(), c.fileAfter);
  if (*c.box) {
    ASSERT_EQ(f.host.boxes.size(), 1u);
    EXPECT_EQ(f.host.boxes[0].text, c.box);
    EXPECT_EQ(f.host.boxes[0].title, f.s.PortName == "COM5" ? "ERROR" : "rendix48");
    EXPECT_EQ(f.host.boxes[0].icon, forms::MsgIcon::Exclamation);
  } else {
    EXPECT_TRUE(f.host.boxes.empty()) << f.host.boxes[0].text;
  }
}

const char* const kTypeMismatch =
    "Error reading INI file - Creating default file\rError #  13  Type mismatch";

INSTANTIATE_TEST_SUITE_P(
    Lines, IniFileCase,
    ::testing::Values(
        IniCase{"Missing", std::nullopt, 32, {}, true, 32, "COM1", "LPT0", 0, true, "32 1 0\r\n", ""},
        IniCase{"Cutter36", "36 1 0\r\n", 36, {}, true, 36, "COM1", "LPT0", 0, true, "36 1 0\r\n", ""},
        // The parallel port answers nothing (no library reply scripted): no device.
        IniCase{"ParallelLpt2", "33 0 2\r\n", 33, {}, false, 33, "COM0", "LPT2", 2, false,
                "33 0 2\r\n", ""},
        IniCase{"ParallelWithoutNumber", "33 0\r\n", 33, {}, false, 33, "COM0", "LPT1", 0, false,
                "33 0\r\n", ""},
        IniCase{"UnknownModelAndPort", "99 12 0\r\n", 32, {}, true, 32, "COM1", "LPT0", 0, true,
                "32 1 0\r\n", ""},
        IniCase{"Letters", "abc def\r\n", 32, {}, false, 32, "COM1", "LPT0", 0, true, "32 1 0\r\n",
                kTypeMismatch},
        IniCase{"Empty", "", 32, {}, false, 32, "COM1", "LPT0", 0, true, "32 1 0\r\n",
                "Error reading INI file - Creating default file\rError #  62  Input past end of file"},
        IniCase{"Overflow", "70000 1 0", 32, {}, false, 32, "COM1", "LPT0", 0, true, "32 1 0\r\n",
                "Error reading INI file - Creating default file\rError #  6  Overflow"},
        IniCase{"CommasAndNoLineEnd", "39,1,0", 39, {}, true, 39, "COM1", "LPT0", 0, true,
                "39 1 0\r\n", ""},
        // Identification 46 is a model 32: that is what the file keeps.
        IniCase{"Variant46", "36 1 0\r\n", 32, 46, true, 32, "COM1", "LPT0", 0, true, "32 1 0\r\n", ""},
        // A device that answers a number outside 32..42 is present but not identified.
        IniCase{"Identification20", "32 1 0\r\n", 32, 20, false, 32, "COM1", "LPT0", 0, true,
                "32 1 0\r\n", ""},
        IniCase{"SerialPort5", "32 5 0\r\n", 32, {}, false, 32, "COM5", "LPT0", 0, false,
                "32 5 0\r\n", "Could not open COM5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniFile, SilentDeviceLeavesItAbsentWithoutABox) {
  AppFixture f;
  f.s.ReportErrors = false;
  f.device.faults.silent = true;
  f.WriteIniText("32 1 0\r\n");
  EXPECT_FALSE(ReadIniFile(f.app));
  EXPECT_FALSE(f.s.PlotterPresent);
  EXPECT_TRUE(f.host.boxes.empty());
}

// Something that is no regular file under the file's name is named for what it is, read as a
// failed read, and left as it is.
TEST(IniFile, ANameThatIsNoRegularFileSaysSoAndStaysUntouched) {
  namespace fs = std::filesystem;
  struct Case {
    const char* name;
    std::function<void(const std::string& path)> put;
    std::function<bool(const std::string& path)> untouched;
  };
  const Case cases[] = {
      {"a FIFO", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
       [](const std::string& p) { return fs::is_fifo(p); }},
      {"a folder", [](const std::string& p) { fs::create_directory(p); },
       [](const std::string& p) { return fs::is_directory(p) && fs::is_empty(p); }},
      {"a device", [](const std::string& p) { fs::create_symlink("/dev/null", p); },
       [](const std::string& p) {
         return fs::is_symlink(p) && fs::read_symlink(p) == "/dev/null" && fs::is_character_file(p);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppFixture f;
    f.s.ReportErrors = false;
    fs::remove(f.app.IniPath());
    c.put(f.app.IniPath());
    EXPECT_FALSE(ReadIniFile(f.app));
    ASSERT_EQ(f.host.boxes.size(), 1u);
    // No default file can be created in its place: the box says what happens instead.
    EXPECT_EQ(f.host.boxes[0].text,
              "Error reading INI file - Using default settings, the file is left as it is\r"
              "Error #  75  Not a regular file");
    EXPECT_EQ(f.host.boxes[0].icon, forms::MsgIcon::Exclamation);
    EXPECT_EQ(f.s.ModelCode, 32);
    EXPECT_EQ(f.s.PortName, "COM1");
    EXPECT_TRUE(c.untouched(f.app.IniPath()));
  }
}

// A start-up file that is a link to a file not there (yet) is written through: the first start
// creates the file the link names, and from then on the program keeps its choices there.
TEST(IniFile, ALinkToAMissingFileIsWrittenThroughAndKept) {
  namespace fs = std::filesystem;
  AppFixture f;
  f.s.ReportErrors = false;
  f.device.faults.silent = true;
  const fs::path folder = fs::path(f.app.IniPath()).parent_path();
  fs::remove(f.app.IniPath());
  fs::create_directory(folder / "kept");
  fs::create_symlink("kept/Tkh.ini", f.app.IniPath());

  EXPECT_FALSE(ReadIniFile(f.app));  // a first start
  EXPECT_TRUE(f.host.boxes.empty());
  EXPECT_TRUE(fs::is_symlink(f.app.IniPath()));
  EXPECT_EQ(testing_support::FileText((folder / "kept/Tkh.ini").string()), "32 1 0\r\n");

  EXPECT_TRUE(WriteIniFile(f.app, 33, 2, 0));  // Setup's OK
  EXPECT_EQ(testing_support::FileText((folder / "kept/Tkh.ini").string()), "33 2 0\r\n");
  f.s = SharedState{};
  ReadIniFile(f.app);
  EXPECT_EQ(f.s.ModelCode, 33);
  EXPECT_EQ(f.s.PortName, "COM2");
  EXPECT_TRUE(fs::is_symlink(f.app.IniPath()));
}

TEST(IniFile, AnUnwritableFolderIsSkippedSilently) {
  AppFixture f;
  f.app.programFolder = "/nonexistent/folder";
  WriteIniFile(f.app, 33, 2, 0);
  EXPECT_TRUE(f.host.boxes.empty());
}

TEST(IniFile, WritesLptNumberWhateverTheThirdArgument) {
  AppFixture f;
  f.s.LptNumber = 3;
  WriteIniFile(f.app, 33, 0, 1);
  EXPECT_EQ(f.IniText(), "33 0 3\r\n");
}

}  // namespace
}  // namespace taskhelm
