#pragma once
// The item record of the two term topics, substitution ("Werte einsetzen") and like terms
// ("Addieren und Subtrahieren"), and their item arrays.
//
// A generator fills one item from random numbers and writes every text the windows show; it
// overwrites only the fields it sets, the others keep their earlier contents. Texts are in the
// forms of terms/term_forms.h: internal while being built, display form when shown, input form
// for the expected answer.

#include "base/one_based_array.h"
#include "base/text.h"
#include "practice/item_flags.h"

namespace kalkora {

struct TTerm : ItemFlags {
  // Substitution: the task term (internal form while building; at Stufe 3 finally the display
  // form of the term in x). Like terms: the task in display form, letters of Stufe 2 and 3
  // marked.
  Text Term;
  // Substitution: the value put in for Var1 as shown ("–7"); at Stufe 3 the new term ("3·b").
  Text Wert1Text;
  // Substitution, Stufe 2: the value put in for Var2 as shown.
  Text Wert2Text;
  // Substitution, Stufe 1 and 2: the task term with its sign pairs merged, internal form.
  Text TermNorm;
  // Substitution, Stufe 1 and 2: the task term in display form; Stufe 3: the display form with
  // the new term put in for x, marked. Like terms: the task in display form without markers.
  Text TermAnzeige;
  // Substitution, Stufe 1 and 2: the display form with each letter replaced by its marked value.
  // Like terms, Stufe 1: the task with each letter replaced by a digit.
  Text Einsetzung;
  // Substitution: the result in display form. Like terms, Stufe 1: the solution with the same
  // digits for the letters.
  Text Ergebnis;
  // Like terms: the solution with colour markers (worked examples).
  Text LoesungMarkiert;
  // The solution as shown to the learner (display form).
  Text Loesung;
  // The expected answer in input form: the learner's text must equal it exactly.
  Text Antwort;
  // The letters: substitution Var1 (and Var2 at Stufe 2); like terms Var1 < Var2.
  char16_t Var1 = u'a';
  char16_t Var2 = u'b';
  // Substitution: the values put in for Var1 and Var2; at Stufe 3 Wert1 is the multiplier k.
  int Wert1 = 0;
  int Wert2 = 0;
  // Substitution, Stufe 1 and 2: the value of the term; Stufe 3: the size check value.
  int ErgebnisWert = 0;
  // The answer field is Feldbreite + 20 pixels wide.
  int Feldbreite = 50;
  // Pixel width of the answer prefix drawn before the field (set by the window).
  int Praefixbreite = 0;
  // Coefficients: substitution uses K1 … K3 (a, b, c), like terms K1 … K6.
  int K1 = 0;
  int K2 = 0;
  int K3 = 0;
  int K4 = 0;
  int K5 = 0;
  int K6 = 0;
  // Like terms: the coefficients of Var1 and Var2 and the constant, as decimal texts.
  Text Koef1Text;
  Text Koef2Text;
  Text KonstText;
};

namespace terms_topic {

// Items 1 … 5 of the substitution windows (the worked examples use items 1 and 2).
inline OneBasedArray<TTerm, 5> EinsetzenTerme;
// Items 1 … 5 of the like-term windows (the worked examples use items 1 … 3).
inline OneBasedArray<TTerm, 5> AddSubTerme;

}  // namespace terms_topic
}  // namespace kalkora
