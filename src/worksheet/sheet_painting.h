#pragma once
// Paints the pages of a laid-out worksheet: header, numbered tasks (solutions blank or shown),
// footer, all in black.

#include <QPagedPaintDevice>
#include <QPainter>

#include "worksheet/sheet_layout.h"
#include "worksheet/worksheet.h"

namespace kalkora::worksheet {

// Paints one page; the painter's coordinates are the layout's pixels from the paper's
// top-left corner. The current page of the drawing layer is the same afterwards.
void PaintSheetPage(QPainter& painter, const Worksheet& sheet, const SheetLayout& layout,
                    std::size_t index);

// Paints every page on a paged device (a PDF writer, a printer) whose coordinates start at the
// paper's top-left corner; the painter is scaled from the layout's pixels to the device's.
// False when the device cannot be painted on.
bool PaintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet, const SheetLayout& layout);

}  // namespace kalkora::worksheet
