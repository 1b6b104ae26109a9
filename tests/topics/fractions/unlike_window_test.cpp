// The unlike-denominator exercise as a learner works it from the menu: stage by stage, typing
// into the fields, Enter from field to field and on the stage's check button, reading the
// labels and the colours drawn on the page.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/window_set.h"
#include "base/random.h"
#include "frame/information_box.h"
#include "frame/palette.h"
#include "frame/text_conversion.h"
#include "practice/evaluation_window.h"
#include "program_test.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/unlike_denominators_stages.h"
#include "topics/fractions/unlike_denominators_window.h"

namespace kalkora {
namespace {

using fractions::Bruch;
using test::ProcessEvents;

const QString kBravo = "Bravo, deine Eingabe ist richtig!";
const QString kWrongFirst =
    "Deine Eingabe ist leider falsch!\nÜberprüfe deine Eingabe und versuche es noch einmal.";
const QString kWrongSecond =
    "Deine Eingabe ist leider wieder falsch!\nVergleiche das Ergebnis mit deiner Eingabe und "
    "überlege, warum du den Fehler begangen hast!";

// Regions of the paint box (pixels): the answer cells of the table's three columns (below
// the header), and the page below the table down to the stage's heading.
const QRect kFactorisedCells(215, 100, 230, 190);
const QRect kMainDenominatorCell(455, 100, 305, 190);
const QRect kFactorCells(765, 100, 235, 190);
const QRect kLines(0, 300, 1000, 260);

class UnlikeWindowTest : public test::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    SetInformationBoxForTesting([this](const QString& text) { boxes.push_back(text); });
    TfrmAuswertung::SetStepIntervalForTesting(0);
  }
  void TearDown() override {
    SetInformationBoxForTesting({});
    TfrmAuswertung::SetStepIntervalForTesting(100);
    ProgramTest::TearDown();
  }

  // Opens Stufe `level` from the menu with the random source at `seed`.
  void open(int level, std::uint32_t seed = 20261209) {
    SetRandomSeed(seed);
    clickMenu(QStringLiteral("menAddSubUU%1").arg(level));
    window = qobject_cast<TfrmBruchU2*>(openChildWindow());
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    ProcessEvents();
    level_ = level;
  }
  // Opens Stufe `level` with the first seed from `seed` on whose item `wanted` holds.
  void openItemWhere(int level, const std::function<bool(const TBruchM&)>& wanted) {
    for (std::uint32_t seed = 1; seed < 400; ++seed) {
      open(level, seed);
      if (wanted(Bruch[1])) return;
      window->close();
      ProcessEvents();
    }
    FAIL() << "no such item";
  }

