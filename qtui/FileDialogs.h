#pragma once
// The common file dialog as QFileDialog.
#include <QFileDialog>
#include <QStringList>
#include <functional>
#include <string>

#include "forms/Host.h"

namespace qtui {

// "Desc|pattern|Desc|pattern" (patterns separated by ";") as Qt name filters
// ("Desc (pattern pattern)").
QStringList QtNameFilters(const std::string& filter);

enum class FileDialogKind { Open, Save };

// Sets the dialog up from the request: title, filters, folder, proposed name and the flags that
// have a meaning here (overwrite prompt, file must exist).
void PrepareFileDialog(QFileDialog& dialog, const forms::FileDialogRequest& request,
                       FileDialogKind kind);

// Runs the dialog (the runner shows it and says whether the operator accepted) and writes the
// chosen path into the request; false when cancelled.
bool RunFileDialog(forms::FileDialogRequest& request, FileDialogKind kind, QWidget* parent,
                   const std::function<bool(QFileDialog&)>& runner);

}  // namespace qtui
