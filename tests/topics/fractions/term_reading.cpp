#include "term_reading.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numeric>

#include "terms/zeph_parser.h"

namespace kalkora::fractions::test {
namespace {

bool isLetter(char16_t ch) { return ch >= u'a' && ch <= u'z'; }
bool isDigit(char16_t ch) { return ch >= u'0' && ch <= u'9'; }

Text NumberText(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.12f", value);
  return TextFromUtf8(buffer);
}

// Recursive descent over display or input form.
class Reader {
 public:
  explicit Reader(TextView text) : text_(text) {}

  std::optional<Polynomial> all() {
    auto p = expression();
    skipBlanks();
    if (!p || pos_ != text_.size()) return std::nullopt;
    return p;
  }

 private:
  void skipBlanks() {
    while (pos_ < text_.size() && text_[pos_] == u' ') ++pos_;
  }
  bool atMinus() const { return text_[pos_] == u'–' || text_[pos_] == u'-'; }

  std::optional<Polynomial> expression() {
    skipBlanks();
    Polynomial result;
    bool negative = false;
    if (pos_ < text_.size() && (atMinus() || text_[pos_] == u'+')) {
      negative = atMinus();
      ++pos_;
    }
    auto first = term();
    if (!first) return std::nullopt;
    result = negative ? Polynomial{} - *first : *first;
    for (;;) {
      skipBlanks();
      if (pos_ >= text_.size() || !(atMinus() || text_[pos_] == u'+')) return result;
      const bool minus = atMinus();
      ++pos_;
      auto next = term();
      if (!next) return std::nullopt;
      result = minus ? result - *next : result + *next;
    }
  }

  std::optional<Polynomial> term() {
    auto result = factor();
    if (!result) return std::nullopt;
    for (;;) {
      skipBlanks();
      if (pos_ >= text_.size()) return result;
      const char16_t ch = text_[pos_];
      if (ch == u'·' || ch == u'*') {
        ++pos_;
      } else if (!(isLetter(ch) || isDigit(ch) || ch == u'(')) {
        return result;
      }
      auto next = factor();
      if (!next) return std::nullopt;
      result = *result * *next;
    }
  }

  std::optional<Polynomial> factor() {
    auto base = primary();
    if (!base) return std::nullopt;
    if (pos_ < text_.size() && text_[pos_] == u'^') {
      ++pos_;
      int exponent = 0;
      const std::size_t start = pos_;
      while (pos_ < text_.size() && isDigit(text_[pos_])) {
        exponent = exponent * 10 + (text_[pos_] - u'0');
        ++pos_;
      }
      if (pos_ == start || exponent > 40) return std::nullopt;
      Polynomial power;
      power.terms[{}] = 1;
      for (int i = 0; i < exponent; ++i) power = power * *base;
      return power;
    }
    return base;
  }

