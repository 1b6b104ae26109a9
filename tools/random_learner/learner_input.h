#pragma once
// The learner's hands: mouse clicks and keys sent through the window system's input path, so
// that the toolkit routes them as it routes real input (to an open menu first, never into a
// window that a modal window blocks, focus changes with their real reasons).

#include <QAction>
#include <QMenuBar>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <vector>

namespace kalkora::learner {

enum class Clicks { Single, Double };

// Clicks `button` at the point of `widget` (its own coordinates), on the widget's window.
void Click(QWidget& widget, QPoint point, Qt::MouseButton button = Qt::LeftButton,
           Clicks clicks = Clicks::Single);

// Presses and releases a key (with its text) where the keyboard sends it: the open menu, else
// the focused window, else `window`.
void PressKey(QWidget& window, Qt::Key key, const QString& text = {},
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Types the text key by key.
void TypeText(QWidget& window, const QString& text);

// Chooses the command by clicking its way from the bar through the submenus. False when a
// menu on the way did not open (the toolkit's menus refused the path).
bool ChooseMenuCommand(QMenuBar& bar, const std::vector<QAction*>& path);

// Opens the menu of the bar's item and closes it again, with Escape or a click beside it.
void OpenAndCancelMenu(QMenuBar& bar, QAction& item, bool byEscape);

// Lets posted events and timers run for `passes` passes of the event loop.
void LetTimePass(int passes);

}  // namespace kalkora::learner
