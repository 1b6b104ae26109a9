// The like-term exercise as a learner meets it: opened from the main window's menu, the hint on
// the order of the letters, answers typed into the fields, and the fields sized to the answers.

#include "topics/terms/like_terms_exercise_window.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "base/random.h"
#include "base/shared_functions.h"
#include "drawing/markup.h"
#include "exercise_test.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "topics/terms/term_record.h"

namespace kalkora {
namespace {

using terms_topic::AddSubTerme;
using test::ProcessEvents;
using test::Typed;

const TTerm& Item(int i) { return AddSubTerme[static_cast<std::size_t>(i)]; }

// A multiple of a letter as a learner would type it: "6a", "-b", "b".
QString Multiple(int coefficient, char16_t letter) {
  QString text = coefficient == 1    ? QString()
                 : coefficient == -1 ? "-"
                                     : QString::number(coefficient);
  return text + QChar(letter);
}

int Koef(const Text& text) { return TextInt(text).value_or(0); }

// The paint-box pixel where the task starts (page x −20).
constexpr int kTaskPixel = 500 - 200;

class LikeTermsWindowTest : public test::ExerciseTest {
 protected:
  // Menu "Terme" › "Übungsbeispele" › "Addieren und Subtrahieren" › "Stufe n".
  void open(int level) {
    if (window) closeExercise();
    window = qobject_cast<TfrmAddSubU*>(openExercise(QStringLiteral("menStufe%1AS").arg(level)));
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    if (window) closeExercise();
    window = nullptr;
    ExerciseTest::TearDown();
  }

  TfrmAddSubU* window = nullptr;
};

TEST_F(LikeTermsWindowTest, OpensEachLevelWithTheOrderHint) {
  for (int level = 1; level <= 3; ++level) {
    SCOPED_TRACE(level);
    open(level);
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Übungsbeispiele: Addieren und Subtrahieren (Stufe %1)").arg(level));
    EXPECT_TRUE(label("lblAnzeige")
                    .startsWith(QStringLiteral(
                        "Gib den jeweiligen Term ohne Multiplikationszeichen ein.")));
    EXPECT_EQ(window->findChild<QWidget*>("grpVersuche")->height(), 60);
    EXPECT_EQ(window->findChild<QWidget*>("grpPunkte")->height(), 60);
    // "Gib das Ergebnis alphabetisch aufsteigend sortiert ein." under the rows.
    EXPECT_GT(pixelsInRows(palette::palPurple, 570, 605), 200);
    for (int i = 1; i <= 5; ++i) {
      SCOPED_TRACE(i);
      EXPECT_TRUE(Item(i).Aktiv);
      // The task is the prefix: black, with the field 10 pixels after it on its row.
      EXPECT_GT(pixelsInRow(i, Qt::black, kTaskPixel), 100);
      EXPECT_EQ(pixelsInRow(i, palette::palViolet), 0);
      EXPECT_EQ(pixelsInRow(i, palette::palRose), 0);
      const int prefix = MarkupWidth(ToText(ToQString(Item(i).TermAnzeige) + " = "), 18, true);
      EXPECT_EQ(window->answerField(i)->x(), 10 + kTaskPixel + prefix + 10);
      EXPECT_EQ(window->answerField(i)->y(), 100 * i + 20);
    }
  }
}

TEST_F(LikeTermsWindowTest, RightAnswersAreDrawnInViolet) {
  for (int level = 1; level <= 3; ++level) {
    SCOPED_TRACE(level);
    open(level);
    for (int i = 1; i <= 5; ++i) answer(i, Typed(Item(i).Antwort));
    EXPECT_EQ(label("lblAktPunkte"), "5,0");
    for (int i = 1; i <= 5; ++i) {
      EXPECT_FALSE(window->answerField(i)->isVisible());
      EXPECT_GT(pixelsInRow(i, palette::palViolet, kTaskPixel), 20);
    }
  }
}

// ‹–10b+6a› for ‹6a–10b›: the same term with the later letter first is wrong.
TEST_F(LikeTermsWindowTest, TheEarlierLetterMustComeFirst) {
  int tried = 0;
  for (int run = 0; run < 20 && tried == 0; ++run) {
    open(2);
    for (int i = 1; i <= 5; ++i) {
      const int k1 = Koef(Item(i).Koef1Text);
      const int k2 = Koef(Item(i).Koef2Text);
      if (k1 == 0 || k2 == 0) continue;
      QString swapped = Multiple(k2, Item(i).Var2);
      if (k1 > 0) swapped += "+";
      swapped += Multiple(k1, Item(i).Var1);
      SCOPED_TRACE(swapped.toStdString());
      answer(i, swapped);
      EXPECT_EQ(window->answerField(i)->text(), QString(swapped).replace('-', QChar(0x2013)));
      EXPECT_TRUE(label("lblAnzeige").contains("falsch")) << label("lblAnzeige").toStdString();
      EXPECT_EQ(label("lblAktPunkte"), "0");
      answer(i, Typed(Item(i).Antwort));  // the correction in the right order counts
      EXPECT_EQ(label("lblAktPunkte"), "0,5");
      ++tried;
      break;
    }
    ClearFixedRandomSeed();  // the next run draws other items
  }
  EXPECT_EQ(tried, 1);
}

TEST_F(LikeTermsWindowTest, TheFieldTakesOnlyTheItemsLetters) {
  open(3);
  const QChar first(Item(1).Var1);
  const QChar second(Item(1).Var2);
  QChar other = QLatin1Char('a');
  while (other == first || other == second) other = QChar(other.unicode() + 1);
  EXPECT_EQ(typeKeys(1, QString("-3") + first + "*" + other + "+ 7" + second + first.toUpper()),
            QString(QChar(0x2013)) + "3" + first + "+7" + second);
}

// The field is 20 pixels wider than the expected answer as drawn or as the field shows it:
// narrow for "0" or "a", wide for ‹–12a+15b›; the answer and one character more never scroll.
TEST_F(LikeTermsWindowTest, FieldWidthFollowsTheAnswer) {
  int shortSeen = 0;
  int longSeen = 0;
  for (int run = 0; run < 60 && (shortSeen == 0 || longSeen == 0); ++run) {
    open(3);
    for (int i = 1; i <= 5; ++i) {
      const Text& expected = Item(i).Antwort;
      const int width = window->answerField(i)->width();
      EXPECT_GE(width, MarkupWidthCaret(expected, 18, true) + 20);
      EXPECT_TRUE(showsFromFirstGlyph(i, test::Typed(expected) + "1"));
      if (expected.size() <= 2) {
        ++shortSeen;
        EXPECT_LT(width, 60) << ToQString(expected).toStdString();
      } else if (expected.size() >= 7) {
        ++longSeen;
        EXPECT_GT(width, 100) << ToQString(expected).toStdString();
      }
    }
    ClearFixedRandomSeed();
  }
  EXPECT_GT(shortSeen, 0);
  EXPECT_GT(longSeen, 0);
}

}  // namespace
}  // namespace kalkora
