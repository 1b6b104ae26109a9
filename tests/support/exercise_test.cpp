#include "exercise_test.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "base/shared_functions.h"
#include "frame/text_conversion.h"

namespace kalkora::test {

QString Typed(const Text& text) { return ToQString(ReplaceChar(text, u'–', u'-')); }

QString LowerCaseLetters() {
  QString letters;
  for (char c = 'a'; c <= 'z'; ++c) letters += QChar(c);
  return letters;
}

QString KeptKeys(const QString& keys, const QString& allowed) {
  QString kept;
  for (const QChar c : keys) {
    if (allowed.contains(c)) kept += c;
  }
  return kept;
}

ExerciseWindow* ExerciseTest::openExercise(const QString& menuItem) {
  clickMenu(menuItem);
  exercise = qobject_cast<ExerciseWindow*>(openChildWindow());
  if (exercise) {
    QApplication::setActiveWindow(exercise);
    ProcessEvents();
  }
  return exercise;
}

void ExerciseTest::closeExercise() {
  exercise->close();
  ProcessEvents();
  exercise = nullptr;
}

QString ExerciseTest::label(const char* name) const {
  return exercise->findChild<QLabel*>(name)->text();
}

void ExerciseTest::answer(int i, const QString& text) {
  AnswerField* field = exercise->answerField(i);
  field->setFocus(Qt::OtherFocusReason);
  ProcessEvents();
  field->clear();
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
  ProcessEvents();
}

QString ExerciseTest::typeKeys(int i, const QString& keys) {
  AnswerField* field = exercise->answerField(i);
  field->setFocus(Qt::OtherFocusReason);
  field->clear();
  QTest::keyClicks(field, keys);
  return field->text();
}

bool ExerciseTest::showsFromFirstGlyph(int i, const QString& keys) {
  typeKeys(i, keys);
  const QImage field = exercise->answerField(i)->grab().toImage();
  // The text starts 2 pixels in; a scrolled text reaches the field's left edge.
  for (int x = 0; x < 2; ++x) {
    for (int y = 0; y < field.height(); ++y) {
      if (field.pixelColor(x, y).lightness() < 128) return false;
    }
  }
  return true;
}

int ExerciseTest::pixelsInRow(int i, const QColor& colour, int fromX) const {
  return pixelsInRows(colour, 100 * i - 5, 100 * i + 40, fromX);
}

int ExerciseTest::pixelsInRows(const QColor& colour, int top, int bottom, int fromX) const {
  const QImage page = exercise->findChild<QWidget*>("pntUeb")->grab().toImage();
  int count = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = fromX; x < page.width(); ++x) {
      if (page.pixelColor(x, y).rgb() == colour.rgb()) ++count;
    }
  }
  return count;
}

}  // namespace kalkora::test
