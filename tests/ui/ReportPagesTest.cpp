// The report of real calculations as Qt's own rich-text reader makes it, and laid out on A4: every
// conclusion reads whole, the tables stay within the text width, a table broken by a page repeats
// its header rows, no line is torn between two pages, and the PDF file is A4.
#include "ui/ReportPages.h"
#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "model/TextEncoding.h"
#include "project/CommandLine.h"
#include "project/TempFolder.h"
#include "ui/QtCanvas.h"
#include "ui/ReportDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QtTest>
#include <sstream>
#include <vector>

using namespace balka;

namespace {

// Two spans of 6 m under 100 kg/m (Yf 1,2) with two holes; 75 x 300 mm passes every check,
// 45 x 200 mm loses its stability in both spans.
const char* const kTwoSpansWithHoles = "[Геометрия]\r\nКоличество пролетов=2\r\n"
                                       "Угол=0\r\nЛевая опора=1\r\nПравая опора=1\r\n"
                                       "[Пролет 1]\r\nДлина=6\r\n[Пролет 2]\r\nДлина=6\r\n"
                                       "[Нагрузки]\r\nКоличество нагрузок=2\r\n"
                                       "[Нагрузка 1]\r\nПролет=0\r\nТип=1\r\nЗначение=100\r\n"
                                       "Коэффициент надежности=1,2\r\n"
                                       "Коэффициент длительности=1\r\nПривязка= \r\nДлина= \r\n"
                                       "[Нагрузка 2]\r\nПролет=2\r\nТип=3\r\nЗначение=80\r\n"
                                       "Коэффициент надежности=1,3\r\n"
                                       "Коэффициент длительности=0,5\r\nПривязка=1,5\r\n"
                                       "Длина=2\r\n"
                                       "[Отверстия]\r\nКоличество отверстий=2\r\n"
                                       "[Отверстие 1]\r\nПролет=1\r\nДиаметр=40\r\n"
                                       "Привязка х=1\r\nПривязка у=0\r\n"
                                       "[Отверстие 2]\r\nПролет=2\r\nДиаметр=60\r\n"
                                       "Привязка х=3\r\nПривязка у=0,05\r\n";
const char* const kPassingSection = "[Расчет]\r\nШирина сечения=75\r\nВысота сечения=300\r\n";
const char* const kFailingSection = "[Расчет]\r\nШирина сечения=45\r\nВысота сечения=200\r\n";

std::filesystem::path RepositoryFolder() {
    return std::filesystem::path(BALKA_TEST_DATA).parent_path().parent_path();
}

// report.html and picture.jpg of the project, written by the command line as the program
// writes them.
std::filesystem::path WriteReportOf(const TempFolder& folder, const std::string& text) {
    const std::filesystem::path project = folder.Path() / "Балка.lvl";
    WriteFileReplacing(project, EncodeWindows1251(text));
    CommandLineSetup setup;
    setup.Folders = BuildTreeFolders(RepositoryFolder());
    setup.Pictures.MakeCanvas = [](int32_t width, int32_t height) -> std::unique_ptr<Canvas> {
        return std::make_unique<QtCanvas>(width, height);
    };
    std::ostringstream out;
    std::ostringstream err;
    const std::filesystem::path report = folder.Path() / "отчет";
    RunCommandLine({"--calc", project.string(), "--report", report.string()}, out, err, setup);
    return report / "report.html";
}

// The report's own text of every conclusion: the lines that state a verdict, with the markup
// taken out and the few character references they use put back.
QStringList Conclusions(const QString& html) {
    QStringList sentences;
    for (QString line : html.split(QStringLiteral("<br>"))) {
        line.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        line.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&sigma;"), QStringLiteral("σ"));
        if (line.startsWith(QStringLiteral("Так как")) ||
            line.startsWith(QStringLiteral("Условие 22"))) {
            sentences << line;
        }
    }
    return sentences;
}

std::vector<QTextTable*> Tables(const QTextDocument& document) {
    std::vector<QTextTable*> tables;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            tables.push_back(table);
        }
    }
    return tables;
}

struct PdfTarget {
    QByteArray Bytes;
    QBuffer Buffer{&Bytes};
    QPdfWriter Writer{&Buffer};
    PdfTarget() { Buffer.open(QIODevice::WriteOnly); }
};

} // namespace

class ReportPagesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { SetDecimalSeparator(','); }

    void conclusionsReadWhole_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QStringList>("sentences");
        QTest::newRow("passing") << QString::fromUtf8(kPassingSection)
                                 << QStringList{
                                        "Так как максимальный действующий момент меньше "
                                        "предельно-допустимого (655 < 2742,9), несущая "
                                        "способность по моменту обеспечена.",
                                        "Так как все проверки выполняются - необходимая прочность "
                                        "и жесткость балки обеспечена."};
        QTest::newRow("failing") << QString::fromUtf8(kFailingSection)
                                 << QStringList{
                                        "Условие 22 [1] не выполняется (σ > R , 81,79 > 24,38), "
                                        "устойчивость плоской формы деформирования не обеспечена.",
                                        "Так как некоторые проверки не выполняются - необходимая "
                                        "прочность и/или жесткость балки не обеспечена."};
    }

    // Qt's reader once took the "<" of a comparison for a tag and dropped the rest of the report.
    void conclusionsReadWhole() {
        QFETCH(QString, section);
        QFETCH(QStringList, sentences);
        TempFolder folder;
        const std::filesystem::path file =
            WriteReportOf(folder, kTwoSpansWithHoles + section.toStdString());
        const QString html = ReadReportHtml(file);
        QTextDocument document;
        document.setHtml(html);
        const QString text = document.toPlainText();
        const QStringList conclusions = Conclusions(html);
        QVERIFY(conclusions.size() >= 7);
        for (const QString& sentence : conclusions + sentences) {
            QVERIFY2(text.contains(sentence), qPrintable(sentence));
        }
        for (const char* last : {"Ослабленные сечения", "Заключение по расчету",
                                 "3. СП 20.13330.2011 ''Нагрузки и воздействия''."}) {
            QVERIFY2(text.contains(QString::fromUtf8(last)), last);
        }
    }

    void paperLayoutIsA4Portrait() {
        const QPageLayout layout = ReportPageLayout();
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
        QCOMPARE(margins.left(), 20.0);
        for (qreal margin : {margins.top(), margins.right(), margins.bottom()}) {
            QVERIFY(margin >= 10 && margin <= 15);
        }
    }

    void tablesAndLinesFitTheTextWidth_data() {
        QTest::addColumn<QString>("section");
        QTest::newRow("passing") << QString::fromUtf8(kPassingSection);
        QTest::newRow("failing") << QString::fromUtf8(kFailingSection);
    }

    // The loads, summary and holes tables are wider than A4's text at their own widths; on paper
    // they keep within it, and so does every line and the picture.
    void tablesAndLinesFitTheTextWidth() {
        QFETCH(QString, section);
        TempFolder folder;
        const auto report =
            LoadReportDocument(WriteReportOf(folder, kTwoSpansWithHoles + section.toStdString()));
        PdfTarget target;
        const auto paper = PaperReport(*report, target.Writer);
        const qreal width = target.Writer.width();
        QCOMPARE(paper->pageSize().width(), width);
        QAbstractTextDocumentLayout* layout = paper->documentLayout();

        const std::vector<QTextTable*> tables = Tables(*paper);
        // Loads, summary, support reactions and weakened sections.
        QCOMPARE(tables.size(), size_t{4});
        const std::vector<int> headerRows = {1, 2, 2, 2};
        for (size_t i = 0; i < tables.size(); ++i) {
            const QRectF box = layout->frameBoundingRect(tables[i]);
            QVERIFY2(box.left() >= 0 && box.right() <= width, qPrintable(QString::number(i)));
            QCOMPARE(tables[i]->format().headerRowCount(), headerRows[i]);
            // Each line of a column's title stays whole, so the title reads as written.
            const int headerEnd = tables[i]->cellAt(headerRows[i], 0).firstPosition();
            for (QTextBlock title = tables[i]->firstCursorPosition().block();
                 title.position() < headerEnd; title = title.next()) {
                QVERIFY2(title.layout()->lineCount() <= 1, qPrintable(title.text()));
            }
        }
        bool picture = false;
        const qreal pageHeight = paper->pageSize().height();
        for (QTextBlock block = paper->begin(); block.isValid(); block = block.next()) {
            const QRectF box = layout->blockBoundingRect(block);
            const QTextLayout* lines = block.layout();
            QVERIFY2(block.text().isEmpty() || lines->lineCount() > 0, qPrintable(block.text()));
            for (int index = 0; index < lines->lineCount(); ++index) {
                const QTextLine line = lines->lineAt(index);
                QVERIFY2(box.left() + line.x() + line.naturalTextWidth() <= width,
                         qPrintable(block.text()));
            }
            if (paper->frameAt(block.position()) != paper->rootFrame()) {
                continue;
            }
            // A line of the report lies on one page (a pixel inside its edges: a paragraph
            // that starts a page starts exactly on its top).
            QCOMPARE(static_cast<int>((box.top() + 1) / pageHeight),
                     static_cast<int>((box.bottom() - 1) / pageHeight));
            picture = picture || block.text().contains(QChar::ObjectReplacementCharacter);
        }
        QVERIFY(picture);
        QVERIFY(paper->pageCount() >= 3);
    }

    // A table longer than a page shows its header again at the top of the next page.
    void brokenTableRepeatsItsHeader() {
        std::string project = "[Геометрия]\r\nКоличество пролетов=1\r\nУгол=0\r\n"
                              "Левая опора=1\r\nПравая опора=1\r\n[Пролет 1]\r\nДлина=6\r\n"
                              "[Нагрузки]\r\nКоличество нагрузок=120\r\n";
        for (int load = 1; load <= 120; ++load) {
            project += "[Нагрузка " + std::to_string(load) +
                       "]\r\nПролет=1\r\nТип=4\r\nЗначение=" + std::to_string(load) +
                       "\r\nКоэффициент надежности=1,2\r\nКоэффициент длительности=1\r\n"
                       "Привязка=3\r\nДлина= \r\n";
        }
        TempFolder folder;
        const auto report = LoadReportDocument(WriteReportOf(
            folder, project + "[Расчет]\r\nШирина сечения=200\r\nВысота сечения=600\r\n"));
        PdfTarget target;
        const auto paper = PaperReport(*report, target.Writer);
        QTextTable* loads = Tables(*paper).front();
        QAbstractTextDocumentLayout* layout = paper->documentLayout();
        const qreal pageHeight = paper->pageSize().height();
        const QRectF box = layout->frameBoundingRect(loads);
        QVERIFY(box.bottom() > 2 * pageHeight);
        // The header row's height is left free at the top of the next pages, where it is drawn
        // again: the first row on each page starts that far below the page's top.
        const qreal header =
            layout->blockBoundingRect(loads->cellAt(0, 0).firstCursorPosition().block()).height();
        for (int page = 1; page <= 2; ++page) {
            qreal firstTop = -1;
            for (int row = 1; row < loads->rows() && firstTop < 0; ++row) {
                const qreal top =
                    layout->blockBoundingRect(loads->cellAt(row, 0).firstCursorPosition().block())
                        .top();
                if (top >= page * pageHeight) {
                    firstTop = top;
                }
            }
            QVERIFY(firstTop - page * pageHeight >= header);
        }
    }

    // A picture wider than the text and a word longer than a line (a name from a file) are
    // brought within the text width rather than cut at the margin.
    void overwideContentStaysWithinTheText() {
        TempFolder folder;
        QImage wide(2400, 300, QImage::Format_RGB32);
        wide.fill(Qt::white);
        QVERIFY(wide.save(QString::fromStdString((folder.Path() / "picture.jpg").string()), "JPG"));
        const std::string word(300, 'W');
        WriteFileReplacing(folder.Path() / "report.html",
                           "<html><body><div align=\"center\"><img src=\"picture.jpg\"></div><br>"
                           "Тип материала Dravolit: " +
                               word + ".<br></body></html>");
        const auto report = LoadReportDocument(folder.Path() / "report.html");
        PdfTarget target;
        const auto paper = PaperReport(*report, target.Writer);
        const qreal width = target.Writer.width();
        QAbstractTextDocumentLayout* layout = paper->documentLayout();
        bool picture = false;
        for (QTextBlock block = paper->begin(); block.isValid(); block = block.next()) {
            const QTextLayout* lines = block.layout();
            for (int index = 0; index < lines->lineCount(); ++index) {
                const QTextLine line = lines->lineAt(index);
                const qreal right =
                    layout->blockBoundingRect(block).left() + line.x() + line.naturalTextWidth();
                QVERIFY2(right <= width, qPrintable(block.text().left(40)));
            }
            if (block.text().contains(QChar::ObjectReplacementCharacter)) {
                picture = true;
                QVERIFY(lines->lineAt(0).naturalTextWidth() > 0.9 * width);
            }
        }
        QVERIFY(picture);
        QVERIFY(paper->toPlainText()
                    .remove(QChar::LineSeparator)
                    .remove(QLatin1Char('\n'))
                    .contains(QString::fromStdString(word)));
    }

    void pdfFileIsA4() {
        TempFolder folder;
        const auto report = LoadReportDocument(
            WriteReportOf(folder, std::string(kTwoSpansWithHoles) + kFailingSection));
        const std::filesystem::path pdf = folder.Path() / "отчет.pdf";
        WriteReportPdf(*report, pdf);
        const std::string bytes = ReadWholeFile(pdf).value_or("");
        QVERIFY(bytes.rfind("%PDF", 0) == 0);
        QVERIFY(bytes.find("/MediaBox [0 0 595") != std::string::npos);
        QVERIFY(bytes.find("/Subtype /Image") != std::string::npos);
    }

    void pdfThatCannotBeWrittenIsAFileError() {
        TempFolder folder;
        QTextDocument report;
        report.setHtml(QStringLiteral("<html><body>Отчет</body></html>"));
        const std::filesystem::path pdf = folder.Path() / "нет" / "отчет.pdf";
        QVERIFY_THROWS_EXCEPTION(FileError, WriteReportPdf(report, pdf));
        QVERIFY(!std::filesystem::exists(pdf));
    }
};

QTEST_MAIN(ReportPagesTest)
#include "ReportPagesTest.moc"
