#include "pdf_reading.h"

#include <QProcess>
#include <QRegularExpression>

namespace kalkora::test {

std::optional<PdfInfo> ReadPdfInfo(const QString& path) {
  QProcess pdfinfo;
  pdfinfo.start(QStringLiteral("pdfinfo"), {path});
  if (!pdfinfo.waitForFinished(30000) || pdfinfo.exitStatus() != QProcess::NormalExit ||
      pdfinfo.exitCode() != 0) {
    return std::nullopt;
  }
  const QString report = QString::fromUtf8(pdfinfo.readAllStandardOutput());
  const auto field = [&report](const QString& name) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^%1:\\s*(.*)$").arg(name),
                           QRegularExpression::MultilineOption)
            .match(report);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
  };
  PdfInfo info;
  info.pages = field(QStringLiteral("Pages")).toInt();
  info.pageSize = field(QStringLiteral("Page size"));
  info.title = field(QStringLiteral("Title"));
  return info;
}

}  // namespace kalkora::test
