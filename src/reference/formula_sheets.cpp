#include "reference/formula_sheets.h"

#include <array>

#include "drawing/page.h"
#include "reference/formula_pictures.h"

namespace kalkora {

namespace {

// Headings: centred on x = 0, 14 points, wrapped in "~" so that they appear in violet.
constexpr TextRow heading(double y, TextView text) {
  return {TextOp::MarkupCentred, 0, y, 14, text, TextColours::Markup};
}
constexpr TextRow centredFormula(double y, int size, TextView text) {
  return {TextOp::Markup3Centred, 0, y, size, text, TextColours::Markup};
}
constexpr TextRow formula(double x, double y, TextView text) {
  return {TextOp::Markup3Left, x, y, 14, text, TextColours::Markup};
}
// Explanations are drawn with DrawMarkup3, so that "ß" in "lässt" stays a letter.
constexpr TextRow explanation(double x, double y, TextView text) {
  return {TextOp::Markup3Left, x, y, 12, text, TextColours::Markup};
}
// Conditions: "~¹" draws ≠ and "~Î" draws ∈ from the Symbol font.
constexpr TextRow condition(double y, TextView text) {
  return {TextOp::SymbolMixed, 10, y, 14, text, TextColours::Black};
}

const auto kTermsSheet = std::to_array<PageItem>({
    heading(22, u"~Multiplizieren mit eingliedrigen Termen~"),
    centredFormula(18.5, 14, u"(a + b + c)·#x# = a·#x# + b·#x# + c·#x#"),
    explanation(-29, 15,
                u"Man multipliziert jedes Glied des mehrgliedrigen Terms (Polynom) mit dem"),
    explanation(-29, 13, u"#eingliedrigen Term# (Monom)."),
    heading(8, u"~Multiplizieren mit mehrgliedrigen Termen~"),
    centredFormula(4.5, 14, u"(#a# + _b_)·(#c# + _d_) = #a#·#c# + _b_·#c# + #a#·_d_ + _b_·_d_"),
    explanation(-29, 1,
                u"Man multipliziert jedes Glied des 1.Polynoms mit jedem Glied des 2.Polynoms."),
    heading(-4, u"~Formeln für Binome~"),
    explanation(-29, -8, u"Quadrieren:"),
    formula(-16, -8, u"(a #+# b)^2 = a^2 #+# 2·a·b + b^2"),
    formula(8, -8, u"(a _–_ b)^2 = a^2 _–_ 2·a·b + b^2"),
    explanation(-29, -12, u"Multiplizieren:"),
    formula(-16, -12, u"(a #+# b)·(a _–_ b) = a^2 _–_ b^2"),
});

const auto kPowersSheet = std::to_array<PageItem>({
    heading(22, u"~Multiplizieren von Potenzen~"),
    centredFormula(19, 16, u"a^#r#·a^_s_ = a^#r#^+^_s_"),
    condition(19, u"r, s ~Î"),
    explanation(-29.5, 16,
                u"Potenzen #gleicher Basis# werden #multipliziert#, indem man die _Hochzahlen_"),
    explanation(-29.5, 14, u"_addiert_ und die Basis unverändert lässt."),
    heading(10, u"~Dividieren von Potenzen~"),
    centredFormula(7, 16, u"a^#r#:a^_s_ = a^#r#^–^_s_"),
    condition(7, u"a ~¹0; r, s ~Î      ; r > s"),
    explanation(-29.5, 4,
                u"Potenzen #gleicher Basis# werden #dividiert#, indem man die _Hochzahlen_"),
    explanation(-29.5, 2, u"_subtrahiert_ und die Basis unverändert lässt."),
    heading(-1, u"~Potenzieren eines Produkts~"),
    centredFormula(-4, 16, u"(a·b)^#n# = a^#n#·b^#n#"),
    condition(-4, u"n ~Î"),
    explanation(-29.5, -7, u"Ein #Produkt# wird potenziert, indem man #jeden Faktor# potenziert."),
    heading(-10, u"~Potenzieren eines Quotienten~"),
    condition(-14, u"b ~¹0; n ~Î"),
    explanation(-29.5, -19,
                u"Ein #Quotient# (Bruch) wird potenziert, indem man #Zähler und Nenner# "
                u"potenziert."),
    heading(-22, u"~Potenzieren einer Potenz~"),
    centredFormula(-25, 14, u"(a^#r#)^_s_ = a^#r#^·^_s_"),
    condition(-25, u"r, s ~Î"),
    explanation(-29.5, -28,
                u"Eine #Potenz# wird potenziert, indem man die _Hochzahlen multipliziert_."),
});

// Each ℤ⁺ follows the ∈ of the condition on its line; the quotient rule stands where the
// formula line of "Potenzieren eines Quotienten" would be.
constexpr std::array<SheetPicture, 6> kSheetPictures{{
    {"img1", SheetPictureKind::QuotientRule, -5, -13},
    {"img2", SheetPictureKind::PositiveIntegers, 15, 19},
    {"img3", SheetPictureKind::PositiveIntegers, 20.1, 7},
    {"img4", SheetPictureKind::PositiveIntegers, 13.4, -4},
    {"img5", SheetPictureKind::PositiveIntegers, 18.7, -14},
    {"img6", SheetPictureKind::PositiveIntegers, 15, -25},
}};

constexpr SheetLayout kTermsLayout{459, 440, -22, false};
constexpr SheetLayout kPowersLayout{559, 540, -32, true};

void setSheetPage(const SheetLayout& layout) {
  SetPage(-30, 30, layout.pageBottom, 22, 600, layout.pntHeight);
}

}  // namespace

std::optional<SheetLayout> SheetLayoutOf(int topic) {
  switch (topic) {
    case 1: return kTermsLayout;
    case 2: return kPowersLayout;
    default: return std::nullopt;
  }
}

std::span<const PageItem> FormulaSheetItems(int topic) {
  switch (topic) {
    case 1: return kTermsSheet;
    case 2: return kPowersSheet;
    default: return {};
  }
}

void DrawFormulaSheet(QPainter& canvas, int topic) {
  const std::optional<SheetLayout> layout = SheetLayoutOf(topic);
  if (!layout) return;
  setSheetPage(*layout);
  DrawPageItems(canvas, FormulaSheetItems(topic));
}

std::span<const SheetPicture> SheetPictures() { return kSheetPictures; }

QRect SheetPictureArea(const SheetPicture& picture) {
  const QSize size =
      picture.kind == SheetPictureKind::QuotientRule ? QuotientRuleSize() : PositiveIntegersSize();
  return QRect(
      PageToPixel(MakePage(-30, 30, kPowersLayout.pageBottom, 22, 600, kPowersLayout.pntHeight),
                  picture.x, picture.y),
      size);
}

void DrawSheetPicture(QPainter& canvas, const SheetPicture& picture) {
  setSheetPage(kPowersLayout);
  if (picture.kind == SheetPictureKind::QuotientRule) {
    DrawQuotientRule(canvas, picture.x, picture.y);
  } else {
    DrawPositiveIntegers(canvas, picture.x, picture.y);
  }
}

}  // namespace kalkora
