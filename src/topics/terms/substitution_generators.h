#pragma once
// The generators of the substitution items ("Werte einsetzen"), one per level. Each fills one
// item of terms_topic::EinsetzenTerme with the task term, the substituted term with marked
// values, the result, the solution as shown and the expected answer. They do not touch the
// practice-run flags: the caller sets Aktiv, Richtig and Gezeigt afterwards.
//
// Every generator first redraws the random signs (term_builders::Vorzeichen) and the shape of
// the item, then its letters and values, and then redraws all coefficients until the item's
// value is small enough. The sign s of a shape is Vorzeichen[1], its second sign t is
// Vorzeichen[2].

namespace kalkora::terms_topic {

// Stufe 1: one letter L with a value x (0 … 4 or −10 … −5), nine shapes with coefficients a, b, c
// (K1 … K3, each 2 … 10 with a random sign; shapes 1 … 3 draw only a and b), |value| ≤ 100.
//   1  a·L ± b        2  a ± b·L          3  a·L ± b·L
//   4  a·(b ± c·L)    5  a·(b·L ± c)      6  a·(b·L ± c·L)
//   7  (a ± b·L)·c    8  (a·L ± b)·c      9  (a·L ± b·L)·c      (a negative c in parentheses)
// The expected answer is the value, e.g. "–36".
void EinsetzenStufe1(int item);

// Stufe 2: two different letters L, M with values x, y, four shapes, |value| ≤ 100.
//   1  a·L ± b·M          (a, b signed)
//   2  a·L ± b·M ± c      (a, b, c unsigned)
//   3  a·L ± c ± b·M      (a, b, c unsigned)
//   4  a ± b·L ± c·M      (a signed, b, c unsigned)
void EinsetzenStufe2(int item);

// Stufe 3: a term in x; the learner puts in k·L (k 2 … 9, L any letter but "x" and "l") and
// writes the resulting term, e.g. "–60m+8". Six shapes, a, b, c signed 2 … 10:
//   1  a·x ± b        2  a ± b·x
//   3  a·(b + c·x)    4  a·(b·x + c)      (check value within 80)
//   5  (a + b·x)·c    6  (a·x + b)·c      (check value within 100)
// ErgebnisWert is the size check value: a·k ± b, a ± b·k, (c·k ± b)·a, (b·k ± c)·a,
// (b·k + a)·c, (a·k ± b)·c by shape (s enters shapes 3, 4 and 6 although their terms show "+").
void EinsetzenStufe3(int item);

// The generator of the level: EinsetzenStufe2 for 2, EinsetzenStufe3 for 3, EinsetzenStufe1
// for every other level.
void EinsetzenStufe(int level, int item);

}  // namespace kalkora::terms_topic
