// SPDX-License-Identifier: GPL-3.0-or-later
#include "filechoice.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace FileChoice {

namespace {

QString Choose(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
               const QString& select, bool save, QString* folder) {
  QFileDialog dialog(parent, title);
  if (folder && !folder->isEmpty() && QFileInfo(*folder).isDir()) dialog.setDirectory(*folder);
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
  const QString chosen = dialog.selectedFiles().first();
  if (folder) *folder = QFileInfo(chosen).absolutePath();
  return chosen;
}

}  // namespace

QString Load(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
             const QString& select, QString* folder) {
  return Choose(parent, title, filter, suffix, select, false, folder);
}

QString Save(QWidget* parent, const QString& title, const QString& filter, const QString& suffix,
             const QString& select, QString* folder) {
  return Choose(parent, title, filter, suffix, select, true, folder);
}

void ShowCorrections(QWidget* parent, const QString& path, const QStringList& notes) {
  if (notes.isEmpty()) return;
  QMessageBox::warning(parent, QStringLiteral("Zelvane"),
                       QCoreApplication::translate("FileChoice", "Some settings of %1 were corrected:").arg(path) +
                           u'\n' + notes.join(u'\n'));
}

}  // namespace FileChoice
