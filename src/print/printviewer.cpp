// SPDX-License-Identifier: GPL-3.0-or-later
// TPrintLayoutFormViewer: the print layout window.

#include "printviewer.h"

#include "fontcolordialog.h"
#include "helpfiles.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "imageviewer.h"
#include "jobqueue.h"
#include "numericupdown.h"
#include "photosettings.h"
#include "printergeometry.h"
#include "printjob.h"
#include "progressform.h"
#include "delayedrepaint.h"
#include "filechoice.h"
#include "keyvaluefile.h"
#include "windowactions.h"
#include "windowplacement.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>

TPrintLayoutFormViewer::TPrintLayoutFormViewer(QWidget* parent)
    : QDialog(parent), FViews(std::max(1, TJobQueue::ProcessorCount())) {
  setWindowTitle(tr("Zelvane - Print images"));
  setMinimumSize(450, 500);
  CreateActions();
  CreateLayout();
  ConnectControls();
  TimerRepaint = new TDelayedRepaint(
      [this] {
        ++FRepaints;
        pagePreview->update();
      },
      this);
  TimerRepaint->setObjectName(QStringLiteral("TimerRepaint"));
  FViews.OnRendered = [this] { pagePreview->update(); };
  resize(900, 640);
  WindowPlacement::Apply(this, ProcessSettings().PrintForm, parent);
  // The layout of the last print window comes back.
  if (const QString& stored = ProcessSettings().PrintLayout; !stored.isEmpty()) {
    TPrintLayout layout;
    if (TPrintLayout::FromFile(TKeyValueFile::Parse(stored.toUtf8(), TKeyValueFile::TBlanks::Trim), layout))
      SetLayout(layout);
  }
}

TPrintLayoutFormViewer::~TPrintLayoutFormViewer() {
  ProcessSettings().PrintForm = WindowPlacement::Capture(this);
  ProcessSettings().PrintLayout = Layout().ToFile().Text();
}

void TPrintLayoutFormViewer::CreateActions() {
  using WindowActions::Add;
  ActionLoad = Add(this, QStringLiteral("ActionLoad"), tr("Load"), QKeySequence(Qt::ALT | Qt::Key_L),
                   tr("Load layout settings"));
  ActionSave = Add(this, QStringLiteral("ActionSave"), tr("Save"), QKeySequence(Qt::ALT | Qt::Key_S),
                   tr("Save layout settings"));
  ActionDefault = Add(this, QStringLiteral("ActionDefault"), tr("Default"), QKeySequence(Qt::ALT | Qt::Key_D),
                      tr("Set default layout settings"));
  ActionHelp = Add(this, QStringLiteral("ActionHelp"), tr("Help"), QKeySequence(Qt::Key_F1), tr("Show help"));
  ActionPrintSettings = Add(this, QStringLiteral("ActionPrintSetttings"), tr("Printer settings"),
                            QKeySequence(Qt::ALT | Qt::Key_P), tr("Open printer settings dialog"));
  ActionPrint =
      Add(this, QStringLiteral("ActionPrint"), tr("Print"), QKeySequence(Qt::Key_Return), tr("Start printing"));
  ActionClose = Add(this, QStringLiteral("ActionClose"), tr("Close"), QKeySequence(Qt::Key_Escape), tr("Close form"));
  ActionFont =
      Add(this, QStringLiteral("ActionFont"), tr("Font"), QKeySequence(Qt::ALT | Qt::Key_F), tr("Set text font"));
  connect(ActionLoad, &QAction::triggered, this, &TPrintLayoutFormViewer::ActionLoadExecute);
  connect(ActionSave, &QAction::triggered, this, &TPrintLayoutFormViewer::ActionSaveExecute);
  connect(ActionDefault, &QAction::triggered, this, &TPrintLayoutFormViewer::ActionDefaultExecute);
  connect(ActionHelp, &QAction::triggered, this, [] { HelpFiles::Show(HelpFiles::TContext::PrintLayout); });
  connect(ActionPrintSettings, &QAction::triggered, this, &TPrintLayoutFormViewer::ActionPrintSettingsExecute);
  connect(ActionPrint, &QAction::triggered, this, &TPrintLayoutFormViewer::ActionPrintExecute);
  connect(ActionClose, &QAction::triggered, this, &QDialog::reject);
  connect(ActionFont, &QAction::triggered, this, &TPrintLayoutFormViewer::ActionFontExecute);
}

namespace {

QLineEdit* ReadOnly(QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setReadOnly(true);
  field->setMaximumWidth(70);
  return field;
}

}  // namespace

