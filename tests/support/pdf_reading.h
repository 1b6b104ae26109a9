#pragma once
// Reading a written PDF file back with the poppler tools (pdfinfo, from Debian's
// poppler-utils), as a program that opens it would.

#include <QString>
#include <optional>

namespace kalkora::test {

struct PdfInfo {
  int pages = 0;
  QString pageSize;  // "595 x 842 pts (A4)"
  QString title;
};

// What pdfinfo reports on the file; nothing when it cannot read it as a PDF.
std::optional<PdfInfo> ReadPdfInfo(const QString& path);

}  // namespace kalkora::test
