#include "worksheet/sheet_layout.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "base/shared_functions.h"
#include "drawing/fonts.h"
#include "drawing/markup.h"
#include "frame/text_conversion.h"

namespace kalkora::worksheet {
namespace {

constexpr double kPaperWidthMm = 210;
constexpr double kPaperHeightMm = 297;
constexpr double kSideMarginMm = 16;
constexpr double kTopMarginMm = 14;
constexpr double kBottomMarginMm = 18;
constexpr double kFooterAboveEdgeMm = 9;
constexpr double kColumnGapMm = 8;
constexpr double kTaskGapMm = 5;
constexpr double kKeyGapMm = 3;
constexpr double kWorkingLineMm = 8;
constexpr double kTitlePoints = 16;
constexpr double kTextPoints = 11;
constexpr double kFooterPoints = 8;
// Steps by which a sheet whose formulas are too wide for one column draws them smaller.
constexpr double kSmallerStep = 8;

double Mm(const SheetLayout& layout, double mm) { return mm / 25.4 * layout.dotsPerInch; }

QFont FontOf(const SheetLayout& layout, double points, bool bold) {
  return ArialPixelFont(static_cast<int>(std::lround(points / 72 * layout.dotsPerInch)), bold);
}

SheetLayout Frame(double dotsPerInch) {
  SheetLayout layout;
  layout.dotsPerInch = dotsPerInch;
  layout.paper = QSizeF(Mm(layout, kPaperWidthMm), Mm(layout, kPaperHeightMm));
  layout.printable = QRectF(QPointF(Mm(layout, kSideMarginMm), Mm(layout, kTopMarginMm)),
                            QPointF(layout.paper.width() - Mm(layout, kSideMarginMm),
                                    layout.paper.height() - Mm(layout, kBottomMarginMm)));
  return layout;
}

double NumberWidth() { return MarkupWidth(u"40) ", kFormulaSize, true); }

double ColumnWidth(const SheetLayout& layout, int columns) {
  return (layout.printable.width() - (columns - 1) * Mm(layout, kColumnGapMm)) / columns;
}

double FirstLineAbove(const FormulaBlock& block) {
  return block.lines.empty() ? 0 : block.lines.front().above;
}

Showing ShowingOf(Section section) {
  return section == Section::Tasks ? Showing::Task : Showing::Key;
}

// Whether every task fits a column of this width, in at most maxLines lines.
bool AllFit(const Worksheet& sheet, Section section, double columnWidth, std::size_t maxLines) {
  return std::all_of(sheet.tasks.begin(), sheet.tasks.end(), [&](const Formula& task) {
    const FormulaBlock block = LayOutFormula(task, ShowingOf(section), columnWidth - NumberWidth());
    return block.fits && block.lines.size() <= maxLines;
  });
}

bool FitsOneColumn(const Worksheet& sheet, const SheetLayout& layout) {
  const double width = ColumnWidth(layout, 1);
  return AllFit(sheet, Section::Tasks, width, sheet.tasks.size() + 8) &&
         (!sheet.withKey || AllFit(sheet, Section::Key, width, sheet.tasks.size() + 8));
}

int Columns(const Worksheet& sheet, const SheetLayout& layout, Section section) {
  return AllFit(sheet, section, ColumnWidth(layout, 2), 2) ? 2 : 1;
}

TextLines Wrapped(const QString& text, const QFont& font, const QRectF& area) {
  const QFontMetricsF metrics(font);
  TextLines wrapped;
  QString line;
  for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + u' ' + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > area.width()) {
      wrapped.lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.isEmpty()) wrapped.lines.push_back(line);
  double y = area.top();
  for (std::size_t i = 0; i < wrapped.lines.size(); ++i) {
    wrapped.baselines.emplace_back(area.left(), y + metrics.ascent());
    y += metrics.lineSpacing();
  }
  wrapped.box = QRectF(area.left(), area.top(), area.width(), y - area.top());
  return wrapped;
}

void PlaceSection(const Worksheet& sheet, SheetLayout& layout, Section section, int columns) {
  const Showing showing = ShowingOf(section);
  const double columnWidth = ColumnWidth(layout, columns);
  const double working =
      section == Section::Tasks ? Mm(layout, kWorkingLineMm * sheet.workingLines) : 0;
  const double gap = Mm(layout, section == Section::Tasks ? kTaskGapMm : kKeyGapMm);
  const QRectF area = layout.printable;

  std::vector<SheetPage> pages{SheetPage{section, 1, 1, true, {}}};
  double y = PlaceHeader(sheet, layout, section).bottom;
  const std::size_t count = sheet.tasks.size();
  for (std::size_t first = 0; first < count; first += static_cast<std::size_t>(columns)) {
    const std::size_t end = std::min(count, first + static_cast<std::size_t>(columns));
    std::vector<FormulaBlock> blocks;
    double axis = 0;  // the tasks of a row share the axis of their first lines
    for (std::size_t i = first; i < end; ++i) {
      blocks.push_back(LayOutFormula(sheet.tasks[i], showing, columnWidth - NumberWidth()));
      axis = std::max(axis, FirstLineAbove(blocks.back()));
    }
    double height = 0;
    for (const FormulaBlock& block : blocks) {
      height = std::max(height, axis - FirstLineAbove(block) + block.height + working);
    }
    if (y + height > area.bottom() && !pages.back().tasks.empty()) {
      pages.push_back(SheetPage{section, static_cast<int>(pages.size()) + 1, 1, false, {}});
      y = area.top();
    }
    for (std::size_t i = first; i < end; ++i) {
      const double left =
          area.left() + static_cast<double>(i - first) * (columnWidth + Mm(layout, kColumnGapMm));
      PlacedTask placed;
      placed.number = static_cast<int>(i) + 1;
      placed.box = QRectF(left, y, columnWidth, height);
      placed.formulaAt =
          QPointF(left + NumberWidth(), y + axis - FirstLineAbove(blocks[i - first]));
      placed.formulaRight = left + columnWidth;
      placed.block = blocks[i - first];
      pages.back().tasks.push_back(placed);
    }
    y += height + gap;
  }
  for (SheetPage& page : pages) {
    page.pagesInSection = static_cast<int>(pages.size());
    layout.pages.push_back(std::move(page));
  }
}

}  // namespace