void TPrintLayoutFormViewer::CreateLayout() {
  pagePreview = new TImageViewer(this);
  pagePreview->setObjectName(QStringLiteral("pagePreview"));
  pagePreview->setMinimumSize(200, 200);
  pagePreview->OnPaint = [this](TImageViewer*, QPainter& canvas) { PagePreviewPaint(canvas); };

  auto* panel = new QWidget(this);
  auto* form = new QFormLayout;
  EditImages = ReadOnly(panel);
  EditImages->setObjectName(QStringLiteral("EditImages"));
  NUpDownRows = TNumericUpDown::Create(panel, TPrintLayout::MinGrid, TPrintLayout::MaxGrid, 2, 1);
  NUpDownRows->setObjectName(QStringLiteral("NUpDownRows"));
  NUpDownCols = TNumericUpDown::Create(panel, TPrintLayout::MinGrid, TPrintLayout::MaxGrid, 2, 1);
  NUpDownCols->setObjectName(QStringLiteral("NUpDownCols"));
  EditPages = ReadOnly(panel);
  EditPages->setObjectName(QStringLiteral("EditPages"));
  form->addRow(tr("Number of images"), EditImages);
  form->addRow(tr("Rows"), NUpDownRows);
  form->addRow(tr("Columns"), NUpDownCols);
  form->addRow(tr("Number of pages"), EditPages);

  auto* orientation = new QGroupBox(tr("Orientation"), panel);
  RadioPortrait = new QRadioButton(tr("Portrait"), orientation);
  RadioPortrait->setObjectName(QStringLiteral("RadioPortrait"));
  RadioLandscape = new QRadioButton(tr("Landscape"), orientation);
  RadioLandscape->setObjectName(QStringLiteral("RadioLandscape"));
  RadioLandscape->setChecked(true);
  auto* orientationLayout = new QHBoxLayout(orientation);
  orientationLayout->addWidget(RadioPortrait);
  orientationLayout->addWidget(RadioLandscape);

  CheckCenter = new QCheckBox(tr("Center images"), panel);
  CheckCenter->setObjectName(QStringLiteral("CheckCenter"));
  CheckBestPos = new QCheckBox(tr("Use best position"), panel);
  CheckBestPos->setObjectName(QStringLiteral("CheckBestPos"));
  CheckBestPos->setChecked(true);
  CheckROI = new QCheckBox(tr("Use region of interest"), panel);
  CheckROI->setObjectName(QStringLiteral("CheckROI"));
  CheckROI->setChecked(true);
  CheckGridLines = new QCheckBox(tr("Draw grid lines"), panel);
  CheckGridLines->setObjectName(QStringLiteral("CheckGridLines"));
  CheckGridLines->setChecked(true);

  auto* text = new QGroupBox(tr("Text"), panel);
  rbNone = new QRadioButton(tr("No name"), text);
  rbNone->setObjectName(QStringLiteral("rbNone"));
  rbNone->setChecked(true);
  rbFileName = new QRadioButton(tr("Filename"), text);
  rbFileName->setObjectName(QStringLiteral("rbFileName"));
  rbName = new QRadioButton(tr("Name"), text);
  rbName->setObjectName(QStringLiteral("rbName"));
  cbDate = new QCheckBox(tr("Date"), text);
  cbDate->setObjectName(QStringLiteral("cbDate"));
  auto* textLayout = new QGridLayout(text);
  textLayout->addWidget(rbNone, 0, 0);
  textLayout->addWidget(rbFileName, 1, 0);
  textLayout->addWidget(rbName, 2, 0);
  textLayout->addWidget(cbDate, 0, 1);
  textLayout->addWidget(WindowActions::Button(text, ActionFont), 2, 1);

  auto* lower = new QFormLayout;
  NUpDownMargin = TNumericUpDown::Create(panel, TPrintLayout::MinMargin, TPrintLayout::MaxMargin, 0, 2);
  NUpDownMargin->setObjectName(QStringLiteral("NUpDownMargin"));
  NUpDownPage = TNumericUpDown::Create(panel, 1, 1, 1, 1);
  NUpDownPage->setObjectName(QStringLiteral("NUpDownPage"));
  lower->addRow(tr("Margin (%)"), NUpDownMargin);
  lower->addRow(tr("Show page"), NUpDownPage);

  auto* files = new QGroupBox(tr("Print layout settings"), panel);
  auto* filesLayout = new QHBoxLayout(files);
  for (QAction* action : {ActionLoad, ActionSave, ActionDefault})
    filesLayout->addWidget(WindowActions::Button(files, action));

  auto* buttons = new QGridLayout;
  buttons->addWidget(WindowActions::Button(panel, ActionHelp), 0, 0);
  buttons->addWidget(WindowActions::Button(panel, ActionPrintSettings), 0, 1);
  buttons->addWidget(WindowActions::Button(panel, ActionPrint), 1, 0);
  buttons->addWidget(WindowActions::Button(panel, ActionClose), 1, 1);

  auto* right = new QVBoxLayout(panel);
  right->addLayout(form);
  right->addWidget(orientation);
  for (QCheckBox* box : {CheckCenter, CheckBestPos, CheckROI, CheckGridLines}) right->addWidget(box);
  right->addWidget(text);
  right->addLayout(lower);
  right->addWidget(files);
  right->addStretch();
  right->addLayout(buttons);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(pagePreview, 1);
  layout->addWidget(panel);
}

