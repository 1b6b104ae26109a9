#include "practice/answer_field.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace kalkora {
namespace {

const QString kMinus = QString(QChar(0x2013));

TEST(AnswerField, NumberFieldLetsDigitsAndMinusThrough) {
  AnswerField field;
  field.setKeyFilter(KeyFilter::Numbers());
  QTest::keyClicks(&field, "-12a +*·3 x");
  EXPECT_EQ(field.text(), kMinus + "123");
}

TEST(AnswerField, TermFieldTakesPlusAndOnlyItsLetters) {
  AnswerField field;
  field.setKeyFilter(KeyFilter::Terms("ab"));
  QTest::keyClicks(&field, "6a-10bB c+A");
  EXPECT_EQ(field.text(), "6a" + kMinus + "10b+");
}

TEST(AnswerField, PastedTextPassesTheSameFilter) {
  AnswerField field;
  field.setKeyFilter(KeyFilter::Terms("x"));
  QApplication::clipboard()->setText(QString::fromUtf8("3·x – 2"));
  field.paste();
  EXPECT_EQ(field.text(), "3x" + kMinus + "2");
  QTest::keySequence(&field, QKeySequence::Paste);
  EXPECT_EQ(field.text(), "3x" + kMinus + "23x" + kMinus + "2");
}

// The power notation of a factorised number is typed with "*" for the multiplication dot; a
// field without that replacement drops "*", and pasted text is replaced alike.
TEST(AnswerField, PutsInAReplacedCharacterTypedOrPasted) {
  const QChar dot(0x00B7);
  const KeyFilter dots = KeyFilter::Terms("x").with(QString("^") + dot).replacing('*', dot);
  AnswerField field;
  field.setKeyFilter(dots);
  QTest::keyClicks(&field, "2^2*3*x-1");
  EXPECT_EQ(field.text(), QString("2^2") + dot + "3" + dot + "x" + kMinus + "1");
  field.clear();
  QApplication::clipboard()->setText("5*x");
  field.paste();
  EXPECT_EQ(field.text(), QString("5") + dot + "x");

  AnswerField plain;
  plain.setKeyFilter(KeyFilter::Terms("x").with(QString("^") + dot));
  QTest::keyClicks(&plain, QString("2^2*3") + dot + "x");
  EXPECT_EQ(plain.text(), QString("2^23") + dot + "x");
  // A replacement into a character the filter does not accept lets nothing through.
  AnswerField digits;
  digits.setKeyFilter(KeyFilter::Numbers().replacing('*', dot));
  QTest::keyClicks(&digits, "4*2");
  EXPECT_EQ(digits.text(), "42");
}

TEST(AnswerField, HoldsAtMostFortyCharacters) {
  AnswerField field;
  QTest::keyClicks(&field, QString(60, QLatin1Char('7')));
  EXPECT_EQ(field.text().size(), AnswerField::kMaxLength);
}

TEST(AnswerField, BackspaceEdits) {
  AnswerField field;
  QTest::keyClicks(&field, "123");
  QTest::keyClick(&field, Qt::Key_Backspace);
  EXPECT_EQ(field.text(), "12");
}

TEST(AnswerField, DroppedKeysDoNotCountAsAChange) {
  AnswerField field;
  int changes = 0;
  QObject::connect(&field, &QLineEdit::textChanged, [&] { ++changes; });
  QTest::keyClicks(&field, "x* ");
  EXPECT_EQ(changes, 0);
  QTest::keyClicks(&field, "4");
  EXPECT_EQ(changes, 1);
}

// Enter in a field of a shown window with a second control after it: it moves the focus on
// (which judges the field), or in a field whose Enter only reports, it stays and reports.
TEST(AnswerField, EnterMovesTheFocusOnOrOnlyReports) {
  for (const auto enterKey : {AnswerField::EnterKey::MovesFocus, AnswerField::EnterKey::Reports}) {
    const bool reports = enterKey == AnswerField::EnterKey::Reports;
    SCOPED_TRACE(reports ? "reports" : "moves the focus");
    QWidget window;
    auto* field = new AnswerField(&window);
    auto* next = new AnswerField(&window);
    next->move(0, 40);
    field->setEnterKey(enterKey);
    int left = 0;
    int entered = 0;
    QObject::connect(field, &AnswerField::left, [&] { ++left; });
    QObject::connect(field, &AnswerField::entered, [&] { ++entered; });
    window.show();
    QApplication::setActiveWindow(&window);
    field->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(field, "12");
    QTest::keyClick(field, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), reports ? field : next);
    EXPECT_EQ(left, reports ? 0 : 1);
    EXPECT_EQ(entered, reports ? 1 : 0);
    EXPECT_EQ(field->text(), "12");
  }
}

}  // namespace
}  // namespace kalkora
