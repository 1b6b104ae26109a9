// The three concept pages drawn onto an image as pnt shows them: texts spelt, placed and
// coloured as the pages give them, the figure of a power with its circle and pointer lines,
// fraction bars, and nothing for a topic the menu never sets.

#include <gtest/gtest.h>

#include "drawing/fraction_expression.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "frame/palette.h"
#include "image_probe.h"
#include "reference/concept_pages.h"
#include "reference_probe.h"

namespace kalkora {
namespace {

using test::Drawing;
using test::Drawn;

constexpr QSize kPage(1000, 700);
const QColor kBlack(0, 0, 0);

QImage conceptPage(int topic) {
  SetPalette();
  return Drawn(kPage, [topic](QPainter& canvas) { DrawConceptPage(canvas, topic); });
}

// A text as the page should draw it, drawn alone on the concept page.
struct Shown {
  int topic;
  TextView text;
  Drawing draw;
};
void PrintTo(const Shown& shown, std::ostream* out) { *out << Utf8FromText(shown.text); }

void onPage() { SetPage(-50, 50, -35, 35, 1000, 700); }

Shown left(int topic, double x, double y, int size, TextView text) {
  return {topic, text, [=](QPainter& c) {
            onPage();
            DrawMarkupLeft(c, x, y, text, size, true, palette::MarkupColours);
          }};
}
Shown twoColour(int topic, double x, double y, int size, TextView text) {
  return {topic, text, [=](QPainter& c) {
            onPage();
            DrawTwoColour(c, x, y, text, size, true, kBlack, palette::palRose);
          }};
}
Shown title(int topic, double x, double y, int size, TextView text) {
  return {topic, text, [=](QPainter& c) {
            onPage();
            DrawTitle(c, x, y, text, size, true, kBlack, palette::palRose);
          }};
}
Shown alternating(int topic, double y, TextView text) {
  return {topic, text, [=](QPainter& c) {
            onPage();
            DrawAlternating(c, 0, y, text, 16, true, palette::MarkupColours, true);
          }};
}
Shown fraction(int topic, double x, double y, TextView text) {
  return {topic, text, [=](QPainter& c) {
            onPage();
            DrawFractionExpr(c, x, y, text, 12, kBlack);
          }};
}

class ConceptText : public ::testing::TestWithParam<Shown> {};

TEST_P(ConceptText, StandsAsThePageGivesIt) {
  SetPalette();
  const QImage alone = Drawn(kPage, GetParam().draw);
  EXPECT_TRUE(test::ShowsTextAsAlone(conceptPage(GetParam().topic), alone));
}

// Every heading, the lines whose spelling is the page's own ("eine Quadrats", "engesetzt", no
// "?" after "Bruchterm"), "heißt" with its ß as a letter, the coloured lines and fractions.
INSTANTIATE_TEST_SUITE_P(
    Pages, ConceptText,
    ::testing::Values(
        left(1, -49, 35, 16, u"Was ist ein Term?"),
        twoColour(1, -49, 31.5, 12,
                  u"Ein Term ist ein #sinnvoller Rechenausdruck# (Rechenanweisung), in "
                  u"dem #Zahlen#, #Variablen#, #Rechen–# und #Vorzeichen#"),
        left(1, -49, 26, 16, u"Beispiele"), left(1, -31, 22.5, 12, u"s^2 + 5·s·t + 2·t^2"),
        fraction(1, -15, 21.5, u"{z + 2/3 - z}"), fraction(1, -5, 21.5, u"{5/2}·b +{c/3}"),
        fraction(1, 15, 21.5, u"{2/a – 1}"), left(1, -49, 19, 16, u"Definitionsmenge"),
        left(1, -49, 2, 16, u"Einteilung der Terme"),
        twoColour(1, -49, -9, 12, u"Mehrgliedrige Terme (#Polynome#)"),
        left(1, -20, -9, 12, u"z.B.: 5·a + b·c + 2·d + 1, x + 5·y – 3·z – 2·s + 9·t"),
        left(1, -49, -13, 16, u"Schreibweisen"),
        left(1, -15, -19, 12, u"Sprich: T von x und y bzw. T von a und b"),
        left(1, -49, -23, 16, u"Bezeichnungen"),
        title(1, -2, -26, 12, u"Vorzahlen (#Koeffizienten#)"),
        title(1, 0, -32.5, 20, u"#–9#·x + #8#·y"), left(2, -49, 35, 16, u"Potenzschreibweise"),
        left(2, -49, 30.75, 12, u"Die Formel für den Flächeninhalt eine Quadrats lautet:"),
        title(2, 0, 27, 12, u"Das Multiplizieren gleicher Faktoren heißt #Potenzieren#."),
        left(2, 35, 31.5, 20, u"A = s^2"), left(2, -49, 23, 16, u"Bezeichnungen"),
        twoColour(2, -10, 22, 16, u"Hochzahl (#Exponent#)"), left(2, -49, 1, 16, u"Sprechweise"),
        alternating(2, -3, u"7^2 ist #7 Quadrat# oder #7 hoch 2#"),
        alternating(2, -7, u"4^3 ist #4 zur Dritten# oder #4 hoch 3#"),
        alternating(2, -11, u"5,2^4 ist #5,2 zur Vierten# oder #5,2 hoch 4#"),
        left(2, -49, -16, 16, u"Potenzieren negativer Zahlen"),
        twoColour(2, -49, -25, 12,
                  u"Eine #Potenz# einer negativen Zahl ergibt eine #negative Zahl#, "
                  u"wenn die #Hochzahl ungerade# ist."),
        twoColour(2, 25, -25, 14, u"(–2)^3 = (–2)·(–2)·(–2) = –8"),
        left(3, -49, 35, 16, u"Was ist ein Bruchterm"),
        twoColour(3, -49, 31.5, 12,
                  u"Terme in denen im Nenner Variablen auftreten, nennt man "
                  u"#Bruchterme#."),
        left(3, -49, 26, 16, u"Beispiele"), fraction(3, -8, 21, u"{3·c + 5 d/–5·c – 7·d}"),
        fraction(3, 18, 21, u"{3·z^3 – 27·z/6·z^2 + 18·z}"),
        left(3, -49, 16, 16, u"Definitionsmenge"),
        left(3, -49, 12, 12,
             u"Für die Variablen in den obigen Termen dürfen nicht alle Zahlen "
             u"engesetzt werden.")));

// A colour that must (or must not) appear in a place of a page, in pixels of pnt.
struct Colour {
  int topic;
  const char* where;
  QColor (*colour)();
  QRect area;
  bool present;
};
void PrintTo(const Colour& c, std::ostream* out) { *out << "topic " << c.topic << ": " << c.where; }

QColor rose() { return palette::palRose; }
QColor olive() { return palette::palOlive; }
QColor violet() { return palette::palViolet; }
QColor orange() { return palette::palOrange; }
QColor paleGreen() { return palette::palPaleGreen; }
QColor darkGreen() { return palette::palDarkGreen; }
QColor blue() { return QColor(0, 0, 255); }
QColor black() { return kBlack; }

class ConceptColour : public ::testing::TestWithParam<Colour> {};

TEST_P(ConceptColour, AppearsWhereThePageColoursIt) {
  const Colour& c = GetParam();
  const QImage page = conceptPage(c.topic);
  const int count = test::CountColour(page, c.colour(), c.area);
  if (c.present) {
    EXPECT_GT(count, 0) << c.where;
  } else {
    EXPECT_EQ(count, 0) << c.where;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ConceptColour,
    ::testing::Values(
        // Terms: the coefficients –9 and 8 and the lines from their label down to them.
        Colour{1, "coefficients", rose, QRect(430, 675, 140, 25), true},
        Colour{1, "pointer to –9", black, QRect(439, 647, 3, 3), true},
        Colour{1, "pointer to 8", black, QRect(489, 647, 3, 3), true},
        Colour{1, "no olive", olive, {}, false},
        // Powers: r^n in a pale green circle with a black outline, n olive; the pointer lines
        // rose (base), blue (exponent) and dark green (power).
        Colour{2, "inside the circle", paleGreen, QRect(524, 259, 3, 3), true},
        Colour{2, "circle outline", black, QRect(549, 229, 3, 3), true},
        Colour{2, "exponent n", olive, QRect(500, 190, 40, 50), true},
        Colour{2, "base r", rose, QRect(470, 200, 40, 60), true},
        Colour{2, "line to the base", rose, QRect(453, 269, 3, 3), true},
        Colour{2, "line to the exponent", blue, QRect(524, 175, 3, 3), true},
        Colour{2, "line to the circle", darkGreen, QRect(434, 222, 3, 3), true},
        Colour{2, "first phrases", rose, QRect(0, 380, 1000, 110), true},
        Colour{2, "second phrases", olive, QRect(0, 380, 1000, 110), true},
        // "heißt" drawn as a text whose "ß" switched colours would turn orange.
        Colour{2, "no orange", orange, {}, false}, Colour{2, "no violet", violet, {}, false},
        // Fractional terms: only "Bruchterme" is rose.
        Colour{3, "Bruchterme", rose, QRect(0, 35, 1000, 20), true},
        Colour{3, "rose only in the first line", rose, QRect(0, 60, 1000, 640), false},
        Colour{3, "no olive", olive, {}, false}));

// The stacked fractions of 12 points: bars two pixel rows thick at the height the page gives.
struct Bars {
  int topic;
  double y;
  std::vector<double> xs;
};
void PrintTo(const Bars& bars, std::ostream* out) { *out << "topic " << bars.topic; }

class ConceptFractionBars : public ::testing::TestWithParam<Bars> {};

TEST_P(ConceptFractionBars, AreTwoRowsThickAtTheirHeight) {
  const QImage page = conceptPage(GetParam().topic);
  const int row = 350 - static_cast<int>(GetParam().y * 10);
  const auto black = [&](int x, int y) { return (page.pixel(x, y) & 0xFFFFFF) == 0; };
  for (const double x : GetParam().xs) {
    const int left = 500 + static_cast<int>(x * 10);
    int length = 0;
    while (black(left + length, row) && black(left + length, row + 1)) ++length;
    EXPECT_GE(length, 8) << "bar at x " << x;
    int fullAbove = 0, fullBelow = 0;
    for (int i = 0; i < length; ++i) {
      fullAbove += black(left + i, row - 1);
      fullBelow += black(left + i, row + 2);
    }
    EXPECT_LT(fullAbove, length) << "bar at x " << x;
    EXPECT_LT(fullBelow, length) << "bar at x " << x;
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, ConceptFractionBars,
                         ::testing::Values(Bars{1, 21.5, {-15, -5, 6, 15}},
                                           Bars{3, 21, {-49, -39, -29, -19, -8, 4, 18}}));

TEST(ConceptPage, IsEmptyForATopicTheMenuNeverSets) {
  for (const int topic : {0, 4, -1}) {
    EXPECT_TRUE(test::InkBox(conceptPage(topic)).isEmpty()) << topic;
  }
}

}  // namespace
}  // namespace kalkora
