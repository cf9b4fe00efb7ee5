// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gprect.h"

#include <QColor>
#include <QFont>
#include <QStringList>

class QPaintDevice;
class QPainter;

// A font as layouts store it: family, size in points, style bits
// (TFontStyle) and colour.
struct TTextFont {
  QString Family = QStringLiteral("Arial");
  double Size = 16;
  int Style = 1;  // bold
  QColor Color = Qt::black;
  friend bool operator==(const TTextFont&, const TTextFont&) = default;

  // The Qt font at a size in points (the family kept as stored).
  [[nodiscard]] QFont ToQFont(double pointSize) const;
  // A font chosen in a font dialog, its size rounded to whole points (at
  // least 1), with its colour.
  [[nodiscard]] static TTextFont FromQFont(const QFont& font, const QColor& color);
};

// Colours as the layout and card files store them: 0x00BBGGRR (black 0,
// pure red 255). Bits above the blue byte are ignored.
[[nodiscard]] quint32 ToColorRef(const QColor& color);
[[nodiscard]] QColor FromColorRef(qint64 value);

// A position and size in percent of an area.
struct TPercentRect {
  float X = 0, Y = 0, W = 0, H = 0;
  friend bool operator==(const TPercentRect&, const TPercentRect&) = default;
};

// The numbers are the card settings file's. Any other stored placement
// number means free (the block stays at its bounds) and is kept as it is.
enum class TTextAlignment { Left = 1, Right = 2, Centre = 3 };
enum class THorizontalPlace { Free = 0, LeftEdge = 1, RightEdge = 2, Centred = 3 };
enum class TVerticalPlace { Free = 0, Centred = 3, Top = 4, Bottom = 5 };

// Some lines of text with a font, an alignment and a placement in percent of
// an area. It is fitted (Measure) against the printer, so that lines are cut
// alike in the preview and on paper, and drawn on any surface at the
// proportion it will have when printed. Lines are cut, never wrapped, and
// lines beyond the area's height are dropped.
class TCardText {
public:
  QStringList Lines;
  QStringList DisplayLines;  // as fitted by the last Measure
  TTextFont Font;
  TTextAlignment Alignment = TTextAlignment::Centre;  // of the lines
  THorizontalPlace XPosition = THorizontalPlace::Free;  // of the block; free: Bounds.X
  TVerticalPlace YPosition = TVerticalPlace::Free;      // free: Bounds.Y
  TPercentRect Bounds;
  TGPRect Area;           // printer pixels, relative to ReferenceRect's origin
  TGPRect TargetRect;     // the drawing surface's rectangle that stands for ReferenceRect
  TGPRect ReferenceRect;  // the printer cell in which Area and the font size are given
  bool NeedsMeasure = true;
  int PrinterDpi = 300;  // of the device of the last Measure

  void SetFont(const TTextFont& font);
  // Fits the lines into Area on the printer (any paint device standing for
  // it; measuring does not start a print job).
  void Measure(const QPaintDevice& printer);
  void ApplyPosition();
  // Area mapped from ReferenceRect onto TargetRect.
  [[nodiscard]] TGPRect AreaOnTarget() const;
  void Draw(QPainter& painter);
  void Assign(const TCardText& other);

  // A line as it can be shown: blanks and control characters trimmed from
  // its ends, those inside shown as spaces.
  [[nodiscard]] static QString Cleaned(const QString& line);
};
