// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardtext.h"
#include "gprect.h"

#include <QBrush>
#include <QString>
#include <array>
#include <memory>
#include <vector>

class QPainter;
class TImageScaled;
class TImageToDraw;

// What a background or fill is painted with: a solid ARGB colour, or a
// pattern image tiled over the area.
struct TBackGroundBrush {
  quint32 Color = 0xFFFFFFFF;
  QString FileName;  // a pattern; empty: the colour
  friend bool operator==(const TBackGroundBrush&, const TBackGroundBrush&) = default;

  // The brush, a pattern scaled by (sx, sy) and anchored at origin; null
  // (Qt::NoBrush) for a pattern that cannot be read.
  [[nodiscard]] QBrush MakeBrush(double sx, double sy, QPointF origin) const;
  // The pattern image's width, 0 without one.
  [[nodiscard]] int PatternWidth() const;
};

// The numbers are the card settings file's.
enum class TCorner { UpperLeft = 0, UpperRight = 1, BottomLeft = 2, BottomRight = 3 };
enum class TLineStyle { Rectangle = 0, FilledRectangle = 1, Ellipse = 2, FilledEllipse = 3 };

// One corner ornament of a back.
struct TOrnament {
  QString FileName;  // empty: none
  TCorner Corner = TCorner::UpperLeft;
  int Size = 20;     // percent of the card's width and height (the box)
  int Margin = 2;    // percent of the larger card dimension
  friend bool operator==(const TOrnament&, const TOrnament&) = default;
};

// A side of a card: a background, margins (in percent of the card) and six
// text blocks. All sizes are relative, so a side drawn into a small preview
// rectangle is a faithful miniature of the printed one: the reference
// rectangle is the card's cell on the printer, where fonts have their size.
class TCard {
public:
  TCard() = default;
  virtual ~TCard() = default;
  TCard(const TCard&) = delete;
  TCard& operator=(const TCard&) = delete;

  TBackGroundBrush Background;
  int BGMargin = 0;
  std::array<int, 4> ImageMargins{4, 4, 4, 4};  // left, top, right, bottom
  std::vector<TCardText> Texts;                 // six, made by InitTexts

  // Six text blocks in the area: centred at the top, "Arial" 16 bold black.
  void InitTexts(const TGPRect& area);
  // Takes another side's background, margins and text blocks (their areas
  // included); the blocks are measured again before they are drawn.
  void AssignSide(const TCard& from);
  // Draws the side into target; highQuality on the printer.
  virtual void Draw(QPainter& painter, const TGPRect& target, const TGPRect& reference, bool highQuality) = 0;

  // The target shrunk by the image margins.
  [[nodiscard]] TGPRect MarginRect(const TGPRect& target) const;

protected:
  void DrawBackground(QPainter& painter, const TGPRect& target) const;
  void DrawTexts(QPainter& painter, const TGPRect& target, const TGPRect& reference);
};

// The front: background, one photo, texts.
class TCardFront : public TCard {
public:
  TCardFront();
  ~TCardFront() override;
  bool BestPosition = true;
  bool UseROI = true;
  // The photo shown (none: background and texts only).
  void SetImage(TImageToDraw* record);
  [[nodiscard]] TImageScaled* Image() const { return FImage.get(); }
  // A scaled copy of the photo for the printer, made once per size and drawn
  // in every cell (printed postcards, and so the PDF holds it once).
  void Draw(QPainter& painter, const TGPRect& target, const TGPRect& reference, bool highQuality) override;

private:
  std::unique_ptr<TImageScaled> FImage;
  QImage FPrinted;  // the photo as last printed
  QSize FPrintedSize;
};

// The back: background, a border of one or two lines (rectangle or ellipse,
// optionally filled), four corner ornaments, texts.
class TCardBack : public TCard {
public:
  TCardBack();
  int OuterWidth = 0;  // percent of the larger card dimension; 0: no border
  int InnerWidth = 0;  // 0: a single line
  int SpaceWidth = 0;
  quint32 OuterColor = 0xFF000000;
  quint32 InnerColor = 0xFF000000;
  std::array<TOrnament, 4> Ornaments;
  TLineStyle LineStyle = TLineStyle::Rectangle;
  TBackGroundBrush Fill;

  // Takes another back's side settings, border, fill and ornaments.
  void Assign(const TCardBack& from);
  // An independent copy (its own brushes, ornaments and texts).
  [[nodiscard]] std::unique_ptr<TCardBack> Clone() const;
  void Draw(QPainter& painter, const TGPRect& target, const TGPRect& reference, bool highQuality) override;
};
