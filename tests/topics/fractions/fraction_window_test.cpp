// The fraction exercise window as a learner meets it: each kind and level opened from the
// main window's menu, answers typed key by key, one-field rows judged on leaving them,
// fraction rows checked by "Prüfen", and what the rows show afterwards.

#include "topics/fractions/fraction_exercise_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/window_set.h"
#include "base/random.h"
#include "exercise_test.h"
#include "frame/information_box.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "practice/evaluation_window.h"
#include "practice/practice_run.h"
#include "terms/term_exponents.h"
#include "topics/fractions/fraction_exercise_layout.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora {
namespace {

using fractions::Bruch;
using fractions::ExerciseKind;
using test::ProcessEvents;
using test::Typed;

const TBruchM& Item(int i) { return Bruch[static_cast<std::size_t>(i)]; }

struct Opening {
  const char* menu;
  ExerciseKind kind;
  int level;
  const char* caption;
};

const std::vector<Opening>& Openings() {
  static const std::vector<Opening> openings{
      {"menDefmengeU", ExerciseKind::Domain, 1, "Übungsbeispiele: Bruchterme – Definitionsmenge"},
      {"menKuerzenU", ExerciseKind::Cancelling, 1, "Übungsbeispiele: Bruchterme – Kürzen"},
      {"menKgvU", ExerciseKind::Lcm, 1,
       "Übungsbeispiele: Bruchterme – kleinstes gemeinsames Vielfaches (kgV)"},
      {"menAddSubGU", ExerciseKind::LikeDenominators, 1,
       "Übungsbeispiele: Bruchterme – Addieren/Subrahieren mit gleichnamigem Nenner (Stufe 1)"},
      {"menStufe1MultB", ExerciseKind::Multiply, 1,
       "Übungsbeispiele: Bruchterme – Multiplizieren (Stufe 1)"},
      {"menStufe2MultB", ExerciseKind::Multiply, 2,
       "Übungsbeispiele: Bruchterme – Multiplizieren (Stufe 2)"},
      {"menStufe3MultB", ExerciseKind::Multiply, 3,
       "Übungsbeispiele: Bruchterme – Multiplizieren (Stufe 3)"},
      {"menStufe1DivB", ExerciseKind::Divide, 1,
       "Übungsbeispiele: Bruchterme – Dividieren (Stufe 1)"},
      {"menStufe2DivB", ExerciseKind::Divide, 2,
       "Übungsbeispiele: Bruchterme – Dividieren (Stufe 2)"},
      {"menStufe3DivB", ExerciseKind::Divide, 3,
       "Übungsbeispiele: Bruchterme – Dividieren (Stufe 3)"},
      {"menStufe1DivTB", ExerciseKind::DivideByMonomial, 1,
       "Übungsbeispiele: Bruchterme – Dividieren durch eingliedrige Terme (Stufe 1)"},
  };
  return openings;
}

// The pixel row of the text line of item i on the paint box (page y 39 − 20·i), and the rows
// of the item: from 30 above its text line to 70 below.
constexpr int LineTop(int i) { return 200 * i - 90; }
constexpr int RowTop(int i) { return LineTop(i) - 30; }
constexpr int RowBottom(int i) { return RowTop(i) + 100; }

class FractionWindowTest : public test::ExerciseTest {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    SetInformationBoxForTesting([this](const QString& text) { boxes.push_back(text); });
  }
  void TearDown() override {
    SetInformationBoxForTesting({});
    TfrmAuswertung::SetStepIntervalForTesting(100);
    ExerciseTest::TearDown();
  }

  void open(const char* menu) {
    window = qobject_cast<TfrmBruchU*>(openExercise(QString::fromUtf8(menu)));
    ASSERT_NE(window, nullptr);
  }
  void close() {
    closeExercise();
    window = nullptr;
  }
  ExerciseKind kind() const { return window->exercise().kind; }
  bool fractionRows() const { return fractions::HasFractionAnswer(kind()); }

