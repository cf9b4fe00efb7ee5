// SPDX-License-Identifier: GPL-3.0-or-later
#include "borderform.h"

#include "backgroundform.h"
#include "geometry.h"
#include "helpfiles.h"
#include "imagecombo.h"
#include "imageviewer.h"
#include "numericupdown.h"
#include "photosettings.h"
#include "windowactions.h"
#include "windowplacement.h"

#include <QAction>
#include <QButtonGroup>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

TSetBorderForm::TSetBorderForm(TCardBack* back, const TGPRect& card, const QString& ornamentFolder,
                               const QString& patternFolder, QWidget* parent)
    : QDialog(parent), FBack(back), FCard(card), FPatternFolder(patternFolder) {
  setWindowTitle(tr("Zelvane - Set border"));
  CreateActions();

  auto* lines = new QGroupBox(tr("Lines"), this);
  RadioNone = new QRadioButton(tr("None"), lines);
  RadioNone->setObjectName(QStringLiteral("RadioNone"));
  RadioSingle = new QRadioButton(tr("Single"), lines);
  RadioSingle->setObjectName(QStringLiteral("RadioSingle"));
  RadioDouble = new QRadioButton(tr("Double"), lines);
  RadioDouble->setObjectName(QStringLiteral("RadioDouble"));
  RadioNone->setChecked(true);
  auto* linesLayout = new QVBoxLayout(lines);
  for (QRadioButton* r : {RadioNone, RadioSingle, RadioDouble}) {
    linesLayout->addWidget(r);
    connect(r, &QRadioButton::clicked, this, &TSetBorderForm::LinesClick);
  }

  GroupWidth = new QGroupBox(tr("Width (%)"), this);
  GroupWidth->setObjectName(QStringLiteral("GroupWidth"));
  NUpDownOuter = TNumericUpDown::Create(GroupWidth, 1, 5, 1);
  NUpDownOuter->setObjectName(QStringLiteral("NUpDownOuter"));
  NUpDownInner = TNumericUpDown::Create(GroupWidth, 1, 5, 1);
  NUpDownInner->setObjectName(QStringLiteral("NUpDownInner"));
  NUpDownSpace = TNumericUpDown::Create(GroupWidth, 1, 5, 1);
  NUpDownSpace->setObjectName(QStringLiteral("NUpDownSpace"));
  auto* widths = new QGridLayout(GroupWidth);
  widths->addWidget(new QLabel(tr("Outer line"), GroupWidth), 0, 0);
  widths->addWidget(NUpDownOuter, 0, 1);
  widths->addWidget(new QLabel(tr("Inner line"), GroupWidth), 1, 0);
  widths->addWidget(NUpDownInner, 1, 1);
  widths->addWidget(new QLabel(tr("Space"), GroupWidth), 2, 0);
  widths->addWidget(NUpDownSpace, 2, 1);
  auto* marginGroup = new QGroupBox(tr("Margins (%)"), GroupWidth);
  auto* marginLayout = new QGridLayout(marginGroup);
  const QStringList marginNames{tr("Left"), tr("Top"), tr("Right"), tr("Bottom")};
  for (int i = 0; i < 4; ++i) {
    Margins[size_t(i)] = TNumericUpDown::Create(marginGroup, 2, 24, 4);
    marginLayout->addWidget(new QLabel(marginNames[i], marginGroup), i, 0);
    marginLayout->addWidget(Margins[size_t(i)], i, 1);
    Margins[size_t(i)]->OnChange = [this, i](TNumericUpDown* field) {
      FBack->ImageMargins[size_t(i)] = field->Value();
      ViewerBorder->update();
    };
  }
  widths->addWidget(marginGroup, 3, 0, 1, 2);
  for (TNumericUpDown* field : {NUpDownOuter, NUpDownInner, NUpDownSpace})
    field->OnChange = [this](TNumericUpDown*) {
      if (!FShowing) WriteWidths();
    };

  GroupStyle = new QGroupBox(tr("Style"), this);
  GroupStyle->setObjectName(QStringLiteral("GroupStyle"));
  auto* styleLayout = new QHBoxLayout(GroupStyle);
  auto* styles = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    // Not the action's own button: checking one must not trigger it.
    QAction* action = StyleActions[size_t(i)];
    auto* button = new QToolButton(GroupStyle);
    button->setText(action->text());
    button->setToolTip(action->toolTip());
    button->setCheckable(true);
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    styles->addButton(button, i);
    StyleButtons[size_t(i)] = button;
    styleLayout->addWidget(button);
    connect(action, &QAction::triggered, this, [this, i] { SetLineStyle(TLineStyle(i)); });
  }
  auto* fill = new QToolButton(GroupStyle);
  fill->setDefaultAction(ActionFill);
  styleLayout->addWidget(fill);
  connect(ActionFill, &QAction::triggered, this, &TSetBorderForm::ActionFillExecute);

  GroupColor = new QGroupBox(tr("Set line color"), this);
  GroupColor->setObjectName(QStringLiteral("GroupColor"));
  auto* colorLayout = new QVBoxLayout(GroupColor);
  rgSelectLine = new QGroupBox(tr("Select line"), GroupColor);
  rgSelectLine->setObjectName(QStringLiteral("rgSelectLine"));
  RadioOuter = new QRadioButton(tr("Outer"), rgSelectLine);
  RadioOuter->setObjectName(QStringLiteral("RadioOuter"));
  RadioInner = new QRadioButton(tr("Inner"), rgSelectLine);
  RadioInner->setObjectName(QStringLiteral("RadioInner"));
  RadioBoth = new QRadioButton(tr("Both"), rgSelectLine);
  RadioBoth->setObjectName(QStringLiteral("RadioBoth"));
  RadioBoth->setChecked(true);
  auto* selectLayout = new QVBoxLayout(rgSelectLine);
  for (QRadioButton* r : {RadioOuter, RadioInner, RadioBoth}) selectLayout->addWidget(r);
  colorLayout->addWidget(rgSelectLine);
  colorLayout->addWidget(WindowActions::Button(GroupColor, ActionColor));
  connect(ActionColor, &QAction::triggered, this, &TSetBorderForm::ActionColorExecute);

  auto* ornaments = new QGroupBox(tr("Ornaments"), this);
  auto* corners = new QButtonGroup(this);
  auto* cornerLayout = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    QAction* action = CornerActions[size_t(i)];
    auto* button = new QToolButton(ornaments);
    button->setText(action->text());
    button->setToolTip(action->toolTip());
    button->setCheckable(true);
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    corners->addButton(button, i);
    CornerButtons[size_t(i)] = button;
    cornerLayout->addWidget(button, i / 2, i % 2);
    connect(action, &QAction::triggered, this, [this, i] { SelectOrnament(i); });
  }
  ComboImage = new TImageCombo(TImageCombo::Ornaments, ornaments);
  ComboImage->Fill(ornamentFolder, true);
  TrackSize = new QSlider(Qt::Horizontal, ornaments);
  TrackSize->setObjectName(QStringLiteral("TrackSize"));
  TrackSize->setRange(10, 30);
  TrackSize->setTickInterval(5);
  TrackSize->setTickPosition(QSlider::TicksBelow);
  TrackSize->setValue(20);
  LabelSize = new QLabel(QStringLiteral("20 %"), ornaments);
  LabelSize->setObjectName(QStringLiteral("LabelSize"));
  nudOrnMargin = TNumericUpDown::Create(ornaments, 2, 24, 2);
  nudOrnMargin->setObjectName(QStringLiteral("nudOrnMargin"));
  auto* ornamentLayout = new QGridLayout(ornaments);
  ornamentLayout->addLayout(cornerLayout, 0, 0, 1, 2);
  ornamentLayout->addWidget(new QLabel(tr("Image"), ornaments), 1, 0);
  ornamentLayout->addWidget(ComboImage, 1, 1);
  ornamentLayout->addWidget(new QLabel(tr("Size"), ornaments), 2, 0);
  ornamentLayout->addWidget(TrackSize, 2, 1);
  ornamentLayout->addWidget(LabelSize, 3, 1);
  ornamentLayout->addWidget(new QLabel(tr("Margin (%)"), ornaments), 4, 0);
  ornamentLayout->addWidget(nudOrnMargin, 4, 1);
  connect(ComboImage, &QComboBox::currentIndexChanged, this, &TSetBorderForm::ImageChanged);
  connect(TrackSize, &QSlider::valueChanged, this, [this](int value) {
    LabelSize->setText(QStringLiteral("%1 %").arg(value));
    FBack->Ornaments[size_t(FOrnament)].Size = value;
    ViewerBorder->update();
  });
  nudOrnMargin->OnChange = [this](TNumericUpDown* field) {
    FBack->Ornaments[size_t(FOrnament)].Margin = field->Value();
    ViewerBorder->update();
  };

  ViewerBorder = new TImageViewer(this);
  ViewerBorder->setObjectName(QStringLiteral("ViewerBorder"));
  ViewerBorder->setMinimumSize(260, 200);
  ViewerBorder->OnPaint = [this](TImageViewer*, QPainter& canvas) {
    canvas.fillRect(ViewerBorder->rect(), QColor(128, 128, 128));
    TGPRect shown = FitRectKeepAspect(ViewerBorder->width(), ViewerBorder->height(), FCard.Width, FCard.Height);
    if (shown.IsEmpty()) return;
    canvas.setPen(Qt::black);
    canvas.setBrush(Qt::white);
    canvas.drawRect(QRect(shown.X - 1, shown.Y - 1, shown.Width + 1, shown.Height + 1));
    FBack->Draw(canvas, shown, FCard, false);
  };

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, ActionHelp, &QAction::trigger);
  connect(ActionHelp, &QAction::triggered, this, [] { HelpFiles::Show(HelpFiles::TContext::SetBorder); });

  auto* left = new QVBoxLayout;
  left->addWidget(lines);
  left->addWidget(GroupWidth);
  left->addWidget(GroupStyle);
  left->addWidget(GroupColor);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(ViewerBorder, 1);
  right->addWidget(ornaments);
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);

  ChooseColor = [this](const QColor& start) { return QColorDialog::getColor(start, this, tr("Color")); };
  resize(780, 560);
  WindowPlacement::Apply(this, ProcessSettings().BorderForm, parent);
}

