#include "tests/support/AppFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "startup/ModelTable.h"
#include "tests/support/FileText.h"

namespace testing_support {

namespace {

std::string MakeFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "taskhelm-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a test folder");
  return pattern;
}

taskhelm::Platform PlatformOf(TestHost& host, platform::SerialLine& line, platform::Parlink& parlink,
                              const std::string& folder, texts::Edition edition) {
  return taskhelm::Platform{host, host, line, parlink, platform::Regional{}, folder, edition};
}

}  // namespace

AppFixture::AppFixture(AppOptions options)
    : device(options.model, options.deviceId),
      line(device, host, options.line),
      folder_(MakeFolder()),
      app(PlatformOf(host, line, parlink, folder_, options.edition)),
      s(app.s) {
  taskhelm::InitModelTable(app);
  s.ModelCode = static_cast<int16_t>(options.model);
  s.PlotterPresent = true;
  s.ReportErrors = true;
  UseSerialPort(1);
  taskhelm::ApplyModelProfile(app);
}

AppFixture::AppFixture(int model, texts::Edition edition) : AppFixture([&] {
  AppOptions options;
  options.model = model;
  options.edition = edition;
  return options;
}()) {}

AppFixture::AppFixture(int model, std::optional<int> deviceId) : AppFixture([&] {
  AppOptions options;
  options.model = model;
  options.deviceId = deviceId;
  return options;
}()) {}

AppFixture::~AppFixture() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void AppFixture::UseSerialPort(int com) {
  s.PortName = "COM" + std::to_string(com);
  s.LptPortName = "LPT0";
  s.LptNumber = 0;
}

void AppFixture::UseParallelPort(int lpt) {
  s.PortName = "COM0";
  s.LptPortName = "LPT" + std::to_string(lpt);
  s.LptNumber = static_cast<int16_t>(lpt);
}

std::string AppFixture::IniText() const { return FileText(app.IniPath()); }

void AppFixture::WriteIniText(const std::string& text) const {
  std::ofstream(app.IniPath(), std::ios::binary) << text;
}

}  // namespace testing_support
