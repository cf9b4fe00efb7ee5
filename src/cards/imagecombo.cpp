// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagecombo.h"

#include "cardimages.h"
#include "geometry.h"
#include "jobqueue.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QStandardItemModel>
#include <QStyledItemDelegate>

namespace {

// 50-pixel items: the picture, or the file name in "Arial" 10.
class TDelegate : public QStyledItemDelegate {
public:
  TDelegate(TImageCombo::TKind kind, QObject* parent) : QStyledItemDelegate(parent), FKind(kind) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), TImageCombo::ItemHeight);
  }
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QRect r = option.rect;
    painter->fillRect(r, (option.state & QStyle::State_Selected) ? option.palette.highlight() : option.palette.base());
    const QImage icon = index.data(TImageCombo::IconRole).value<QImage>();
    if (icon.isNull()) {
      QFont font(QStringLiteral("Arial"));
      font.setPointSize(10);
      painter->setFont(font);
      painter->setPen(Qt::black);
      painter->drawText(r.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop, index.data(Qt::DisplayRole).toString());
      return;
    }
    const QRect inner = r.adjusted(2, 2, -2, -2);
    if (FKind == TImageCombo::Patterns) {
      // One tile covers a square as large as the item's longer side.
      const int side = std::max(inner.width(), inner.height());
      QBrush brush(icon);
      brush.setTransform(QTransform::fromTranslate(inner.x(), inner.y())
                             .scale(double(side) / icon.width(), double(side) / icon.height()));
      painter->fillRect(inner, brush);
    } else {
      const TGPRect fit = FitRectKeepAspect(inner.width(), inner.height(), icon.width(), icon.height());
      painter->drawImage(QRect(inner.x() + fit.X, inner.y() + fit.Y, fit.Width, fit.Height), icon);
    }
  }

private:
  TImageCombo::TKind FKind;
};

// A small picture of the file for a 50-pixel item, read at reduced size.
QImage ReadIcon(const QString& path) {
  if (!CardImages::FileProblem(path).isEmpty()) return {};
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty() || qint64(size.width()) * size.height() > CardImages::MaxPixels) return {};
  const int box = TImageCombo::ItemHeight * 2;
  if (size.width() > box || size.height() > box) reader.setScaledSize(size.scaled(box, box, Qt::KeepAspectRatio));
  return reader.read();
}

}  // namespace

TImageCombo::TImageCombo(TKind kind, QWidget* parent)
    : QComboBox(parent), FKind(kind), FQueue(std::make_unique<TJobQueue>(1, QThread::LowPriority)) {
  setModel(new QStandardItemModel(this));
  setItemDelegate(new TDelegate(kind, this));
  setMinimumHeight(ItemHeight + 6);
  setIconSize(QSize(ItemHeight, ItemHeight));
}

TImageCombo::~TImageCombo() {
  FQueue.reset();  // the worker's last icon call is dropped
}

void TImageCombo::Fill(const QString& folder, bool withNone) {
  ++FGeneration;
  FQueue->DiscardPending();
  clear();
  FPending = 0;
  if (withNone) addItem(tr("None"));
  QStringList files;
  const QDir dir(folder);
  for (const QString& entry : dir.entryList(QDir::Files, QDir::NoSort)) {
    if (FKind == Patterns ? entry.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)
                          : !QImageReader::imageFormat(dir.filePath(entry)).isEmpty() ||
                                QImageReader::supportedImageFormats().contains(QFileInfo(entry).suffix().toLower().toLatin1()))
      files.append(dir.filePath(entry));
  }
  for (const QString& file : files) {
    addItem(QFileInfo(file).fileName());
    setItemData(count() - 1, file, PathRole);
    QueueIcon(count() - 1, file);
  }
  if (FPending == 0) emit IconsDone();
}

int TImageCombo::AddPath(const QString& path) {
  addItem(QFileInfo(path).fileName());
  setItemData(count() - 1, path, PathRole);
  QueueIcon(count() - 1, path);
  return count() - 1;
}

QString TImageCombo::PathAt(int index) const {
  return itemData(index, PathRole).toString();
}

int TImageCombo::IndexOfPath(const QString& path) const {
  if (path.isEmpty()) return -1;
  for (int i = 0; i < count(); ++i)
    if (PathAt(i) == path) return i;
  return -1;
}

void TImageCombo::QueueIcon(int row, const QString& path) {
  ++FPending;
  const int generation = FGeneration;
  FQueue->Add([this, row, path, generation](TJobThread& worker) {
    const QImage icon = ReadIcon(path);
    worker.SyncCall([this, row, icon, generation] {
      if (generation != FGeneration) return;
      if (!icon.isNull() && row < count()) setItemData(row, QVariant::fromValue(icon), IconRole);
      if (--FPending == 0) emit IconsDone();
    });
  });
}

#include "moc_imagecombo.cpp"
