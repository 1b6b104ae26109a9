// The polynomial exercise as a learner meets it: opened from the main window's menu for each
// kind and level, answers typed with one caret for two-digit exponents, the drawn rows, the
// hint line and the key filter.

#include "topics/polynomials/polynomial_exercise_window.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "base/random.h"
#include "base/shared_functions.h"
#include "exercise_test.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "terms/term_exponents.h"
#include "topics/polynomials/polynomial_exercise_texts.h"
#include "topics/polynomials/polynomial_items.h"
#include "topics/polynomials/polynomial_record.h"

namespace kalkora {
namespace {

using polynomials::Polynom;
using test::ProcessEvents;

const TPolynom& Item(int i) { return Polynom[static_cast<std::size_t>(i)]; }

// What a learner types for the expected answer: one caret per exponent, "-" for the en dash.
QString TypedAnswer(int i) { return test::Typed(JoinExponentDigits(Item(i).Antwort)); }

struct Opening {
  const char* menu;
  int kind;
  int level;
  const char* caption;
  double prefixX;  // page x of the task
};

const std::vector<Opening>& Openings() {
  static const std::vector<Opening> openings{
      {"menStufe1Mon", 1, 1, "Übungsbeispiele: Polynome – Polynom·Monom (Stufe 1)", -30},
      {"menStufe2Mon", 1, 2, "Übungsbeispiele: Polynome – Polynom·Monom (Stufe 2)", -30},
      {"menStufe3Mon", 1, 3, "Übungsbeispiele: Polynome – Polynom·Monom (Stufe 3)", -30},
      {"menStufe1Poly", 2, 1, "Übungsbeispiele: Polynome – Polynom·Polynom (Stufe 1)", -30},
      {"menStufe2Poly", 2, 2, "Übungsbeispiele: Polynome – Polynom·Polynom (Stufe 2)", -30},
      {"menStufe3Poly", 2, 3, "Übungsbeispiele: Polynome – Polynom·Polynom (Stufe 3)", -35},
      {"menStufe1Bin", 3, 1, "Übungsbeispiele: Polynome – Formeln für Binome (Stufe 1)", -10},
      {"menStufe2Bin", 3, 2, "Übungsbeispiele: Polynome – Formeln für Binome (Stufe 2)", -20},
      {"menStufe3Bin", 3, 3, "Übungsbeispiele: Polynome – Formeln für Binome (Stufe 3)", -10},
      {"menStufe1Heraus", 5, 1, "Übungsbeispiele: Polynome – Herausheben (Stufe 1)", -20},
      {"menStufe2Heraus", 5, 2, "Übungsbeispiele: Polynome – Herausheben (Stufe 2)", -30},
      {"menStufe3Heraus", 5, 3, "Übungsbeispiele: Polynome – Herausheben (Stufe 3)", -38},
  };
  return openings;
}

class PolynomialWindowTest : public test::ExerciseTest {
 protected:
  void open(const char* menu) {
    window = qobject_cast<TfrmPolynomeU*>(openExercise(QString::fromUtf8(menu)));
    ASSERT_NE(window, nullptr);
  }
  void close() {
    closeExercise();
    window = nullptr;
  }

