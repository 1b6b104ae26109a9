// The completion exercise ("Formeln ergänzen") as a learner meets it: opened from the menu at
// each level, the answer fields standing in the gaps of the drawn formulas, rows judged as a
// whole by their "Prüfen" button, the three ways a row is drawn, the key filter and "Weiter".
// Where a test needs a known formula, the window makes its items from chosen values.

#include "topics/polynomials/completion_exercise_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <vector>

#include "app/window_set.h"
#include "base/random.h"
#include "exercise_test.h"
#include "frame/information_box.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "practice/evaluation_window.h"
#include "practice/practice_run.h"
#include "topics/polynomials/completion_exercise.h"
#include "topics/polynomials/completion_generators.h"
#include "topics/polynomials/completion_record.h"

namespace kalkora {
namespace {

using polynomials::Ergaenzen;
using test::ProcessEvents;

const TErgaenzen& Item(int i) { return Ergaenzen[static_cast<std::size_t>(i)]; }

// One formula of the completion tables with its values.
struct Formula {
  int level;
  int variante;
  CompletionValues values;
};

// ‹(8·t + #9#)^2 = 64·t^2 + #144·t# + 81›
const Formula kTwoGaps{1, 1, {u't', 0, 8, 9, 1, 1}};
// ‹(#3·c# + #2·e#)^2 = 9·c^2 + 12·c·e + #4·e^2#›
const Formula kThreeGaps{2, 9, {u'c', u'e', 3, 2, 1, 1}};
// ‹(10·r + 11·y)·(#10·r – 11·y#) = #100·r^2# – 121·y^2›
const Formula kMinusInAGap{2, 15, {u'r', u'y', 10, 11, 1, 1}};

const char* const kWhileTyping =
    "Gib den jeweiligen Term ohne Multiplikationszeichen ein\n"
    "Drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!";

class CompletionWindowTest : public test::ExerciseTest {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    SetInformationBoxForTesting([this](const QString& text) { boxes.push_back(text); });
    TfrmAuswertung::SetStepIntervalForTesting(0);
  }
  void TearDown() override {
    window = nullptr;
    TfrmErgaenzen::SetItemMakerForTesting({});
    SetInformationBoxForTesting({});
    TfrmAuswertung::SetStepIntervalForTesting(100);
    ExerciseTest::TearDown();
  }

  void open(int level) {
    window = qobject_cast<TfrmErgaenzen*>(openExercise(QStringLiteral("menStufe%1Erg").arg(level)));
    ASSERT_NE(window, nullptr);
  }
  // Opens the window from the menu with item i made from formulas[i − 1] (repeated when there
  // are fewer than five).
  void openWith(const std::vector<Formula>& formulas) {
    TfrmErgaenzen::SetItemMakerForTesting([formulas](int i) {
      const Formula& f = formulas[static_cast<std::size_t>(i - 1) % formulas.size()];
      WriteErgaenzen(Ergaenzen[static_cast<std::size_t>(i)], f.level, f.variante, f.values);
    });
    open(formulas.front().level);
  }
  void close() {
    closeExercise();
    window = nullptr;
  }

  AnswerField* field(int i, int k) const { return window->answerField(i, k); }
  QPushButton* pruefen(int i) const { return window->checkButton(i); }
  bool shown(QWidget* widget) const { return widget->isVisibleTo(window); }
  // Clicks into the field and types the keys, as a learner does; returns what the field holds.
  QString type(int i, int k, const QString& keys) {
    QTest::mouseClick(field(i, k), Qt::LeftButton);
    ProcessEvents();
    field(i, k)->selectAll();
    QTest::keyClick(field(i, k), Qt::Key_Backspace);
    QTest::keyClicks(field(i, k), keys);
    ProcessEvents();
    return field(i, k)->text();
  }
  void check(int i) {
    QTest::mouseClick(pruefen(i), Qt::LeftButton);
    ProcessEvents();
  }
  // Types the texts into the row's fields, one per gap, and presses its "Prüfen".
  void answerRow(int i, const std::vector<QString>& texts) {
    for (std::size_t k = 0; k < texts.size(); ++k) type(i, static_cast<int>(k) + 1, texts[k]);
    check(i);
  }
  // The right texts of item i as the learner types them ("-" for the en dash).
  std::vector<QString> rightTexts(int i) const {
    std::vector<QString> texts;
    for (int k = 1; k <= Item(i).AnzLuecken; ++k) {
      texts.push_back(test::Typed(completion_exercise::TypedGap(Item(i), k)));
    }
    return texts;
  }
  // Types the text into field k of item i and tells whether the field shows it from its first
  // glyph on: a field too narrow for its text scrolls and cuts it at the left edge.
  bool showsWhole(int i, int k, const QString& keys) {
    type(i, k, keys);
    const QImage image = field(i, k)->grab().toImage();
    for (int x = 0; x < 2; ++x) {
      for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y).lightness() < 128) return false;
      }
    }
    return true;
  }
  void clickWeiter() {
    QTest::mouseClick(window->findChild<QPushButton*>("btnWeiter"), Qt::LeftButton);
    ProcessEvents();
  }
  QColor instructionColour() const {
    return window->findChild<QLabel*>("lblAnzeige")->palette().color(QPalette::WindowText);
  }

  TfrmErgaenzen* window = nullptr;
  std::vector<QString> boxes;
};

