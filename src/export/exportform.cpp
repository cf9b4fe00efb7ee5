// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportform.h"

#include "directorytree.h"
#include "helpfiles.h"
#include "photosettings.h"
#include "windowactions.h"
#include "windowplacement.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

TExportOptionsForm::TExportOptionsForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Zelvane - Export images"));

  CreateActions();

  auto* destination = new QGroupBox(tr("Destination"), this);
  DirectoryTreeExport = new TDirectoryTree(destination);
  DirectoryTreeExport->SetReadOnly(false);
  DirectoryTreeExport->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* treeMenu = new QMenu(this);
  connect(treeMenu->addAction(tr("New folder")), &QAction::triggered, DirectoryTreeExport, &TDirectoryTree::NewFolder);
  connect(treeMenu->addAction(tr("Delete")), &QAction::triggered, DirectoryTreeExport, &TDirectoryTree::DeleteFolder);
  connect(DirectoryTreeExport, &QWidget::customContextMenuRequested, this,
          [this, treeMenu](const QPoint& at) { treeMenu->exec(DirectoryTreeExport->viewport()->mapToGlobal(at)); });
  (new QVBoxLayout(destination))->addWidget(DirectoryTreeExport);

  auto* kinds = new QGroupBox(this);
  RadioCopy = new QRadioButton(tr("Copy images"), kinds);
  RadioCopy->setObjectName(QStringLiteral("RadioCopy"));
  RadioHtml = new QRadioButton(tr("HTML pages"), kinds);
  RadioHtml->setObjectName(QStringLiteral("RadioHtml"));
  RadioCd = new QRadioButton(tr("CD preparation"), kinds);
  RadioCd->setObjectName(QStringLiteral("RadioCd"));
  RadioCopy->setChecked(true);
  FKinds = new QButtonGroup(this);
  FKinds->addButton(RadioCopy, 0);
  FKinds->addButton(RadioHtml, 1);
  FKinds->addButton(RadioCd, 2);
  auto* kindLayout = new QHBoxLayout(kinds);
  for (QRadioButton* r : {RadioCopy, RadioHtml, RadioCd}) kindLayout->addWidget(r);

  RadioCD = new QGroupBox(tr("Include"), this);
  RadioCD->setObjectName(QStringLiteral("RadioCD"));
  RadioAutorun = new QRadioButton(tr("Autorun and viewer"), RadioCD);
  RadioAutorun->setObjectName(QStringLiteral("RadioAutorun"));
  RadioViewer = new QRadioButton(tr("Only viewer"), RadioCD);
  RadioViewer->setObjectName(QStringLiteral("RadioViewer"));
  RadioNothing = new QRadioButton(tr("Nothing"), RadioCD);
  RadioNothing->setObjectName(QStringLiteral("RadioNothing"));
  RadioAutorun->setChecked(true);
  auto* includeLayout = new QVBoxLayout(RadioCD);
  for (QRadioButton* r : {RadioAutorun, RadioViewer, RadioNothing}) includeLayout->addWidget(r);
  RadioCD->setVisible(false);

  auto* size = new QGroupBox(tr("Image size"), this);
  cOrigSize = new QCheckBox(tr("Full image size"), size);
  cOrigSize->setObjectName(QStringLiteral("cOrigSize"));
  cOrigSize->setChecked(true);
  PanelSize = new QWidget(size);
  PanelSize->setObjectName(QStringLiteral("PanelSize"));
  TrackSize = new QSlider(Qt::Horizontal, PanelSize);
  TrackSize->setObjectName(QStringLiteral("TrackSize"));
  TrackSize->setRange(0, TExportRun::PresetCount - 1);
  TrackSize->setTickPosition(QSlider::TicksBelow);
  TrackSize->setTickInterval(1);
  TrackSize->setPageStep(1);
  TrackSize->setValue(3);
  EditWidth = new QLineEdit(QStringLiteral("800"), PanelSize);
  EditWidth->setObjectName(QStringLiteral("EditWidth"));
  EditHeight = new QLineEdit(QStringLiteral("600"), PanelSize);
  EditHeight->setObjectName(QStringLiteral("EditHeight"));
  for (QLineEdit* e : {EditWidth, EditHeight}) e->setMaximumWidth(70);
  auto* sizeFields = new QHBoxLayout;
  sizeFields->addWidget(new QLabel(tr("Width"), PanelSize));
  sizeFields->addWidget(EditWidth);
  sizeFields->addWidget(new QLabel(tr("Height"), PanelSize));
  sizeFields->addWidget(EditHeight);
  sizeFields->addWidget(new QLabel(tr("pixels"), PanelSize));
  auto* panelLayout = new QVBoxLayout(PanelSize);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  panelLayout->addWidget(TrackSize);
  panelLayout->addLayout(sizeFields);
  PanelSize->setVisible(false);
  CheckROI = new QCheckBox(tr("Use ROI"), size);
  CheckROI->setObjectName(QStringLiteral("CheckROI"));
  CheckROI->setToolTip(tr("Use region of interest"));
  auto* sizeLayout = new QVBoxLayout(size);
  sizeLayout->addWidget(cOrigSize);
  sizeLayout->addWidget(PanelSize);
  sizeLayout->addWidget(CheckROI);

  cLaunch = new QCheckBox(tr("Launch browser"), this);
  cLaunch->setObjectName(QStringLiteral("cLaunch"));
  cLaunch->setToolTip(tr("Launch browser after creating HTML pages"));
  cLaunch->setChecked(true);
  cLaunch->setVisible(false);
  GroupAttrs = new QGroupBox(tr("Show atttributes"), this);
  GroupAttrs->setObjectName(QStringLiteral("GroupAttrs"));
  clbAttrs = new QListWidget(GroupAttrs);
  clbAttrs->setObjectName(QStringLiteral("clbAttrs"));
  for (const QString& text : {tr("Name"), tr("Description"), tr("Location"), tr("Date and time")}) {
    auto* item = new QListWidgetItem(text, clbAttrs);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
  // All four attributes in sight, without scrolling or empty rows.
  clbAttrs->setFixedHeight(clbAttrs->count() * clbAttrs->sizeHintForRow(0) + 2 * clbAttrs->frameWidth());
  (new QVBoxLayout(GroupAttrs))->addWidget(clbAttrs);
  GroupAttrs->setVisible(false);
  // Each kind's controls keep their places when hidden: the folder tree
  // keeps its width whichever kind is chosen.
  WindowPlacement::KeepPlaceWhenHidden({RadioCD, PanelSize, cLaunch, GroupAttrs, cOrigSize});

  auto* buttons = new QDialogButtonBox(this);
  for (QAction* action : {ActionStart, ActionHelp, ActionCancel}) {
    auto* button = buttons->addButton(action->text(), QDialogButtonBox::ActionRole);
    button->setToolTip(action->toolTip());
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    if (action == ActionStart) button->setDefault(true);
  }

  auto* options = new QVBoxLayout;
  options->addWidget(kinds);
  options->addWidget(RadioCD);
  options->addWidget(size);
  options->addWidget(cLaunch);
  options->addWidget(GroupAttrs);
  options->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(destination, 1);
  top->addLayout(options);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
  // The room every kind's controls need (the hidden ones keep theirs), never
  // less; the description's 620 x 384 where that is more.
  WindowPlacement::FitDefaultSize(this, QSize(620, 384));

  connect(ActionStart, &QAction::triggered, this, &TExportOptionsForm::ActionStartExecute);
  connect(ActionHelp, &QAction::triggered, this, [] { HelpFiles::Show(HelpFiles::TContext::ExportOptions); });
  connect(ActionCancel, &QAction::triggered, this, &QDialog::reject);
  connect(ActionRefresh, &QAction::triggered, DirectoryTreeExport, &TDirectoryTree::Refresh);
  connect(FKinds, &QButtonGroup::idClicked, this, &TExportOptionsForm::KindClick);
  connect(cOrigSize, &QCheckBox::clicked, this, &TExportOptionsForm::OrigSizeClick);
  connect(CheckROI, &QCheckBox::clicked, this, [this] {
    if (CheckROI->isChecked() && cOrigSize->isVisible() && cOrigSize->isChecked()) {
      cOrigSize->setChecked(false);
      OrigSizeClick();
    }
  });
  connect(TrackSize, &QSlider::valueChanged, this, [this](int position) {
    EditWidth->setText(QString::number(TExportRun::Preset(position).width()));
    EditHeight->setText(QString::number(TExportRun::Preset(position).height()));
  });
  WindowPlacement::Apply(this, ProcessSettings().ExportForm, parent);
}

