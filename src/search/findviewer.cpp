// SPDX-License-Identifier: GPL-3.0-or-later
#include "findviewer.h"

#include "actorlist.h"
#include "datetimetyping.h"
#include "helpfiles.h"
#include "peoplelist.h"
#include "photosettings.h"
#include "windowactions.h"
#include "windowplacement.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

TDateTime DayOf(const QDate& date) {
  TDateTime value = 0;
  (void)DateTimeUtil::TryEncode(date.year(), date.month(), date.day(), 0, 0, 0, 0, value);
  return value;
}

QListWidgetItem* FindActor(const QListWidget* list, const QString& name) {
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->text().compare(name, Qt::CaseInsensitive) == 0) return list->item(row);
  return nullptr;
}

QListWidgetItem* NewActor(const QString& name) {
  auto* item = new QListWidgetItem(name);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(Qt::Unchecked);
  return item;
}

}  // namespace

TFindImagesForm::TFindImagesForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Zelvane - Find images"));
  resize(250, 555);
  setMinimumSize(250, 430);
  CreateActions();
  connect(ActionAdd, &QAction::triggered, this, &TFindImagesForm::ActionAddExecute);
  connect(ActionRemove, &QAction::triggered, this, &TFindImagesForm::ActionRemoveExecute);
  connect(ActionUncheckAll, &QAction::triggered, this, &TFindImagesForm::ActionUncheckAllExecute);
  connect(ActionStart, &QAction::triggered, this, &TFindImagesForm::ActionStartExecute);
  connect(ActionReset, &QAction::triggered, this, &TFindImagesForm::ActionResetExecute);
  connect(ActionHelp, &QAction::triggered, this, [] { HelpFiles::Show(HelpFiles::TContext::FindImages); });
  connect(ActionCancel, &QAction::triggered, this, &QDialog::reject);
  CreateLayout();
  WindowPlacement::Apply(this, ProcessSettings().FindForm, parent);
  DisablePrevious();
}

TFindImagesForm::~TFindImagesForm() = default;

void TFindImagesForm::CreateActions() {
  using WindowActions::Add;
  ActionAdd = Add(this, QStringLiteral("ActionAdd"), tr("Add actor"), QKeySequence());
  ActionRemove = Add(this, QStringLiteral("ActionRemove"), tr("Remove actor"), QKeySequence(Qt::ALT | Qt::Key_Delete));
  ActionUncheckAll = Add(this, QStringLiteral("ActionUncheckAll"), tr("Uncheck all"), QKeySequence(Qt::ALT | Qt::Key_U));
  ActionStart = Add(this, QStringLiteral("ActionStart"), tr("Start"), QKeySequence(Qt::ALT | Qt::Key_S));
  ActionReset =
      Add(this, QStringLiteral("ActionReset"), tr("Reset search attributes"), QKeySequence(Qt::ALT | Qt::Key_R));
  ActionHelp = Add(this, QStringLiteral("ActionHelp"), tr("Show help for this form"), QKeySequence(Qt::Key_F1));
  ActionCancel = Add(this, QStringLiteral("ActionCancel"), tr("Cancel"), QKeySequence(Qt::Key_Escape));
}

