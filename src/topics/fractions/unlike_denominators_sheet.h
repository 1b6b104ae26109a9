#pragma once
// The paint box of the unlike-denominator exercise: the denominator table with the
// denominators and the answers of the finished stages, the task with the fractions extended to
// the main denominator below it, the line of the extended numerators and the result, and the
// heading and hint of the open stage. It also says where the answer fields and check buttons
// of each stage stand, so that they sit in their cells and in the measured lines.
//
// Page x −50 … 50, y −30 … 30 on 1000 × 600 pixels (10 pixels a unit); the paint box is
// taller, so the hint at y −31 still shows.

#include <QPainter>
#include <QRect>
#include <array>

#include "base/text.h"
#include "drawing/page.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions {

// What a finished stage shows of one field: the expected text in violet when the field was
// right (in the learner's order), else the learner's text in rose with the expected text
// small in violet beside it.
struct ShownAnswer {
  bool finished = false;
  bool right = false;
  Text learner;   // as typed
  Text expected;  // display form
};

struct UnlikeSheetState {
  const TBruchM* item = nullptr;
  int level = 1;
  int stage = 1;                      // the open stage; kItemFinished when the item is done
  std::array<ShownAnswer, 13> shown;  // by field 1 … 12 (0 unused)
  std::array<int, 13> fieldWidths{};  // pixel widths of the fields 1 … 12
};

class UnlikeSheet {
 public:
  // The page of the paint box.
  static const Page& SheetPage();
  // The designed width of each field (pixels).
  static int DesignedFieldWidth(int field);
  // The width a field gets: as designed, and never so narrow that its expected text, which
  // takes `showing` pixels in the field, would scroll (20 pixels to spare).
  static int FieldWidth(int field, int showing);
  static constexpr int kFieldHeight = 30;
  static constexpr int kButtonSize = 20;

  // Measures the lines for this state.
  explicit UnlikeSheet(const UnlikeSheetState& state);

  void paint(QPainter& painter) const;

  // Where field 1 … 12 and the check button of stage 1 … 5 stand, in paint-box pixels (fields
  // of stages not yet open stand where they will open).
  QRect fieldRect(int field) const;
  QRect buttonRect(int stage) const;

  // How far (page units) the widest text would reach past its table cell or past the right
  // edge of the lines below the table; 0 when everything fits, as it must.
  double overrun() const { return overrun_; }

 private:
  struct Piece;
  struct FractionBox;
  FractionBox numeratorsBox(double left, int size) const;
  FractionBox resultBox(double left, int size) const;
  void layOutResultLine();
  void paintTable(QPainter& painter) const;
  void paintTaskLine(QPainter& painter) const;
  void paintResultLine(QPainter& painter) const;
  void paintFraction(QPainter& painter, const FractionBox& box, double y) const;

  UnlikeSheetState state_;
  int count_ = 2;  // task fractions
  double taskY_ = 0;
  double resultY_ = 0;
  double taskWidth_ = 0;   // the task chain with its "="
  double equalsX_ = 0;     // the "=" that starts line 2
  int resultSize_ = 18;    // the size of the texts of line 2
  int extendedSize_ = 18;  // the size of the extended fraction of line 1
  double taskLineRight_ = 0;
  double resultLineRight_ = 0;
  double overrun_ = 0;
  std::array<QRect, 13> fieldRects_{};
  std::array<QRect, 6> buttonRects_{};
};

}  // namespace kalkora::fractions
