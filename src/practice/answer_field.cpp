#include "practice/answer_field.h"

#include <QKeyEvent>
#include <QKeySequence>

#include "frame/keyboard.h"

namespace kalkora {
namespace {
const QChar kEnDash(0x2013);
}

KeyFilter KeyFilter::Numbers() { return KeyFilter{QStringLiteral("0123456789") + kEnDash}; }

KeyFilter KeyFilter::Terms(const QString& letters) {
  return KeyFilter{QStringLiteral("0123456789+") + kEnDash + letters};
}

KeyFilter KeyFilter::with(const QString& more) const {
  KeyFilter filter = *this;
  filter.accepted += more;
  return filter;
}

KeyFilter KeyFilter::replacing(QChar typed, QChar inserted) const {
  KeyFilter filter = *this;
  filter.replaced += typed;
  filter.replaced += inserted;
  return filter;
}

QChar KeyFilter::inserted(QChar typed) const {
  if (typed == QLatin1Char('-')) return kEnDash;
  for (qsizetype i = 0; i + 1 < replaced.size(); i += 2) {
    if (replaced.at(i) == typed) return replaced.at(i + 1);
  }
  return typed;
}

AnswerField::AnswerField(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(kMaxLength);
  setFrame(false);
  // The field's own context menu would paste around the filter.
  setContextMenuPolicy(Qt::NoContextMenu);
  connect(this, &QLineEdit::textEdited, this, &AnswerField::filterEditedText);
}

int AnswerField::widthShowing(const QString& text) const {
  // A line edit keeps 2 pixels on each side of its text and scrolls once the text and a
  // 1-pixel cursor no longer fit; a frameless field has no frame besides.
  constexpr int kInnerMargins = 2 * 2;
  constexpr int kCursor = 1;
  const QMargins margins = textMargins() + contentsMargins();
  return fontMetrics().horizontalAdvance(text) + kInnerMargins + kCursor + margins.left() +
         margins.right();
}

QString AnswerField::filtered(const QString& text) const {
  QString result;
  for (QChar c : text) {
    c = filter_.inserted(c);
    if (filter_.accepted.contains(c)) result += c;
  }
  return result;
}

void AnswerField::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (enterKey_ == EnterKey::Reports) {
      emit entered();
    } else {
      focusNextChild();  // leaving the field judges it
    }
    return;
  }
  const QString text = event->text();
  const bool printable = !text.isEmpty() && text.at(0).isPrint() &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (!printable) {
    QLineEdit::keyPressEvent(event);  // editing keys, shortcuts; pasted text is filtered below
    return;
  }
  const QString accepted = filtered(text);
  if (!accepted.isEmpty()) insert(accepted);  // a dropped key changes nothing
}

void AnswerField::filterEditedText(const QString& text) {
  const QString accepted = filtered(text);
  if (accepted == text) return;
  // Keep the cursor behind the same accepted characters.
  const int cursor = static_cast<int>(filtered(text.left(cursorPosition())).size());
  setText(accepted);
  setCursorPosition(cursor);
}

void AnswerField::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  KeepCapsLockOff();
}

void AnswerField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Only a move to another control of the window leaves the field; switching windows,
  // opening a menu or a message box does not.
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
      reason != Qt::MenuBarFocusReason) {
    emit left();
  }
}

}  // namespace kalkora
