// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QDialog;

namespace TestSupport {

// Runs the action and answers the first message box it shows by clicking
// the button; returns that box's text (empty when none appeared).
QString MessageShownBy(const std::function<void()>& action, QMessageBox::StandardButton button = QMessageBox::Ok);

// Runs the action; every modal dialog that comes up meanwhile is handed to
// answer, once, which is expected to close it.
void AnswerDialogs(const std::function<void()>& action, const std::function<void(QDialog*)>& answer);

// Clicks the message box's button.
void Answer(QMessageBox* box, QMessageBox::StandardButton button);

}  // namespace TestSupport
