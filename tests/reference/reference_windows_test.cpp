// The reference screens as a learner opens them from the main window's menu: each concept page
// shows its page and only its own domain picture, each formula sheet its sheet at its height,
// over the visible main window, with the power sheet's pictures only on the power sheet; Escape
// and "Schließen" close them.

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>

#include "app/window_set.h"
#include "base/selection.h"
#include "frame/kalkora_window.h"
#include "frame/palette.h"
#include "frame/screen.h"
#include "image_probe.h"
#include "program_test.h"
#include "reference/concept_pages.h"
#include "reference/domain_pictures.h"
#include "reference/formula_sheets.h"
#include "reference_probe.h"

namespace kalkora {
namespace {

using test::ProcessEvents;
using test::ProgramTest;

// What the client area of a window shows.
QImage clientImage(QWidget* window) {
  auto* frame = qobject_cast<KalkoraWindow*>(window);
  return frame->clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The client area of the concept window as it should look: the page on pnt at (10, 10) and
// the domain pictures the topic shows.
QImage expectedConceptWindow(int topic, bool def1, bool def2) {
  SetPalette();
  return test::Drawn(QSize(1016, 722), [&](QPainter& canvas) {
    // The whole page, also the tail of the "y" of "–9·x + 8·y" below its 700 rows.
    canvas.translate(10, 10);
    DrawConceptPage(canvas, topic);
    for (const auto& [shown, which] :
         {std::pair{def1, DomainPicture::Def1}, std::pair{def2, DomainPicture::Def2}}) {
      if (!shown) continue;
      canvas.save();
      canvas.setClipRect(DomainPictureArea(which));
      DrawDomainPicture(canvas, which);
      canvas.restore();
    }
  });
}

TEST_F(ProgramTest, EachConceptPageShowsItsPageAndOnlyItsDomainPicture) {
  struct Opening {
    const char* item;
    int topic;
    bool def1, def2;
  };
  // From the fractional terms straight to the terms: imgDef2 gone, imgDef1 there.
  for (const Opening& o :
       {Opening{"menBegriffeT", 1, true, false}, Opening{"menBegriffeP", 2, false, false},
        Opening{"menBegriffeB", 3, false, true}, Opening{"menBegriffeT", 1, true, false}}) {
    clickMenu(o.item);
    QWidget* window = openChildWindow();
    ASSERT_NE(window, nullptr) << o.item;
    EXPECT_EQ(window->windowTitle(), "Begriffe zur Kalkora");
    EXPECT_FALSE(mainWindow().isVisible());
    EXPECT_TRUE(
        test::SameImage(clientImage(window), expectedConceptWindow(o.topic, o.def1, o.def2)))
        << o.item;
    window->close();
    ProcessEvents();
    EXPECT_TRUE(mainWindow().isVisible());
  }
}

TEST_F(ProgramTest, OnTheSmallScreenTheConceptWindowIsMaximisedWithThePageAtTheTopLeft) {
  SetScreenSizeForTesting(QSize(1024, 768));
  mainWindow().FormActivate();
  clickMenu("menBegriffeB");
  QWidget* window = openChildWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
  // The offscreen screen may be smaller than the simulated one: compare what both show.
  const QImage shown = clientImage(window);
  const QRect common(0, 0, std::min(shown.width(), 1016), std::min(shown.height(), 722));
  EXPECT_TRUE(
      test::SameImage(shown.copy(common), expectedConceptWindow(3, false, true).copy(common)));
}

// The client area of the formula sheet as it should look.
QImage expectedSheet(int topic, int clientHeight) {
  SetPalette();
  return test::Drawn(QSize(612, clientHeight), [&](QPainter& canvas) {
    canvas.translate(5, 10);
    canvas.setClipRect(QRect(0, 0, 600, SheetLayoutOf(topic)->pntHeight));
    DrawFormulaSheet(canvas, topic);
    for (const SheetPicture& picture : SheetPictures()) {
      if (topic != 2 && picture.kind == SheetPictureKind::QuotientRule) continue;
      if (topic != 2 && std::string_view(picture.name) != "img6") continue;
      canvas.setClipRect(SheetPictureArea(picture));
      DrawSheetPicture(canvas, picture);
    }
  });
}

TEST_F(ProgramTest, FormulaSheetsTakeTheirHeightAndPicturesOverTheVisibleMainWindow) {
  struct Opening {
    const char* item;
    int topic;
    int clientHeight;
  };
  // Terms, then powers, then terms again: the window shrinks back and the pictures go.
  for (const Opening& o : {Opening{"menFormelnT", 1, 459}, Opening{"menFormelnP", 2, 559},
                           Opening{"menFormelnT", 1, 459}}) {
    clickMenu(o.item);
    QWidget* window = openChildWindow();
    ASSERT_NE(window, nullptr) << o.item;
    auto* sheet = qobject_cast<KalkoraWindow*>(window);
    EXPECT_EQ(window->windowTitle(), "Formeln");
    EXPECT_TRUE(mainWindow().isVisible());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(sheet->clientArea()->size(), QSize(612, o.clientHeight)) << o.item;
    EXPECT_EQ(window->size(), QSize(612, o.clientHeight + sheet->mainMenu()->sizeHint().height()))
        << o.item;
    EXPECT_LE((window->frameGeometry().center() - mainWindow().frameGeometry().center())
                  .manhattanLength(),
              1)
        << "centred on the main window";
    EXPECT_TRUE(test::SameImage(clientImage(window), expectedSheet(o.topic, o.clientHeight)))
        << o.item;
    window->close();
    ProcessEvents();
  }
}

TEST_F(ProgramTest, EscapeAndSchliessenCloseTheReferenceScreens) {
  for (const char* item :
       {"menBegriffeT", "menBegriffeP", "menBegriffeB", "menFormelnT", "menFormelnP"}) {
    for (const bool escape : {true, false}) {
      clickMenu(item);
      auto* window = qobject_cast<KalkoraWindow*>(openChildWindow());
      ASSERT_NE(window, nullptr) << item;
      if (escape) {
        QTest::keyClick(window, Qt::Key_Escape);
      } else {
        window->mainMenu()->findChild<QAction*>("menSchliessen")->trigger();
      }
      ProcessEvents();
      EXPECT_EQ(openChildWindow(), nullptr) << item;
      EXPECT_TRUE(mainWindow().isVisible()) << item;
    }
  }
}

}  // namespace
}  // namespace kalkora
