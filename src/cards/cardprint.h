// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cardpage.h"

#include <QString>

class QPrinter;
struct TCardDesign;

// Prints a card design as the create cards window prints it with "Both":
// postcards give a page of fronts and a page of backs; a fold card one page
// when both sides go on one sheet, else fronts then backs. Texts are fitted
// against this printer first. A PDF goes through a temporary file.
namespace CardPrint {

// The pages of the design: 1 or 2.
[[nodiscard]] int PageCount(const TCardGeneral& general);
// Lays the texts out for the printer's cells and measures them on it.
void FitTexts(TCardDesign& design, QPrinter& printer);
// Prints pages from..to; false with the reason.
[[nodiscard]] bool Print(QPrinter& printer, TCardDesign& design, int from, int to, QString& reason);

}  // namespace CardPrint
