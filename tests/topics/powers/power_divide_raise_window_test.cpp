// The exercise of dividing and raising powers as a learner meets it: opened from the main
// window's menu in each mode and level, rows of one field or of a numerator over a denominator
// with their "Prüfen", typed forms and their verdicts, the messages of empty fields, "Weiter"
// while a row is not checked, and the key filter.

#include "topics/powers/power_divide_raise_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "base/random.h"
#include "exercise_test.h"
#include "frame/information_box.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "practice/practice_run.h"
#include "terms/term_exponents.h"
#include "topics/powers/power_divide_raise_texts.h"
#include "topics/powers/power_record.h"

namespace kalkora {
namespace {

using powers::Potenzen;
using test::ProcessEvents;

const TPotenz& Item(int i) { return Potenzen[static_cast<std::size_t>(i)]; }

struct Opening {
  const char* menu;
  const char* caption;
  bool checked;  // rows judged by "Prüfen"
  bool hint;     // the purple hint under the rows
};

const std::vector<Opening>& Openings() {
  static const std::vector<Opening> openings{
      {"menStufe1Div", "Übungsbeispiele Potenzen – Dividieren (Stufe 1)", true, false},
      {"menStufe2Div", "Übungsbeispiele Potenzen – Dividieren (Stufe 2)", true, false},
      {"menStufe3Div", "Übungsbeispiele Potenzen – Dividieren (Stufe 3)", true, false},
      {"menStufe1Pot", "Übungsbeispiele Potenzen – Potenzieren (Stufe 1)", false, true},
      {"menStufe2Pot", "Übungsbeispiele Potenzen – Potenzieren (Stufe 2)", false, true},
      {"menStufe3Pot", "Übungsbeispiele Potenzen – Potenzieren (Stufe 3)", true, true},
  };
  return openings;
}

// A seed under which the window, opened at the level of `generator`, shows an item for which
// `wanted` holds, and that item's number: the window seeds the source and makes items 1 … 5.
std::pair<unsigned, int> SeedShowing(powers::PowerGenerator generator,
                                     const std::function<bool(const TPotenz&)>& wanted) {
  for (unsigned seed = 1; seed < 400000; ++seed) {
    SetRandomSeed(seed);
    Randomize();
    for (int i = 1; i <= 5; ++i) {
      generator(i);
      if (wanted(Item(i))) return {seed, i};
    }
  }
  return {0, 0};
}

class DivPotWindowTest : public test::ExerciseTest {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    SetInformationBoxForTesting([this](const QString& text) { boxes.push_back(text); });
  }
  void TearDown() override {
    SetInformationBoxForTesting({});
    ExerciseTest::TearDown();
  }

  void open(const char* menu) {
    window = qobject_cast<TfrmDivPotU*>(openExercise(QString::fromUtf8(menu)));
    ASSERT_NE(window, nullptr);
  }
  // Opens the window under the seed that shows the wanted item; returns its number.
  int openShowing(const char* menu, powers::PowerGenerator generator,
                  const std::function<bool(const TPotenz&)>& wanted) {
    const auto [seed, item] = SeedShowing(generator, wanted);
    EXPECT_NE(seed, 0u) << "no seed shows the item";
    SetRandomSeed(seed);
    open(menu);
    return item;
  }
  void close() {
    closeExercise();
    window = nullptr;
  }