void TExportOptionsForm::CreateActions() {
  using WindowActions::Add;
  ActionStart =
      Add(this, QStringLiteral("ActionStart"), tr("Start"), QKeySequence(Qt::ALT | Qt::Key_S), tr("Start export"));
  ActionHelp = Add(this, QStringLiteral("ActionHelp"), tr("Help"), QKeySequence(), tr("Show help for this form"));
  ActionCancel = Add(this, QStringLiteral("ActionCancel"), tr("Cancel"), QKeySequence(), tr("Cancel"));
  ActionRefresh = Add(this, QStringLiteral("ActionRefresh"), tr("Refresh"), QKeySequence(Qt::Key_F5), tr("Refresh"));
}

int TExportOptionsForm::Kind() const {
  return std::max(0, FKinds->checkedId());
}

void TExportOptionsForm::SetKind(int kind) {
  FKinds->button(kind)->setChecked(true);
  KindClick();
}

void TExportOptionsForm::KindClick() {
  const int kind = Kind();
  CheckROI->setChecked(kind == 1);
  cOrigSize->setChecked(kind != 1);
  cOrigSize->setVisible(kind != 1);
  OrigSizeClick();
  cLaunch->setVisible(kind == 1);
  GroupAttrs->setVisible(kind == 1);
  RadioCD->setVisible(kind == 2);
}

