// The paper copy is laid out with the device itself as the layout's paint device, so every length
// below is in the device's pixels; the report's HTML pixels are converted by the scale Qt's layout
// applies to them, measured rather than assumed.
#include "ui/ReportPages.h"

#include "model/FileAccess.h"
#include "ui/ReportTypeSizes.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextOption>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <vector>

namespace balka {

namespace {

constexpr qreal kBindingMarginMm = 20;
constexpr qreal kMarginMm = 12;
// The band at the foot of each page's text that holds the page number.
constexpr qreal kFooterMm = 7;
constexpr qreal kPointSize = 11;
// A table's type is made smaller, down to this, only while its narrowed columns break words.
constexpr qreal kSmallestPointSize = 7;

qreal MmToPixels(qreal mm, const QPaintDevice& device) {
    return mm * device.logicalDpiY() / 25.4;
}

QFont PaperFont(qreal pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    return font;
}

// Device pixels per pixel of the report's HTML (a table column's width, a picture's size).
qreal HtmlPixelScale(QPaintDevice& device) {
    constexpr qreal probeWidth = 1000;
    QTextDocument probe;
    probe.setDocumentMargin(0);
    probe.documentLayout()->setPaintDevice(&device);
    const QUrl name(QStringLiteral("probe"));
    probe.addResource(QTextDocument::ImageResource, name, QImage(1, 1, QImage::Format_RGB32));
    QTextImageFormat image;
    image.setName(name.toString());
    image.setWidth(probeWidth);
    image.setHeight(1);
    QTextCursor(&probe).insertImage(image);
    probe.setTextWidth(probeWidth * 100);
    return probe.idealWidth() / probeWidth;
}

// Each line of the report (the text between two line breaks) becomes a paragraph of its own, so
// that it can be kept on one page.
void SplitLinesIntoParagraphs(QTextDocument& document) {
    const QString separator(QChar::LineSeparator);
    QTextCursor edit(&document);
    edit.beginEditBlock();
    QTextCursor cursor(&document);
    while (!(cursor = document.find(separator, cursor)).isNull()) {
        cursor.insertBlock(cursor.blockFormat(), cursor.charFormat());
    }
    edit.endEditBlock();
}

int PageOf(qreal y, qreal pageHeight) {
    return static_cast<int>(std::floor(y / pageHeight));
}

// A pixel inside either edge: a paragraph that starts a page starts exactly on its top.
bool OnOnePage(qreal top, qreal bottom, qreal pageHeight) {
    return PageOf(top + 1, pageHeight) == PageOf(bottom - 1, pageHeight);
}

// A section's title: bold and underlined throughout.
bool IsTitle(const QTextBlock& block) {
    if (block.text().trimmed().isEmpty()) {
        return false;
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (format.fontWeight() < QFont::Bold || !format.fontUnderline()) {
            return false;
        }
    }
    return true;
}

// The first paragraph after `block` that shows something, in the text or in a table.
QTextBlock NextShown(QTextBlock block) {
    for (block = block.next(); block.isValid(); block = block.next()) {
        if (!block.text().trimmed().isEmpty()) {
            return block;
        }
    }
    return block;
}

void StartNextPage(const QTextBlock& block) {
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).setBlockFormat(format);
}

// A paragraph of the page's text that would run over the foot of a page starts the next page
// instead, so no sentence is torn between two pages (one taller than a page is left to break),
// and a section's title goes with the first thing shown after it. Moving a paragraph only moves
// what follows it, so one pass in the text's order is enough.
void KeepParagraphsOnOnePage(QTextDocument& document) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    const qreal pageHeight = document.pageSize().height();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (document.frameAt(block.position()) != document.rootFrame()) {
            continue;
        }
        const QRectF box = layout->blockBoundingRect(block);
        qreal bottom = box.bottom();
        if (IsTitle(block)) {
            const QTextBlock next = NextShown(block);
            if (next.isValid()) {
                bottom = layout->blockBoundingRect(next).bottom();
            }
        }
        if (!OnOnePage(box.top(), bottom, pageHeight) && bottom - box.top() < pageHeight) {
            StartNextPage(block);
            // What follows has moved; its places are read from a layout that knows it.
            layout->documentSize();
        }
    }
}

void CollectTables(QTextFrame* frame, std::vector<QTextTable*>& tables) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            tables.push_back(table);
        }
        CollectTables(child, tables);
    }
}

// The report's tables open with their header rows: the first row and the rows its cells span.
// They are repeated at the top of every page the table runs onto, and each line of a column's
// title stays whole, so a title reads as it is written.
void KeepHeaderRows(QTextTable& table) {
    int rows = 1;
    for (int column = 0; column < table.columns(); ++column) {
        rows = std::max(rows, table.cellAt(0, column).rowSpan());
    }
    if (rows >= table.rows()) {
        return;
    }
    QTextTableFormat format = table.format();
    format.setHeaderRowCount(rows);
    table.setFormat(format);
    const int headerEnd = table.cellAt(rows, 0).firstPosition();
    QTextCursor cursor = table.firstCursorPosition();
    cursor.beginEditBlock();
    for (QTextBlock block = cursor.block(); block.isValid() && block.position() < headerEnd;
         block = block.next()) {
        QTextBlockFormat title = block.blockFormat();
        title.setNonBreakableLines(true);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(title);
    }
    cursor.endEditBlock();
}

bool TableFits(QTextDocument& document, QTextTable& table, qreal width) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    layout->documentSize();
    const QRectF box = layout->frameBoundingRect(&table);
    return box.left() >= 0 && box.right() <= width;
}

