#include "topics/terms/substitution_examples_window.h"

#include <QPainter>

#include "drawing/markup.h"
#include "frame/palette.h"
#include "topics/terms/substitution_generators.h"
#include "topics/terms/substitution_texts.h"
#include "topics/terms/term_record.h"

namespace kalkora {
namespace {

using terms_topic::EinsetzenTerme;

TTerm& Item(int example) { return EinsetzenTerme[static_cast<std::size_t>(example)]; }

constexpr double kGivenX = -49;
constexpr double kWorkX = -27;

}  // namespace

TfrmEinsetzenM::TfrmEinsetzenM()
    : ExampleWindow(
          WindowDesign{QStringLiteral("frmEinsetzenM"),
                       QStringLiteral("Musterbeispiele: Werte einsetzen"), QSize(1016, 722)},
          Layout{}) {}

void TfrmEinsetzenM::generateExamples() {
  for (int i = 1; i <= kExamples; ++i) {
    terms_topic::EinsetzenStufe(Level(), i);
    Item(i).Aktiv = true;
  }
}

void TfrmEinsetzenM::pntPaint(QPainter& painter) {
  SetExamplePage();
  DrawMarkupCentred(painter, 0, 35, u"Werte in einen Term einsetzen und berechnen", kTextSize, true,
                    palette::MarkupColours);
  DrawMarkupLeft(painter, kGivenX, 31, u"~Beispiel 1~", 20, true, palette::MarkupColours);
  DrawMarkupLeft(painter, kGivenX, 1, u"~Beispiel 2~", 20, true, palette::MarkupColours);
  for (int i = 1; i <= kExamples; ++i) {
    if (Item(i).Aktiv) drawExample(painter, i);
  }
}

void TfrmEinsetzenM::drawExample(QPainter& painter, int example) const {
  const int level = Level();
  const terms_topic::SubstitutionExampleLines lines =
      terms_topic::SubstitutionExample(Item(example), level);
  const double top = example == 1 ? 0 : -30;  // example 2 stands 30 units lower
  const auto& colours = palette::MarkupColours;

  DrawMarkupLeft(painter, kGivenX, top + 27, lines.given, kTextSize, true, colours);
  DrawMarkupLeft(painter, kGivenX, top + 23, lines.wanted, kTextSize, true, colours);
  DrawMarkupLeft(painter, kWorkX, top + 18, lines.term, kTextSize, true, colours);
  if (level == 2) {
    // The first value and its places in rose, the second in olive.
    DrawAlternating(painter, kWorkX, top + 13, lines.substitution, kTextSize, true, colours, false);
  } else {
    DrawTwoColour(painter, kWorkX, top + 13, lines.substitution, kTextSize, true, Qt::black,
                  palette::palRose);
  }
  const double arrowX = level == 3 ? 13 : 23;
  DrawSymbolText(painter, arrowX, top + 13.3, u"Þ", kTextSize, true, Qt::black);
  DrawMarkupLeft(painter, arrowX + 5, top + 13, lines.result, kTextSize, true, colours);
}

}  // namespace kalkora