void TExportOptionsForm::OrigSizeClick() {
  PanelSize->setVisible(!cOrigSize->isChecked());
  // A full-size copy cannot be cut to its region of interest.
  if (cOrigSize->isChecked() && cOrigSize->isVisible()) CheckROI->setChecked(false);
}

bool TExportOptionsForm::LaunchBrowser() const {
  return cLaunch->isChecked();
}

TExportOptions TExportOptionsForm::Options() const {
  TExportOptions o;
  o.Kind = Kind() == 1 ? TExportOptions::Html : Kind() == 2 ? TExportOptions::CD : TExportOptions::Copy;
  o.Include = o.Kind != TExportOptions::CD  ? TExportOptions::Nothing
              : RadioAutorun->isChecked()   ? TExportOptions::AutorunAndViewer
              : RadioViewer->isChecked()    ? TExportOptions::OnlyViewer
                                            : TExportOptions::Nothing;
  o.Destination = DirectoryTreeExport->Directory();
  o.Width = EditWidth->text().toInt();
  o.Height = EditHeight->text().toInt();
  o.UseROI = CheckROI->isChecked();
  o.FullSize = o.Kind != TExportOptions::Html && cOrigSize->isChecked();
  o.ShowName = clbAttrs->item(0)->checkState() == Qt::Checked;
  o.ShowDescription = clbAttrs->item(1)->checkState() == Qt::Checked;
  o.ShowLocation = clbAttrs->item(2)->checkState() == Qt::Checked;
  o.ShowDateTime = clbAttrs->item(3)->checkState() == Qt::Checked;
  return o;
}

void TExportOptionsForm::ActionStartExecute() {
  bool okWidth = false, okHeight = false;
  const int width = EditWidth->text().trimmed().toInt(&okWidth);
  const int height = EditHeight->text().trimmed().toInt(&okHeight);
  if (!okWidth || !okHeight || !TExportOptions::IsValidSize(width, height)) {
    QMessageBox::critical(this, QStringLiteral("Zelvane"), tr("Incorrect image width and/or height."));
    return;
  }
  accept();
}

void TExportOptionsForm::hideEvent(QHideEvent* event) {
  ProcessSettings().ExportForm = WindowPlacement::Capture(this);
  QDialog::hideEvent(event);
}

#include "moc_exportform.cpp"
