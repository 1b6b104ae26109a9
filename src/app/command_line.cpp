#include "app/command_line.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <optional>

#include "app/version.h"
#include "drawing/fonts.h"
#include "frame/text_conversion.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheet_kinds.h"
#include "worksheet/worksheet_output.h"

namespace kalkora {
namespace {

using worksheet::WorksheetKind;

const QString kProgram = QStringLiteral("kalkora");

// The program's own options.
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
  std::vector<const QCommandLineOption*> all() const {
    return {&kinds, &worksheet, &level, &count, &seed, &noKey, &title, &output};
  }
};

struct Parser {
  QCommandLineParser parser;
  Options options;
  // The parser's own help and version options, with German descriptions.
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                          QStringLiteral("Zeigt diese Hilfe.")};
  QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                             QStringLiteral("Zeigt die Version.")};

  Parser() {
    parser.setApplicationDescription(
        QStringLiteral("Kalkora – Muster- und Übungsbeispiele zu Termen, Potenzen und "
                       "Bruchtermen.\nOhne Optionen öffnet Kalkora sein Fenster.\n\n"
                       "Ein Arbeitsblatt mit Lösungsblatt als PDF-Datei:\n"
                       "  kalkora --worksheet ART --level N --count N [--seed S] [--no-key] "
                       "-o DATEI.pdf"));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({help, version});
    for (const QCommandLineOption* option : options.all()) parser.addOption(*option);
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

// The options QGuiApplication and QApplication take from the command line themselves
// ("-platform xcb", also "--platform=xcb"), and whether each takes a value.
struct ToolkitOption {
  QLatin1StringView name;
  bool takesValue;
};
constexpr std::array kToolkitOptions{
    ToolkitOption{QLatin1StringView("platform"), true},
    ToolkitOption{QLatin1StringView("platformpluginpath"), true},
    ToolkitOption{QLatin1StringView("platformtheme"), true},
    ToolkitOption{QLatin1StringView("plugin"), true},
    ToolkitOption{QLatin1StringView("qwindowgeometry"), true},
    ToolkitOption{QLatin1StringView("qwindowicon"), true},
    ToolkitOption{QLatin1StringView("qwindowtitle"), true},
    ToolkitOption{QLatin1StringView("session"), true},
    ToolkitOption{QLatin1StringView("display"), true},
    ToolkitOption{QLatin1StringView("geometry"), true},
    ToolkitOption{QLatin1StringView("style"), true},
    ToolkitOption{QLatin1StringView("stylesheet"), true},
    ToolkitOption{QLatin1StringView("qmljsdebugger"), false},
    ToolkitOption{QLatin1StringView("reverse"), false},
    ToolkitOption{QLatin1StringView("widgetcount"), false},
    ToolkitOption{QLatin1StringView("nograb"), false},
    ToolkitOption{QLatin1StringView("dograb"), false},
    ToolkitOption{QLatin1StringView("sync"), false},
};

// The option an argument names ("--level=2" names "level"), or empty when it is no option.
QString OptionName(const QString& argument) {
  if (!argument.startsWith(u'-') || argument.size() < 2) return {};
  return argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1).section(u'=', 0, 0);
}

// The arguments without the toolkit's own options and their values, which the toolkit takes
// and the program leaves alone. The value of one of the program's options is kept whatever
// it looks like (‹--seed -1›).
QStringList WithoutToolkitOptions(const QStringList& arguments, const Options& options) {
  const std::vector<const QCommandLineOption*> own = options.all();
  const auto takesValue = [&own](const QString& name) {
    return std::any_of(own.begin(), own.end(), [&name](const QCommandLineOption* option) {
      return !option->valueName().isEmpty() && option->names().contains(name);
    });
  };
  QStringList kept;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    const QString name = i == 0 ? QString() : OptionName(argument);
    const bool valueAttached = argument.contains(u'=');
    const auto toolkit = std::find_if(
        kToolkitOptions.begin(), kToolkitOptions.end(),
        [&name](const ToolkitOption& option) { return !name.isEmpty() && option.name == name; });
    if (toolkit != kToolkitOptions.end()) {
      if (toolkit->takesValue && !valueAttached) ++i;
      continue;
    }
    kept << argument;
    if (!name.isEmpty() && !valueAttached && takesValue(name) && i + 1 < arguments.size()) {
      kept << arguments[++i];
    }
  }
  return kept;
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
  std::uint32_t seed = worksheet::NewSeed();
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
  const QStringList own = WithoutToolkitOptions(arguments, p.options);
  p.parser.parse(own);
  // An unknown option with two dashes is a mistyped option of the program; other arguments
  // (one dash, no dash) are left to the toolkit and the window, as they always were.
  const bool mistyped = std::any_of(
      own.begin() + std::min<qsizetype>(1, own.size()), own.end(), [](const QString& argument) {
        return argument.startsWith(QStringLiteral("--")) && argument.size() > 2;
      });
  return !p.parser.optionNames().isEmpty() || mistyped;
}

int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  Parser p;
  if (!p.parser.parse(WithoutToolkitOptions(arguments, p.options))) {
    return Bad(err, ParseError(p.parser));
  }
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
