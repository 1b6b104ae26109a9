#pragma once
// What every exercise window shows of its practice run besides its items: the group boxes
// " Durchgang ", " Versuche " and " Punkte " with the counters, and "Weiter" lying on
// "Auswertung", of which only one is shown. The window connects the buttons' clicks; the
// counters come from the practice-run rules (practice_run.h).

#include <QLabel>
#include <QPushButton>
#include <functional>
#include <optional>

#include "base/text.h"
#include "practice/practice_run.h"

namespace kalkora {

class KalkoraWindow;

class PracticeControls {
 public:
  PracticeControls() = default;
  // Creates the controls on the window's client area, in the bottom row: " Durchgang " 55
  // pixels high, " Versuche " and " Punkte " counterHeight, "Auswertung" at 800, 670 and
  // "Weiter" on top of it. Create them after the paint box, which they lie on.
  PracticeControls(QWidget* client, int counterHeight);

  // The controls of a window that has them (none where it has none), for tests and tools that
  // look at any exercise window.
  static std::optional<PracticeControls> Find(const QWidget& window);

  QPushButton* weiter() const { return btnWeiter_; }
  QPushButton* auswertung() const { return btnAuswertung_; }
  // The counters as shown: the pass ("2 / 3"), the judged answers and the points.
  const QLabel* passLabel() const { return lblDurchgang_; }
  const QLabel* attemptsLabel() const { return lblAktVersuche_; }
  const QLabel* pointsLabel() const { return lblAktPunkte_; }

  // Shows "Weiter" or, in its place, "Auswertung": the hidden one can be reached by no click,
  // key or tab. "Auswertung" takes the focus "Weiter" had.
  void setWeiterShown(bool shown);

  // The counters as a run starts: "0", "0" and "1 / 3".
  void showRunStart();
  // Durchgang / Durchgaenge.
  void showPass();
  // The judged answers (AktVersuche).
  void showAttempts();
  // The points (AktPunkte) with one decimal: "1,5".
  void showPoints();

 private:
  QLabel* lblDurchgang_ = nullptr;
  QLabel* lblAktVersuche_ = nullptr;
  QLabel* lblAktPunkte_ = nullptr;
  QPushButton* btnWeiter_ = nullptr;
  QPushButton* btnAuswertung_ = nullptr;
};

// The instruction and feedback label (lblAnzeige) showing a text in the colour of a message.
void ShowMessage(QLabel& label, const Text& text, practice::MessageColour colour);

// "Auswertung": shows the evaluation window over `window`; when it closes, `window` is
// activated again and so starts a new practice run, and then `afterClose` runs.
void OpenEvaluation(KalkoraWindow& window, std::function<void()> afterClose = {});

}  // namespace kalkora