  AnswerField* field(int i, int k = 1) const { return window->answerField(i, k); }
  QPushButton* button(int i) const { return window->checkButton(i); }
  bool shown(QWidget* widget) const { return widget->isVisibleTo(window); }
  // Clicks into the field and types the keys, as a learner does.
  void type(int i, int k, const QString& text) {
    field(i, k)->setFocus(Qt::OtherFocusReason);
    ProcessEvents();
    field(i, k)->clear();
    QTest::keyClicks(field(i, k), text);
    ProcessEvents();
  }
  void check(int i) {
    QTest::mouseClick(button(i), Qt::LeftButton);
    ProcessEvents();
  }
  // Types the texts into the row's fields and judges them: "Prüfen" in a checked row, Enter
  // (leaving the field) in a row of one field judged on leaving.
  void answerRow(int i, const std::vector<QString>& texts) {
    if (!shown(button(i))) {
      answer(i, texts.front());
      return;
    }
    for (std::size_t k = 0; k < texts.size(); ++k) type(i, static_cast<int>(k) + 1, texts[k]);
    check(i);
  }
  std::vector<QString> rightTexts(int i) const {
    std::vector<QString> texts;
    for (const Text& text : powers::ExpectedFieldTexts(window->exercise(), Item(i))) {
      texts.push_back(ToQString(text));
    }
    return texts;
  }
  // Pixels of the colour in the band of item i's row (its fraction's numerator top down to
  // its denominator), right of window pixel x.
  int pixelsInBand(int i, const QColor& colour, int fromWindowX) const {
    return pixelsInRows(colour, 100 * i - 15, 100 * i + 75, std::max(0, fromWindowX - 10));
  }

  TfrmDivPotU* window = nullptr;
  std::vector<QString> boxes;
};

TEST_F(DivPotWindowTest, OpensEachModeAndLevelWithItsRowsFieldsAndButtons) {
  for (const Opening& o : Openings()) {
    SCOPED_TRACE(o.menu);
    open(o.menu);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(o.caption));
    EXPECT_EQ(label("lblAnzeige"), ToQString(powers::DivideRaiseInstruction(window->exercise())));
    EXPECT_EQ(pixelsInRows(palette::palPurple, 565, 595) > 50, o.hint);
    for (int i = 1; i <= 5; ++i) {
      SCOPED_TRACE(i);
      const TPotenz& item = Item(i);
      const int fields = o.checked ? powers::AnswerFieldCount(item) : 1;
      EXPECT_TRUE(shown(field(i, 1)));
      EXPECT_EQ(shown(field(i, 2)), fields == 2);
      EXPECT_EQ(shown(button(i)), o.checked);
      EXPECT_EQ(button(i)->geometry(), QRect(800, 100 * i + 20, 80, 30));
      EXPECT_EQ(field(i, 1)->y(), 100 * i + 20);
      EXPECT_EQ(field(i, 2)->y(), 100 * i + 56);
      // The field stands right of the task, and wide enough for the answer and more.
      const QRect z = field(i, 1)->geometry();
      EXPECT_GE(z.width(), item.Feldbreite + 20);
      EXPECT_GT(pixelsInBand(i, Qt::black, 0) - pixelsInBand(i, Qt::black, z.x()), 100);
      EXPECT_EQ(window->clientArea()->childAt(z.center()), field(i, 1));
      EXPECT_TRUE(showsFromFirstGlyph(i, rightTexts(i).front() + "1"));
      field(i, 1)->clear();
      // The fields end before the row's "Prüfen" and the result pictures.
      EXPECT_LE(z.right(), o.checked ? 790 : 900);
      if (fields == 2) {
        const QRect n = field(i, 2)->geometry();
        EXPECT_EQ(n.x(), z.x());
        EXPECT_EQ(n.width(), z.width());
        EXPECT_EQ(window->clientArea()->childAt(n.center()), field(i, 2));
        // The answer bar between the two fields, as long as they are wide (its round ends
        // reach a pixel further).
        EXPECT_GE(pixelsInRows(Qt::black, 100 * i + 31, 100 * i + 36, z.x() - 10), 2 * z.width());
        EXPECT_EQ(pixelsInRows(Qt::black, 100 * i + 31, 100 * i + 36, z.right() + 3 - 10), 0);
      }
    }
    close();
  }
}

