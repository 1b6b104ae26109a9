#include "learner_invariants.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QWindow>
#include <algorithm>

#include "app/main_window.h"
#include "app/window_set.h"
#include "object_name.h"
#include "practice/answer_field.h"
#include "practice/evaluation_window.h"
#include "practice/practice_controls.h"

namespace kalkora::learner {
namespace {

// The toolkit tells a window when a modal window starts and stops blocking it; this keeps the
// set of blocked windows.
class ModalBlocking : public QObject {
 public:
  bool blocked(const QWidget& window) const {
    const QWindow* handle = window.windowHandle();
    return handle && std::find(blocked_.begin(), blocked_.end(), handle) != blocked_.end();
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked) {
      if (auto* window = qobject_cast<QWindow*>(object)) {
        // Windows that are gone (null pointers) and this one leave the list; a blocked one
        // comes back.
        std::erase_if(blocked_, [window](const QPointer<QWindow>& entry) {
          return entry.isNull() || entry == window;
        });
        if (event->type() == QEvent::WindowBlocked) blocked_.emplace_back(window);
      }
    }
    return QObject::eventFilter(object, event);
  }

 private:
  std::vector<QPointer<QWindow>> blocked_;
};

ModalBlocking*& blocking() {
  static ModalBlocking* tracker = nullptr;
  return tracker;
}

QString Name(const QWidget* widget) {
  return widget ? ObjectName(*widget) : QStringLiteral("(none)");
}

// The first character of `text` that `field` does not accept, or a null character.
QChar RefusedCharacter(const AnswerField& field) {
  for (const QChar c : field.text()) {
    if (!field.keyFilter().accepted.contains(c)) return c;
  }
  return {};
}

QString CheckWindows() {
  const std::vector<QWidget*> usable = UsableWindows();
  if (usable.empty()) {
    QStringList visible;
    for (QWidget* window : VisibleWindows()) visible << Name(window);
    return QStringLiteral("no usable window (visible: %1)")
        .arg(visible.isEmpty() ? QStringLiteral("none") : visible.join(QStringLiteral(", ")));
  }
  if (usable.size() > 1) {
    QStringList names;
    for (QWidget* window : usable) names << Name(window);
    return QStringLiteral("%1 windows usable at once: %2").arg(usable.size()).arg(names.join(", "));
  }
  QWidget* window = usable.front();
  if (!window->isEnabled())
    return QStringLiteral("the usable window %1 is disabled").arg(Name(window));
  if (window->isMinimized())
    return QStringLiteral("the usable window %1 is minimised").arg(Name(window));
  if (window->width() <= 0 || window->height() <= 0) {
    return QStringLiteral("the usable window %1 has no area").arg(Name(window));
  }
  // With no modal window open, the main window is the learner's window.
  if (!QApplication::activeModalWidget() && window != static_cast<QWidget*>(Windows().frmKalkora)) {
    return QStringLiteral("%1 is open without a modal path from the main window").arg(Name(window));
  }
  if (QWidget* focus = QApplication::focusWidget(); focus && !focus->isVisible()) {
    return QStringLiteral("the keyboard goes to the hidden %1").arg(Name(focus));
  }
  return {};
}

// "12,5" as a number; false when the text is no decimal of the counters' form.
bool ReadDecimal(const QString& text, double& value) {
  static const QRegularExpression form(QStringLiteral("^\\d+(,\\d+)?$"));
  if (!form.match(text).hasMatch()) return false;
  value = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
  return true;
}

QString CheckCounters(const QWidget& window, const PracticeControls& controls) {
  const QString where = Name(&window);
  static const QRegularExpression passForm(QStringLiteral("^(\\d+) / 3$"));
  const QString pass = controls.passLabel()->text();
  const QRegularExpressionMatch passMatch = passForm.match(pass);
  const int passNumber = passMatch.hasMatch() ? passMatch.captured(1).toInt() : 0;
  if (passNumber < 1 || passNumber > 3) {
    return QStringLiteral("%1 shows the pass \"%2\"").arg(where, pass);
  }
  double attempts = 0;
  const QString attemptsText = controls.attemptsLabel()->text();
  if (!ReadDecimal(attemptsText, attempts) || attemptsText.contains(QLatin1Char(','))) {
    return QStringLiteral("%1 shows the attempts \"%2\"").arg(where, attemptsText);
  }
  double points = 0;
  const QString pointsText = controls.pointsLabel()->text();
  if (!ReadDecimal(pointsText, points)) {
    return QStringLiteral("%1 shows the points \"%2\"").arg(where, pointsText);
  }
  if (points > attempts) {
    return QStringLiteral("%1 shows %2 points for %3 attempts")
        .arg(where, pointsText, attemptsText);
  }
  if (controls.weiter()->isVisible() == controls.auswertung()->isVisible()) {
    return QStringLiteral("%1 shows %2 of \"Weiter\" and \"Auswertung\"")
        .arg(where,
             controls.weiter()->isVisible() ? QStringLiteral("both") : QStringLiteral("none"));
  }
  return {};
}

// "12,5 / 15" as points and attempts.
bool ReadShare(const QString& text, double& part, double& whole) {
  const QStringList sides = text.split(QStringLiteral(" / "));
  return sides.size() == 2 && ReadDecimal(sides[0], part) && ReadDecimal(sides[1], whole);
}

// "66,667 %" in 0 … 100.
bool IsPercentage(const QString& text) {
  double value = 0;
  return text.endsWith(QStringLiteral(" %")) && ReadDecimal(text.chopped(2), value) && value <= 100;
}

QString CheckEvaluation(const TfrmAuswertung& evaluation) {
  double points = 0;
  double attempts = 0;
  double wrong = 0;
  double attemptsAgain = 0;
  const QString right = evaluation.pointsPanel()->text();
  const QString falsch = evaluation.wrongPointsPanel()->text();
  if (!ReadShare(right, points, attempts) || !ReadShare(falsch, wrong, attemptsAgain) ||
      points > attempts || attempts != attemptsAgain || points + wrong != attempts) {
    return QStringLiteral("the evaluation shows \"%1\" right and \"%2\" wrong").arg(right, falsch);
  }
  for (const QLabel* label : {evaluation.rightPercentage(), evaluation.wrongPercentage()}) {
    if (!IsPercentage(label->text())) {
      return QStringLiteral("the evaluation shows the percentage \"%1\"").arg(label->text());
    }
  }
  return {};
}

QString CheckAnswerFields(const QWidget& window) {
  for (const AnswerField* field : window.findChildren<AnswerField*>()) {
    if (!field->isVisible()) continue;
    const QString where = Name(&window) + QLatin1Char('.') + Name(field);
    if (field->text().size() > field->maxLength()) {
      return QStringLiteral("%1 holds %2 characters, more than its %3")
          .arg(where)
          .arg(field->text().size())
          .arg(field->maxLength());
    }
    if (const QChar refused = RefusedCharacter(*field); !refused.isNull()) {
      return QStringLiteral("%1 holds \"%2\" with U+%3, which its filter \"%4\" refuses")
          .arg(where, field->text())
          .arg(refused.unicode(), 4, 16, QLatin1Char('0'))
          .arg(field->keyFilter().accepted);
    }
  }
  return {};
}

}  // namespace

