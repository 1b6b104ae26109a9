#include "random_learner.h"

#include <QApplication>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <deque>

#include "app/application.h"
#include "base/random.h"
#include "learner_invariants.h"
#include "learner_moves.h"
#include "learner_watch.h"
#include "object_name.h"
#include "practice/evaluation_window.h"

namespace kalkora::learner {
namespace {

constexpr int kRememberedActions = 12;

// Warnings of the toolkit (a focus chain across windows, an event no widget took, …) are
// faults of the program as well; the session collects them.
QStringList& warnings() {
  static QStringList messages;
  return messages;
}

QtMessageHandler& previousHandler() {
  static QtMessageHandler handler = nullptr;
  return handler;
}

// What the offscreen platform says about what it cannot do (window size hints and the like).
bool IsPlatformLimit(const QString& message) {
  return message.startsWith(QStringLiteral("This plugin does not support"));
}

void CollectWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (IsPlatformLimit(message)) return;  // said at every window shown: not worth a line
  if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) warnings() << message;
  if (previousHandler()) previousHandler()(type, context, message);
}

// The learner at work: one action per pass of the event loop. An action that opens a message
// box waits inside the box's own event loop until the box is answered; the next actions run
// there, and so answer it, as a learner must.
class Session : public QObject {
 public:
  explicit Session(const LearnerOptions& options) : options_(options), learner_(options.seed) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { step(); });
    qApp->installEventFilter(this);
  }

  bool finished() const { return finished_; }
  void start() {
    actionsAtStart_ = report_.actionsDone;
    timer_.start();
  }
  bool actedSinceStart() const { return report_.actionsDone > actionsAtStart_; }
  LearnerReport report() {
    report_.kindsDone = learner_.kindsDone();
    return report_;
  }
  void fail(const QString& failure) {
    report_.failure = failure;
    report_.failedAction = report_.actionsDone;
    report_.lastActions = QStringList(recent_.begin(), recent_.end());
    finish();
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Show && object->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(object);
      if (widget->isWindow() && widget->windowType() != Qt::Popup &&
          widget->windowType() != Qt::ToolTip) {
        ++report_.windowsShown[ObjectName(*widget)];
      }
    }
    return QObject::eventFilter(object, event);
  }

 private:
  void step() {
    if (finished_) return;
    // An action still under way waits for its own end, unless it opened a window with an
    // event loop of its own (a message box), which the learner must answer now.
    if (actionLoopLevel_ >= 0 && QThread::currentThread()->loopLevel() <= actionLoopLevel_) {
      timer_.start();
      return;
    }
    if (QString broken = BrokenInvariant(); !broken.isEmpty()) return fail(broken);
    if (!warnings().isEmpty()) return fail(QStringLiteral("warning: ") + warnings().join(" | "));
    if (report_.actionsDone >= options_.actions) return finish();

    QWidget* window = UsableWindow();
    // As a window manager does, the usable window is the active one.
    if (QApplication::activeWindow() != window && !QApplication::activePopupWidget()) {
      window->activateWindow();
      QApplication::setActiveWindow(window);
    }
    const Action action = learner_.choose(*window);
    const long number = ++report_.actionsDone;
    remember(number, action.what);
    WatchAction(options_.seed, number, action.what);
    if (options_.trace) {
      std::printf("%ld: %s\n", number, qPrintable(action.what));
      std::fflush(stdout);
    }
    const int outerLevel = actionLoopLevel_;
    actionLoopLevel_ = QThread::currentThread()->loopLevel();
    timer_.start();
    action.perform();
    actionLoopLevel_ = outerLevel;
  }

  void remember(long number, const QString& what) {
    recent_.push_back(QStringLiteral("%1: %2").arg(number).arg(what));
    if (recent_.size() > kRememberedActions) recent_.pop_front();
    for (const QChar c : what) {
      report_.fingerprint = (report_.fingerprint ^ c.unicode()) * 1099511628211ull;
    }
  }

  // Ends the session: every event loop ends (an open message box's too) and the program with
  // them.
  void finish() {
    finished_ = true;
    timer_.stop();
    StopWatching();
    QCoreApplication::exit(0);
  }

  LearnerOptions options_;
  Learner learner_;
  QTimer timer_;
  LearnerReport report_;
  std::deque<QString> recent_;
  long actionsAtStart_ = 0;
  int actionLoopLevel_ = -1;  // the event-loop level at which the running action began
  bool finished_ = false;
};

}  // namespace

LearnerReport RunRandomLearner(const LearnerOptions& options) {
  InstallCrashNotes();
  FollowModalBlocking();
  warnings().clear();
  previousHandler() = qInstallMessageHandler(CollectWarning);
  // The program draws its items from a sequence of its own, repeatable from the seed; the
  // evaluation counts up one step per pass of the event loop instead of every 100 ms.
  UseRepeatableClock(options.seed ^ 0x9e3779b9u);
  TfrmAuswertung::SetStepIntervalForTesting(0);

  LearnerReport report;
  int starts = 0;
  {
    Session session(options);
    while (!session.finished()) {
      session.start();
      ++starts;
      RunKalkora();
      if (!session.finished() && !session.actedSinceStart()) {
        session.fail(QStringLiteral("the program ended before the learner did anything"));
      }
    }
    report = session.report();
  }
  report.programStarts = starts;

  TfrmAuswertung::SetStepIntervalForTesting(100);
  ClearFixedRandomSeed();
  qInstallMessageHandler(previousHandler());
  StopWatching();
  return report;
}

QString Describe(const LearnerOptions& options, const LearnerReport& report) {
  QString text;
  const QSize screen =
      QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize();
  text += QStringLiteral(
              "seed %1: %2 of %3 actions on a %4 × %5 screen, program started %6 times, "
              "fingerprint %7\n")
              .arg(options.seed)
              .arg(report.actionsDone)
              .arg(options.actions)
              .arg(screen.width())
              .arg(screen.height())
              .arg(report.programStarts)
              .arg(report.fingerprint, 16, 16, QLatin1Char('0'));
  QStringList kinds;
  for (const auto& [kind, count] : report.kindsDone)
    kinds << QStringLiteral("%1 %2").arg(kind).arg(count);
  text += QStringLiteral("actions: %1\n").arg(kinds.join(QStringLiteral(", ")));
  QStringList windows;
  for (const auto& [window, count] : report.windowsShown) {
    windows << QStringLiteral("%1 %2").arg(window).arg(count);
  }
  text += QStringLiteral("windows shown: %1\n").arg(windows.join(QStringLiteral(", ")));
  if (!report.failure.isEmpty()) {
    text += QStringLiteral("FAILURE after action %1: %2\n")
                .arg(report.failedAction)
                .arg(report.failure);
    text += QStringLiteral("last actions:\n  %1\n")
                .arg(report.lastActions.join(QStringLiteral("\n  ")));
    text += QStringLiteral("replay: kalkora-random-learner --seed %1 --actions %2 --trace\n")
                .arg(options.seed)
                .arg(report.failedAction);
  }
  return text;
}

}  // namespace kalkora::learner
