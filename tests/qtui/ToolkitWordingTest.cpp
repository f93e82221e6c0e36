// The Spanish edition's message boxes and file dialogs: the toolkit's own texts in Spanish.
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>

#include "qtui/FileDialogs.h"
#include "qtui/MessageBoxes.h"
#include "qtui/ToolkitWording.h"
#include "tests/qtui/QtTestApp.h"

namespace qtui_tests {
namespace {

class ToolkitWording : public QtHostTest {};

QString ButtonText(forms::MsgButtons buttons, QMessageBox::StandardButton button) {
  auto box = qtui::MakeMessageBox("text", buttons, forms::MsgIcon::None, "title", nullptr);
  return box->button(button)->text().remove(QLatin1Char('&'));
}

QString FileDialogCancelText() {
  QFileDialog dialog;
  qtui::PrepareFileDialog(dialog, forms::FileDialogRequest{}, qtui::FileDialogKind::Open);
  QDialogButtonBox* buttons = dialog.findChild<QDialogButtonBox*>();
  return buttons ? buttons->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'))
                 : QString();
}

TEST_F(ToolkitWording, BoxesAndFileDialogsSpeakSpanishWhileItIsInstalled) {
  {
    std::unique_ptr<QTranslator> spanish = qtui::InstallToolkitWording(QStringLiteral("es"));
    ASSERT_TRUE(spanish) << "the toolkit's Spanish translation is not installed";
    EXPECT_EQ(ButtonText(forms::MsgButtons::OKCancel, QMessageBox::Ok), "Aceptar");
    EXPECT_EQ(ButtonText(forms::MsgButtons::OKCancel, QMessageBox::Cancel), "Cancelar");
    EXPECT_EQ(ButtonText(forms::MsgButtons::YesNo, QMessageBox::Yes), "Sí");
    EXPECT_EQ(ButtonText(forms::MsgButtons::RetryCancel, QMessageBox::Retry), "Reintentar");
    EXPECT_EQ(FileDialogCancelText(), "Cancelar");
  }
  // The English edition installs none.
  EXPECT_EQ(ButtonText(forms::MsgButtons::OK, QMessageBox::Ok), "OK");
  EXPECT_EQ(FileDialogCancelText(), "Cancel");
  EXPECT_FALSE(qtui::InstallToolkitWording(QStringLiteral("xx")));
}

}  // namespace
}  // namespace qtui_tests