void TFindImagesForm::CreateLayout() {
  auto* form = new QVBoxLayout(this);
  auto* fields = new QGridLayout;
  int row = 0;
  const auto textCriterion = [&](QCheckBox*& check, QLineEdit*& edit, const QString& caption) {
    check = new QCheckBox(caption, this);
    check->setFocusPolicy(Qt::ClickFocus);  // Tab goes from entry to entry
    edit = new QLineEdit(this);
    fields->addWidget(check, row++, 0, 1, 2);
    fields->addWidget(edit, row++, 0, 1, 2);
    QCheckBox* box = check;
    connect(edit, &QLineEdit::textChanged, this, [box](const QString& text) { box->setChecked(!text.isEmpty()); });
  };
  textCriterion(CheckName, EditName, tr("Name"));
  textCriterion(CheckDescription, EditDescription, tr("Description"));
  textCriterion(CheckLocation, EditLocation, tr("Location"));
  CheckDate = new QCheckBox(tr("Date"), this);
  CheckDate->setObjectName(QStringLiteral("CheckDate"));
  CheckDate->setFocusPolicy(Qt::ClickFocus);
  fields->addWidget(CheckDate, row++, 0, 1, 2);
  const auto picker = [&](QDateEdit*& edit, const QString& caption) {
    edit = new QDateEdit(QDate::currentDate(), this);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    TDateTimeTyping::Install(edit);
    fields->addWidget(new QLabel(caption, this), row, 0);
    fields->addWidget(edit, row++, 1);
  };
  picker(DTPStart, tr("Start", "the first day of the range"));
  picker(DTPEnd, tr("End", "the last day of the range"));
  for (auto [widget, name] :
       std::initializer_list<std::pair<QWidget*, const char*>>{{CheckName, "CheckName"},
                                                               {CheckDescription, "CheckDescription"},
                                                               {CheckLocation, "CheckLocation"},
                                                               {EditName, "EditName"},
                                                               {EditDescription, "EditDescription"},
                                                               {EditLocation, "EditLocation"},
                                                               {DTPStart, "DTPStart"},
                                                               {DTPEnd, "DTPEnd"}})
    widget->setObjectName(QLatin1String(name));
  connect(DTPStart, &QDateEdit::dateChanged, this, [this] { DateChange(true); });
  connect(DTPEnd, &QDateEdit::dateChanged, this, [this] { DateChange(false); });
  form->addLayout(fields);

  auto* actors = new QGroupBox(this);
  auto* actorsLayout = new QVBoxLayout(actors);
  CheckActors = new QCheckBox(tr("Actors"), actors);
  CheckActors->setObjectName(QStringLiteral("CheckActors"));
  CheckActors->setFocusPolicy(Qt::ClickFocus);
  actorsLayout->addWidget(CheckActors);
  auto* radios = new QHBoxLayout;
  RadioAll = new QRadioButton(tr("All"), actors);
  RadioAll->setObjectName(QStringLiteral("RadioAll"));
  RadioAny = new QRadioButton(tr("Any"), actors);
  RadioAny->setObjectName(QStringLiteral("RadioAny"));
  RadioAll->setChecked(true);
  radios->addWidget(RadioAll);
  radios->addWidget(RadioAny);
  actorsLayout->addLayout(radios);
  CheckListActors = new QListWidget(actors);
  CheckListActors->setObjectName(QStringLiteral("CheckListActors"));
  CheckListActors->setSortingEnabled(true);
  PeopleList::ShowRows(CheckListActors);
  actorsLayout->addWidget(CheckListActors, 1);
  connect(CheckListActors, &QListWidget::itemChanged, this, [this] { UpdateCheckActors(); });
  EditActor = new QLineEdit(actors);
  EditActor->setObjectName(QStringLiteral("EditActor"));
  actorsLayout->addWidget(EditActor);
  // Two rows, so that the captions fit the narrow window in every language.
  auto* actorButtons = new QGridLayout;
  const std::pair<QAction*, QString> actorCommands[] = {
      {ActionAdd, tr("Add")}, {ActionRemove, tr("Remove")}, {ActionUncheckAll, tr("Uncheck all")}};
  int place = 0;
  for (const auto& [action, caption] : actorCommands) {
    actorButtons->addWidget(WindowActions::Button(actors, action, caption), place / 2, place % 2, 1,
                            place == 2 ? 2 : 1);
    ++place;
  }
  actorsLayout->addLayout(actorButtons);
  form->addWidget(actors, 1);

  CheckPrevious = new QCheckBox(tr("Use previous result"), this);
  CheckPrevious->setObjectName(QStringLiteral("CheckPrevious"));
  CheckIncludeSub = new QCheckBox(tr("Include subdirectories"), this);
  CheckIncludeSub->setObjectName(QStringLiteral("CheckIncludeSub"));
  connect(CheckPrevious, &QCheckBox::toggled, this, [this](bool on) {
    if (on) CheckIncludeSub->setChecked(false);
  });
  connect(CheckIncludeSub, &QCheckBox::toggled, this, [this](bool on) {
    if (on) CheckPrevious->setChecked(false);
  });
  form->addWidget(CheckPrevious);
  form->addWidget(CheckIncludeSub);

  auto* buttons = new QGridLayout;
  const std::pair<QAction*, QString> commands[] = {
      {ActionStart, tr("Start")}, {ActionReset, tr("Reset")}, {ActionHelp, tr("Help")}, {ActionCancel, tr("Cancel")}};
  int index = 0;
  for (const auto& [action, caption] : commands) {
    buttons->addWidget(WindowActions::Button(this, action, caption), index / 2, index % 2);
    ++index;
  }
  form->addLayout(buttons);

  for (QWidget* field : std::initializer_list<QWidget*>{EditName, EditDescription, EditLocation, DTPStart, DTPEnd,
                                                        CheckListActors, EditActor})
    field->installEventFilter(this);
}

void TFindImagesForm::DisablePrevious() {
  CheckPrevious->setChecked(false);
  CheckPrevious->setEnabled(false);
  CheckIncludeSub->setChecked(false);
}

void TFindImagesForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TFindImagesForm::hideEvent(QHideEvent* event) {
  ProcessSettings().FindForm = WindowPlacement::Capture(this);
  QDialog::hideEvent(event);
}

void TFindImagesForm::FormShow() {
  // The known actors, none checked: the previous search's ticks do not come
  // back to narrow the next one. "Actors" itself keeps its state.
  const QSignalBlocker quiet(CheckListActors);
  CheckListActors->clear();
  for (const QString& name : ActorList::Names(KnownActors)) CheckListActors->addItem(NewActor(name));
}

