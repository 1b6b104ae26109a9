#pragma once
// Where the fraction exercise window puts the parts of a row: the width of its answer fields
// by the kind's rule, and the item's layout values for fields of a given width — Links, the
// page x where the task starts; Rechts, the page x after the task (the fields stand one unit
// further right); Bruchbreite, the width of the task's fractions; Zehntel, the width of the
// whole row; Feldbreite, the field width less 20 pixels. Page units are 10 pixels.

#include "topics/fractions/fraction_exercise.h"

namespace kalkora {

struct TBruchM;

namespace fractions {

// The points of the rows' texts, and of the fractions added with like denominators.
inline constexpr int kRowSize = 18;
inline constexpr int kLikeDenominatorsSize = 16;

// A row begins right of its face and ends left of the "Prüfen" button (fraction answers) or
// of the result pictures (page x).
inline constexpr double kRowStartX = -39;
inline constexpr double kCheckedRowEndX = 28;
inline constexpr double kRowEndX = 39;

// The width in pixels the kind gives the answer fields of the item: 100 for the domain and
// for cancelling; else the expected answer (measured with its carets) and 20 pixels more.
int RuleFieldWidth(const FractionExercise& exercise, const TBruchM& item);

// Writes the item's layout values for answer fields `fieldWidth` pixels wide. The domain and
// cancelling rows stand where the window was designed (the field at page x 10 and 1); every
// other row is centred with its field, and moved left where it would reach past its end.
void LayOutRow(const FractionExercise& exercise, TBruchM& item, int fieldWidth);

// The page x of the left edge of the item's answer fields.
double FieldPageX(const TBruchM& item);

// The top of answer field k (1 numerator or only field, 2 denominator) below the top of the
// row's face.
int FieldTop(ExerciseKind kind, int field);

// The width of the task the like-denominator row draws before its field (its fractions,
// operators and "=", as DrawFractionOpFraction / DrawThreeFractions return it), and the same
// for the two fractions of multiplying and dividing.
double LikeDenominatorsTaskWidth(const TBruchM& item);
double ProductTaskWidth(ExerciseKind kind, const TBruchM& item);

}  // namespace fractions
}  // namespace kalkora