// Pixels of the paint box that are not its background, inside the rectangle (window pixels).
int InkIn(QWidget* paintBox, const QRect& windowRect) {
  const QImage page = paintBox->grab().toImage();
  const QRect rect = windowRect.translated(-paintBox->x(), -paintBox->y()).intersected(page.rect());
  const QRgb background = palette::palCream.rgb();
  int ink = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) ink += page.pixel(x, y) != background;
  }
  return ink;
}

// Over many items of every mode and level: each row stays right of its face, nothing of the
// task lies under a field, and the fields end before the row's "Prüfen".
TEST_F(DivPotWindowTest, RowsStayBetweenTheFacesAndTheButtons) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    for (const Opening& o : Openings()) {
      SCOPED_TRACE(o.menu);
      SetRandomSeed(seed);
      open(o.menu);
      QWidget* paintBox = window->findChild<QWidget*>("pntUeb");
      for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        const int fields = shown(field(i, 2)) ? 2 : 1;
        EXPECT_EQ(InkIn(paintBox, QRect(20, 100 * i - 15, 100, 100)), 0);
        for (int k = 1; k <= fields; ++k) {
          const QRect place = field(i, k)->geometry();
          EXPECT_EQ(InkIn(paintBox, place), 0) << k;
          EXPECT_LE(place.right(), o.checked ? 790 : 900) << k;
        }
      }
      close();
    }
  }
  ClearFixedRandomSeed();
}

// Over several runs of every mode and level: each right answer is taken, the fields and the
// button go, and the answer is drawn where the fields stood.
TEST_F(DivPotWindowTest, RightAnswersOfEveryModeAndLevel) {
  for (unsigned seed = 1; seed <= 3; ++seed) {
    for (const Opening& o : Openings()) {
      SCOPED_TRACE(o.menu);
      SetRandomSeed(seed);
      open(o.menu);
      std::vector<int> answerX;
      for (int i = 1; i <= 5; ++i) answerX.push_back(field(i)->x());
      for (int i = 1; i <= 5; ++i) answerRow(i, rightTexts(i));
      EXPECT_EQ(label("lblAktVersuche"), "5");
      EXPECT_EQ(label("lblAktPunkte"), "5,0");
      EXPECT_TRUE(boxes.empty());
      for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(Item(i).Richtig);
        EXPECT_FALSE(shown(field(i, 1)));
        EXPECT_FALSE(shown(field(i, 2)));
        EXPECT_FALSE(shown(button(i)));
        // The answer in violet; the quotient of raising shows its solution in the letters'
        // colours, the first letter's rose among them.
        const QColor colour = o.hint && o.checked ? palette::palRose : palette::palViolet;
        EXPECT_GT(pixelsInBand(i, colour, answerX[static_cast<std::size_t>(i - 1)] - 10), 20);
      }
      close();
    }
  }
  ClearFixedRandomSeed();
}

// A typed product split before each letter: ‹7u^5i^2› gives "7", "u^5", "i^2".
QStringList Factors(const QString& product) {
  QStringList factors;
  for (const QChar c : product) {
    if (c.isLetter() || factors.isEmpty()) factors.append(QString());
    factors.last() += c;
  }
  return factors;
}

// The typed product with its first two letter factors swapped.
QString OtherOrder(const QString& product) {
  QStringList factors = Factors(product);
  const int first = factors.front().front().isLetter() ? 0 : 1;
  factors.swapItemsAt(first, first + 1);
  return factors.join(QString());
}

