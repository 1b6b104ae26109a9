#pragma once
// The two domain pictures of the concept pages. Each row gives a condition on the left (rose)
// and the domain in set notation on the right, ‹D = {z ∈ ℝ │ z ≠ 3}›, black with the condition
// after the bar in rose and braces taller than the text; 3/2 and 7/5 are small stacked
// fractions. Bold, 14 points.
//   imgDef1: the domains of the three fractions of the terms page;
//   imgDef2: the domains of the seven examples of the fractional-terms page, in their order.

#include <QPainter>
#include <QRect>

namespace kalkora {

enum class DomainPicture { Def1, Def2 };

// The picture's rectangle in the pixels of the concept page: imgDef1 256 × 99 from page
// (–49, 13), imgDef2 372 × 260 from page (–49, 8).
QRect DomainPictureArea(DomainPicture picture);

// Makes the concept page current and draws the picture's rows where they lie on it.
void DrawDomainPicture(QPainter& canvas, DomainPicture picture);

}  // namespace kalkora
