// SPDX-License-Identifier: GPL-3.0-or-later
#include "card.h"

#include "cardimages.h"
#include "geometry.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "printpage.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

QColor Argb(quint32 value) {
  return QColor::fromRgba(value);
}

QRectF RectF(const TGPRect& r) {
  return QRectF(r.X, r.Y, r.Width, r.Height);
}

}  // namespace

QBrush TBackGroundBrush::MakeBrush(double sx, double sy, QPointF origin) const {
  if (FileName.isEmpty()) return QBrush(Argb(Color));
  const QImage pattern = CardImages::Load(FileName);
  if (pattern.isNull() || sx <= 0 || sy <= 0) return QBrush(Qt::NoBrush);
  QBrush brush(pattern);
  brush.setTransform(QTransform::fromTranslate(origin.x(), origin.y()).scale(sx, sy));
  return brush;
}

int TBackGroundBrush::PatternWidth() const {
  return FileName.isEmpty() ? 0 : CardImages::Load(FileName).width();
}

void TCard::InitTexts(const TGPRect& area) {
  Texts.assign(6, TCardText());
  for (TCardText& text : Texts) {
    text.Area = area;
    text.Bounds = {0, 0, 100, 100};
    text.XPosition = THorizontalPlace::Centred;
    text.YPosition = TVerticalPlace::Top;
  }
}

void TCard::AssignSide(const TCard& from) {
  Background = from.Background;
  BGMargin = from.BGMargin;
  ImageMargins = from.ImageMargins;
  Texts.resize(std::max(Texts.size(), from.Texts.size()));
  for (size_t i = 0; i < from.Texts.size(); ++i) {
    Texts[i].Assign(from.Texts[i]);
    Texts[i].NeedsMeasure = true;
  }
}

TGPRect TCard::MarginRect(const TGPRect& t) const {
  const int w = t.Width, h = t.Height;
  const auto& m = ImageMargins;
  return {t.X + w * m[0] / 100, t.Y + h * m[1] / 100, w - w * (m[0] + m[2]) / 100, h - h * (m[1] + m[3]) / 100};
}

void TCard::DrawBackground(QPainter& painter, const TGPRect& target) const {
  const int w = target.Width, h = target.Height;
  const int d = std::max(w, h) * BGMargin / 100;
  const TGPRect area = DeflateRectBy(target, d, d);
  if (area.IsEmpty()) return;
  double scale = 1;
  if (const int pw = Background.PatternWidth(); pw > 0) scale = double(w) / (10.0 * pw);  // ten tiles across
  painter.fillRect(RectF(area), Background.MakeBrush(scale, scale, QPointF(area.X, area.Y)));
}

void TCard::DrawTexts(QPainter& painter, const TGPRect& target, const TGPRect& reference) {
  for (TCardText& text : Texts) {
    text.TargetRect = target;
    text.ReferenceRect = reference;
    text.Draw(painter);
  }
}

TCardFront::TCardFront() = default;
TCardFront::~TCardFront() = default;

void TCardFront::SetImage(TImageToDraw* record) {
  if (FImage && FImage->ImageToDraw == record) return;
  FImage.reset();
  FPrinted = QImage();
  if (record) {
    FImage = std::make_unique<TImageScaled>(record);
    FImage->ReducedDecode = true;
  }
}

void TCardFront::Draw(QPainter& painter, const TGPRect& target, const TGPRect& reference, bool highQuality) {
  if (target.IsEmpty()) return;
  DrawBackground(painter, target);
  if (FImage) {
    const TGPRect photo = MarginRect(target);
    if (!photo.IsEmpty()) {
      FImage->SetTargetRect(photo);
      FImage->SetAutoRotate(BestPosition);
      FImage->SetUseROI(UseROI);
      if (highQuality) {
        FImage->EnsureInit();
        if (FImage->AutoRotate) FImage->FitOrientation();
        const TGPRect draw = FImage->DrawRect;
        if (!FImage->ImageToDraw->LoadFailure().Message.isEmpty() || draw.IsEmpty()) {
          FImage->Draw(painter);  // the red box with the message
        } else {
          // Every printed cell has the same size: the photo is scaled once, at
          // most 300 pixels per inch, and the same image goes into each cell.
          const QSize size(draw.Width, draw.Height);
          if (FPrinted.isNull() || FPrintedSize != size) {
            const int dpi = painter.device() ? std::max(1, painter.device()->logicalDpiY()) : 300;
            FPrinted = PrintPage::PrinterBitmap(*FImage, dpi);
            FPrintedSize = size;
          }
          if (!FPrinted.isNull())
            PrintPage::DrawBitmap(painter, draw, FPrinted);
          else
            FImage->Draw(painter);
        }
      } else {
        FImage->Draw(painter);
      }
    }
  }
  DrawTexts(painter, target, reference);
}

