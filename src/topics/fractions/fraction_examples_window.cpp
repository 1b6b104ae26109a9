#include "topics/fractions/fraction_examples_window.h"

#include <QPainter>

#include "base/selection.h"
#include "drawing/markup.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "topics/fractions/fraction_example_drawing.h"
#include "topics/fractions/fraction_example_rows.h"
#include "topics/fractions/fraction_example_texts.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora {
namespace {

TBruchM& Item(int i) { return fractions::Bruch[static_cast<std::size_t>(i)]; }

}  // namespace

TfrmBruchM::TfrmBruchM()
    : ExampleWindow(WindowDesign{QStringLiteral("frmBruchM"),
                                 ToQString(fractions::FractionExamplesCaption()), QSize(1016, 722)},
                    DesignedLayout()) {}

ExampleWindow::Layout TfrmBruchM::DesignedLayout() {
  Layout layout;
  layout.paintBox = QRect(10, 10, 1000, 700);
  layout.levelGroup = QRect(10, 655, 250, 55);
  layout.moreButton = QRect(824, 665, 180, 40);
  layout.stepButton = QRect(450, 665, 120, 40);
  layout.instructionLabel = QRect(10, 610, 1000, 50);
  layout.stepMenuCaption = QStringLiteral("Schrittweise Erklärung");
  return layout;
}

void TfrmBruchM::FormActivate() {
  const int topic = selection::selFractionExample;
  topic_ = topic >= 1 && topic <= fractions::kFractionExampleTopics ? topic : 1;
  ExampleWindow::FormActivate();  // the palette, Stufe 1, PrepareExamples
}

void TfrmBruchM::generateExamples() {
  const int level = Level();
  const fractions::ExamplePlan plan = fractions::PrepareExamplesPlan(topic_, level);
  const fractions::ExampleBuilder build = fractions::FractionExampleBuilder(topic_, level);
  exampleCount_ = plan.count;
  exampleStep_ = 1;
  stepCount_ = plan.stepCount;
  pageBuilt_ = build != nullptr;
  // A stepwise page that is not built here has nothing to step through and nothing to explain.
  showStepButton(pageBuilt_ && plan.stepButton);
  showStepMenuItem(pageBuilt_ && plan.stepMenuItem);
  enableMoreExamples(plan.moreExamples);
  for (int i = 1; i <= exampleCount_; ++i) {
    if (pageBuilt_) build(i);
    Item(i).Aktiv = pageBuilt_;
  }
  // Topics 1 and 2 explain nothing in the label: it stays empty, so it hides nothing drawn
  // under it (the note of the cancelling page stands there).
  showInstruction(
      pageBuilt_ ? fractions::FractionExampleInstruction(topic_, level, exampleStep_) : Text{},
      palette::palPurple);
}

void TfrmBruchM::pntPaint(QPainter& painter) {
  SetExamplePage();
  const auto& colours = palette::MarkupColours;
  const int level = Level();
  DrawMarkupCentred(painter, 0, 35, fractions::FractionExampleHeading(topic_, level), kTextSize,
                    true, colours);
  if (!pageBuilt_) return;
  if (const Text note = fractions::FractionExampleNote(topic_); !note.empty()) {
    DrawMarkupCentred(painter, 0, -25, note, 16, true, colours);
  }
  for (const fractions::ExampleLabel& label :
       fractions::FractionExampleLabels(topic_, exampleCount_)) {
    DrawMarkupLeft(painter, -49, label.y, label.text, kTextSize, true, colours);
  }
  for (int i = 1; i <= exampleCount_; ++i) {
    if (!Item(i).Aktiv) continue;
    for (const fractions::ExampleRow& row :
         fractions::FractionExampleRows(Item(i), topic_, level, i)) {
      DrawExampleRow(painter, row);
    }
  }
}

}  // namespace kalkora