// A learner's typed forms and the verdicts: the numerator "1" over the power, the factors in
// the order of the task, a two-digit exponent typed with one caret, each part of a fraction in
// its own field.
TEST_F(DivPotWindowTest, TypedFormsAndTheirVerdicts) {
  using Typed = std::function<std::vector<QString>(const TPotenz&)>;
  const auto fixed = [](std::vector<QString> texts) {
    return [texts](const TPotenz&) { return texts; };
  };
  const auto answers = [](const TPotenz& item) {
    return std::vector<QString>{ToQString(item.Text[2]), ToQString(item.Text[3])};
  };
  struct Form {
    Typed typed;
    bool right;
  };
  struct Task {
    const char* menu;
    powers::PowerGenerator generator;
    std::function<bool(const TPotenz&)> wanted;
    std::vector<Form> forms;
  };
  const std::vector<Task> tasks{
      {"menStufe1Div",
       powers::GenDivideU1,
       [](const TPotenz& item) { return item.Text[8] == u"x^4" && item.Text[9] == u"x^8"; },
       {{fixed({"1", "x^4"}), true}, {fixed({"x^4", "1"}), false}, {fixed({"1", "x^04"}), false}}},
      {"menStufe1Div",
       powers::GenDivideU1,
       [](const TPotenz& item) { return item.Text[8] == u"x^9" && item.Text[9] == u"x^2"; },
       {{fixed({"x^7"}), true}, {fixed({"x^7/1"}), false}}},
      {"menStufe1Pot",
       powers::GenRaiseU1,
       [](const TPotenz& item) { return item.Antwort() == u"m^12d^4"; },
       {{fixed({"m^12d^4"}), true},
        {fixed({"d^4m^12"}), false},
        {fixed({"m^1^2d^4"}), false},
        {fixed({"m^12·d^4"}), true}}},  // the dot cannot be typed
      {"menStufe3Pot",
       powers::GenRaiseU3,
       // Two letters above the bar, one of them with a two-digit exponent.
       [](const TPotenz& item) {
         return item.Text[11].find(u'·') != Text::npos && item.Text[11].find(u"^1^") != Text::npos;
       },
       {{answers, true},
        {[answers](const TPotenz& item) {
           std::vector<QString> texts = answers(item);
           texts[0] = OtherOrder(texts[0]);
           return texts;
         },
         false},
        {[answers](const TPotenz& item) {
           std::vector<QString> texts = answers(item);
           texts[0] = ToQString(SplitExponentDigits(item.Text[2]));
           return texts;
         },
         false},
        {[answers](const TPotenz& item) {
           std::vector<QString> texts = answers(item);
           std::swap(texts[0], texts[1]);
           return texts;
         },
         false}}},
  };
  for (const Task& task : tasks) {
    SCOPED_TRACE(task.menu);
    const auto [seed, i] = SeedShowing(task.generator, task.wanted);
    ASSERT_NE(seed, 0u) << "no seed shows the task";
    for (const Form& form : task.forms) {
      SetRandomSeed(seed);
      open(task.menu);
      const std::vector<QString> typed = form.typed(Item(i));
      SCOPED_TRACE(typed.front().toStdString());
      answerRow(i, typed);
      EXPECT_EQ(label("lblAktVersuche"), "1");
      EXPECT_EQ(Item(i).Richtig, form.right);
      EXPECT_EQ(label("lblAnzeige"),
                form.right ? QStringLiteral("Bravo, deine Eingabe ist richtig!")
                           : QString::fromUtf8("Deine Eingabe ist leider falsch!\n"
                                               "Überprüfe deine Eingabe und versuche es noch "
                                               "einmal."));
      close();
    }
  }
  ClearFixedRandomSeed();
}

