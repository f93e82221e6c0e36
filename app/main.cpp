// rendix and rendix-s: the Qt front end around the program.
#include <QApplication>

#include "platform/Clock.h"
#include "platform/Parlink.h"
#include "platform/PosixSerialLine.h"
#include "platform/ProgramFolder.h"
#include "platform/Regional.h"
#include "qtui/QtHost.h"
#include "qtui/ToolkitWording.h"
#include "startup/App.h"
#include "startup/Main.h"

namespace {

#ifdef TASKHELM_SPANISH
constexpr texts::Edition kEdition = texts::Edition::Spanish;
#else
constexpr texts::Edition kEdition = texts::Edition::English;
#endif

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("rendix"));
  // The buttons of the boxes and the file dialogs speak the edition's language too.
  std::unique_ptr<QTranslator> toolkitWording;
  if (kEdition == texts::Edition::Spanish)
    toolkitWording = qtui::InstallToolkitWording(QStringLiteral("es"));
  qtui::QtHost host;
  platform::SystemClock clock;
  platform::PosixSerialLine line;
  platform::ParlinkLibrary parlink;
  taskhelm::Platform services{host,  clock, line, parlink, platform::ReadRegionalSettings(),
                              platform::ProgramFolder(), kEdition};
  taskhelm::App app(services);
  // Start-up shows the windows; the event loop runs until the program ends or its last window
  // goes. The host's windows are gone before the program's forms.
  return host.Run([&app] { taskhelm::Main(app); });
}
