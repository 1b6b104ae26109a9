#include "topics/fractions/fraction_examples_window.h"

#include <QPainter>

#include "base/selection.h"
#include "drawing/markup.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "terms/term_letters.h"
#include "topics/fractions/fraction_example_drawing.h"
#include "topics/fractions/fraction_example_rows.h"
#include "topics/fractions/fraction_example_texts.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/fraction_step_drawing.h"
#include "topics/fractions/unlike_example_page.h"
#include "topics/fractions/worked_division.h"

namespace kalkora {
namespace {

TBruchM& Item(int i) { return fractions::Bruch[static_cast<std::size_t>(i)]; }

constexpr int kUnlikeTopic = 5;
constexpr int kDivisionTopic = 8;

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
  explainLetter_ = RandomLetter();
}

bool TfrmBruchM::longDivision() const { return topic_ == kDivisionTopic && Level() >= 2; }

void TfrmBruchM::generateExamples() {
  const int level = Level();
  const fractions::ExamplePlan plan = fractions::PrepareExamplesPlan(topic_, level);
  exampleCount_ = plan.count;
  exampleStep_ = 1;
  explainStep_ = 1;
  explainMode_ = false;
  enableChoice(true);
  enableMoreExamples(plan.moreExamples);
  showStepButton(plan.stepButton);
  showStepMenuItem(plan.stepMenuItem);
  const fractions::ExampleBuilder build = fractions::FractionExampleBuilder(topic_, level);
  for (int i = 1; i <= exampleCount_; ++i) {
    build(i);
    Item(i).Aktiv = true;
  }
  stepCount_ =
      longDivision() ? fractions::WorkedDivisionStepCount(Item(1).TermDiv) : plan.stepCount;
  explainStepCount_ = fractions::ComparisonStepCount(level);
  showStepInstruction();
}

void TfrmBruchM::showStepInstruction() {
  // The long division and its comparison explain in the page's sentences; topics 1 and 2
  // explain nothing: the label stays empty and hides nothing drawn under it.
  const Text text = longDivision()
                        ? Text{}
                        : fractions::FractionExampleInstruction(topic_, Level(), exampleStep_);
  showInstruction(text, palette::palPurple);
}

void TfrmBruchM::btnWeiterClick() {
  if (explainMode_) {
    ++explainStep_;
    if (explainStep_ >= explainStepCount_) {
      // The choice first: the keyboard leaves the hidden "Weiter" for a control that is free.
      enableChoice(true);
      showStepButton(false);
    }
  } else {
    ++exampleStep_;
    enableChoice(false);
    if (exampleStep_ >= stepCount_) {
      enableChoice(true);
      showStepButton(false);
    }
    showStepInstruction();
  }
  paintBox()->update();
}

void TfrmBruchM::menDarstellungClick() {
  if (!longDivision()) return;
  explainStep_ = 1;
  comparison_ = fractions::MakeComparison(Level(), explainLetter_);
  explainStepCount_ = fractions::ComparisonStepCount(Level());
  enableChoice(false);
  showStepButton(true);
  explainMode_ = true;
  showStepMenuItem(false);
  paintBox()->update();
}

void TfrmBruchM::pntPaint(QPainter& painter) {
  SetExamplePage();
  const auto& colours = palette::MarkupColours;
  if (explainMode_) {
    DrawComparison(painter, fractions::ComparisonAt(comparison_, explainStep_));
    return;
  }
  const int level = Level();
  DrawMarkupCentred(painter, 0, 35, fractions::FractionExampleHeading(topic_, level), kTextSize,
                    true, colours);
  if (const Text note = fractions::FractionExampleNote(topic_); !note.empty()) {
    DrawMarkupCentred(painter, 0, -25, note, 16, true, colours);
  }
  for (const fractions::ExampleLabel& label :
       fractions::FractionExampleLabels(topic_, exampleCount_)) {
    DrawMarkupLeft(painter, -49, label.y, label.text, kTextSize, true, colours);
  }
  if (topic_ == kUnlikeTopic) {
    DrawUnlikeExample(painter, fractions::UnlikeExampleAt(Item(1), exampleStep_));
    return;
  }
  if (longDivision()) {
    DrawWorkedDivision(painter, Item(1).TermDiv, exampleStep_);
    return;
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
