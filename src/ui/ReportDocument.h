// report.html as Qt's rich-text document. The file is read back as the program wrote it
// (Windows-1251, or UTF-8 when its bytes are valid UTF-8) and its picture is looked up beside it,
// the report naming it relative to the report file.
#pragma once

#include <QString>
#include <QUrl>
#include <filesystem>
#include <memory>

class QTextDocument;

namespace balka {

// The report file's text; empty when it cannot be read.
QString ReadReportHtml(const std::filesystem::path& file);

// The URL the report's relative names are resolved against: its folder.
QUrl ReportBaseUrl(const std::filesystem::path& file);

// The report file as a document whose picture loads from beside the file.
std::unique_ptr<QTextDocument> LoadReportDocument(const std::filesystem::path& file);

} // namespace balka
