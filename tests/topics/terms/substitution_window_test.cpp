// The substitution exercise as a learner meets it: opened from the main window's menu with the
// fixed seed of the program tests, answers typed into the fields, the pictures and counters,
// the drawn rows, and the evaluation after three passes.

#include "topics/terms/substitution_exercise_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/window_set.h"
#include "base/shared_functions.h"
#include "exercise_test.h"
#include "frame/information_box.h"
#include "frame/palette.h"
#include "frame/status_pictures.h"
#include "frame/text_conversion.h"
#include "practice/evaluation_window.h"
#include "practice/practice_run.h"
#include "topics/terms/term_record.h"

namespace kalkora {
namespace {

using terms_topic::EinsetzenTerme;
using test::ProcessEvents;
using test::Typed;

const TTerm& Item(int i) { return EinsetzenTerme[static_cast<std::size_t>(i)]; }

class SubstitutionWindowTest : public test::ExerciseTest {
 protected:
  void SetUp() override {
    ExerciseTest::SetUp();
    SetInformationBoxForTesting([this](const QString& text) { boxes.push_back(text); });
    TfrmAuswertung::SetStepIntervalForTesting(0);
  }
  void TearDown() override {
    SetInformationBoxForTesting({});
    TfrmAuswertung::SetStepIntervalForTesting(100);
    ExerciseTest::TearDown();
  }

  // Menu "Terme" › "Übungsbeispele" › "Einsetzen" › "Stufe n".
  void open(int level) {
    window = qobject_cast<TfrmEinsetzenU*>(openExercise(QStringLiteral("menStufe%1E").arg(level)));
    ASSERT_NE(window, nullptr);
  }

  QPushButton* button(const char* name) const { return window->findChild<QPushButton*>(name); }
  bool faceIs(int i, Face face) const {
    const QPixmap shown = window->findChild<QLabel*>(QStringLiteral("img%1").arg(i))->pixmap();
    return shown.toImage() == FacePicture(face).toImage();
  }

  void answerRight(int i) { answer(i, Typed(Item(i).Antwort)); }
  // A number answer that is never the value (|value| ≤ 100); a term answer needs its letter.
  void answerWrong(int i, const QString& text = QStringLiteral("999")) { answer(i, text); }

  // The paint-box pixel where the answer prefix of a level starts.
  static int prefixPixel(int level) { return 500 + 10 * (level == 1 ? 9 : level == 2 ? 5 : 8); }

