// The file and firmware windows as the Qt front end shows them, in both editions and at every
// desktop font: nothing cut off, nothing lying over another control or past its frame.
#include <QMessageBox>

#include <stdlib.h>

#include <filesystem>

#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/WindowCheck.h"
#include "transfer/Flash.h"
#include "transfer/OpenBin.h"
#include "transfer/Plot.h"
#include "transfer/SendCutFiles.h"
#include "transfer/SvFile.h"

namespace qtui_tests {
namespace {

using E = texts::Edition;

class TransferWindows : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
};

struct TransferRow {
  const char* name;
  WindowGetter window;
};

// The file windows open on the working folder and the save window shows its path, so the check
// runs in a folder of known length rather than wherever the checkout happens to be.
class ShortWorkingFolder {
 public:
  ShortWorkingFolder() : before_(std::filesystem::current_path()) {
    char name[] = "/tmp/thXXXXXX";
    if (mkdtemp(name)) {
      folder_ = name;
      std::filesystem::current_path(folder_);
    }
  }
  ~ShortWorkingFolder() {
    std::filesystem::current_path(before_);
    if (!folder_.empty()) std::filesystem::remove_all(folder_);
  }

 private:
  std::filesystem::path before_, folder_;
};

TEST_F(TransferWindows, ShowNothingCutOff) {
  const ShortWorkingFolder folder;
  ForEachDesktopFont([&] {
    const TransferRow rows[] = {{"SendCutFiles", WindowOf<taskhelm::SendCutFiles>()},
                                {"Plot", WindowOf<taskhelm::Plot>()},
                                {"OpenBin", WindowOf<taskhelm::OpenBin>()},
                                {"SvFile", WindowOf<taskhelm::SvFile>()},
                                {"Flash", WindowOf<taskhelm::Flash>()}};
    for (E edition : {E::English, E::Spanish}) {
      for (const TransferRow& row : rows) {
        SCOPED_TRACE(std::string(row.name) + (edition == E::Spanish ? " Spanish" : " English"));
        QtProgram program(32, 32, edition);
        program.host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
        forms::Form* form = nullptr;
        program.host.Enter([&] {
          form = &row.window(program.app);
          form->Show(forms::ShowMode::Modeless);
        });
        ASSERT_NE(form, nullptr);
        ExpectNothingCutOff(program.host, *form);
        const std::string name = std::string(row.name) + (edition == E::Spanish ? "-es" : "");
        if (const auto path = ScreenshotPath(name)) {
          EXPECT_TRUE(program.host.SaveScreenshot(*form, *path));
        }
      }
    }
  });
}

}  // namespace
}  // namespace qtui_tests
