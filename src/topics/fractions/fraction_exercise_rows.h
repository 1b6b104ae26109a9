#pragma once
// The rows of the fraction exercise window as they are drawn: the task of the row's kind, and
// its answer part — the bar between the two fields or above the common denominator while the
// row is open, the solution in violet once it was answered right, and the learner's text in
// rose after the second wrong answer. A row draws only the fields of the item its own kind
// writes, placed by the item's layout values (fraction_exercise_layout.h).

#include <QColor>
#include <QPainter>
#include <vector>

#include "base/text.h"
#include "topics/fractions/fraction_exercise.h"

namespace kalkora {

struct TBruchM;

namespace fractions {

// Draws the item's row at page height y (the top of its text line, level with a one-field
// answer; a fraction's bar lies 1.1 below it). `typed` holds the learner's texts, field by
// field; they are drawn after the second wrong answer.
void DrawExerciseRow(QPainter& painter, const FractionExercise& exercise, const TBruchM& item,
                     double y, const std::vector<Text>& typed);

// The values of a domain answer from x, all in one colour: a value with "/" as a stacked
// fraction with its minus before the bar, values separated by ",". Drawn at 18 points, or
// smaller (down to 10) where they would reach the result pictures. Any text is safe.
void DrawDomainValues(QPainter& painter, double x, double y, TextView values, const QColor& colour);

// The size DrawDomainValues uses for the values from x.
int DomainValuesSize(double x, TextView values);

}  // namespace fractions
}  // namespace kalkora