void TFindImagesForm::DateChange(bool startChanged) {
  const QDate today = QDate::currentDate();
  const bool bothToday = DTPStart->date() == today && DTPEnd->date() == today;
  CheckDate->setChecked(!bothToday);
  if (!bothToday && startChanged && DTPEnd->date() < DTPStart->date()) DTPEnd->setDate(DTPStart->date());
}

void TFindImagesForm::UpdateCheckActors() {
  bool any = false;
  for (int row = 0; row < CheckListActors->count(); ++row)
    any = any || CheckListActors->item(row)->checkState() == Qt::Checked;
  CheckActors->setChecked(any);
}

void TFindImagesForm::RebuildKnownActors() {
  QStringList names;
  for (int row = 0; row < CheckListActors->count(); ++row) names.append(CheckListActors->item(row)->text());
  KnownActors = ActorList::Join(names);
}

bool TFindImagesForm::Ask(const QString& question) {
  return QMessageBox::question(this, QStringLiteral("Zelvane"), question, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void TFindImagesForm::Warn(const QString& message) {
  QMessageBox::warning(this, QStringLiteral("Zelvane"), message);
}

void TFindImagesForm::ActionAddExecute() {
  const QString name = EditActor->text().trimmed();
  if (name.isEmpty()) {
    Warn(tr("No actor to be added."));
  } else {
    QListWidgetItem* item = FindActor(CheckListActors, name);
    if (!item) {
      item = NewActor(name);
      CheckListActors->addItem(item);
    }
    item->setCheckState(Qt::Checked);
    CheckActors->setChecked(true);
    PeopleList::Reveal(CheckListActors, item);
  }
  EditActor->clear();
  EditActor->setFocus();
  RebuildKnownActors();
}

void TFindImagesForm::ActionRemoveExecute() {
  delete CheckListActors->currentItem();
  UpdateCheckActors();
  RebuildKnownActors();
}

void TFindImagesForm::ActionUncheckAllExecute() {
  const QSignalBlocker quiet(CheckListActors);
  for (int row = 0; row < CheckListActors->count(); ++row) CheckListActors->item(row)->setCheckState(Qt::Unchecked);
  CheckActors->setChecked(false);
}

void TFindImagesForm::ActionStartExecute() {
  if (CheckName->isChecked() && EditName->text().trimmed().isEmpty()) {
    if (!Ask(tr("The name attribute is checked, but no value given.\nDo you want to resume the search without the name?")))
      return;
    CheckName->setChecked(false);
  }
  if (!CheckName->isChecked() && !CheckDescription->isChecked() && !CheckLocation->isChecked() &&
      !CheckDate->isChecked() && !CheckActors->isChecked()) {
    Warn(tr("No attributes checked to search."));
    return;
  }
  if (CheckDate->isChecked() && DTPStart->date() > DTPEnd->date()) {
    Warn(tr("The enddate is smaller than the startdate."));
    return;
  }
  using A = TSearchAttributes;
  Attributes.Name = EditName->text().trimmed();
  Attributes.Description = EditDescription->text().trimmed();
  Attributes.Location = EditLocation->text().trimmed();
  Attributes.StartDate = DayOf(DTPStart->date());
  Attributes.EndDate = DayOf(DTPEnd->date());
  Attributes.AllActors = RadioAll->isChecked();
  Attributes.Actors.clear();
  for (int row = 0; row < CheckListActors->count(); ++row)
    if (CheckListActors->item(row)->checkState() == Qt::Checked)
      Attributes.Actors.append(CheckListActors->item(row)->text());
  Attributes.UsePrevious = CheckPrevious->isChecked();
  Attributes.IncludeSubfolders = CheckIncludeSub->isChecked();
  Attributes.SetEnabled(A::CriterionName, CheckName->isChecked());
  Attributes.SetEnabled(A::CriterionDescription, CheckDescription->isChecked());
  Attributes.SetEnabled(A::CriterionLocation, CheckLocation->isChecked());
  Attributes.SetEnabled(A::CriterionDate, CheckDate->isChecked());
  Attributes.SetEnabled(A::CriterionActors, CheckActors->isChecked());
  // The next search refines this one unless the user says otherwise.
  CheckPrevious->setEnabled(true);
  CheckPrevious->setChecked(true);
  CheckIncludeSub->setChecked(false);
  accept();
}

void TFindImagesForm::ActionResetExecute() {
  for (QLineEdit* edit : {EditName, EditDescription, EditLocation}) edit->clear();
  for (QCheckBox* check : {CheckName, CheckDescription, CheckLocation}) check->setChecked(false);
  DTPStart->setDate(QDate::currentDate());
  DTPEnd->setDate(QDate::currentDate());
  CheckDate->setChecked(false);
  RadioAll->setChecked(true);
  ActionUncheckAllExecute();
  CheckIncludeSub->setChecked(false);
}

bool TFindImagesForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (watched == EditActor)
        ActionAddExecute();
      else if (watched == DTPEnd)
        CheckListActors->setFocus();
      else if (watched == CheckListActors)
        EditActor->setFocus();
      else
        focusNextChild();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

#include "moc_findviewer.cpp"
