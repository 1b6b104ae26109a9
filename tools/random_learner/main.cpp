// kalkora-random-learner [--seed N] [--actions N] [--screen WxH] [--trace]
// Starts Kalkora offscreen as the executable does and lets a random learner use it for N
// actions (5000 unless told), checking after every action what must always hold. Prints the
// seed and, on a failure, the number of the action after which it was seen; the same seed and
// number replay the session up to there (--trace prints each action first).

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <random>

#include "app/application.h"
#include "random_learner.h"

namespace {

// The value of "--screen WxH" or "--screen=WxH", read before the application exists: the
// offscreen platform takes its screen when it starts.
QByteArray ScreenArgument(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--screen") == 0 && i + 1 < argc) return argv[i + 1];
    if (std::strncmp(argv[i], "--screen=", 9) == 0) return argv[i] + 9;
  }
  return {};
}

// Starts the offscreen platform with one screen of the size ("1024x768"); false for a size
// that cannot be read.
bool UseOffscreenScreen(const QByteArray& size, const QTemporaryDir& folder) {
  const QList<QByteArray> sides = size.split('x');
  bool widthRead = false;
  bool heightRead = false;
  const int width = sides.size() == 2 ? sides[0].toInt(&widthRead) : 0;
  const int height = sides.size() == 2 ? sides[1].toInt(&heightRead) : 0;
  if (!widthRead || !heightRead || width <= 0 || height <= 0) return false;
  const QString path = folder.filePath(QStringLiteral("screen.json"));
  QFile config(path);
  if (!config.open(QIODevice::WriteOnly)) return false;
  config.write(QStringLiteral("{\"screens\": [{\"name\": \"learner\", \"x\": 0, \"y\": 0, "
                              "\"width\": %1, \"height\": %2, \"logicalDpiX\": 96, "
                              "\"logicalDpiY\": 96, \"dpr\": 1}]}")
                   .arg(width)
                   .arg(height)
                   .toUtf8());
  config.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toLocal8Bit());
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  const QByteArray screen = ScreenArgument(argc, argv);
  const QTemporaryDir folder;
  if (!screen.isEmpty() && !UseOffscreenScreen(screen, folder)) {
    std::fprintf(stderr, "--screen takes a size such as 1024x768\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("A random learner uses Kalkora."));
  parser.addHelpOption();
  const QCommandLineOption seedOption(QStringLiteral("seed"),
                                      QStringLiteral("The seed (a new one unless given)."),
                                      QStringLiteral("N"));
  const QCommandLineOption actionsOption(QStringLiteral("actions"),
                                         QStringLiteral("How many actions (5000)."),
                                         QStringLiteral("N"), QStringLiteral("5000"));
  const QCommandLineOption screenOption(
      QStringLiteral("screen"),
      QStringLiteral("The size of the offscreen screen, such as 1024x768 (where the windows "
                     "open maximised)."),
      QStringLiteral("WxH"));
  const QCommandLineOption traceOption(QStringLiteral("trace"),
                                       QStringLiteral("Print every action before it is done."));
  parser.addOptions({seedOption, actionsOption, screenOption, traceOption});
  parser.process(app);

  kalkora::learner::LearnerOptions options;
  bool seedRead = true;
  options.seed = parser.isSet(seedOption) ? parser.value(seedOption).toUInt(&seedRead)
                                          : std::random_device{}();
  bool actionsRead = true;
  options.actions = parser.value(actionsOption).toLong(&actionsRead);
  if (!seedRead || !actionsRead || options.actions < 0) {
    std::fprintf(stderr, "--seed and --actions take whole numbers\n");
    return 2;
  }
  options.trace = parser.isSet(traceOption);

  std::printf("random learner: seed %u, %ld actions\n", options.seed, options.actions);
  std::fflush(stdout);
  kalkora::PrepareApplication(app);
  QElapsedTimer clock;
  clock.start();
  const kalkora::learner::LearnerReport report = kalkora::learner::RunRandomLearner(options);
  std::printf("%s", qPrintable(kalkora::learner::Describe(options, report)));
  std::printf("%.1f s\n", static_cast<double>(clock.elapsed()) / 1000.0);
  return report.failure.isEmpty() ? 0 : 1;
}
