#pragma once
// A blank window: almost every pixel of its picture has one colour (an empty page, a window
// whose content was never drawn).

#include <QImage>

namespace kalkora::screenshot {

// A picture counts as blank when one colour covers at least this share of its pixels. The
// emptiest windows that show content (a concept page, worked examples) have their background
// colour on at most 96.3 % of their pixels; an empty window with its menu bar on 99.8 %.
inline constexpr double kBlankShare = 0.98;

// The share of the pixels that have the picture's most frequent colour (1 for an empty picture).
double LargestColourShare(const QImage& picture);

}  // namespace kalkora::screenshot
