// The report on paper: one page layout for the print preview, the printer and the PDF file (A4
// portrait, 20 mm on the left for binding, 12 mm elsewhere, the page number at the foot), and the
// painting of the report onto such pages. Nothing is ever cut at the right margin: a table wider
// than the text has its columns narrowed in proportion so that their text wraps, the report's
// type is made smaller only when even that is not enough, the picture is scaled down to the text
// width, a table broken by a page repeats its header rows, and no line of the report is split
// between two pages. Needs only the graphics part of Qt, so a program without windows can write
// the PDF file.
#pragma once

#include <QPageLayout>
#include <filesystem>
#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace balka {

QPageLayout ReportPageLayout();

// A copy of the report laid out on the device's pages with ReportPageLayout (which it gives the
// device), the page number band left free at the foot of every page.
std::unique_ptr<QTextDocument> PaperReport(const QTextDocument& report, QPagedPaintDevice& device);

// Paints the report onto the device's pages. False when the device does not start painting (a
// printer that refuses the job, a file that cannot be opened).
bool PaintReport(const QTextDocument& report, QPagedPaintDevice& device);

// The report as a PDF file with the paper layout, replacing an earlier file only once the whole
// file is made. Throws FileError (a Russian text naming the file) when it cannot be written.
void WriteReportPdf(const QTextDocument& report, const std::filesystem::path& file);

} // namespace balka
