#include "topics/polynomials/completion_generators.h"

#include <array>

#include "base/random.h"
#include "base/selection.h"

namespace kalkora {

namespace {

// One letter. In types 5, 6 and 9 to 14 the blanks inside the brackets belong to the text.
constexpr std::array<const char16_t*, 14> kStufe1{
    u"(a·x + #b#)^2 = P·x^2 + #M·x# + Q",     // 1
    u"(a·x – #b#)^2 = P·x^2 – #M·x# + Q",     // 2
    u"(#a# + b·x)^2 = P + #M·x# + Q·x^2",     // 3
    u"(#a# – b·x)^2 = P – #M·x# + Q·x^2",     // 4
    u"( #a·x# + b )^2 = P·x^2 + M·x + #Q#",   // 5
    u"( #a·x# – b )^2 = P·x^2 – M·x + #Q#",   // 6
    u"(a·x + #b#)^2 = #P·x^2# + M·x + Q",     // 7
    u"(a·x – #b#)^2 = #P·x^2# – M·x + Q",     // 8
    u"(#a·x# + #b# )^2 = P·x^2 + M·x + #Q#",  // 9
    u"(#a·x# – #b# )^2 = P·x^2 – M·x + #Q#",  // 10
    u"(#a·x# + #b# )^2 = #P·x^2# + M·x + Q",  // 11
    u"(#a·x# – #b# )^2 = #P·x^2# – M·x + Q",  // 12
    u"(#a·x# + b )^2 = P·x^2 + #M·x# + #Q#",  // 13
    u"(#a·x# – b )^2 = P·x^2 – #M·x# + #Q#",  // 14
};

// Two letters; at Stufe 3 the same formulas with x^m and y^n for x and y.
constexpr std::array<const char16_t*, 20> kStufe2{
    u"(a·x + #b·y#)^2 = P·x^2 + #M·x·y# + Q·y^2",      // 1
    u"(a·x – #b·y#)^2 = P·x^2 – #M·x·y# + Q·y^2",      // 2
    u"(#a·x# + b·y)^2 = P·x^2 + #M·x·y# + Q·y^2",      // 3
    u"(#a·x# – b·y)^2 = P·x^2 – #M·x·y# + Q·y^2",      // 4
    u"(#a·x# + b·y)^2 = P·x^2 + M·x·y + #Q·y^2#",      // 5
    u"(#a·x# – b·y)^2 = P·x^2 – M·x·y + #Q·y^2#",      // 6
    u"(a·x + #b·y#)^2 = #P·x^2# + M·x·y + Q·y^2",      // 7
    u"(a·x – #b·y#)^2 = #P·x^2# – M·x·y + Q·y^2",      // 8
    u"(#a·x# + #b·y#)^2 = P·x^2 + M·x·y + #Q·y^2#",    // 9
    u"(#a·x# – #b·y#)^2 = P·x^2 – M·x·y + #Q·y^2#",    // 10
    u"(#a·x# + #b·y#)^2 = #P·x^2# + M·x·y + Q·y^2",    // 11
    u"(#a·x# – #b·y#)^2 = #P·x^2# – M·x·y + Q·y^2",    // 12
    u"(#a·x# + b·y)^2 = P·x^2 + #M·x·y# + #Q·y^2#",    // 13
    u"(#a·x# – b·y)^2 = P·x^2 – #M·x·y# + #Q·y^2#",    // 14
    u"(a·x + b·y)·(#a·x – b·y#) = #P·x^2# – Q·y^2",    // 15
    u"(#a·x – b·y#)·(a·x + b·y) = P·x^2 – #Q·y^2#",    // 16
    u"(a·x – #b·y#)·(#a·x# + b·y) = P·x^2 – #Q·y^2#",  // 17
    u"(#a·x# + b·y)·(a·x – #b·y#) = #P·x^2 – Q·y^2#",  // 18
    u"(a·x + #b·y#)·(#a·x – b·y#) = #P·x^2# – Q·y^2",  // 19
    u"(#a·x# + b·y)·(#a·x – b·y#) = P·x^2 – #Q·y^2#",  // 20
};

// The Stufe-2 formula of each Stufe-3 type: the two products with two gaps come after the
// squares with two gaps, so that types 1 … 10 have two gaps and 11 … 20 three.
constexpr std::array<int, 20> kStufe3AsStufe2{1, 2,  3,  4,  5,  6,  7,  8,  15, 16,
                                              9, 10, 11, 12, 13, 14, 17, 18, 19, 20};

const char16_t* Formula(int level, int variante) {
  const auto index = static_cast<std::size_t>(variante - 1);
  switch (level) {
    case 2: return kStufe2.at(index);
    case 3: return kStufe2.at(static_cast<std::size_t>(kStufe3AsStufe2.at(index) - 1));
    default: return kStufe1.at(index);
  }
}

void MakeItem(int i, int level) {
  TErgaenzen& item = polynomials::Ergaenzen[static_cast<std::size_t>(i)];
  const int variante = 1 + Random(ErgaenzenTypes(level));
  WriteErgaenzen(item, level, variante, DrawCompletionValues(level));
}

}  // namespace

int ErgaenzenTypes(int level) {
  switch (level) {
    case 2: return static_cast<int>(kStufe2.size());
    case 3: return static_cast<int>(kStufe3AsStufe2.size());
    default: return static_cast<int>(kStufe1.size());
  }
}

void WriteErgaenzen(TErgaenzen& item, int level, int variante, const CompletionValues& values) {
  item.Variante = variante;
  item.Var1 = values.x;
  const bool twoLetters = level == 2 || level == 3;
  item.Var2 = twoLetters ? values.y : char16_t{0};
  SetVolltext(item, FillCompletionFormula(Formula(level, variante), values));
}

void ErgaenzenU1(int i) { MakeItem(i, 1); }
void ErgaenzenU2(int i) { MakeItem(i, 2); }
void ErgaenzenU3(int i) { MakeItem(i, 3); }

void PrepareErgaenzen() {
  void (*const entryPoint)(int) = selection::selLevel == 1   ? ErgaenzenU1
                                  : selection::selLevel == 2 ? ErgaenzenU2
                                  : selection::selLevel == 3 ? ErgaenzenU3
                                                             : nullptr;
  for (std::size_t i = 1; i <= polynomials::Ergaenzen.size(); ++i) {
    TErgaenzen& item = polynomials::Ergaenzen[i];
    if (entryPoint != nullptr) entryPoint(static_cast<int>(i));
    item.Aktiv = entryPoint != nullptr;
    item.Richtig = false;
    item.Gezeigt = false;
  }
}

}  // namespace kalkora