SheetLayout LayOutWorksheet(const Worksheet& sheet) {
  SheetLayout layout = Frame(kFormulaDotsPerInch);
  while (!FitsOneColumn(sheet, layout) && layout.dotsPerInch < kSmallestFormulas) {
    layout = Frame(std::min(layout.dotsPerInch + kSmallerStep, kSmallestFormulas));
  }
  layout.taskColumns = Columns(sheet, layout, Section::Tasks);
  PlaceSection(sheet, layout, Section::Tasks, layout.taskColumns);
  if (sheet.withKey) {
    layout.keyColumns = Columns(sheet, layout, Section::Key);
    PlaceSection(sheet, layout, Section::Key, layout.keyColumns);
  }
  return layout;
}

QFont TitleFont(const SheetLayout& layout) { return FontOf(layout, kTitlePoints, true); }
QFont TextFont(const SheetLayout& layout) { return FontOf(layout, kTextPoints, false); }
QFont FooterFont(const SheetLayout& layout) { return FontOf(layout, kFooterPoints, false); }

SheetHeader PlaceHeader(const Worksheet& sheet, const SheetLayout& layout, Section section) {
  const QRectF area = layout.printable;
  SheetHeader header;
  QString title = ToQString(sheet.title);
  if (section == Section::Key) title.prepend(QStringLiteral("Lösungen: "));
  header.title = Wrapped(title, TitleFont(layout), area);
  double y = header.title.box.bottom() + Mm(layout, 4);
  if (section == Section::Tasks) {
    // Name, class and date with lines to write on, across the width.
    const double height = QFontMetricsF(TextFont(layout)).height() * 1.5;
    const double space = Mm(layout, 6);
    const double room = area.width() - 2 * space;
    double left = area.left();
    for (const auto& [label, share] :
         {std::pair{QStringLiteral("Name:"), 0.5}, std::pair{QStringLiteral("Klasse:"), 0.2},
          std::pair{QStringLiteral("Datum:"), 0.3}}) {
      header.names.push_back(NameField{label, QRectF(left, y, room * share, height)});
      left += room * share + space;
    }
    y += height + Mm(layout, 4);
    header.instruction = Wrapped(ToQString(sheet.instruction), TextFont(layout),
                                 QRectF(area.left(), y, area.width(), 0));
    y = header.instruction.box.bottom();
  }
  header.bottom = y + Mm(layout, 6);
  return header;
}

SheetFooter PlaceFooter(const Worksheet& sheet, const SheetLayout& layout, const SheetPage& page) {
  SheetFooter footer;
  footer.left = QStringLiteral("Kalkora · Startwert %1").arg(sheet.seed);
  footer.right = QStringLiteral("Seite %1 von %2").arg(page.number).arg(page.pagesInSection);
  if (page.section == Section::Key) footer.right.prepend(QStringLiteral("Lösungen · "));
  const QFontMetricsF metrics(FooterFont(layout));
  footer.baseline = layout.paper.height() - Mm(layout, kFooterAboveEdgeMm);
  footer.box = QRectF(layout.printable.left(), footer.baseline - metrics.ascent(),
                      layout.printable.width(), metrics.height());
  return footer;
}

Text TaskNumber(int number) { return IntText(number) + u")"; }

}  // namespace kalkora::worksheet
