// The fraction generators: every field of the TBruchM record.

#include <string>

#include "json_line.h"
#include "samplers.h"
#include "topics/fractions/cancelling_generator.h"
#include "topics/fractions/domain_generator.h"
#include "topics/fractions/fraction_examples.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/lcm_generator.h"
#include "topics/fractions/like_denominators_generator.h"
#include "topics/fractions/long_division_generators.h"
#include "topics/fractions/multiply_divide_generators.h"
#include "topics/fractions/number_comparison.h"
#include "topics/fractions/term_division_generator.h"
#include "topics/fractions/unlike_denominators_generators.h"

namespace kalkora::sampler {
namespace {

std::string UngleichJson(const TUngleich& u) {
  return JsonLine()
      .addRaw("Nenner", Indexed(u.Nenner))
      .addRaw("Zerlegung", Indexed(u.Zerlegung))
      .addRaw("Zaehler", Indexed(u.Zaehler))
      .addRaw("NeuZaehler", Indexed(u.NeuZaehler))
      .addRaw("ErwZaehler", Indexed(u.ErwZaehler))
      .addRaw("NennerText", Indexed(u.NennerText))
      .addRaw("Faktor", Indexed(u.Faktor))
      .addRaw("Zahl", Indexed(u.Zahl))
      .add("Zeichen1", u.Zeichen1)
      .add("Zeichen2", u.Zeichen2)
      .add("HNZeile", u.HNZeile)
      .add("HN", u.HN)
      .add("Ergebnis", u.Ergebnis)
      .add("GekZaehler", u.GekZaehler)
      .add("GekNenner", u.GekNenner)
      .addRaw("Weitere", Indexed(u.Weitere))
      .str();
}

std::string TermDivJson(const TTermDiv& t) {
  JsonLine lines;
  for (std::size_t j = 1; j <= t.Zeilen.size(); ++j) {
    lines.addRaw(std::to_string(j), Indexed(t.Zeilen[j]));
  }
  return JsonLine()
      .addRaw("Koeff", Indexed(t.Koeff))
      .addRaw("Dividend", Indexed(t.Dividend))
      .addRaw("Divisor", Indexed(t.Divisor))
      .addRaw("Quotient", Indexed(t.Quotient))
      .addRaw("Zeilen", lines.str())
      .add("AnzQuotient", t.AnzQuotient)
      .add("AnzDivisor", t.AnzDivisor)
      .add("RestArt", t.RestArt)
      .add("Rest", t.Rest)
      .str();
}

std::string FractionRecordJson(int item) {
  const TBruchM& record = fractions::Bruch[static_cast<std::size_t>(item)];
  JsonLine line;
  for (std::size_t slot = 0; slot <= TextSlots::kLast; ++slot) {
    line.add("Text" + std::to_string(slot), record.Text[slot]);
  }
  line.add("Antwort", record.Antwort)
      .add("Loesung", record.Loesung)
      .add("Aktiv", record.Aktiv)
      .add("Richtig", record.Richtig)
      .add("Gezeigt", record.Gezeigt)
      .add("Schalter", record.Schalter)
      .addRaw("Kenn", Indexed(record.Kenn))
      .addRaw("SchrittRichtig", Indexed(record.SchrittRichtig))
      .addRaw("SchrittGezeigt", Indexed(record.SchrittGezeigt))
      .add("Variante", record.Variante)
      .add("Anzahl", record.Anzahl)
      .addRaw("Werte", Indexed(record.Werte))
      .add("Feldbreite", record.Feldbreite)
      .add("Links", static_cast<double>(record.Links))
      .add("Rechts", static_cast<double>(record.Rechts))
      .add("Zehntel", static_cast<double>(record.Zehntel))
      .add("Bruchbreite", static_cast<double>(record.Bruchbreite))
      .add("Var1", record.Var1)
      .add("Var2", record.Var2)
      .add("Var3", record.Var3)
      .add("Var4", record.Var4)
      .add("Op1", record.Op1)
      .add("Op2", record.Op2)
      .addRaw("Daten", Indexed(record.Daten))
      .addRaw("Ungleich", UngleichJson(record.Ungleich))
      .addRaw("TermDiv", TermDivJson(record.TermDiv));
  return line.str();
}

std::string ComparisonJson(const fractions::NumberComparison& c) {
  return JsonLine()
      .add("level", c.level)
      .add("h", c.h)
      .add("t", c.t)
      .add("u", c.u)
      .add("d", c.d)
      .add("letter", c.letter)
      .add("a", c.a)
      .add("b", c.b)
      .add("c", c.c)
      .add("e", c.e)
      .add("s1", c.s1)
      .add("s2", c.s2)
      .add("rest", c.rest)
      .add("dividend", c.dividend())
      .add("q1", c.q1())
      .add("q2", c.q2())
      .add("remainder", c.remainder())
      .str();
}

void Add(SamplerList& samplers, const char* name, void (*generator)(int)) {
  samplers.push_back(Sampler{name, [generator](int item) {
                               generator(item);
                               return FractionRecordJson(item);
                             }});
}

}  // namespace

void AddFractionsSamplers(SamplerList& samplers) {
  using namespace fractions;
  Add(samplers, "DefmengeU", DefmengeU);
  Add(samplers, "KuerzenU", KuerzenU);
  Add(samplers, "KgvU", KgvU);
  Add(samplers, "AddSubGleichU", AddSubGleichU);
  Add(samplers, "MultDivU1", MultDivU1);
  Add(samplers, "MultDivU2", MultDivU2);
  Add(samplers, "MultDivU3", MultDivU3);
  Add(samplers, "TermDivU1", TermDivU1);
  // The long division as its exercise makes it: Variante drawn, then the builder of the level.
  Add(samplers, "TermDivU2", [](int item) { MakeDivisionItem(2, item); });
  Add(samplers, "TermDivU3", [](int item) { MakeDivisionItem(3, item); });
  Add(samplers, "AddSubUngleichU1", AddSubUngleichU1);
  Add(samplers, "AddSubUngleichU2", AddSubUngleichU2);
  Add(samplers, "AddSubUngleichU3", AddSubUngleichU3);
  // The worked examples (items 1 … 3 of frmBruchM).
  Add(samplers, "DefmengeM1", DefmengeM1);
  Add(samplers, "DefmengeM2", DefmengeM2);
  Add(samplers, "DefmengeM3", DefmengeM3);
  Add(samplers, "KuerzenM1", KuerzenM1);
  Add(samplers, "KuerzenM2", KuerzenM2);
  Add(samplers, "KuerzenM3", KuerzenM3);
  Add(samplers, "KgvM1", KgvM1);
  Add(samplers, "KgvM2", KgvM2);
  Add(samplers, "KgvM3", KgvM3);
  Add(samplers, "AddSubGleichM1", AddSubGleichM1);
  Add(samplers, "AddSubGleichM2", AddSubGleichM2);
  Add(samplers, "AddSubGleichM3", AddSubGleichM3);
  Add(samplers, "MultDivM1", MultDivM1);
  Add(samplers, "MultDivM2", MultDivM2);
  Add(samplers, "MultDivM3", MultDivM3);
  Add(samplers, "TermDivM1", TermDivM1);
  Add(samplers, "AddSubUngleichM1", AddSubUngleichM1);
  Add(samplers, "AddSubUngleichM2", AddSubUngleichM2);
  Add(samplers, "AddSubUngleichM3", AddSubUngleichM3);
  Add(samplers, "TermDivM2", TermDivM2);
  Add(samplers, "TermDivM3", TermDivM3);
  // The number comparison of the long division ("Schrittweise Erklärung"), with the letter x.
  for (const int level : {2, 3}) {
    samplers.push_back(Sampler{"MakeComparison" + std::to_string(level), [level](int) {
                                 return ComparisonJson(MakeComparison(level, u'x'));
                               }});
  }
}

}  // namespace kalkora::sampler
