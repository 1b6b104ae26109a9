#include "topics/powers/power_examples_window.h"

#include <QPainter>

#include "drawing/markup.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "topics/powers/power_example_drawing.h"
#include "topics/powers/power_example_lines.h"
#include "topics/powers/power_record.h"

namespace kalkora {
namespace {

using powers::PowerRule;

TPotenz& Item(int example) { return powers::Potenzen[static_cast<std::size_t>(example)]; }

// The heading "Beispiel n" of example n (1 … 3) stands at this page y.
constexpr double HeadingY(int example) { return 25 - 18 * (example - 1); }

// The page y of an example's first line: beside its heading, a little lower where a single
// line of powers is drawn, and under the heading for the long sums of add/subtract levels 2
// and 3. A further line stands 5 units lower.
double FirstLineY(PowerRule rule, int level, int example) {
  const double heading = HeadingY(example);
  switch (rule) {
    case PowerRule::Raise: return level == 3 ? heading : heading + 0.2;
    case PowerRule::AddSub: return level == 1 ? heading + 0.2 : heading - 4.8;
    case PowerRule::Multiply:
    case PowerRule::Divide: break;
  }
  return heading;
}
constexpr double kLineDistance = 5;

}  // namespace

TfrmPotenzenM::TfrmPotenzenM()
    : ExampleWindow(WindowDesign{QStringLiteral("frmPotenzenM"), QString(), QSize(1016, 722)},
                    DesignedLayout()) {}

ExampleWindow::Layout TfrmPotenzenM::DesignedLayout() {
  Layout layout;
  layout.levelGroup = QRect(20, 655, 257, 55);
  layout.instructionLabel = QRect(20, 600, 977, 41);  // the rule text
  return layout;
}

void TfrmPotenzenM::FormActivate() {
  rule_ = powers::SelectedPowerRule();
  ExampleWindow::FormActivate();  // the palette, Stufe 1, the examples of the rule
  setWindowTitle(ToQString(powers::PowerExampleCaption(rule_)));
  showInstruction(powers::PowerExampleRuleText(rule_), palette::palBrown);
}

void TfrmPotenzenM::generateExamples() {
  const powers::PowerGenerator generate = powers::PowerExampleGenerator(rule_, Level());
  for (int i = 1; i <= kExamples; ++i) {
    generate(i);
    TPotenz& item = Item(i);
    item.Aktiv = true;
    item.Richtig = false;
    item.Gezeigt = false;
  }
}

void TfrmPotenzenM::pntPaint(QPainter& painter) {
  SetExamplePage();
  const auto& colours = palette::MarkupColours;
  DrawMarkupCentred(painter, 0, 35, powers::PowerExampleTitle(rule_), kTextSize, true, colours);
  const int level = Level();
  for (int i = 1; i <= kExamples; ++i) {
    const Text heading = u"~Beispiel " + Text(1, static_cast<char16_t>(u'0' + i)) + u'~';
    DrawMarkupLeft(painter, -45, HeadingY(i), heading, kTextSize, true, colours);
    if (!Item(i).Aktiv) continue;
    double y = FirstLineY(rule_, level, i);
    for (const powers::PowerExampleLine& line : powers::PowerExampleLines(Item(i), rule_, level)) {
      DrawPowerExampleLine(painter, y, line);
      y -= kLineDistance;
    }
  }
}

}  // namespace kalkora
