#include "tests/transfer/TransferFixture.h"

#include "startup/ModelTable.h"

namespace transfer_tests {

TransferFixture::TransferFixture(FixtureOptions options)
    : device(options.model, options.deviceId ? std::optional<int>(options.deviceId) : std::nullopt),
      simLine(device, host, sim::SimLineOptions{{1}, options.baud, 2048}),
      line(simLine),
      plot(device),
      firmware(device),
      app(taskhelm::Platform{host, host, line, parlink, platform::Regional{}, folder.path,
                             options.edition}),
      s(app.s) {
  taskhelm::InitModelTable(app);
  s.ModelCode = static_cast<int16_t>(options.model);
  s.DeviceId = static_cast<int16_t>(options.deviceId ? options.deviceId : options.model);
  s.PlotterPresent = true;
  s.ReportErrors = true;
  s.PortName = "COM1";
  s.LptPortName = "LPT0";
  taskhelm::ApplyModelProfile(app);
}

void TransferFixture::UseParallelPort(int lpt) {
  s.PortName = "COM0";
  s.LptPortName = "LPT" + std::to_string(lpt);
  s.LptNumber = static_cast<int16_t>(lpt);
}

void TransferFixture::Watch(const std::string& formName, const std::function<std::string()>& read,
                            std::vector<std::string>& into) {
  auto previous = host.onChange;
  host.onChange = [previous, formName, read, &into](forms::Form& form) {
    if (previous) previous(form);
    if (form.Name() != formName) return;
    std::string now = read();
    if (into.empty() || into.back() != now) into.push_back(now);
  };
}

}  // namespace transfer_tests
