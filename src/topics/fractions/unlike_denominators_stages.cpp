#include "topics/fractions/unlike_denominators_stages.h"

#include <algorithm>
#include <numeric>

#include "topics/fractions/fraction_record.h"
#include "topics/fractions/unlike_denominators_generators.h"
#include "topics/fractions/unlike_denominators_texts.h"

namespace kalkora::fractions {
namespace {

constexpr int kFirstField[] = {0, 1, 4, 5, 8, 11};  // the first field of each stage

bool IsLetter(TextView piece) { return piece.size() == 1 && piece[0] >= u'a' && piece[0] <= u'z'; }
bool IsBracket(TextView piece) { return !piece.empty() && piece.front() == u'('; }

// The factors of a display-form product, split at each "·" outside brackets.
std::vector<Text> Factors(TextView product) {
  std::vector<Text> factors;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < product.size(); ++i) {
    if (product[i] == u'(') ++depth;
    if (product[i] == u')') --depth;
    if (depth == 0 && product[i] == u'·') {
      factors.emplace_back(product.substr(start, i - start));
      start = i + 1;
    }
  }
  factors.emplace_back(product.substr(start));
  return factors;
}

Text Joined(const std::vector<Text>& factors) {
  Text text;
  for (const Text& factor : factors) {
    if (!text.empty()) text += u'·';
    text += factor;
  }
  return text;
}

// The positions of the factors of one kind.
template <typename Kind>
std::vector<std::size_t> PositionsOf(const std::vector<Text>& factors, Kind kind) {
  std::vector<std::size_t> positions;
  for (std::size_t i = 0; i < factors.size(); ++i) {
    if (kind(factors[i])) positions.push_back(i);
  }
  return positions;
}

// Every order of the factors at `positions` among themselves, each applied to every product.
std::vector<std::vector<Text>> Reordered(const std::vector<std::vector<Text>>& products,
                                         const std::vector<std::size_t>& positions) {
  std::vector<std::vector<Text>> result;
  for (const std::vector<Text>& product : products) {
    std::vector<std::size_t> order(positions.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    do {
      std::vector<Text> reordered = product;
      for (std::size_t k = 0; k < positions.size(); ++k) {
        reordered[positions[k]] = product[positions[order[k]]];
      }
      result.push_back(reordered);
    } while (std::next_permutation(order.begin(), order.end()));
  }
  return result;
}

// The product in every order of its brackets among themselves and of its single letters
// among themselves; the expected order first.
std::vector<Text> ProductOrders(TextView product) {
  const std::vector<Text> factors = Factors(product);
  std::vector<std::vector<Text>> products{factors};
  products = Reordered(products, PositionsOf(factors, IsBracket));
  products = Reordered(products, PositionsOf(factors, IsLetter));
  std::vector<Text> orders;
  for (const auto& p : products) orders.push_back(Joined(p));
  return orders;
}

// An extension factor as stored, without its number 1, and a bracket standing alone without
// its brackets.
std::vector<Text> FactorForms(TextView factor) {
  std::vector<Text> forms{Text{factor}};
  TextView rest = factor;
  if (rest.starts_with(u"1·")) {
    rest.remove_prefix(2);
    forms.emplace_back(rest);
  }
  if (IsBracket(rest) && Factors(rest).size() == 1 && rest.back() == u')') {
    forms.emplace_back(rest.substr(1, rest.size() - 2));
  }
  return forms;
}

std::vector<Text> AcceptedForms(const TBruchM& item, int field) {
  const Text expected = ExpectedFieldText(item, field);
  switch (FieldStage(field)) {
    case kStageFactorise:
    case kStageMainDenominator: return ProductOrders(expected);
    case kStageFactors: return FactorForms(expected);
    default: return field == 12 ? ProductOrders(expected) : std::vector<Text>{expected};
  }
}

// The text as compared: without blanks and, unless the power notation keeps it, without "·".
Text Comparable(TextView text, bool keepDots) {
  Text result;
  for (char16_t ch : text) {
    if (ch == u' ' || (ch == u'·' && !keepDots)) continue;
    result += ch;
  }
  return result;
}

bool KeepsDots(const TBruchM& item, int level, int stage) {
  return level == 1 && item.Variante <= 2 && stage == kStageFactorise;
}

// The text after the number a product starts with (the whole product when it has none).
TextView AfterNumber(TextView product) {
  if (product.empty() || product.front() < u'0' || product.front() > u'9') return product;
  const auto dot = product.find(u'·');
  return dot == TextView::npos ? TextView{} : product.substr(dot + 1);
}

}  // namespace

int PrepareUnlikeItem(int level) {
  switch (level) {
    case 2: AddSubUngleichU2(1); break;
    case 3: AddSubUngleichU3(1); break;
    default: AddSubUngleichU1(1); break;
  }
  TBruchM& item = Bruch[1];
  item.Aktiv = true;
  return FirstStage(item);
}

int FirstStage(const TBruchM& item) {
  return item.Kenn[3] ? kStageFactorise : kStageMainDenominator;
}

int FieldStage(int field) {
  if (field < 1 || field > 12) return 0;
  int stage = 1;
  while (stage < kStageResult && field >= kFirstField[stage + 1]) ++stage;
  return stage;
}

std::vector<int> StageFields(const TBruchM& item, int stage) {
  const int count = std::clamp(item.Anzahl, 2, 3);
  switch (stage) {
    case kStageFactorise:
    case kStageFactors:
    case kStageNumerators: {
      std::vector<int> fields;
      for (int i = 0; i < count; ++i) fields.push_back(kFirstField[stage] + i);
      return fields;
    }
    case kStageMainDenominator: return {4};
    case kStageResult: return item.Kenn[1] ? std::vector<int>{11, 12} : std::vector<int>{11};
    default: return {};
  }
}

Text ExpectedFieldText(const TBruchM& item, int field) {
  const TUngleich& u = item.Ungleich;
  const auto at = [](int i) { return static_cast<std::size_t>(i); };
  switch (FieldStage(field)) {
    case kStageFactorise: return u.Zerlegung[at(field)];
    case kStageMainDenominator: return u.HN;
    case kStageFactors: return u.Faktor[at(field - 4)];
    case kStageNumerators: return u.NeuZaehler[at(field - 7)];
    case kStageResult:
      if (field == 11) return item.Kenn[1] ? u.GekZaehler : u.Ergebnis;
      return item.Kenn[1] ? u.GekNenner : Text{};
    default: return {};
  }
}

Text TypedFieldText(const TBruchM& item, int level, int field) {
  const int stage = FieldStage(field);
  return Comparable(ExpectedFieldText(item, field), KeepsDots(item, level, stage));
}

int LongestFieldText(const TBruchM& item, int level, int field) {
  constexpr int kSlip = 8;
  return static_cast<int>(TypedFieldText(item, level, field).size()) + kSlip;
}

bool StageCheck::right() const {
  return !fields.empty() &&
         std::all_of(fields.begin(), fields.end(), [](const FieldCheck& f) { return f.right; });
}

StageCheck CheckStage(const TBruchM& item, int level, int stage, const std::vector<Text>& typed) {
  StageCheck check;
  const bool keepDots = KeepsDots(item, level, stage);
  const std::vector<int> fields = StageFields(item, stage);
  for (std::size_t k = 0; k < fields.size(); ++k) {
    FieldCheck field{fields[k], false, ExpectedFieldText(item, fields[k])};
    const Text learner = k < typed.size() ? Comparable(typed[k], keepDots) : Text{};
    if (!learner.empty()) {
      for (const Text& form : AcceptedForms(item, field.field)) {
        if (Comparable(form, keepDots) == learner) {
          field.right = true;
          // A factor is shown as stored; a product in the learner's order.
          if (stage != kStageFactors) field.expected = form;
          break;
        }
      }
    }
    check.fields.push_back(field);
  }
  return check;
}

void AdoptLearnerOrder(TBruchM& item, const StageCheck& check) {
  TUngleich& u = item.Ungleich;
  for (const FieldCheck& field : check.fields) {
    if (!field.right) continue;
    const int stage = FieldStage(field.field);
    if (stage == kStageFactorise) {
      u.Zerlegung[static_cast<std::size_t>(field.field)] = field.expected;
    } else if (stage == kStageMainDenominator) {
      u.HN = field.expected;
      if (item.Kenn[1]) {
        // The cancelled denominator: its own number, then the main denominator's factors.
        const TextView number = TextView(u.GekNenner).substr(0, u.GekNenner.find(u'·'));
        Text reordered{number};
        reordered += u'·';
        reordered += AfterNumber(u.HN);
        u.GekNenner = reordered;
      }
    } else if (field.field == 12) {
      u.GekNenner = field.expected;
    }
  }
}

int AfterStageVerdict(TBruchM& item, int stage, practice::Verdict verdict) {
  const auto at = static_cast<std::size_t>(std::clamp(stage, 1, 5));
  switch (verdict) {
    case practice::Verdict::RightFirst:
    case practice::Verdict::RightSecond: item.SchrittRichtig[at] = true; break;
    case practice::Verdict::WrongSecond: item.SchrittGezeigt[at] = true; break;
    case practice::Verdict::WrongFirst: return stage;
  }
  return stage + 1;
}

StageOutcome JudgeStage(TBruchM& item, int level, int stage, const std::vector<Text>& typed) {
  StageOutcome outcome;
  outcome.nextStage = stage;
  const std::vector<int> fields = StageFields(item, stage);
  if (fields.empty()) return outcome;  // no stage open: nothing to judge
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k >= typed.size() || typed[k].empty()) {
      outcome.emptyField = fields[k];
      outcome.message = {EmptyFieldsMessage(static_cast<int>(fields.size())),
                         practice::MessageColour::Brown};
      return outcome;
    }
  }
  outcome.judged = true;
  outcome.check = CheckStage(item, level, stage, typed);
  AdoptLearnerOrder(item, outcome.check);
  outcome.verdict = practice::JudgeAnswer(outcome.check.right());
  outcome.message = practice::FeedbackMessage(outcome.verdict);
  outcome.nextStage = AfterStageVerdict(item, stage, outcome.verdict);
  return outcome;
}

}  // namespace kalkora::fractions
