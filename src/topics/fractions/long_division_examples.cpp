// The long division of the worked examples: the exercise's division in a fresh record.

#include "topics/fractions/example_writing.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/long_division_generators.h"

namespace kalkora::fractions {

void TermDivM2(int index) {
  FreshExample(index);
  MakeDivisionItem(2, index);
}

void TermDivM3(int index) {
  FreshExample(index);
  MakeDivisionItem(3, index);
}

}  // namespace kalkora::fractions
