#include "topics/polynomials/polynomial_exercise_texts.h"

#include "terms/term_exponents.h"
#include "topics/polynomials/polynomial_record.h"

namespace kalkora::polynomial_exercise {

Text KindName(int kind) {
  switch (kind) {
    case 1: return u"Polynom·Monom";
    case 2: return u"Polynom·Polynom";
    case 3: return u"Formeln für Binome";
    case 5: return u"Herausheben";
    default: return {};
  }
}

Text Instruction() {
  return u"Gib den jeweiligen Term ohne Multiplikationszeichen ein\n"
         u"Drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!";
}

Text Hint(int kind, int level) {
  switch (kind) {
    case 1:
      return u"Ermittle das Ergebnis und gib dieses in der angezeigten Variablen–Reihenfolge an.";
    case 2:
      if (level == 2) {
        return u"Ermittle das Ergebnis und ordne dieses nach fallenden Potenzen der 1.Variable.";
      }
      return u"Ermittle das Ergebnis und ordne dieses nach fallenden Potenzen.";
    case 3:
      if (level == 2) return u"Ordne das Ergebnis nach fallenden Potenzen der 1.Variablen.";
      if (level == 3) return u"Verwende die entsprechende Formel für Binome.";
      return u"Ordne das Ergebnis nach fallenden Potenzen.";
    case 5:
      if (level == 2) {
        return u"Hebe heraus was möglich ist (Klammer und eventuell Zahlen).\n"
               u"Schreibe die restlichen Variablen in der angegebenen Reihenfolge an.";
      }
      if (level == 3) {
        return u"Hebe heraus was möglich ist (Klammer und eventuell Zahlen).\n"
               u"Vereinfache den restlichen Term.";
      }
      return u"Hebe heraus was möglich ist. Steht am Anfang ein Minuszeichen, so hebe dieses "
             u"heraus.";
    default: return {};
  }
}

double PrefixX(int kind, int level) {
  switch (kind) {
    case 2: return level == 3 ? -35 : -30;
    case 3: return level == 2 ? -20 : -10;
    case 5: return level == 1 ? -20 : level == 2 ? -30 : -38;
    default: return -30;
  }
}

Text AnswerPrefix(int kind, const TPolynom& item) {
  Text prefix = item.Aufgabe;
  if (kind == 1 || kind == 2) prefix += u" = ";
  return prefix;
}

Text AnsweredLine(int kind, const TPolynom& item, TextView typed) {
  Text line = item.Aufgabe;
  if (kind == 1 || kind == 2) {
    line += u" = ";
  } else if (kind == 3) {
    line += u' ';
  } else if (!line.empty() && line.back() != u' ') {
    // The tasks of factoring out of two products end with a bare "=": keep the answer apart.
    line += u' ';
  }
  line += u'#';
  line += item.Richtig ? item.Loesung : SplitExponentDigits(typed);
  line += u'#';
  return line;
}

}  // namespace kalkora::polynomial_exercise
