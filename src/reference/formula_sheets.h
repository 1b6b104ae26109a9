#pragma once
// The two formula sheets of TfrmFormeln: the multiplication rules for terms and the binomial
// formulas (topic 1), the five power rules with their conditions (topic 2). Each sheet is a
// table of texts in drawing order; the power sheet adds the quotient rule and five ℤ⁺ pictures.

#include <QPainter>
#include <QRect>
#include <optional>
#include <span>

#include "reference/page_items.h"

namespace kalkora {

// How a sheet sizes the window: the height of the client area below the menu, of the paint box
// pnt (600 pixels wide) and the lower edge of its page. Both pages run from x –30 to 30 and down
// from y 22 at 10 pixels a unit, so page (0, 0) is pixel (300, 220) on both.
struct SheetLayout {
  int clientHeight;
  int pntHeight;
  float pageBottom;
  bool formulaPictures;  // the quotient rule and the first five ℤ⁺ are shown
};

// The layout of topic 1 or 2; none for any other topic.
std::optional<SheetLayout> SheetLayoutOf(int topic);

// The items of a topic's sheet; empty for any topic but 1 and 2.
std::span<const PageItem> FormulaSheetItems(int topic);

// Makes the topic's page current and draws its items; any other topic draws nothing.
void DrawFormulaSheet(QPainter& canvas, int topic);

// The pictures of the power sheet, by their top-left corner on the sheet's page.
enum class SheetPictureKind {
  QuotientRule,      // ‹(a/b)ⁿ = aⁿ/bⁿ›, 95 × 52, in place of the missing formula line
  PositiveIntegers,  // ℤ⁺, 26 × 19, after the ∈ of a condition
};
struct SheetPicture {
  const char* name;
  SheetPictureKind kind;
  double x, y;
};
// img1 … img6. img6 is always shown; it lies below the client area of the terms sheet.
std::span<const SheetPicture> SheetPictures();

// The picture's rectangle in the pixels of the sheet.
QRect SheetPictureArea(const SheetPicture& picture);

// Makes the power sheet's page current and draws the picture where it lies on it.
void DrawSheetPicture(QPainter& canvas, const SheetPicture& picture);

}  // namespace kalkora
