#pragma once
// The answer field of the exercise windows: a one-line field that lets only the characters of
// the answer's input form through (typed or pasted), turns "-" into "–", moves the focus on
// with Enter (leaving the field judges it) and keeps Caps Lock off while the learner types.
// A window that judges a field on Enter and moves the focus itself lets Enter only report.

#include <QLineEdit>
#include <utility>

namespace kalkora {

// The characters an answer field accepts besides Backspace, and the typed characters it puts
// in as others: "-" always becomes "–"; a filter may add more ("*" becomes "·" where the answer
// is written with multiplication dots).
struct KeyFilter {
  KeyFilter() = default;
  explicit KeyFilter(QString characters) : accepted(std::move(characters)) {}

  QString accepted;
  // Pairs of characters: the typed one, then the one put in instead.
  QString replaced;

  // Digits and "–": number answers.
  static KeyFilter Numbers();
  // Digits, "–", "+" and the given letters (exactly these, in their case): term answers.
  static KeyFilter Terms(const QString& letters);
  // Numbers or Terms with further characters ("^", "(", ")", ",").
  KeyFilter with(const QString& more) const;
  // The same filter, with `typed` put in as `inserted` (which it must accept to let through).
  KeyFilter replacing(QChar typed, QChar inserted) const;
  // The character a typed character is put in as.
  QChar inserted(QChar typed) const;
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

  // What of `text` the filter lets through, each character put in as the filter says ("-" as
  // "–").
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
