#include "terms/zeph_parser.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <new>
#include <optional>
#include <string>
#include <system_error>

namespace kalkora {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

char16_t upperAscii(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

struct FunctionName {
  TextView name;
  FunctionCode code;
};

constexpr std::array<FunctionName, 9> kFunctionNames{{
    {u"SIN", FunctionCode::Sin},
    {u"COS", FunctionCode::Cos},
    {u"TAN", FunctionCode::Tan},
    {u"EXP", FunctionCode::Exp},
    {u"LN", FunctionCode::Ln},
    {u"LG", FunctionCode::Lg},
    {u"ABS", FunctionCode::Abs},
    {u"SQRT", FunctionCode::Sqrt},
    {u"", FunctionCode::Parenthesis},
}};

// The split positions of a text for the three operator classes: for each, the rightmost
// position outside parentheses that holds an operator of the class, is not the first
// character and does not follow "E" or "^". One scan from the right finds all three.
struct SplitPositions {
  std::optional<std::size_t> sum;      // "+", "-"
  std::optional<std::size_t> product;  // "*", "/"
  std::optional<std::size_t> power;    // "^"
};

SplitPositions findSplits(TextView text) {
  SplitPositions found;
  long long depth = 0;
  for (std::size_t i = text.size(); i-- > 0;) {
    const char16_t c = text[i];
    if (c == u')') {
      ++depth;
    } else if (c == u'(') {
      --depth;
    } else if (depth == 0 && i > 0 && text[i - 1] != u'E' && text[i - 1] != u'^') {
      if (c == u'+' || c == u'-') {
        found.sum = i;
        return found;  // the sum split wins; nothing further left matters
      }
      if ((c == u'*' || c == u'/') && !found.product) found.product = i;
      if (c == u'^' && !found.power) found.power = i;
    }
  }
  return found;
}

// The magnitude class of a decimal number that does not fit a double: positive for numbers
// too large, negative or zero for numbers too small. Only its sign matters.
long long decimalMagnitude(const std::string& mantissa, long long exponent) {
  const auto point = mantissa.find('.');
  const std::string integerPart = mantissa.substr(0, point);
  const auto firstNonZero = integerPart.find_first_not_of('0');
  if (firstNonZero != std::string::npos) {
    return static_cast<long long>(integerPart.size() - firstNonZero) + exponent;
  }
  const std::string fraction = point == std::string::npos ? "" : mantissa.substr(point + 1);
  const auto leadingZeros = fraction.find_first_not_of('0');
  if (leadingZeros == std::string::npos) return 0;  // the number is zero
  return exponent - static_cast<long long>(leadingZeros);
}

// The value of a text that is wholly a decimal number: digits with an optional fraction after
// "." (at least one digit in all) and an optional exponent "E" with an optional sign.
std::optional<double> readNumber(TextView text) {
  std::size_t i = 0;
  std::string ascii;
  ascii.reserve(text.size());
  const auto takeDigits = [&] {
    std::size_t count = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++count) {
      ascii.push_back(static_cast<char>(text[i]));
    }
    return count;
  };
  std::size_t digits = takeDigits();
  if (i < text.size() && text[i] == u'.') {
    ascii.push_back('.');
    ++i;
    digits += takeDigits();
  }
  if (digits == 0) return std::nullopt;
  const std::string mantissa = ascii;
  long long exponent = 0;
  if (i < text.size() && text[i] == u'E') {
    ascii.push_back('E');
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
      negative = text[i] == u'-';
      ascii.push_back(static_cast<char>(text[i++]));
    }
    std::size_t exponentDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
      ascii.push_back(static_cast<char>(text[i]));
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[i] - u'0');
      ++i;
      ++exponentDigits;
    }
    if (exponentDigits == 0) return std::nullopt;
    if (negative) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;

  double value = 0.0;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (error == std::errc::result_out_of_range) {
    return decimalMagnitude(mantissa, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  if (error != std::errc{} || end != ascii.data() + ascii.size()) return std::nullopt;
  return value;
}

class Parser {
 public:
  explicit Parser(char16_t variable) : variable_(variable) {}

  bool syntaxOk() const { return syntaxOk_; }
  bool outOfMemory() const { return outOfMemory_; }

  // Parses text into slot; stops at once after an error, leaving the slot empty.
  void parse(TextView text, std::unique_ptr<TFunktionNode>& slot, int depth) {
    if (!syntaxOk_ || outOfMemory_) return;
    if (text.empty() || depth > TFunktion::kMaxDepth) {
      syntaxOk_ = false;
      return;
    }
    const SplitPositions splits = findSplits(text);
    if (splits.sum) return parseOperator(text, *splits.sum, slot, depth);
    if (splits.product) return parseOperator(text, *splits.product, slot, depth);
    if (text.front() == u'+') return parse(text.substr(1), slot, depth + 1);
    if (text.front() == u'-') {
      if (TFunktionNode* node = newNode(slot, NodeKind::NegateNode)) {
        parse(text.substr(1), node->First, depth + 1);
      }
      return;
    }
    if (splits.power) return parseOperator(text, *splits.power, slot, depth);
    if (parseCall(text, slot, depth)) return;
    if (const auto value = readNumber(text)) {
      if (TFunktionNode* node = newNode(slot, NodeKind::NumberNode)) node->Number = *value;
      return;
    }
    if (text.size() == 1 && text.front() == variable_) {
      newNode(slot, NodeKind::VariableNode);
      return;
    }
    if (text == u"PI") {
      newNode(slot, NodeKind::PiNode);
      return;
    }
    syntaxOk_ = false;
  }

 private:
  void parseOperator(TextView text, std::size_t at, std::unique_ptr<TFunktionNode>& slot,
                     int depth) {
    TFunktionNode* node = newNode(slot, NodeKind::OperatorNode);
    if (node == nullptr) return;
    node->Op = text[at];
    parse(text.substr(0, at), node->First, depth + 1);
    parse(text.substr(at + 1), node->Second, depth + 1);
  }

  // A function name (or none) followed by a parenthesis that closes at the end of the text.
  bool parseCall(TextView text, std::unique_ptr<TFunktionNode>& slot, int depth) {
    const auto open = text.find(u'(');
    if (open == TextView::npos || text.back() != u')') return false;
    const TextView name = text.substr(0, open);
    for (const FunctionName& function : kFunctionNames) {
      if (function.name != name) continue;
      if (TFunktionNode* node = newNode(slot, NodeKind::CallNode)) {
        node->Function = function.code;
        parse(text.substr(open + 1, text.size() - open - 2), node->Second, depth + 1);
      }
      return true;
    }
    return false;
  }

  TFunktionNode* newNode(std::unique_ptr<TFunktionNode>& slot, NodeKind kind) {
    try {
      slot = std::make_unique<TFunktionNode>();
    } catch (const std::bad_alloc&) {
      outOfMemory_ = true;
      return nullptr;
    }
    slot->Kind = kind;
    return slot.get();
  }

  char16_t variable_;
  bool syntaxOk_ = true;
  bool outOfMemory_ = false;
};

// base^exponent: exponent 0 gives 1 (also for base 0), base 0 with a positive exponent 0, an
// integral exponent up to 2^31 − 1 in magnitude by repeated squaring (so that negative bases
// work), any other exponent e^(exponent · ln base).
double power(double base, double exponent) {
  if (exponent == 0.0) return 1.0;
  if (base == 0.0 && exponent > 0.0) return 0.0;
  constexpr double kLargestIntegralExponent = 2147483647.0;
  if (std::floor(exponent) == exponent && std::fabs(exponent) <= kLargestIntegralExponent) {
    // Finite and inside the 32-bit range, so the conversion is defined.
    auto remaining = static_cast<std::int64_t>(std::fabs(exponent));
    double result = 1.0;
    double factor = base;
    while (remaining > 0) {
      if ((remaining & 1) != 0) result *= factor;
      remaining >>= 1;
      if (remaining > 0) factor *= factor;
    }
    return exponent < 0.0 ? 1.0 / result : result;
  }
  const long double logarithm = std::log(static_cast<long double>(base));
  return static_cast<double>(std::exp(static_cast<long double>(exponent) * logarithm));
}

double call(FunctionCode function, double argument) {
  switch (function) {
    case FunctionCode::Abs: return std::fabs(argument);
    case FunctionCode::Cos: return std::cos(argument);
    case FunctionCode::Exp: return std::exp(argument);
    case FunctionCode::Ln: return std::log(argument);
    case FunctionCode::Lg: return std::log10(argument);
    case FunctionCode::Sin: return std::sin(argument);
    case FunctionCode::Sqrt: return std::sqrt(argument);
    case FunctionCode::Tan: return std::tan(argument);
    case FunctionCode::Parenthesis: return argument;
  }
  return kNaN;
}

double evaluate(const TFunktionNode* node, double x) {
  if (node == nullptr) return kNaN;
  switch (node->Kind) {
    case NodeKind::NegateNode: return -evaluate(node->First.get(), x);
    case NodeKind::OperatorNode: {
      const double left = evaluate(node->First.get(), x);
      const double right = evaluate(node->Second.get(), x);
      switch (node->Op) {
        case u'+': return left + right;
        case u'-': return left - right;
        case u'*': return left * right;
        case u'/': return left / right;
        case u'^': return power(left, right);
        default: return kNaN;
      }
    }
    case NodeKind::CallNode: return call(node->Function, evaluate(node->Second.get(), x));
    case NodeKind::NumberNode: return node->Number;
    case NodeKind::VariableNode: return x;
    case NodeKind::PiNode: return kPi;
  }
  return kNaN;
}

// The deepest parenthesis nesting of the text. Every level of parentheses costs the parse at
// least one level, so a text nested deeper than the parse may go is a syntax error at once,
// without a slow descent.
long long parenthesisDepth(TextView text) {
  long long depth = 0;
  long long deepest = 0;
  for (char16_t c : text) {
    if (c == u'(') deepest = std::max(deepest, ++depth);
    if (c == u')') --depth;
  }
  return deepest;
}

}  // namespace

TFunktion::TFunktion(TextView expression, char16_t variable) {
  expression_.reserve(expression.size());
  for (char16_t c : expression) {
    if (c != u' ') expression_.push_back(upperAscii(c));
  }
  if (parenthesisDepth(expression_) >= kMaxDepth) {
    errorCode_ = kSyntaxError;
    return;
  }
  Parser parser(upperAscii(variable));
  parser.parse(expression_, root_, 1);
  if (parser.outOfMemory()) {
    errorCode_ = kOutOfMemory;
  } else if (!parser.syntaxOk()) {
    errorCode_ = kSyntaxError;
  }
}

double TFunktion::Evaluate(double x) const {
  if (errorCode_ != kNoError) return kNaN;
  return evaluate(root_.get(), x);
}

}  // namespace kalkora