TSetBorderForm::~TSetBorderForm() {
  ProcessSettings().BorderForm = WindowPlacement::Capture(this);
}

void TSetBorderForm::CreateActions() {
  using WindowActions::Add;
  ActionColor = Add(this, QStringLiteral("ActionColor"), tr("Set line color"), QKeySequence(Qt::ALT | Qt::Key_C),
                    tr("Set color for line"));
  CornerActions = {
      Add(this, QStringLiteral("ActionUL"), tr("Upper left"), QKeySequence(), tr("Upper left ornament")),
      Add(this, QStringLiteral("ActionUR"), tr("Upper right"), QKeySequence(), tr("Upper right ornament")),
      Add(this, QStringLiteral("ActionBL"), tr("Bottom left"), QKeySequence(), tr("Bottom left ornament")),
      Add(this, QStringLiteral("ActionBR"), tr("Bottom right"), QKeySequence(), tr("Bottom right ornament"))};
  ActionFill =
      Add(this, QStringLiteral("ActionFill"), tr("Fill"), QKeySequence(Qt::ALT | Qt::Key_F), tr("Select fill"));
  StyleActions = {Add(this, QStringLiteral("ActionRect"), tr("Rectangle"), QKeySequence(), tr("Line style rectangle")),
                  Add(this, QStringLiteral("ActionRectF"), tr("Filled rectangle"), QKeySequence(),
                      tr("Line style filled rectangle")),
                  Add(this, QStringLiteral("ActionEllipse"), tr("Ellipse"), QKeySequence(), tr("Line style ellipse")),
                  Add(this, QStringLiteral("ActionEllipseF"), tr("Filled ellipse"), QKeySequence(),
                      tr("Line style filled ellipse"))};
  ActionHelp =
      Add(this, QStringLiteral("ActionHelp"), tr("Help"), QKeySequence(Qt::Key_F1), tr("Show help for this form"));
}

void TSetBorderForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FShowing = true;
  for (int i = 0; i < 4; ++i) {
    Margins[size_t(i)]->SetValue(FBack->ImageMargins[size_t(i)]);
    FBack->ImageMargins[size_t(i)] = Margins[size_t(i)]->Value();  // brought into range
  }
  int lines = 0;
  if (FBack->OuterWidth >= 1) {
    NUpDownOuter->SetValue(FBack->OuterWidth);
    lines = 1;
    if (FBack->InnerWidth >= 1) {
      NUpDownInner->SetValue(FBack->InnerWidth);
      NUpDownSpace->SetValue(std::max(1, FBack->SpaceWidth));
      lines = 2;
    }
  }
  FShowing = false;
  SetLines(lines);
  SelectOrnament(0);
}

int TSetBorderForm::Lines() const {
  return RadioDouble->isChecked() ? 2 : RadioSingle->isChecked() ? 1 : 0;
}

void TSetBorderForm::SetLines(int lines) {
  (lines == 2 ? RadioDouble : lines == 1 ? RadioSingle : RadioNone)->setChecked(true);
  LinesClick();
}

void TSetBorderForm::LinesClick() {
  // The controls of a single or double line keep their places when hidden:
  // the dialog does not rearrange itself between the choices.
  WindowPlacement::KeepPlaceWhenHidden({GroupStyle, GroupWidth, GroupColor, NUpDownInner, NUpDownSpace, rgSelectLine});
  const int lines = Lines();
  for (QWidget* group : std::initializer_list<QWidget*>{GroupStyle, GroupWidth, GroupColor}) group->setVisible(lines > 0);
  for (QWidget* field : std::initializer_list<QWidget*>{NUpDownInner, NUpDownSpace, rgSelectLine}) field->setVisible(lines == 2);
  if (lines != 2) RadioBoth->setChecked(true);
  ActionColor->setEnabled(lines > 0);
  SetLineStyle(FBack->LineStyle);
  WriteWidths();
}

