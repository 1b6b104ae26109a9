#pragma once
// The answer field of the exercise windows: a one-line field that lets only the characters of
// the answer's input form through (typed or pasted), turns "-" into "–", moves the focus on
// with Enter (leaving the field judges it) and keeps Caps Lock off while the learner types.
// A window that judges a field on Enter and moves the focus itself lets Enter only report.

#include <QLineEdit>

namespace kalkora {

// The characters an answer field accepts besides Backspace.
struct KeyFilter {
  QString accepted;

  // Digits and "–": number answers.
  static KeyFilter Numbers();
  // Digits, "–", "+" and the given letters (exactly these, in their case): term answers.
  static KeyFilter Terms(const QString& letters);
  // Numbers or Terms with further characters ("^", "(", ")", ",").
  KeyFilter with(const QString& more) const { return KeyFilter{accepted + more}; }
};

class AnswerField : public QLineEdit {
  Q_OBJECT

 public:
  static constexpr int kMaxLength = 40;

  explicit AnswerField(QWidget* parent = nullptr);

  // What Enter (or Return) does: move the focus to the next control, or only report `entered`
  // and leave the focus in the field.
  enum class EnterKey { MovesFocus, Reports };
  void setEnterKey(EnterKey key) { enterKey_ = key; }

  void setKeyFilter(const KeyFilter& filter) { filter_ = filter; }
  const KeyFilter& keyFilter() const { return filter_; }

  // The width the field needs to show `text` whole, without scrolling: the text in the field's
  // font, the field's inner margins and the cursor.
  int widthShowing(const QString& text) const;

  // What of `text` the filter lets through, "-" turned into "–".
  QString filtered(const QString& text) const;

 signals:
  // The field lost the focus (edtExit).
  void left();
  // Enter was pressed in a field whose Enter key only reports.
  void entered();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private slots:
  // Pasted, dropped or middle-click text passes the same filter as typed text.
  void filterEditedText(const QString& text);

 private:
  KeyFilter filter_ = KeyFilter::Numbers();
  EnterKey enterKey_ = EnterKey::MovesFocus;
};

}  // namespace kalkora
