#pragma once
// A font at one size and weight as the renderer uses it: its metrics and, for every character,
// the glyph that draws it and its advance width. Faces are made once and kept for the process.

#include <QFont>
#include <QRawFont>
#include <array>
#include <memory>
#include <unordered_map>

namespace kalkora {

enum class FaceKind {
  Arial,   // Liberation Sans; characters it lacks come from DejaVu Sans
  Symbol,  // the Symbol escapes "¹" "Î" "Þ" as ≠ ∈ ⇒, every other character as it is
};

struct Glyph {
  quint32 index = 0;          // 0 is the missing-glyph box
  int advance = 0;            // pixels
  int offset = 0;             // pixels the glyph is drawn right of the pen position
  bool fromFallback = false;  // drawn from the fallback font
};

class FontFace {
 public:
  FontFace(FaceKind kind, int points, bool bold);

  FaceKind kind() const { return kind_; }
  int points() const { return points_; }
  const QFont& font() const { return font_; }
  int ascent() const { return ascent_; }
  int height() const { return height_; }

  // The glyph that draws the character (after the Symbol mapping of a Symbol face).
  const Glyph& glyph(char16_t c) const;
  int advance(char16_t c) const { return glyph(c).advance; }
  const QRawFont& rawFont(const Glyph& glyph) const {
    return glyph.fromFallback ? fallback().raw : raw_;
  }

 private:
  // The font for characters the face's own font lacks, made when the first such character
  // is looked up (most faces never need it).
  struct Fallback {
    QFont font;
    QRawFont raw;
  };
  const Fallback& fallback() const;
  Glyph lookUp(char16_t c) const;

  FaceKind kind_;
  int points_;
  QFont font_;
  QRawFont raw_;
  mutable std::unique_ptr<Fallback> fallback_;
  int ascent_ = 0;
  int height_ = 0;
  mutable std::array<Glyph, 256> latin_{};
  mutable std::array<bool, 256> latinKnown_{};
  mutable std::unordered_map<char16_t, Glyph> others_;
};

// The face of this kind, size (points, clamped to 1 … 500) and weight.
const FontFace& Face(FaceKind kind, int points, bool bold);

// The character a Symbol face draws for c: "¹" ≠, "Î" ∈, "Þ" ⇒, anything else itself.
char16_t SymbolCharacter(char16_t c);

// The advance of a Symbol escape in thousandths of the font size, as in the Symbol font the
// layouts were made for (≠ 549, ∈ 713, ⇒ 987); 0 for any other character.
int SymbolEscapeWidth(char16_t c);

}  // namespace kalkora