void TSetBorderForm::WriteWidths() {
  const int lines = Lines();
  FBack->OuterWidth = lines > 0 ? NUpDownOuter->Value() : 0;
  FBack->InnerWidth = lines == 2 ? NUpDownInner->Value() : 0;
  FBack->SpaceWidth = lines == 2 ? NUpDownSpace->Value() : 0;
  ViewerBorder->update();
}

void TSetBorderForm::SetLineStyle(TLineStyle style) {
  FBack->LineStyle = TLineStyle(std::clamp(int(style), 0, 3));
  StyleButtons[size_t(FBack->LineStyle)]->setChecked(true);
  ActionFill->setEnabled(FBack->LineStyle == TLineStyle::FilledRectangle ||
                                   FBack->LineStyle == TLineStyle::FilledEllipse);
  ViewerBorder->update();
}

void TSetBorderForm::ActionColorExecute() {
  const bool outer = rgSelectLine->isVisible() && RadioOuter->isChecked();
  const QColor chosen = ChooseColor(QColor::fromRgba(outer ? FBack->OuterColor : FBack->InnerColor));
  if (!chosen.isValid()) return;
  QColor opaque = chosen;
  opaque.setAlpha(255);
  if (!RadioInner->isChecked() || !rgSelectLine->isVisible()) FBack->OuterColor = opaque.rgba();
  if (!RadioOuter->isChecked() || !rgSelectLine->isVisible()) FBack->InnerColor = opaque.rgba();
  ViewerBorder->update();
}

void TSetBorderForm::ActionFillExecute() {
  if (!FillForm) {
    FillForm = new TSelectBackgroundForm(FPatternFolder, this);
    FillForm->setObjectName(QStringLiteral("FillForm"));
  }
  FillForm->Brush = FBack->Fill;
  if (FillForm->exec() != QDialog::Accepted) return;
  FBack->Fill = FillForm->Brush;
  ViewerBorder->update();
}

void TSetBorderForm::SelectOrnament(int index) {
  FOrnament = std::clamp(index, 0, 3);
  CornerButtons[size_t(FOrnament)]->setChecked(true);
  const TOrnament ornament = FBack->Ornaments[size_t(FOrnament)];
  int item = 0;
  if (!ornament.FileName.isEmpty()) {
    item = ComboImage->IndexOfPath(ornament.FileName);
    if (item < 0 && QFileInfo::exists(ornament.FileName)) item = ComboImage->AddPath(ornament.FileName);
    if (item < 0) item = 0;
  }
  const QSignalBlocker blocker(ComboImage);
  ComboImage->setCurrentIndex(item);
  TrackSize->blockSignals(true);
  TrackSize->setValue(ornament.Size);
  LabelSize->setText(QStringLiteral("%1 %").arg(ornament.Size));
  TrackSize->blockSignals(false);
  const QSignalBlocker marginBlocker(this);
  nudOrnMargin->SetValue(ornament.Margin);
  FBack->Ornaments[size_t(FOrnament)] = ornament;  // as it was, whatever the fields did
  if (item == 0 && !ornament.FileName.isEmpty()) FBack->Ornaments[size_t(FOrnament)].FileName.clear();
  UpdateOrnamentControls();
}

void TSetBorderForm::UpdateOrnamentControls() {
  const bool image = ComboImage->currentIndex() > 0;
  TrackSize->setEnabled(image);
  nudOrnMargin->setEnabled(image);
}

void TSetBorderForm::ImageChanged(int index) {
  TOrnament& ornament = FBack->Ornaments[size_t(FOrnament)];
  ornament.FileName = index > 0 ? ComboImage->PathAt(index) : QString();
  if (index <= 0) {
    TrackSize->setValue(20);
    nudOrnMargin->SetValue(2);
    ornament.Size = 20;
    ornament.Margin = 2;
  }
  UpdateOrnamentControls();
  ViewerBorder->update();
}

#include "moc_borderform.cpp"
