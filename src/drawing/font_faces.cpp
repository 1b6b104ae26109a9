#include "drawing/font_faces.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>
#include <vector>

#include "drawing/fonts.h"

namespace kalkora {

namespace {

constexpr int kMaxPoints = 500;

QFont pixelFont(const QString& family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferVerticalHinting);
  font.setKerning(false);
  // Every glyph comes from this font or from the fallback chosen here, never from a font the
  // machine happens to have.
  font.setStyleStrategy(QFont::NoFontMerging);
  return font;
}

quint32 glyphIndex(const QRawFont& raw, char16_t c) {
  const QChar ch(c);
  quint32 index = 0;
  int count = 1;
  if (!raw.isValid() || !raw.glyphIndexesForChars(&ch, 1, &index, &count)) return 0;
  return count == 1 ? index : 0;
}

// Faces live until the application object goes; they hold font engines of that application.
struct FaceCache {
  std::vector<std::unique_ptr<FontFace>> faces =
      std::vector<std::unique_ptr<FontFace>>(2 * 2 * (kMaxPoints + 1));
};

FaceCache* faceCache = nullptr;

void dropFaces() {
  delete faceCache;
  faceCache = nullptr;
}

}  // namespace

char16_t SymbolCharacter(char16_t c) {
  switch (c) {
    case u'¹': return u'≠';
    case u'Î': return u'∈';
    case u'Þ': return u'⇒';
    default: return c;
  }
}

int SymbolEscapeWidth(char16_t c) {
  switch (c) {
    case u'¹': return 549;
    case u'Î': return 713;
    case u'Þ': return 987;
    default: return 0;
  }
}

FontFace::FontFace(FaceKind kind, int points, bool bold) : kind_(kind), points_(points) {
  LoadProgramFonts();
  const int pixels = PointsToPixels(points);
  if (kind == FaceKind::Arial) {
    font_ = pixelFont(ArialFamily(), pixels, bold);
  } else {
    // The Symbol glyphs have one weight: the embedded font is regular only.
    font_ = pixelFont(SymbolFamily(), pixels, false);
  }
  raw_ = QRawFont::fromFont(font_);
  const QFontMetrics metrics(font_);
  ascent_ = metrics.ascent();
  height_ = metrics.height();
}

const FontFace::Fallback& FontFace::fallback() const {
  if (!fallback_) {
    fallback_ = std::make_unique<Fallback>();
    fallback_->font = pixelFont(SymbolFamily(), font_.pixelSize(), false);
    fallback_->raw = QRawFont::fromFont(fallback_->font);
  }
  return *fallback_;
}

Glyph FontFace::lookUp(char16_t c) const {
  const char16_t drawn = kind_ == FaceKind::Symbol ? SymbolCharacter(c) : c;
  Glyph result;
  result.index = glyphIndex(raw_, drawn);
  if (result.index != 0 || kind_ == FaceKind::Symbol) {
    result.advance = QFontMetrics(font_).horizontalAdvance(QChar(drawn));
    if (const int width = kind_ == FaceKind::Symbol ? SymbolEscapeWidth(c) : 0; width != 0) {
      // The layouts leave room for the Symbol font's glyph: the glyph is centred in that
      // width.
      const int symbolAdvance = (width * font_.pixelSize() + 500) / 1000;
      result.offset = (symbolAdvance - result.advance) / 2;
      result.advance = symbolAdvance;
    }
    return result;
  }
  const quint32 fallbackIndex = glyphIndex(fallback().raw, drawn);
  if (fallbackIndex != 0) {
    result.index = fallbackIndex;
    result.fromFallback = true;
    result.advance = QFontMetrics(fallback().font).horizontalAdvance(QChar(drawn));
  } else {
    result.advance = QFontMetrics(font_).horizontalAdvance(QChar(drawn));
  }
  return result;
}

const Glyph& FontFace::glyph(char16_t c) const {
  if (c < latin_.size()) {
    if (!latinKnown_[c]) {
      latin_[c] = lookUp(c);
      latinKnown_[c] = true;
    }
    return latin_[c];
  }
  auto found = others_.find(c);
  if (found == others_.end()) found = others_.emplace(c, lookUp(c)).first;
  return found->second;
}

const FontFace& Face(FaceKind kind, int points, bool bold) {
  if (!faceCache) {
    faceCache = new FaceCache;
    qAddPostRoutine(dropFaces);
  }
  const int size = std::clamp(points, 1, kMaxPoints);
  const size_t slot =
      (static_cast<size_t>(kind == FaceKind::Symbol) * 2 + (bold ? 1 : 0)) * (kMaxPoints + 1) +
      static_cast<size_t>(size);
  std::unique_ptr<FontFace>& face = faceCache->faces[slot];
  if (!face) face = std::make_unique<FontFace>(kind, size, bold);
  return *face;
}

}  // namespace kalkora
