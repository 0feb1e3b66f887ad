// The report file is decoded by the program's own rule for its files, not by a charset the
// file does not declare.
#include "ui/ReportDocument.h"

#include "model/FileAccess.h"
#include "model/TextEncoding.h"

#include <QDir>
#include <QTextDocument>

namespace balka {

QString ReadReportHtml(const std::filesystem::path& file) {
    // The file carries no charset declaration: its code page is decided here.
    return QString::fromStdString(DecodeFileText(ReadWholeFile(file).value_or(std::string())));
}

QUrl ReportBaseUrl(const std::filesystem::path& file) {
    const QString folder = QString::fromStdString(file.parent_path().string());
    return QUrl::fromLocalFile(QDir(folder).absolutePath() + QLatin1Char('/'));
}

std::unique_ptr<QTextDocument> LoadReportDocument(const std::filesystem::path& file) {
    auto document = std::make_unique<QTextDocument>();
    document->setBaseUrl(ReportBaseUrl(file));
    document->setHtml(ReadReportHtml(file));
    return document;
}

} // namespace balka
