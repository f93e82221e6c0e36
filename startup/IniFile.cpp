// The one-line start-up file: model code, serial port number, parallel port number.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "link/Identify.h"
#include "platform/Numbers.h"
#include "startup/App.h"
#include "startup/Main.h"
#include "startup/ModelTable.h"

namespace taskhelm {

namespace {

constexpr size_t kIniReadLimit = 4096;  // the file holds one short line; more is not read

struct ReadError {
  int number;
  const char* description;
};

// Reads the whole numbers of the file the way a list-input statement does: fields end at a blank,
// a comma or a line end; a field that is not a number is a type mismatch.
class IniReader {
 public:
  explicit IniReader(std::string text) : text_(std::move(text)) {}

  int16_t Number() {
    SkipBlanks();
    if (pos_ >= text_.size()) throw ReadError{62, "Input past end of file"};
    size_t start = pos_;
    while (pos_ < text_.size() && !IsDelimiter(text_[pos_])) ++pos_;
    std::string field = text_.substr(start, pos_ - start);
    SkipDelimiter();
    return Parse(field);
  }

  bool AtEnd() const { return pos_ >= text_.size(); }

 private:
  static bool IsDelimiter(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

  void SkipBlanks() {
    while (pos_ < text_.size() &&
           (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' || text_[pos_] == '\n'))
      ++pos_;
  }

  // After a field: the blanks, then one comma or one line end.
  void SkipDelimiter() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    if (pos_ < text_.size() && text_[pos_] == ',') {
      ++pos_;
    } else if (pos_ < text_.size() && text_[pos_] == '\r') {
      ++pos_;
      if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    } else if (pos_ < text_.size() && text_[pos_] == '\n') {
      ++pos_;
    }
  }

  static int16_t Parse(const std::string& field) {
    size_t i = 0;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) ++i;
    bool digits = false, point = false;
    for (; i < field.size(); ++i) {
      if (field[i] >= '0' && field[i] <= '9')
        digits = true;
      else if (field[i] == '.' && !point)
        point = true;
      else
        throw ReadError{13, "Type mismatch"};
    }
    if (!digits) throw ReadError{13, "Type mismatch"};
    double value = platform::LeadingNumber(field);
    if (value < -32768.5 || value > 32767.5) throw ReadError{6, "Overflow"};
    return platform::ToInteger(value);
  }

  std::string text_;
  size_t pos_ = 0;
};

// The file's text; nothing when there is no file; a ReadError when it is there but unreadable.
std::optional<std::string> ReadWholeFile(App& app, const std::string& path) {
  int16_t number = app.files.OpenDataFile(path, 2);
  if (number == 0) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) return std::nullopt;
    // A folder, FIFO or device under the file's name is never read (a FIFO would block the
    // start) nor replaced; the operator is told what it is rather than of a permission.
    if (!std::filesystem::is_regular_file(status)) throw ReadError{75, "Not a regular file"};
    throw ReadError{70, "Permission denied"};
  }
  std::string text(kIniReadLimit, '\0');
  size_t n = std::fread(text.data(), 1, text.size(), app.files.Stream(number));
  app.files.Close(number);
  text.resize(n);
  return text;
}

int16_t ComNumberOf(const std::string& portName) {
  if (portName.size() == 4 && portName[3] >= '1' && portName[3] <= '8') return portName[3] - '0';
  return 0;
}

}  // namespace

bool ReadIniFile(App& app) {
  SharedState& s = app.s;
  s.NotConnectedText = "Green light Not ON or Plotter Not Connected to ";
  int16_t model = 32, com = 1;
  try {
    if (std::optional<std::string> text = ReadWholeFile(app, app.IniPath())) {
      IniReader reader(*text);
      model = reader.Number();
      com = reader.Number();
      s.LptNumber = reader.AtEnd() ? 0 : reader.Number();
    } else {  // first start
      s.LptNumber = 0;
      WriteIniFile(app, model, com, 0);
    }
  } catch (const ReadError& error) {
    s.LptNumber = 0;
    // The box says what became of the file: a folder, FIFO or device under its name stays there.
    const bool created = WriteIniFile(app, 32, 1, 0);
    const std::string what =
        created ? app.T("Error reading INI file - Creating default file")
                : app.T("Error reading INI file - Using default settings, the file is left as it is");
    app.MsgBox(what + "\r" + app.T("Error # ") + (error.number < 0 ? "" : " ") +
                   std::to_string(error.number) + "  " + app.T(error.description),
               forms::MsgButtons::OK, forms::MsgIcon::Exclamation);
    s.ModelCode = 32;
    s.PlotterPresent = true;
    s.PortName = "COM1";
    s.LptPortName = "LPT0";
    return false;
  }

  switch (FamilyOf(model)) {
    case ModelFamily::Cutter:
    case ModelFamily::RollFeed:
      s.ModelCode = model;
      s.NotConnectedText = "Green light Not ON or Cutter Not Connected to ";
      break;
    case ModelFamily::PenPlotter: s.ModelCode = model; break;
    case ModelFamily::None:
      s.ModelCode = 32;
      s.NotConnectedText = "Green light Not ON or Cutter Not Connected to ";
      break;
  }

  if (com >= 1 && com <= 8) {
    s.PortName = "COM" + std::to_string(com);
    s.LptPortName = "LPT0";
  } else if (com != 0) {
    s.PortName = "COM1";
    s.LptPortName = "LPT0";
  } else {
    s.PortName = "COM0";
    s.LptPortName = s.LptNumber >= 1 && s.LptNumber <= 4 ? "LPT" + std::to_string(s.LptNumber) : "LPT1";
  }

  int16_t id = IdentifyDevice(app);
  if (id >= 32 && id <= 42) {
    s.ModelCode = id;
    WriteIniFile(app, id, ComNumberOf(s.PortName), s.LptNumber);
    s.PlotterPresent = true;
    return true;
  }
  s.PlotterPresent = id != -1;
  return false;
}

bool WriteIniFile(App& app, int16_t model, int16_t com, int16_t) {
  int16_t number = app.files.OpenDataFile(app.IniPath(), 1);
  if (number == 0) return false;
  std::string line = std::to_string(model) + " " + std::to_string(com) + " " +
                     std::to_string(app.s.LptNumber) + "\r\n";
  std::fwrite(line.data(), 1, line.size(), app.files.Stream(number));
  return app.files.Close(number);
}

}  // namespace taskhelm
