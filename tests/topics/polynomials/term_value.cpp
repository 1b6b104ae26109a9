#include "term_value.h"

namespace kalkora::test {

namespace {

class Parser {
 public:
  Parser(TextView text, const std::map<char16_t, std::int64_t>& values)
      : text_(text), values_(values) {}

  std::optional<std::int64_t> parse() {
    const auto value = sum();
    skipBlanks();
    if (!ok_ || at_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  static bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
  static bool isLetter(char16_t c) { return c >= u'a' && c <= u'z'; }
  static bool isMinus(char16_t c) { return c == u'-' || c == u'–'; }

  void skipBlanks() {
    while (at_ < text_.size() && text_[at_] == u' ') ++at_;
  }
  char16_t peek() {
    skipBlanks();
    return at_ < text_.size() ? text_[at_] : char16_t{0};
  }
  std::int64_t fail() {
    ok_ = false;
    return 0;
  }
  std::int64_t add(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    return __builtin_add_overflow(a, b, &r) ? fail() : r;
  }
  std::int64_t mul(std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    return __builtin_mul_overflow(a, b, &r) ? fail() : r;
  }

  std::int64_t sum() {
    std::int64_t value = product();
    for (;;) {
      const char16_t c = peek();
      if (c == u'+') {
        ++at_;
        value = add(value, product());
      } else if (isMinus(c)) {
        ++at_;
        value = add(value, mul(-1, product()));
      } else {
        return value;
      }
    }
  }

  std::int64_t product() {
    std::int64_t value = signedFactor();
    for (;;) {
      const char16_t c = peek();
      if (c == u'*' || c == u'·') {
        ++at_;
        value = mul(value, signedFactor());
      } else if (isDigit(c) || isLetter(c) || c == u'(') {
        value = mul(value, power());  // a product written without a sign
      } else {
        return value;
      }
    }
  }

  std::int64_t signedFactor() {
    if (isMinus(peek())) {
      ++at_;
      return mul(-1, signedFactor());
    }
    return power();
  }

  std::int64_t power() {
    const std::int64_t base = primary();
    if (peek() != u'^') return base;
    ++at_;
    if (!isDigit(peek())) return fail();
    const std::int64_t exponent = number();
    std::int64_t value = 1;
    for (std::int64_t k = 0; k < exponent && ok_; ++k) value = mul(value, base);
    return value;
  }

  std::int64_t number() {
    std::int64_t value = 0;
    while (at_ < text_.size() && isDigit(text_[at_])) {
      value = add(mul(value, 10), text_[at_] - u'0');
      ++at_;
    }
    return value;
  }

  std::int64_t primary() {
    const char16_t c = peek();
    if (isDigit(c)) return number();
    if (isLetter(c)) {
      ++at_;
      const auto found = values_.find(c);
      return found == values_.end() ? fail() : found->second;
    }
    if (c == u'(') {
      ++at_;
      const std::int64_t value = sum();
      if (peek() != u')') return fail();
      ++at_;
      return value;
    }
    return fail();
  }

  TextView text_;
  const std::map<char16_t, std::int64_t>& values_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

}  // namespace

std::optional<std::int64_t> TermValue(TextView text,
                                      const std::map<char16_t, std::int64_t>& values) {
  return Parser(text, values).parse();
}

}  // namespace kalkora::test
