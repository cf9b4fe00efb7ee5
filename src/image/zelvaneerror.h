#pragma once

#include <QString>
#include <exception>

// The exception every Zelvane operation raises for a failure the user should
// see. It carries the final, already translated message; the window that
// started the operation shows it.
class EZelvaneError : public std::exception {
public:
  explicit EZelvaneError(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
  [[nodiscard]] const QString& Message() const { return FMessage; }
  [[nodiscard]] const char* what() const noexcept override { return FUtf8.constData(); }

private:
  QString FMessage;
  QByteArray FUtf8;
};
