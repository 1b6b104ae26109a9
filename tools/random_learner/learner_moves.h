#pragma once
// The random learner's choices: what a learner may do next in the window in front of it (a menu
// command, typing, a key, pasting, a click on a control, closing the window, waiting, switching
// to another program), drawn from a seeded generator of its own, so that a session can be
// repeated. A dialog it does not know (not one of the program's windows, not a message box) it
// closes with Escape.

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <random>

namespace kalkora::learner {

// One action: what it does, told before it is done, and doing it.
struct Action {
  QString what;
  std::function<void()> perform;
};

class Learner {
 public:
  explicit Learner(std::uint32_t seed) : random_(seed) {}

  // Chooses one random action in the usable window.
  Action choose(QWidget& window);

  // How often each kind of action was done ("menu", "click", …).
  const std::map<QString, long>& kindsDone() const { return kindsDone_; }

 private:
  int below(int n);
  bool chance(double probability);
  QPoint pointIn(QSize area);
  QChar anyCharacter();
  QString typedCharacters(const QWidget* focus, int count);
  QString pastedText();

  Action inDialog(QWidget& dialog);
  Action menuCommand(QWidget& window);
  Action cancelMenu(QWidget& window);
  Action type(QWidget& window);
  Action key(QWidget& window);
  Action paste(QWidget& window);
  Action clickControl(QWidget& window);
  Action clickAnywhere(QWidget& window);
  Action clickBlockedWindow();
  Action closeWindow(QWidget& window);
  Action switchAway();
  Action wait();
  void count(const QString& kind) { ++kindsDone_[kind]; }

  std::mt19937 random_;
  std::map<QString, long> kindsDone_;
};

}  // namespace kalkora::learner
