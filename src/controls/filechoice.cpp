#include "filechoice.h"

#include <QFileDialog>

namespace FileChoice {

namespace {

QString Choose(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
               const QString& select, bool save) {
  QFileDialog dialog(parent, title);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(suffix);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  } else {
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!select.isEmpty()) dialog.selectFile(select);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

}  // namespace

QString Load(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
             const QString& select) {
  return Choose(parent, title, filter, suffix, select, false);
}

QString Save(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
             const QString& select) {
  return Choose(parent, title, filter, suffix, select, true);
}

}  // namespace FileChoice