void TPrintLayoutFormViewer::ConnectControls() {
  const auto guarded = [this](auto handler) {
    return [this, handler] {
      if (!FApplying) (this->*handler)();
    };
  };
  NUpDownRows->OnChange = [f = guarded(&TPrintLayoutFormViewer::RowsColumnsChange)](TNumericUpDown*) { f(); };
  NUpDownCols->OnChange = [f = guarded(&TPrintLayoutFormViewer::RowsColumnsChange)](TNumericUpDown*) { f(); };
  NUpDownMargin->OnChange = [f = guarded(&TPrintLayoutFormViewer::ScheduleRepaint)](TNumericUpDown*) { f(); };
  NUpDownPage->OnChange = [this](TNumericUpDown*) {
    if (FApplying) return;
    LoadPageImages(NUpDownPage->Value());
    ScheduleRepaint();
  };
  connect(RadioPortrait, &QRadioButton::clicked, this, guarded(&TPrintLayoutFormViewer::OrientationClick));
  connect(RadioLandscape, &QRadioButton::clicked, this, guarded(&TPrintLayoutFormViewer::OrientationClick));
  connect(CheckCenter, &QCheckBox::clicked, this, [this] {
    if (FApplying) return;
    UpdatePrinterCells();
    ScheduleRepaint();
  });
  for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{CheckBestPos, CheckROI, CheckGridLines, rbNone,
                                                                         rbFileName, rbName, cbDate})
    connect(button, &QAbstractButton::clicked, this, guarded(&TPrintLayoutFormViewer::ScheduleRepaint));
}

void TPrintLayoutFormViewer::SetImages(const QList<TPhotoRecord>& records) {
  FImages.clear();
  for (const TPhotoRecord& record : records)
    if (record) FImages.append(record);
  EditImages->setText(QString::number(FImages.size()));
}

void TPrintLayoutFormViewer::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (FShown) return;
  FShown = true;
  UpdatePageCount();
  EditImages->setText(QString::number(FImages.size()));
  LoadPageImages(1);
  Printer::SetPrinterOrientation(RadioLandscape->isChecked() ? 1 : 0);
  UpdatePrinterCells();
}

TPrintLayout TPrintLayoutFormViewer::Layout() const {
  TPrintLayout layout;
  layout.Rows = NUpDownRows->Value();
  layout.Columns = NUpDownCols->Value();
  layout.Landscape = RadioLandscape->isChecked();
  layout.Center = CheckCenter->isChecked();
  layout.BestPosition = CheckBestPos->isChecked();
  layout.UseROI = CheckROI->isChecked();
  layout.GridLines = CheckGridLines->isChecked();
  layout.TextMode = rbName->isChecked()       ? TPrintLayout::TTextMode::Name
                    : rbFileName->isChecked() ? TPrintLayout::TTextMode::FileName
                                              : TPrintLayout::TTextMode::None;
  layout.Date = cbDate->isChecked();
  layout.SetFont(FFont);
  layout.Margin = NUpDownMargin->Value();
  return layout;
}

void TPrintLayoutFormViewer::SetLayout(const TPrintLayout& layout) {
  FApplying = true;
  NUpDownRows->SetValue(layout.Rows);
  NUpDownCols->SetValue(layout.Columns);
  (layout.Landscape ? RadioLandscape : RadioPortrait)->setChecked(true);
  CheckCenter->setChecked(layout.Center);
  CheckBestPos->setChecked(layout.BestPosition);
  CheckROI->setChecked(layout.UseROI);
  CheckGridLines->setChecked(layout.GridLines);
  (layout.TextMode == TPrintLayout::TTextMode::Name       ? rbName
   : layout.TextMode == TPrintLayout::TTextMode::FileName ? rbFileName
                                                          : rbNone)
      ->setChecked(true);
  cbDate->setChecked(layout.Date);
  FFont = layout.Font();
  NUpDownMargin->SetValue(layout.Margin);
  FApplying = false;
  Printer::SetPrinterOrientation(layout.Landscape ? 1 : 0);
  UpdatePageCount();
  LoadPageImages(1);
  UpdatePrinterCells();
  pagePreview->update();
}

