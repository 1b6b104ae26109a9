#include "topics/fractions/fraction_exercise.h"

#include <array>

#include "base/selection.h"
#include "base/shared_functions.h"
#include "terms/term_exponents.h"
#include "topics/fractions/answer_rules.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

constexpr char16_t kDigits[] = u"0123456789";

struct KindTexts {
  const char16_t* name;  // the caption after "Übungsbeispiele: Bruchterme – "
  bool levelInCaption;
  const char16_t* instruction;
  const char16_t* changeInstruction;  // null: the instruction
};

constexpr char16_t kEnterOrClick[] =
    u"drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!";

// Indexed by kind − 1.
const std::array<KindTexts, 7>& Kinds() {
  static const std::array<KindTexts, 7> kinds = [] {
    static const Text domain = Text(
                                   u"Welche Werte (bei 2 Werten durch Beistrich trennen) darf "
                                   u"die Variable nicht annehmen?\nGib diese ein, ") +
                               kEnterOrClick;
    static const Text lcm = Text(
                                u"Zerlege die Terme in Faktoren, wenn nötig und ermittle das "
                                u"kgV.\nGib dieses ein, ") +
                            kEnterOrClick;
    static const Text like =
        Text(u"Addiere bzw. subtrahiere die Zähler.\nGib das Ergebnis ein, ") + kEnterOrClick;
    static const Text byMonomial = Text(
                                       u"Ermittle das Ergebnis der Division und hebe heraus, "
                                       u"wenn möglich.\nGib das Ergebnis ein, ") +
                                   kEnterOrClick;
    constexpr const char16_t* cancelling =
        u"Hebe im Zähler und Nenner heraus und gib den gekürzten Term ein.\n"
        u"Verwende Klammern, wenn nötig.\n"
        u"Drücke die Schaltfläche \"Prüfen\", um dein Ergebnis zu kontrollieren.";
    constexpr const char16_t* cancellingChanged =
        u"Hebe im Zähler und Nenner heraus und gib den gekürzten Term ein.\n"
        u"Verwende Klammern, wenn nötig.\n"
        u"Drücke die Schaltfläche \"Prüfen\" um dein Ergebnis zu kontrollieren.";
    constexpr const char16_t* product =
        u"Hebe im Zähler und Nenner heraus, wenn möglich und gib den gekürzten Term ein "
        u"(Herausheben).\n"
        u"Drücke die Schaltfläche \"Prüfen\", um dein Ergebnis zu kontrollieren.";
    constexpr const char16_t* productChanged =
        u"Hebe im Zähler und Nenner heraus und gib den gekürzten Term ein.\n"
        u"Drücke die Schaltfläche \"Prüfen\" um dein Ergebnis zu kontrollieren.";
    return std::array<KindTexts, 7>{{
        {u"Definitionsmenge", false, domain.c_str(), nullptr},
        {u"Kürzen", false, cancelling, cancellingChanged},
        {u"kleinstes gemeinsames Vielfaches (kgV)", false, lcm.c_str(), nullptr},
        {u"Addieren/Subrahieren mit gleichnamigem Nenner", true, like.c_str(), nullptr},
        {u"Multiplizieren", true, product, productChanged},
        {u"Dividieren", true, product, nullptr},
        {u"Dividieren durch eingliedrige Terme (Stufe 1)", false, byMonomial.c_str(), nullptr},
    }};
  }();
  return kinds;
}

const KindTexts& TextsOf(ExerciseKind kind) {
  return Kinds()[static_cast<std::size_t>(KindNumber(kind) - 1)];
}

bool Between(int value, int low, int high) { return low <= value && value <= high; }

// The keys of the kgV answers: the two letters, digits, and by variant "^" for powers, or
// brackets and signs for binomial factors, or both.
Text LcmKeys(const TBruchM& item) {
  Text keys{item.Var1, item.Var2};
  keys += kDigits;
  const int v = item.Variante;
  const bool powers = v == 1 || v == 2 || v == 8;
  const bool binomials = v == 3 || v == 5 || v == 6 || v == 7;
  if (!powers) keys += u"()+–";
  // Variant 4 (‹x^3·y^2·(x + y)›) needs what variant 9 needs: powers and binomials.
  if (!binomials) keys += u'^';
  return keys;
}

Text ProductKeys(int level, const TBruchM& item) {
  Text keys{item.Var1};
  const int v = item.Variante;
  if (level == 1) {
    keys += item.Var2;
    if (v == 2) keys += {item.Var3, item.Var4};
    if (v == 3) keys += u'^';
  } else {
    if (level == 3 && (v == 4 || v == 5)) keys += item.Var2;
    keys += u"()+–";
  }
  return keys + kDigits;
}

}  // namespace