  std::optional<Polynomial> primary() {
    skipBlanks();
    if (pos_ >= text_.size()) return std::nullopt;
    const char16_t ch = text_[pos_];
    Polynomial p;
    if (isDigit(ch)) {
      long long value = 0;
      while (pos_ < text_.size() && isDigit(text_[pos_])) {
        value = value * 10 + (text_[pos_] - u'0');
        if (value > 1'000'000'000) return std::nullopt;
        ++pos_;
      }
      if (value != 0) p.terms[{}] = value;
      return p;
    }
    if (isLetter(ch)) {
      ++pos_;
      p.terms[Monomial{{ch, 1}}] = 1;
      return p;
    }
    if (ch == u'(') {
      ++pos_;
      auto inner = expression();
      skipBlanks();
      if (!inner || pos_ >= text_.size() || text_[pos_] != u')') return std::nullopt;
      ++pos_;
      return inner;
    }
    return std::nullopt;
  }

  TextView text_;
  std::size_t pos_ = 0;
};

Polynomial Cleaned(Polynomial p) {
  for (auto it = p.terms.begin(); it != p.terms.end();) {
    it = it->second == 0 ? p.terms.erase(it) : std::next(it);
  }
  return p;
}

// Coefficients of a polynomial in one letter, index = exponent.
std::vector<long long> Univariate(const Polynomial& p, char16_t x) {
  std::vector<long long> c(static_cast<std::size_t>(p.degree(x)) + 1, 0);
  for (const auto& [m, value] : p.terms) {
    const auto e = m.count(x) ? m.at(x) : 0;
    c[static_cast<std::size_t>(e)] += value;
  }
  return c;
}

Polynomial FromUnivariate(const std::vector<long long>& c, char16_t x) {
  Polynomial p;
  for (std::size_t e = 0; e < c.size(); ++e) {
    if (c[e] == 0) continue;
    Monomial m;
    if (e > 0) m[x] = static_cast<int>(e);
    p.terms[m] = c[e];
  }
  return p;
}

std::vector<long long> Divisors(long long n) {
  std::vector<long long> d;
  n = std::llabs(n);
  for (long long k = 1; k <= n; ++k) {
    if (n % k == 0) d.push_back(k);
  }
  return d;
}

// Is u/v a root of the polynomial with these coefficients?
bool IsRoot(const std::vector<long long>& c, long long u, long long v) {
  // Σ c_i u^i v^(d−i) = 0
  const std::size_t d = c.size() - 1;
  long long sum = 0;
  for (std::size_t i = 0; i <= d; ++i) {
    long long term = c[i];
    for (std::size_t k = 0; k < i; ++k) term *= u;
    for (std::size_t k = i; k < d; ++k) term *= v;
    sum += term;
  }
  return sum == 0;
}

// Divides by (v·x − u), which must divide exactly.
std::vector<long long> DivideLinear(const std::vector<long long>& c, long long u, long long v) {
  const std::size_t d = c.size() - 1;
  std::vector<long long> q(d, 0);
  std::vector<long long> rest = c;
  for (std::size_t i = d; i >= 1; --i) {
    const long long coefficient = rest[i] / v;
    q[i - 1] = coefficient;
    rest[i] -= coefficient * v;
    rest[i - 1] += coefficient * u;
  }
  return q;
}

}  // namespace

double ValueOf(TextView display, const LetterValues& values) {
  Text expression;
  for (char16_t ch : display) {
    if (ch == u'·') {
      expression += u'*';
    } else if (ch == u'–') {
      expression += u'-';
    } else if (isLetter(ch)) {
      const auto it = values.find(ch);
      if (it == values.end()) return std::numeric_limits<double>::quiet_NaN();
      expression += u'(';
      expression += NumberText(it->second);
      expression += u')';
    } else {
      expression += ch;
    }
  }
  const TFunktion function(expression, u'X');
  if (function.ErrorCode() != TFunktion::kNoError) return std::numeric_limits<double>::quiet_NaN();
  return function.Evaluate(0.0);
}

double FractionValueOf(TextView fraction, const LetterValues& values) {
  const auto slash = fraction.find(u'/');
  if (slash == TextView::npos) return ValueOf(fraction, values);
  if (fraction.find(u'/', slash + 1) != TextView::npos) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  return ValueOf(fraction.substr(0, slash), values) / ValueOf(fraction.substr(slash + 1), values);
}

std::vector<long long> NumbersInText(TextView text) {
  std::vector<long long> numbers;
  for (std::size_t i = 0; i < text.size();) {
    if (!isDigit(text[i])) {
      ++i;
      continue;
    }
    const bool exponent = i > 0 && text[i - 1] == u'^';
    long long n = 0;
    while (i < text.size() && isDigit(text[i])) n = n * 10 + (text[i++] - u'0');
    if (!exponent) numbers.push_back(n);
  }
  return numbers;
}

std::vector<Text> Summands(TextView text) {
  std::vector<Text> summands;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'(') ++depth;
    if (text[i] == u')') --depth;
    const bool separator = depth == 0 && i > 0 && i + 2 < text.size() && text[i] == u' ' &&
                           (text[i + 1] == u'+' || text[i + 1] == u'–') && text[i + 2] == u' ';
    if (separator) {
      summands.emplace_back(text.substr(start, i - start));
      start = i + 3;
      i += 2;
    }
  }
  summands.emplace_back(text.substr(start));
  return summands;
}

std::vector<Text> ProductPieces(TextView text) {
  std::vector<Text> pieces;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'(') ++depth;
    if (text[i] == u')') --depth;
    if (depth == 0 && text[i] == u'·') {
      pieces.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  pieces.emplace_back(text.substr(start));
  return pieces;
}

LetterValues SampleValues(TextView letters, int trial) {
  static constexpr double kValues[] = {1.3, -2.7, 0.9, 3.1,  -1.9, 2.3,  -0.7,
                                       4.1, -3.3, 1.7, -4.3, 2.9,  0.55, -1.15};
  constexpr int kCount = sizeof kValues / sizeof kValues[0];
  LetterValues values;
  int i = 0;
  for (char16_t letter : letters) {
    values[letter] = kValues[(trial * 5 + i * 3) % kCount];
    ++i;
  }
  return values;
}

bool Polynomial::isConstant() const {
  return terms.empty() || (terms.size() == 1 && terms.begin()->first.empty());
}

long long Polynomial::content() const {
  long long g = 0;
  for (const auto& [m, value] : terms) g = std::gcd(g, std::llabs(value));
  return g;
}

