#include "practice/practice_run.h"

#include "base/shared_functions.h"

namespace kalkora::practice {

void StartPracticeRun() {
  Versuch = 1;
  AktVersuche = 0;
  AktPunkte = 0;
  Versuche = 0;
  Punkte = 0;
  Durchgang = 1;
  Durchgaenge = 3;
}

void StartNextPass() {
  ++Durchgang;
  AktVersuche = 0;
  AktPunkte = 0;
}

Verdict JudgeAnswer(bool right) {
  ++AktVersuche;
  ++Versuche;
  if (right) {
    const bool first = Versuch == 1;
    const float points = first ? 1.0f : 0.5f;
    AktPunkte += points;
    Punkte += points;
    Versuch = 1;
    return first ? Verdict::RightFirst : Verdict::RightSecond;
  }
  if (Versuch == 1) {
    Versuch = 2;
    return Verdict::WrongFirst;
  }
  Versuch = 1;
  return Verdict::WrongSecond;
}

Message FeedbackMessage(Verdict verdict, TextView solution) {
  switch (verdict) {
    case Verdict::RightFirst: return {u"Bravo, deine Eingabe ist richtig!", MessageColour::Violet};
    case Verdict::RightSecond:
      return {u"Beim zweiten Versuch ist deine Eingabe richtig!", MessageColour::Violet};
    case Verdict::WrongFirst:
      return {
          u"Deine Eingabe ist leider falsch!\nÜberprüfe deine Eingabe und versuche es noch "
          u"einmal.",
          MessageColour::Rose};
    case Verdict::WrongSecond: {
      Text text = u"Deine Eingabe ist leider wieder falsch!\n";
      if (!solution.empty()) {
        text += u"Das Ergebnis lautet ";
        text += solution;
        text += u"\n";
      }
      text +=
          u"Vergleiche das Ergebnis mit deiner Eingabe und überlege, warum du den Fehler "
          u"begangen hast!";
      return {text, MessageColour::Rose};
    }
  }
  return {Text{}, MessageColour::Brown};
}

Text MissingEntriesMessage(int missing) {
  if (missing == 1) return u"Es fehlt noch 1 Eintrag!";
  return u"Es fehlen noch " + IntText(missing) + u" Einträge!";
}

Text InstructionNumbers() {
  return u"Gib die jeweiligen Zahlen ein.\nDrücke die Enter–Taste oder klicke mit der Maus ins "
         u"nächste Feld!";
}

Text InstructionTerms() {
  return u"Gib den jeweiligen Term ohne Multiplikationszeichen ein.\nDrücke die Enter–Taste oder "
         u"klicke mit der Maus ins nächste Feld!";
}

Text PassLabel() { return IntText(Durchgang) + u" / " + IntText(Durchgaenge); }

}  // namespace kalkora::practice
