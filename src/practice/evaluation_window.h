#pragma once
// frmAuswertung: rates a whole practice run — points of attempts, the shares right and wrong as
// two gauges and percentages that count up, and a sentence of praise or advice.

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "frame/kalkora_window.h"
#include "practice/bar_gauge.h"

namespace kalkora {

class TfrmAuswertung : public KalkoraWindow {
  Q_OBJECT

 public:
  TfrmAuswertung();
  ~TfrmAuswertung() override;

  // The program's one evaluation window, which every exercise window opens (null while none
  // exists).
  static TfrmAuswertung* Instance();

  // Computes the rating from the run counters and starts the count-up.
  void FormActivate() override;

  int Prozent() const { return prozent_; }
  bool countUpRunning() const { return timer_.isActive(); }
  // What is shown: the points and the wrong points over the attempts ("12,5 / 15") and the
  // two percentages, for tests.
  const QLabel* pointsPanel() const { return pnlRichtig_; }
  const QLabel* wrongPointsPanel() const { return pnlFalsch_; }
  const QLabel* rightPercentage() const { return lblPRichtig_; }
  const QLabel* wrongPercentage() const { return lblPFalsch_; }

  // The pause between two steps of the count-up (tests shorten it).
  static void SetStepIntervalForTesting(int milliseconds);

 protected:
  void makeChildren() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void showStep();
  void finish();

  QLabel* lblAnzeige_ = nullptr;
  BarGauge* gauRichtig_ = nullptr;
  BarGauge* gauFalsch_ = nullptr;
  QLabel* lblPRichtig_ = nullptr;
  QLabel* lblPFalsch_ = nullptr;
  QLabel* pnlRichtig_ = nullptr;
  QLabel* pnlFalsch_ = nullptr;
  QPushButton* btnSchliessen_ = nullptr;
  QTimer timer_;
  int prozent_ = 0;
  int step_ = 0;
  float points_ = 0;
  int attempts_ = 0;
};

}  // namespace kalkora
