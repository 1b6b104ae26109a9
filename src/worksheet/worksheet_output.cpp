#include "worksheet/worksheet_output.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include "frame/text_conversion.h"
#include "worksheet/sheet_layout.h"
#include "worksheet/sheet_painting.h"

namespace kalkora::worksheet {
namespace {

constexpr int kPdfDotsPerInch = 1200;

QString CannotWrite(const QString& path, const QString& reason) {
  return QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2.")
      .arg(QDir::toNativeSeparators(path), reason);
}

// Why a file cannot be made at `path`, in words for the user.
QString Reason(const QString& path, const QSaveFile& file) {
  const QFileInfo info(path);
  const QFileInfo folder(info.absolutePath());
  if (!folder.isDir()) return QStringLiteral("den Ordner gibt es nicht");
  if (info.isDir()) return QStringLiteral("das ist ein Ordner");
  if (!folder.isWritable() || (info.exists() && !info.isWritable())) {
    return QStringLiteral("keine Schreibberechtigung");
  }
  return file.errorString();
}

QPageLayout A4() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

}  // namespace

QString WriteWorksheetPdf(const Worksheet& sheet, const QString& path) {
  QSaveFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::WriteOnly))
    return CannotWrite(path, Reason(path, file));
  {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfDotsPerInch);
    writer.setPageLayout(A4());
    writer.setTitle(ToQString(sheet.title));
    writer.setCreator(QStringLiteral("Kalkora"));
    if (!PaintWorksheet(writer, sheet, LayOutWorksheet(sheet))) {
      file.cancelWriting();
      return CannotWrite(path, QStringLiteral("die Seiten konnten nicht gezeichnet werden"));
    }
  }
  if (!file.commit()) return CannotWrite(path, Reason(path, file));
  return {};
}

void PreparePrinter(QPrinter& printer, const Worksheet& sheet) {
  printer.setPageLayout(A4());
  printer.setFullPage(true);
  printer.setDocName(ToQString(sheet.title));
  printer.setCreator(QStringLiteral("Kalkora"));
}

bool PrintWorksheet(QPrinter& printer, const Worksheet& sheet) {
  printer.setFullPage(true);
  return PaintWorksheet(printer, sheet, LayOutWorksheet(sheet));
}

}  // namespace kalkora::worksheet
