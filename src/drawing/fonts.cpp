#include "drawing/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QResource>
#include <QStringList>
#include <cmath>

namespace kalkora {

namespace {

// "Arial": registered at start, the widgets and the title need it.
const char* const kArialResources[] = {
    ":/fonts/LiberationSans-Regular.ttf",
    ":/fonts/LiberationSans-Bold.ttf",
};
// The Symbol glyphs: registered when a face of that family is first asked for. Registering a
// font makes fontconfig read every glyph's character, which for this large font is a noticeable
// part of the program's start, and the first window shows no Symbol glyph.
const char* const kSymbolResource = ":/fonts/DejaVuSans.ttf";

// The bytes of an embedded file as the program holds them, without a copy: the fonts are stored
// uncompressed and live as long as the program, so the font database may keep pointing at them.
// A compressed or missing file is read (and copied) the ordinary way.
QByteArray resourceBytes(const char* path) {
  const QString name = QString::fromLatin1(path);
  const QResource resource(name);
  if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                   static_cast<qsizetype>(resource.size()));
  }
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool addFont(const char* resource) {
  if (QFontDatabase::addApplicationFontFromData(resourceBytes(resource)) >= 0) return true;
  qWarning("Kalkora: cannot load the font %s", resource);
  return false;
}

bool arialTried = false;
bool arialLoaded = false;
bool symbolTried = false;
bool symbolLoaded = false;

void loadSymbolFont() {
  if (symbolTried) return;
  symbolTried = true;
  symbolLoaded = addFont(kSymbolResource);
}

}  // namespace

void LoadProgramFonts() {
  if (arialTried) return;
  arialTried = true;
  arialLoaded = true;
  for (const char* resource : kArialResources) arialLoaded = addFont(resource) && arialLoaded;
  // Widgets that ask for "Arial" by name get the embedded font as well.
  QFont::insertSubstitution(QStringLiteral("Arial"), ArialFamily());
}

bool ProgramFontsLoaded() {
  LoadProgramFonts();
  loadSymbolFont();
  return arialLoaded && symbolLoaded;
}

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

QString SymbolFamily() {
  // Every font of this family is made after the embedded font is registered.
  loadSymbolFont();
  return QStringLiteral("DejaVu Sans");
}

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