// ‹x^4 : x^8› with the keyboard alone: leaving a field of a division row judges nothing, Enter
// on "Prüfen" judges the row, the answer is drawn in violet as a fraction, Escape closes.
TEST_F(DivPotWindowTest, DivisionRowsAreJudgedByPruefenOnly) {
  const int i = openShowing("menStufe1Div", powers::GenDivideU1, [](const TPotenz& item) {
    return item.Text[8] == u"x^4" && item.Text[9] == u"x^8";
  });
  ASSERT_GE(i, 1);
  EXPECT_EQ(Item(i).Text[2], u"1");
  EXPECT_EQ(Item(i).Text[3], u"x^4");
  field(i, 1)->setFocus(Qt::OtherFocusReason);
  ProcessEvents();
  QTest::keyClicks(field(i, 1), "1");
  QTest::keyClick(field(i, 1), Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(QApplication::focusWidget(), field(i, 2));
  QTest::keyClicks(field(i, 2), "x^4");
  QTest::keyClick(field(i, 2), Qt::Key_Tab);
  ProcessEvents();
  EXPECT_EQ(QApplication::focusWidget(), button(i));
  EXPECT_EQ(label("lblAktVersuche"), "0");
  EXPECT_FALSE(Item(i).Richtig);
  EXPECT_EQ(pixelsInBand(i, palette::palViolet, 0), 0);
  QTest::keyClick(button(i), Qt::Key_Return);
  ProcessEvents();
  EXPECT_EQ(label("lblAktVersuche"), "1");
  EXPECT_EQ(label("lblAnzeige"), "Bravo, deine Eingabe ist richtig!");
  EXPECT_GT(pixelsInBand(i, palette::palViolet, 0), 20);

  // Escape in a field closes the window; the main window is back.
  const int other = i == 1 ? 2 : 1;
  field(other)->setFocus(Qt::OtherFocusReason);
  ProcessEvents();
  QTest::keyClick(field(other), Qt::Key_Escape);
  ProcessEvents();
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(mainWindow().isVisible());
  exercise = nullptr;
  ClearFixedRandomSeed();
}

// Two wrong answers to a quotient raised to a power: the message names the solution with its
// exponents as typed (‹b^16›), and the row shows the solution.
TEST_F(DivPotWindowTest, TheSecondWrongAnswerQuotesTheSolutionWithJoinedExponents) {
  const int i = openShowing("menStufe3Pot", powers::GenRaiseU3, [](const TPotenz& item) {
    return item.Loesung().find(u"b^1^6") != Text::npos;
  });
  ASSERT_GE(i, 1);
  const std::vector<QString> right = rightTexts(i);
  const std::vector<QString> wrong{right[0] + "2", right[1]};
  answerRow(i, wrong);
  EXPECT_TRUE(label("lblAnzeige").startsWith("Deine Eingabe ist leider falsch!"));
  EXPECT_TRUE(shown(button(i)));
  const int answerX = field(i)->x();
  EXPECT_EQ(pixelsInBand(i, palette::palRose, answerX - 10), 0);
  answerRow(i, wrong);
  const QString message = label("lblAnzeige");
  EXPECT_TRUE(message.startsWith("Deine Eingabe ist leider wieder falsch!\nDas Ergebnis lautet "));
  EXPECT_TRUE(message.contains("b^16")) << message.toStdString();
  EXPECT_FALSE(message.contains("b^1^6")) << message.toStdString();
  EXPECT_TRUE(message.contains(ToQString(JoinExponentDigits(Item(i).Loesung()))));
  EXPECT_TRUE(Item(i).Gezeigt);
  EXPECT_FALSE(shown(button(i)));
  EXPECT_GT(pixelsInBand(i, palette::palRose, answerX - 10), 20);
  ClearFixedRandomSeed();
}

// A division row answered wrong twice keeps the learner's two entries in rose.
TEST_F(DivPotWindowTest, AFractionAnsweredWrongTwiceShowsTheLearnersEntriesInRose) {
  const int i = openShowing("menStufe2Div", powers::GenDivideU2,
                            [](const TPotenz& item) { return item.Antwortart == 2; });
  ASSERT_GE(i, 1);
  const std::vector<QString> right = rightTexts(i);
  const int answerX = field(i)->x();
  answerRow(i, {right[0] + "2", right[1]});
  answerRow(i, {right[0] + "2", right[1]});
  EXPECT_TRUE(Item(i).Gezeigt);
  EXPECT_GT(pixelsInBand(i, palette::palRose, answerX - 10), 40);
  EXPECT_EQ(pixelsInBand(i, palette::palViolet, 0), 0);
  ClearFixedRandomSeed();
}

TEST_F(DivPotWindowTest, EmptyFieldsAtPruefenAreReportedAndNothingIsJudged) {
  // A fraction row with one of its two fields empty.
  const int i = openShowing("menStufe2Div", powers::GenDivideU2,
                            [](const TPotenz& item) { return item.Antwortart == 2; });
  ASSERT_GE(i, 1);
  const std::vector<QString> right = rightTexts(i);
  type(i, 1, right[0]);
  check(i);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes.back(), QString::fromUtf8("Die Eingabefelder dürfen nicht leer sein!"));
  EXPECT_EQ(QApplication::focusWidget(), field(i, 2));
  type(i, 1, "");
  type(i, 2, right[1]);
  check(i);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes.back(), QString::fromUtf8("Die Eingabefelder dürfen nicht leer sein!"));
  EXPECT_EQ(QApplication::focusWidget(), field(i, 1));
  EXPECT_EQ(label("lblAktVersuche"), "0");
  EXPECT_EQ(practice::Versuch, 1);
  EXPECT_TRUE(shown(button(i)));
  close();

  // A row of one term with its field empty.
  const int j = openShowing("menStufe1Div", powers::GenDivideU1,
                            [](const TPotenz& item) { return item.Antwortart == 1; });
  ASSERT_GE(j, 1);
  check(j);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes.back(), "Es fehlt der Eintrag!");
  EXPECT_EQ(QApplication::focusWidget(), field(j, 1));
  EXPECT_EQ(label("lblAktVersuche"), "0");
  ClearFixedRandomSeed();
}

