#pragma once
// A learner at an exercise window: opens it from the menu, types answers, reads the labels and
// counts the colours drawn in an item's row.

#include <QColor>
#include <QString>

#include "practice/exercise_window.h"
#include "program_test.h"

namespace kalkora::test {

class ExerciseTest : public ProgramTest {
 protected:
  // Triggers the menu item and returns the exercise window it opened (null if none).
  ExerciseWindow* openExercise(const QString& menuItem);
  void closeExercise();

  QString label(const char* name) const;
  // Clicks into the field of item i, types the text and presses Enter.
  void answer(int i, const QString& text);
  // Pixels of the colour in the row of item i on the paint box, right of pixel x.
  int pixelsInRow(int i, const QColor& colour, int fromX = 0) const;

  ExerciseWindow* exercise = nullptr;
};

}  // namespace kalkora::test
