#pragma once
// The generators of the power items. Each takes the item index (1 … 5) and writes a fresh
// record into powers::Potenzen[item]: every field it does not name is cleared, except the
// practice-run flags, which the calling window sets afterwards (Aktiv := true, Richtig and
// Gezeigt := false).
//
// Every generator writes a non-empty Loesung (display form) and Antwort (input form, two-digit
// exponents joined: ‹24g^10›), Buchst[1 … 5] (a blank where no letter is needed) and Variante.
//
// Multiply and add/subtract (exercise and worked example):
//   Text[0]  task, markup                    Text[4]  task, display form
//   Text[2]  solution, markup                Text[5]  Loesung, Text[6] Antwort
//   multiply level 1 only: Text[1] the task with Zahl1/Zahl2 for the letters, Text[2] its
//   solution with the numbers, Text[3] the solution with letters, Text[7] the number of the
//   first factor in its marker.
//   Markers: multiply "#" first letter, "_" second; add/subtract level 1 "#" the letter and "_"
//   the exponent; level 2 "#" cubic, "_" square, "~" linear terms; level 3 by power.
//   Feldbreite 150 (multiply, add/subtract level 1) or 200 (add/subtract levels 2, 3).
//
// Divide (worked example M, exercise U; U writes the same texts without markers):
//   Text[8], Text[9]    numerator and denominator of the task fraction (markup)
//   Text[11], Text[12]  numerator and denominator of the result (markup; Text[11] is "1" when
//                       no letter is left above and there are no coefficients, Text[12] is
//                       empty when nothing is left below)
//   Text[2], Text[3]    expected numerator and denominator answers (Antwortart 2) or the whole
//                       answer in Text[2] (Antwortart 1, Text[3] empty)
//   Text[10]            level 1: the result power (‹g^#4#›, the plain letter for exponent 1)
//   Text[0]             level 1, M: the one-line form ‹f^#9# : f^#4# = f^#5#›
//   Zahl1, Zahl2        with coefficients: the reduced numerator and denominator coefficients
//   Stufe               level 1, M: the presentation 1–5 (1 one line, 2 fraction = power,
//                       3 1 over a power, 4 coefficient over coefficient·power, 5 the reduced
//                       coefficients as a fraction followed by ‹·› Text[10])
//   Loesung             the answer, ‹num/den› for a fraction (levels 2, 3: before the "·" and a
//                       leading "1·" were removed from the answer: ‹1·y^4/2›)
//   Antwort             Text[2], or Text[2] + "/" + Text[3]
//
// Raise (M and U):
//   levels 1, 2: Text[8] task markup, Text[11] solution markup, Text[4] task display form,
//                Text[2] = Antwort, Antwortart 1. Markers: level 1 and level 2 variant 1 "#" on
//                the outer and the resulting exponents; level 2 variants 2, 3 colour the
//                exponents of each letter ("#", "_", "~") in M and keep only "#" in U (the
//                exercise draws with the alternating "#" colours). Level 2 variant 1 writes its
//                second exponent after a doubled caret (‹(b·L)^^#w#›), which draws like one.
//   level 3:     Text[8], Text[9] task numerator and denominator, Text[13] the outer exponent,
//                Text[11], Text[12] the solution (markers "#", "_", "~", "$", "§" by letter),
//                Text[2], Text[3] the answers, Antwortart 2.

namespace kalkora::powers {

void GenMultiply1(int item);
void GenMultiply2(int item);
void GenMultiply3(int item);

void GenAddSub1(int item);
void GenAddSub2(int item);
void GenAddSub3(int item);

void GenDivideM1(int item);
void GenDivideM2(int item);
void GenDivideM3(int item);
void GenDivideU1(int item);
void GenDivideU2(int item);
void GenDivideU3(int item);

void GenRaiseM1(int item);
void GenRaiseM2(int item);
void GenRaiseM3(int item);
void GenRaiseU1(int item);
void GenRaiseU2(int item);
void GenRaiseU3(int item);

// The kinds of power items, each with three levels.
enum class PowerKind {
  Multiply,
  AddSub,
  DivideExample,
  DivideExercise,
  RaiseExample,
  RaiseExercise,
};

using PowerGenerator = void (*)(int item);

// The generator of a kind and level (1–3); levels outside 1–3 count as the nearest one.
PowerGenerator GeneratorFor(PowerKind kind, int level);

}  // namespace kalkora::powers
