#pragma once
// The one QApplication of the Qt tests (offscreen), and a fixture with a fresh host per test.
#include <QApplication>
#include <gtest/gtest.h>

#include "qtui/QtHost.h"

namespace qtui_tests {

inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "qtui_tests";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform reports what it cannot do (raise a window ...) on every show.
  static QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
        previous(type, context, message);
      });
  new QApplication(argc, argv);
}

class QtHostTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
  qtui::QtHost host;
};

}  // namespace qtui_tests
