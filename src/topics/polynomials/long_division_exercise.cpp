#include "topics/polynomials/long_division_exercise.h"

#include <cstddef>
#include <utility>

namespace kalkora::long_division_exercise {

Text Caption(int level) {
  Text caption = u"Übungsbeispiele: Bruchterme – Dividieren durch mehrgliedrige Terme ";
  caption += level == 3 ? u"mit Rest (Stufe 3)" : u"ohne Rest (Stufe 2)";
  return caption;
}

Text Instruction() { return u"Gib das Ergebnis ein und drücke die Enter–Taste!"; }

Text InstructionWhileTyping() { return u"Dividieren von Termen.\n" + Instruction(); }

Text EmptyFieldMessage() { return u"Das Eingabefeld darf nicht leer sein!"; }

Text AcceptedKeys(char16_t letter) {
  Text keys(1, letter);
  keys += u"0123456789+–^";
  return keys;
}

int FieldLength(const fractions::DivisionStep& step) {
  return step.kind == fractions::DivisionAnswer::QuotientTerm ? 5 : 20;
}

DivisionProgress::DivisionProgress(fractions::WrittenDivision division)
    : division_(std::move(division)), answered_(division_.steps.size()) {}

const fractions::DivisionStep& DivisionProgress::step(int number) const {
  return division_.steps.at(static_cast<std::size_t>(number - 1));
}

const fractions::DivisionStep* DivisionProgress::currentStep() const {
  return finished() ? nullptr : &step(current_);
}

DivisionProgress::State DivisionProgress::state(int number) const {
  return answered_.at(static_cast<std::size_t>(number - 1)).state;
}

const Text& DivisionProgress::typed(int number) const {
  return answered_.at(static_cast<std::size_t>(number - 1)).typed;
}

std::optional<practice::Verdict> DivisionProgress::answer(TextView typed) {
  if (typed.empty() || finished()) return std::nullopt;
  const practice::Verdict verdict = practice::JudgeAnswer(typed == step(current_).answer);
  if (practice::IsFinal(verdict)) {
    Answered& answered = answered_[static_cast<std::size_t>(current_ - 1)];
    answered.state = verdict == practice::Verdict::WrongSecond ? State::Shown : State::Right;
    answered.typed = Text(typed);
    ++current_;
  }
  return verdict;
}

bool NextDivisionFollows() {
  if (practice::Durchgang >= practice::Durchgaenge) return false;
  ++practice::Durchgang;
  return true;
}

void ReplaceDivision() { practice::Versuch = 1; }

}  // namespace kalkora::long_division_exercise
