#include "terms/zeph_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"

namespace kalkora {
namespace {

struct ValueCase {
  Text expression;
  char16_t variable;
  double x;
  double expected;
};

TEST(TFunktion, ValueTable) {
  const std::vector<ValueCase> cases{
      {u"3*x + 5", u'x', 2, 11},
      {u"3*x + 5", u'X', 2, 11},  // both sides are upper-cased
      {u"3 * X+5", u'x', -1, 2},
      {u"2^3^2", u'x', 0, 64},  // left-associative: (2^3)^2
      {u"-2^2", u'x', 0, -4},   // the unary minus binds more weakly than "^"
      {u"-x^2", u'x', 3, -9},
      {u"(-2)^2", u'x', 0, 4},
      {u"(-2)^3", u'x', 0, -8},
      {u"2^-1", u'x', 0, 0.5},
      {u"x^-2", u'x', 2, 0.25},
      {u"2^(-3)", u'x', 0, 0.125},
      {u"2^10", u'x', 0, 1024},
      {u"(-1)^2147483647", u'x', 0, -1},
      {u"0^0", u'x', 0, 1},
      {u"0^5", u'x', 0, 0},
      {u"x^0", u'x', 0, 1},
      {u"10-4-3", u'x', 0, 3},
      {u"48/4/2", u'x', 0, 6},
      {u"2*(-3)", u'x', 0, -6},
      {u"+5", u'x', 0, 5},
      {u"-(-5)", u'x', 0, 5},
      {u"2.5*2", u'x', 0, 5},
      {u"2E-3", u'x', 0, 0.002},
      {u"2e-3", u'x', 0, 0.002},
      {u"1E3", u'x', 0, 1000},
      {u"1.5E+2", u'x', 0, 150},
      {u"LG(1000)", u'x', 0, 3},
      {u"lg(0.01)", u'x', 0, -2},
      {u"SQRT(16)+ABS(-2)", u'x', 0, 6},
      {u"PI", u'x', 0, 3.141592653589793},
      {u"pi", u'x', 0, 3.141592653589793},
      {u"sin(x)", u'x', 0, 0},
      {u"COS(0)", u'x', 0, 1},
      {u"TAN(0)", u'x', 0, 0},
      {u"EXP(0)", u'x', 0, 1},
      {u"LN(1)", u'x', 0, 0},
      {u"ABS(x-7)", u'x', 2, 5},
      {u"((x))", u'x', 4, 4},
      {u"(x+1)*(x-1)", u'x', 3, 8},
      {u"3*a - (2*a - 5*1) + 4", u'a', 1, 10},
      {u"E", u'e', 7, 7},       // the variable "e"
      {u"2E3", u'e', 7, 2000},  // a number, not 2 times e
      {u"2*E", u'e', 3, 6},
      {u"0 - 1*1", u'q', 0, -1},
  };
  for (const ValueCase& c : cases) {
    const TFunktion function(c.expression, c.variable);
    ASSERT_EQ(function.ErrorCode(), TFunktion::kNoError) << Utf8FromText(c.expression);
    EXPECT_DOUBLE_EQ(function.Evaluate(c.x), c.expected) << Utf8FromText(c.expression);
  }
}

TEST(TFunktion, NonIntegralExponentsUseTheLogarithm) {
  EXPECT_NEAR(TFunktion(u"4^0.5", u'x').Evaluate(0), 2.0, 1e-15);
  EXPECT_NEAR(TFunktion(u"8^(1/3)", u'x').Evaluate(0), 2.0, 1e-15);
  EXPECT_TRUE(std::isnan(TFunktion(u"(-8)^(1/3)", u'x').Evaluate(0)));
}

TEST(TFunktion, SyntaxErrorTable) {
  const std::vector<std::pair<Text, char16_t>> cases{
      {u"2*-3", u'x'},                       // a minus after "*" is a subtraction
      {u"2/-3", u'x'},       {u"2X", u'x'},  // no juxtaposition
      {u"(X+1)(X-1)", u'x'}, {u"X+", u'x'},   {u"", u'x'},     {u"   ", u'x'},
      {u"E+1", u'e'},  // no split after "E"
      {u"x", u'y'},          {u"()", u'x'},   {u"SIN", u'x'},  {u"SIN(X", u'x'},
      {u"FOO(X)", u'x'},     {u"(1+2", u'x'}, {u"1+2)", u'x'}, {u"1.2.3", u'x'},
      {u".", u'x'},          {u"1E", u'x'},   {u"1E+", u'x'},  {u"--5", u'x'},
      {u"2**3", u'x'},       {u"x^", u'x'},   {u"*2", u'x'},   {u"PI2", u'x'},
      {u"3·x", u'x'},  // display-form characters are not read
      {u"3–x", u'x'},
  };
  for (const auto& [expression, variable] : cases) {
    const TFunktion function(expression, variable);
    EXPECT_EQ(function.ErrorCode(), TFunktion::kSyntaxError) << Utf8FromText(expression);
    EXPECT_TRUE(std::isnan(function.Evaluate(1.0))) << Utf8FromText(expression);
  }
  EXPECT_EQ(TFunktion(u"", u'x').Root(), nullptr);
}

TEST(TFunktion, KeepsTheExpressionWithoutBlanksUpperCased) {
  EXPECT_EQ(TFunktion(u"3 * x + sin( x )", u'x').Expression(), u"3*X+SIN(X)");
}

TEST(TFunktion, TreeShape) {
  const TFunktion power(u"2^3^2", u'x');
  ASSERT_NE(power.Root(), nullptr);
  EXPECT_EQ(power.Root()->Kind, NodeKind::OperatorNode);
  EXPECT_EQ(power.Root()->Op, u'^');
  ASSERT_NE(power.Root()->First, nullptr);
  EXPECT_EQ(power.Root()->First->Op, u'^');
  EXPECT_EQ(power.Root()->Second->Number, 2.0);

  const TFunktion negated(u"-X^2", u'x');
  EXPECT_EQ(negated.Root()->Kind, NodeKind::NegateNode);
  EXPECT_EQ(negated.Root()->First->Kind, NodeKind::OperatorNode);

  const TFunktion plus(u"+X", u'x');
  EXPECT_EQ(plus.Root()->Kind, NodeKind::VariableNode);  // a leading plus has no node

  const TFunktion call(u"sqrt(x)", u'x');
  EXPECT_EQ(call.Root()->Kind, NodeKind::CallNode);
  EXPECT_EQ(call.Root()->Function, FunctionCode::Sqrt);
  EXPECT_EQ(call.Root()->Second->Kind, NodeKind::VariableNode);

  const TFunktion parenthesis(u"(PI)", u'x');
  EXPECT_EQ(parenthesis.Root()->Function, FunctionCode::Parenthesis);
  EXPECT_EQ(parenthesis.Root()->Second->Kind, NodeKind::PiNode);
}

TEST(TFunktion, EvaluatesTheSameTreeForManyValues) {
  const TFunktion function(u"x^2 - 2*x + 1", u'x');
  for (int x = -20; x <= 20; ++x) {
    EXPECT_DOUBLE_EQ(function.Evaluate(x), static_cast<double>((x - 1) * (x - 1)));
  }
}

TEST(TFunktion, ArithmeticFaultsGiveIeeeValues) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(TFunktion(u"1/0", u'x').Evaluate(0), kInfinity);
  EXPECT_EQ(TFunktion(u"-1/x", u'x').Evaluate(0), -kInfinity);
  EXPECT_TRUE(std::isnan(TFunktion(u"0/0", u'x').Evaluate(0)));
  EXPECT_TRUE(std::isnan(TFunktion(u"LN(-1)", u'x').Evaluate(0)));
  EXPECT_EQ(TFunktion(u"LN(0)", u'x').Evaluate(0), -kInfinity);
  EXPECT_TRUE(std::isnan(TFunktion(u"LG(x)", u'x').Evaluate(-5)));
  EXPECT_TRUE(std::isnan(TFunktion(u"SQRT(-1)", u'x').Evaluate(0)));
  EXPECT_EQ(TFunktion(u"10^400", u'x').Evaluate(0), kInfinity);
  EXPECT_EQ(TFunktion(u"(-10)^401", u'x').Evaluate(0), -kInfinity);
  EXPECT_EQ(TFunktion(u"0^(-1)", u'x').Evaluate(0), kInfinity);
  EXPECT_EQ(TFunktion(u"1E999", u'x').Evaluate(0), kInfinity);
  EXPECT_EQ(TFunktion(u"1E-999", u'x').Evaluate(0), 0.0);
  EXPECT_EQ(TFunktion(u"0.00001E-999", u'x').Evaluate(0), 0.0);
  EXPECT_EQ(TFunktion(u"2^3000000000", u'x').Evaluate(0), kInfinity);  // past 2^31 − 1
  EXPECT_EQ(TFunktion(u"x^2", u'x').Evaluate(kInfinity), kInfinity);
  EXPECT_EQ(TFunktion(u"x^(1/x)", u'x').Evaluate(0), 0.0);  // base 0, exponent +infinity
  EXPECT_TRUE(std::isnan(TFunktion(u"(-2)^0.5", u'x').Evaluate(0)));
}

TEST(TFunktion, DeepNestingIsASyntaxErrorNotAStackOverflow) {
  const std::vector<Text> deep{
      Text(100000, u'('),
      Text(100000, u'(') + u"1" + Text(100000, u')'),
      Text(100000, u'-') + u"1",
      Text(100000, u'+') + u"1",
      Text{u"SIN("} + Text(5000, u'(') + u"1" + Text(5000, u')') + u")",
  };
  for (const Text& text : deep) {
    EXPECT_EQ(TFunktion(text, u'x').ErrorCode(), TFunktion::kSyntaxError);
  }
  for (TextView link : {u"+1", u"*1", u"^1"}) {
    Text chain = u"1";
    for (int i = 0; i < 20000; ++i) chain += link;
    EXPECT_EQ(TFunktion(chain, u'x').ErrorCode(), TFunktion::kSyntaxError);
  }
}

TEST(TFunktion, NestingWellInsideTheLimitIsParsed) {
  const int levels = TFunktion::kMaxDepth / 2;
  const TFunktion nested(Text(levels, u'(') + u"x" + Text(levels, u')'), u'x');
  ASSERT_EQ(nested.ErrorCode(), TFunktion::kNoError);
  EXPECT_EQ(nested.Evaluate(7), 7);
  Text chain = u"1";
  for (int i = 1; i < levels; ++i) chain += u"+1";
  const TFunktion sum(chain, u'x');
  ASSERT_EQ(sum.ErrorCode(), TFunktion::kNoError);
  EXPECT_EQ(sum.Evaluate(0), levels);
}

// Random expressions from integers, the variable, "+", "-", "*", "^", unary minus and
// parentheses are evaluated by the parser and, independently, by a direct computation while
// they are built. Parentheses are written only where the grammar needs them: the right operand
// of "-" or "+" when it is a sum, the operands of "*" when they are sums, negative factors.
struct Built {
  Text text;
  std::int64_t value;
  int level;  // 1 sum, 2 product, 3 number, variable, power or parenthesis
};

Text wrapped(const Built& built, int level) {
  return built.level >= level ? built.text : Text{u"("} + built.text + u")";
}

Built buildExpression(int depth, std::int64_t x) {
  if (depth == 0 || Random(4) == 0) {
    const bool variable = Random(3) == 0;
    const std::int64_t base = variable ? x : Random(10);
    const Text baseText = variable ? Text{u"x"} : IntText(static_cast<int>(base));
    if (Random(3) == 0) {
      const int exponent = Random(3);
      return {baseText + u"^" + IntText(exponent),
              exponent == 0   ? 1
              : exponent == 1 ? base
                              : base * base,
              3};
    }
    return {baseText, base, 3};
  }
  const Built left = buildExpression(depth - 1, x);
  const Built right = buildExpression(depth - 1, x);
  switch (Random(5)) {
    case 0: return {left.text + u" + " + wrapped(right, 2), left.value + right.value, 1};
    case 1: return {left.text + u" - " + wrapped(right, 2), left.value - right.value, 1};
    case 2: return {wrapped(left, 2) + u"*" + wrapped(right, 3), left.value * right.value, 2};
    case 3: return {Text{u"(-"} + wrapped(left, 2) + u")", -left.value, 3};
    default:
      return {Text{u"("} + left.text + u" - " + wrapped(right, 2) + u")", left.value - right.value,
              3};
  }
}

TEST(TFunktion, AgreesWithADirectComputationOnRandomExpressions) {
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    for (std::int64_t x = -3; x <= 3; ++x) {
      SetRandomSeed(seed);  // the same expression for every x
      const Built built = buildExpression(3, x);
      const TFunktion function(built.text, u'x');
      ASSERT_EQ(function.ErrorCode(), TFunktion::kNoError) << Utf8FromText(built.text);
      EXPECT_EQ(function.Evaluate(static_cast<double>(x)), static_cast<double>(built.value))
          << Utf8FromText(built.text) << " at " << x;
    }
  }
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora
