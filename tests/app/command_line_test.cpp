// The command line: what it answers without a window, and the exit status and message of every
// bad argument, which never leaves a file behind.

#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "pdf_reading.h"

namespace kalkora {
namespace {

struct Answer {
  int status = -1;
  QString out;
  QString err;
};

Answer Answered(QStringList arguments) {
  arguments.prepend(QStringLiteral("kalkora"));
  Answer answer;
  QTextStream out(&answer.out);
  QTextStream err(&answer.err);
  answer.status = RunCommandLine(arguments, out, err);
  return answer;
}

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(CommandLine, OnlyTheProgramsOwnOptionsAreAnsweredWithoutAWindow) {
  const auto wants = [](QStringList arguments) {
    arguments.prepend(QStringLiteral("kalkora"));
    return WantsCommandLine(arguments);
  };
  EXPECT_FALSE(wants({}));
  EXPECT_FALSE(wants({"-platform", "offscreen"}));
  EXPECT_FALSE(wants({"-style", "fusion"}));
  EXPECT_FALSE(wants({"--platform", "xcb"}));
  EXPECT_FALSE(wants({"--style=fusion"}));
  EXPECT_FALSE(wants({"-platform", "--version"}));  // "--version" is the platform's name here
  EXPECT_TRUE(wants({"-platform", "xcb", "--version"}));
  EXPECT_TRUE(wants({"--version"}));
  EXPECT_TRUE(wants({"-v"}));
  EXPECT_TRUE(wants({"-h"}));
  EXPECT_TRUE(wants({"--worksheet-kinds"}));
  EXPECT_TRUE(wants({"--worksheet", "terme-binome"}));
  EXPECT_TRUE(wants({"-o", "blatt.pdf"}));
  EXPECT_TRUE(wants({"--worksheet-kind"}));  // mistyped: answered with a message
}

TEST(CommandLine, VersionAndHelpInTheUsualForm) {
  const Answer version = Answered({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, QStringLiteral("kalkora 3.10\n"));
  EXPECT_EQ(version.err, QString());
  EXPECT_EQ(Answered({"-v"}).out, version.out);

  const Answer help = Answered({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, QString());
  for (const char* shown :
       {"Usage:", "-h, --help", "-v, --version", "--worksheet-kinds", "--worksheet <ART>",
        "--level <N>", "--count <N>", "--seed <S>", "--no-key", "--title <TEXT>",
        "-o, --output <DATEI.pdf>", "Ohne Optionen öffnet Kalkora sein Fenster."}) {
    EXPECT_TRUE(help.out.contains(QString::fromUtf8(shown))) << shown;
  }
  EXPECT_EQ(Answered({"-h"}).out, help.out);
  EXPECT_TRUE(help.out.contains(QStringLiteral("Zeigt diese Hilfe.")));
  EXPECT_FALSE(help.out.contains(QStringLiteral("--help-all")));

  // The toolkit's own options, which it has taken already, change nothing.
  EXPECT_EQ(Answered({"-platform", "offscreen", "--version"}).out, version.out);
  EXPECT_EQ(Answered({"--version", "--style=fusion", "-reverse"}).out, version.out);
}

TEST(CommandLine, ListsTheWorksheetKindsOneALine) {
  const Answer kinds = Answered({"--worksheet-kinds"});
  EXPECT_EQ(kinds.status, 0);
  const QStringList lines = kinds.out.split(u'\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 19);
  EXPECT_EQ(lines.first(), QStringLiteral("terme-einsetzen\tStufe 1–3\tTerme – Einsetzen"));
  EXPECT_TRUE(
      lines.contains(QStringLiteral("bruchterme-gleichnamig\tStufe 1\tBruchterme – "
                                    "Addieren/Subtrahieren (gleichnamig)")));
  EXPECT_EQ(lines.last(), QStringLiteral("bruchterme-dividieren-durch-terme\tStufe 1–3\t"
                                         "Bruchterme – Dividieren durch Terme"));
}

struct GoodCase {
  QStringList arguments;  // the file's name follows "-o"
  int pages;              // of the PDF written
  QString title;
};

TEST(CommandLine, WritesTheWorksheetAsked) {
  const QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("blatt.pdf"));
  for (const GoodCase& c : {
           GoodCase{{"--worksheet", "potenzen-multiplizieren", "--level", "2", "--count", "5",
                     "--seed", "9"},
                    2,
                    QStringLiteral("Potenzen – Multiplizieren (Stufe 2)")},
           GoodCase{{"--worksheet", "potenzen-multiplizieren", "--level", "2", "--count", "5",
                     "--no-key"},
                    1,
                    QStringLiteral("Potenzen – Multiplizieren (Stufe 2)")},
           GoodCase{{"-style", "fusion", "--worksheet", "terme-binome", "--level=3", "--count=5",
                     "--title", "-style"},
                    2,
                    QStringLiteral("-style")},
           GoodCase{{"--count", " 40", "--level", "1", "--worksheet", "bruchterme-kgv", "--seed",
                     "4294967295", "--title", "Hausübung 3b"},
                    4,
                    QStringLiteral("Hausübung 3b")},
       }) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    const Answer answer = Answered(c.arguments + QStringList{"-o", file});
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.out + answer.err, QString());
    const std::optional<test::PdfInfo> info = test::ReadPdfInfo(file);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->pages, c.pages);
    EXPECT_EQ(info->title, c.title);
    QFile::remove(file);
  }
}

struct BadCase {
  QStringList arguments;
  const char* message;  // the first line after "kalkora: "
};

TEST(CommandLine, ABadArgumentEndsWithStatus2AMessageAndNoFile) {
  const QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("blatt.pdf"));
  const QStringList o{"-o", file};
  const QStringList good{"--level", "1", "--count", "10"};
  const auto sheet = [&](const QString& kind, const QStringList& more) {
    return QStringList{"--worksheet", kind} + more;
  };
  const std::vector<BadCase> cases{
      {sheet("terme", good + o),
       "Unbekannte Art „terme“. Die Arten zeigt „kalkora --worksheet-kinds“."},
      {sheet("", good + o), "Unbekannte Art „“. Die Arten zeigt „kalkora --worksheet-kinds“."},
      {sheet("terme-binome", QStringList{"--level", "0", "--count", "10"} + o),
       "Ungültige Stufe „0“: sie muss 1, 2 oder 3 sein."},
      {sheet("terme-binome", QStringList{"--level", "4", "--count", "10"} + o),
       "Ungültige Stufe „4“: sie muss 1, 2 oder 3 sein."},
      {sheet("terme-binome", QStringList{"--level", "zwei", "--count", "10"} + o),
       "Ungültige Stufe „zwei“: sie muss 1, 2 oder 3 sein."},
      {sheet("bruchterme-kgv", QStringList{"--level", "2", "--count", "10"} + o),
       "Ungültige Stufe „2“: „bruchterme-kgv“ hat nur Stufe 1."},
      {sheet("terme-binome", QStringList{"--level", "1", "--count", "4"} + o),
       "Ungültige Anzahl „4“: sie muss zwischen 5 und 40 liegen."},
      {sheet("terme-binome", QStringList{"--level", "1", "--count", "41"} + o),
       "Ungültige Anzahl „41“: sie muss zwischen 5 und 40 liegen."},
      {sheet("terme-binome", QStringList{"--level", "1", "--count", "10.5"} + o),
       "Ungültige Anzahl „10.5“: sie muss zwischen 5 und 40 liegen."},
      {sheet("terme-binome", good + QStringList{"--seed", "-1"} + o),
       "Ungültiger Startwert „-1“: er muss eine ganze Zahl von 0 bis 4294967295 sein."},
      {sheet("terme-binome", good + QStringList{"--seed", "4294967296"} + o),
       "Ungültiger Startwert „4294967296“: er muss eine ganze Zahl von 0 bis 4294967295 sein."},
      {sheet("terme-binome", QStringList{"--count", "10"} + o), "Es fehlt die Stufe (--level N)."},
      {sheet("terme-binome", QStringList{"--level", "1"} + o),
       "Es fehlt die Anzahl der Aufgaben (--count N)."},
      {sheet("terme-binome", good), "Es fehlt die Ausgabedatei (-o DATEI.pdf)."},
      {sheet("terme-binome", good + o + QStringList{"zweite.pdf"}),
       "Unerwartetes Argument „zweite.pdf“."},
      {sheet("terme-binome", good + QStringList{"-o", folder.filePath("fehlt/blatt.pdf")}),
       "Die Datei „%1/fehlt/blatt.pdf“ kann nicht geschrieben werden: den Ordner gibt es nicht."},
      {sheet("terme-binome", good + QStringList{"-o", folder.path()}),
       "Die Datei „%1“ kann nicht geschrieben werden: das ist ein Ordner."},
      {{"--worksheet"}, "Nach „--worksheet“ fehlt der Wert."},
      {sheet("terme-binome", good + QStringList{"--frobnicate"} + o),
       "Unbekannte Option „--frobnicate“."},
      {{"--worksheet-kind"}, "Unbekannte Option „--worksheet-kind“."},
      {{"--level", "2"}, "Die Option „--level“ gilt nur mit --worksheet."},
      {{"-o", "blatt.pdf"}, "Die Option „--output“ gilt nur mit --worksheet."},
      {{"--worksheet-kinds", "--worksheet", "terme-binome"},
       "--worksheet-kinds und --worksheet gehen nicht zusammen."},
  };
  for (const BadCase& c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    const Answer answer = Answered(c.arguments);
    EXPECT_EQ(answer.status, kBadArguments);
    EXPECT_EQ(answer.out, QString());
    const QString message =
        QString::fromUtf8(c.message).replace(QStringLiteral("%1"), folder.path());
    EXPECT_EQ(answer.err, QStringLiteral("kalkora: %1\nHilfe: kalkora --help\n").arg(message));
    EXPECT_TRUE(Entries(folder.path()).isEmpty());
  }
}

// The program itself, as a teacher's script runs it: no window and no display needed.
QProcess* Started(const QStringList& arguments) {
  auto* program = new QProcess;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  program->setProcessEnvironment(environment);
  program->start(QStringLiteral(KALKORA_EXECUTABLE), arguments);
  return program;
}

TEST(CommandLine, TheProgramAnswersWithoutADisplay) {
  const QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("blatt.pdf"));
  struct Call {
    QStringList arguments;
    int status;
    QString out;
    QString errStart;
  };
  for (const Call& call :
       {Call{{"--version"}, 0, QStringLiteral("kalkora 3.10\n"), QString()},
        Call{{"--worksheet", "terme-ergaenzen", "--level", "3", "--count", "40", "-o", file},
             0,
             QString(),
             QString()},
        Call{{"--worksheet", "terme-ergaenzen", "--level", "9", "--count", "40", "-o",
              folder.filePath("zwei.pdf")},
             2,
             QString(),
             QStringLiteral("kalkora: Ungültige Stufe „9“")}}) {
    SCOPED_TRACE(call.arguments.join(u' ').toStdString());
    std::unique_ptr<QProcess> program(Started(call.arguments));
    ASSERT_TRUE(program->waitForFinished(60000));
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), call.status);
    EXPECT_EQ(QString::fromUtf8(program->readAllStandardOutput()), call.out);
    const QString err = QString::fromUtf8(program->readAllStandardError());
    if (!call.errStart.isEmpty()) EXPECT_TRUE(err.contains(call.errStart)) << err.toStdString();
  }
  const std::optional<test::PdfInfo> info = test::ReadPdfInfo(file);
  ASSERT_TRUE(info.has_value());
  EXPECT_GT(info->pages, 2);
  EXPECT_EQ(Entries(folder.path()), QStringList{QStringLiteral("blatt.pdf")});

  std::unique_ptr<QProcess> help(Started({QStringLiteral("--help")}));
  ASSERT_TRUE(help->waitForFinished(60000));
  EXPECT_EQ(help->exitCode(), 0);
  const QString out = QString::fromUtf8(help->readAllStandardOutput());
  EXPECT_TRUE(out.startsWith(QStringLiteral("Usage: "))) << out.toStdString();
  EXPECT_TRUE(out.contains(QStringLiteral("--worksheet <ART>"))) << out.toStdString();
}

}  // namespace
}  // namespace kalkora