void FollowModalBlocking() {
  if (blocking()) return;
  blocking() = new ModalBlocking;
  blocking()->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(blocking());
}

std::vector<QWidget*> VisibleWindows() {
  std::vector<QWidget*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = widget->windowType();
    if (!widget->isVisible() || (type != Qt::Window && type != Qt::Dialog)) continue;
    windows.push_back(widget);
  }
  return windows;
}

std::vector<QWidget*> UsableWindows() {
  std::vector<QWidget*> usable;
  for (QWidget* window : VisibleWindows()) {
    if (!blocking() || !blocking()->blocked(*window)) usable.push_back(window);
  }
  return usable;
}

QWidget* UsableWindow() {
  const std::vector<QWidget*> usable = UsableWindows();
  return usable.size() == 1 ? usable.front() : nullptr;
}

QString BrokenInvariant() {
  if (QString broken = CheckWindows(); !broken.isEmpty()) return broken;
  for (QWidget* window : VisibleWindows()) {
    if (const std::optional<PracticeControls> controls = PracticeControls::Find(*window)) {
      if (QString broken = CheckCounters(*window, *controls); !broken.isEmpty()) return broken;
    }
    if (QString broken = CheckAnswerFields(*window); !broken.isEmpty()) return broken;
  }
  if (const TfrmAuswertung* evaluation = TfrmAuswertung::Instance();
      evaluation && evaluation->isVisible()) {
    if (QString broken = CheckEvaluation(*evaluation); !broken.isEmpty()) return broken;
  }
  return {};
}

}  // namespace kalkora::learner