// Which pixel columns of the paint box hold ink (text) in the row of item i.
std::vector<bool> InkColumns(QWidget& paintBox, int i) {
  const QImage page = paintBox.grab().toImage();
  std::vector<bool> ink(static_cast<std::size_t>(page.width()), false);
  for (int y = 100 * i - 5; y < 100 * i + 40; ++y) {
    for (int x = 0; x < page.width(); ++x) {
      if (page.pixelColor(x, y).lightness() < 160) ink[static_cast<std::size_t>(x)] = true;
    }
  }
  return ink;
}

bool AnyInk(const std::vector<bool>& ink, int from, int to) {
  for (int x = std::max(from, 0); x < std::min(to, static_cast<int>(ink.size())); ++x) {
    if (ink[static_cast<std::size_t>(x)]) return true;
  }
  return false;
}

int LastInk(const std::vector<bool>& ink) {
  for (int x = static_cast<int>(ink.size()) - 1; x >= 0; --x) {
    if (ink[static_cast<std::size_t>(x)]) return x;
  }
  return -1;
}

TEST_F(CompletionWindowTest, OpensEachLevelFromTheMenu) {
  for (int level = 1; level <= 3; ++level) {
    SCOPED_TRACE(level);
    open(level);
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Übungsbeispiele: Polynome ergänzen (Stufe %1)").arg(level));
    EXPECT_EQ(label("lblAnzeige"),
              QString::fromUtf8("Gib den jeweiligen Term ohne Multiplikationszeichen ein und "
                                "Drücke die Prüfen–Taste"));
    EXPECT_EQ(instructionColour(), palette::palBrown);
    EXPECT_EQ(label("lblDurchgang"), "1 / 3");
    EXPECT_EQ(label("lblAktVersuche"), "0");
    EXPECT_EQ(QApplication::focusWidget(), field(1, 1));
    for (int i = 1; i <= 5; ++i) {
      SCOPED_TRACE(i);
      const int gaps = Item(i).AnzLuecken;
      EXPECT_TRUE(gaps == 2 || gaps == 3);
      EXPECT_EQ(field(i, 1)->objectName(), QStringLiteral("edtA%1").arg(i));
      EXPECT_EQ(field(i, 3)->objectName(), QStringLiteral("edtC%1").arg(i));
      for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(shown(field(i, k)), k <= gaps) << k;  // C only for three gaps
        EXPECT_TRUE(field(i, k)->text().isEmpty());
        EXPECT_EQ(field(i, k)->y(), 100 * i + 20);
      }
      ASSERT_TRUE(shown(pruefen(i)));
      EXPECT_EQ(pruefen(i)->text(), QString::fromUtf8("Prüfen"));
      EXPECT_EQ(pruefen(i)->geometry(), QRect(800, 100 * i + 20, 80, 30));
      // The row starts at page x −30 (client pixel 210) and is drawn in black only.
      if (level < 3) {
        const std::vector<bool> ink = InkColumns(*window->findChild<QWidget*>("pntUeb"), i);
        EXPECT_FALSE(AnyInk(ink, 0, 200));
        EXPECT_TRUE(AnyInk(ink, 200, 205));
      }
      EXPECT_GT(pixelsInRow(i, Qt::black), 50);
      EXPECT_EQ(pixelsInRow(i, palette::palViolet), 0);
      EXPECT_EQ(pixelsInRow(i, palette::palRose), 0);
    }
    close();
  }
}

