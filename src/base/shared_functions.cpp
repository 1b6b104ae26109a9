#include "base/shared_functions.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kalkora {

int Gcd(int a, int b) {
  if (b == 0) return 1;
  // 64 bits, so that |INT_MIN| and INT_MIN mod -1 stay defined.
  std::int64_t c = a < 0 ? -static_cast<std::int64_t>(a) : a;
  std::int64_t divisor = b;
  std::int64_t remainder = 0;
  do {
    remainder = c % divisor;
    c = divisor;
    divisor = remainder;
  } while (remainder != 0);
  if (c == 0) return 1;
  return static_cast<int>(c);
}

int Gcd3(int a, int b, int c) { return Gcd(Gcd(a, b), c); }

int Lcm(int a, int b) {
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  return static_cast<int>(product / Gcd(a, b));
}

int Lcm3(int a, int b, int c) { return Lcm(Lcm(a, b), c); }

namespace {
template <typename T>
void sortByExchange(std::vector<T>& v, int n) {
  const int last = std::min(n, static_cast<int>(v.size()) - 1);
  for (int i = 0; i < last; ++i) {
    for (int j = i + 1; j <= last; ++j) {
      if (v[j] < v[i]) std::swap(v[i], v[j]);
    }
  }
}
}  // namespace

void SortInts(std::vector<int>& v, int n) { sortByExchange(v, n); }
void SortReals(std::vector<double>& v, int n) { sortByExchange(v, n); }

int Min3(int a, int b, int c) { return std::min({a, b, c}); }
int Max3(int a, int b, int c) { return std::max({a, b, c}); }
int Max2(int a, int b) { return std::max(a, b); }

char16_t FlipSign(char16_t ch) {
  if (ch == u'+') return u'-';
  if (ch == u'-') return u'+';
  return 0;
}

Text DeleteLastChar(TextView s) {
  if (s.empty()) return Text{};
  return Text{s.substr(0, s.size() - 1)};
}

Text RemoveChar(TextView s, char16_t ch) {
  Text result;
  result.reserve(s.size());
  for (char16_t c : s) {
    if (c != ch) result.push_back(c);
  }
  return result;
}

Text RemoveSpaces(TextView s) { return RemoveChar(s, u' '); }

Text CollapseDoubleSpace(TextView s) {
  Text result{s};
  const auto pair = result.find(u"  ");
  if (pair != Text::npos) result.erase(pair, 1);
  return result;
}

Text ReplaceChar(TextView s, char16_t from, char16_t to) {
  Text result{s};
  std::replace(result.begin(), result.end(), from, to);
  return result;
}

Text NormaliseInput(TextView s) {
  Text result = RemoveSpaces(s);
  for (char16_t& c : result) {
    if (c == u'–') c = u'-';
    if (c == u'·') c = u'*';
  }
  return result;
}

Text IntText(int n) {
  const std::string digits = std::to_string(n);
  return Text(digits.begin(), digits.end());
}

std::optional<int> TextInt(TextView s) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
    negative = s[i] == u'-';
    ++i;
  }
  if (i == s.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < u'0' || s[i] > u'9') return std::nullopt;
    value = value * 10 + (s[i] - u'0');
    if (value > static_cast<std::int64_t>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

}  // namespace kalkora
