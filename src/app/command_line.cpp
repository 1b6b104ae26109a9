#include "app/command_line.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

#include "app/version.h"
#include "base/random.h"
#include "drawing/fonts.h"
#include "frame/text_conversion.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheet_kinds.h"
#include "worksheet/worksheet_output.h"

namespace kalkora {
namespace {

using worksheet::WorksheetKind;

const QString kProgram = QStringLiteral("kalkora");

// The program's options; help and version come from the parser itself.
struct Options {
  QCommandLineOption kinds{QStringLiteral("worksheet-kinds"),
                           QStringLiteral("Listet die Arten von Arbeitsblättern, eine je Zeile: "
                                          "Name, Stufen, Bezeichnung.")};
  QCommandLineOption worksheet{QStringLiteral("worksheet"),
                               QStringLiteral("Schreibt ohne Fenster ein Arbeitsblatt dieser Art "
                                              "als PDF-Datei (mit -o)."),
                               QStringLiteral("ART")};
  QCommandLineOption level{QStringLiteral("level"),
                           QStringLiteral("Die Stufe der Aufgaben: 1, 2 oder 3 (Arten ohne "
                                          "Stufen: 1)."),
                           QStringLiteral("N")};
  QCommandLineOption count{QStringLiteral("count"),
                           QStringLiteral("Die Anzahl der Aufgaben, %1 bis %2.")
                               .arg(worksheet::kFewestTasks)
                               .arg(worksheet::kMostTasks),
                           QStringLiteral("N")};
  QCommandLineOption seed{QStringLiteral("seed"),
                          QStringLiteral("Der Startwert (0 bis 4294967295): derselbe Startwert "
                                         "ergibt dasselbe Blatt. Ohne ihn ein neues Blatt."),
                          QStringLiteral("S")};
  QCommandLineOption noKey{QStringLiteral("no-key"), QStringLiteral("Ohne Lösungsblatt.")};
  QCommandLineOption title{QStringLiteral("title"),
                           QStringLiteral("Die Überschrift (ohne sie: die Bezeichnung der Art)."),
                           QStringLiteral("TEXT")};
  QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                            QStringLiteral("Die PDF-Datei, die geschrieben wird."),
                            QStringLiteral("DATEI.pdf")};

  // The options that belong to --worksheet.
  std::vector<const QCommandLineOption*> sheetOptions() const {
    return {&level, &count, &seed, &noKey, &title, &output};
  }
};

struct Parser {
  QCommandLineParser parser;
  Options options;
  QCommandLineOption help{QStringLiteral("h")};
  QCommandLineOption version{QStringLiteral("v")};