// Every formula of every level with its widest values: each field stands exactly in its gap
// (no ink under it, the pieces before and after it touching it) and shows its right text whole;
// the row ends at least 10 pixels left of the row's "Prüfen" button and starts right of the
// face.
TEST_F(CompletionWindowTest, FieldsStandInTheirGapsAndRowsEndBeforePruefen) {
  for (int level = 1; level <= 3; ++level) {
    std::vector<Formula> formulas;
    const int big = level == 3 ? 11 : 13;
    const char16_t y = level == 1 ? 0 : u'w';
    const int power = level == 3 ? 3 : 1;
    for (int variante = 1; variante <= ErgaenzenTypes(level); ++variante) {
      formulas.push_back({level, variante, {u'm', y, big, big - 1, power, power}});
      formulas.push_back({level, variante, {u'm', y, big - 1, big, power, power}});
    }
    for (std::size_t first = 0; first < formulas.size(); first += 5) {
      const std::vector<Formula> five(
          formulas.begin() + static_cast<std::ptrdiff_t>(first),
          formulas.begin() + static_cast<std::ptrdiff_t>(std::min(first + 5, formulas.size())));
      openWith(five);
      QWidget& paintBox = *window->findChild<QWidget*>("pntUeb");
      for (int i = 1; i <= static_cast<int>(five.size()); ++i) {
        const TErgaenzen& item = Item(i);
        SCOPED_TRACE(Utf8FromText(item.Volltext));
        const std::vector<bool> ink = InkColumns(paintBox, i);
        const std::vector<QString> right = rightTexts(i);
        for (int k = 1; k <= item.AnzLuecken; ++k) {
          SCOPED_TRACE(k);
          const int left = field(i, k)->x() - paintBox.x();  // in paint-box pixels
          const int end = left + field(i, k)->width();
          EXPECT_FALSE(AnyInk(ink, left, end));
          EXPECT_TRUE(AnyInk(ink, left - 12, left));  // the piece before ends at the gap
          if (!item.Teile[static_cast<std::size_t>(k) + 1].empty()) {
            EXPECT_TRUE(AnyInk(ink, end, end + 12));  // the next piece starts after the field
          }
          EXPECT_LE(field(i, k)->x() + field(i, k)->width(), pruefen(i)->x() - 10);
          EXPECT_TRUE(showsWhole(i, k, right[static_cast<std::size_t>(k - 1)]));
        }
        EXPECT_LT(LastInk(ink) + paintBox.x(), pruefen(i)->x() - 10);
        const QLabel* face = window->findChild<QLabel*>(QStringLiteral("img%1").arg(i));
        EXPECT_FALSE(AnyInk(ink, 0, face->geometry().right() + 10 - paintBox.x()));
      }
      close();
    }
  }
}

TEST_F(CompletionWindowTest, ARightRow) {
  openWith({kTwoGaps});
  answerRow(2, {"9", "144t"});
  EXPECT_EQ(label("lblAnzeige"), "Bravo, deine Eingabe ist richtig!");
  EXPECT_EQ(instructionColour(), palette::palViolet);
  EXPECT_EQ(label("lblAktVersuche"), "1");
  EXPECT_EQ(label("lblAktPunkte"), "1,0");
  EXPECT_FALSE(window->findChild<QLabel*>("imgZ21")->pixmap().isNull());
  EXPECT_FALSE(shown(field(2, 1)));
  EXPECT_FALSE(shown(field(2, 2)));
  EXPECT_FALSE(shown(pruefen(2)));
  // The whole formula, its gaps in violet.
  EXPECT_GT(pixelsInRow(2, palette::palViolet), 100);
  EXPECT_EQ(pixelsInRow(2, palette::palRose), 0);
  EXPECT_TRUE(Item(2).Richtig);
}

