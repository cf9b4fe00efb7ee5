// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>

// The exception every Zelvane operation raises for a failure the user should
// see. It carries the final, already translated message; the window that
// started the operation shows it. Reason is the cause in plain words when
// one is known (the system's error text, "not a regular file", ...); a
// message shown to the user already holds it on its second line where it
// belongs there, while a load keeps its short "Error N" and the reason apart.
class EZelvaneError : public std::exception {
public:
  explicit EZelvaneError(QString message, QString reason = QString())
      : FMessage(std::move(message)), FReason(std::move(reason)), FUtf8(FMessage.toUtf8()) {}
  [[nodiscard]] const QString& Message() const { return FMessage; }
  [[nodiscard]] const QString& Reason() const { return FReason; }
  [[nodiscard]] const char* what() const noexcept override { return FUtf8.constData(); }

  // A message with its reason on a second line (just the message without one).
  [[nodiscard]] static QString WithReason(const QString& message, const QString& reason) {
    return reason.isEmpty() ? message : message + u'\n' + reason;
  }

private:
  QString FMessage;
  QString FReason;
  QByteArray FUtf8;
};
