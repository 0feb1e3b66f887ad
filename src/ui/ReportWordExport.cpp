// The document is made whole in memory and written by the replacing write; the word processor is
// started detached and never waited for.
#include "ui/ReportWordExport.h"

#include "model/FileAccess.h"
#include "ui/ReportTypeSizes.h"

#include <QBuffer>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <cmath>
#include <memory>

namespace balka {

namespace {

constexpr const char* kOdtType = "application/vnd.oasis.opendocument.text";
// The word processor's document: the report's text size, and the text width of an A4 page
// with margins of 2 cm (its usual page), in points.
constexpr qreal kWordPointSize = 11;
constexpr qreal kWordTablePointSize = 9;
constexpr qreal kWordTextWidthPt = 470;
// Tried in this order when the desktop names no application for the type.
constexpr const char* kWordProcessors[] = {"libreoffice", "soffice", "lowriter", "abiword",
                                           "calligrawords"};

// The pictures of a copy of the report named by their full URLs instead of beside the report.
std::unique_ptr<QTextDocument> WithFullPictureNames(const QTextDocument& report) {
    std::unique_ptr<QTextDocument> copy(report.clone());
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.isImageFormat()) {
                continue;
            }
            QTextImageFormat image = format.toImageFormat();
            image.setName(report.baseUrl().resolved(QUrl(image.name())).toString());
            QTextCursor cursor(copy.get());
            cursor.setPosition(fragment.fragment().position());
            cursor.setPosition(fragment.fragment().position() + fragment.fragment().length(),
                               QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
    return copy;
}

// The copy of the report the word processor gets. Its type sizes are given in points (the
// OpenDocument writer knows nothing of the report's HTML font sizes and would print subscripts
// as large as the text), and its tables' columns, screen pixels that the writer gives as points,
// are scaled in proportion to fit the width of an A4 page's text, with the tables' type a little
// smaller so that their numbers fit the narrower columns.
std::unique_ptr<QTextDocument> WordCopy(const QTextDocument& report) {
    std::unique_ptr<QTextDocument> copy(report.clone());
    copy->setBaseUrl(report.baseUrl());
    SetPointSize(*copy, FragmentsBetween(*copy, 0, copy->characterCount()), kWordPointSize,
                 report.defaultFont().pointSizeF());
    for (QTextFrame* frame : copy->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr) {
            continue;
        }
        SetPointSize(*copy, FragmentsBetween(*copy, table->firstPosition(), table->lastPosition()),
                     kWordTablePointSize, kWordPointSize);
        QTextTableFormat format = table->format();
        QList<QTextLength> widths = format.columnWidthConstraints();
        qreal total = 0;
        for (const QTextLength& width : widths) {
            total += width.type() == QTextLength::FixedLength ? width.rawValue() : 0;
        }
        if (total <= kWordTextWidthPt) {
            continue;
        }
        for (QTextLength& width : widths) {
            if (width.type() == QTextLength::FixedLength) {
                width = QTextLength(QTextLength::FixedLength,
                                    std::floor(width.rawValue() * kWordTextWidthPt / total));
            }
        }
        format.setColumnWidthConstraints(widths);
        table->setFormat(format);
    }
    return copy;
}

// The desktop's own choice for OpenDocument texts, when it has one.
bool DesktopHasWordProcessor() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QString::fromLatin1(kOdtType)});
    return query.waitForFinished(5000) && query.exitStatus() == QProcess::NormalExit &&
           query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

void CopyReportToClipboard(const QTextDocument& report) {
    auto* mime = new QMimeData;
    mime->setHtml(WithFullPictureNames(report)->toHtml());
    mime->setText(report.toPlainText());
    QGuiApplication::clipboard()->setMimeData(mime);
}

void WriteReportOdt(const QTextDocument& report, const std::filesystem::path& file) {
    QByteArray bytes;
    bool written = false;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QTextDocumentWriter writer(&buffer, "odf");
        written = writer.write(WordCopy(report).get());
    }
    if (!written || bytes.isEmpty()) {
        throw FileError("Не удалось записать файл \"" + file.string() + "\".");
    }
    WriteFileReplacing(file, bytes.toStdString());
}

bool OpenInWordProcessor(const QString& file) {
    if (DesktopHasWordProcessor() && QDesktopServices::openUrl(QUrl::fromLocalFile(file))) {
        return true;
    }
    for (const char* name : kWordProcessors) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!program.isEmpty() && QProcess::startDetached(program, {file})) {
            return true;
        }
    }
    return false;
}

} // namespace balka
