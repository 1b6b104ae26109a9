#pragma once
// The three concept pages of TfrmBegriffe: "Was ist ein Term?" (topic 1), "Potenzschreibweise"
// (topic 2) and "Was ist ein Bruchterm" (topic 3), as tables of items in their drawing order.

#include <QPainter>
#include <span>

#include "reference/page_items.h"

namespace kalkora {

// The items of a topic's page; empty for any topic but 1, 2 and 3.
std::span<const PageItem> ConceptPageItems(int topic);

// Makes the page of pnt current: x −50 … 50, y −35 … 35 on 1000 × 700 pixels.
void SetConceptPage();

// The topic's items on that page.
void DrawConceptPage(QPainter& canvas, int topic);

// The domain pictures a topic shows beside its drawing: imgDef1 the domains of the fractions
// on the terms page, imgDef2 those of the examples on the fractional-terms page.
struct ConceptPictures {
  bool imgDef1 = false;
  bool imgDef2 = false;
};
ConceptPictures PicturesOfTopic(int topic);

}  // namespace kalkora