  TfrmPolynomeU* window = nullptr;
};

TEST_F(PolynomialWindowTest, OpensEachKindAndLevelFromTheMenu) {
  const QString instruction = QString::fromUtf8(
      "Gib den jeweiligen Term ohne Multiplikationszeichen ein\n"
      "Drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!");
  for (const Opening& o : Openings()) {
    SCOPED_TRACE(o.menu);
    open(o.menu);
    EXPECT_EQ(TfrmPolynomeU::Kind(), o.kind);
    EXPECT_EQ(TfrmPolynomeU::Level(), o.level);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(o.caption));
    EXPECT_EQ(label("lblAnzeige"), instruction);
    EXPECT_FALSE(label("lblZusatz").isEmpty());
    EXPECT_EQ(label("lblDurchgang"), "1 / 3");
    const int prefixPixel = 500 + static_cast<int>(10 * o.prefixX);
    for (int i = 1; i <= 5; ++i) {
      SCOPED_TRACE(i);
      const TPolynom& item = Item(i);
      AnswerField* field = window->answerField(i);
      EXPECT_TRUE(item.Aktiv);
      EXPECT_FALSE(item.Antwort.empty());
      EXPECT_TRUE(field->isVisible());
      EXPECT_TRUE(field->text().isEmpty());
      // The field is at least as wide as the answer with its carets and follows the measured
      // task.
      EXPECT_GT(item.Feldbreite, 10);
      EXPECT_GE(field->width(), item.Feldbreite + 20);
      EXPECT_GT(item.Praefixbreite, 40);
      EXPECT_EQ(field->x(), 10 + prefixPixel + item.Praefixbreite + 10);
      EXPECT_EQ(field->y(), 100 * i + 20);
      // Only the task is drawn, in black, and it ends left of the field.
      EXPECT_GT(pixelsInRow(i, Qt::black, prefixPixel), 20);
      EXPECT_EQ(pixelsInRow(i, Qt::black, field->x() - 10 + 5), 0);
      EXPECT_EQ(pixelsInRow(i, palette::palViolet), 0);
      // The answer and one character more fit: nothing scrolls out of sight.
      EXPECT_TRUE(showsFromFirstGlyph(i, TypedAnswer(i) + "1")) << TypedAnswer(i).toStdString();
    }
    close();
  }
}

TEST_F(PolynomialWindowTest, HintsOfTheKinds) {
  struct Case {
    const char* menu;
    const char* hint;
  };
  for (const Case& c : {
           Case{"menStufe2Mon",
                "Ermittle das Ergebnis und gib dieses in der angezeigten "
                "Variablen–Reihenfolge an."},
           Case{"menStufe2Poly",
                "Ermittle das Ergebnis und ordne dieses nach fallenden Potenzen der 1.Variable."},
           Case{"menStufe3Bin", "Verwende die entsprechende Formel für Binome."},
           Case{"menStufe3Heraus",
                "Hebe heraus was möglich ist (Klammer und eventuell Zahlen).\nVereinfache den "
                "restlichen Term."},
       }) {
    SCOPED_TRACE(c.menu);
    open(c.menu);
    EXPECT_EQ(label("lblZusatz"), QString::fromUtf8(c.hint));
    EXPECT_EQ(window->findChild<QLabel*>("lblZusatz")->palette().color(QPalette::WindowText),
              palette::palPurple);
    close();
  }
}

TEST_F(PolynomialWindowTest, RightAnswersOfEveryKindAreTypedWithOneCaretPerExponent) {
  for (const Opening& o : Openings()) {
    SCOPED_TRACE(o.menu);
    open(o.menu);
    for (int i = 1; i <= 5; ++i) answer(i, TypedAnswer(i));
    EXPECT_EQ(label("lblAktVersuche"), "5");
    EXPECT_EQ(label("lblAktPunkte"), "5,0");
    for (int i = 1; i <= 5; ++i) {
      SCOPED_TRACE(i);
      EXPECT_TRUE(Item(i).Richtig);
      EXPECT_FALSE(window->answerField(i)->isVisible());
      // The solution stands in violet where the field was.
      EXPECT_GT(pixelsInRow(i, palette::palViolet, window->answerField(i)->x() - 30), 20);
    }
    close();
  }
}

// The summands of a product answer in reverse order hold the same characters but are wrong.
TEST_F(PolynomialWindowTest, TheOrderOfTheSummandsCounts) {
  open("menStufe1Poly");
  const Text expected = JoinExponentDigits(Item(1).Antwort);
  std::vector<Text> summands;
  for (const char16_t c : expected) {
    if (summands.empty() || ((c == u'+' || c == u'–') && !summands.back().empty())) {
      summands.emplace_back();
    }
    summands.back() += c;
  }
  ASSERT_GE(summands.size(), 2u) << Utf8FromText(expected);
  Text reversed;
  for (auto s = summands.rbegin(); s != summands.rend(); ++s) {
    Text summand = *s;
    if (summand[0] != u'+' && summand[0] != u'–') summand.insert(0, 1, u'+');
    reversed += summand;
  }
  if (reversed[0] == u'+') reversed.erase(0, 1);
  ASSERT_NE(reversed, expected);
  answer(1, ToQString(ReplaceChar(reversed, u'–', u'-')));
  EXPECT_FALSE(Item(1).Richtig);
  EXPECT_TRUE(window->answerField(1)->isVisible());
  EXPECT_TRUE(label("lblAnzeige").startsWith("Deine Eingabe ist leider falsch!"));
}

TEST_F(PolynomialWindowTest, TwoWrongAnswersQuoteTheSolutionAndDrawTheLearnersTextInRose) {
  open("menStufe3Mon");
  const QString wrong = TypedAnswer(2) + "1";
  answer(2, wrong);
  answer(2, wrong);
  EXPECT_TRUE(Item(2).Gezeigt);
  EXPECT_FALSE(window->answerField(2)->isVisible());
  EXPECT_TRUE(label("lblAnzeige")
                  .contains(QStringLiteral("Das Ergebnis lautet ") +
                            ToQString(JoinExponentDigits(Item(2).Loesung)) + "\n"));
  EXPECT_GT(pixelsInRow(2, palette::palRose, window->answerField(2)->x() - 30), 20);
  EXPECT_EQ(pixelsInRow(2, palette::palViolet), 0);
}

// Long rows of Polynom·Polynom: a field that reaches the result column lies under the cross of
// a first wrong answer, and a finished line stops short of the column, drawn smaller where it
// would reach it (the result pictures stand at client pixel 910, paint-box pixel 900).
TEST_F(PolynomialWindowTest, LongRowsLeaveTheResultPicturesInSight) {
  int fieldsReachingTheColumn = 0;
  int linesDrawnSmaller = 0;
  for (int seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    SetRandomSeed(static_cast<unsigned>(seed));
    open(seed % 2 == 0 ? "menStufe2Poly" : "menStufe3Poly");
    const double prefixX = polynomial_exercise::PrefixX(2, TfrmPolynomeU::Level());
    for (int i = 1; i <= 5; ++i) {
      SCOPED_TRACE(i);
      AnswerField* field = window->answerField(i);
      if (field->geometry().right() >= 910) ++fieldsReachingTheColumn;
      answer(i, TypedAnswer(i) + "1");
      auto* cross = window->findChild<QLabel*>(QStringLiteral("imgZ%1%2").arg(i).arg(1));
      EXPECT_EQ(window->clientArea()->childAt(cross->geometry().center()), cross);
      answer(i, TypedAnswer(i));
      const Text line = polynomial_exercise::AnsweredLine(2, Item(i), {});
      if (ExerciseWindow::FinishedRowSize(prefixX, line) < 18) ++linesDrawnSmaller;
      EXPECT_GT(pixelsInRow(i, palette::palViolet), 20);
      EXPECT_EQ(pixelsInRow(i, palette::palViolet, 895), 0);
      EXPECT_EQ(pixelsInRow(i, Qt::black, 895), 0);
    }
    close();
  }
  ClearFixedRandomSeed();
  EXPECT_GT(fieldsReachingTheColumn, 0);
  EXPECT_GT(linesDrawnSmaller, 0);
}

TEST_F(PolynomialWindowTest, KeyFilterLetsOnlyTheItemsLettersAndBracketsThrough) {
  for (const char* menu : {"menStufe1Heraus", "menStufe3Bin", "menStufe1Poly"}) {
    SCOPED_TRACE(menu);
    open(menu);
    const QString allowed =
        ToQString(PolynomAnswerLetters(TfrmPolynomeU::Kind(), TfrmPolynomeU::Level(), Item(1)));
    // Every lower-case letter and the brackets, typed one by one: what arrives is exactly the
    // item's letters and brackets in the order typed.
    const QString typed = "()" + test::LowerCaseLetters();
    EXPECT_EQ(typeKeys(1, typed), test::KeptKeys(typed, allowed));
    EXPECT_EQ(allowed.contains(QLatin1Char('(')), QString(menu) != "menStufe1Poly");
    // Signs, digits and carets pass ("-" as "–"); blanks, "*", "·" and capitals do not.
    const QChar capital = QChar(Item(1).Var1).toUpper();
    EXPECT_EQ(typeKeys(1, QString::fromUtf8("-2^10+3 *·") + capital), QString::fromUtf8("–2^10+3"));
    close();
  }
}

}  // namespace
}  // namespace kalkora