  Parser() {
    parser.setApplicationDescription(
        QStringLiteral("Kalkora – Muster- und Übungsbeispiele zu Termen, Potenzen und "
                       "Bruchtermen.\nOhne Optionen öffnet Kalkora sein Fenster.\n\n"
                       "Ein Arbeitsblatt mit Lösungsblatt als PDF-Datei:\n"
                       "  kalkora --worksheet ART --level N --count N [--seed S] [--no-key] "
                       "-o DATEI.pdf"));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    help = parser.addHelpOption();
    version = parser.addVersionOption();
    parser.addOptions({options.kinds, options.worksheet, options.level, options.count, options.seed,
                       options.noKey, options.title, options.output});
  }
};

// A bad argument: the message, then where to find help.
int Bad(QTextStream& err, const QString& message) {
  err << kProgram << ": " << message << "\n" << QStringLiteral("Hilfe: kalkora --help") << "\n";
  err.flush();
  return kBadArguments;
}

QString Quoted(const QString& text) { return QStringLiteral("„%1“").arg(text); }

// Why the parser refused the arguments, in the program's words.
QString ParseError(const QCommandLineParser& parser) {
  if (!parser.unknownOptionNames().isEmpty()) {
    const QString name = parser.unknownOptionNames().constFirst();
    return QStringLiteral("Unbekannte Option %1.")
        .arg(Quoted((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name));
  }
  const QRegularExpressionMatch quoted =
      QRegularExpression(QStringLiteral("'([^']*)'")).match(parser.errorText());
  if (quoted.hasMatch()) {
    return QStringLiteral("Nach %1 fehlt der Wert.").arg(Quoted(quoted.captured(1)));
  }
  return parser.errorText();
}

std::optional<int> WholeNumber(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

// The options QGuiApplication and QApplication take from the command line themselves.
bool IsToolkitOption(const QString& name) {
  static const QStringList kToolkit{
      QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
      QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
      QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
      QStringLiteral("qwindowtitle"),    QStringLiteral("reverse"),
      QStringLiteral("session"),         QStringLiteral("display"),
      QStringLiteral("geometry"),        QStringLiteral("style"),
      QStringLiteral("stylesheet"),      QStringLiteral("widgetcount"),
      QStringLiteral("qmljsdebugger"),   QStringLiteral("nograb"),
      QStringLiteral("dograb"),          QStringLiteral("sync")};
  return kToolkit.contains(name.section(u'=', 0, 0));
}

QString KindLine(const WorksheetKind& kind) {
  const QString levels =
      kind.levels == 1 ? QStringLiteral("Stufe 1") : QStringLiteral("Stufe 1–%1").arg(kind.levels);
  return QString::fromLatin1(kind.id.data(), static_cast<qsizetype>(kind.id.size())) + u'\t' +
         levels + u'\t' + ToQString(kind.topic) + QStringLiteral(" – ") + ToQString(kind.name);
}

int ListKinds(QTextStream& out) {
  for (const WorksheetKind& kind : worksheet::WorksheetKinds()) out << KindLine(kind) << "\n";
  out.flush();
  return 0;
}

int MakeWorksheet(const Parser& p, QTextStream& err) {
  const QCommandLineParser& parser = p.parser;
  const Options& o = p.options;
  if (!parser.positionalArguments().isEmpty()) {
    return Bad(err, QStringLiteral("Unerwartetes Argument %1.")
                        .arg(Quoted(parser.positionalArguments().constFirst())));
  }
  const QString id = parser.value(o.worksheet);
  const WorksheetKind* kind = worksheet::FindWorksheetKind(id.toStdString());
  if (kind == nullptr) {
    return Bad(err, QStringLiteral("Unbekannte Art %1. Die Arten zeigt „kalkora "
                                   "--worksheet-kinds“.")
                        .arg(Quoted(id)));
  }
  if (!parser.isSet(o.level)) return Bad(err, QStringLiteral("Es fehlt die Stufe (--level N)."));
  const std::optional<int> level = WholeNumber(parser.value(o.level));
  if (!level || *level < 1 || *level > kind->levels) {
    const QString allowed = kind->levels == 1 ? QStringLiteral("%1 hat nur Stufe 1").arg(Quoted(id))
                                              : QStringLiteral("sie muss 1, 2 oder 3 sein");
    return Bad(
        err, QStringLiteral("Ungültige Stufe %1: %2.").arg(Quoted(parser.value(o.level)), allowed));
  }
  if (!parser.isSet(o.count)) {
    return Bad(err, QStringLiteral("Es fehlt die Anzahl der Aufgaben (--count N)."));
  }
  const std::optional<int> count = WholeNumber(parser.value(o.count));
  if (!count || *count < worksheet::kFewestTasks || *count > worksheet::kMostTasks) {
    return Bad(err, QStringLiteral("Ungültige Anzahl %1: sie muss zwischen %2 und %3 liegen.")
                        .arg(Quoted(parser.value(o.count)))
                        .arg(worksheet::kFewestTasks)
                        .arg(worksheet::kMostTasks));
  }
  std::uint32_t seed = ClockSeed() % 1'000'000;
  if (parser.isSet(o.seed)) {
    bool ok = false;
    seed = parser.value(o.seed).trimmed().toUInt(&ok);
    if (!ok) {
      return Bad(err, QStringLiteral("Ungültiger Startwert %1: er muss eine ganze Zahl von 0 "
                                     "bis 4294967295 sein.")
                          .arg(Quoted(parser.value(o.seed))));
    }
  }
  if (!parser.isSet(o.output)) {
    return Bad(err, QStringLiteral("Es fehlt die Ausgabedatei (-o DATEI.pdf)."));
  }
  worksheet::WorksheetRequest request;
  request.kind = kind;
  request.level = *level;
  request.count = *count;
  request.seed = seed;
  request.title = ToText(parser.value(o.title).trimmed());
  request.withKey = !parser.isSet(o.noKey);
  const QString error =
      worksheet::WriteWorksheetPdf(worksheet::MakeWorksheet(request), parser.value(o.output));
  if (!error.isEmpty()) return Bad(err, error);
  return 0;
}

}  // namespace

QStringList ArgumentsOf(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

bool WantsCommandLine(const QStringList& arguments) {
  Parser p;
  p.parser.parse(arguments);
  // An unknown option with two dashes is a mistyped option of the program. The toolkit's own
  // options usually have one ("-platform xcb", "-style fusion"); Qt takes them with two as well.
  const bool mistyped = std::any_of(arguments.begin() + std::min<qsizetype>(1, arguments.size()),
                                    arguments.end(), [](const QString& argument) {
                                      return argument.startsWith(QStringLiteral("--")) &&
                                             argument.size() > 2 &&
                                             !IsToolkitOption(argument.mid(2));
                                    });
  return !p.parser.optionNames().isEmpty() || mistyped;
}

int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  Parser p;
  if (!p.parser.parse(arguments)) return Bad(err, ParseError(p.parser));
  const QCommandLineParser& parser = p.parser;
  if (parser.isSet(p.help)) {
    out << parser.helpText();
    out.flush();
    return 0;
  }
  if (parser.isSet(p.version)) {
    out << kProgram << " " << KALKORA_VERSION << "\n";
    out.flush();
    return 0;
  }
  const bool sheet = parser.isSet(p.options.worksheet);
  if (parser.isSet(p.options.kinds)) {
    if (sheet) {
      return Bad(err, QStringLiteral("--worksheet-kinds und --worksheet gehen nicht zusammen."));
    }
    return ListKinds(out);
  }
  if (!sheet) {
    for (const QCommandLineOption* option : p.options.sheetOptions()) {
      if (parser.isSet(*option)) {
        return Bad(err, QStringLiteral("Die Option %1 gilt nur mit --worksheet.")
                            .arg(Quoted(QStringLiteral("--") + option->names().constLast())));
      }
    }
    return Bad(err, QStringLiteral("Es fehlt, was zu tun ist (--worksheet ART oder --help)."));
  }
  return MakeWorksheet(p, err);
}

int RunWithoutWindow(int argc, char* argv[]) {
  const QStringList arguments = ArgumentsOf(argc, argv);
  // The offscreen platform: fonts and painting without a display.
  QByteArray platform("-platform");
  QByteArray offscreen("offscreen");
  char* applicationArguments[] = {argv[0], platform.data(), offscreen.data(), nullptr};
  int applicationArgumentCount = 3;
  QGuiApplication application(applicationArgumentCount, applicationArguments);
  QCoreApplication::setApplicationName(kProgram);
  QCoreApplication::setApplicationVersion(QStringLiteral(KALKORA_VERSION));
  LoadProgramFonts();
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunCommandLine(arguments, out, err);
}

}  // namespace kalkora
