#pragma once
// The texts of a substitution item as the windows write them: the term as a function of its
// letters, the values put in, and the task line.

#include "base/text.h"
#include "topics/terms/term_record.h"

namespace kalkora::terms_topic {

// The term named with its letters: "T(a)" (Stufe 1), "T(p, q)" (Stufe 2), "T(x)" (Stufe 3).
Text SubstitutionFunctionHead(const TTerm& item, int level);

// The term named with the values put in: "T(–2)", "T(2, –5)" (Stufe 2), "T(5·m)" (Stufe 3).
Text SubstitutionValuesHead(const TTerm& item, int level);

// The task: "T(a) = –3·(2 – 5·a)", "T(p, q) = 4·p – 7·q + 3", "T(x) = (3·x – 2)·(–4)".
Text SubstitutionTaskText(const TTerm& item, int level);

// The answer prefix before the answer field, ending in " = ": "T(–2) = ", "T(5·m) = ".
Text SubstitutionAnswerPrefix(const TTerm& item, int level);

// The prefix drawn while the item is open: "T(–2) =", "T(2, –5) =", at Stufe 3 with the new
// term between markers, "T(#5·m#) =".
Text SubstitutionOpenPrefix(const TTerm& item, int level);

// The five lines of a worked example (the arrow ⇒ stands between substitution and result).
struct SubstitutionExampleLines {
  Text given;   // "Geg.: T(a) = –3·(2 – 5·a)"
  Text wanted;  // "Ges.: T(–2)"
  Text term;    // "T(a) = –3·(2 – 5·a)"
  Text substitution;  // "T(#–2#) = –3·(2 – 5·#(–2)#) = –36": the values and their places marked
  Text result;  // "T(–2) = –36"
};
SubstitutionExampleLines SubstitutionExample(const TTerm& item, int level);

}  // namespace kalkora::terms_topic
