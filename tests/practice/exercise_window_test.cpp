// The practice run of an exercise window, driven as a learner drives it, on a small window whose
// item i of pass p expects the answer "pi" ("13" for item 3 of pass 1).

#include "practice/exercise_window.h"

#include <gtest/gtest.h>

#include <QTest>
#include <array>

#include "app/window_set.h"
#include "base/shared_functions.h"
#include "exercise_test.h"
#include "frame/information_box.h"
#include "frame/palette.h"
#include "practice/evaluation_window.h"
#include "practice/practice_run.h"

namespace kalkora {
namespace {

using test::ProcessEvents;

class PracticeWindow : public ExerciseWindow {
 public:
  PracticeWindow()
      : ExerciseWindow(WindowDesign{"frmPractice", "Practice", QSize(1016, 722)}, Layout{}) {}

  int generated = 0;
  using ExerciseWindow::answeredLine;

 protected:
  QString caption() const override { return "Übung"; }
  Text instruction() const override { return practice::InstructionNumbers(); }
  void generateItem(int) override { ++generated; }
  ItemFlags& flags(int item) override { return flags_[static_cast<std::size_t>(item - 1)]; }
  Text expectedAnswer(int item) const override { return IntText(practice::Durchgang * 10 + item); }
  Text solutionText(int item) const override { return u"L" + expectedAnswer(item); }
  KeyFilter keyFilter(int) const override { return KeyFilter::Numbers(); }
  int fieldWidth(int, int) const override { return 70; }
  void pntUebPaint(QPainter&) override {}

 private:
  std::array<ItemFlags, 5> flags_;
};

class ExerciseWindowTest : public test::ExerciseTest {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    SetInformationBoxForTesting([this](const QString& text) { boxes.push_back(text); });
    TfrmAuswertung::SetStepIntervalForTesting(0);
    window = std::make_unique<PracticeWindow>();
    mainWindow().openModal(*window);
    QApplication::setActiveWindow(window.get());
    ProcessEvents();
    exercise = window.get();
  }
  void TearDown() override {
    exercise = nullptr;
    window.reset();
    SetInformationBoxForTesting({});
    TfrmAuswertung::SetStepIntervalForTesting(100);
    ExerciseTest::TearDown();
  }

  QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
  const QPixmap face(int i) const {
    return window->findChild<QLabel*>(QStringLiteral("img%1").arg(i))->pixmap();
  }

  QString expected(int i) const { return QString::number(practice::Durchgang * 10 + i); }

  std::unique_ptr<PracticeWindow> window;
  std::vector<QString> boxes;
};

bool samePicture(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }

TEST_F(ExerciseWindowTest, RunStartsAtPassOneWithOpenItems) {
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
  EXPECT_EQ(label("lblAktVersuche"), "0");
  EXPECT_EQ(label("lblAktPunkte"), "0");
  EXPECT_EQ(window->windowTitle(), "Übung");
  EXPECT_EQ(label("lblAnzeige"), QString::fromUtf16(practice::InstructionNumbers().c_str()));
  for (int i = 1; i <= 5; ++i) {
    EXPECT_TRUE(window->answerField(i)->isVisible());
    EXPECT_EQ(window->answerField(i)->width(), 70);
    EXPECT_TRUE(samePicture(face(i), FacePicture(Face::Blue)));
  }
  EXPECT_TRUE(button("btnWeiter")->isVisible());
}

TEST_F(ExerciseWindowTest, FiveRightAnswers) {
  for (int i = 1; i <= 5; ++i) answer(i, expected(i));
  EXPECT_EQ(label("lblAktVersuche"), "5");
  EXPECT_EQ(label("lblAktPunkte"), "5,0");
  EXPECT_EQ(label("lblAnzeige"), "Bravo, deine Eingabe ist richtig!");
  for (int i = 1; i <= 5; ++i) {
    EXPECT_FALSE(window->answerField(i)->isVisible());
    EXPECT_TRUE(samePicture(face(i), FacePicture(Face::Green)));
  }
  EXPECT_TRUE(button("btnWeiter")->isVisible());  // pass 1 of 3
}

TEST_F(ExerciseWindowTest, WrongThenRight) {
  answer(2, "99");
  EXPECT_TRUE(window->answerField(2)->isVisible());
  EXPECT_TRUE(window->answerField(2)->hasFocus());
  EXPECT_TRUE(samePicture(face(2), FacePicture(Face::Red)));
  EXPECT_EQ(label("lblAktVersuche"), "1");
  EXPECT_EQ(label("lblAktPunkte"), "0");  // a first wrong answer shows only the attempts
  EXPECT_TRUE(label("lblAnzeige").startsWith("Deine Eingabe ist leider falsch!"));
  // Changing the text brings the instruction back.
  QTest::keyClick(window->answerField(2), Qt::Key_Backspace);
  EXPECT_TRUE(label("lblAnzeige").startsWith("Gib die jeweiligen Zahlen ein."));
  answer(2, expected(2));
  EXPECT_TRUE(samePicture(face(2), FacePicture(Face::Orange)));
  EXPECT_EQ(label("lblAktVersuche"), "2");
  EXPECT_EQ(label("lblAktPunkte"), "0,5");
  EXPECT_EQ(label("lblAnzeige"), "Beim zweiten Versuch ist deine Eingabe richtig!");
  EXPECT_FALSE(window->answerField(2)->isVisible());
}

TEST_F(ExerciseWindowTest, TwoWrongAnswersShowTheSolution) {
  answer(3, "7");
  answer(3, "8");
  EXPECT_FALSE(window->answerField(3)->isVisible());
  EXPECT_EQ(window->answerField(3)->text(), "8");  // stays, drawn in rose by the topic
  EXPECT_TRUE(samePicture(face(3), FacePicture(Face::Red)));
  EXPECT_EQ(label("lblAktVersuche"), "2");
  EXPECT_EQ(label("lblAktPunkte"), "0,0");
  EXPECT_TRUE(label("lblAnzeige").contains("Das Ergebnis lautet L13"));
}

TEST_F(ExerciseWindowTest, WeiterWithEmptyFieldsIsRefused) {
  answer(2, expected(2));
  answer(4, expected(4));
  button("btnWeiter")->click();
  ProcessEvents();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], QString::fromUtf8("Es fehlen noch 3 Einträge!"));
  EXPECT_TRUE(window->answerField(1)->hasFocus());
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
}

