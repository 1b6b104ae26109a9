#include "learner_moves.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "app/main_window.h"
#include "app/window_set.h"
#include "frame/kalkora_window.h"
#include "learner_input.h"
#include "learner_invariants.h"
#include "menu_walk.h"
#include "object_name.h"
#include "practice/answer_field.h"
#include "practice/evaluation_window.h"

namespace kalkora::learner {
namespace {

// Characters a learner may type or paste besides the keys an answer field accepts: letters of
// both cases, umlauts, signs of the program's texts and of other mathematics.
const QString kOtherCharacters = QStringLiteral(
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZäöüÄÖÜß+-*/^()=,.;: "
    "_!?\"'§$%&#<>|~{}[]\\@€²³·–×÷√≠ℝ∈⇒");
// Characters no keyboard types but a pasted text may hold: control characters, a non-breaking
// and a zero-width space, and half of a surrogate pair.
const std::array<char16_t, 10> kControlCharacters{u'\t', u'\n', u'\r', 0x01,   0x08,
                                                  0x1b,  0x7f,  0xa0,  0x200b, 0xd83d};

struct KeyStroke {
  double weight;
  Qt::Key key;
  const char* text;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// The keys besides typed characters, with how often a learner presses them.
const std::array<KeyStroke, 28> kKeys{{
    {5, Qt::Key_Return, "\r"},
    {2, Qt::Key_Enter, "\r", Qt::KeypadModifier},
    {4, Qt::Key_Tab, "\t"},
    {1, Qt::Key_Backtab, "", Qt::ShiftModifier},
    {0.4, Qt::Key_Escape, "\x1b"},
    {3, Qt::Key_Backspace, "\b"},
    {1, Qt::Key_Delete, "\x7f"},
    {1, Qt::Key_Left, ""},
    {1, Qt::Key_Right, ""},
    {0.5, Qt::Key_Home, ""},
    {0.5, Qt::Key_End, ""},
    {0.5, Qt::Key_Up, ""},
    {0.5, Qt::Key_Down, ""},
    {0.2, Qt::Key_PageDown, ""},
    {1.5, Qt::Key_Space, " "},
    {0.3, Qt::Key_Alt, ""},
    {0.2, Qt::Key_F10, ""},
    {0.1, Qt::Key_F1, ""},
    {0.1, Qt::Key_Insert, ""},
    {0.5, Qt::Key_A, "\x01", Qt::ControlModifier},
    {0.5, Qt::Key_Z, "\x1a", Qt::ControlModifier},
    {0.3, Qt::Key_Y, "\x19", Qt::ControlModifier},
    {0.2, Qt::Key_Z, "\x1a", Qt::ControlModifier | Qt::ShiftModifier},
    {0.3, Qt::Key_C, "\x03", Qt::ControlModifier},
    {0.3, Qt::Key_X, "\x18", Qt::ControlModifier},
    {0.4, Qt::Key_V, "\x16", Qt::ControlModifier},
    {0.2, Qt::Key_Backspace, "", Qt::ControlModifier},
    {0.05, Qt::Key_B, "b", Qt::AltModifier},  // "&Beenden" of the main window's menu
}};

// A window with a close box in its title bar (the evaluation window has none).
bool HasCloseBox(const QWidget& window) {
  const Qt::WindowFlags flags = window.windowFlags();
  return !(flags & Qt::CustomizeWindowHint) || (flags & Qt::WindowCloseButtonHint);
}

// The controls a learner can click: enabled, visible buttons and fields of the window itself.
std::vector<QWidget*> Controls(QWidget& window) {
  std::vector<QWidget*> controls;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->window() != &window || !widget->isVisible() || !widget->isEnabled()) continue;
    if (qobject_cast<QMenuBar*>(widget)) continue;
    if (qobject_cast<QAbstractButton*>(widget) || (widget->focusPolicy() & Qt::ClickFocus)) {
      controls.push_back(widget);
    }
  }
  return controls;
}

// The part of a window that is on the screen: a maximised window may be larger than the
// platform's window that shows it.
QSize ShownSize(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  return handle ? window.size().boundedTo(handle->size()) : window.size();
}

QMenuBar* MenuBarOf(QWidget& window) {
  auto* kalkoraWindow = qobject_cast<KalkoraWindow*>(&window);
  return kalkoraWindow ? kalkoraWindow->mainMenu() : nullptr;
}

QString Name(const QObject* object) { return ObjectName(*object); }

// The text of a key or typed text as the trace shows it.
QString Shown(const QString& text) {
  QString shown;
  for (const QChar c : text) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.isSurrogate()) {
      shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace

int Learner::below(int n) {
  return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random_);
}

QPoint Learner::pointIn(QSize area) {
  // One draw after the other: the order in which a call's arguments are evaluated differs from
  // compiler to compiler, and a session must be the same in every build.
  const int x = below(area.width());
  const int y = below(area.height());
  return {x, y};
}

bool Learner::chance(double probability) {
  return std::uniform_real_distribution<double>(0, 1)(random_) < probability;
}

QChar Learner::anyCharacter() {
  return kOtherCharacters.at(below(static_cast<int>(kOtherCharacters.size())));
}

QString Learner::typedCharacters(const QWidget* focus, int count) {
  const auto* field = qobject_cast<const AnswerField*>(focus);
  QString keys;
  for (int i = 0; i < count; ++i) {
    if (field && !field->keyFilter().accepted.isEmpty() && chance(0.85)) {
      QChar c = field->keyFilter().accepted.at(
          below(static_cast<int>(field->keyFilter().accepted.size())));
      // A keyboard has "-" where the field wants "–", and the filter's other typed characters.
      if (c == QChar(u'–') && chance(0.8)) c = QLatin1Char('-');
      keys += c;
    } else {
      keys += anyCharacter();
    }
  }
  return keys;
}

QString Learner::pastedText() {
  const auto* field = qobject_cast<const AnswerField*>(QApplication::focusWidget());
  const int length = below(201);
  QString text;
  for (int i = 0; i < length; ++i) {
    const int kind = below(100);
    if (kind < 15) {
      text += QChar(kControlCharacters.at(
          static_cast<std::size_t>(below(static_cast<int>(kControlCharacters.size())))));
    } else if (kind < 55 && field) {
      text += typedCharacters(field, 1);
    } else {
      text += anyCharacter();
    }
  }
  return text;
}

Action Learner::choose(QWidget& window) {
  if (qobject_cast<QDialog*>(&window) && !qobject_cast<QMessageBox*>(&window)) {
    return inDialog(window);
  }
  const bool isMain = &window == static_cast<QWidget*>(Windows().frmKalkora);
  const TfrmAuswertung* evaluation = TfrmAuswertung::Instance();
  const bool countingUp = evaluation && &window == static_cast<const QWidget*>(evaluation) &&
                          evaluation->countUpRunning();
  const bool hasMenu = MenuBarOf(window) != nullptr;
  // A message box is answered rather than typed into.
  const double typing = qobject_cast<QMessageBox*>(&window) ? 0.2 : 1.0;
  const bool hasControls = !Controls(window).empty();
  const bool someBlocked = VisibleWindows().size() > UsableWindows().size();

  struct Kind {
    const char* name;
    double weight;
    std::function<Action()> choose;
  };
  const std::vector<Kind> kinds{
      // In the main window the menu is the way on; elsewhere its "Schließen" ends the work.
      {"menu", hasMenu ? (isMain ? 60 : 0.5) : 0, [&] { return menuCommand(window); }},
      {"menu-cancel", hasMenu ? (isMain ? 2 : 0.5) : 0, [&] { return cancelMenu(window); }},
      {"type", 22 * typing, [&] { return type(window); }},
      {"key", 18, [&] { return key(window); }},
      {"paste", 4 * typing, [&] { return paste(window); }},
      {"click", hasControls ? 30.0 : 0.0, [&] { return clickControl(window); }},
      {"click-anywhere", 3, [&] { return clickAnywhere(window); }},
      {"click-blocked", someBlocked ? 1.0 : 0.0, [&] { return clickBlockedWindow(); }},
      {"close", HasCloseBox(window) ? 0.3 : 0, [&] { return closeWindow(window); }},
      {"wait", countingUp ? 30.0 : 3.0, [&] { return wait(); }},
      {"switch-away", 1, [&] { return switchAway(); }},
  };
  double total = 0;
  for (const Kind& kind : kinds) total += kind.weight;
  double drawn = std::uniform_real_distribution<double>(0, total)(random_);
  for (const Kind& kind : kinds) {
    if (kind.weight <= 0) continue;
    if (drawn < kind.weight) {
      count(QString::fromLatin1(kind.name));
      return kind.choose();
    }
    drawn -= kind.weight;
  }
  return wait();
}

Action Learner::inDialog(QWidget& dialog) {
  // A dialog the learner does not know is closed with Escape; one that ignores Escape is
  // closed as its close box would.
  count(QStringLiteral("dialog"));
  QPointer<QWidget> shown(&dialog);
  return {QStringLiteral("Escape in the dialog %1").arg(Name(&dialog)), [shown] {
            if (shown) PressKey(*shown, Qt::Key_Escape, QStringLiteral("\x1b"));
            if (shown && shown->isVisible()) shown->close();
          }};
}

Action Learner::menuCommand(QWidget& window) {
  QMenuBar* bar = MenuBarOf(window);
  const std::vector<std::vector<QAction*>> commands = MenuCommands(*bar);
  if (commands.empty()) return wait();
  const std::vector<QAction*> path =
      commands.at(static_cast<std::size_t>(below(static_cast<int>(commands.size()))));
  return {QStringLiteral("menu %1").arg(MenuPathText(path)), [this, bar, path] {
            if (!ChooseMenuCommand(*bar, path)) count(QStringLiteral("menu-not-reached"));
          }};
}

Action Learner::cancelMenu(QWidget& window) {
  QMenuBar* bar = MenuBarOf(window);
  std::vector<QAction*> withMenus;
  for (QAction* item : bar->actions()) {
    if (item->menu() && item->isVisible() && item->isEnabled()) withMenus.push_back(item);
  }
  if (withMenus.empty()) return wait();
  QAction* item = withMenus.at(static_cast<std::size_t>(below(static_cast<int>(withMenus.size()))));
  const bool byEscape = chance(0.5);
  return {QStringLiteral("open the menu %1 and leave it %2")
              .arg(item->text(),
                   byEscape ? QStringLiteral("with Escape") : QStringLiteral("by a click")),
          [bar, item, byEscape] { OpenAndCancelMenu(*bar, *item, byEscape); }};
}

Action Learner::type(QWidget& window) {
  QWidget* focus = QApplication::focusWidget();
  const QString keys = typedCharacters(focus, 1 + below(6));
  return {QStringLiteral("type \"%1\" into %2")
              .arg(Shown(keys), focus ? Name(focus) : QStringLiteral("no field")),
          [&window, keys] { TypeText(window, keys); }};
}

Action Learner::key(QWidget& window) {
  double total = 1.5;  // one typed character of any kind
  for (const KeyStroke& stroke : kKeys) total += stroke.weight;
  double drawn = std::uniform_real_distribution<double>(0, total)(random_);
  for (const KeyStroke& stroke : kKeys) {
    if (drawn < stroke.weight) {
      QString name = QKeySequence(stroke.key | stroke.modifiers).toString();
      if (stroke.key == Qt::Key_Enter) name = QStringLiteral("Enter (keypad)");
      const QString text = QString::fromLatin1(stroke.text);
      return {QStringLiteral("key %1").arg(name),
              [&window, stroke, text] { PressKey(window, stroke.key, text, stroke.modifiers); }};
    }
    drawn -= stroke.weight;
  }
  const QString c(anyCharacter());
  return {QStringLiteral("key \"%1\"").arg(c), [&window, c] { TypeText(window, c); }};
}

Action Learner::paste(QWidget& window) {
  const QString text = pastedText();
  const bool shiftInsert = chance(0.2);
  QWidget* focus = QApplication::focusWidget();
  return {
      QStringLiteral("paste %1 characters \"%2\" with %3 into %4")
          .arg(text.size())
          .arg(Shown(text), shiftInsert ? QStringLiteral("Shift+Ins") : QStringLiteral("Ctrl+V"),
               focus ? Name(focus) : QStringLiteral("no field")),
      [&window, text, shiftInsert] {
        QGuiApplication::clipboard()->setText(text);
        if (shiftInsert) {
          PressKey(window, Qt::Key_Insert, {}, Qt::ShiftModifier);
        } else {
          PressKey(window, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
        }
      }};
}

Action Learner::clickControl(QWidget& window) {
  const std::vector<QWidget*> controls = Controls(window);
  QWidget* control =
      controls.at(static_cast<std::size_t>(below(static_cast<int>(controls.size()))));
  // A point of the control that no other widget covers, if there is one.
  QPoint point = control->rect().center();
  for (int attempt = 0; attempt < 8; ++attempt) {
    const QPoint candidate = pointIn(control->size());
    QWidget* hit = window.childAt(control->mapTo(&window, candidate));
    if (hit == control || control->isAncestorOf(hit)) {
      point = candidate;
      break;
    }
  }
  const int how = below(100);
  const Qt::MouseButton button = how < 90   ? Qt::LeftButton
                                 : how < 95 ? Qt::RightButton
                                            : Qt::MiddleButton;
  const Clicks clicks = how < 5 ? Clicks::Double : Clicks::Single;
  const auto* asButton = qobject_cast<QAbstractButton*>(control);
  const QString caption = asButton ? QStringLiteral(" \"%1\"").arg(asButton->text()) : QString();
  const QString how_ =
      QStringLiteral("%1%2").arg(clicks == Clicks::Double ? QStringLiteral("double-") : QString(),
                                 button == Qt::LeftButton    ? QStringLiteral("click")
                                 : button == Qt::RightButton ? QStringLiteral("right-click")
                                                             : QStringLiteral("middle-click"));
  QPointer<QWidget> target(control);
  return {QStringLiteral("%1 %2%3").arg(how_, Name(control), caption),
          [target, point, button, clicks] {
            if (target) Click(*target, point, button, clicks);
          }};
}

Action Learner::clickAnywhere(QWidget& window) {
  const QSize area = ShownSize(window);
  const QPoint point = pointIn(area);
  return {QStringLiteral("click %1 at %2, %3").arg(Name(&window)).arg(point.x()).arg(point.y()),
          [&window, point] { Click(window, point); }};
}

Action Learner::clickBlockedWindow() {
  std::vector<QWidget*> blocked;
  const std::vector<QWidget*> usable = UsableWindows();
  for (QWidget* window : VisibleWindows()) {
    if (std::find(usable.begin(), usable.end(), window) == usable.end()) blocked.push_back(window);
  }
  if (blocked.empty()) return wait();
  QWidget* window = blocked.at(static_cast<std::size_t>(below(static_cast<int>(blocked.size()))));
  const QSize area = ShownSize(*window);
  const QPoint point = pointIn(area);
  return {QStringLiteral("click the blocked %1 at %2, %3")
              .arg(Name(window))
              .arg(point.x())
              .arg(point.y()),
          [window, point] { Click(*window, point); }};
}

Action Learner::closeWindow(QWidget& window) {
  return {QStringLiteral("close %1 with its close box").arg(Name(&window)),
          [&window] { window.close(); }};
}

Action Learner::switchAway() {
  // The window manager gives the program back its window before the next action.
  return {QStringLiteral("switch to another program"), [] {
            QApplication::setActiveWindow(nullptr);
            LetTimePass(1);
          }};
}

Action Learner::wait() {
  const int passes = 1 + below(40);
  return {QStringLiteral("wait %1 passes").arg(passes), [passes] { LetTimePass(passes); }};
}

}  // namespace kalkora::learner
