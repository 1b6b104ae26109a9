#include "topics/polynomials/polynomial_examples_window.h"

#include <QAction>
#include <QPainter>

#include "drawing/markup.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "topics/polynomials/polynomial_example_texts.h"
#include "topics/polynomials/polynomial_items.h"
#include "topics/polynomials/polynomial_record.h"
#include "topics/polynomials/polynomial_step_drawing.h"
#include "topics/polynomials/polynomial_steps.h"

namespace kalkora {
namespace {

using polynomials::Schritte;

const TPolynom& Item(int example) {
  return polynomials::Polynom[static_cast<std::size_t>(example)];
}

// Example k (1 … 3) stands beside its heading "Beispiel k" at this page y; a kind-4 example
// has its task 3 units above it and the completed formula 2 units below.
constexpr double HeadingY(int example) { return 29 - 18 * (example - 1); }
constexpr double FirstLineY(int kind, int example) {
  return HeadingY(example) - (kind == 4 ? 1 : 4);
}
constexpr double kLineDistance = 5;

}  // namespace

TfrmPolynomeM::TfrmPolynomeM()
    : ExampleWindow(WindowDesign{QStringLiteral("frmPolynomeM"), QString(), QSize(1016, 722)},
                    DesignedLayout()) {}

ExampleWindow::Layout TfrmPolynomeM::DesignedLayout() {
  Layout layout;
  layout.levelGroup = QRect(10, 655, 250, 55);
  layout.moreButton = QRect(824, 665, 180, 40);
  layout.stepButton = QRect(450, 665, 120, 40);
  layout.instructionLabel = QRect(20, 600, 977, 57);
  layout.stepMenuCaption = QStringLiteral("Schrittweise Darstellung");
  return layout;
}

void TfrmPolynomeM::FormActivate() {
  kind_ = polynomials::SelectedPolynomExample();
  // A display closed in the middle of its steps starts again with the generated examples.
  polynomials::StopSteps(Schritte);
  ExampleWindow::FormActivate();  // the palette, Stufe 1, everything enabled, the examples
  const polynomials::PolynomExampleTexts texts = polynomials::PolynomExampleTextsOf(kind_);
  setWindowTitle(ToQString(texts.caption));
  showInstruction(texts.instruction, palette::palBrown);
  stepMenuItem()->setText(ToQString(texts.menuCaption));
}

void TfrmPolynomeM::generateExamples() { PreparePolynomItems(kExamples, kind_); }

void TfrmPolynomeM::menDarstellungClick() {
  enableChoice(false);
  showStepButton(true);
  polynomials::StartSteps(Schritte, kind_, Level());
  showStepMenuItem(false);
  paintBox()->update();
}

void TfrmPolynomeM::btnWeiterClick() {
  if (!polynomials::NextStep(Schritte)) {
    // After the last step: the same three examples as before the steps.
    showStepMenuItem(true);
    enableChoice(true);
    showStepButton(false);
  }
  paintBox()->update();
}

void TfrmPolynomeM::pntPaint(QPainter& painter) {
  SetExamplePage();
  DrawMarkupCentred(painter, 0, 35, polynomials::PolynomExampleTextsOf(kind_).heading, kTextSize,
                    true, palette::MarkupColours);
  if (Schritte.Schrittweise) {
    const auto steps = polynomials::PolynomSteps(Schritte.kind, Schritte.level, Schritte.values);
    DrawStepShapes(painter, polynomials::PageAtStep(steps, Schritte.SchrittNr));
  } else {
    paintGeneratedExamples(painter);
  }
}

void TfrmPolynomeM::paintGeneratedExamples(QPainter& painter) const {
  const ColourSet& colours = palette::MarkupColours;
  for (int k = 1; k <= kExamples; ++k) {
    const Text heading = u"~Beispiel " + Text(1, static_cast<char16_t>(u'0' + k)) + u'~';
    DrawMarkupLeft(painter, -45, HeadingY(k), heading, kTextSize, true, colours);
    if (!Item(k).Aktiv) continue;
    double y = FirstLineY(kind_, k);
    for (const Text& line : polynomials::PolynomExampleLines(Item(k), kind_)) {
      DrawMarkup6(painter, 0, y, line, kTextSize, true, colours, /*centred=*/true);
      y -= kLineDistance;
    }
  }
}

}  // namespace kalkora
