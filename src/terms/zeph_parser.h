#pragma once
// The expression evaluator: an arithmetic expression in one variable is parsed into a tree
// once and evaluated for any value of the variable. It knows "+", "-", "*", "/", "^", unary
// signs, parentheses, the functions SIN, COS, TAN, EXP, LN, LG, ABS, SQRT, numbers with an
// optional fraction and exponent (‹2.5›, ‹2E-3›) and the constant PI. Names and the variable
// are matched after upper-casing; blanks are ignored.
//
// Grammar, as the parse splits a text (rightmost operator outside parentheses first):
// "+"/"-", then "*"/"/", then a leading sign, then "^". All binary operators are
// left-associative (‹2^3^2› is 64), a unary minus binds more weakly than "^" (‹-2^2› is -4),
// an operator directly after "E" or "^" does not split (‹2E-3›, ‹X^-2›), and a minus directly
// after "*" or "/" is a syntax error (‹2*-3›; write ‹2*(-3)›). Juxtaposition ("2X") is a
// syntax error.
//
// The parser works on any text: nesting (parentheses, signs and operator chains alike) deeper
// than kMaxDepth levels is a syntax error instead of a stack overflow.
//
// Evaluation follows IEEE 754 arithmetic and never traps: a division by zero gives ±infinity
// (0/0 gives NaN), LN or LG of 0 gives -infinity and of a negative number NaN, SQRT of a
// negative number NaN, a value beyond the double range ±infinity. An expression whose error
// code is not 0 evaluates to NaN.

#include <cstdint>
#include <memory>

#include "base/text.h"

namespace kalkora {

enum class NodeKind : std::uint8_t {
  NegateNode = 0,
  OperatorNode = 1,
  CallNode = 2,
  NumberNode = 3,
  VariableNode = 4,
  PiNode = 5,
};

// Function codes of a CallNode.
enum class FunctionCode : std::int32_t {
  Abs = 1,
  Cos = 2,
  Exp = 3,
  Ln = 4,
  Lg = 5,
  Sin = 6,
  Sqrt = 7,
  Tan = 8,
  Parenthesis = 9,  // a plain parenthesis: the argument itself
};

// One node of the parse tree; each node owns its children.
struct TFunktionNode {
  NodeKind Kind = NodeKind::NumberNode;
  char16_t Op = 0;                                    // OperatorNode: "+", "-", "*", "/" or "^"
  std::unique_ptr<TFunktionNode> First;               // NegateNode: operand; OperatorNode: left
  std::unique_ptr<TFunktionNode> Second;              // OperatorNode: right; CallNode: argument
  FunctionCode Function = FunctionCode::Parenthesis;  // CallNode
  double Number = 0.0;                                // NumberNode
};

class TFunktion {
 public:
  static constexpr std::uint8_t kNoError = 0;
  static constexpr std::uint8_t kSyntaxError = 1;
  static constexpr std::uint8_t kOutOfMemory = 6;  // a tree node could not be allocated

  // Deepest nesting the parser follows; deeper texts are syntax errors. The program's terms
  // stay far below it.
  static constexpr int kMaxDepth = 256;

  // Removes every blank, upper-cases the expression, parses it with the given variable letter
  // and sets the error code. Never fails otherwise.
  TFunktion(TextView expression, char16_t variable);

  // The value with the variable equal to x (IEEE 754 results, see above); NaN when the error
  // code is not 0. The tree is not changed, so it can be evaluated again for other values.
  double Evaluate(double x) const;

  // 0 parsed, 1 syntax error, 6 a tree node could not be allocated.
  std::uint8_t ErrorCode() const { return errorCode_; }
  // The expression without blanks, upper-cased.
  const Text& Expression() const { return expression_; }
  // The root of the tree; none for the empty expression.
  const TFunktionNode* Root() const { return root_.get(); }

 private:
  Text expression_;
  std::uint8_t errorCode_ = kNoError;
  std::unique_ptr<TFunktionNode> root_;
};

}  // namespace kalkora
