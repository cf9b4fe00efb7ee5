// SPDX-License-Identifier: GPL-3.0-or-later
// TEditImagesFormViewer: the attribute controls and the people list, and
// saving them into the photos (one, or all of the set).

#include "actorlist.h"
#include "attributeitems.h"
#include "datetime.h"
#include "editviewer.h"
#include "imagescaled.h"
#include "peoplelist.h"
#include "imagetodraw.h"
#include "jobqueue.h"
#include "progressform.h"
#include "saveattributes.h"
#include "zelvaneerror.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimeEdit>

namespace {

// Leading and trailing blanks and control characters removed.
QString TrimBlanks(const QString& text) {
  qsizetype first = 0, last = text.size();
  while (first < last && text.at(first).unicode() <= 32) ++first;
  while (last > first && text.at(last - 1).unicode() <= 32) --last;
  return text.mid(first, last - first);
}

// People sort as a file manager sorts names: letter case aside.
class TActorItem : public QListWidgetItem {
public:
  explicit TActorItem(const QString& name) : QListWidgetItem(name) {
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    setCheckState(Qt::Unchecked);
  }
  bool operator<(const QListWidgetItem& other) const override {
    const int byText = text().compare(other.text(), Qt::CaseInsensitive);
    return byText != 0 ? byText < 0 : text() < other.text();
  }
};

QListWidgetItem* FindActor(const QListWidget* list, const QString& name) {
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->text().compare(name, Qt::CaseInsensitive) == 0) return list->item(row);
  return nullptr;
}

}  // namespace

void TEditImagesFormViewer::FillKnownActors() {
  FLoading = true;
  CheckListActors->clear();
  for (const QString& name : ActorList::Names(KnownActors)) CheckListActors->addItem(new TActorItem(name));
  FLoading = false;
}

void TEditImagesFormViewer::LoadAttributes() {
  if (!FScaled) return;
  const TImageToDraw* photo = FScaled->ImageToDraw;
  const TPhotoAttributes record = photo->Attributes();
  FLoading = true;
  TextFileName->setText(photo->ShortName());
  // A title another program gave may be longer than the names typed here;
  // it is shown and kept whole.
  EditName->setMaxLength(std::max<int>(NameLength, int(record.Name.size())));
  EditName->setText(record.Name);
  MemoDescription->setPlainText(QString(record.Description).replace(QLatin1String("\r\n"), QLatin1String("\n")));
  EditLocation->setText(record.Location);
  const QDateTime when = DateTimeUtil::ToQDateTime(record.DateTime);
  DTPDate->setDate(when.date());
  DTPTime->setTime(when.time());
  for (int row = 0; row < CheckListActors->count(); ++row) CheckListActors->item(row)->setCheckState(Qt::Unchecked);
  bool added = false;
  for (const QString& name : ActorList::Split(record.Actors)) {
    if (name.isEmpty()) continue;
    QListWidgetItem* item = FindActor(CheckListActors, name);
    if (!item) {
      item = new TActorItem(name);
      CheckListActors->addItem(item);
      added = true;
    }
    item->setCheckState(Qt::Checked);
  }
  if (added) RebuildKnownActors();
  FLoading = false;
  Modified = false;
  FStoredState = EditedState();
}

TMetadataScope TEditImagesFormViewer::Scope() const {
  return WriteStandardMetadata ? TMetadataScope::PrivateAndStandard : TMetadataScope::PrivateOnly;
}

void TEditImagesFormViewer::AttributeChange() {
  if (!FLoading) Modified = true;
}

void TEditImagesFormViewer::RebuildKnownActors() {
  QStringList names;
  for (int row = 0; row < CheckListActors->count(); ++row) names.append(CheckListActors->item(row)->text());
  KnownActors = ActorList::Join(names);
}

QString TEditImagesFormViewer::StoredDescription() const {
  // Files keep line breaks as CR LF.
  return TrimBlanks(MemoDescription->toPlainText()).replace(QLatin1String("\n"), QLatin1String("\r\n"));
}

QString TEditImagesFormViewer::CheckedActors() const {
  QStringList names;
  for (int row = 0; row < CheckListActors->count(); ++row)
    if (CheckListActors->item(row)->checkState() == Qt::Checked) names.append(CheckListActors->item(row)->text());
  return ActorList::Join(names);
}

void TEditImagesFormViewer::ActionAddActorExecute() {
  const QString name = TrimBlanks(EditActor->text());
  if (name.isEmpty()) {
    QMessageBox::warning(this, QStringLiteral("Zelvane"), tr("No actor to be added."));
    return;
  }
  FLoading = true;
  QListWidgetItem* item = FindActor(CheckListActors, name);
  if (!item) {
    item = new TActorItem(name);
    CheckListActors->addItem(item);
  }
  item->setCheckState(Qt::Checked);
  FLoading = false;
  Modified = true;
  PeopleList::Reveal(CheckListActors, item);
  EditActor->clear();
  EditActor->setFocus();
  RebuildKnownActors();
}

void TEditImagesFormViewer::ActionRemoveActorExecute() {
  QListWidgetItem* item = CheckListActors->currentItem();
  if (!item || !item->isSelected()) return;
  delete item;
  Modified = true;
  RebuildKnownActors();
}

void TEditImagesFormViewer::ActionUncheckActorsExecute() {
  FLoading = true;
  for (int row = 0; row < CheckListActors->count(); ++row) CheckListActors->item(row)->setCheckState(Qt::Unchecked);
  FLoading = false;
}

bool TEditImagesFormViewer::CheckSaved() {
  if (!BitBtnSave->isEnabled()) return true;
  if (CheckAlways->isChecked()) {
    SaveCurrent();
    return true;
  }
  // Changed and changed back (a rotation undone, a name typed and erased)
  // leaves nothing to save.
  if (!Modified || EditedState() == FStoredState) return true;
  const auto answer = QMessageBox::question(
      this, QStringLiteral("Zelvane"), tr("The image attributes have changed. Do you want to save the changes?"),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Cancel || answer == QMessageBox::Escape || answer == QMessageBox::NoButton) return false;
  if (answer == QMessageBox::Yes) SaveCurrent();
  return true;
}

bool TEditImagesFormViewer::SaveCurrent() {
  if (!FScaled || !FScaled->ImageToDraw->Saveable()) return false;
  const QString name = TrimBlanks(EditName->text());
  if (name.isEmpty()) {
    ShowError(tr("No name given, not possible to save the image."));
    return false;
  }
  TImageToDraw* record = FScaled->ImageToDraw;
  TPhotoAttributes attributes = record->Attributes();
  attributes.Name = name;
  attributes.Description = StoredDescription();
  attributes.DateTime = DateTimeUtil::FromQDateTime(QDateTime(DTPDate->date(), DTPTime->time()));
  attributes.Location = TrimBlanks(EditLocation->text());
  attributes.Actors = CheckedActors();
  attributes.Rotation = FScaled->Rotation;
  attributes.RedEyes = FScaled->RedEyes;
  attributes.ROI = FScaled->GetStoredROI();
  record->SetAttributes(attributes);
  try {
    record->Save(Scope());
  } catch (const EZelvaneError& e) {
    StatusBar->showMessage(tr("Not saved"));
    ShowError(e.Message());
    return false;
  }
  Modified = false;
  FStoredState = EditedState();
  StatusBar->showMessage(tr("Saved"));
  return true;
}

void TEditImagesFormViewer::ActionSaveAllExecute() {
  if (!SaveAttributesForm) {
    SaveAttributesForm = new TSaveAttributesForm(this);
    SaveAttributesForm->setObjectName(QStringLiteral("SaveAttributesForm"));
  }
  const int count = int(FImageList.size());
  if (count == 0) return;
  SaveAttributesForm->SetPhotoCount(count);
  if (SaveAttributesForm->exec() != QDialog::Accepted) return;
  const int digits = int(QString::number(count).size());
  // The progress window is modal, so the controls cannot change during the
  // run: their values are taken once.
  const bool setName = SaveAttributesForm->CheckName->isChecked();
  const bool setDescription = SaveAttributesForm->CheckDescription->isChecked();
  const bool setLocation = SaveAttributesForm->CheckLocation->isChecked();
  const bool setActors = SaveAttributesForm->CheckActors->isChecked();
  const QString name = TrimBlanks(EditName->text());
  const QString description = StoredDescription();
  const QString location = TrimBlanks(EditLocation->text());
  const QString actors = CheckedActors();
  const TMetadataScope scope = Scope();

  TProgressForm progress(this);
  progress.SetMaximum(count);
  std::atomic<int> saved{0};
  {
    TJobQueue queue(1, QThread::LowPriority);
    // A photo that fails counts for the progress all the same, so the window
    // closes when the last job is done; Cancel in the message ends the run.
    queue.OnJobError = [&progress](const QString& message) {
      const auto answer = QMessageBox::warning(&progress, QStringLiteral("Zelvane"), message,
                                               QMessageBox::Ok | QMessageBox::Cancel);
      if (answer == QMessageBox::Cancel) {
        progress.reject();
        return TJobErrorAnswer::EndRun;
      }
      progress.Step(QString());
      return TJobErrorAnswer::GoOn;
    };
    for (int i = 0; i < count; ++i) {
      const TPhotoRecord record = FImageList.at(i);
      const QString number = QStringLiteral("%1").arg(i + 1, digits, 10, QLatin1Char('0'));
      queue.Add([=, &progress, &saved](TJobThread& worker) {
        // Only the attributes are rewritten: the file's head is all a save
        // needs, not the decoded picture.
        record->LoadAttributes();
        if (record->Saveable()) {
          TPhotoAttributes attributes = record->Attributes();
          if (setName) attributes.Name = name + u' ' + number;
          if (setDescription) attributes.Description = description;
          if (setLocation) attributes.Location = location;
          if (setActors) attributes.Actors = actors;
          record->SetAttributes(attributes);
          record->Save(scope);
          ++saved;
        }
        worker.SyncCall([&progress, record] { progress.Step(record->Attributes().Name); });
      });
    }
    progress.exec();
  }
  LoadAttributes();
  // Photos that could not be saved (read-only, not JPEG, a failed write) and
  // those a Cancel left out count as not saved.
  const int done = saved.load();
  StatusBar->showMessage(done == count ? tr("Saved %1 of %2 photos").arg(done).arg(count)
                                       : tr("Saved %1 of %2 photos, %3 not saved").arg(done).arg(count).arg(count - done));
}

QByteArray TEditImagesFormViewer::EditedState() const {
  QByteArray state;
  const auto add = [&state](const QString& text) { state += text.toUtf8() + '\0'; };
  add(TrimBlanks(EditName->text()));
  add(StoredDescription());
  add(TrimBlanks(EditLocation->text()));
  add(DTPDate->date().toString(Qt::ISODate));
  add(DTPTime->time().toString(Qt::ISODate));
  add(CheckedActors());
  if (FScaled) {
    // The corrections as a save would write them from the view.
    using namespace AttributeItems;
    state += RotationItem(TImageToDraw::IdRotation, FScaled->Rotation).Value + '\0';
    state += RectItem(TImageToDraw::IdROI, FScaled->GetStoredROI()).Value + '\0';
    if (FScaled->RedEyes) state += RedEyesItem(TImageToDraw::IdRedEyes, *FScaled->RedEyes).Value;
  }
  return state;
}
