#include "topics/fractions/fraction_example_texts.h"

#include "topics/fractions/fraction_examples.h"

namespace kalkora::fractions {

Text FractionExamplesCaption() { return u"Musterbeispiele: Bruchterme"; }

Text FractionExampleHeading(int topic, int level) {
  switch (topic) {
    case 1: return u"Definitionsmenge";
    case 2: return u"Kürzen von Bruchtermen";
    case 3: return u"kgV – kleinstes gemeinsames Vielfaches";
    case 4: return u"Addieren und Subtrahieren gleichnamiger Bruchterme";
    case 5: return u"Addieren und Subtrahieren ungleichnamiger Bruchterme";
    case 6: return u"Multiplizieren von Bruchtermen";
    case 7: return u"Dividieren von Bruchtermen";
    case 8:
      return level == 1   ? u"Dividieren durch eingliedrige Terme"
             : level == 2 ? u"Dividieren durch mehrgliedrige Terme ohne Rest"
                          : u"Dividieren durch mehrgliedrige Terme mit Rest";
    default: return {};
  }
}

Text FractionExampleInstruction(int topic, int level, int step) {
  switch (topic) {
    case 3:
      return level == 1 ? u"Zerlege jede Zahl in Faktoren.\n"
                          u"Verwende alle Daten der 1.Zahl und ergänze was fehlt."
                        : u"Zerlege jeden Term in Faktoren.\n"
                          u"Verwende alle Daten des 1.Terms und ergänze was fehlt.";
    case 4:
      return u"Zerlege, wenn nötig die Nenner in Faktoren. Ermittle die Definitionsmenge und "
             u"Addiere bzw. Subtrahiere die Terme. Kürze das Ergebnis, wenn möglich.";
    case 5:
      switch (step) {
        case 1:
          return u"Zerlege die Nenner in Faktoren (wenn nötig) und ermittle die "
                 u"Definitionsmenge.";
        case 2: return u"Bestimme den Hauptnenner (kgV) und die Erweiterungsfaktoren.";
        case 3: return u"Erweitere die ungleichnamigen Bruchterme entsprechend.";
        default:
          return u"Addiere bzw. Subtrahiere die Bruchterme und kürze das Ergebnis, wenn "
                 u"möglich.";
      }
    case 6:
      return level == 1 ? u"Ermittle die Definitionsmenge.\n"
                          u"Schau, ob du kürzen kannst bevor du die Brüche ausmultiplizierst!"
                        : u"Zerlege die Zähler und Nenner in Faktoren (wenn nötig) und ermittle "
                          u"die Definitionsmenge.\n"
                          u"Schau, ob du kürzen kannst bevor du die Brüche ausmultiplizierst!";
    case 7:
      return u"Zerlege die Zähler und Nenner in Faktoren (wenn nötig) und ermittle die "
             u"Definitionsmenge.\n"
             u"(Beachte auch den Zähler des 2.Bruchs). Schau, ob du kürzen kannst bevor du die "
             u"Brüche ausmultiplizierst!";
    case 8:
      return level == 1 ? u"Ordne die Terme nach fallenden Potenzen, wenn nicht geordnet und "
                          u"ermittle die Definitionsmenge.\n"
                          u"Verwende das Verteilungsgesetz oder hebe heraus!"
                        : u"Ordne die Terme nach fallenden Potenzen und ermittle die "
                          u"Definitionsmenge.\n"
                          u"Dividiere analog zum Dividieren ganzer Zahlen!";
    default: return {};  // topics 1 and 2
  }
}

Text FractionExampleNote(int topic) {
  if (topic != 2) return {};
  return u"$Zähler und Nenner werden in Faktoren zerlegt und die Definitionsmenge ermittelt.$";
}

std::vector<ExampleLabel> FractionExampleLabels(int topic, int count) {
  const bool division = topic == 8;
  if (count == 1) return {{u"~Beispiel~", division ? 28.0 : 32.0}};
  std::vector<ExampleLabel> labels;
  for (int i = 1; i <= count; ++i) {
    Text text = u"~Beispiel ";
    text += static_cast<char16_t>(u'0' + i);
    text += u'~';
    labels.push_back({text, (division ? 51.0 : 46.0) - 20.0 * i});
  }
  return labels;
}

ExamplePlan PrepareExamplesPlan(int topic, int level) {
  if (topic == 5) return ExamplePlan{1, true, false, false, 4};
  if (topic == 8 && level >= 2) return ExamplePlan{1, true, false, true, 0};
  return ExamplePlan{};
}

ExampleBuilder FractionExampleBuilder(int topic, int level) {
  static constexpr ExampleBuilder kBuilders[kFractionExampleTopics][3] = {
      {DefmengeM1, DefmengeM2, DefmengeM3},
      {KuerzenM1, KuerzenM2, KuerzenM3},
      {KgvM1, KgvM2, KgvM3},
      {AddSubGleichM1, AddSubGleichM2, AddSubGleichM3},
      {AddSubUngleichM1, AddSubUngleichM2, AddSubUngleichM3},
      {MultDivM1, MultDivM2, MultDivM3},
      {MultDivM1, MultDivM2, MultDivM3},
      {TermDivM1, TermDivM2, TermDivM3},
  };
  if (topic < 1 || topic > kFractionExampleTopics || level < 1 || level > 3) return nullptr;
  return kBuilders[topic - 1][level - 1];
}

}  // namespace kalkora::fractions
