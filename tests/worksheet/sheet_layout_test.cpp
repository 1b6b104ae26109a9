// Where the tasks of a worksheet stand on its pages, and that what is painted stays there.

#include "worksheet/sheet_layout.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>

#include "worksheet/sheet_painting.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheet_kinds.h"

namespace kalkora::worksheet {
namespace {

Worksheet Sheet(std::string_view id, int level, int count = kMostTasks, bool withKey = true) {
  WorksheetRequest request;
  request.kind = FindWorksheetKind(id);
  request.level = level;
  request.count = count;
  request.seed = 2024;
  request.withKey = withKey;
  return MakeWorksheet(request);
}

std::string Where(const SheetPage& page, const PlacedTask& task) {
  return std::string(page.section == Section::Tasks ? "Aufgabe " : "Lösung ") +
         std::to_string(task.number) + " auf Seite " + std::to_string(page.number);
}

// The rectangle of the formula as laid out in its task's box.
QRectF FormulaBox(const PlacedTask& task) {
  return QRectF(task.formulaAt, QSizeF(task.block.width, task.block.height));
}

void ExpectSoundLayout(const Worksheet& sheet, const SheetLayout& layout) {
  const QRectF area = layout.printable;
  const QRectF paper(QPointF(0, 0), layout.paper);
  std::vector<int> taskNumbers;
  std::vector<int> keyNumbers;
  for (const SheetPage& page : layout.pages) {
    const double top =
        page.withHeader ? PlaceHeader(sheet, layout, page.section).bottom : area.top();
    const SheetFooter footer = PlaceFooter(sheet, layout, page);
    EXPECT_GT(footer.box.top(), area.bottom());
    EXPECT_TRUE(paper.contains(footer.box));
    for (std::size_t i = 0; i < page.tasks.size(); ++i) {
      const PlacedTask& task = page.tasks[i];
      SCOPED_TRACE(Where(page, task));
      (page.section == Section::Tasks ? taskNumbers : keyNumbers).push_back(task.number);
      EXPECT_TRUE(task.block.fits);
      EXPECT_GE(task.box.top(), top - 0.01);
      EXPECT_TRUE(area.contains(task.box)) << task.box.bottom() << " " << area.bottom();
      EXPECT_TRUE(task.box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(FormulaBox(task)));
      EXPECT_LE(task.formulaRight, task.box.right() + 0.01);
      for (std::size_t k = i + 1; k < page.tasks.size(); ++k) {
        const PlacedTask& other = page.tasks[k];
        EXPECT_FALSE(task.box.intersects(other.box)) << "überdeckt " << Where(page, other);
        // The numbers of a row stand on one line, whatever the heights of their formulas.
        if (other.box.top() == task.box.top()) {
          EXPECT_DOUBLE_EQ(FirstLineTextTop(other.block, other.formulaAt.y()),
                           FirstLineTextTop(task.block, task.formulaAt.y()))
              << Where(page, other);
        }
      }
    }
  }
  std::vector<int> expected(sheet.tasks.size());
  std::iota(expected.begin(), expected.end(), 1);
  EXPECT_EQ(taskNumbers, expected);
  EXPECT_EQ(keyNumbers, sheet.withKey ? expected : std::vector<int>{});
}

TEST(SheetLayout, FortyTasksOfEveryKindAndLevelStandApartOnTheirPages) {
  for (const WorksheetKind& kind : WorksheetKinds()) {
    for (int level = 1; level <= kind.levels; ++level) {
      SCOPED_TRACE(std::string(kind.id) + " Stufe " + std::to_string(level));
      const Worksheet sheet = Sheet(kind.id, level);
      const SheetLayout layout = LayOutWorksheet(sheet);
      ExpectSoundLayout(sheet, layout);
      // The key starts on a page of its own, after the tasks.
      ASSERT_FALSE(layout.pages.empty());
      EXPECT_EQ(layout.pages.front().section, Section::Tasks);
      EXPECT_EQ(layout.pages.back().section, Section::Key);
    }
  }
}

TEST(SheetLayout, TwoColumnsWhereTasksFitOneWhereTheyDoNot) {
  const SheetLayout powers = LayOutWorksheet(Sheet("potenzen-multiplizieren", 1));
  EXPECT_EQ(powers.taskColumns, 2);
  EXPECT_EQ(powers.keyColumns, 2);
  EXPECT_DOUBLE_EQ(powers.dotsPerInch, kFormulaDotsPerInch);
  // The long division's task line is wider than half a page.
  const SheetLayout division = LayOutWorksheet(Sheet("bruchterme-dividieren-durch-terme", 3));
  EXPECT_EQ(division.taskColumns, 1);
  // A task in one column is as wide as the printable area; in two, half of it less the gap.
  const PlacedTask& wide = division.pages.front().tasks.front();
  EXPECT_DOUBLE_EQ(wide.box.width(), division.printable.width());
  const PlacedTask& narrow = powers.pages.front().tasks.front();
  EXPECT_LT(narrow.box.width(), powers.printable.width() / 2);
  EXPECT_GT(narrow.box.width(), powers.printable.width() / 2.5);
}

TEST(SheetLayout, WithoutKeyThereAreOnlyTaskPagesNumberedAmongThemselves) {
  const Worksheet sheet = Sheet("terme-einsetzen", 2, 40, false);
  const SheetLayout layout = LayOutWorksheet(sheet);
  ExpectSoundLayout(sheet, layout);
  ASSERT_GT(layout.pages.size(), 1u);
  for (std::size_t i = 0; i < layout.pages.size(); ++i) {
    EXPECT_EQ(layout.pages[i].section, Section::Tasks);
    EXPECT_EQ(layout.pages[i].number, static_cast<int>(i) + 1);
    EXPECT_EQ(layout.pages[i].pagesInSection, static_cast<int>(layout.pages.size()));
    EXPECT_EQ(layout.pages[i].withHeader, i == 0);
  }
  EXPECT_EQ(PlaceFooter(sheet, layout, layout.pages[1]).right,
            QStringLiteral("Seite 2 von %1").arg(layout.pages.size()));
  EXPECT_EQ(PlaceFooter(sheet, layout, layout.pages[1]).left,
            QStringLiteral("Kalkora · Startwert 2024"));
}

TEST(SheetLayout, TheHeaderHasTitleNameClassDateAndInstruction) {
  const Worksheet sheet = Sheet("bruchterme-kuerzen", 1, 5);
  const SheetLayout layout = LayOutWorksheet(sheet);
  const SheetHeader tasks = PlaceHeader(sheet, layout, Section::Tasks);
  EXPECT_EQ(tasks.title.lines, std::vector<QString>{QStringLiteral("Bruchterme – Kürzen")});
  ASSERT_EQ(tasks.names.size(), 3u);
  EXPECT_EQ(tasks.names[0].label, QStringLiteral("Name:"));
  EXPECT_EQ(tasks.names[1].label, QStringLiteral("Klasse:"));
  EXPECT_EQ(tasks.names[2].label, QStringLiteral("Datum:"));
  EXPECT_FALSE(tasks.instruction.lines.empty());
  EXPECT_LT(tasks.names[2].box.right(), layout.printable.right() + 0.01);
  const SheetHeader key = PlaceHeader(sheet, layout, Section::Key);
  EXPECT_EQ(key.title.lines, std::vector<QString>{QStringLiteral("Lösungen: Bruchterme – Kürzen")});
  EXPECT_TRUE(key.names.empty());
  EXPECT_LT(key.bottom, tasks.bottom);
}

// ---- painted pages ----

QImage Painted(const Worksheet& sheet, const SheetLayout& layout, std::size_t page) {
  QImage image(static_cast<int>(std::ceil(layout.paper.width())),
               static_cast<int>(std::ceil(layout.paper.height())), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintSheetPage(painter, sheet, layout, page);
  return image;
}

// The rectangles ink may fall in on a page: the header's texts and lines, the rows of each
// task's number and formula across its box (the room to work in stays empty) and the footer,
// each a pixel larger for smoothing.
std::vector<QRectF> InkAreas(const Worksheet& sheet, const SheetLayout& layout,
                             const SheetPage& page) {
  std::vector<QRectF> areas;
  const auto add = [&areas](const QRectF& rect) { areas.push_back(rect.adjusted(-1, -1, 1, 1)); };
  if (page.withHeader) {
    const SheetHeader header = PlaceHeader(sheet, layout, page.section);
    add(header.title.box);
    for (const NameField& field : header.names) add(field.box.adjusted(0, 0, 0, 2));
    add(header.instruction.box);
  }
  for (const PlacedTask& task : page.tasks) {
    add(QRectF(task.box.left(), task.formulaAt.y(), task.box.width(), task.block.height));
  }
  add(PlaceFooter(sheet, layout, page).box);
  return areas;
}

// Every pixel that is not white lies in one of the areas; returns the first that does not.
std::optional<QPoint> InkOutside(const QImage& image, const std::vector<QRectF>& areas) {
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((row[x] & 0xFFFFFF) == 0xFFFFFF) continue;
      const QPointF centre(x + 0.5, y + 0.5);
      if (std::none_of(areas.begin(), areas.end(),
                       [&](const QRectF& area) { return area.contains(centre); })) {
        return QPoint(x, y);
      }
    }
  }
  return std::nullopt;
}

TEST(SheetPainting, EveryKindDrawsOnlyInsideTheBoxesItWasGiven) {
  for (const WorksheetKind& kind : WorksheetKinds()) {
    const int level = kind.levels;
    SCOPED_TRACE(std::string(kind.id) + " Stufe " + std::to_string(level));
    const Worksheet sheet = Sheet(kind.id, level, 12);
    const SheetLayout layout = LayOutWorksheet(sheet);
    // The first page of the tasks and the first page of the key.
    for (std::size_t index : {std::size_t{0}, static_cast<std::size_t>(layout.pages.size() - 1)}) {
      while (index > 0 && !layout.pages[index].withHeader) --index;
      const QImage image = Painted(sheet, layout, index);
      const std::optional<QPoint> outside =
          InkOutside(image, InkAreas(sheet, layout, layout.pages[index]));
      EXPECT_FALSE(outside.has_value())
          << "Seite " << index + 1 << ": Tinte bei " << outside->x() << ", " << outside->y();
    }
  }
}

// Every digit of a solution but 4 replaced by the next one but 4: the same widths (an
// exponent 4 keeps a pixel more), other numbers.
Worksheet WithOtherSolutions(Worksheet sheet) {
  const auto rotate = [](Text& text) {
    constexpr TextView kCycle = u"0123567890";
    for (char16_t& c : text) {
      if (const std::size_t at = kCycle.find(c); at != TextView::npos) c = kCycle[at + 1];
    }
  };
  for (Formula& task : sheet.tasks) {
    for (FormulaPart& part : task) {
      if (!part.solution) continue;
      rotate(part.text);
      rotate(part.denominator);
    }
  }
  return sheet;
}

TEST(SheetPainting, TheTaskPagesLeaveTheSolutionsOutTheKeyShowsThem) {
  for (const std::string_view id :
       {"terme-ergaenzen", "bruchterme-ungleichnamig", "bruchterme-dividieren-durch-terme",
        "potenzen-potenzieren", "terme-einsetzen"}) {
    SCOPED_TRACE(id);
    const Worksheet sheet = Sheet(id, 3, 8);
    const Worksheet other = WithOtherSolutions(sheet);
    const SheetLayout layout = LayOutWorksheet(sheet);
    for (std::size_t page = 0; page < layout.pages.size(); ++page) {
      const bool key = layout.pages[page].section == Section::Key;
      EXPECT_EQ(Painted(sheet, layout, page) == Painted(other, layout, page), !key)
          << "Seite " << page + 1;
    }
  }
}

}  // namespace
}  // namespace kalkora::worksheet