  AnswerField* field(int i, int k = 1) const { return window->answerField(i, k); }
  bool shown(QWidget* widget) const { return widget->isVisibleTo(window); }
  // The texts the fields of item i expect, as the learner types them ("-" for "–").
  QStringList expected(int i) const {
    QStringList texts;
    for (const Text& text : fractions::ExpectedFieldTexts(kind(), Item(i))) {
      texts << Typed(text);
    }
    return texts;
  }
  // Clicks into field k of item i, clears it and types the keys (no Enter).
  void type(int i, int k, const QString& keys) {
    field(i, k)->setFocus(Qt::OtherFocusReason);
    ProcessEvents();
    field(i, k)->clear();
    QTest::keyClicks(field(i, k), keys);
    ProcessEvents();
  }
  void check(int i) {
    QTest::mouseClick(window->checkButton(i), Qt::LeftButton);
    ProcessEvents();
  }
  // Answers item i as a learner: one field typed and left with Enter, or both fields typed
  // and "Prüfen" pressed.
  void answerRow(int i, const QStringList& texts) {
    if (!fractionRows()) {
      answer(i, texts.front());
      return;
    }
    type(i, 1, texts.value(0));
    type(i, 2, texts.value(1));
    check(i);
  }
  QStringList slip(int i, const QString& more = QStringLiteral("1")) const {
    QStringList texts = expected(i);
    texts.front() += more;
    return texts;
  }
  int pixels(int i, const QColor& colour, int fromX = 0) const {
    return pixelsInRows(colour, RowTop(i), RowBottom(i), fromX);
  }
  void clickWeiter() {
    QTest::mouseClick(window->findChild<QPushButton*>("btnWeiter"), Qt::LeftButton);
    ProcessEvents();
  }
  // Opens the exercise with seeds from `seed` on until `wanted` holds for one of its items;
  // returns that item (0 when none was found).
  int openUntil(const char* menu, const std::function<bool(const TBruchM&)>& wanted) {
    for (std::uint32_t seed = 1; seed < 400; ++seed) {
      SetRandomSeed(seed);
      open(menu);
      for (int i = 1; i <= 3; ++i) {
        if (wanted(Item(i))) return i;
      }
      close();
    }
    return 0;
  }

  TfrmBruchU* window = nullptr;
  std::vector<QString> boxes;
};

TEST_F(FractionWindowTest, OpensEveryKindAndLevelWithItsRowsAndFields) {
  for (const Opening& o : Openings()) {
    SCOPED_TRACE(o.menu);
    open(o.menu);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(o.caption));
    EXPECT_EQ(kind(), o.kind);
    EXPECT_EQ(label("lblAnzeige"), ToQString(fractions::Instruction(o.kind)));
    EXPECT_EQ(label("lblDurchgang"), "1 / 3");
    EXPECT_EQ(window->itemCount(), 3);
    EXPECT_EQ(QApplication::focusWidget(), field(1));
    const bool twoFields = fractions::HasFractionAnswer(o.kind);
    for (int i = 1; i <= 3; ++i) {
      SCOPED_TRACE(i);
      const int face = 100 + 200 * (i - 1);
      EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("img%1").arg(i))->y(), face);
      EXPECT_EQ(field(i)->objectName(), QStringLiteral("edtZ%1").arg(i));
      EXPECT_TRUE(field(i)->isVisible());
      EXPECT_EQ(field(i, 2)->isVisible(), twoFields);
      EXPECT_EQ(window->checkButton(i)->isVisible(), twoFields);
      EXPECT_EQ(window->checkButton(i)->geometry(), QRect(800, face + 25, 80, 30));
      EXPECT_EQ(field(i)->width(), Item(i).Feldbreite + 20);
      EXPECT_GE(field(i)->width(), 40);
      switch (o.kind) {
        case ExerciseKind::Domain:
          EXPECT_EQ(field(i)->geometry(), QRect(610, face + 30, 100, 30));
          break;
        case ExerciseKind::Cancelling:
          EXPECT_EQ(field(i)->pos(), QPoint(520, face + 5));
          EXPECT_EQ(field(i, 2)->pos(), QPoint(520, face + 45));
          break;
        case ExerciseKind::LikeDenominators: EXPECT_EQ(field(i)->y(), face + 5); break;
        case ExerciseKind::Multiply:
        case ExerciseKind::Divide:
          EXPECT_EQ(field(i)->y(), face + 5);
          EXPECT_EQ(field(i, 2)->geometry(), field(i)->geometry().translated(0, 40));
          break;
        default: EXPECT_EQ(field(i)->y(), face + 30); break;
      }
      // The task is drawn left of the field, nothing of the row right of it while it is open.
      EXPECT_GT(pixels(i, Qt::black), 200);
      EXPECT_EQ(pixels(i, Qt::black, field(i)->x() - 10 + field(i)->width() + 5), 0);
      // The expected answer and one character more show whole in the field.
      EXPECT_TRUE(showsFromFirstGlyph(i, expected(i).front() + "1"));
    }
    close();
  }
}

