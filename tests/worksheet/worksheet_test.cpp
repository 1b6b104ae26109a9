// Making a worksheet: the kinds, the choice of tasks, repeating a sheet from its seed, and
// leaving the program's random source and item arrays as they were.

#include "worksheet/worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "base/random.h"
#include "topics/fractions/fraction_record.h"
#include "topics/polynomials/polynomial_record.h"
#include "worksheet/worksheet_kinds.h"

namespace kalkora::worksheet {
namespace {

Worksheet Sheet(const WorksheetKind& kind, int level, std::uint32_t seed, int count = kMostTasks) {
  WorksheetRequest request;
  request.kind = &kind;
  request.level = level;
  request.count = count;
  request.seed = seed;
  return MakeWorksheet(request);
}

bool HasColourMarker(TextView text) { return text.find_first_of(u"#_~$§") != TextView::npos; }

TEST(WorksheetKinds, AreNamedForTheCommandLineAndFoundByName) {
  std::set<std::string> ids;
  for (const WorksheetKind& kind : WorksheetKinds()) {
    const std::string id(kind.id);
    EXPECT_TRUE(ids.insert(id).second) << id;
    EXPECT_TRUE(std::all_of(id.begin(), id.end(), [](char c) {
      return std::islower(c) != 0 || c == '-';
    })) << id;
    EXPECT_EQ(FindWorksheetKind(id), &kind);
    EXPECT_TRUE(kind.levels == 1 || kind.levels == 3) << id;
  }
  EXPECT_EQ(ids.size(), 19u);
  EXPECT_EQ(FindWorksheetKind("terme"), nullptr);
  EXPECT_EQ(FindWorksheetKind(""), nullptr);
}

TEST(WorksheetKinds, CaptionsNameTopicKindAndLevel) {
  EXPECT_EQ(WorksheetCaption(*FindWorksheetKind("terme-einsetzen"), 2),
            u"Terme – Einsetzen (Stufe 2)");
  EXPECT_EQ(WorksheetCaption(*FindWorksheetKind("bruchterme-kuerzen"), 1), u"Bruchterme – Kürzen");
  EXPECT_EQ(WorksheetCaption(*FindWorksheetKind("bruchterme-dividieren-durch-terme"), 3),
            u"Bruchterme – Dividieren durch Terme (Stufe 3)");
}

// For every kind and level: forty different tasks, each with a solution, in plain markup.
TEST(Worksheet, EveryKindAndLevelMakesFortyDifferentTasks) {
  for (const WorksheetKind& kind : WorksheetKinds()) {
    for (int level = 1; level <= kind.levels; ++level) {
      SCOPED_TRACE(std::string(kind.id) + " Stufe " + std::to_string(level));
      const Worksheet sheet = Sheet(kind, level, 4711);
      ASSERT_EQ(sheet.tasks.size(), static_cast<std::size_t>(kMostTasks));
      EXPECT_EQ(sheet.title, WorksheetCaption(kind, level));
      EXPECT_FALSE(sheet.instruction.empty());
      EXPECT_GT(sheet.workingLines, 0);
      std::set<Text> texts;
      for (const Formula& task : sheet.tasks) {
        texts.insert(TaskText(task));
        const std::vector<FormulaPart> solution = SolutionParts(task);
        ASSERT_FALSE(solution.empty());
        EXPECT_NE(SolutionParts(task).size(), task.size()) << "a task beside the solution";
        for (const FormulaPart& part : task) {
          EXPECT_FALSE(part.text.empty() && part.kind != PartKind::Markup);
          EXPECT_FALSE(HasColourMarker(part.text) || HasColourMarker(part.denominator) ||
                       HasColourMarker(part.exponent))
              << Utf8FromText(part.text);
          if (part.solution) EXPECT_FALSE(part.text.empty());
        }
      }
      EXPECT_EQ(texts.size(), sheet.tasks.size());
    }
  }
}

TEST(Worksheet, TheSameSeedMakesTheSameSheetWhateverCameBefore) {
  for (const WorksheetKind& kind : WorksheetKinds()) {
    SCOPED_TRACE(kind.id);
    const int level = kind.levels;
    const Worksheet first = Sheet(kind, level, 99, 12);
    // Other sheets and items made in between (generators keep what they do not overwrite).
    Sheet(kind, level, 5, 12);
    SetRandomSeed(3);
    kind.makeTask(level);
    ClearFixedRandomSeed();
    const Worksheet again = Sheet(kind, level, 99, 12);
    EXPECT_EQ(again.tasks, first.tasks);
    EXPECT_NE(Sheet(kind, level, 100, 12).tasks, first.tasks);
  }
}

TEST(Worksheet, LeavesTheRandomSourceAndTheItemsOfTheWindowsAsTheyWere) {
  SetRandomSeed(77);
  const int a = Random(1000000);
  const int b = Random(1000000);
  polynomials::Polynom[1].Aufgabe = u"window's own item";
  fractions::Bruch[1].Loesung = u"window's own solution";

  SetRandomSeed(77);
  EXPECT_EQ(Random(1000000), a);
  Sheet(*FindWorksheetKind("terme-polynom-polynom"), 2, 1);
  Sheet(*FindWorksheetKind("bruchterme-ungleichnamig"), 3, 1);
  EXPECT_EQ(Random(1000000), b);
  Randomize();  // the fixed seed of the window's test is still in force
  EXPECT_EQ(Random(1000000), a);
  EXPECT_EQ(polynomials::Polynom[1].Aufgabe, u"window's own item");
  EXPECT_EQ(fractions::Bruch[1].Loesung, u"window's own solution");
  ClearFixedRandomSeed();
}

TEST(Worksheet, TakesItsTitleKeyChoiceAndClampsLevelAndCount) {
  WorksheetRequest request;
  request.kind = FindWorksheetKind("bruchterme-kgv");
  request.level = 3;  // kgV has only Stufe 1
  request.count = 99;
  request.title = u"Schularbeit 2b – Übung";
  request.withKey = false;
  request.seed = 12;
  const Worksheet sheet = MakeWorksheet(request);
  EXPECT_EQ(sheet.title, u"Schularbeit 2b – Übung");
  EXPECT_FALSE(sheet.withKey);
  EXPECT_EQ(sheet.seed, 12u);
  EXPECT_EQ(sheet.tasks.size(), static_cast<std::size_t>(kMostTasks));
  request.count = 1;
  EXPECT_EQ(MakeWorksheet(request).tasks.size(), static_cast<std::size_t>(kFewestTasks));
}

}  // namespace
}  // namespace kalkora::worksheet