TEST_F(ExerciseWindowTest, ThreePassesThenEvaluationThenANewRun) {
  for (int pass = 1; pass <= 3; ++pass) {
    SCOPED_TRACE(pass);
    for (int i = 1; i <= 5; ++i) {
      if (i <= 2) answer(i, "0");  // items 1, 2: wrong first, then right
      answer(i, expected(i));
    }
    if (pass < 3) {
      EXPECT_TRUE(button("btnWeiter")->isVisible());
      button("btnWeiter")->click();
      ProcessEvents();
      EXPECT_EQ(label("lblAktPunkte"), "0,0");
      EXPECT_EQ(label("lblAktVersuche"), "0");
    }
  }
  EXPECT_EQ(label("lblDurchgang"), "3 / 3");
  EXPECT_FALSE(button("btnWeiter")->isVisible());
  EXPECT_TRUE(button("btnAuswertung")->isVisible());
  EXPECT_FLOAT_EQ(practice::Punkte, 12.0f);
  EXPECT_EQ(practice::Versuche, 21);

  button("btnAuswertung")->click();
  ProcessEvents();
  TfrmAuswertung& evaluation = *Windows().frmAuswertung;
  EXPECT_TRUE(evaluation.isVisible());
  EXPECT_TRUE(window->isVisible());  // the evaluation opens over the exercise
  ASSERT_TRUE(QTest::qWaitFor([&] { return !evaluation.countUpRunning(); }, 5000));
  auto* schliessen = evaluation.findChild<QPushButton*>("btnSchliessen");
  ASSERT_TRUE(schliessen->isVisible());
  schliessen->click();
  ProcessEvents();
  EXPECT_FALSE(evaluation.isVisible());
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
  EXPECT_EQ(label("lblAktVersuche"), "0");
  EXPECT_EQ(practice::Versuche, 0);
  EXPECT_TRUE(button("btnWeiter")->isVisible());
  EXPECT_TRUE(window->answerField(1)->isVisible());
  EXPECT_TRUE(window->answerField(1)->text().isEmpty());
}

// Passes 2 and 3 start under the instruction, not under the feedback of an item of the last
// pass.
TEST_F(ExerciseWindowTest, WeiterBringsBackTheInstruction) {
  const QString instruction = QString::fromUtf16(practice::InstructionNumbers().c_str());
  for (int i = 1; i <= 5; ++i) {
    if (i == 5) answer(i, "7");  // the last word is a wrong answer's feedback
    answer(i, expected(i));
  }
  ASSERT_NE(label("lblAnzeige"), instruction);
  button("btnWeiter")->click();
  ProcessEvents();
  EXPECT_EQ(label("lblAnzeige"), instruction);
  const QColor shown =
      window->findChild<QLabel*>("lblAnzeige")->palette().color(QPalette::WindowText);
  EXPECT_EQ(shown, palette::palBrown);
}