int TPrintLayoutFormViewer::ShownPage() const {
  return NUpDownPage->Value();
}

void TPrintLayoutFormViewer::UpdatePrinterCells() {
  const TPrintLayout layout = Layout();
  FPrinterPage = PrintPage::TPrinterPage::Of(layout, TPageGeometry::Of(Printer::Current()), &Printer::Current());
  PrintPage::SetUpCaption(FCaption, layout, FPrinterPage);
}

void TPrintLayoutFormViewer::UpdatePageCount() {
  FPages = PrintPage::PageCount(Layout(), int(FImages.size()));
  EditPages->setText(QString::number(FPages));
  const bool applying = FApplying;
  FApplying = true;
  NUpDownPage->SetMax(std::max(1, FPages));
  NUpDownPage->SetValue(1);
  FApplying = applying;
}

void TPrintLayoutFormViewer::LoadPageImages(int page) {
  const int perPage = std::max(1, NUpDownRows->Value() * NUpDownCols->Value());
  const int first = (std::max(page, 1) - 1) * perPage;
  const int end = std::min(int(FImages.size()), first + perPage);
  FViews.SetPage(FImages, first, end);
  FFirstIndex = first;
}

void TPrintLayoutFormViewer::OrientationClick() {
  Printer::SetPrinterOrientation(RadioLandscape->isChecked() ? 1 : 0);
  UpdatePrinterCells();
  ScheduleRepaint();
}

void TPrintLayoutFormViewer::RowsColumnsChange() {
  UpdatePageCount();
  LoadPageImages(1);
  UpdatePrinterCells();
  ScheduleRepaint();
}

void TPrintLayoutFormViewer::ScheduleRepaint() {
  TimerRepaint->Schedule();
}

void TPrintLayoutFormViewer::PagePreviewPaint(QPainter& canvas) {
  TimerRepaint->Cancel();
  const QSize physical = FPrinterPage.Geometry.Physical;
  canvas.fillRect(pagePreview->rect(), QColor(128, 128, 128));
  if (physical.isEmpty()) return;
  TGPRect page = FitRectKeepAspect(pagePreview->width() - 2, pagePreview->height() - 2, physical.width(),
                                   physical.height());
  page.X += 1;
  page.Y += 1;
  canvas.setPen(Qt::black);
  canvas.setBrush(Qt::white);
  canvas.drawRect(QRect(page.X, page.Y, page.Width - 1, page.Height - 1));
  if (FPrinting) return;
  const TPrintLayout layout = Layout();
  const int perPage = std::max(1, layout.Rows * layout.Columns);
  PrintPage::Draw(canvas, layout, page, FPrinterPage, FImages.mid(FFirstIndex, perPage), FCaption,
                  [&](int position, TImageToDraw*, const TGPRect& rect) {
                    const int index = FFirstIndex + position;
                    TImageScaled* view = FViews.View(index);
                    if (!view || FViews.IsBusy(index)) return;  // on a worker now: drawn when it is back
                    PrintPage::PlacePhoto(*view, layout, rect);
                    if (view->Initialized && view->AutoRotate) view->FitOrientation();
                    if (FViews.Request(index)) view->Draw(canvas);
                  });
}

bool TPrintLayoutFormViewer::LoadFile(const QString& path) {
  TPrintLayout layout;
  QString message;
  QStringList notes;
  if (!TPrintLayout::Load(path, layout, message, &notes)) {
    ShowError(message);
    return false;
  }
  SetLayout(layout);
  FileChoice::ShowCorrections(this, path, notes);
  return true;
}

bool TPrintLayoutFormViewer::SaveFile(const QString& path) {
  QString message;
  if (!Layout().Save(path, message)) {
    ShowError(message);
    return false;
  }
  return true;
}

void TPrintLayoutFormViewer::ActionLoadExecute() {
  const QString path = FileChoice::Load(this, tr("Zelvane - Load print layout settings"),
                                        tr("Print layout files  (*.vzp)"), QStringLiteral("vzp"),
                                        QStringLiteral("*.VZP"), &ProcessSettings().LayoutFolder);
  if (!path.isEmpty()) LoadFile(path);
}

