#include "qtui/ToolkitWording.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace qtui {

std::unique_ptr<QTranslator> InstallToolkitWording(const QString& language) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_") + language,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator.get()))
    return nullptr;
  return translator;
}

}  // namespace qtui