TEST_F(FractionWindowTest, RightAnswersOfEveryKindAndLevelAreDrawnInViolet) {
  for (const Opening& o : Openings()) {
    SCOPED_TRACE(o.menu);
    open(o.menu);
    for (int i = 1; i <= 3; ++i) answerRow(i, expected(i));
    EXPECT_EQ(label("lblAktVersuche"), "3");
    EXPECT_EQ(label("lblAktPunkte"), "3,0");
    EXPECT_EQ(label("lblAnzeige"), "Bravo, deine Eingabe ist richtig!");
    for (int i = 1; i <= 3; ++i) {
      SCOPED_TRACE(i);
      EXPECT_TRUE(Item(i).Richtig);
      EXPECT_FALSE(shown(field(i)));
      EXPECT_FALSE(shown(field(i, 2)));
      EXPECT_FALSE(shown(window->checkButton(i)));
      EXPECT_GT(pixels(i, palette::palViolet, field(i)->x() - 10), 40);
      EXPECT_EQ(pixels(i, palette::palRose), 0);
    }
    // All rows judged: "Weiter" starts the next pass.
    clickWeiter();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(label("lblDurchgang"), "2 / 3");
    EXPECT_EQ(label("lblAnzeige"), ToQString(fractions::Instruction(o.kind)));
    close();
  }
}

TEST_F(FractionWindowTest, TwoWrongAnswersQuoteTheSolutionAndDrawTheLearnersTextInRose) {
  for (const Opening& o : Openings()) {
    SCOPED_TRACE(o.menu);
    open(o.menu);
    answerRow(2, slip(2, "1"));
    EXPECT_TRUE(label("lblAnzeige").startsWith("Deine Eingabe ist leider falsch!"));
    EXPECT_TRUE(shown(field(2)));
    answerRow(2, slip(2, "2"));
    EXPECT_TRUE(Item(2).Gezeigt);
    EXPECT_FALSE(Item(2).Richtig);
    EXPECT_EQ(label("lblAnzeige"),
              QStringLiteral("Deine Eingabe ist leider wieder falsch!\nDas Ergebnis lautet ") +
                  ToQString(JoinExponentDigits(Item(2).Loesung)) +
                  "\nVergleiche das Ergebnis mit deiner Eingabe und überlege, warum du den "
                  "Fehler begangen hast!");
    EXPECT_EQ(label("lblAktVersuche"), "2");
    EXPECT_EQ(label("lblAktPunkte"), "0,0");
    EXPECT_FALSE(shown(field(2)));
    EXPECT_GT(pixels(2, palette::palRose, field(2)->x() - 10), 40);
    EXPECT_EQ(pixels(2, palette::palViolet), 0);
    close();
  }
}