TEST_F(CompletionWindowTest, ARowWrongTwiceShowsTheMessageAndTheShownLine) {
  openWith({kTwoGaps});
  answerRow(1, {"9", "145t"});
  EXPECT_EQ(label("lblAnzeige"),
            QString::fromUtf8("Deine Eingabe ist leider falsch!\n"
                              "Überprüfe deine Eingabe und versuche es noch einmal."));
  EXPECT_EQ(instructionColour(), palette::palRose);
  EXPECT_EQ(QApplication::focusWidget(), pruefen(1));  // back to the row's "Prüfen"
  EXPECT_TRUE(shown(field(1, 1)));
  EXPECT_EQ(field(1, 2)->text(), "145t");
  EXPECT_EQ(label("lblAktVersuche"), "1");

  check(1);  // the same texts again
  EXPECT_EQ(label("lblAnzeige"),
            QString::fromUtf8("Deine Eingabe ist leider wieder falsch!\n"
                              "Das Ergebnis lautet (8·t + 9)^2 = 64·t^2 + 144·t + 81\n"
                              "Vergleiche das Ergebnis mit deiner Eingabe und überlege, warum du "
                              "den Fehler begangen hast!"));
  EXPECT_FALSE(shown(pruefen(1)));
  EXPECT_FALSE(shown(field(1, 1)));
  EXPECT_EQ(label("lblAktVersuche"), "2");
  EXPECT_EQ(label("lblAktPunkte"), "0,0");
  EXPECT_TRUE(Item(1).Gezeigt);
  // The right gap ‹9› in violet, the learner's ‹145t› in rose.
  EXPECT_GT(pixelsInRow(1, palette::palViolet), 20);
  EXPECT_GT(pixelsInRow(1, palette::palRose), 60);

  // A row with every gap wrong alternates: the first text in rose, the second in olive.
  answerRow(2, {"8", "145t"});
  answerRow(2, {"8", "145t"});
  EXPECT_TRUE(Item(2).Gezeigt);
  EXPECT_EQ(pixelsInRow(2, palette::palViolet), 0);
  EXPECT_GT(pixelsInRow(2, palette::palRose), 20);
  EXPECT_GT(pixelsInRow(2, palette::palOlive), 60);
}

TEST_F(CompletionWindowTest, EmptyGapsAreReportedAndNothingIsJudged) {
  openWith({kThreeGaps, kTwoGaps});
  struct Case {
    int item;
    std::vector<QString> typed;
    const char* message;
    int focusedField;
  };
  const Case cases[] = {
      {1, {"", "2e", ""}, "Es fehlen noch zwei Einträge!", 1},  // only the middle one filled
      {1, {"3c", "", ""}, "Es fehlen noch zwei Einträge!", 2},
      {1, {"3c", "2e", ""}, "Es fehlt noch ein Eintrag!", 3},
      {1, {"", "", ""}, "Es fehlen die Einträge!", 1},
      {2, {"", "144t"}, "Es fehlt noch ein Eintrag!", 1},
      {2, {"", ""}, "Es fehlen die Einträge!", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    for (std::size_t k = 0; k < c.typed.size(); ++k)
      type(c.item, static_cast<int>(k) + 1, c.typed[k]);
    boxes.clear();
    check(c.item);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], QString::fromUtf8(c.message));
    EXPECT_EQ(QApplication::focusWidget(), field(c.item, c.focusedField));
    EXPECT_EQ(label("lblAktVersuche"), "0");
    EXPECT_EQ(practice::Versuch, 1);
    EXPECT_TRUE(shown(pruefen(c.item)));
  }
}

// "Weiter" while rows are not judged: refused, and the focus goes to the first such row's
// first empty field, or to its "Prüfen" when every field of it is filled.
TEST_F(CompletionWindowTest, WeiterWithTwoUnjudgedRowsIsRefused) {
  openWith({kTwoGaps});
  for (int i = 1; i <= 3; ++i) answerRow(i, {"9", "144t"});
  for (int i = 4; i <= 5; ++i) {
    type(i, 1, "9");
    type(i, 2, "144t");
  }
  clickWeiter();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], QString::fromUtf8("Es fehlen noch 2 Einträge!"));
  EXPECT_EQ(QApplication::focusWidget(), pruefen(4));
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
  EXPECT_EQ(label("lblAktVersuche"), "3");

  type(4, 2, "");
  clickWeiter();
  EXPECT_EQ(boxes.back(), QString::fromUtf8("Es fehlen noch 2 Einträge!"));
  EXPECT_EQ(QApplication::focusWidget(), field(4, 2));

  type(4, 2, "144t");
  check(4);
  QTest::keyClick(pruefen(5), Qt::Key_Space);  // the learner presses it from the keyboard
  ProcessEvents();
  EXPECT_EQ(label("lblAktVersuche"), "5");
  clickWeiter();
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_EQ(label("lblDurchgang"), "2 / 3");
  EXPECT_EQ(label("lblAktPunkte"), "0,0");
  EXPECT_EQ(QApplication::focusWidget(), field(1, 1));
  for (int i = 1; i <= 5; ++i) {
    EXPECT_TRUE(shown(pruefen(i)));
    EXPECT_TRUE(field(i, 2)->text().isEmpty());
  }
}

