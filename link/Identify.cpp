// Identification and the settings dump.
#include "link/Identify.h"

#include <iterator>

#include "link/LinkContext.h"
#include "link/Models.h"
#include "link/ReplyList.h"
#include "platform/Numbers.h"

namespace taskhelm {

namespace {

constexpr const char* kIdentifyCommand = "!IC@";
constexpr const char* kDumpSettingsCommand = "!DD@";
constexpr const char* kReadFrameSkipCommand = "!FS@";
constexpr const char* kReadTangentialCommand = "!TD@";
constexpr size_t kDumpReadLength = 1000;

double Leading(std::string_view text) { return platform::LeadingNumber(text); }

// The index of the dump's last value (the one before "_"), by model.
int DumpLastIndex(const HeldModel& model) {
  switch (model.Family()) {
    case ModelFamily::Cutter: return model.Has(ModelQuirk::NoCutterDump) ? 0 : 25;
    case ModelFamily::PenPlotter: return 17;
    case ModelFamily::RollFeed: return 23;
    case ModelFamily::None: break;
  }
  return 0;
}

// Asks the device who it is: false when it did not answer. Sets DeviceId.
bool QueryIdentification(LinkContext& app) {
  std::string reply;
  if (!app.port.Query(kIdentifyCommand, reply, 13, 3000, 4)) return false;
  app.s.DeviceId = ParseIdentification(reply);
  return true;
}
}  // namespace

int16_t IdentifyDevice(LinkContext& app) {
  if (!QueryIdentification(app)) return -1;
  return ModelFromDeviceId(app.s.DeviceId);
}

int16_t ParseIdentification(std::string_view reply) { return platform::ToInteger(Leading(reply)); }

DumpParse ParseDump(const HeldModel& model, std::string_view reply, DeviceParameterArray& p) {
  std::string_view rest = reply.substr(0, kDumpReadLength);
  int last = DumpLastIndex(model);
  for (int i = 0; i < last; ++i) {
    size_t lf = rest.find('\n');
    if (lf == std::string_view::npos) return DumpParse::TooFewValues;
    // The first value is one digit written just before its line feed.
    std::string_view value = i == 0 ? rest.substr(lf == 0 ? 0 : lf - 1, lf == 0 ? 0 : 1)
                                    : rest.substr(0, lf);
    // Line noise (NUL bytes, junk) would otherwise read as 0 and pass for a setting.
    if (!platform::IsDecimalNumber(value)) return DumpParse::NotANumber;
    p[static_cast<size_t>(i)] = platform::ToSingle(Leading(value));
    rest.remove_prefix(lf + 1);
  }
  size_t end = rest.find('_');
  if (end == std::string_view::npos) return DumpParse::NoEnd;
  // A model without a layout takes the number before "_" from whatever precedes it.
  if (last > 0 && !platform::IsDecimalNumber(rest.substr(0, end))) return DumpParse::NotANumber;
  p[static_cast<size_t>(last)] = platform::ToSingle(Leading(rest.substr(0, end)));
  return DumpParse::Ok;
}

bool ReadDeviceSettings(LinkContext& app) {
  std::string reply;
  if (!app.port.Query(kDumpSettingsCommand, reply, 13, 10000, 256)) {
    app.MsgBox(app.T("No Response"), forms::MsgButtons::OK, forms::MsgIcon::Exclamation);
    return false;
  }
  switch (ParseDump(app.s.ModelCode, reply, app.s.DumpParams)) {
    case DumpParse::TooFewValues:
    case DumpParse::NotANumber:
      app.MsgBox(app.T("Wrong number of parameters returned."), forms::MsgButtons::OK,
                 forms::MsgIcon::Exclamation);
      return false;
    case DumpParse::NoEnd: return false;
    case DumpParse::Ok: break;
  }
  const HeldModel& model = app.model;
  switch (model.Family()) {
    case ModelFamily::PenPlotter:
      ApplyPlotterSettings(app);
      if (model.Has(ModelQuirk::MarkSensor)) {
        std::string r;
        // A reply without a number is none: the mark skip stays as it was.
        if (app.port.Query(kReadFrameSkipCommand, r, 13, 2000, 4))
          if (const auto skip = ReplyNumber(r)) app.s.MarkSkip = platform::ToInteger(*skip);
      }
      return true;
    case ModelFamily::Cutter:
      if (!model.Has(ModelQuirk::NoCutterDump)) ApplyCutterSettings(app);
      break;
    case ModelFamily::RollFeed: ApplyRollFeedSettings(app); break;
    case ModelFamily::None: break;
  }
  if (IsTangentialKnife(app.s.DeviceId)) return ReadTdValues(app);
  return true;
}

bool ReadTdValues(LinkContext& app) {
  std::string reply;
  if (!app.port.Query(kReadTangentialCommand, reply, 13, 5000, 6)) return false;
  // A reply without its three numbers is none: a value it lacks would go back to the knife as 0.
  float parts[3] = {0, 0, 0};
  if (!ParseReplyList(reply, parts).Carries(std::size(parts))) return false;
  app.s.TangentialEnable = platform::ToInteger(parts[0]);
  app.s.TangentialForce = platform::ToInteger(parts[1]);
  app.s.TangentialLength = platform::ToInteger(parts[2]);
  return true;
}

bool VerifyModel(LinkContext& app, int16_t expected) {
  // Whether the device answered at all is what the Setup window's "Plotter Present" shows.
  const bool answered = QueryIdentification(app);
  app.s.PresentChecked = answered;
  if (!answered) {
    app.s.PlotterPresent = false;
    return false;
  }
  // A device that answers with a number of no model is a wrong model too, not a silent stop.
  const int16_t id = ModelFromDeviceId(app.s.DeviceId);
  if (id == expected) {
    app.s.PlotterPresent = true;
    return true;
  }
  app.Beep();
  std::string text = app.T("Wrong Quorvane Model.");
  if (id >= 5 && id <= 32) text += "\r\n" + app.T("Please try ") + app.T(ModelSuggestion(id));
  app.MsgBox(text, forms::MsgButtons::OK, forms::MsgIcon::Exclamation, app.T("ERROR"));
  app.s.PlotterPresent = false;
  return false;
}

std::string ModelSuggestion(int16_t model) {
  const ModelRow* row = FindModel(model);
  return row ? row->suggestion : "";
}

}  // namespace taskhelm
