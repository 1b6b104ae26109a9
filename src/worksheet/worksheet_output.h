#pragma once
// A worksheet on paper: as an A4 PDF file written by Qt's own PDF writer, or sent to a printer.

#include <QString>

#include "worksheet/worksheet.h"

class QPrinter;

namespace kalkora::worksheet {

// Writes the sheet (and its key) as a PDF file. The file appears complete or not at all: it is
// written to a temporary file in the same folder, which replaces `path` only when everything
// is written. Returns what went wrong, in German for the user; empty when the file is written.
QString WriteWorksheetPdf(const Worksheet& sheet, const QString& path);

// Sets the printer up for the sheet (A4, the whole paper, its title as the document name).
void PreparePrinter(QPrinter& printer, const Worksheet& sheet);

// Prints the sheet on a printer set up by PreparePrinter (and the print dialog). False when
// the printer cannot be painted on.
bool PrintWorksheet(QPrinter& printer, const Worksheet& sheet);

}  // namespace kalkora::worksheet
