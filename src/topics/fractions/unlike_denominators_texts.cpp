#include "topics/fractions/unlike_denominators_texts.h"

#include <initializer_list>

#include "topics/fractions/fraction_record.h"
#include "topics/fractions/unlike_denominators_stages.h"

namespace kalkora::fractions {
namespace {

constexpr TextView kDigits = u"0123456789";
constexpr TextView kSigns = u"+–";
constexpr TextView kBrackets = u"()";
constexpr TextView kNoDotHint = u"$Verwende kein Multiplikationszeichen für die Eingaben.$";

// Stufe 1 variants 1 and 2: numbers times one letter, in power notation in stage 1.
bool NumberVariant(const TBruchM& item, int level) { return level == 1 && item.Variante <= 2; }

// The variants whose extended numerators are quadratic, and those whose result is.
bool QuadraticNumerators(const TBruchM& item, int level) {
  return (level == 2 && item.Variante == 3) || (level == 3 && item.Variante != 2);
}
bool QuadraticResult(const TBruchM& item, int level) { return level == 3 && item.Variante != 2; }

Text Letters(const TBruchM& item, int level) {
  Text letters(1, item.Var1);
  if (level == 3 && item.Variante == 3) letters += item.Var2;
  return letters;
}

Text Joined(std::initializer_list<TextView> parts) {
  Text text;
  for (TextView part : parts) text += part;
  return text;
}

}  // namespace

StageTexts StageHeadingAndHint(int level, int variante, int stage) {
  if (level < 1 || level > 3) level = 1;
  const Text hint{kNoDotHint};
  switch (stage) {
    case kStageFactorise:
      if (level == 1 && variante <= 2) {
        return {
            u"#Zerlege die Nenner in Faktoren und verwende dabei die Potenzschreibweise "
            u"(Zahlen aufsteigend).#",
            u"_Verwende das Multiplikationszeichen für die Eingaben._"};
      }
      if (level == 1) return {u"#Zerlege die Nenner in Faktoren.#", hint};
      if (level == 2) {
        return {
            u"#Hebe gemeinsame Faktoren heraus. Verwende die Formel für a^2 – b^2, wenn "
            u"notwendig.#",
            hint};
      }
      return {u"#Hebe gemeinsame Faktoren heraus. Verwende die Formel a^2 – b^2, wenn notwendig#",
              hint};
    case kStageMainDenominator:
      if (level == 1)
        return {u"#Ermittle den Hauptnenner (Zahl zuerst, ohne Potenzschreibweise).#", hint};
      if (level == 2)
        return {u"#Ermittle den Hauptnenner (Zahl zuerst, ohne Potenzschreibweise).", hint};
      return {u"#Ermittle den Hauptnenner (Zahl zuerst).#", hint};
    case kStageFactors:
      return {u"#Ermittle die Erweiterungsfaktoren.#", level == 1 ? Text{} : hint};
    case kStageNumerators:
      return {level == 3 ? u"#Ermittle die jeweilgen Zähler (ausmultiplizieren).#"
                         : u"#Ermittle die jeweilgen Zähler.#",
              level == 1 ? Text{} : hint};
    case kStageResult:
      return {u"#Ermittle das Ergebnis und kürze, wenn möglich.#", level == 1 ? Text{} : hint};
    default: return {};
  }
}

FieldKeys KeysOfField(const TBruchM& item, int level, int field) {
  if (level < 1 || level > 3) level = 1;
  const bool numbers = NumberVariant(item, level);
  const Text letters = Letters(item, level);
  const Text terms = Joined({kDigits, letters, kSigns});
  switch (FieldStage(field)) {
    case kStageFactorise:
      if (numbers) return {Joined({kDigits, u"^·", letters}), true};
      return {Joined({terms, kBrackets})};
    case kStageMainDenominator:
      if (numbers) return {Joined({kDigits, letters})};
      return {Joined({terms, kBrackets})};
    case kStageFactors: {
      if (numbers) return {Text{kDigits}};
      const bool brackets = level > 1 && ExpectedFieldText(item, field).find(u'(') != Text::npos;
      return {brackets ? Joined({terms, kBrackets}) : terms};
    }
    case kStageNumerators:
      if (numbers) return {Text{kDigits}};
      return {QuadraticNumerators(item, level) ? Joined({terms, u"^"}) : terms};
    case kStageResult:
      if (field == 12) {
        if (numbers) return {Joined({kDigits, letters})};
        return {Joined({terms, kBrackets})};
      }
      if (numbers) return {Joined({kDigits, u"–"})};
      return {QuadraticResult(item, level) ? Joined({terms, u"^"}) : terms};
    default: return {};
  }
}

Text EmptyFieldsMessage(int fields) {
  return fields > 1 ? u"Die Eingabefelder dürfen nicht leer sein!"
                    : u"Das Eingabefeld darf nicht leer sein!";
}

Text UnlikeCaption(int level) {
  if (level < 1 || level > 3) level = 1;
  Text caption =
      u"Übungsbeispiele: Bruchterme – Addieren/Subrahieren mit ungleichnamigem Nenner (Stufe ";
  caption += static_cast<char16_t>(u'0' + level);
  caption += u')';
  return caption;
}

Text UnlikeNotFinishedMessage() { return u"Es fehlen noch Einträge!"; }

Text UnlikeInstruction() {
  return u"Drücke die Tasten, um die nächste Eingabe durchführen zu können!";
}

Text UnlikeInstructionAfterEvaluation() {
  return u"Addieren/Subrahieren (Nenner ungleichnamig).\nDrücke die Tasten, um die nächste(n) "
         u"Eingabe(n) durchführen zu können!";
}

}  // namespace kalkora::fractions
