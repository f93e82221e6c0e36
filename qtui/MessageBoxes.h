#pragma once
// The program's message boxes as QMessageBox: the model's buttons and icons, and the answer of
// the button the operator pressed.
#include <QMessageBox>
#include <memory>
#include <string>

#include "forms/Host.h"

namespace qtui {

std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& text, forms::MsgButtons buttons,
                                            forms::MsgIcon icon, const std::string& title,
                                            QWidget* parent);
// The answer of a pressed button; a box closed without one answers as its escape button would.
forms::MsgAnswer AnswerOf(QMessageBox::StandardButton pressed, forms::MsgButtons buttons);

}  // namespace qtui
