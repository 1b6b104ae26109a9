#pragma once
// Where everything of a worksheet stands on its A4 pages: the header of the task sheet
// (title, lines for name, class and date, the instruction), the numbered tasks with room to
// work under each, then on new pages the answer key with the same numbers, and a footer on
// every page. Tasks stand in two columns where every task fits half the width, in one where
// not; where even one column is too narrow, the formulas are drawn smaller.
//
// Sizes are pixels of the sheet's drawing surface: `dotsPerInch` of them to the inch, y
// downwards from the top-left corner of the paper. Formulas keep their exercise size in these
// pixels; the rest of the page is given in millimetres and points of the paper.

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "worksheet/formula_drawing.h"
#include "worksheet/worksheet.h"

namespace kalkora::worksheet {

enum class Section { Tasks, Key };

// A numbered task (or its solution in the key) on a page.
struct PlacedTask {
  int number = 1;           // 1 … the number of tasks
  QRectF box;               // the number, the formula and the room to work in
  QPointF formulaAt;        // top-left corner of the formula
  double formulaRight = 0;  // where a line to write the solution on ends
  FormulaBlock block;
};

struct SheetPage {
  Section section = Section::Tasks;
  int number = 1;  // the page's number within its section
  int pagesInSection = 1;
  bool withHeader = false;  // the section's first page
  std::vector<PlacedTask> tasks;
};

struct SheetLayout {
  double dotsPerInch = 144;
  QSizeF paper;      // A4 in pixels
  QRectF printable;  // inside the margins: header, tasks and key stand in it
  int taskColumns = 1;
  int keyColumns = 1;
  std::vector<SheetPage> pages;
};

// The surface pixels formulas are drawn at per inch of paper: 18-point rows come out at
// 12 points. A sheet whose formulas do not fit one column uses more, up to kSmallestFormulas.
inline constexpr double kFormulaDotsPerInch = 144;
inline constexpr double kSmallestFormulas = 216;

SheetLayout LayOutWorksheet(const Worksheet& sheet);

// The page furniture: the header of the task sheet and of the key, the footer of every page.
// A field of the name line: its label and the line to write on after it.
struct NameField {
  QString label;  // "Name:", "Klasse:", "Datum:"
  QRectF box;
};
// Text broken into lines that fit a width: each line with the point its baseline starts at.
struct TextLines {
  std::vector<QString> lines;
  std::vector<QPointF> baselines;
  QRectF box;
};
struct SheetHeader {
  TextLines title;               // the sheet's title; in the key "Lösungen: " and the title
  std::vector<NameField> names;  // none in the key
  TextLines instruction;         // none in the key
  double bottom = 0;             // where the tasks may start
};
SheetHeader PlaceHeader(const Worksheet& sheet, const SheetLayout& layout, Section section);

struct SheetFooter {
  QString left;   // "Kalkora · Startwert 4711"
  QString right;  // "Seite 1 von 2", "Lösungen · Seite 1 von 1"
  QRectF box;     // the left text starts at its left edge, the right one ends at its right edge
  double baseline = 0;
};
SheetFooter PlaceFooter(const Worksheet& sheet, const SheetLayout& layout, const SheetPage& page);

// Fonts of the page furniture: points of the paper, at the layout's pixels.
QFont TitleFont(const SheetLayout& layout);
QFont TextFont(const SheetLayout& layout);
QFont FooterFont(const SheetLayout& layout);

// The number before a task: "12)", drawn like a formula.
Text TaskNumber(int number);

}  // namespace kalkora::worksheet
