// kalkora-screenshot [--fail-on-blank] [--may-be-blank WINDOW]... FOLDER [NAME-FILTER]
// Renders the main window and the windows opened from its menu into PNG files, offscreen,
// with a fixed random seed so that the pictures can be compared from run to run: the scenes of
// shots.cpp, and every other command of the menu, found by walking it. A dialog a command shows
// is pictured like a window; one that runs an event loop of its own is pictured from inside it
// and then closed.
// --fail-on-blank: exits with 1 when a picture is blank (almost all of it one colour), except
// pictures of the windows named by --may-be-blank (object names, "frmBruchM").

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>

#include "app/application.h"
#include "app/main_window.h"
#include "app/window_set.h"
#include "base/random.h"
#include "blank_pictures.h"
#include "frame/kalkora_window.h"
#include "learner_moves.h"
#include "menu_shots.h"
#include "object_name.h"
#include "shots.h"

namespace {

struct Options {
  QDir folder;
  QString filter;
  bool failOnBlank = false;
  QStringList mayBeBlank;
};

bool ReadOptions(const QStringList& arguments, Options& options) {
  QStringList positional;
  for (int i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--fail-on-blank")) {
      options.failOnBlank = true;
    } else if (arguments[i] == QLatin1String("--may-be-blank") && i + 1 < arguments.size()) {
      options.mayBeBlank << arguments[++i];
    } else if (arguments[i].startsWith(QLatin1String("--"))) {
      return false;
    } else {
      positional << arguments[i];
    }
  }
  if (positional.isEmpty() || positional.size() > 2) return false;
  options.folder = QDir(positional[0]);
  if (positional.size() > 1) options.filter = positional[1];
  return true;
}

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

QString WindowName(const QWidget& window) { return kalkora::ObjectName(window); }

// Writes the pictures, and keeps the blank ones among the pictures of windows.
class Pictures {
 public:
  explicit Pictures(const Options& options) : options_(options) {}

  // Writes a picture.
  bool save(const QImage& picture, const QString& file) {
    const QString path = options_.folder.filePath(file + ".png");
    if (!picture.save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
  }

  // Writes a picture of a window and judges whether the window is blank.
  bool saveWindow(QWidget& window, const QString& file) {
    const QImage picture = window.grab().toImage();
    if (!save(picture, file)) return false;
    const QString name = WindowName(window);
    const double share = kalkora::screenshot::LargestColourShare(picture);
    const bool blank = share >= kalkora::screenshot::kBlankShare;
    std::printf("  %s: one colour on %.1f %% of the window%s\n", qPrintable(name), share * 100,
                blank ? ", blank" : "");
    if (blank && options_.mayBeBlank.contains(name)) {
      std::printf("  %s may still be blank\n", qPrintable(name));
    } else if (blank) {
      blank_ << file;
    } else if (options_.mayBeBlank.contains(name)) {
      std::printf("  %s shows content now: it need not be named by --may-be-blank any more\n",
                  qPrintable(name));
    }
    return true;
  }

  const QStringList& blank() const { return blank_; }

 private:
  const Options& options_;
  QStringList blank_;
};

// Triggers a menu item. A command that runs a dialog with an event loop of its own returns only
// when the dialog closes: such a dialog is pictured and closed from inside that loop. Returns
// whether that happened.
bool TriggerMenuItem(QAction& item, Pictures& pictures, const QString& file, int& failures) {
  bool triggering = true;
  bool pictured = false;
  QTimer inside;  // ends with this call, so it never fires later
  inside.setSingleShot(true);
  QObject::connect(&inside, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!triggering || !dialog || qobject_cast<kalkora::KalkoraWindow*>(dialog)) return;
    if (!pictures.saveWindow(*dialog, file)) ++failures;
    pictured = true;
    dialog->close();
  });
  inside.start(0);
  item.trigger();
  triggering = false;
  kalkora::screenshot::Settle();
  return pictured;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Options options;
  if (!ReadOptions(QApplication::arguments(), options)) {
    std::fprintf(stderr,
                 "usage: kalkora-screenshot [--fail-on-blank] [--may-be-blank WINDOW]... "
                 "FOLDER [NAME-FILTER]\n");
    return 2;
  }
  if (!QDir().mkpath(options.folder.path())) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(options.folder.path()));
    return 1;
  }

  kalkora::PrepareApplication(app);
  kalkora::SetRandomSeed(kalkora::screenshot::kScreenshotSeed);
  kalkora::TfrmKalkora& main = kalkora::StartKalkora();
  kalkora::screenshot::Settle();

  std::vector<kalkora::screenshot::Shot> shots = kalkora::screenshot::AllShots();
  for (kalkora::screenshot::Shot& shot :
       kalkora::screenshot::MenuCommandShots(*main.mainMenu(), shots)) {
    shots.push_back(std::move(shot));
  }

  Pictures pictures(options);
  int failures = 0;
  for (const kalkora::screenshot::Shot& shot : shots) {
    if (!options.filter.isEmpty() && !shot.file.contains(options.filter)) continue;
    QWidget* window = &main;
    if (!shot.menuItem.isEmpty()) {
      QAction* item = kalkora::screenshot::FindMenuItem(*main.mainMenu(), shot.menuItem);
      if (!item) {
        std::fprintf(stderr, "no menu item %s\n", qPrintable(shot.menuItem));
        ++failures;
        continue;
      }
      const bool dialogPictured = TriggerMenuItem(*item, pictures, shot.file, failures);
      window = visibleChildWindow(main);
      if (!window) {
        if (!dialogPictured) {
          std::fprintf(stderr, "%s opened no window\n", qPrintable(shot.menuItem));
          ++failures;
        }
        continue;
      }
    }
    if (shot.prepare) shot.prepare(*window);
    kalkora::screenshot::Settle();
    QWidget* pictured = shot.picture ? shot.picture(*window) : window;
    kalkora::screenshot::Settle();
    if (shot.render) {
      // A rendered picture (a sheet of paper) is written as it is, not judged as a window.
      if (!pictures.save(shot.render(*window), shot.file)) ++failures;
    } else if (!pictured || !pictures.saveWindow(*pictured, shot.file)) {
      ++failures;
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
  if (options.failOnBlank && !pictures.blank().isEmpty()) {
    std::fprintf(stderr, "blank windows: %s\n", qPrintable(pictures.blank().join(", ")));
    return 1;
  }
  return failures == 0 ? 0 : 1;
}
