#include "qtui/FileDialogs.h"

#include "qtui/Text.h"

namespace qtui {
namespace {

// The common dialog's flag bits that the Qt dialog can honour.
constexpr long kOverwritePrompt = 0x2;
constexpr long kFileMustExist = 0x1000;

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  QStringList parts = ToQt(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << parts[i].trimmed() + QStringLiteral(" (") + patterns.simplified() + QLatin1Char(')');
  }
  return filters;
}

void PrepareFileDialog(QFileDialog& dialog, const forms::FileDialogRequest& request,
                       FileDialogKind kind) {
  dialog.setWindowTitle(ToQt(request.DialogTitle));
  // Descriptions usually carry their patterns already ("Plot Files (*.plt)"); the patterns Qt
  // needs are appended and kept out of sight.
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  QStringList filters = QtNameFilters(request.Filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (kind == FileDialogKind::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (request.Flags & kOverwritePrompt) == 0);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((request.Flags & kFileMustExist) != 0 ? QFileDialog::ExistingFile
                                                              : QFileDialog::AnyFile);
  }
  if (!request.InitDir.empty()) dialog.setDirectory(ToQt(request.InitDir));
  if (!request.FileName.empty()) dialog.selectFile(ToQt(request.FileName));
}

bool RunFileDialog(forms::FileDialogRequest& request, FileDialogKind kind, QWidget* parent,
                   const std::function<bool(QFileDialog&)>& runner) {
  QFileDialog dialog(parent);
  PrepareFileDialog(dialog, request, kind);
  if (!runner(dialog)) return false;
  QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.front().isEmpty()) return false;
  request.FileName = FromQt(chosen.front());
  return true;
}

}  // namespace qtui
