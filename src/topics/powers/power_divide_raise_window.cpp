#include "topics/powers/power_divide_raise_window.h"

#include <QPainter>
#include <algorithm>

#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "drawing/primitives.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "terms/term_exponents.h"
#include "topics/powers/power_record.h"

namespace kalkora {
namespace {

using powers::DivideRaiseRowKind;
using powers::Potenzen;

constexpr int kHintSize = 16;
constexpr double kHintY = -28;
constexpr int kAnswerBarPen = 3;

TPotenz& Item(int item) { return Potenzen[static_cast<std::size_t>(item)]; }

}  // namespace

ExerciseWindow::Layout TfrmDivPotU::RowsLayout() {
  Layout layout;
  // The numerator field on the row, the denominator field under the answer bar.
  layout.fields = {{QStringLiteral("edtZ"), 20}, {QStringLiteral("edtN"), 56}};
  layout.checkButtons = true;
  return layout;
}

TfrmDivPotU::TfrmDivPotU()
    : ExerciseWindow(WindowDesign{QStringLiteral("frmDivPotU"),
                                  QStringLiteral("Übungsbeispiele: Potenzen"), QSize(1016, 722)},
                     RowsLayout()) {}

void TfrmDivPotU::FormActivate() {
  exercise_ = powers::SelectedDivideRaiseExercise();
  ExerciseWindow::FormActivate();
}

const powers::DivideRaiseRowPlace& TfrmDivPotU::rowPlace(int item) const {
  return places_.at(static_cast<std::size_t>(item - 1));
}

QString TfrmDivPotU::caption() const { return ToQString(powers::DivideRaiseCaption(exercise_)); }

Text TfrmDivPotU::instruction() const { return powers::DivideRaiseInstruction(exercise_); }

void TfrmDivPotU::generateItem(int item) { powers::DivideRaiseGenerator(exercise_)(item); }

ItemFlags& TfrmDivPotU::flags(int item) { return Item(item); }

ExerciseWindow::RowAnswer TfrmDivPotU::rowAnswer(int item) const {
  if (!powers::CheckedByButton(exercise_)) return RowAnswer{1, false};
  return RowAnswer{powers::AnswerFieldCount(Item(item)), true};
}

Text TfrmDivPotU::expectedAnswer(int item) const { return expectedFieldTexts(item).front(); }

std::vector<Text> TfrmDivPotU::expectedFieldTexts(int item) const {
  return powers::ExpectedFieldTexts(exercise_, Item(item));
}

Text TfrmDivPotU::solutionText(int item) const { return powers::QuotedSolution(Item(item)); }

Text TfrmDivPotU::emptyFieldsMessage(int /*item*/, int /*empty*/, int fields) const {
  return powers::EmptyFieldsMessage(fields);
}

KeyFilter TfrmDivPotU::keyFilter(int item) const {
  return KeyFilter{ToQString(powers::AcceptedKeys(exercise_, Item(item)))};
}

int TfrmDivPotU::fieldWidth(int item, int /*field*/) const {
  return fieldPixels_.at(static_cast<std::size_t>(item - 1));
}

void TfrmDivPotU::itemsPrepared() {
  for (int i = 1; i <= itemCount(); ++i) {
    TPotenz& item = Item(i);
    const std::vector<Text> expected = expectedFieldTexts(i);
    // Feldbreite: the wider expected part as typed (carets included); both fields of the row get
    // it, and at least the room the field needs to show each part whole.
    item.Feldbreite = 0;
    for (const Text& text : expected) {
      item.Feldbreite = std::max(item.Feldbreite, MarkupWidthCaret(text, kRowTextSize, true));
    }
    int pixels = item.Feldbreite + kFieldMargin;
    for (std::size_t k = 0; k < expected.size(); ++k) {
      const AnswerField* field = answerField(i, static_cast<int>(k) + 1);
      pixels = std::max(pixels, field->widthShowing(ToQString(expected[k])) + kFieldMargin);
    }
    const auto index = static_cast<std::size_t>(i - 1);
    fieldPixels_[index] = pixels;
    places_[index] = powers::PlaceDivideRaiseRow(exercise_, item, pixels);
    item.Praefixbreite = static_cast<int>(std::lround(places_[index].taskWidth * 10));
    const int fieldX = PagePixel(places_[index].answerX, RowY(i)).x();
    for (int k = 1; k <= fieldsPerRow(); ++k) placeField(i, fieldX, k);
  }
}

void TfrmDivPotU::pntUebPaint(QPainter& painter) {
  SetExercisePage();
  const Text hint = powers::DivideRaiseHint(exercise_);
  if (!hint.empty()) {
    DrawMarkupCentred(painter, 0, kHintY, hint, kHintSize, true, palette::MarkupColours);
  }
  for (int i = 1; i <= itemCount(); ++i) {
    if (Item(i).Aktiv) drawItem(painter, i);
  }
}

void TfrmDivPotU::drawItem(QPainter& painter, int item) const {
  switch (rowPlace(item).kind) {
    case DivideRaiseRowKind::DivideLine: drawDivideLine(painter, item); break;
    case DivideRaiseRowKind::DivideFraction: drawDivideFraction(painter, item); break;
    case DivideRaiseRowKind::RaiseLine: drawRaiseLine(painter, item); break;
    case DivideRaiseRowKind::RaiseFraction: drawRaiseFraction(painter, item); break;
  }
}

void TfrmDivPotU::drawDivideLine(QPainter& painter, int i) const {
  const TPotenz& item = Item(i);
  const powers::DivideRaiseRowPlace& place = rowPlace(i);
  const Text line = powers::DivideLine(item);
  if (!item.Richtig && !item.Gezeigt) {
    DrawOpenRow(painter, place.taskX, RowY(i), line, OpenRowMarks::Coloured);
    return;
  }
  DrawFinishedRow(painter, place.taskX, RowY(i),
                  answeredLine(i, line, item.Richtig, SplitExponentDigits(item.Text[2])),
                  item.Richtig);
}

void TfrmDivPotU::drawDivideFraction(QPainter& painter, int i) const {
  const TPotenz& item = Item(i);
  const powers::DivideRaiseRowPlace& place = rowPlace(i);
  const double y = powers::FractionLineY(RowY(i));
  if (item.Richtig || item.Gezeigt) {
    DrawFractionEquals(painter, place.taskX, y, item.Text[8], item.Text[9], finishedPart(i, 1),
                       finishedPart(i, 2), kRowTextSize, palette::MarkupColours,
                       powers::DivideFractionSpacing(exercise_.level));
    return;
  }
  DrawPowerFraction(painter, place.taskX, y, item.Text[8], item.Text[9], kRowTextSize,
                    palette::MarkupColours);
  DrawMarkupLeft(painter, place.equalsX, y + 0.2, u" = ", kRowTextSize, true,
                 palette::MarkupColours);
  drawAnswerBar(painter, i, y);
}

void TfrmDivPotU::drawRaiseLine(QPainter& painter, int i) const {
  const TPotenz& item = Item(i);
  const powers::DivideRaiseRowPlace& place = rowPlace(i);
  // The task keeps its alternating colours; a finished row adds " = " and the answer.
  DrawAlternating(painter, place.taskX, RowY(i), item.Text[8], kRowTextSize, true,
                  palette::MarkupColours, false);
  if (!item.Richtig && !item.Gezeigt) return;
  DrawFinishedRow(painter, place.taskX + place.taskWidth, RowY(i),
                  answeredLine(i, u" = ", item.Richtig, item.Loesung()), item.Richtig);
}

void TfrmDivPotU::drawRaiseFraction(QPainter& painter, int i) const {
  const TPotenz& item = Item(i);
  const powers::DivideRaiseRowPlace& place = rowPlace(i);
  const double y = powers::FractionLineY(RowY(i));
  const bool finished = item.Richtig || item.Gezeigt;
  DrawPowerOfFraction(painter, place.taskX, y, item.Text[8], item.Text[9], item.Text[13],
                      item.Text[11], item.Text[12], kRowTextSize, palette::MarkupColours, finished);
  if (!finished) drawAnswerBar(painter, i, y);
}

void TfrmDivPotU::drawAnswerBar(QPainter& painter, int i, double lineY) const {
  const double x = rowPlace(i).answerX;
  const double length = fieldPixels_.at(static_cast<std::size_t>(i - 1)) / 10.0;
  PageLine(painter, kAnswerBarPen, QColor(Qt::black), x, lineY - 1.1, x + length, lineY - 1.1,
           LineStyle::Solid);
}

Text TfrmDivPotU::finishedPart(int i, int field) const {
  const TPotenz& item = Item(i);
  if (item.Richtig) {
    const Text& expected = item.Text[field == 1 ? 2 : 3];
    return Text(u"~").append(SplitExponentDigits(expected)).append(u"~");
  }
  return Text(u"#").append(SplitExponentDigits(ToText(typedText(i, field)))).append(u"#");
}

}  // namespace kalkora
