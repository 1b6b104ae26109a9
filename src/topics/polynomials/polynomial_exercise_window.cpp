#include "topics/polynomials/polynomial_exercise_window.h"

#include <QPainter>

#include "base/selection.h"
#include "drawing/fonts.h"
#include "drawing/markup.h"
#include "frame/captions.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "terms/term_exponents.h"
#include "topics/polynomials/polynomial_exercise_texts.h"
#include "topics/polynomials/polynomial_items.h"
#include "topics/polynomials/polynomial_record.h"

namespace kalkora {
namespace {

using polynomials::Polynom;

TPolynom& Item(int item) { return Polynom[static_cast<std::size_t>(item)]; }

}  // namespace

TfrmPolynomeU::TfrmPolynomeU()
    : ExerciseWindow(
          WindowDesign{QStringLiteral("frmPolynomeU"), QStringLiteral(""), QSize(1016, 722)}, [] {
            Layout layout;  // the answer fields are designed at x 500
            layout.fieldLeft = 500;
            return layout;
          }()) {}

void TfrmPolynomeU::makeChildren() {
  ExerciseWindow::makeChildren();
  lblZusatz_ = new QLabel(clientArea());
  lblZusatz_->setObjectName("lblZusatz");
  lblZusatz_->setGeometry(10, 586, 1000, 65);
  lblZusatz_->setAlignment(Qt::AlignCenter);
  lblZusatz_->setWordWrap(true);
  lblZusatz_->setFont(ArialPixelFont(21, true));
  lblZusatz_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

int TfrmPolynomeU::Kind() {
  const int kind = selection::selPolyExercise;
  return kind == 1 || kind == 2 || kind == 3 || kind == 5 ? kind : 1;
}

int TfrmPolynomeU::Level() {
  const int level = selection::selLevel;
  return level >= 1 && level <= 3 ? level : 1;
}

void TfrmPolynomeU::FormActivate() {
  lblZusatz_->clear();
  ExerciseWindow::FormActivate();  // sets the palette first
  QPalette colours = lblZusatz_->palette();
  colours.setColor(QPalette::WindowText, palette::palPurple);
  lblZusatz_->setPalette(colours);
  showHint();
}

void TfrmPolynomeU::showHint() {
  const QString hint = ToQString(polynomial_exercise::Hint(Kind(), Level()));
  if (lblZusatz_->text() != hint) lblZusatz_->setText(hint);
}

QString TfrmPolynomeU::caption() const {
  return QStringLiteral("Übungsbeispiele: Polynome – ") +
         ToQString(polynomial_exercise::KindName(Kind())) + LevelSuffix(Level());
}

Text TfrmPolynomeU::instruction() const { return polynomial_exercise::Instruction(); }

void TfrmPolynomeU::generateItem(int item) {
  const PolynomGenerator generator = PolynomGeneratorFor(Kind(), Level());
  if (generator != nullptr) generator(item);
}

ItemFlags& TfrmPolynomeU::flags(int item) { return Item(item); }

Text TfrmPolynomeU::expectedAnswer(int item) const {
  return JoinExponentDigits(Item(item).Antwort);
}

Text TfrmPolynomeU::solutionText(int item) const { return JoinExponentDigits(Item(item).Loesung); }

KeyFilter TfrmPolynomeU::keyFilter(int item) const {
  return KeyFilter::Terms(ToQString(PolynomAnswerLetters(Kind(), Level(), Item(item))))
      .with(QStringLiteral("^"));
}

int TfrmPolynomeU::fieldWidth(int item, int /*field*/) const { return Item(item).Feldbreite + 20; }

void TfrmPolynomeU::itemsPrepared() {
  const int kind = Kind();
  const double prefixX = polynomial_exercise::PrefixX(kind, Level());
  for (int i = 1; i <= itemCount(); ++i) {
    TPolynom& item = Item(i);
    item.Feldbreite = MarkupWidthCaret(item.Antwort, kRowTextSize, true);
    item.Praefixbreite =
        MarkupWidth(polynomial_exercise::AnswerPrefix(kind, item), kRowTextSize, true);
    placeFieldAfter(i, prefixX + item.Praefixbreite / 10.0);
  }
}

void TfrmPolynomeU::pntUebPaint(QPainter& painter) {
  showHint();
  SetExercisePage();
  for (int i = 1; i <= itemCount(); ++i) {
    if (Item(i).Aktiv) drawItem(painter, i);
  }
}

void TfrmPolynomeU::drawItem(QPainter& painter, int i) const {
  const int kind = Kind();
  const TPolynom& item = Item(i);
  const double x = polynomial_exercise::PrefixX(kind, Level());
  const double y = RowY(i);
  if (!item.Richtig && !item.Gezeigt) {
    DrawOpenRow(painter, x, y, polynomial_exercise::AnswerPrefix(kind, item), OpenRowMarks::Black);
    return;
  }
  DrawFinishedRow(painter, x, y,
                  polynomial_exercise::AnsweredLine(kind, item, ToText(typedText(i))),
                  item.Richtig);
}

}  // namespace kalkora
