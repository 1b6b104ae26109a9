#include "topics/terms/like_terms_examples_window.h"

#include <QPainter>

#include "drawing/markup.h"
#include "frame/palette.h"
#include "topics/terms/like_term_generators.h"
#include "topics/terms/like_term_texts.h"
#include "topics/terms/term_record.h"

namespace kalkora {
namespace {

using terms_topic::AddSubTerme;

TTerm& Item(int example) { return AddSubTerme[static_cast<std::size_t>(example)]; }

// The first line of each example (page y); a second line stands 5 units lower.
constexpr double ExampleY(int example) { return 25 - 18 * (example - 1); }

}  // namespace

TfrmAddSubM::TfrmAddSubM()
    : ExampleWindow(WindowDesign{QStringLiteral("frmAddSubM"),
                                 QStringLiteral("Musterbeispiele: Addieren und Subtrahieren"),
                                 QSize(1016, 722)},
                    Layout{}) {}

void TfrmAddSubM::generateExamples() {
  for (int i = 1; i <= kExamples; ++i) {
    terms_topic::AddSubStufe(Level(), i);
    Item(i).Aktiv = true;
  }
}

void TfrmAddSubM::pntPaint(QPainter& painter) {
  SetExamplePage();
  const auto& colours = palette::MarkupColours;
  DrawMarkupCentred(painter, 0, 35, u"Addieren und Subtrahieren von Termen", kTextSize, true,
                    colours);
  for (int i = 1; i <= kExamples; ++i) {
    const double y = ExampleY(i);
    const Text heading = u"~Beispiel " + Text(1, static_cast<char16_t>(u'0' + i)) + u'~';
    DrawMarkupLeft(painter, -45, y, heading, kTextSize, true, colours);
    if (!Item(i).Aktiv) continue;
    double lineY = y;
    for (const Text& line : terms_topic::LikeTermExampleLines(Item(i), Level())) {
      DrawMarkup3(painter, 0, lineY, line, kTextSize, true, colours, /*centred=*/true);
      lineY -= 5;
    }
  }
}

}  // namespace kalkora
