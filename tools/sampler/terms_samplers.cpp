// The generators of the term topics: substitution and like terms.

#include "json_line.h"
#include "samplers.h"
#include "topics/terms/like_term_generators.h"
#include "topics/terms/substitution_generators.h"
#include "topics/terms/term_record.h"

namespace kalkora::sampler {
namespace {

// Every field of a term item, in the order of the record.
std::string TermJson(const TTerm& item) {
  return JsonLine()
      .add("Term", item.Term)
      .add("Wert1Text", item.Wert1Text)
      .add("Wert2Text", item.Wert2Text)
      .add("TermNorm", item.TermNorm)
      .add("TermAnzeige", item.TermAnzeige)
      .add("Einsetzung", item.Einsetzung)
      .add("Ergebnis", item.Ergebnis)
      .add("LoesungMarkiert", item.LoesungMarkiert)
      .add("Loesung", item.Loesung)
      .add("Antwort", item.Antwort)
      .add("Var1", item.Var1)
      .add("Var2", item.Var2)
      .add("Wert1", item.Wert1)
      .add("Wert2", item.Wert2)
      .add("ErgebnisWert", item.ErgebnisWert)
      .add("Feldbreite", item.Feldbreite)
      .add("Praefixbreite", item.Praefixbreite)
      .add("K1", item.K1)
      .add("K2", item.K2)
      .add("K3", item.K3)
      .add("K4", item.K4)
      .add("K5", item.K5)
      .add("K6", item.K6)
      .add("Koef1Text", item.Koef1Text)
      .add("Koef2Text", item.Koef2Text)
      .add("KonstText", item.KonstText)
      .add("Aktiv", item.Aktiv)
      .add("Richtig", item.Richtig)
      .add("Gezeigt", item.Gezeigt)
      .str();
}

// A sampler of a generator that fills item i of `items`.
template <typename Items>
Sampler TermSampler(std::string name, void (*generator)(int), Items& items) {
  return Sampler{std::move(name), [generator, &items](int item) {
                   generator(item);
                   return TermJson(items[static_cast<std::size_t>(item)]);
                 }};
}

}  // namespace

void AddTermsSamplers(SamplerList& samplers) {
  using namespace terms_topic;
  samplers.push_back(TermSampler("EinsetzenStufe1", EinsetzenStufe1, EinsetzenTerme));
  samplers.push_back(TermSampler("EinsetzenStufe2", EinsetzenStufe2, EinsetzenTerme));
  samplers.push_back(TermSampler("EinsetzenStufe3", EinsetzenStufe3, EinsetzenTerme));
  samplers.push_back(TermSampler("AddSubStufe1", AddSubStufe1, AddSubTerme));
  samplers.push_back(TermSampler("AddSubStufe2", AddSubStufe2, AddSubTerme));
  samplers.push_back(TermSampler("AddSubStufe3", AddSubStufe3, AddSubTerme));
}

}  // namespace kalkora::sampler