TEST_F(FractionWindowTest, ARightSecondAnswerEarnsHalfAPoint) {
  open("menStufe3MultB");
  answerRow(3, slip(3));
  EXPECT_TRUE(label("lblAnzeige").startsWith("Deine Eingabe ist leider falsch!"));
  EXPECT_EQ(QApplication::focusWidget(), field(3));
  // A change brings the kind's change text back.
  QTest::keyClick(field(3), Qt::Key_Backspace);
  EXPECT_EQ(label("lblAnzeige"), ToQString(fractions::ChangeInstruction(ExerciseKind::Multiply)));
  answerRow(3, expected(3));
  EXPECT_EQ(label("lblAktPunkte"), "0,5");
  EXPECT_TRUE(Item(3).Richtig);
}

// Domain values may stand in either order: ‹–3,7› and ‹7,–3› (also with 0: ‹0,–1›, ‹–1,0›).
TEST_F(FractionWindowTest, DomainValuesInTheOtherOrderAreRight) {
  const int i = openUntil("menDefmengeU", [](const TBruchM& item) {
    return item.Loesung.find(u',') != Text::npos && item.Loesung.substr(0, 2) != u"0,";
  });
  ASSERT_GT(i, 0);
  const QString solution = expected(i).front();
  const int comma = static_cast<int>(solution.indexOf(','));
  answer(i, solution.mid(comma + 1) + "," + solution.left(comma));
  EXPECT_EQ(label("lblAnzeige"), "Bravo, deine Eingabe ist richtig!");
  EXPECT_TRUE(Item(i).Richtig);
  // The violet values are drawn as the solution has them.
  EXPECT_GT(pixels(i, palette::palViolet), 40);
}

// A cancelled fraction with the denominator 1: the "1" must be typed, and the right answer is
// drawn as its numerator alone, without a bar.
TEST_F(FractionWindowTest, CancellingToTheDenominatorOneNeedsTheOneTyped) {
  const int i = openUntil("menKuerzenU", [](const TBruchM& item) {
    return item.Antwort.size() > 2 && item.Antwort.substr(item.Antwort.size() - 2) == u"/1";
  });
  ASSERT_GT(i, 0);
  const QStringList texts = expected(i);
  ASSERT_EQ(texts.value(1), "1");
  type(i, 1, texts.front());
  type(i, 2, "");
  check(i);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "Die Eingabefelder dürfen nicht leer sein!");
  EXPECT_EQ(QApplication::focusWidget(), field(i, 2));
  EXPECT_EQ(label("lblAktVersuche"), "0");
  EXPECT_TRUE(shown(window->checkButton(i)));

  type(i, 2, "1");
  check(i);
  EXPECT_TRUE(Item(i).Richtig);
  // The numerator alone, level with "=": nothing violet where a stacked numerator or a "1"
  // under a bar would stand.
  const int line = LineTop(i);
  EXPECT_GT(pixelsInRows(palette::palViolet, line + 2, line + 22), 20);
  EXPECT_EQ(pixelsInRows(palette::palViolet, RowTop(i), line - 6), 0);
  EXPECT_EQ(pixelsInRows(palette::palViolet, line + 26, RowBottom(i)), 0);
}

TEST_F(FractionWindowTest, AnEmptyFieldAtPruefenIsReportedAndNothingJudged) {
  open("menStufe2DivB");
  type(1, 2, expected(1).value(1));  // only the denominator
  check(1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "Die Eingabefelder dürfen nicht leer sein!");
  EXPECT_EQ(QApplication::focusWidget(), field(1, 1));
  EXPECT_EQ(label("lblAktVersuche"), "0");
  EXPECT_EQ(practice::Versuch, 1);
  EXPECT_TRUE(shown(window->checkButton(1)));
}

