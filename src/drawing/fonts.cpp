#include "drawing/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace kalkora {

namespace {

const char* const kFontResources[] = {
    ":/fonts/LiberationSans-Regular.ttf",
    ":/fonts/LiberationSans-Bold.ttf",
    ":/fonts/DejaVuSans.ttf",
};

bool fontsTried = false;
bool fontsLoaded = false;

}  // namespace

void LoadProgramFonts() {
  if (fontsTried) return;
  fontsTried = true;
  fontsLoaded = true;
  for (const char* resource : kFontResources) {
    if (QFontDatabase::addApplicationFont(QString::fromLatin1(resource)) < 0) {
      qWarning("Kalkora: cannot load the font %s", resource);
      fontsLoaded = false;
    }
  }
  // Widgets that ask for "Arial" by name get the embedded font as well.
  QFont::insertSubstitution(QStringLiteral("Arial"), ArialFamily());
}

bool ProgramFontsLoaded() { return fontsLoaded; }

int PointsToPixels(int points) {
  // points · 96 / 72, halves rounded up, as the platform's MulDiv does.
  const long long scaled = static_cast<long long>(points) * 96;
  const long long pixels = (scaled + 36) / 72;
  return pixels < 1 ? 1 : pixels > 100000 ? 100000 : static_cast<int>(pixels);
}

int ExponentSize(int points) {
  return static_cast<int>(std::nearbyint(0.75 * static_cast<double>(points)));
}

QString ArialFamily() { return QStringLiteral("Liberation Sans"); }

QString SymbolFamily() { return QStringLiteral("DejaVu Sans"); }

QFont ArialPixelFont(int pixels, bool bold) {
  QFont font(ArialFamily());
  font.setPixelSize(pixels < 1 ? 1 : pixels);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferVerticalHinting);
  font.setKerning(false);
  return font;
}

QFont ArialFont(int points, bool bold) { return ArialPixelFont(PointsToPixels(points), bold); }

}  // namespace kalkora