TEST_F(CompletionWindowTest, KeysTheFieldsLetThrough) {
  openWith({kTwoGaps, kMinusInAGap});
  // No minus in the gaps of ‹(8·t + #9#)^2 = …›: "+", blanks, "·", "*", "-", other letters and
  // capitals cannot be typed.
  EXPECT_EQ(type(1, 2, QString::fromUtf8("+1 4·4*t-T x^2")), "144t^2");
  // ‹(10·r + 11·y)·(#10·r – 11·y#) = …›: "-" becomes "–" there, "+" and blanks stay out.
  EXPECT_EQ(type(2, 1, "10r - 11y+"), QString::fromUtf8("10r–11y"));
  type(2, 2, "100r^2");
  check(2);
  EXPECT_EQ(label("lblAnzeige"), "Bravo, deine Eingabe ist richtig!");
}

// Tab runs through the row's fields and then its "Prüfen"; Enter moves on without judging.
TEST_F(CompletionWindowTest, TabOrderAndEnter) {
  openWith({kThreeGaps, kTwoGaps});
  type(1, 1, "3c");
  EXPECT_EQ(label("lblAnzeige"), QString::fromUtf8(kWhileTyping));
  QTest::keyClick(field(1, 1), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), field(1, 2));
  QTest::keyClicks(field(1, 2), "2e");
  QTest::keyClick(field(1, 2), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), field(1, 3));
  QTest::keyClicks(field(1, 3), "4e^2");
  QTest::keyClick(field(1, 3), Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(QApplication::focusWidget(), pruefen(1));
  EXPECT_EQ(label("lblAktVersuche"), "0");  // nothing judged on the way
  QTest::keyClick(pruefen(1), Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(label("lblAnzeige"), "Bravo, deine Eingabe ist richtig!");
  // Row 2 has two gaps: from its B field straight to its "Prüfen".
  field(2, 2)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(field(2, 2), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), pruefen(2));
  QTest::keyClick(pruefen(2), Qt::Key_Escape);
  ProcessEvents();
  EXPECT_FALSE(window->isVisible());
}

// Three passes to the evaluation; the new run after it starts under the typing instruction.
TEST_F(CompletionWindowTest, ThreePassesReachTheEvaluation) {
  openWith({kTwoGaps, kThreeGaps});
  for (int pass = 1; pass <= 3; ++pass) {
    SCOPED_TRACE(pass);
    EXPECT_EQ(label("lblDurchgang"), QStringLiteral("%1 / 3").arg(pass));
    for (int i = 1; i <= 5; ++i) answerRow(i, rightTexts(i));
    if (pass < 3) clickWeiter();
  }
  QWidget* place = window->clientArea()->childAt(900, 690);
  ASSERT_EQ(place, window->findChild<QPushButton*>("btnAuswertung"));
  QTest::mouseClick(static_cast<QPushButton*>(place), Qt::LeftButton);
  ProcessEvents();
  TfrmAuswertung& evaluation = *Windows().frmAuswertung;
  ASSERT_TRUE(evaluation.isVisible());
  EXPECT_FLOAT_EQ(practice::Punkte, 15.0f);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !evaluation.countUpRunning(); }, 5000));
  evaluation.findChild<QPushButton*>("btnSchliessen")->click();
  ProcessEvents();
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
  EXPECT_EQ(label("lblAnzeige"), QString::fromUtf8(kWhileTyping));
  EXPECT_EQ(instructionColour(), palette::palBrown);
  EXPECT_TRUE(shown(pruefen(1)));
  EXPECT_EQ(QApplication::focusWidget(), field(1, 1));
}

}  // namespace
}  // namespace kalkora
