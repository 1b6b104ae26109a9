#include "topics/powers/power_exercise_window.h"

#include <QPainter>

#include "drawing/markup.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "terms/term_exponents.h"
#include "topics/powers/power_record.h"

namespace kalkora {
namespace {

using powers::Potenzen;

constexpr int kHintSize = 16;
constexpr double kHintY = -28;

TPotenz& Item(int item) { return Potenzen[static_cast<std::size_t>(item)]; }

// The task with " = ": what stands before the answer field.
Text AnswerPrefix(const TPotenz& item) { return Text(item.Text[4]).append(u" = "); }

}  // namespace

TfrmPotenzenU::TfrmPotenzenU()
    : ExerciseWindow(WindowDesign{QStringLiteral("frmPotenzenU"),
                                  QStringLiteral("Übungsbeispiele: Potenzen"), QSize(1016, 722)},
                     Layout{}) {}

void TfrmPotenzenU::FormActivate() {
  exercise_ = powers::SelectedPowerExercise();
  ExerciseWindow::FormActivate();
}

QString TfrmPotenzenU::caption() const {
  return ToQString(powers::PowerExerciseCaption(exercise_));
}

Text TfrmPotenzenU::instruction() const { return powers::PowerExerciseInstruction(exercise_); }

void TfrmPotenzenU::generateItem(int item) { powers::PowerExerciseGenerator(exercise_)(item); }

ItemFlags& TfrmPotenzenU::flags(int item) { return Item(item); }

Text TfrmPotenzenU::expectedAnswer(int item) const {
  return JoinExponentDigits(Item(item).Antwort());
}

Text TfrmPotenzenU::solutionText(int item) const {
  return JoinExponentDigits(Item(item).Loesung());
}

KeyFilter TfrmPotenzenU::keyFilter(int item) const {
  QString letters;
  for (const std::size_t i : {1u, 2u}) {
    if (Item(item).Buchst[i] > u' ') letters.append(QChar(Item(item).Buchst[i]));
  }
  return KeyFilter::Terms(letters).with(QStringLiteral("^"));
}

int TfrmPotenzenU::fieldWidth(int item, int /*field*/) const { return Item(item).Feldbreite + 20; }

void TfrmPotenzenU::itemsPrepared() {
  const double rowX = powers::PowerExerciseRowX(exercise_);
  for (int i = 1; i <= itemCount(); ++i) {
    TPotenz& item = Item(i);
    item.Feldbreite = MarkupWidthCaret(item.Antwort(), kRowTextSize, true);
    item.Praefixbreite = MarkupTextWidth(AnswerPrefix(item), kRowTextSize, true);
    placeFieldAfter(i, rowX + item.Praefixbreite / 10.0);
  }
}

void TfrmPotenzenU::pntUebPaint(QPainter& painter) {
  SetExercisePage();
  DrawMarkupCentred(painter, 0, kHintY, powers::PowerExerciseHint(exercise_), kHintSize, true,
                    palette::MarkupColours);
  for (int i = 1; i <= itemCount(); ++i) {
    if (Item(i).Aktiv) drawItem(painter, i);
  }
}

void TfrmPotenzenU::drawItem(QPainter& painter, int i) const {
  const TPotenz& item = Item(i);
  const double x = powers::PowerExerciseRowX(exercise_);
  const double y = RowY(i);
  if (!item.Richtig && !item.Gezeigt) {
    DrawOpenRow(painter, x, y, AnswerPrefix(item), OpenRowMarks::Coloured);
    return;
  }
  // The whole equation: the solution in violet, or the learner's last answer in rose.
  DrawFinishedRow(painter, x, y, answeredLine(i, AnswerPrefix(item), item.Richtig, item.Loesung()),
                  item.Richtig);
}

}  // namespace kalkora
