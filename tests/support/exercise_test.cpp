#include "exercise_test.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>

namespace kalkora::test {

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

int ExerciseTest::pixelsInRow(int i, const QColor& colour, int fromX) const {
  const QImage page = exercise->findChild<QWidget*>("pntUeb")->grab().toImage();
  int count = 0;
  for (int y = 100 * i - 5; y < 100 * i + 40; ++y) {
    for (int x = fromX; x < page.width(); ++x) {
      if (page.pixelColor(x, y).rgb() == colour.rgb()) ++count;
    }
  }
  return count;
}

}  // namespace kalkora::test
