// kalkora-screenshot FOLDER [NAME-FILTER]
// Renders the main window and the windows opened from its menu into PNG files, offscreen,
// with a fixed random seed so that the pictures can be compared from run to run.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenuBar>
#include <cstdio>

#include "app/application.h"
#include "app/main_window.h"
#include "app/window_set.h"
#include "base/random.h"
#include "frame/kalkora_window.h"
#include "learner_moves.h"
#include "shots.h"

namespace {

// The window a menu command opened: one of the program's windows or a dialog.
QWidget* visibleChildWindow(const QWidget& main) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != &main && window->isVisible() &&
        (qobject_cast<kalkora::KalkoraWindow*>(window) || qobject_cast<QDialog*>(window))) {
      return window;
    }
  }
  return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: kalkora-screenshot FOLDER [NAME-FILTER]\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  const QString filter = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

  kalkora::PrepareApplication(app);
  kalkora::SetRandomSeed(kalkora::screenshot::kScreenshotSeed);
  kalkora::TfrmKalkora& main = kalkora::StartKalkora();
  kalkora::screenshot::Settle();

  int failures = 0;
  for (const kalkora::screenshot::Shot& shot : kalkora::screenshot::AllShots()) {
    if (!filter.isEmpty() && !shot.file.contains(filter)) continue;
    QWidget* window = &main;
    if (!shot.menuItem.isEmpty()) {
      auto* item = main.mainMenu()->findChild<QAction*>(shot.menuItem);
      if (!item) {
        std::fprintf(stderr, "no menu item %s\n", qPrintable(shot.menuItem));
        ++failures;
        continue;
      }
      item->trigger();
      kalkora::screenshot::Settle();
      window = visibleChildWindow(main);
      if (!window) {
        std::fprintf(stderr, "%s opened no window\n", qPrintable(shot.menuItem));
        ++failures;
        continue;
      }
    }
    if (shot.prepare) shot.prepare(*window);
    kalkora::screenshot::Settle();
    QWidget* pictured = shot.picture ? shot.picture(*window) : window;
    kalkora::screenshot::Settle();
    const QString path = folder.filePath(shot.file + ".png");
    const QImage picture = shot.render ? shot.render(*window)
                           : pictured  ? pictured->grab().toImage()
                                       : QImage();
    if (picture.isNull() || !picture.save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      ++failures;
    } else {
      std::printf("%s\n", qPrintable(path));
    }
    if (pictured && pictured != window) {
      pictured->close();
      kalkora::screenshot::Settle();
    }
    if (window != &main) {
      window->close();
      kalkora::screenshot::Settle();
    }
  }
  kalkora::DestroyWindows();
  return failures == 0 ? 0 : 1;
}