  TfrmEinsetzenU* window = nullptr;
  std::vector<QString> boxes;
};

TEST_F(SubstitutionWindowTest, OpensEachLevelFromTheMenu) {
  struct Case {
    int level;
    const char* caption;
    const char* instruction;
    int fieldWidth;
  };
  for (const Case& c :
       {Case{1, "Übungsbeispiele: Werte einsetzen (Stufe 1)", "Gib die jeweiligen Zahlen ein.", 70},
        Case{2, "Übungsbeispiele: Werte einsetzen (Stufe 2)", "Gib die jeweiligen Zahlen ein.", 70},
        Case{3, "Übungsbeispiele: Werte einsetzen (Stufe 3)",
             "Gib den jeweiligen Term ohne Multiplikationszeichen ein.", 160}}) {
    SCOPED_TRACE(c.level);
    open(c.level);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_TRUE(label("lblAnzeige").startsWith(QString::fromUtf8(c.instruction)));
    EXPECT_EQ(label("lblDurchgang"), "1 / 3");
    EXPECT_EQ(label("lblAktVersuche"), "0");
    EXPECT_EQ(label("lblAktPunkte"), "0");
    for (int i = 1; i <= 5; ++i) {
      AnswerField* field = window->answerField(i);
      EXPECT_TRUE(field->isVisible());
      EXPECT_TRUE(field->text().isEmpty());
      EXPECT_EQ(field->width(), c.fieldWidth);
      EXPECT_TRUE(faceIs(i, Face::Blue));
      EXPECT_TRUE(Item(i).Aktiv);
      // The field starts 10 pixels after the measured prefix, on the row of its item.
      EXPECT_GT(Item(i).Praefixbreite, 40);
      EXPECT_EQ(field->x(), 10 + prefixPixel(c.level) + Item(i).Praefixbreite + 10);
      EXPECT_EQ(field->y(), 100 * i + 20);
      // The open prefix is drawn in black, nothing in violet or rose yet.
      EXPECT_GT(pixelsInRow(i, Qt::black, prefixPixel(c.level)), 20);
      EXPECT_EQ(pixelsInRow(i, palette::palViolet), 0);
      EXPECT_EQ(pixelsInRow(i, palette::palRose), 0);
    }
    EXPECT_TRUE(window->answerField(1)->hasFocus());
    window->close();
    ProcessEvents();
  }
}

TEST_F(SubstitutionWindowTest, FiveRightAnswers) {
  open(1);
  for (int i = 1; i <= 5; ++i) answerRight(i);
  EXPECT_EQ(label("lblAktVersuche"), "5");
  EXPECT_EQ(label("lblAktPunkte"), "5,0");
  EXPECT_EQ(label("lblAnzeige"), "Bravo, deine Eingabe ist richtig!");
  for (int i = 1; i <= 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_FALSE(window->answerField(i)->isVisible());
    EXPECT_TRUE(faceIs(i, Face::Green));
    EXPECT_TRUE(Item(i).Richtig);
    // The solution stands after the prefix in violet.
    EXPECT_GT(pixelsInRow(i, palette::palViolet, prefixPixel(1)), 20);
  }
  EXPECT_TRUE(button("btnWeiter")->isVisible());
}

TEST_F(SubstitutionWindowTest, WrongThenRight) {
  open(1);
  answerWrong(2);
  EXPECT_TRUE(window->answerField(2)->isVisible());
  EXPECT_TRUE(window->answerField(2)->hasFocus());
  EXPECT_TRUE(faceIs(2, Face::Red));
  EXPECT_EQ(label("lblAktVersuche"), "1");
  EXPECT_EQ(label("lblAktPunkte"), "0");
  EXPECT_TRUE(label("lblAnzeige").startsWith("Deine Eingabe ist leider falsch!"));
  answerRight(2);
  EXPECT_TRUE(faceIs(2, Face::Orange));
  EXPECT_EQ(label("lblAktVersuche"), "2");
  EXPECT_EQ(label("lblAktPunkte"), "0,5");
  EXPECT_EQ(label("lblAnzeige"), "Beim zweiten Versuch ist deine Eingabe richtig!");
  EXPECT_FALSE(window->answerField(2)->isVisible());
  EXPECT_GT(pixelsInRow(2, palette::palViolet, prefixPixel(1)), 20);
}

TEST_F(SubstitutionWindowTest, TwoWrongAnswersShowTheSolutionAndKeepTheWrongTextInRose) {
  open(1);
  answerWrong(3, "98");
  EXPECT_EQ(pixelsInRow(3, palette::palRose), 0);  // still open: only the prefix is drawn
  answerWrong(3, "-97");
  EXPECT_FALSE(window->answerField(3)->isVisible());
  EXPECT_TRUE(faceIs(3, Face::Red));
  EXPECT_TRUE(Item(3).Gezeigt);
  EXPECT_EQ(label("lblAktVersuche"), "2");
  EXPECT_EQ(label("lblAktPunkte"), "0,0");
  EXPECT_TRUE(label("lblAnzeige")
                  .contains(QStringLiteral("Das Ergebnis lautet ") + ToQString(Item(3).Loesung)));
  EXPECT_EQ(window->answerField(3)->text(), QStringLiteral("–97"));
  // The learner's wrong text is drawn after the prefix in rose, where the field was.
  const int fieldLeft = prefixPixel(1) + Item(3).Praefixbreite + 10;
  EXPECT_GT(pixelsInRow(3, palette::palRose, fieldLeft - 15), 20);
  EXPECT_EQ(pixelsInRow(3, palette::palViolet), 0);
  EXPECT_EQ(pixelsInRow(2, palette::palRose), 0);
}

TEST_F(SubstitutionWindowTest, WeiterWithThreeEmptyFieldsIsRefused) {
  open(1);
  answerRight(2);
  answerRight(4);
  button("btnWeiter")->click();
  ProcessEvents();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], QString::fromUtf8("Es fehlen noch 3 Einträge!"));
  EXPECT_TRUE(window->answerField(1)->hasFocus());
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
}

