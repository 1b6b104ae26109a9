// How long the reference screens take: opening each concept page and formula sheet from the
// menu (activation, first paint of the whole window with its pictures, and whatever the opening
// posted), repainting the open window, and drawing a page alone into an image.
// Run from the release build: build/release/bench/reference/reference_windows_bench

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <chrono>

#include "app/application.h"
#include "app/main_window.h"
#include "app/window_set.h"
#include "frame/palette.h"
#include "reference/concept_pages.h"
#include "reference/concept_window.h"
#include "reference/domain_pictures.h"
#include "reference/formula_sheet_window.h"
#include "reference/formula_sheets.h"

namespace {

using namespace kalkora;

QAction* menuItem(const QString& name) {
  return Windows().frmKalkora->mainMenu()->findChild<QAction*>(name);
}

QString conceptItem(int topic) {
  return topic == 1 ? "menBegriffeT" : topic == 2 ? "menBegriffeP" : "menBegriffeB";
}
QString sheetItem(int topic) { return topic == 1 ? "menFormelnT" : "menFormelnP"; }

void open(benchmark::State& state, const QString& item, QWidget& window) {
  QAction* command = menuItem(item);
  QApplication::processEvents();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    command->trigger();
    window.repaint();
    QApplication::processEvents();
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    window.close();
    QApplication::processEvents();
  }
}

void repaint(benchmark::State& state, const QString& item, QWidget& window) {
  menuItem(item)->trigger();
  QApplication::processEvents();
  for (auto _ : state) window.repaint();
  window.close();
  QApplication::processEvents();
}

void BM_OpenConceptPage(benchmark::State& state) {
  open(state, conceptItem(static_cast<int>(state.range(0))), *Windows().frmBegriffe);
}
void BM_OpenFormulaSheet(benchmark::State& state) {
  open(state, sheetItem(static_cast<int>(state.range(0))), *Windows().frmFormeln);
}
void BM_RepaintConceptPage(benchmark::State& state) {
  repaint(state, conceptItem(static_cast<int>(state.range(0))), *Windows().frmBegriffe);
}
void BM_RepaintFormulaSheet(benchmark::State& state) {
  repaint(state, sheetItem(static_cast<int>(state.range(0))), *Windows().frmFormeln);
}

// The page and its domain pictures drawn alone into an image, as pnt and the pictures do.
void BM_DrawConceptPage(benchmark::State& state) {
  SetPalette();
  const int topic = static_cast<int>(state.range(0));
  QImage image(1000, 700, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter canvas(&image);
    DrawConceptPage(canvas, topic);
    if (PicturesOfTopic(topic).imgDef1) DrawDomainPicture(canvas, DomainPicture::Def1);
    if (PicturesOfTopic(topic).imgDef2) DrawDomainPicture(canvas, DomainPicture::Def2);
    canvas.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
void BM_DrawFormulaSheet(benchmark::State& state) {
  SetPalette();
  const int topic = static_cast<int>(state.range(0));
  QImage image(600, 540, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter canvas(&image);
    DrawFormulaSheet(canvas, topic);
    if (topic == 2) {
      for (const SheetPicture& picture : SheetPictures()) DrawSheetPicture(canvas, picture);
    }
    canvas.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

BENCHMARK(BM_OpenConceptPage)->DenseRange(1, 3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFormulaSheet)->DenseRange(1, 2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintConceptPage)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintFormulaSheet)->DenseRange(1, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawConceptPage)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawFormulaSheet)->DenseRange(1, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_FONT_DPI", "96");
  QApplication app(argc, argv);
  PrepareApplication(app);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Austria));
  StartKalkora();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  DestroyWindows();
  return 0;
}