TEST_F(FractionWindowTest, AFirstWrongFractionKeepsBothFieldsAndPruefen) {
  open("menKuerzenU");
  answerRow(2, slip(2));
  EXPECT_TRUE(label("lblAnzeige").startsWith("Deine Eingabe ist leider falsch!"));
  EXPECT_TRUE(shown(field(2, 1)));
  EXPECT_TRUE(shown(field(2, 2)));
  EXPECT_TRUE(shown(window->checkButton(2)));
  EXPECT_EQ(field(2, 2)->text(), expected(2).value(1));
  EXPECT_EQ(QApplication::focusWidget(), field(2, 1));
  // Still open: the bar between the fields, nothing in rose yet.
  EXPECT_EQ(pixels(2, palette::palRose), 0);
  EXPECT_GT(pixelsInRows(Qt::black, LineTop(2) + 8, LineTop(2) + 13, field(2)->x() - 10), 150);
}

TEST_F(FractionWindowTest, WeiterIsRefusedWhileARowIsFilledButNotChecked) {
  open("menStufe1MultB");
  answerRow(1, expected(1));
  type(2, 1, expected(2).value(0));
  type(2, 2, expected(2).value(1));
  answerRow(3, expected(3));
  clickWeiter();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "Es fehlt noch 1 Eintrag!");
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
  EXPECT_EQ(QApplication::focusWidget(), window->checkButton(2));
  // Enter on the focused "Prüfen" checks the row; then the pass can end.
  QTest::keyClick(window->checkButton(2), Qt::Key_Return);
  ProcessEvents();
  EXPECT_TRUE(Item(2).Richtig);
  clickWeiter();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(label("lblDurchgang"), "2 / 3");
}

TEST_F(FractionWindowTest, WeiterCountsEmptyOneFieldRows) {
  open("menKgvU");
  answerRow(2, expected(2));
  clickWeiter();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "Es fehlen noch 2 Einträge!");
  EXPECT_EQ(QApplication::focusWidget(), field(1));
}