// The columns lose their own widths and share the text width by what they hold, so their text
// wraps between words; the table, which the layout places a little in from the left edge, ends
// at the right one.
void NarrowToTextWidth(QTextDocument& document, QTextTable& table, qreal width) {
    QTextTableFormat format = table.format();
    format.setColumnWidthConstraints({});
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    table.setFormat(format);
    document.documentLayout()->documentSize();
    const qreal left = document.documentLayout()->frameBoundingRect(&table).left();
    format.setWidth(
        QTextLength(QTextLength::PercentageLength, std::floor(1000 * (width - left) / width) / 10));
    table.setFormat(format);
}

// A table wider than the text has its columns narrowed to the text width and, while its words
// still do not fit, its type made smaller step by step.
void FitTable(QTextDocument& document, QTextTable& table, qreal width) {
    KeepHeaderRows(table);
    if (TableFits(document, table, width)) {
        return;
    }
    NarrowToTextWidth(document, table, width);
    const std::vector<FragmentFormat> fragments =
        FragmentsBetween(document, table.firstPosition(), table.lastPosition());
    for (qreal size = kPointSize - 0.5;
         size >= kSmallestPointSize && !TableFits(document, table, width); size -= 0.5) {
        SetPointSize(document, fragments, size, kPointSize);
    }
}

// Words are kept whole on paper, so a column is never narrower than its widest word.
void WrapBetweenWords(QTextDocument& document) {
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    document.setDefaultTextOption(option);
}

// A word wider than the text (only a name from a file could be one) would run past the right
// margin; then words are broken anywhere, as the screen does, and nothing is cut.
void BreakOverlongWords(QTextDocument& document, qreal width) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const qreal left = layout->blockBoundingRect(block).left();
        const QTextLayout* lines = block.layout();
        for (int index = 0; index < lines->lineCount(); ++index) {
            const QTextLine line = lines->lineAt(index);
            if (left + line.x() + line.naturalTextWidth() > width) {
                QTextOption option = document.defaultTextOption();
                option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
                document.setDefaultTextOption(option);
                return;
            }
        }
    }
}

void FitTables(QTextDocument& document, qreal width) {
    std::vector<QTextTable*> tables;
    CollectTables(document.rootFrame(), tables);
    for (QTextTable* table : tables) {
        FitTable(document, *table, width);
    }
}

QImage ResourceImage(QTextDocument& document, const QString& name) {
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    if (resource.canConvert<QImage>()) {
        return resource.value<QImage>();
    }
    return QImage::fromData(resource.toByteArray());
}

// A picture wider than the text is scaled down to the text width, keeping its proportions.
void FitPictures(QTextDocument& document, qreal width, qreal htmlScale) {
    const qreal widest = width / htmlScale;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.isImageFormat()) {
                continue;
            }
            QTextImageFormat image = format.toImageFormat();
            const QSizeF natural = image.width() > 0 && image.height() > 0
                                       ? QSizeF(image.width(), image.height())
                                       : QSizeF(ResourceImage(document, image.name()).size());
            if (natural.width() <= widest || natural.isEmpty()) {
                continue;
            }
            image.setWidth(widest);
            image.setHeight(natural.height() * widest / natural.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.fragment().position());
            cursor.setPosition(fragment.fragment().position() + fragment.fragment().length(),
                               QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}

qreal FooterHeight(const QPaintDevice& device) {
    return MmToPixels(kFooterMm, device);
}

} // namespace

QPageLayout ReportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kBindingMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

std::unique_ptr<QTextDocument> PaperReport(const QTextDocument& report, QPagedPaintDevice& device) {
    device.setPageLayout(ReportPageLayout());
    std::unique_ptr<QTextDocument> paper(report.clone());
    // The copy keeps the report's resources but not where further ones are looked up.
    paper->setBaseUrl(report.baseUrl());
    paper->setDefaultFont(PaperFont(kPointSize));
    paper->setDocumentMargin(0);
    paper->documentLayout()->setPaintDevice(&device);
    const qreal width = device.width();
    paper->setPageSize(QSizeF(width, device.height() - FooterHeight(device)));
    // Laid out whole before and after every step: a change made to a document whose layout
    // has not caught up with the previous one leaves paragraphs without lines (Qt 6.4).
    const auto layOut = [&paper] { paper->documentLayout()->documentSize(); };
    layOut();
    SplitLinesIntoParagraphs(*paper);
    layOut();
    WrapBetweenWords(*paper);
    layOut();
    FitPictures(*paper, width, HtmlPixelScale(device));
    layOut();
    FitTables(*paper, width);
    layOut();
    BreakOverlongWords(*paper, width);
    layOut();
    KeepParagraphsOnOnePage(*paper);
    layOut();
    return paper;
}

bool PaintReport(const QTextDocument& report, QPagedPaintDevice& device) {
    const std::unique_ptr<QTextDocument> paper = PaperReport(report, device);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QSizeF page = paper->pageSize();
    const int pages = paper->pageCount();
    const QRectF foot(0, page.height(), page.width(), FooterHeight(device));
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !device.newPage()) {
            return false;
        }
        const QRectF shown(0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown;
        context.palette.setColor(QPalette::Text, Qt::black);
        paper->documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setPen(Qt::black);
        painter.setFont(PaperFont(kPointSize - 1));
        painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Страница %1 из %2").arg(index + 1).arg(pages));
    }
    return painter.end();
}

void WriteReportPdf(const QTextDocument& report, const std::filesystem::path& file) {
    QByteArray bytes;
    bool painted = false;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Драволит-Балка"));
        writer.setTitle(QStringLiteral("Расчет балки Dravolit"));
        painted = PaintReport(report, writer);
    }
    if (!painted || bytes.isEmpty()) {
        throw FileError("Не удалось записать файл \"" + file.string() + "\".");
    }
    WriteFileReplacing(file, bytes.toStdString());
}

} // namespace balka
