// Worksheets on paper: the PDF file opens with the pages the layout has, a file that cannot be
// written leaves nothing behind, and the printer gets the same pages.

#include "worksheet/worksheet_output.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include "pdf_reading.h"
#include "worksheet/sheet_layout.h"
#include "worksheet/worksheet_kinds.h"

namespace kalkora::worksheet {
namespace {

using test::ReadPdfInfo;

Worksheet Sheet(std::string_view id, int level, int count, bool withKey) {
  WorksheetRequest request;
  request.kind = FindWorksheetKind(id);
  request.level = level;
  request.count = count;
  request.seed = 31;
  request.withKey = withKey;
  return MakeWorksheet(request);
}

QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

struct PdfCase {
  const char* kind;
  int level;
  int count;
  bool withKey;
};

TEST(WorksheetPdf, OpensWithThePagesOfItsLayout) {
  const QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const PdfCase& c :
       {PdfCase{"potenzen-multiplizieren", 2, 5, true},
        PdfCase{"potenzen-multiplizieren", 2, 5, false}, PdfCase{"terme-einsetzen", 1, 40, true},
        PdfCase{"bruchterme-ungleichnamig", 3, 40, true},
        PdfCase{"bruchterme-dividieren-durch-terme", 2, 12, false}}) {
    SCOPED_TRACE(std::string(c.kind) + " " + std::to_string(c.count));
    const Worksheet sheet = Sheet(c.kind, c.level, c.count, c.withKey);
    const QString path = folder.filePath(
        QStringLiteral("%1-%2%3.pdf").arg(c.kind).arg(c.count).arg(c.withKey ? "" : "-ohne"));
    EXPECT_EQ(WriteWorksheetPdf(sheet, path), QString());
    const std::optional<test::PdfInfo> info = ReadPdfInfo(path);
    ASSERT_TRUE(info.has_value()) << "pdfinfo (poppler-utils) cannot read the file";
    EXPECT_EQ(info->pages, static_cast<int>(LayOutWorksheet(sheet).pages.size()));
    EXPECT_TRUE(info->pageSize.contains(QStringLiteral("(A4)"))) << info->pageSize.toStdString();
    EXPECT_EQ(info->title, QString::fromStdU16String(sheet.title));
  }
  // Five power tasks fit one page; their key takes a second one.
  EXPECT_EQ(ReadPdfInfo(folder.filePath("potenzen-multiplizieren-5.pdf"))->pages, 2);
  EXPECT_EQ(ReadPdfInfo(folder.filePath("potenzen-multiplizieren-5-ohne.pdf"))->pages, 1);
  EXPECT_EQ(Entries(folder.path()).size(), 5);  // no temporary file stays behind
}

TEST(WorksheetPdf, ReplacesAnOlderFileWholly) {
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("blatt.pdf"));
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write(QByteArray(200000, 'x'));
  old.close();
  EXPECT_EQ(WriteWorksheetPdf(Sheet("bruchterme-kgv", 1, 5, true), path), QString());
  ASSERT_TRUE(ReadPdfInfo(path).has_value());
  EXPECT_EQ(Entries(folder.path()), QStringList{QStringLiteral("blatt.pdf")});
}

TEST(WorksheetPdf, AFileThatCannotBeWrittenLeavesNothingBehind) {
  const QTemporaryDir folder;
  QDir(folder.path()).mkdir(QStringLiteral("Ordner"));
  const Worksheet sheet = Sheet("terme-binome", 1, 5, true);
  struct Bad {
    QString path;
    QString reason;
  };
  for (const Bad& bad :
       {Bad{folder.filePath("fehlt/blatt.pdf"), QStringLiteral("den Ordner gibt es nicht")},
        Bad{folder.filePath("Ordner"), QStringLiteral("das ist ein Ordner")},
        Bad{QString(), QString()}}) {
    SCOPED_TRACE(bad.path.toStdString());
    const QString error = WriteWorksheetPdf(sheet, bad.path);
    EXPECT_TRUE(error.startsWith(QStringLiteral("Die Datei „"))) << error.toStdString();
    EXPECT_TRUE(error.contains(bad.reason)) << error.toStdString();
  }
  EXPECT_EQ(Entries(folder.path()), QStringList{QStringLiteral("Ordner")});
  EXPECT_TRUE(Entries(folder.filePath("Ordner")).isEmpty());
}

TEST(WorksheetPrinting, SendsThePagesOfTheLayoutToThePrinter) {
  const QTemporaryDir folder;
  const Worksheet sheet = Sheet("bruchterme-multiplizieren", 3, 20, true);
  QPrinter printer(QPrinter::HighResolution);
  PreparePrinter(printer, sheet);
  EXPECT_EQ(printer.docName(), QStringLiteral("Bruchterme – Multiplizieren (Stufe 3)"));
  EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
  // A printer that prints into a PDF file shows what it was sent.
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder.filePath(QStringLiteral("gedruckt.pdf")));
  ASSERT_TRUE(PrintWorksheet(printer, sheet));
  const std::optional<test::PdfInfo> info = ReadPdfInfo(printer.outputFileName());
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->pages, static_cast<int>(LayOutWorksheet(sheet).pages.size()));
}

}  // namespace
}  // namespace kalkora::worksheet
