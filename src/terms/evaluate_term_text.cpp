#include "terms/evaluate_term_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "terms/zeph_parser.h"

namespace kalkora {
namespace {

constexpr int kSignificantDigits = 7;

// The decimal digits of the integer part of a finite, non-negative value, cut off (not
// rounded) after fractionDigits decimals have been written.
std::string integerDigits(double magnitude, int fractionDigits) {
  // 309 integer digits at most, the point and the fraction.
  std::array<char, 400> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                          std::chars_format::fixed, fractionDigits);
  if (error != std::errc{}) return "0";
  std::string digits(buffer.data(), end);
  const auto point = digits.find('.');
  if (point != std::string::npos) digits.erase(point);
  return digits;
}

// Rounds a digit string of more than kSignificantDigits digits to that many significant
// digits, halves away from zero, and fills the rest with zeros.
std::string roundToSignificantDigits(std::string digits) {
  const auto keep = static_cast<std::size_t>(kSignificantDigits);
  const bool roundUp = digits[keep] >= '5';
  for (std::size_t i = keep; i < digits.size(); ++i) digits[i] = '0';
  if (roundUp) {
    std::size_t i = keep;
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[i - 1];
    }
  }
  return digits;
}

}  // namespace

Text RoundedIntegerText(double value) {
  if (!std::isfinite(value)) return Text{};
  const double magnitude = std::fabs(value);
  std::string digits;
  if (magnitude < 1e7) {
    // At most 7 integer digits: rounding to no decimals is the coarser rounding. std::round
    // takes halves away from zero and is exact.
    digits = integerDigits(std::round(magnitude), 0);
  } else {
    // The eighth digit decides. A double of this size has at most 29 binary fraction digits,
    // so with 30 decimals the integer part is written exactly, not rounded up.
    digits = roundToSignificantDigits(integerDigits(magnitude, 30));
  }
  const bool negative = value < 0 && digits != "0";
  Text result;
  result.reserve(digits.size() + 1);
  if (negative) result.push_back(u'-');
  for (char c : digits) result.push_back(static_cast<char16_t>(c));
  return result;
}

Text EvaluateTermText(TextView term, char16_t letter, int n) {
  const TFunktion function(term, letter);
  if (function.ErrorCode() != TFunktion::kNoError) return Text{};
  return RoundedIntegerText(function.Evaluate(static_cast<double>(n)));
}

}  // namespace kalkora
