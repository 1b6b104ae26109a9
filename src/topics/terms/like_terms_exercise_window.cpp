#include "topics/terms/like_terms_exercise_window.h"

#include <QPainter>

#include "base/selection.h"
#include "drawing/markup.h"
#include "frame/captions.h"
#include "frame/palette.h"
#include "practice/practice_run.h"
#include "topics/terms/like_term_generators.h"
#include "topics/terms/like_term_texts.h"
#include "topics/terms/term_record.h"

namespace kalkora {
namespace {

using terms_topic::AddSubTerme;

// Where the task, which is also the answer prefix, starts (page x).
constexpr double kPrefixX = -20;
constexpr double kHintY = -28;
constexpr int kHintSize = 16;

// The "$" markers draw the sentence in the fourth colour of the set, purple.
constexpr TextView kOrderHint = u"$Gib das Ergebnis alphabetisch aufsteigend sortiert ein.$";

TTerm& Item(int item) { return AddSubTerme[static_cast<std::size_t>(item)]; }

}  // namespace

TfrmAddSubU::TfrmAddSubU()
    : ExerciseWindow(
          WindowDesign{QStringLiteral("frmAddSubU"), QStringLiteral(""), QSize(1016, 722)},
          Layout{.counterHeight = 60}) {}

int TfrmAddSubU::Level() {
  const int level = selection::selLikeTermsLevel;
  return level >= 1 && level <= 3 ? level : 1;
}

QString TfrmAddSubU::caption() const {
  return QStringLiteral("Übungsbeispiele: Addieren und Subtrahieren") + LevelSuffix(Level());
}

Text TfrmAddSubU::instruction() const { return practice::InstructionTerms(); }

void TfrmAddSubU::generateItem(int item) { terms_topic::AddSubStufe(Level(), item); }

ItemFlags& TfrmAddSubU::flags(int item) { return Item(item); }

Text TfrmAddSubU::expectedAnswer(int item) const { return Item(item).Antwort; }

Text TfrmAddSubU::solutionText(int item) const { return Item(item).Loesung; }

KeyFilter TfrmAddSubU::keyFilter(int item) const {
  return KeyFilter::Terms(QString(QChar(Item(item).Var1)) + QChar(Item(item).Var2));
}

int TfrmAddSubU::fieldWidth(int item, int /*field*/) const { return Item(item).Feldbreite + 20; }

void TfrmAddSubU::itemsPrepared() {
  for (int i = 1; i <= itemCount(); ++i) {
    TTerm& item = Item(i);
    item.Feldbreite = MarkupWidthCaret(item.Antwort, kRowTextSize, true);
    item.Praefixbreite = MarkupWidth(terms_topic::LikeTermAnswerPrefix(item), kRowTextSize, true);
    placeFieldAfter(i, kPrefixX + item.Praefixbreite / 10.0);
  }
}

void TfrmAddSubU::pntUebPaint(QPainter& painter) {
  SetExercisePage();
  DrawMarkupCentred(painter, 0, kHintY, kOrderHint, kHintSize, true, palette::MarkupColours);
  for (int i = 1; i <= itemCount(); ++i) {
    if (Item(i).Aktiv) drawItem(painter, i);
  }
}

void TfrmAddSubU::drawItem(QPainter& painter, int i) const {
  const TTerm& item = Item(i);
  const double y = RowY(i);
  if (item.Richtig || item.Gezeigt) {
    // The task with the solution in violet, or with the learner's wrong text in rose.
    DrawFinishedRow(
        painter, kPrefixX, y,
        answeredLine(i, terms_topic::LikeTermAnswerPrefix(item), item.Richtig, item.Loesung),
        item.Richtig);
  } else {
    DrawOpenRow(painter, kPrefixX, y, terms_topic::LikeTermAnswerPrefix(item),
                Level() == 3 ? OpenRowMarks::Black : OpenRowMarks::Coloured);
  }
}

}  // namespace kalkora
