#include "topics/terms/substitution_exercise_window.h"

#include <QPainter>

#include "base/selection.h"
#include "drawing/markup.h"
#include "frame/captions.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "practice/practice_run.h"
#include "topics/terms/substitution_generators.h"
#include "topics/terms/substitution_texts.h"
#include "topics/terms/term_record.h"

namespace kalkora {
namespace {

using terms_topic::EinsetzenTerme;

constexpr double kTaskX = -35;

// Where the answer prefix starts (page x).
double PrefixX(int level) {
  switch (level) {
    case 2: return 5;
    case 3: return 8;
    default: return 9;
  }
}

TTerm& Item(int item) { return EinsetzenTerme[static_cast<std::size_t>(item)]; }

}  // namespace

TfrmEinsetzenU::TfrmEinsetzenU()
    : ExerciseWindow(
          WindowDesign{QStringLiteral("frmEinsetzenU"), QStringLiteral(""), QSize(1016, 722)},
          Layout{}) {}

int TfrmEinsetzenU::Level() {
  const int level = selection::selSubstLevel;
  return level >= 1 && level <= 3 ? level : 1;
}

QString TfrmEinsetzenU::caption() const {
  return QStringLiteral("Übungsbeispiele: Werte einsetzen") + LevelSuffix(Level());
}

Text TfrmEinsetzenU::instruction() const {
  return Level() == 3 ? practice::InstructionTerms() : practice::InstructionNumbers();
}

void TfrmEinsetzenU::generateItem(int item) { terms_topic::EinsetzenStufe(Level(), item); }

ItemFlags& TfrmEinsetzenU::flags(int item) { return Item(item); }

Text TfrmEinsetzenU::expectedAnswer(int item) const { return Item(item).Antwort; }

Text TfrmEinsetzenU::solutionText(int item) const { return Item(item).Loesung; }

KeyFilter TfrmEinsetzenU::keyFilter(int item) const {
  if (Level() != 3) return KeyFilter::Numbers();
  return KeyFilter::Terms(QString(QChar(Item(item).Var1)));
}

int TfrmEinsetzenU::fieldWidth(int item, int /*field*/) const { return Item(item).Feldbreite + 20; }

void TfrmEinsetzenU::itemsPrepared() {
  const int level = Level();
  for (int i = 1; i <= itemCount(); ++i) {
    TTerm& item = Item(i);
    item.Praefixbreite =
        MarkupWidth(terms_topic::SubstitutionAnswerPrefix(item, level), kRowTextSize, true);
    placeFieldAfter(i, PrefixX(level) + item.Praefixbreite / 10.0);
  }
}

void TfrmEinsetzenU::pntUebPaint(QPainter& painter) {
  SetExercisePage();
  for (int i = 1; i <= itemCount(); ++i) {
    if (Item(i).Aktiv) drawItem(painter, i);
  }
}

void TfrmEinsetzenU::drawItem(QPainter& painter, int i) const {
  const int level = Level();
  const TTerm& item = Item(i);
  const double y = RowY(i);
  const double prefixX = PrefixX(level);
  DrawMarkupLeft(painter, kTaskX, y, terms_topic::SubstitutionTaskText(item, level), kRowTextSize,
                 true, palette::MarkupColours);

  if (item.Richtig || item.Gezeigt) {
    // The answer after the prefix: the solution in violet, or the learner's wrong text in rose.
    DrawFinishedRow(painter, prefixX, y,
                    answeredLine(i, terms_topic::SubstitutionAnswerPrefix(item, level),
                                 item.Richtig, item.Loesung),
                    item.Richtig);
  } else {
    DrawOpenRow(painter, prefixX, y, terms_topic::SubstitutionOpenPrefix(item, level),
                level == 3 ? OpenRowMarks::Black : OpenRowMarks::Coloured);
  }
}

}  // namespace kalkora
