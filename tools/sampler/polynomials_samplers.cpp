// The generators of the polynomial topic: products, binomial formulas, factoring out, the
// formulas with gaps of the completion exercise and of its worked examples.

#include <string>

#include "json_line.h"
#include "samplers.h"
#include "topics/polynomials/completion_example_generators.h"
#include "topics/polynomials/completion_generators.h"
#include "topics/polynomials/completion_record.h"
#include "topics/polynomials/polynomial_generators.h"
#include "topics/polynomials/polynomial_record.h"
#include "topics/polynomials/polynomial_writing.h"

namespace kalkora::sampler {
namespace {

// Every field of a polynomial item, in the order of the record, and the longest redraw loop
// the item needed.
std::string PolynomJson(const TPolynom& item) {
  return JsonLine()
      .add("AufgabeMarkup", item.AufgabeMarkup)
      .add("LoesungMarkup", item.LoesungMarkup)
      .add("Aufgabe", item.Aufgabe)
      .add("Loesung", item.Loesung)
      .add("Antwort", item.Antwort)
      .add("Aktiv", item.Aktiv)
      .add("Richtig", item.Richtig)
      .add("Gezeigt", item.Gezeigt)
      .add("Variante", item.Variante)
      .add("Feldbreite", item.Feldbreite)
      .add("Praefixbreite", item.Praefixbreite)
      .add("Var1", item.Var1)
      .add("Var2", item.Var2)
      .add("Var3", item.Var3)
      .add("Var4", item.Var4)
      .add("LongestRedraw", polynomials::LongestRedraw)
      .str();
}

Sampler PolynomSampler(std::string name, void (*generator)(int)) {
  return Sampler{std::move(name), [generator](int item) {
                   polynomials::LongestRedraw = 0;
                   generator(item);
                   return PolynomJson(polynomials::Polynom[static_cast<std::size_t>(item)]);
                 }};
}

// Every field of a completion item, in the order of the record, and the longest redraw loop.
std::string ErgaenzenJson(const TErgaenzen& item) {
  return JsonLine()
      .add("Volltext", item.Volltext)
      .addRaw("Teile", Indexed(item.Teile))
      .addRaw("Luecken", Indexed(item.Luecken))
      .add("Aktiv", item.Aktiv)
      .add("Richtig", item.Richtig)
      .add("Gezeigt", item.Gezeigt)
      .add("AnzLuecken", item.AnzLuecken)
      .add("Variante", item.Variante)
      .addRaw("Feldbreiten", Indexed(item.Feldbreiten))
      .add("Var1", item.Var1)
      .add("Var2", item.Var2)
      .add("LongestRedraw", polynomials::LongestRedraw)
      .str();
}

Sampler ErgaenzenSampler(std::string name, void (*generator)(int)) {
  return Sampler{std::move(name), [generator](int item) {
                   polynomials::LongestRedraw = 0;
                   generator(item);
                   return ErgaenzenJson(polynomials::Ergaenzen[static_cast<std::size_t>(item)]);
                 }};
}

}  // namespace

void AddPolynomialsSamplers(SamplerList& samplers) {
  samplers.push_back(PolynomSampler("PolynomMonom1", PolynomMonom1));
  samplers.push_back(PolynomSampler("PolynomMonom2", PolynomMonom2));
  samplers.push_back(PolynomSampler("PolynomMonom3", PolynomMonom3));
  samplers.push_back(PolynomSampler("PolynomPolynom1", PolynomPolynom1));
  samplers.push_back(PolynomSampler("PolynomPolynom2", PolynomPolynom2));
  samplers.push_back(PolynomSampler("PolynomPolynom3", PolynomPolynom3));
  samplers.push_back(PolynomSampler("Binome1", Binome1));
  samplers.push_back(PolynomSampler("Binome2", Binome2));
  samplers.push_back(PolynomSampler("Binome3", Binome3));
  samplers.push_back(PolynomSampler("Herausheben1", Herausheben1));
  samplers.push_back(PolynomSampler("Herausheben2", Herausheben2));
  samplers.push_back(PolynomSampler("Herausheben3", Herausheben3));
  samplers.push_back(ErgaenzenSampler("ErgaenzenU1", ErgaenzenU1));
  samplers.push_back(ErgaenzenSampler("ErgaenzenU2", ErgaenzenU2));
  samplers.push_back(ErgaenzenSampler("ErgaenzenU3", ErgaenzenU3));
  samplers.push_back(PolynomSampler("ErgaenzenM1", ErgaenzenM1));
  samplers.push_back(PolynomSampler("ErgaenzenM2", ErgaenzenM2));
  samplers.push_back(PolynomSampler("ErgaenzenM3", ErgaenzenM3));
}

}  // namespace kalkora::sampler
