#include "worksheet/worksheet.h"

#include <algorithm>

#include "base/random.h"

namespace kalkora::worksheet {
namespace {

// A task already on the sheet is drawn again, at most this many times; a kind with fewer
// different tasks than the sheet needs repeats one then.
constexpr int kDrawsPerTask = 50;

}  // namespace

std::uint32_t NewSeed() { return ClockSeed() % 1'000'000; }

Text TaskText(const Formula& task) {
  Text text;
  for (const FormulaPart& part : task) {
    if (part.solution) continue;
    text.append(part.text).append(u"|").append(part.denominator).append(u"|");
    text.append(part.exponent).append(u"\n");
  }
  return text;
}

Worksheet MakeWorksheet(const WorksheetRequest& request) {
  const WorksheetKind& kind = *request.kind;
  const int level = std::clamp(request.level, 1, kind.levels);
  const int count = std::clamp(request.count, kFewestTasks, kMostTasks);

  Worksheet sheet;
  sheet.title = request.title.empty() ? WorksheetCaption(kind, level) : request.title;
  sheet.instruction = kind.instruction(level);
  sheet.seed = request.seed;
  sheet.withKey = request.withKey;
  sheet.workingLines = kind.workingLines(level);

  const ScopedRandomSeed seed(request.seed);
  std::vector<Text> texts;
  while (static_cast<int>(sheet.tasks.size()) < count) {
    Formula task = kind.makeTask(level);
    for (int draw = 1; draw < kDrawsPerTask &&
                       std::find(texts.begin(), texts.end(), TaskText(task)) != texts.end();
         ++draw) {
      task = kind.makeTask(level);
    }
    texts.push_back(TaskText(task));
    sheet.tasks.push_back(std::move(task));
  }
  return sheet;
}

}  // namespace kalkora::worksheet
