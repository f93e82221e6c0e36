#pragma once
// The toolkit's own texts (the buttons of message boxes, the file dialogs) in the edition's
// language, from the translations the distribution ships with Qt.
#include <QString>
#include <QTranslator>
#include <memory>

namespace qtui {

// Installs the toolkit's translation for the language ("es"); it stays in force while the
// returned object lives. nullptr when the translation is not installed: the toolkit's texts
// then stay English.
std::unique_ptr<QTranslator> InstallToolkitWording(const QString& language);

}  // namespace qtui
