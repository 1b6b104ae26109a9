#pragma once
// The generators of the like-term items ("Addieren und Subtrahieren"), one per level. Each
// fills one item of terms_topic::AddSubTerme with the task (a sum of multiples of one or two
// letters), the coefficients, the marked solution of the worked examples, the solution as
// shown and the expected answer. The answer lists the multiple of Var1 before that of Var2
// (Var1 < Var2), writes no coefficient 1, no blank and no multiplication sign: ‹6a–10b›.
// They do not touch the practice-run flags nor Feldbreite (the window measures the answer).
//
// Every generator first redraws the random signs (term_builders::Vorzeichen); sign j of a
// term is Vorzeichen[j].
//
// The common ending of all levels: Term in display form (at Stufe 2 and 3 with every Var1
// between "#" and every Var2 between "_"), LoesungMarkiert := LikeTermSolution of the two
// coefficients, TermAnzeige := Term without markers, Loesung and Antwort := CleanSolution of
// LoesungMarkiert.

namespace kalkora::terms_topic {

// Stufe 1: letters only, every coefficient 1, e.g. ‹a + b – b + a – a›. Nine shapes of 5 … 8
// summands with 2 … 4 of them Var1. K1 ≠ K2 (2 … 9) are the digits of the analogue with
// numbers: Einsetzung ‹5 + 3 – 3 + 5 – 5› and Ergebnis ‹1·#5#›. The marked solution keeps
// coefficients 1 (‹1·#a#›).
void AddSubStufe1(int item);

// Stufe 2: multiples K·letter (K1 … K6 in 2 … 9) with random signs between them, e.g.
// ‹4·#a# – 7·_b_ + 2·#a# – 3·_b_›. Eight shapes; shapes 1 and 2 use Var1 only. The marked
// solution drops a "1·" after a blank (‹3·#a# + _b_›).
void AddSubStufe2(int item);

// Stufe 3: a minus before parentheses, e.g. ‹3·#a# – (–2·_b_ – 5·#a#)›. Seven shapes; shapes
// 1 … 3 use Var1 only and leave Var2 as it was. KonstText holds the constant ("0").
void AddSubStufe3(int item);

// The generator of the level: AddSubStufe2 for 2, AddSubStufe3 for 3, AddSubStufe1 for every
// other level.
void AddSubStufe(int level, int item);

}  // namespace kalkora::terms_topic
