#include "topics/polynomials/completion_example_generators.h"

#include <array>

#include "base/random.h"

namespace kalkora {

namespace {

// The templates are written in the notation of the filler (completion_formula.h): at Stufe 3
// ‹x› and ‹x^2› stand for the power of the letter and its square.

// One letter. The blank before the bracket of type 13 belongs to the text.
constexpr std::array<const char16_t*, 14> kStufe1{
    u"(a·x + #b#)^2 = P·x^2 + _M·x_ + Q",     // 1
    u"(a·x – #b#)^2 = P·x^2 – _M·x_ + Q",     // 2
    u"(#a# + b·x)^2 = P + _M·x_ + Q·x^2",     // 3
    u"(#a# – b·x)^2 = P – _M·x_ + Q·x^2",     // 4
    u"(#a·x# + b)^2 = P·x^2 + M·x + _Q_",     // 5
    u"(#a·x# – b)^2 = P·x^2 – M·x + _Q_",     // 6
    u"(a·x + #b#)^2 = _P·x^2_ + M·x + Q",     // 7
    u"(a·x – #b#)^2 = _P·x^2_ – M·x + Q",     // 8
    u"(#a·x# + _b_)^2 = P·x^2 + M·x + ~Q~",   // 9
    u"(#a·x# – _b_)^2 = P·x^2 – M·x + ~Q~",   // 10
    u"(#a·x# + _b_)^2 = ~P·x^2~ + M·x + Q",   // 11
    u"(#a·x# – _b_)^2 = ~P·x^2~ – M·x + Q",   // 12
    u"(#a·x# + b )^2 = P·x^2 + _M·x_ + ~Q~",  // 13
    u"(#a·x# – b)^2 = P·x^2 – _M·x_ + ~Q~",   // 14
};

// Two letters; types 1 … 17 also serve Stufe 3.
constexpr std::array<const char16_t*, 22> kStufe2{
    u"(a·x + #b·y#)^2 = P·x^2 + _M·x·y_ + Q·y^2",      // 1
    u"(a·x – #b·y#)^2 = P·x^2 – _M·x·y_ + Q·y^2",      // 2
    u"(#a·x# + b·y)^2 = P·x^2 + _M·x·y_ + Q·y^2",      // 3
    u"(#a·x# – b·y)^2 = P·x^2 – _M·x·y_ + Q·y^2",      // 4
    u"(#a·x# + b·y)^2 = P·x^2 + M·x·y + _Q·y^2_",      // 5
    u"(#a·x# – b·y)^2 = P·x^2 – M·x·y + _Q·y^2_",      // 6
    u"(a·x + #b·y#)^2 = _P·x^2_ + M·x·y + Q·y^2",      // 7
    u"(a·x – #b·y#)^2 = _P·x^2_ – M·x·y + Q·y^2",      // 8
    u"(#a·x# + _b·y_)^2 = P·x^2 + M·x·y + ~Q·y^2~",    // 9
    u"(#a·x# – _b·y_)^2 = P·x^2 – M·x·y + ~Q·y^2~",    // 10
    u"(#a·x# + _b·y_)^2 = ~P·x^2~ + M·x·y + Q·y^2",    // 11
    u"(#a·x# – _b·y_)^2 = ~P·x^2~ – M·x·y + Q·y^2",    // 12
    u"(#a·x# + b·y)^2 = P·x^2 + _M·x·y_ + ~Q·y^2~",    // 13
    u"(#a·x# – b·y)^2 = P·x^2 – _M·x·y_ + ~Q·y^2~",    // 14
    u"(a·x + b·y)·(#a·x – b·y#) = _P·x^2_ – Q·y^2",    // 15
    u"(#a·x – b·y#)·(a·x + b·y) = P·x^2 – _Q·y^2_",    // 16
    u"(a·x – #b·y#)·(_a·x_ + b·y) = P·x^2 – ~Q·y^2~",  // 17
    u"(#a·x# + b·y)·(a·x – _b·y_) = ~P·x^2~ – Q·y^2",  // 18
    u"(a·x + #b·y#)·(_a·x_ – b·y) = ~P·x^2 – Q·y^2~",  // 19
    u"(#a·x# + b·y)·(a·x – _b·y_) = ~P·x^2 – Q·y^2~",  // 20
    u"(a·x + #b·y#)·(_a·x – b·y_) = ~P·x^2~ – Q·y^2",  // 21
    u"(#a·x# + b·y)·(_a·x – b·y_) = P·x^2 – ~Q·y^2~",  // 22
};

// The products of Stufe 3 after the seventeen types it shares with Stufe 2. The blank after
// the first bracket of type 20 belongs to the text.
constexpr std::size_t kSharedWithStufe2 = 17;
constexpr std::array<const char16_t*, 5> kStufe3Products{
    u"(#a·x# + b·y)·(a·x – _b·y_) = ~P·x^2 – Q·y^2~",   // 18
    u"(#a·x# + b·y)·(_a·x_ – b·y) = ~P·x^2 – Q·y^2~",   // 19
    u"( #a·x# + b·y)·(a·x – _b·y_) = ~P·x^2 – Q·y^2~",  // 20
    u"(a·x + #b·y#)·(_a·x – b·y_) = ~P·x^2~ – Q·y^2",   // 21
    u"(#a·x# + b·y)·(_a·x – b·y_) = P·x^2 – ~Q·y^2~",   // 22
};

const char16_t* Formula(int level, int variante) {
  const auto index = static_cast<std::size_t>(variante - 1);
  switch (level) {
    case 2: return kStufe2.at(index);
    case 3:
      return index < kSharedWithStufe2 ? kStufe2.at(index)
                                       : kStufe3Products.at(index - kSharedWithStufe2);
    default: return kStufe1.at(index);
  }
}

void MakeItem(int i, int level) {
  TPolynom& item = polynomials::Polynom[static_cast<std::size_t>(i)];
  const int variante = 1 + Random(ErgaenzenExampleTypes(level));
  WriteErgaenzenM(item, level, variante, DrawCompletionValues(level));
}

}  // namespace

int ErgaenzenExampleTypes(int level) {
  switch (level) {
    case 2: return static_cast<int>(kStufe2.size());
    case 3: return static_cast<int>(kSharedWithStufe2 + kStufe3Products.size());
    default: return static_cast<int>(kStufe1.size());
  }
}

void WriteErgaenzenM(TPolynom& item, int level, int variante, const CompletionValues& values) {
  const TextView formula = Formula(level, variante);
  item.Variante = variante;
  item.Var1 = values.x;
  const bool twoLetters = level == 2 || level == 3;
  item.Var2 = twoLetters ? values.y : char16_t{0};
  item.Var3 = 0;
  item.Var4 = 0;
  item.AufgabeMarkup = FillCompletionFormula(formula, values, GapContent::QuestionMark);
  item.LoesungMarkup = FillCompletionFormula(formula, values, GapContent::Filled);
  // Nothing of an earlier item of another kind may stay behind in the plain texts.
  item.Aufgabe.clear();
  item.Loesung.clear();
  item.Antwort.clear();
}

void ErgaenzenM1(int i) { MakeItem(i, 1); }
void ErgaenzenM2(int i) { MakeItem(i, 2); }
void ErgaenzenM3(int i) { MakeItem(i, 3); }

}  // namespace kalkora