TCardBack::TCardBack() {
  for (int i = 0; i < 4; ++i) Ornaments[size_t(i)].Corner = TCorner(i);
}

void TCardBack::Assign(const TCardBack& from) {
  AssignSide(from);
  OuterWidth = from.OuterWidth;
  InnerWidth = from.InnerWidth;
  SpaceWidth = from.SpaceWidth;
  OuterColor = from.OuterColor;
  InnerColor = from.InnerColor;
  Ornaments = from.Ornaments;  // file, corner, size and margin
  LineStyle = from.LineStyle;
  Fill = from.Fill;
}

std::unique_ptr<TCardBack> TCardBack::Clone() const {
  auto copy = std::make_unique<TCardBack>();
  copy->Assign(*this);
  return copy;
}

void TCardBack::Draw(QPainter& painter, const TGPRect& target, const TGPRect& reference, bool highQuality) {
  Q_UNUSED(highQuality);
  if (target.IsEmpty()) return;
  DrawBackground(painter, target);
  const int w = target.Width, h = target.Height;
  const int m = std::max(w, h);
  // The fill keeps its printed size: scaled by target / reference.
  const double fx = reference.Width > 0 ? double(w) / reference.Width : 1;
  const double fy = reference.Height > 0 ? double(h) / reference.Height : 1;
  if (OuterWidth > 0) {
    const int pw = m * OuterWidth / 100;
    const TGPRect border = DeflateRectBy(MarginRect(target), pw / 2, pw / 2);
    if (!border.IsEmpty()) {
      const bool ellipse = LineStyle == TLineStyle::Ellipse || LineStyle == TLineStyle::FilledEllipse;
      const bool filled = LineStyle == TLineStyle::FilledRectangle || LineStyle == TLineStyle::FilledEllipse;
      painter.save();
      painter.setRenderHint(QPainter::Antialiasing, ellipse);
      QPen pen(Argb(OuterColor), pw, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
      if (pw == 0) pen.setStyle(Qt::NoPen);
      painter.setPen(pen);
      painter.setBrush(filled ? Fill.MakeBrush(fx, fy, QPointF(border.X, border.Y)) : QBrush(Qt::NoBrush));
      if (ellipse)
        painter.drawEllipse(RectF(border));
      else
        painter.drawRect(RectF(border));
      if (InnerWidth > 0) {
        const int iw = m * InnerWidth / 100;
        const int sp = m * SpaceWidth / 100;
        const int d = sp + pw / 2 + iw / 2 + 1;
        const TGPRect inner = DeflateRectBy(border, d, d);
        if (!inner.IsEmpty()) {
          QPen innerPen(Argb(InnerColor), iw, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
          if (iw == 0) innerPen.setStyle(Qt::NoPen);
          painter.setPen(innerPen);
          painter.setBrush(Qt::NoBrush);
          if (ellipse)
            painter.drawEllipse(RectF(inner));
          else
            painter.drawRect(RectF(inner));
        }
      }
      painter.restore();
    }
  }
  for (const TOrnament& ornament : Ornaments) {
    if (ornament.FileName.isEmpty()) continue;
    const QImage image = CardImages::Load(ornament.FileName);
    if (image.isNull()) continue;
    const TGPRect fit = FitRectKeepAspect(ornament.Size * w / 100, ornament.Size * h / 100, image.width(), image.height());
    const int mg = m * ornament.Margin / 100;
    const bool right = ornament.Corner == TCorner::UpperRight || ornament.Corner == TCorner::BottomRight;
    const bool bottom = ornament.Corner == TCorner::BottomLeft || ornament.Corner == TCorner::BottomRight;
    const int x = right ? target.X + w - fit.Width - mg : target.X + mg;
    const int y = bottom ? target.Y + h - fit.Height - mg : target.Y + mg;
    if (fit.IsEmpty()) continue;
    // The cache keeps the copy at this size: a page of cards scales it once.
    const QImage scaled = CardImages::LoadScaled(ornament.FileName, QSize(fit.Width, fit.Height));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(x, y, fit.Width, fit.Height), scaled);
    painter.restore();
  }
  DrawTexts(painter, target, reference);
}