FractionExercise SelectedFractionExercise() {
  FractionExercise exercise;
  const int kind = selection::selFractionExercise;
  if (Between(kind, 1, 7)) exercise.kind = static_cast<ExerciseKind>(kind);
  if (Between(selection::selLevel, 1, 3)) exercise.level = selection::selLevel;
  return exercise;
}

int KindNumber(ExerciseKind kind) { return static_cast<int>(kind); }

Text Caption(const FractionExercise& exercise) {
  const KindTexts& texts = TextsOf(exercise.kind);
  Text caption = u"Übungsbeispiele: Bruchterme – ";
  caption += texts.name;
  if (texts.levelInCaption) caption += u" (Stufe " + IntText(exercise.level) + u")";
  return caption;
}

Text Instruction(ExerciseKind kind) { return TextsOf(kind).instruction; }

Text ChangeInstruction(ExerciseKind kind) {
  const KindTexts& texts = TextsOf(kind);
  return texts.changeInstruction != nullptr ? texts.changeInstruction : texts.instruction;
}

bool HasFractionAnswer(ExerciseKind kind) {
  return kind == ExerciseKind::Cancelling || kind == ExerciseKind::Multiply ||
         kind == ExerciseKind::Divide;
}

int AnswerFieldCount(ExerciseKind kind) { return HasFractionAnswer(kind) ? 2 : 1; }

Text AcceptedKeys(const FractionExercise& exercise, const TBruchM& item) {
  const int v = item.Variante;
  Text keys;
  switch (exercise.kind) {
    case ExerciseKind::Domain:
      keys = Text(kDigits) + u"/–";
      if (Between(v, 10, 17)) keys += item.Var2;
      if (Between(v, 18, 25)) keys += u',';
      return keys;
    case ExerciseKind::Cancelling:
      keys = Text(1, item.Var1);
      if (Between(v, 3, 5)) keys += item.Var2;
      keys += Text(kDigits) + u"/+^–";
      if (Between(v, 7, 12)) keys += u"()";
      return keys;
    case ExerciseKind::Lcm: return LcmKeys(item);
    case ExerciseKind::LikeDenominators:
      if (v == 2 || v == 4) return Text{item.Var1, item.Var2, item.Var3} + u"+–" + kDigits;
      return Text(kDigits) + u"–";
    case ExerciseKind::Multiply:
    case ExerciseKind::Divide: return ProductKeys(exercise.level, item);
    case ExerciseKind::DivideByMonomial:
      // The factored answers (‹2·x^3·(3·x^2 + 1)›) need brackets.
      return Text(1, item.Var1) + u"+–^()" + kDigits;
  }
  return keys;
}

std::vector<Text> ExpectedFieldTexts(ExerciseKind kind, const TBruchM& item) {
  if (!HasFractionAnswer(kind)) return {ExpectedOneFieldText(item.Loesung)};
  const std::size_t bar = item.Antwort.find(u'/');
  if (bar == Text::npos) return {item.Antwort, Text()};
  return {item.Antwort.substr(0, bar), item.Antwort.substr(bar + 1)};
}

bool IsRightAnswer(ExerciseKind kind, const TBruchM& item, const std::vector<Text>& typed) {
  if (typed.size() < static_cast<std::size_t>(AnswerFieldCount(kind))) return false;
  switch (kind) {
    case ExerciseKind::Domain: return IsRightDomainAnswer(typed[0], item.Loesung);
    case ExerciseKind::Cancelling:
    case ExerciseKind::Multiply:
    case ExerciseKind::Divide: return IsRightFractionAnswer(typed[0], typed[1], item.Antwort);
    case ExerciseKind::Lcm:
    case ExerciseKind::LikeDenominators:
    case ExerciseKind::DivideByMonomial: return IsRightOneFieldAnswer(typed[0], item.Loesung);
  }
  return false;
}

Text MonomialDivisionTask(const TBruchM& item) {
  Text task = u"(";
  task += item.Text[1];
  task += u") : ";
  task += item.Text[5];
  task += u" = ";
  return task;
}

SecondFraction SecondFactor(ExerciseKind kind, const TBruchM& item) {
  if (kind == ExerciseKind::Divide) return {u":", item.Text[6], item.Text[2]};
  return {Text(1, item.Op1), item.Text[2], item.Text[6]};
}

Text SolutionText(const TBruchM& item) { return JoinExponentDigits(item.Loesung); }

}  // namespace kalkora::fractions
