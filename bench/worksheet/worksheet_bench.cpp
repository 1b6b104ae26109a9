// Worksheets of 40 tasks with their key, for every kind and level: making the tasks with the
// generators, laying out the pages, and writing the PDF file as "Als PDF speichern …" and the
// command line do. The application object is the command line's: no window, the program's
// fonts loaded.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

#include "drawing/fonts.h"
#include "worksheet/sheet_layout.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheet_kinds.h"
#include "worksheet/worksheet_output.h"

namespace {

using namespace kalkora::worksheet;

void StartApplication() {
  static int argc = 1;
  static char name[] = "worksheet_bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* application = new QGuiApplication(argc, argv);
    kalkora::LoadProgramFonts();
    return application;
  }();
  (void)app;
}

// Every kind and level, by benchmark argument.
const std::vector<std::pair<const WorksheetKind*, int>>& KindsAndLevels() {
  static const std::vector<std::pair<const WorksheetKind*, int>> all = [] {
    std::vector<std::pair<const WorksheetKind*, int>> pairs;
    for (const WorksheetKind& kind : WorksheetKinds()) {
      for (int level = 1; level <= kind.levels; ++level) pairs.emplace_back(&kind, level);
    }
    return pairs;
  }();
  return all;
}

WorksheetRequest Request(benchmark::State& state) {
  const auto& [kind, level] = KindsAndLevels().at(static_cast<std::size_t>(state.range(0)));
  state.SetLabel(std::string(kind->id) + " Stufe " + std::to_string(level));
  WorksheetRequest request;
  request.kind = kind;
  request.level = level;
  request.count = kMostTasks;
  request.withKey = true;
  return request;
}

void MakeFortyTasks(benchmark::State& state) {
  WorksheetRequest request = Request(state);
  for (auto _ : state) {
    ++request.seed;
    benchmark::DoNotOptimize(MakeWorksheet(request));
  }
}

void LayOutFortyTasksAndKey(benchmark::State& state) {
  StartApplication();
  const Worksheet sheet = MakeWorksheet(Request(state));
  for (auto _ : state) benchmark::DoNotOptimize(LayOutWorksheet(sheet));
}

// What the teacher waits for: tasks made, laid out, painted and written to the file.
void WriteFortyTasksAndKeyAsPdf(benchmark::State& state) {
  StartApplication();
  WorksheetRequest request = Request(state);
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("blatt.pdf"));
  for (auto _ : state) {
    ++request.seed;
    if (!WriteWorksheetPdf(MakeWorksheet(request), path).isEmpty()) {
      state.SkipWithError("the PDF could not be written");
      break;
    }
  }
}

const auto kPairs = static_cast<int>(KindsAndLevels().size());

BENCHMARK(MakeFortyTasks)->DenseRange(0, kPairs - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(LayOutFortyTasksAndKey)->DenseRange(0, kPairs - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteFortyTasksAndKeyAsPdf)->DenseRange(0, kPairs - 1)->Unit(benchmark::kMillisecond);

}  // namespace
