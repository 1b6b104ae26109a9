#pragma once
// A learner at an exercise window: opens it from the menu, types answers, reads the labels and
// counts the colours drawn in an item's row.

#include <QColor>
#include <QString>

#include "base/text.h"
#include "practice/exercise_window.h"
#include "program_test.h"

namespace kalkora::test {

// What a learner types for a text of the program: "-" for the en dash.
QString Typed(const Text& text);
// "abc…z": every lower-case letter, for the key filters.
QString LowerCaseLetters();
// The keys that a filter letting only `allowed` through keeps, in the order typed.
QString KeptKeys(const QString& keys, const QString& allowed);

class ExerciseTest : public ProgramTest {
 protected:
  // Triggers the menu item and returns the exercise window it opened (null if none).
  ExerciseWindow* openExercise(const QString& menuItem);
  void closeExercise();

  QString label(const char* name) const;
  // Clicks into the field of item i, types the text and presses Enter.
  void answer(int i, const QString& text);
  // Clicks into the field of item i, clears it, types the keys one by one (without Enter) and
  // returns what the field holds.
  QString typeKeys(int i, const QString& keys);
  // Types the keys into the field of item i (without Enter) and tells whether the field shows
  // its text from the first glyph on: a field too narrow for its text scrolls and cuts it.
  bool showsFromFirstGlyph(int i, const QString& keys);
  // Pixels of the colour in the row of item i on the paint box, right of pixel x.
  int pixelsInRow(int i, const QColor& colour, int fromX = 0) const;
  // Pixels of the colour in the pixel rows [top, bottom) of the paint box, right of pixel x.
  int pixelsInRows(const QColor& colour, int top, int bottom, int fromX = 0) const;

  ExerciseWindow* exercise = nullptr;
};

}  // namespace kalkora::test