  QString label(const char* name) const { return window->findChild<QLabel*>(name)->text(); }
  QString message() const { return window->instructionLabel()->text(); }
  QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }

  // The field or button a learner finds at the middle of the control's place.
  bool showsAtItsPlace(QWidget* control) const {
    const QPoint middle = control->geometry().center();
    return control->isVisible() && window->clientArea()->childAt(middle) == control;
  }
  // The fields shown at their places, in the order 1 … 12.
  std::vector<int> shownFields() const {
    std::vector<int> shown;
    for (int f = 1; f <= 12; ++f) {
      if (showsAtItsPlace(window->answerField(f))) shown.push_back(f);
    }
    return shown;
  }

  // The expected text of a field as the learner types it: "-" for "–", "*" for the dot of
  // the power notation.
  QString typed(int field) const {
    QString text = ToQString(fractions::TypedFieldText(Bruch[1], level_, field));
    text.replace(QChar(u'–'), '-');
    text.replace(QChar(u'·'), '*');
    return text;
  }

  // Types the texts into the stage's fields, each followed by Enter (which moves on to the
  // next field and from the last to the check button), then presses Enter on the button.
  void checkWithKeys(const std::vector<QString>& texts) {
    const std::vector<int> fields = fractions::StageFields(Bruch[1], window->stage());
    ASSERT_EQ(texts.size(), fields.size());
    QTest::mouseClick(window->answerField(fields.front()), Qt::LeftButton);
    ProcessEvents();
    for (std::size_t k = 0; k < fields.size(); ++k) {
      AnswerField* field = window->answerField(fields[k]);
      ASSERT_EQ(QApplication::focusWidget(), field) << "field " << fields[k];
      field->clear();
      QTest::keyClicks(field, texts[k]);
      QTest::keyClick(field, Qt::Key_Return);
      ProcessEvents();
    }
    ASSERT_EQ(QApplication::focusWidget(), window->checkButton(window->stage()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ProcessEvents();
  }
  std::vector<QString> rightTexts() const {
    std::vector<QString> texts;
    for (int f : fractions::StageFields(Bruch[1], window->stage())) texts.push_back(typed(f));
    return texts;
  }
  std::vector<QString> wrongTexts() const {
    std::vector<QString> texts = rightTexts();
    for (QString& text : texts) text += "7";
    return texts;
  }

  int pixels(const QColor& colour, const QRect& region) const {
    const QImage page = window->paintBox()->grab().toImage();
    int count = 0;
    for (int y = region.top(); y <= region.bottom() && y < page.height(); ++y) {
      for (int x = region.left(); x <= region.right() && x < page.width(); ++x) {
        if (page.pixelColor(x, y) == colour) ++count;
      }
    }
    return count;
  }

  TfrmBruchU2* window = nullptr;
  std::vector<QString> boxes;
  int level_ = 1;
};

// One item at Stufe 1 worked through its five stages with right answers: each stage shows
// its own fields, is judged by Enter on its button, earns a point and draws its answers in
// violet in its place; the item then closes and "Weiter" takes the focus.
TEST_F(UnlikeWindowTest, OneItemAtStufe1ThroughAllFiveStagesRight) {
  open(1);
  EXPECT_EQ(window->windowTitle(),
            "Übungsbeispiele: Bruchterme – Addieren/Subrahieren mit ungleichnamigem Nenner "
            "(Stufe 1)");
  EXPECT_EQ(message(), "Drücke die Tasten, um die nächste Eingabe durchführen zu können!");
  const int count = Bruch[1].Anzahl;
  const struct {
    std::vector<int> fields;
    QRect region;  // where the stage's answers are drawn
  } stages[] = {
      {count == 3 ? std::vector<int>{1, 2, 3} : std::vector<int>{1, 2}, kFactorisedCells},
      {{4}, kMainDenominatorCell},
      {count == 3 ? std::vector<int>{5, 6, 7} : std::vector<int>{5, 6}, kFactorCells},
      {count == 3 ? std::vector<int>{8, 9, 10} : std::vector<int>{8, 9}, kLines},
      {Bruch[1].Kenn[1] ? std::vector<int>{11, 12} : std::vector<int>{11}, kLines},
  };
  const QColor violet = palette::palViolet;
  int violetBefore = pixels(violet, kLines);
  for (int s = 1; s <= 5; ++s) {
    SCOPED_TRACE(testing::Message() << "stage " << s);
    EXPECT_EQ(shownFields(), stages[s - 1].fields);
    EXPECT_TRUE(showsAtItsPlace(window->checkButton(s)));
    if (s != 4 && s != 5) EXPECT_EQ(pixels(violet, stages[s - 1].region), 0);
    checkWithKeys(rightTexts());
    EXPECT_EQ(message(), kBravo);
    EXPECT_EQ(label("lblAktVersuche"), QString::number(s));
    EXPECT_EQ(label("lblAktPunkte"), QString::number(s) + ",0");
    EXPECT_FALSE(window->checkButton(s)->isVisible());
    const int violetNow = pixels(violet, stages[s - 1].region);
    EXPECT_GT(violetNow, s >= 4 ? violetBefore : 0);
    if (s >= 4) violetBefore = violetNow;
  }
  EXPECT_TRUE(shownFields().empty());
  EXPECT_EQ(pixels(palette::palRose, QRect(0, 100, 1000, 460)), 0);
  EXPECT_EQ(QApplication::focusWidget(), button("btnWeiter"));
  EXPECT_TRUE(boxes.empty());
}

// The power notation of Stufe 1 variants 1 and 2 is typed with "*" for the dot; the
// extension factors of these variants take digits only.
TEST_F(UnlikeWindowTest, PowerNotationTakesStarAsDotAndFactorsOnlyDigits) {
  openItemWhere(1, [](const TBruchM& item) { return item.Variante <= 2; });
  const QString letter(QChar(Bruch[1].Var1));
  AnswerField* first = window->answerField(1);
  QTest::mouseClick(first, Qt::LeftButton);
  QTest::keyClicks(first, "2^2*3*" + letter + "+(y");
  EXPECT_EQ(first->text(), QString("2^2·3·") + letter);
  first->clear();
  checkWithKeys(rightTexts());
  checkWithKeys(rightTexts());
  ASSERT_EQ(window->stage(), fractions::kStageFactors);
  AnswerField* factor = window->answerField(5);
  QTest::keyClicks(factor, "2^2*3*" + letter + "-");
  EXPECT_EQ(factor->text(), "223");
}

// A stage answered wrong twice: the first wrong answer keeps the stage open with the focus in
// its field; the second opens the next stage and shows the learner's text in rose with the
// expected text in violet beside it.
TEST_F(UnlikeWindowTest, StageWrongTwiceOpensTheNextStageAndShowsTheExpectedText) {
  open(2);
  checkWithKeys(rightTexts());
  ASSERT_EQ(window->stage(), fractions::kStageMainDenominator);
  EXPECT_EQ(pixels(palette::palRose, kMainDenominatorCell), 0);
  EXPECT_EQ(pixels(palette::palViolet, kMainDenominatorCell), 0);

  checkWithKeys(wrongTexts());
  EXPECT_EQ(message(), kWrongFirst);
  EXPECT_EQ(shownFields(), std::vector<int>{4});
  EXPECT_EQ(QApplication::focusWidget(), window->answerField(4));
  EXPECT_EQ(label("lblAktVersuche"), "2");
  EXPECT_EQ(label("lblAktPunkte"), "1,0");
  EXPECT_EQ(pixels(palette::palRose, kMainDenominatorCell), 0);  // nothing shown yet

  checkWithKeys(wrongTexts());
  EXPECT_EQ(message(), kWrongSecond);
  EXPECT_EQ(label("lblAktVersuche"), "3");
  EXPECT_EQ(label("lblAktPunkte"), "1,0");
  EXPECT_EQ(window->stage(), fractions::kStageFactors);
  EXPECT_EQ(shownFields(),
            (Bruch[1].Anzahl == 3 ? std::vector<int>{5, 6, 7} : std::vector<int>{5, 6}));
  EXPECT_EQ(QApplication::focusWidget(), window->answerField(5));
  EXPECT_GT(pixels(palette::palRose, kMainDenominatorCell), 100);   // the learner's text
  EXPECT_GT(pixels(palette::palViolet, kMainDenominatorCell), 50);  // the expected text

  // A right answer at the second attempt earns half a point.
  checkWithKeys(wrongTexts());
  checkWithKeys(rightTexts());
  EXPECT_EQ(message(), "Beim zweiten Versuch ist deine Eingabe richtig!");
  EXPECT_EQ(label("lblAktPunkte"), "1,5");
  EXPECT_EQ(label("lblAktVersuche"), "5");
}

// A stage with an empty field judges nothing: the information box asks for the entries, the
// focus goes to the empty field and the counters stay.
TEST_F(UnlikeWindowTest, EmptyFieldIsNotJudged) {
  open(1);
  AnswerField* first = window->answerField(1);
  QTest::mouseClick(first, Qt::LeftButton);
  QTest::keyClicks(first, typed(1));
  window->checkButton(1)->click();
  ProcessEvents();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes.back(), "Die Eingabefelder dürfen nicht leer sein!");
  EXPECT_EQ(QApplication::focusWidget(), window->answerField(2));
  EXPECT_EQ(label("lblAktVersuche"), "0");
  EXPECT_EQ(window->stage(), fractions::kStageFactorise);

  checkWithKeys(rightTexts());
  QTest::mouseClick(window->checkButton(2), Qt::LeftButton);
  ProcessEvents();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes.back(), "Das Eingabefeld darf nicht leer sein!");
  EXPECT_EQ(QApplication::focusWidget(), window->answerField(4));
  EXPECT_EQ(label("lblAktVersuche"), "1");
}

