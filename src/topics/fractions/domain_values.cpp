#include "topics/fractions/domain_values.h"

namespace kalkora::fractions {
namespace {

DomainValue ValueOf(TextView part) {
  DomainValue value;
  const bool minus = !part.empty() && part.front() == u'–';
  const TextView magnitude = minus ? part.substr(1) : part;
  const std::size_t bar = magnitude.find(u'/');
  if (bar == TextView::npos || bar == 0 || bar + 1 == magnitude.size()) {
    value.numerator = Text(part);
    return value;
  }
  value.minus = minus;
  value.numerator = Text(magnitude.substr(0, bar));
  value.denominator = Text(magnitude.substr(bar + 1));
  return value;
}

}  // namespace

std::vector<DomainValue> DomainValues(TextView text) {
  std::vector<DomainValue> values;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(u',', start);
    if (comma == TextView::npos) {
      values.push_back(ValueOf(text.substr(start)));
      return values;
    }
    values.push_back(ValueOf(text.substr(start, comma - start)));
    start = comma + 1;
  }
}

}  // namespace kalkora::fractions
