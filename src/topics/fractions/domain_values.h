#pragma once
// The excluded values of a domain answer as the exercise window draws them: the values
// separated by ",", a value with "/" as a stacked fraction with its minus before the bar.
// Any text the learner's field lets through can be split ("/", "5/", "1,2,3", ",,").

#include <vector>

#include "base/text.h"

namespace kalkora::fractions {

struct DomainValue {
  bool minus = false;  // a fraction's leading "–", drawn before its bar
  Text numerator;      // the whole value when it is no fraction
  Text denominator;    // empty when it is no fraction

  bool isFraction() const { return !denominator.empty(); }
};

// The values between the commas of the text, in their order (an empty text has one empty
// value). A value is a fraction when text stands before and after its first "/" (after a
// leading "–"); "5/" and "/3" are drawn as they stand.
std::vector<DomainValue> DomainValues(TextView text);

}  // namespace kalkora::fractions