// The result stage asks for the denominator only when the result cancels: otherwise edt12
// stays hidden and the main denominator is drawn under the learner's numerator.
TEST_F(UnlikeWindowTest, ResultThatCannotBeCancelledHidesTheDenominatorField) {
  for (const bool cancels : {false, true}) {
    SCOPED_TRACE(cancels ? "cancels" : "does not cancel");
    openItemWhere(2, [&](const TBruchM& item) { return item.Kenn[1] == cancels; });
    for (int s = 1; s <= 4; ++s) checkWithKeys(rightTexts());
    ASSERT_EQ(window->stage(), fractions::kStageResult);
    EXPECT_EQ(shownFields(), (cancels ? std::vector<int>{11, 12} : std::vector<int>{11}));
    // Under the numerator field: its own denominator field, or the drawn main denominator.
    const QRect numerator = window->answerField(11)->geometry();
    const QRect under(numerator.left() - window->paintBox()->x(),
                      numerator.bottom() + 12 - window->paintBox()->y(), numerator.width(), 24);
    EXPECT_EQ(pixels(Qt::black, under) > 50, !cancels);
    checkWithKeys(rightTexts());
    EXPECT_EQ(message(), kBravo);
    EXPECT_EQ(label("lblAktPunkte"), "5,0");
    window->close();
    ProcessEvents();
  }
}

