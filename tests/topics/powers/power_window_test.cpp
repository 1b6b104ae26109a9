// The power exercise of multiplying and of adding/subtracting as a learner meets it: opened
// from the main window's menu in each mode and level, answers typed with one caret for
// two-digit exponents, the rows, the purple hint and the key filter.

#include "topics/powers/power_exercise_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include "base/random.h"
#include "base/shared_functions.h"
#include "drawing/markup.h"
#include "exercise_test.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "terms/term_exponents.h"
#include "topics/powers/power_record.h"

namespace kalkora {
namespace {

using powers::Potenzen;
using test::ProcessEvents;

const TPotenz& Item(int i) { return Potenzen[static_cast<std::size_t>(i)]; }

QString TypedAnswer(int i) { return test::Typed(JoinExponentDigits(Item(i).Antwort())); }

struct Opening {
  const char* menu;
  const char* caption;
  const char* instructionStart;
  double rowX;
};

const std::vector<Opening>& Openings() {
  static const std::vector<Opening> openings{
      {"menStufe1Mult", "Übungsbeispiele Potenzen – Multiplizieren (Stufe 1)",
       "Gib die jeweiligen Potenzen", -10},
      {"menStufe2Mult", "Übungsbeispiele Potenzen – Multiplizieren (Stufe 2)",
       "Gib die jeweiligen Potenzen", -10},
      {"menStufe3Mult", "Übungsbeispiele Potenzen – Multiplizieren (Stufe 3)",
       "Gib die jeweiligen Potenzen", -10},
      {"menStufe1PAS", "Übungsbeispiele Potenzen – Addieren und Subtrahieren (Stufe 1)",
       "Gib den jeweiligen Term", -10},
      {"menStufe2PAS", "Übungsbeispiele Potenzen – Addieren und Subtrahieren (Stufe 2)",
       "Gib den jeweiligen Term", -35},
      {"menStufe3PAS", "Übungsbeispiele Potenzen – Addieren und Subtrahieren (Stufe 3)",
       "Gib den jeweiligen Term", -37},
  };
  return openings;
}

class PowerWindowTest : public test::ExerciseTest {
 protected:
  void open(const char* menu) {
    window = qobject_cast<TfrmPotenzenU*>(openExercise(QString::fromUtf8(menu)));
    ASSERT_NE(window, nullptr);
  }
  void close() {
    closeExercise();
    window = nullptr;
  }

  TfrmPotenzenU* window = nullptr;
};

TEST_F(PowerWindowTest, OpensEachModeAndLevelFromTheMenu) {
  for (const Opening& o : Openings()) {
    SCOPED_TRACE(o.menu);
    open(o.menu);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(o.caption));
    EXPECT_TRUE(label("lblAnzeige").startsWith(QString::fromUtf8(o.instructionStart)));
    EXPECT_EQ(label("lblDurchgang"), "1 / 3");
    // The purple hint stands centred under the rows (page y −28 is pixel row 580).
    EXPECT_GT(pixelsInRows(palette::palPurple, 565, 595), 50);
    const int rowPixel = 500 + static_cast<int>(10 * o.rowX);
    for (int i = 1; i <= 5; ++i) {
      SCOPED_TRACE(i);
      const TPotenz& item = Item(i);
      AnswerField* field = window->answerField(i);
      EXPECT_TRUE(item.Aktiv);
      EXPECT_TRUE(field->isVisible());
      EXPECT_GT(item.Feldbreite, 10);
      EXPECT_GE(field->width(), item.Feldbreite + 20);
      EXPECT_GT(item.Praefixbreite, 30);
      EXPECT_EQ(field->x(), 10 + rowPixel + item.Praefixbreite + 10);
      EXPECT_EQ(field->y(), 100 * i + 20);
      EXPECT_GT(pixelsInRow(i, Qt::black, rowPixel), 20);
      EXPECT_EQ(pixelsInRow(i, Qt::black, field->x() - 10 + 5), 0);
      // The answer and one character more fit: nothing scrolls out of sight.
      EXPECT_TRUE(showsFromFirstGlyph(i, TypedAnswer(i) + "1")) << TypedAnswer(i).toStdString();
    }
    close();
  }
}

TEST_F(PowerWindowTest, RightAnswersOfEveryModeAndLevel) {
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
      EXPECT_GT(pixelsInRow(i, palette::palViolet, window->answerField(i)->x() - 30), 20);
    }
    close();
  }
}

TEST_F(PowerWindowTest, TwoWrongAnswersQuoteTheSolutionAndDrawTheLearnersTextInRose) {
  open("menStufe2Mult");
  const QString wrong = TypedAnswer(4) + "2";
  answer(4, wrong);
  EXPECT_TRUE(label("lblAnzeige").startsWith("Deine Eingabe ist leider falsch!"));
  answer(4, wrong);
  EXPECT_TRUE(Item(4).Gezeigt);
  EXPECT_FALSE(window->answerField(4)->isVisible());
  EXPECT_TRUE(label("lblAnzeige")
                  .contains(QStringLiteral("Das Ergebnis lautet ") +
                            ToQString(JoinExponentDigits(Item(4).Loesung())) + "\n"));
  EXPECT_GT(pixelsInRow(4, palette::palRose, window->answerField(4)->x() - 30), 20);
  EXPECT_EQ(pixelsInRow(4, palette::palViolet), 0);
}

