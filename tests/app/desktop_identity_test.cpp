// How the program presents itself to the desktop: the desktop file name that pairs its windows
// with the installed desktop entry, and the Kalkora icon on every window.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QIcon>
#include <QImage>

#include "program_test.h"

namespace kalkora {
namespace {

using test::ProgramTest;

// The icon is a white "x²" on a dark red tile (assets/kalkora.svg, 64 × 64 units): at every
// size the tile shows left of the "x" and the strokes of the "x" cross in white at (23, 41).
void expectKalkoraIcon(const QIcon& icon, int size) {
  const QImage picture = icon.pixmap(size, size).toImage();
  ASSERT_EQ(picture.size(), QSize(size, size)) << "no icon of " << size << " pixels";
  const QColor tile = picture.pixelColor(size * 4 / 64, size * 32 / 64);
  EXPECT_GT(tile.red(), 100) << size;
  EXPECT_LT(tile.green(), 60) << size;
  EXPECT_LT(tile.blue(), 60) << size;
  const QColor cross = picture.pixelColor(size * 23 / 64, size * 41 / 64);
  EXPECT_GT(cross.lightness(), 220) << size;
  EXPECT_EQ(cross.alpha(), 255) << size;
}

TEST_F(ProgramTest, NamesItsDesktopEntry) {
  EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral(KALKORA_APPLICATION_ID));
}

TEST_F(ProgramTest, EveryWindowShowsTheKalkoraIcon) {
  for (const int size : {16, 24, 32, 256}) expectKalkoraIcon(mainWindow().windowIcon(), size);
  clickMenu(QStringLiteral("menStufe1E"));
  QWidget* exercise = openChildWindow();
  ASSERT_NE(exercise, nullptr);
  expectKalkoraIcon(exercise->windowIcon(), 16);
}

}  // namespace
}  // namespace kalkora
