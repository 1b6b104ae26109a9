// The power generators: every field of the TPotenz record they fill.

#include <string>

#include "json_line.h"
#include "samplers.h"
#include "topics/powers/power_generators.h"
#include "topics/powers/power_record.h"

namespace kalkora::sampler {
namespace {

std::string PowerRecordJson(int item) {
  const TPotenz& record = powers::Potenzen[static_cast<std::size_t>(item)];
  JsonLine line;
  for (std::size_t slot = 0; slot < record.Text.size(); ++slot) {
    line.add("Text" + std::to_string(slot), record.Text[slot]);
  }
  std::string letters[5];
  for (std::size_t i = 1; i <= record.Buchst.size(); ++i) {
    letters[i - 1] = JsonString(Text(1, record.Buchst[i]));
  }
  line.addRaw("Buchst", JsonArray(letters, 5))
      .add("Zahl1", record.Zahl1)
      .add("Zahl2", record.Zahl2)
      .add("Stufe", record.Stufe)
      .add("Feldbreite", record.Feldbreite)
      .add("Antwortart", record.Antwortart)
      .add("Variante", record.Variante);
  return line.str();
}

void Add(SamplerList& samplers, const char* name, powers::PowerGenerator generator) {
  samplers.push_back(Sampler{name, [generator](int item) {
                               generator(item);
                               return PowerRecordJson(item);
                             }});
}

}  // namespace

void AddPowersSamplers(SamplerList& samplers) {
  using namespace powers;
  Add(samplers, "GenMultiply1", GenMultiply1);
  Add(samplers, "GenMultiply2", GenMultiply2);
  Add(samplers, "GenMultiply3", GenMultiply3);
  Add(samplers, "GenAddSub1", GenAddSub1);
  Add(samplers, "GenAddSub2", GenAddSub2);
  Add(samplers, "GenAddSub3", GenAddSub3);
  Add(samplers, "GenDivideM1", GenDivideM1);
  Add(samplers, "GenDivideM2", GenDivideM2);
  Add(samplers, "GenDivideM3", GenDivideM3);
  Add(samplers, "GenDivideU1", GenDivideU1);
  Add(samplers, "GenDivideU2", GenDivideU2);
  Add(samplers, "GenDivideU3", GenDivideU3);
  Add(samplers, "GenRaiseM1", GenRaiseM1);
  Add(samplers, "GenRaiseM2", GenRaiseM2);
  Add(samplers, "GenRaiseM3", GenRaiseM3);
  Add(samplers, "GenRaiseU1", GenRaiseU1);
  Add(samplers, "GenRaiseU2", GenRaiseU2);
  Add(samplers, "GenRaiseU3", GenRaiseU3);
}

}  // namespace kalkora::sampler