// Twelve right first answers and three items wrong twice: 12 points in 18 attempts.
TEST_F(SubstitutionWindowTest, ThreePassesThenTheEvaluationThenANewRun) {
  open(1);
  const std::array<int, 3> wrongItems{0, 1, 2};  // per pass: the last n items are wrong twice
  for (int pass = 1; pass <= 3; ++pass) {
    SCOPED_TRACE(pass);
    const int wrongFrom = 6 - wrongItems[static_cast<std::size_t>(pass - 1)];
    for (int i = 1; i <= 5; ++i) {
      if (i < wrongFrom) {
        answerRight(i);
      } else {
        answerWrong(i, "998");
        answerWrong(i, "999");
      }
    }
    EXPECT_EQ(label("lblDurchgang"), QStringLiteral("%1 / 3").arg(pass));
    if (pass < 3) {
      ASSERT_TRUE(button("btnWeiter")->isVisible());
      button("btnWeiter")->click();
      ProcessEvents();
      EXPECT_EQ(label("lblAktVersuche"), "0");
      EXPECT_EQ(label("lblAktPunkte"), "0,0");
      EXPECT_TRUE(window->answerField(1)->hasFocus());
      for (int i = 1; i <= 5; ++i) EXPECT_TRUE(window->answerField(i)->isVisible());
    }
  }
  EXPECT_EQ(label("lblAktVersuche"), "7");
  EXPECT_EQ(label("lblAktPunkte"), "3,0");
  EXPECT_FALSE(button("btnWeiter")->isVisible());
  ASSERT_TRUE(button("btnAuswertung")->isVisible());

  button("btnAuswertung")->click();
  ProcessEvents();
  TfrmAuswertung& evaluation = *Windows().frmAuswertung;
  ASSERT_TRUE(evaluation.isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !evaluation.countUpRunning(); }, 5000));
  auto text = [&](const char* name) { return evaluation.findChild<QLabel*>(name)->text(); };
  EXPECT_EQ(text("pnlRichtig"), "12,0 / 18");
  EXPECT_EQ(text("pnlFalsch"), "6,0 / 18");
  EXPECT_EQ(text("lblPRichtig"), "66,667 %");
  EXPECT_EQ(text("lblPFalsch"), "33,333 %");
  EXPECT_EQ(text("lblAnzeige"),
            QString::fromUtf8("Du bist schon recht gut. Ein wenig Übung wäre aber günstig."));

  auto* schliessen = evaluation.findChild<QPushButton*>("btnSchliessen");
  ASSERT_TRUE(schliessen->isVisible());
  schliessen->click();
  ProcessEvents();
  EXPECT_FALSE(evaluation.isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(label("lblDurchgang"), "1 / 3");
  EXPECT_EQ(label("lblAktVersuche"), "0");
  EXPECT_EQ(label("lblAktPunkte"), "0");
  EXPECT_TRUE(button("btnWeiter")->isVisible());
  EXPECT_TRUE(label("lblAnzeige").startsWith("Gib die jeweiligen Zahlen ein."));
  for (int i = 1; i <= 5; ++i) {
    EXPECT_TRUE(window->answerField(i)->isVisible());
    EXPECT_TRUE(window->answerField(i)->text().isEmpty());
    EXPECT_TRUE(faceIs(i, Face::Blue));
  }
}

TEST_F(SubstitutionWindowTest, StufeThreeExpectsTheTermInInputForm) {
  open(3);
  for (int i = 1; i <= 5; ++i) answerRight(i);
  EXPECT_EQ(label("lblAktPunkte"), "5,0");
  for (int i = 1; i <= 5; ++i) EXPECT_GT(pixelsInRow(i, palette::palViolet, prefixPixel(3)), 20);
}

// What each level's answer field lets through, typed key by key.
TEST_F(SubstitutionWindowTest, KeyFilterOfEachLevel) {
  struct Case {
    int level;
    QString typed;
    QString shown;  // "%1" stands for the item's letter
  };
  const QChar dash(0x2013);
  const std::vector<Case> cases{
      {1, "-12", QString(dash) + "12"},
      {1, "3+4", "34"},
      {1, "2a x*·", "2"},
      {2, "+-7", QString(dash) + "7"},
      {2, "5b", "5"},
      {3, "-2%1+3", QString(dash) + "2%1+3"},
      {3, "4%2", "4"},  // another letter
      {3, "6%3", "6"},  // the item's letter in upper case
      {3, "1 *·%1", "1%1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    if (!window || TfrmEinsetzenU::Level() != c.level) {
      if (window) {
        window->close();
        ProcessEvents();
      }
      open(c.level);
    }
    const QChar letter(Item(1).Var1);
    const QChar other(letter == QLatin1Char('b') ? QLatin1Char('c') : QLatin1Char('b'));
    const QChar upper = letter.toUpper();
    const QString keys =
        QString(c.typed).replace("%1", letter).replace("%2", other).replace("%3", upper);
    EXPECT_EQ(typeKeys(1, keys), QString(c.shown).replace("%1", letter));
  }
}

}  // namespace
}  // namespace kalkora
