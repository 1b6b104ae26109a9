#pragma once
// Painting what a step of the polynomial worked examples shows (polynomial_steps.h): each text
// with its renderer operation in the markup colours, lines and arrows in black, pen width 3.

#include <QPainter>

#include "topics/polynomials/polynomial_steps.h"

namespace kalkora {

void DrawStepShapes(QPainter& painter, const polynomials::StepShapes& shapes);

}  // namespace kalkora
