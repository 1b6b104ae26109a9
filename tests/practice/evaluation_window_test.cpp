#include "practice/evaluation_window.h"

#include <gtest/gtest.h>

#include <QTest>

#include "app/window_set.h"
#include "practice/bar_gauge.h"
#include "practice/practice_run.h"
#include "program_test.h"

namespace kalkora {
namespace {

using test::ProcessEvents;

struct Rating {
  float points;
  int attempts;
  const char* richtig;  // pnlRichtig
  const char* falsch;   // pnlFalsch
  int prozent;
  const char* pRichtig;  // last lblPRichtig
  const char* pFalsch;
  const char* sentence;
};

class EvaluationTest : public test::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    TfrmAuswertung::SetStepIntervalForTesting(0);
  }
  void TearDown() override {
    TfrmAuswertung::SetStepIntervalForTesting(100);
    ProgramTest::TearDown();
  }
  QString text(const char* name) const {
    return Windows().frmAuswertung->findChild<QLabel*>(name)->text();
  }
};

TEST_F(EvaluationTest, RatingsAfterTheCountUp) {
  const std::vector<Rating> ratings{
      {15.0f, 15, "15,0 / 15", "0,0 / 15", 100, "100,000 %", "0,000 %",
       "Sehr gut! Du bist ein Termprofi."},
      {10.0f, 15, "10,0 / 15", "5,0 / 15", 67, "66,667 %", "33,333 %",
       "Du bist schon recht gut. Ein wenig Übung wäre aber günstig."},
      {10.5f, 19, "10,5 / 19", "8,5 / 19", 55, "55,263 %", "44,737 %",
       "Nicht schlecht, aber du solltest noch etwas üben!"},
      {0.5f, 20, "0,5 / 20", "19,5 / 20", 2, "2,500 %", "97,500 %",
       "Du musst noch sehr viel üben!"},
      {0.0f, 15, "0,0 / 15", "15,0 / 15", 0, "0,000 %", "100,000 %",
       "Du musst noch sehr viel üben!"},
  };
  TfrmAuswertung& evaluation = *Windows().frmAuswertung;
  for (const Rating& r : ratings) {
    SCOPED_TRACE(r.pRichtig);
    practice::Punkte = r.points;
    practice::Versuche = r.attempts;
    evaluation.show();
    evaluation.FormActivate();
    auto* schliessen = evaluation.findChild<QPushButton*>("btnSchliessen");
    if (r.prozent > 0) {
      EXPECT_FALSE(schliessen->isVisible());  // hidden while counting up
      EXPECT_TRUE(evaluation.countUpRunning());
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !evaluation.countUpRunning(); }, 5000));
    EXPECT_TRUE(schliessen->isVisible());
    EXPECT_EQ(evaluation.Prozent(), r.prozent);
    EXPECT_EQ(text("pnlRichtig"), QString::fromUtf8(r.richtig));
    EXPECT_EQ(text("pnlFalsch"), QString::fromUtf8(r.falsch));
    EXPECT_EQ(text("lblPRichtig"), QString::fromUtf8(r.pRichtig));
    EXPECT_EQ(text("lblPFalsch"), QString::fromUtf8(r.pFalsch));
    EXPECT_EQ(text("lblAnzeige"), QString::fromUtf8(r.sentence));
    EXPECT_EQ(evaluation.findChild<BarGauge*>("gauRichtig")->progress(), r.prozent);
    EXPECT_EQ(evaluation.findChild<BarGauge*>("gauFalsch")->progress(), 100 - r.prozent);
    evaluation.close();
    ProcessEvents();
  }
}

TEST_F(EvaluationTest, CannotBeClosedDuringTheCountUp) {
  TfrmAuswertung::SetStepIntervalForTesting(1000);
  practice::Punkte = 15.0f;
  practice::Versuche = 15;
  TfrmAuswertung& evaluation = *Windows().frmAuswertung;
  evaluation.show();
  evaluation.FormActivate();
  evaluation.close();
  EXPECT_TRUE(evaluation.isVisible());
}

}  // namespace
}  // namespace kalkora