int Polynomial::minExponent(char16_t letter) const {
  int least = std::numeric_limits<int>::max();
  for (const auto& [m, value] : terms) {
    const auto it = m.find(letter);
    least = std::min(least, it == m.end() ? 0 : it->second);
  }
  return terms.empty() ? 0 : least;
}

int Polynomial::degree(char16_t letter) const {
  int most = 0;
  for (const auto& [m, value] : terms) {
    const auto it = m.find(letter);
    if (it != m.end()) most = std::max(most, it->second);
  }
  return most;
}

long long Polynomial::coefficient(const Monomial& m) const {
  const auto it = terms.find(m);
  return it == terms.end() ? 0 : it->second;
}

std::vector<char16_t> Polynomial::letters() const {
  std::vector<char16_t> result;
  for (const auto& [m, value] : terms) {
    for (const auto& [letter, e] : m) {
      if (std::find(result.begin(), result.end(), letter) == result.end()) result.push_back(letter);
    }
  }
  std::sort(result.begin(), result.end());
  return result;
}

Polynomial operator+(const Polynomial& a, const Polynomial& b) {
  Polynomial r = a;
  for (const auto& [m, value] : b.terms) r.terms[m] += value;
  return Cleaned(r);
}

Polynomial operator-(const Polynomial& a, const Polynomial& b) {
  Polynomial r = a;
  for (const auto& [m, value] : b.terms) r.terms[m] -= value;
  return Cleaned(r);
}

Polynomial operator*(const Polynomial& a, const Polynomial& b) {
  Polynomial r;
  for (const auto& [ma, va] : a.terms) {
    for (const auto& [mb, vb] : b.terms) {
      Monomial m = ma;
      for (const auto& [letter, e] : mb) m[letter] += e;
      r.terms[m] += va * vb;
    }
  }
  return Cleaned(r);
}

bool operator==(const Polynomial& a, const Polynomial& b) { return a.terms == b.terms; }
bool operator<(const Polynomial& a, const Polynomial& b) { return a.terms < b.terms; }

std::optional<Polynomial> ReadPolynomial(TextView text) { return Reader(text).all(); }

Polynomial DividedBy(const Polynomial& p, long long number) {
  Polynomial r;
  for (const auto& [m, value] : p.terms) r.terms[m] = value / number;
  return Cleaned(r);
}

Polynomial DividedBy(const Polynomial& p, const Monomial& divisor) {
  Polynomial r;
  for (const auto& [m, value] : p.terms) {
    Monomial q = m;
    for (const auto& [letter, e] : divisor) {
      q[letter] -= e;
      if (q[letter] == 0) q.erase(letter);
    }
    r.terms[q] = value;
  }
  return r;
}

Polynomial Normalised(const Polynomial& p) {
  if (p.isZero()) return p;
  Polynomial r = DividedBy(p, p.content());
  if (r.terms.rbegin()->second < 0) r = Polynomial{} - r;
  return r;
}

Factorisation Factorise(const Polynomial& p) {
  Factorisation f;
  if (p.isZero()) {
    f.complete = false;
    return f;
  }
  f.number = p.content();
  Polynomial rest = DividedBy(p, f.number);
  if (rest.terms.rbegin()->second < 0) {
    f.number = -f.number;
    rest = Polynomial{} - rest;
  }
  for (char16_t letter : rest.letters()) {
    const int e = rest.minExponent(letter);
    if (e > 0) f.monomial[letter] = e;
  }
  rest = DividedBy(rest, f.monomial);
  if (rest.isConstant()) return f;
  const auto letters = rest.letters();
  if (letters.size() == 1) {
    const char16_t x = letters.front();
    auto c = Univariate(rest, x);
    bool found = true;
    while (c.size() > 2 && found) {
      found = false;
      for (long long v : Divisors(c.back())) {
        for (long long u : Divisors(c.front())) {
          for (long long candidate : {u, -u}) {
            if (found || std::gcd(candidate, v) != 1 || !IsRoot(c, candidate, v)) continue;
            ++f.factors[Normalised(FromUnivariate({-candidate, v}, x))];
            c = DivideLinear(c, candidate, v);
            found = true;
          }
        }
      }
    }
    ++f.factors[Normalised(FromUnivariate(c, x))];
    return f;
  }
  bool linear = true;
  for (const auto& [m, value] : rest.terms) {
    int total = 0;
    for (const auto& [letter, e] : m) total += e;
    linear = linear && total == 1;
  }
  if (linear) {
    ++f.factors[Normalised(rest)];
  } else {
    f.complete = false;
  }
  return f;
}

}  // namespace kalkora::fractions::test
