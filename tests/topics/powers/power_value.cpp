#include "power_value.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

#include "terms/zeph_parser.h"

namespace kalkora::test {
namespace {

bool isLetter(char16_t c) { return c >= u'a' && c <= u'z'; }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::string EvaluatorText(TextView text) {
  std::string out;
  bool exponentDigits = false;  // inside the digits after a caret
  bool afterCaret = false;      // a caret was written, its digits not yet seen
  for (const char16_t c : text) {
    switch (c) {
      case u'#':
      case u'_':
      case u'~':
      case u'$':
      case u'§':
      case u' ': continue;
      default: break;
    }
    if (c == u'^') {
      // A further caret inside an exponent (‹1^0›) or right after a caret (‹^^›) adds nothing.
      if (!exponentDigits && !afterCaret) out += '^';
      afterCaret = !exponentDigits;
      continue;
    }
    const bool operand = isLetter(c) || c == u'(' || c == u'{' || c == u'[';
    if (operand && !out.empty()) {
      const char last = out.back();
      if ((last >= '0' && last <= '9') || (last >= 'a' && last <= 'z') || last == ')') {
        out += '*';
      }
    }
    exponentDigits = (afterCaret || exponentDigits) && isDigit(c);
    afterCaret = false;
    switch (c) {
      case u'·': out += '*'; break;
      case u'–': out += '-'; break;
      case u'{':
      case u'[': out += '('; break;
      case u'}':
      case u']': out += ')'; break;
      default: out += static_cast<char>(c); break;
    }
  }
  return out;
}

std::optional<double> PowerValue(TextView text, const std::map<char16_t, double>& values) {
  const std::string plain = EvaluatorText(text);
  std::string replaced;
  for (const char c : plain) {
    if (c >= 'a' && c <= 'z') {
      const auto value = values.find(static_cast<char16_t>(c));
      if (value == values.end()) return std::nullopt;
      char number[40];
      std::snprintf(number, sizeof number, "(%.6f)", value->second);
      replaced += number;
    } else {
      replaced += c;
    }
  }
  const TFunktion function(TextFromUtf8(replaced), u'X');
  if (function.ErrorCode() != TFunktion::kNoError) return std::nullopt;
  const double value = function.Evaluate(0.0);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::map<char16_t, double> LetterValues(int round) {
  std::map<char16_t, double> values;
  for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
    const int step = ((letter - u'a') * 7 + round * 11) % 23;
    values[letter] = 0.55 + 0.05 * step;
  }
  return values;
}

std::map<char16_t, double> RandomLetterValues(std::uint32_t seed) {
  std::mt19937 generator(seed);
  std::uniform_real_distribution<double> value(0.5, 2.0);
  std::map<char16_t, double> values;
  for (char16_t letter = u'a'; letter <= u'z'; ++letter) values[letter] = value(generator);
  return values;
}

bool NearlyEqual(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

}  // namespace kalkora::test