// "Weiter" lies on "Auswertung": while it is shown, "Auswertung" can be reached by no tab, key
// or click, so that the evaluation never ends a run in its middle.
TEST_F(ExerciseWindowTest, AuswertungCannotBeReachedWhileWeiterIsShown) {
  for (int i = 1; i <= 4; ++i) answer(i, expected(i));
  QPushButton* weiter = button("btnWeiter");
  weiter->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(weiter, Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ProcessEvents();
  EXPECT_FALSE(Windows().frmAuswertung->isVisible());
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");

  // A whole round of tabs from "Weiter" never lands on "Auswertung".
  weiter->setFocus(Qt::OtherFocusReason);
  for (int k = 0; k < 8; ++k) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), button("btnAuswertung"));
  }
  // A click where both lie presses "Weiter".
  QWidget* clicked = window->clientArea()->childAt(900, 690);
  EXPECT_EQ(clicked, weiter);
}

// In the last pass "Auswertung" takes the place and the focus of "Weiter": Enter in the last
// field moves to it and Enter opens the evaluation.
TEST_F(ExerciseWindowTest, AfterTheLastPassEnterReachesAuswertung) {
  for (int pass = 1; pass <= 3; ++pass) {
    for (int i = 1; i <= 5; ++i) answer(i, expected(i));
    if (pass < 3) {
      button("btnWeiter")->click();
      ProcessEvents();
    }
  }
  QWidget* place = window->clientArea()->childAt(900, 690);
  EXPECT_EQ(place, button("btnAuswertung"));
  ASSERT_EQ(QApplication::focusWidget(), button("btnAuswertung"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ProcessEvents();
  EXPECT_TRUE(Windows().frmAuswertung->isVisible());
}

// A click on "Weiter" moves the focus out of the field being typed in, which judges it. In the
// last pass that answer leaves no row open, whether it finishes the last row or is a first
// wrong answer waiting for its correction: the click then shows "Auswertung" in the place of
// "Weiter" and starts no fourth pass.
TEST_F(ExerciseWindowTest, AClickOnWeiterInTheLastPassStartsNoFourthPass) {
  struct Case {
    bool lastAnswerRight;
    const char* points;
  };
  for (const Case& c : {Case{true, "5,0"}, Case{false, "4,0"}}) {
    SCOPED_TRACE(c.lastAnswerRight);
    window->FormActivate();
    for (int pass = 1; pass <= 2; ++pass) {
      for (int i = 1; i <= 5; ++i) answer(i, expected(i));
      button("btnWeiter")->click();
      ProcessEvents();
    }
    for (int i = 1; i <= 4; ++i) answer(i, expected(i));
    AnswerField* last = window->answerField(5);
    last->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(last, c.lastAnswerRight ? expected(5) : QStringLiteral("0"));
    QTest::mouseClick(button("btnWeiter"), Qt::LeftButton);
    ProcessEvents();
    EXPECT_EQ(label("lblDurchgang"), "3 / 3");
    EXPECT_EQ(label("lblAktVersuche"), "5");
    EXPECT_EQ(label("lblAktPunkte"), c.points);
    EXPECT_FALSE(button("btnWeiter")->isVisible());
    EXPECT_TRUE(button("btnAuswertung")->isVisible());
    EXPECT_EQ(last->isVisible(), !c.lastAnswerRight);  // a wrong answer may still be corrected
  }
}

// The answered line of a row: the solution, or the learner's text with each exponent digit
// raised, as the solutions write them (‹b^3f^62› is drawn ‹b³f⁶²›, not ‹b³f⁶2›).
TEST_F(ExerciseWindowTest, AnsweredLineRaisesEveryDigitOfTheLearnersExponent) {
  window->answerField(1)->setKeyFilter(KeyFilter::Terms("bf").with("^"));
  typeKeys(1, "b^3f^62");
  EXPECT_EQ(window->answeredLine(1, u"T = ", false, u"L"), u"T = #b^3f^6^2#");
  EXPECT_EQ(window->answeredLine(1, u"T = ", true, u"b^3f^6^2"), u"T = #b^3f^6^2#");
}

TEST_F(ExerciseWindowTest, AWrongAnswerLeftEmptyMakesTheNextAnswerASecondAttempt) {
  answer(1, "9");
  window->answerField(1)->clear();
  answer(2, expected(2));
  EXPECT_EQ(label("lblAktPunkte"), "0,5");
  EXPECT_TRUE(samePicture(face(2), FacePicture(Face::Orange)));
  EXPECT_FALSE(window->findChild<QLabel*>("imgZ22")->pixmap().isNull());
  EXPECT_TRUE(window->findChild<QLabel*>("imgZ21")->pixmap().isNull());
}

}  // namespace
}  // namespace kalkora