// "Weiter" is refused until the result stage is judged; then it starts the next pass with a
// new item at its first stage.
TEST_F(UnlikeWindowTest, WeiterIsRefusedBeforeTheResult) {
  open(3);
  for (int s = 1; s <= 5; ++s) {
    SCOPED_TRACE(testing::Message() << "stage " << s);
    button("btnWeiter")->click();
    ProcessEvents();
    ASSERT_EQ(boxes.size(), static_cast<std::size_t>(s));
    EXPECT_EQ(boxes.back(), "Es fehlen noch Einträge!");
    EXPECT_EQ(label("lblDurchgang"), "1 / 3");
    EXPECT_EQ(window->stage(), s);
    checkWithKeys(rightTexts());
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // "Weiter" has the focus
  ProcessEvents();
  EXPECT_EQ(boxes.size(), 5u);
  EXPECT_EQ(label("lblDurchgang"), "2 / 3");
  EXPECT_EQ(label("lblAktVersuche"), "0");
  EXPECT_EQ(label("lblAktPunkte"), "0,0");
  EXPECT_EQ(window->stage(), fractions::kStageFactorise);
  EXPECT_EQ(shownFields().front(), 1);
  EXPECT_EQ(QApplication::focusWidget(), window->answerField(1));
  EXPECT_EQ(pixels(palette::palViolet, QRect(0, 100, 1000, 460)), 0);  // a fresh page
}

// Three passes of one item each, then "Auswertung" in the place of "Weiter": the evaluation
// rates the fifteen stages, and closing it starts a new run under its own instruction.
TEST_F(UnlikeWindowTest, ThreePassesThenTheEvaluation) {
  open(1);
  for (int pass = 1; pass <= 3; ++pass) {
    for (int s = 1; s <= 5; ++s) {
      if (s == 3) checkWithKeys(wrongTexts());
      checkWithKeys(rightTexts());
    }
    if (pass == 3) break;
    EXPECT_EQ(QApplication::focusWidget(), button("btnWeiter"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ProcessEvents();
  }
  EXPECT_FALSE(button("btnWeiter")->isVisible());
  ASSERT_TRUE(showsAtItsPlace(button("btnAuswertung")));
  EXPECT_EQ(QApplication::focusWidget(), button("btnAuswertung"));
  QTest::keyClick(button("btnAuswertung"), Qt::Key_Return);
  ProcessEvents();
  TfrmAuswertung& evaluation = *Windows().frmAuswertung;
  ASSERT_TRUE(evaluation.isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !evaluation.countUpRunning(); }, 5000));
  // Stage 3 wrong, then right at the second attempt, in each pass: 13,5 points in 18.
  EXPECT_EQ(evaluation.findChild<QLabel*>("pnlRichtig")->text(), "13,5 / 18");
  evaluation.findChild<QPushButton*>("btnSchliessen")->click();
  ProcessEvents();
  EXPECT_EQ(message(),
            "Addieren/Subrahieren (Nenner ungleichnamig).\nDrücke die Tasten, um die nächste(n) "
            "Eingabe(n) durchführen zu können!");
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
  EXPECT_TRUE(showsAtItsPlace(button("btnWeiter")));
  EXPECT_EQ(window->stage(), fractions::kStageFactorise);
}

}  // namespace
}  // namespace kalkora