// Forms a learner may type for an answer such as ‹15g^10› or ‹o^2z^4›: the letters in the
// other order and a caret before each exponent digit are wrong, the expected form after them
// is right at the second attempt.
TEST_F(PowerWindowTest, TypedFormsAndTheirVerdicts) {
  const QRegularExpression twoFactors(QStringLiteral("^(\\d*)([a-z]\\^\\d+)([a-z]\\^\\d+)$"));
  const QRegularExpression twoDigits(QStringLiteral("\\^(\\d)(\\d)"));
  int otherOrder = 0;
  int caretPerDigit = 0;
  for (int seed = 1; seed <= 30 && (otherOrder < 3 || caretPerDigit < 3); ++seed) {
    for (const char* menu : {"menStufe1Mult", "menStufe2Mult", "menStufe3Mult"}) {
      SCOPED_TRACE(menu);
      SetRandomSeed(static_cast<unsigned>(seed));
      open(menu);
      for (int i = 1; i <= 5; ++i) {
        const QString expected = TypedAnswer(i);
        QString form = expected;
        const QRegularExpressionMatch factors = twoFactors.match(expected);
        if (factors.hasMatch() && factors.captured(2) != factors.captured(3)) {
          form = factors.captured(1) + factors.captured(3) + factors.captured(2);
          ++otherOrder;
        } else if (twoDigits.match(expected).hasMatch()) {
          form.replace(twoDigits, QStringLiteral("^\\1^\\2"));
          ++caretPerDigit;
        } else {
          continue;
        }
        SCOPED_TRACE(form.toStdString());
        answer(i, form);
        EXPECT_FALSE(Item(i).Richtig);
        EXPECT_TRUE(label("lblAnzeige").startsWith("Deine Eingabe ist leider falsch!"));
        answer(i, expected);
        EXPECT_TRUE(Item(i).Richtig);
        EXPECT_EQ(label("lblAnzeige"), "Beim zweiten Versuch ist deine Eingabe richtig!");
      }
      close();
    }
  }
  ClearFixedRandomSeed();
  EXPECT_GE(otherOrder, 3);
  EXPECT_GE(caretPerDigit, 3);
}

// Pass 2 brings new items in the same mode and level, with fields measured and placed anew.
TEST_F(PowerWindowTest, PassTwoMeasuresAndPlacesTheFieldsOfItsItems) {
  const Opening& o = Openings()[4];  // add/subtract, Stufe 2
  open(o.menu);
  std::vector<Text> firstPass;
  for (int i = 1; i <= 5; ++i) {
    firstPass.push_back(Item(i).Antwort());
    answer(i, TypedAnswer(i));
  }
  window->findChild<QPushButton*>("btnWeiter")->click();
  ProcessEvents();
  EXPECT_EQ(label("lblDurchgang"), "2 / 3");
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8(o.caption));
  const int rowPixel = 500 + static_cast<int>(10 * o.rowX);
  int changed = 0;
  for (int i = 1; i <= 5; ++i) {
    SCOPED_TRACE(i);
    const TPotenz& item = Item(i);
    AnswerField* field = window->answerField(i);
    if (item.Antwort() != firstPass[static_cast<std::size_t>(i - 1)]) ++changed;
    EXPECT_TRUE(field->isVisible());
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(item.Feldbreite, MarkupWidthCaret(item.Antwort(), 18, true));
    EXPECT_GE(field->width(), item.Feldbreite + 20);
    EXPECT_EQ(field->x(), 10 + rowPixel + item.Praefixbreite + 10);
  }
  EXPECT_GE(changed, 4);
  for (int i = 1; i <= 5; ++i) answer(i, TypedAnswer(i));
  EXPECT_EQ(label("lblAktPunkte"), "5,0");
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8(o.caption));
}

TEST_F(PowerWindowTest, KeyFilterLetsOnlyTheItemsLettersThrough) {
  for (const char* menu : {"menStufe1Mult", "menStufe3PAS"}) {
    SCOPED_TRACE(menu);
    open(menu);
    QString letters;
    for (const std::size_t k : {1u, 2u}) {
      if (Item(1).Buchst[k] > u' ') letters += QChar(Item(1).Buchst[k]);
    }
    ASSERT_FALSE(letters.isEmpty());
    const QString alphabet = test::LowerCaseLetters();
    EXPECT_EQ(typeKeys(1, alphabet), test::KeptKeys(alphabet, letters));
    EXPECT_EQ(typeKeys(1, QString::fromUtf8("-3^12+4 *·()") + letters[0].toUpper()),
              QString::fromUtf8("–3^12+4"));
    close();
  }
}

}  // namespace
}  // namespace kalkora