// "Weiter" counts the rows not finally judged: a row filled but never checked keeps the pass.
TEST_F(DivPotWindowTest, WeiterWithAFilledUncheckedRowIsRefused) {
  open("menStufe3Div");
  for (int i = 1; i <= 4; ++i) answerRow(i, rightTexts(i));
  const std::vector<QString> last = rightTexts(5);
  for (std::size_t k = 0; k < last.size(); ++k) type(5, static_cast<int>(k) + 1, last[k]);
  QTest::mouseClick(window->findChild<QPushButton*>("btnWeiter"), Qt::LeftButton);
  ProcessEvents();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes.back(), "Es fehlt noch 1 Eintrag!");
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
  EXPECT_EQ(QApplication::focusWidget(), button(5));
  QTest::keyClick(button(5), Qt::Key_Space);
  ProcessEvents();
  EXPECT_EQ(label("lblAktPunkte"), "5,0");
  QTest::mouseClick(window->findChild<QPushButton*>("btnWeiter"), Qt::LeftButton);
  ProcessEvents();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(label("lblDurchgang"), "2 / 3");
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8(Openings()[2].caption));
  EXPECT_TRUE(shown(button(5)));
}

// The fields take the digits, "^", the item's letters of the level and "/" where the level
// allows it; never "+", "-", "*", a blank or another letter.
TEST_F(DivPotWindowTest, KeyFilterByModeAndLevel) {
  for (const Opening& o : Openings()) {
    SCOPED_TRACE(o.menu);
    open(o.menu);
    const QString keys = ToQString(powers::AcceptedKeys(window->exercise(), Item(1)));
    QString letters;
    for (const QChar c : keys) {
      if (c.isLetter()) letters += c;
    }
    ASSERT_FALSE(letters.isEmpty());
    const QString alphabet = test::LowerCaseLetters();
    EXPECT_EQ(typeKeys(1, alphabet), test::KeptKeys(alphabet, letters));
    const bool slash = o.menu != std::string("menStufe1Div") && o.checked;
    EXPECT_EQ(typeKeys(1, QString::fromUtf8("3^12+-* ·/()") + letters[0].toUpper()),
              slash ? QStringLiteral("3^12/") : QStringLiteral("3^12"));
    close();
  }
}

}  // namespace
}  // namespace kalkora
