#include "worksheet/sheet_painting.h"

#include <QFontMetricsF>
#include <cmath>

#include "drawing/markup.h"
#include "drawing/page.h"

namespace kalkora::worksheet {
namespace {

// Makes the sheet's page current while it lives and then the page that was current before.
class SheetPageInForce {
 public:
  explicit SheetPageInForce(const SheetLayout& layout) : saved_(CurrentPage()) {
    SetWorksheetPage(static_cast<int>(std::ceil(layout.paper.width())),
                     static_cast<int>(std::ceil(layout.paper.height())));
  }
  ~SheetPageInForce() {
    SetPage(saved_.xMin, saved_.xMax, saved_.yMin, saved_.yMax, saved_.pxRight, saved_.pxBottom);
  }
  SheetPageInForce(const SheetPageInForce&) = delete;
  SheetPageInForce& operator=(const SheetPageInForce&) = delete;

 private:
  Page saved_;
};

void PaintLines(QPainter& painter, const TextLines& text, const QFont& font) {
  painter.setFont(font);
  for (std::size_t i = 0; i < text.lines.size(); ++i) {
    painter.drawText(text.baselines[i], text.lines[i]);
  }
}

void PaintHeader(QPainter& painter, const SheetHeader& header, const SheetLayout& layout) {
  PaintLines(painter, header.title, TitleFont(layout));
  const QFont font = TextFont(layout);
  const QFontMetricsF metrics(font);
  painter.setFont(font);
  for (const NameField& field : header.names) {
    const double baseline = field.box.bottom() - metrics.descent();
    painter.drawText(QPointF(field.box.left(), baseline), field.label);
    const double start = field.box.left() + metrics.horizontalAdvance(field.label + u' ');
    painter.setPen(QPen(Qt::black, layout.dotsPerInch / 144));
    painter.drawLine(QPointF(start, baseline + 1), QPointF(field.box.right(), baseline + 1));
  }
  PaintLines(painter, header.instruction, font);
}

void PaintFooter(QPainter& painter, const SheetFooter& footer, const SheetLayout& layout) {
  const QFont font = FooterFont(layout);
  painter.setFont(font);
  painter.drawText(QPointF(footer.box.left(), footer.baseline), footer.left);
  const double width = QFontMetricsF(font).horizontalAdvance(footer.right);
  painter.drawText(QPointF(footer.box.right() - width, footer.baseline), footer.right);
}

void PaintTask(QPainter& painter, const Worksheet& sheet, const PlacedTask& placed,
               Section section) {
  const Formula& task = sheet.tasks.at(static_cast<std::size_t>(placed.number - 1));
  // The number stands on the first line, in the middle of its text.
  const double top = FirstLineTextTop(placed.block, placed.formulaAt.y());
  DrawMarkupLeft(painter, placed.box.left() / 10, -top / 10, TaskNumber(placed.number),
                 kFormulaSize, true, OneColour(Qt::black));
  DrawFormula(painter, task, placed.block, section == Section::Tasks ? Showing::Task : Showing::Key,
              placed.formulaAt.x(), placed.formulaAt.y(), placed.formulaRight);
}

}  // namespace

void PaintSheetPage(QPainter& painter, const Worksheet& sheet, const SheetLayout& layout,
                    std::size_t index) {
  const SheetPageInForce page(layout);
  const SheetPage& sheetPage = layout.pages.at(index);
  painter.save();
  painter.setPen(Qt::black);
  if (sheetPage.withHeader) {
    PaintHeader(painter, PlaceHeader(sheet, layout, sheetPage.section), layout);
  }
  painter.setPen(Qt::black);
  for (const PlacedTask& placed : sheetPage.tasks)
    PaintTask(painter, sheet, placed, sheetPage.section);
  painter.setPen(Qt::black);
  PaintFooter(painter, PlaceFooter(sheet, layout, sheetPage), layout);
  painter.restore();
}

bool PaintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet, const SheetLayout& layout) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double scale = device.logicalDpiX() / layout.dotsPerInch;
  for (std::size_t i = 0; i < layout.pages.size(); ++i) {
    if (i > 0 && !device.newPage()) return false;
    painter.save();
    painter.scale(scale, scale);
    PaintSheetPage(painter, sheet, layout, i);
    painter.restore();
  }
  return painter.end();
}

}  // namespace kalkora::worksheet