// Without the mouse: Enter moves from the numerator to the denominator and on to "Prüfen",
// which Enter presses.
TEST_F(FractionWindowTest, AFractionRowIsAnsweredWithTheKeyboardAlone) {
  open("menStufe3DivB");
  QTest::keyClicks(field(1, 1), expected(1).value(0));
  QTest::keyClick(field(1, 1), Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(QApplication::focusWidget(), field(1, 2));
  QTest::keyClicks(field(1, 2), expected(1).value(1));
  QTest::keyClick(field(1, 2), Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(QApplication::focusWidget(), window->checkButton(1));
  EXPECT_EQ(label("lblAktVersuche"), "0");
  QTest::keyClick(window->checkButton(1), Qt::Key_Return);
  ProcessEvents();
  EXPECT_TRUE(Item(1).Richtig);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  ProcessEvents();
  EXPECT_FALSE(window->isVisible());
}

// The keys every field lets through: the kind's table for its item, a typed "-" as "–".
TEST_F(FractionWindowTest, EachKindFiltersTheKeysOfItsItems) {
  const QString keys = test::LowerCaseLetters() + "0123456789+-^()/,·*= ";
  for (const Opening& o : Openings()) {
    SCOPED_TRACE(o.menu);
    open(o.menu);
    for (int i = 1; i <= 3; ++i) {
      const QString accepted = ToQString(fractions::AcceptedKeys(window->exercise(), Item(i)));
      QString kept = test::KeptKeys(QString(keys).replace('-', QChar(u'–')), accepted);
      EXPECT_EQ(typeKeys(i, keys), kept.left(AnswerField::kMaxLength)) << i;
    }
    close();
  }
}

// Whatever the domain field lets through is drawn in rose after the second wrong answer, at a
// size that ends before the result pictures.
TEST_F(FractionWindowTest, AnyDomainTextIsDrawnAfterTwoWrongAnswers) {
  const int i = openUntil("menDefmengeU", [](const TBruchM& item) { return item.Variante >= 18; });
  ASSERT_GT(i, 0);
  const QString texts[] = {
      "/", "5/", "1,2,3", "-/-", ",", QString(40, '1'), QString("1/2,").repeated(10)};
  for (const QString& text : texts) {
    SCOPED_TRACE(text.toStdString());
    window->FormActivate();  // the same items again: the seed stays fixed
    ProcessEvents();
    answer(i, text);
    answer(i, text);
    ASSERT_TRUE(Item(i).Gezeigt);
    EXPECT_GT(pixels(i, palette::palRose), 10);
    EXPECT_EQ(pixels(i, palette::palRose, 890), 0);
  }
}

// The items are shared with the other fraction windows: a row is drawn from what its own kind
// writes, so what another kind left in the other fields changes no pixel.
TEST_F(FractionWindowTest, RowsIgnoreWhatOtherKindsLeftInTheItems) {
  const auto page = [this](const char* menu, std::uint32_t seed) {
    SetRandomSeed(seed);
    open(menu);
    QImage image = window->findChild<QWidget*>("pntUeb")->grab().toImage();
    close();
    return image;
  };
  for (const Opening& o : Openings()) {
    for (const std::uint32_t seed : {77u, 78u, 79u}) {
      SCOPED_TRACE(testing::Message() << o.menu << " seed " << seed);
      for (int i = 1; i <= 3; ++i) Bruch[static_cast<std::size_t>(i)] = TBruchM{};
      const QImage fresh = page(o.menu, seed);
      for (int i = 1; i <= 3; ++i) {
        TBruchM& item = Bruch[static_cast<std::size_t>(i)];
        for (std::size_t slot = 0; slot <= 16; ++slot) item.Text[slot] = u"9·x^2 + 99·y";
        item.Anzahl = 3;
        item.Op1 = item.Op2 = u'–';
        item.Antwort = item.Loesung = u"77·(x + 1)/x^2";
        item.Links = item.Rechts = item.Zehntel = item.Bruchbreite = 25;
        item.Feldbreite = 400;
      }
      EXPECT_EQ(page(o.menu, seed), fresh);
    }
  }
}

// Over many items of every kind and level each row stays between its face and its "Prüfen" or
// result pictures, and its fields do not cover its task.
TEST_F(FractionWindowTest, RowsStayBetweenTheFaceAndTheButtons) {
  for (const Opening& o : Openings()) {
    SCOPED_TRACE(o.menu);
    open(o.menu);
    for (int n = 0; n < 150; ++n) {
      window->FormActivate();
      for (int i = 1; i <= 3; ++i) {
        const TBruchM& item = Item(i);
        SCOPED_TRACE(testing::Message()
                     << "Variante " << item.Variante << ": " << Utf8FromText(item.Loesung));
        const QRect place = field(i)->geometry();
        const int end = fractionRows() ? 790 : 900;
        ASSERT_GE(item.Links, fractions::kRowStartX);
        ASSERT_LE(place.right(), end);
        ASSERT_GE(place.left(), 20 + 500 + static_cast<int>(10 * item.Rechts));
        if (o.kind == ExerciseKind::Domain) {
          ASSERT_LE(item.Links + item.Bruchbreite, 4);  // before ‹x ≠› at page x 5
        }
      }
    }
    close();
  }
}

TEST_F(FractionWindowTest, ThreePassesReachTheEvaluation) {
  TfrmAuswertung::SetStepIntervalForTesting(0);
  open("menAddSubGU");
  for (int pass = 1; pass <= 3; ++pass) {
    for (int i = 1; i <= 3; ++i) answerRow(i, expected(i));
    if (pass < 3) clickWeiter();
  }
  QWidget* place = window->clientArea()->childAt(900, 690);
  ASSERT_EQ(place, window->findChild<QPushButton*>("btnAuswertung"));
  QTest::mouseClick(static_cast<QPushButton*>(place), Qt::LeftButton);
  ProcessEvents();
  EXPECT_TRUE(Windows().frmAuswertung->isVisible());
  EXPECT_FLOAT_EQ(practice::Punkte, 9.0f);
  EXPECT_EQ(practice::Versuche, 9);
}

}  // namespace
}  // namespace kalkora
