#include "worksheet/worksheet_kinds.h"

#include <algorithm>
#include <array>

#include "base/shared_functions.h"
#include "worksheet/worksheet_tasks.h"

namespace kalkora::worksheet {
namespace {

// Instructions and working room that do not depend on the level.
template <const char16_t* kText>
Text Always(int /*level*/) {
  return kText;
}
template <int kTenths>
double Lines(int /*level*/) {
  return kTenths / 10.0;
}

constexpr char16_t kLikeTerms[] = u"Fasse zusammen. Ordne das Ergebnis alphabetisch.";
constexpr char16_t kMonomial[] =
    u"Multipliziere aus. Behalte die Reihenfolge der Variablen aus der Angabe bei.";
constexpr char16_t kCompletion[] = u"Ergänze die fehlenden Teile der Formel.";
constexpr char16_t kDivide[] =
    u"Dividiere. Schreibe das Ergebnis ohne negative Hochzahlen, wenn nötig als Bruch.";
constexpr char16_t kRaise[] =
    u"Potenziere. Schreibe das Ergebnis in der Reihenfolge der Angabe, "
    u"Zahlen zuerst.";
constexpr char16_t kDomain[] = u"Welche Werte darf die Variable nicht annehmen?";
constexpr char16_t kCancelling[] = u"Hebe im Zähler und im Nenner heraus und kürze.";
constexpr char16_t kLcm[] = u"Zerlege die Terme in Faktoren, wenn nötig, und ermittle das kgV.";
constexpr char16_t kLike[] = u"Addiere bzw. subtrahiere die Zähler.";
constexpr char16_t kUnlike[] =
    u"Bringe die Brüche auf den gemeinsamen Nenner, fasse zusammen und kürze, wenn möglich.";
constexpr char16_t kMultiply[] = u"Multipliziere und kürze so weit wie möglich.";
constexpr char16_t kDivideFractions[] = u"Dividiere und kürze so weit wie möglich.";

Text SubstitutionInstruction(int level) {
  if (level == 3) return u"Setze den angegebenen Term für x ein und vereinfache.";
  return u"Setze die Werte ein und berechne den Wert des Terms.";
}

Text ProductInstruction(int level) {
  if (level == 2) {
    return u"Multipliziere aus, fasse zusammen und ordne nach fallenden Potenzen der ersten "
           u"Variablen.";
  }
  return u"Multipliziere aus, fasse zusammen und ordne nach fallenden Potenzen.";
}

Text BinomialInstruction(int level) {
  if (level == 3) return u"Schreibe mit einer Formel für Binome als Quadrat oder als Produkt.";
  if (level == 2) {
    return u"Rechne mit den Formeln für Binome. Ordne nach fallenden Potenzen der ersten "
           u"Variablen.";
  }
  return u"Rechne mit den Formeln für Binome. Ordne nach fallenden Potenzen.";
}

Text FactoringInstruction(int level) {
  if (level == 1) {
    return u"Hebe heraus, was möglich ist. Steht am Anfang ein Minuszeichen, so hebe es heraus.";
  }
  if (level == 2) return u"Hebe heraus, was möglich ist (Klammer und eventuell Zahlen).";
  return u"Hebe heraus, was möglich ist (Klammer und eventuell Zahlen), und vereinfache den "
         u"Rest.";
}

Text PowerMultiplyInstruction(int level) {
  if (level == 2) return u"Multipliziere. Schreibe Zahlen zuerst.";
  if (level == 3) return u"Multipliziere. Schreibe Zahlen zuerst, die Variablen alphabetisch.";
  return u"Multipliziere. Schreibe die Variablen alphabetisch.";
}

Text PowerAddSubInstruction(int level) {
  if (level == 1) return u"Fasse zusammen (Zahlen zuerst).";
  return u"Fasse zusammen und ordne nach fallenden Potenzen.";
}

Text DivideByTermsInstruction(int level) {
  if (level == 1) return u"Dividiere und hebe heraus, wenn möglich.";
  if (level == 2) return u"Dividiere schriftlich.";
  return u"Dividiere schriftlich und gib den Rest an.";
}

double SubstitutionLines(int level) { return level == 3 ? 2 : 1.5; }
double LikeTermsLines(int level) { return level == 1 ? 1 : 1.5; }
double ProductLines(int level) { return level == 1 ? 2 : 3; }
double UnlikeLines(int level) { return level == 1 ? 5 : 6; }
double DivideByTermsLines(int level) { return level == 1 ? 2 : 9; }

const std::array<WorksheetKind, 19> kKinds{{
    {"terme-einsetzen", u"Terme", u"Einsetzen", 3, SubstitutionInstruction, SubstitutionLines,
     SubstitutionTask},
    {"terme-addieren-subtrahieren", u"Terme", u"Addieren/Subtrahieren", 3, Always<kLikeTerms>,
     LikeTermsLines, LikeTermsTask},
    {"terme-polynom-monom", u"Terme", u"Polynom·Monom", 3, Always<kMonomial>, Lines<15>,
     PolynomialMonomialTask},
    {"terme-polynom-polynom", u"Terme", u"Polynom·Polynom", 3, ProductInstruction, ProductLines,
     PolynomialPolynomialTask},
    {"terme-binome", u"Terme", u"Formeln für Binome", 3, BinomialInstruction, Lines<2>,
     BinomialTask},
    {"terme-ergaenzen", u"Terme", u"Formeln ergänzen", 3, Always<kCompletion>, Lines<1>,
     CompletionTask},
    {"terme-herausheben", u"Terme", u"Herausheben", 3, FactoringInstruction, Lines<2>,
     FactoringOutTask},
    {"potenzen-multiplizieren", u"Potenzen", u"Multiplizieren", 3, PowerMultiplyInstruction,
     Lines<1>, PowerMultiplyTask},
    {"potenzen-dividieren", u"Potenzen", u"Dividieren", 3, Always<kDivide>, Lines<2>,
     PowerDivideTask},
    {"potenzen-potenzieren", u"Potenzen", u"Potenzieren", 3, Always<kRaise>, Lines<2>,
     PowerRaiseTask},
    {"potenzen-addieren-subtrahieren", u"Potenzen", u"Addieren/Subtrahieren", 3,
     PowerAddSubInstruction, Lines<15>, PowerAddSubTask},
    {"bruchterme-definitionsmenge", u"Bruchterme", u"Definitionsmenge", 1, Always<kDomain>,
     Lines<2>, DomainTask},
    {"bruchterme-kuerzen", u"Bruchterme", u"Kürzen", 1, Always<kCancelling>, Lines<3>,
     CancellingTask},
    {"bruchterme-kgv", u"Bruchterme", u"kgV", 1, Always<kLcm>, Lines<2>, LcmTask},
    {"bruchterme-gleichnamig", u"Bruchterme", u"Addieren/Subtrahieren (gleichnamig)", 1,
     Always<kLike>, Lines<2>, LikeDenominatorsTask},
    {"bruchterme-ungleichnamig", u"Bruchterme", u"Addieren/Subtrahieren (ungleichnamig)", 3,
     Always<kUnlike>, UnlikeLines, UnlikeDenominatorsTask},
    {"bruchterme-multiplizieren", u"Bruchterme", u"Multiplizieren", 3, Always<kMultiply>,
     ProductLines, FractionMultiplyTask},
    {"bruchterme-dividieren", u"Bruchterme", u"Dividieren", 3, Always<kDivideFractions>,
     ProductLines, FractionDivideTask},
    {"bruchterme-dividieren-durch-terme", u"Bruchterme", u"Dividieren durch Terme", 3,
     DivideByTermsInstruction, DivideByTermsLines, DivideByTermsTask},
}};

}  // namespace

std::span<const WorksheetKind> WorksheetKinds() { return kKinds; }

const WorksheetKind* FindWorksheetKind(std::string_view id) {
  const auto found = std::find_if(kKinds.begin(), kKinds.end(),
                                  [id](const WorksheetKind& kind) { return kind.id == id; });
  return found == kKinds.end() ? nullptr : &*found;
}

Text WorksheetCaption(const WorksheetKind& kind, int level) {
  Text caption(kind.topic);
  caption.append(u" – ").append(kind.name);
  if (kind.levels > 1) caption.append(u" (Stufe ").append(IntText(level)).append(u")");
  return caption;
}

}  // namespace kalkora::worksheet
