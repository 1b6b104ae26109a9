#pragma once
// The program's shared icons, drawn once at run time: the status faces of an exercise item
// (63 × 69 pixels) and the tick and cross of an attempt (40 × 40 pixels), on a transparent
// background.

#include <QPixmap>

namespace kalkora {

enum class Face {
  Blue,    // imgB: neutral, the item is open
  Green,   // imgG: smiling, answered right
  Red,     // imgR: sad, wrong twice
  Orange,  // imgO: sad, wrong once
};

const QPixmap& FacePicture(Face face);
const QPixmap& TickPicture();   // img1: green tick
const QPixmap& CrossPicture();  // img2: red cross

}  // namespace kalkora
