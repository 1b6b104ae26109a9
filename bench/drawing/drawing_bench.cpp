// How long the drawing layer takes for what a window paints: a full exercise page into a
// 1000 × 600 image, and measuring a typical markup text.
// Run from the release build: build/release/bench/drawing/drawing_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "app/application.h"
#include "drawing/fraction_expression.h"
#include "drawing/fractions.h"
#include "drawing/markup.h"
#include "drawing/page.h"
#include "frame/palette.h"

namespace {

using namespace kalkora;

constexpr char16_t kMeasured[] = u"( #2·x# + §7·y§ )·( #2·x# – §7·y§ ) = 4x";  // 40 characters

// An exercise page as the exercise windows paint it: heading and instruction, five rows of
// task, answer prefix and answer, a solution line, and three stacked fractions.
void paintExercisePage(QPainter& canvas) {
  using palette::MarkupColours;
  SetPage(-50, 50, -30, 30, 1000, 600);
  canvas.fillRect(QRect(0, 0, 1000, 600), palette::palCream);
  DrawMarkupCentred(canvas, 0, 29, u"~Multipliziere die Binome!~", 18, true, MarkupColours);
  DrawMarkupCentred(canvas, 0, 25, u"$Gib das Ergebnis ohne Leerzeichen ein.$", 14, true,
                    MarkupColours);
  const char16_t* tasks[] = {u"( #3·a# + _4·b_ )·( #3·a# – _4·b_ ) =", u"( #x# + 5 )^2 =",
                             u"( 2·#y# – _7_ )^2 =", u"4·#x^2# – 49·§y^2§ =",
                             u"( #a^3# + b )·( #a^3# – b ) ="};
  const char16_t* answers[] = {u"9·a^2 – 16·b^2", u"x^2 + 10·x + 25", u"4·y^2 – 28·y + 49",
                               u"(2·x + 7·y)·(2·x – 7·y)", u"a^6 – b^2"};
  for (int i = 0; i < 5; ++i) {
    const double y = 20 - 7 * i;
    DrawMarkupLeft(canvas, -45, y, tasks[i], 18, true, MarkupColours);
    const double x = -45 + MarkupTextWidth(tasks[i], 18, true) / 10.0 + 1;
    DrawTwoColour(canvas, x, y, u"T(2) = ", 18, true, QColor(0, 0, 0), palette::palViolet);
    DrawMarkupLeft(canvas, x + 8, y, Text(u"~") + answers[i] + u"~", 18, true, MarkupColours);
    DrawAlternating(canvas, 30, y, Text(u"#") + answers[i] + u"#", 14, true, MarkupColours, false);
  }
  DrawMarkupCentred(canvas, 0, -24, u"#Richtig!# Die Lösung ist ~x^2 + 10·x + 25~.", 16, true,
                    MarkupColours);
  DrawMarkupRight(canvas, 48, -27, u"Punkte: 12 von 15", 14, true, MarkupColours);
  DrawFraction(canvas, -45, -15, u"3·#x^2#", u"4·y", 18, MarkupColours);
  DrawFraction(canvas, -30, -15, u"5·x + 1", u"2", 18, MarkupColours);
  DrawFractionOpFraction(canvas, -10, -15, u"a^2", u"b", u"·", u"b^3", u"a", 18, MarkupColours);
}

void BM_ExercisePage(benchmark::State& state) {
  SetPalette();
  QImage image(1000, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter canvas(&image);
    paintExercisePage(canvas);
    canvas.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  // KALKORA_BENCH_PAGE=page.png keeps the page to look at.
  if (const QString path = qEnvironmentVariable("KALKORA_BENCH_PAGE"); !path.isEmpty()) {
    image.save(path);
  }
}
BENCHMARK(BM_ExercisePage)->Unit(benchmark::kMillisecond);

void BM_MarkupWidth40(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MarkupWidth(kMeasured, 18, true));
}
BENCHMARK(BM_MarkupWidth40)->Unit(benchmark::kMicrosecond);

void BM_MarkupTextWidth40(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MarkupTextWidth(kMeasured, 18, true));
}
BENCHMARK(BM_MarkupTextWidth40)->Unit(benchmark::kMicrosecond);

void BM_FractionExpression(benchmark::State& state) {
  QImage image(600, 200, QImage::Format_RGB32);
  SetPage(-30, 30, -10, 10, 600, 200);
  for (auto _ : state) {
    QPainter canvas(&image);
    DrawFractionExpr(canvas, -28, 0, u"{18·x^2 + 18·x/27·x} = {2·x + 2/3}", 22, QColor(0, 0, 0));
    canvas.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_FractionExpression)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  PrepareApplication(app);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