void TPrintLayoutFormViewer::ActionSaveExecute() {
  const QString path = FileChoice::Save(this, tr("Zelvane - Save print layout settings"),
                                        tr("Print layout files (*.vzp)"), QStringLiteral("vzp"),
                                        QStringLiteral("*.VZP"), &ProcessSettings().LayoutFolder);
  if (!path.isEmpty()) SaveFile(path);
}

void TPrintLayoutFormViewer::ActionDefaultExecute() {
  SetLayout(TPrintLayout());
}

void TPrintLayoutFormViewer::ActionFontExecute() {
  QFont font = FFont.ToQFont(FFont.Size);
  QColor color = FFont.Color;
  if (!TFontColorDialog::Choose(this, font, color)) return;
  FFont = TTextFont::FromQFont(font, color);
  UpdatePrinterCells();
  pagePreview->update();
}

void TPrintLayoutFormViewer::ActionPrintSettingsExecute() {
  QPageSetupDialog dialog(&Printer::Current(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  FApplying = true;
  (Printer::PrinterOrientation() == 1 ? RadioLandscape : RadioPortrait)->setChecked(true);
  FApplying = false;
  UpdatePrinterCells();
  pagePreview->update();
}

void TPrintLayoutFormViewer::ActionPrintExecute() {
  if (FImages.isEmpty()) return;
  QPrinter& printer = Printer::Current();
  QPrintDialog dialog(&printer, this);
  dialog.setMinMax(1, std::max(1, FPages));
  dialog.setFromTo(1, std::max(1, FPages));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, true);
  if (dialog.exec() != QDialog::Accepted) return;

  // The dialog may have changed printer, paper or orientation.
  FViews.Clear();
  FApplying = true;
  (Printer::PrinterOrientation() == 1 ? RadioLandscape : RadioPortrait)->setChecked(true);
  FApplying = false;
  UpdatePrinterCells();
  int from = 1, to = FPages;
  if (printer.printRange() == QPrinter::CurrentPage) {
    from = to = ShownPage();
  } else if (printer.printRange() == QPrinter::PageRange) {
    from = printer.fromPage();
    to = printer.toPage();
  }

  const TPrintLayout layout = Layout();
  const int perPage = std::max(1, layout.Rows * layout.Columns);
  const int total = std::max(0, std::min(int(FImages.size()), to * perPage) - (from - 1) * perPage);
  TProgressForm progress(this);
  progress.SetMaximum(std::max(1, total));
  std::atomic<bool> cancelled{false};
  TPrintJob::TResult result = TPrintJob::Failed;
  QString reason;
  FPrinting = true;
  pagePreview->update();
  {
    // Painting on a printer is allowed off the user-interface thread: the
    // window stays responsive and Cancel is heard between photos.
    TJobQueue queue(1, QThread::NormalPriority);
    // Started once the progress window runs, so that its end is never missed.
    QTimer::singleShot(0, &progress, [&] {
      queue.Add([&](TJobThread& worker) {
        TPrintJob job;
        job.OnProgress = [&](int done, int count) {
          worker.SyncCall([&] { progress.Step(tr("%1 of %2").arg(done).arg(count)); });
          return !cancelled.load();
        };
        result = job.Run(printer, layout, FImages, from, to, reason);
        worker.SyncCall([&] {
          if (progress.isVisible()) progress.accept();
        });
      });
    });
    if (progress.exec() != QDialog::Accepted) cancelled = true;
  }
  FPrinting = false;
  activateWindow();  // the keyboard back from the dialogs, window manager or not
  if (result == TPrintJob::Failed) ShowError(tr("Printing failed: %1").arg(reason));
  if (result == TPrintJob::Printed) {
    const int pages = std::max(0, std::min(to, FPages) - from + 1);
    const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    FOutcome = file.isEmpty() ? (pages == 1 ? tr("Printed 1 page") : tr("Printed %1 pages").arg(pages))
                              : (pages == 1 ? tr("Printed 1 page to %1").arg(file)
                                            : tr("Printed %1 pages to %2").arg(pages).arg(file));
  } else if (result == TPrintJob::Cancelled) {
    FOutcome = tr("Printing cancelled");
  } else {
    FOutcome = tr("Printing failed");
  }
  LoadPageImages(ShownPage());
  pagePreview->update();
}

void TPrintLayoutFormViewer::ShowError(const QString& message) {
  QMessageBox::critical(this, QStringLiteral("Zelvane"), message);
}

#include "moc_printviewer.cpp"
