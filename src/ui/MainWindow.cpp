#include "ui/MainWindow.h"

#include "graphics/CommandPictures.h"
#include "graphics/DiagramDrawing.h"
#include "graphics/SchemeDrawing.h"
#include "report/ReportDisplay.h"
#include "report/ReportExportNames.h"
#include "ui/DrawingArea.h"
#include "ui/GuardedAction.h"
#include "ui/ReportDocument.h"
#include "ui/ReportPages.h"
#include "ui/ReportWordExport.h"
#include "ui/ResourcePicture.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <algorithm>
#include <stdexcept>

namespace balka {

namespace {

struct CommandText {
    Command command;
    const char* caption;
    const char* hint;    // toolbar hint; nullptr for menu-only commands
    const char* picture; // named pictogram of the menu item and the button; nullptr for none
};

// Menu captions, toolbar hints and pictograms, in menu order.
const CommandText kFileMenu[] = {
    {Command::NewProject, "Новый проект", "Новый", "CMD_NEW"},
    {Command::Open, "Загрузить", "Открыть", "CMD_OPEN"},
    {Command::Save, "Сохранить", "Сохранить", "CMD_SAVE"},
    {Command::SaveAs, "Сохранить как", "Сохранить как", "CMD_SAVEAS"},
    {Command::Diagrams, "Эпюры", "Эпюры", "CMD_DIAGRAMS"},
    {Command::Report, "Отчет", "Отчет", "CMD_REPORT"},
    {Command::Preview, "Предварительный просмотр", "Предварительный просмотр", "CMD_PREVIEW"},
    {Command::Print, "Печать", "Печать", "CMD_PRINT"},
    {Command::ExportPdf, "Экспорт в PDF", "Экспорт в PDF", "CMD_PDF"},
    {Command::ExportWord, "Экспорт в Word", "Экспорт в Word", "CMD_WORD"},
    {Command::Exit, "Выход", nullptr, nullptr},
};
const CommandText kEditMenu[] = {
    {Command::Undo, "Отменить", "Отменить", nullptr},
    {Command::Redo, "Повторить", "Повторить", nullptr},
};
const CommandText kProjectMenu[] = {
    {Command::Geometry, "Геометрия", "Геометрия", "CMD_GEOMETRY"},
    {Command::Loads, "Нагрузки", "Нагрузки", "CMD_LOADS"},
    {Command::Template, "Шаблон", "Шаблон", "CMD_TEMPLATE"},
    {Command::Holes, "Отверстия", "Отверстия", "CMD_HOLES"},
    {Command::Design, "Расчет", "Расчет", "CMD_DESIGN"},
    {Command::Reactions, "Реакции опор", "Реакции опор", "CMD_REACTIONS"},
};
const CommandText kServiceMenu[] = {
    {Command::Catalogue, "Сортамент", "Сортамент", "CMD_CATALOGUE"},
    {Command::Material, "Характеристики материала", "Характеристики Dravolit", "CMD_MATERIAL"},
};
const CommandText kRegistrationMenu[] = {
    {Command::Register, "Зарегистрировать", nullptr, nullptr},
    {Command::Unregister, "Отменить регистрацию", nullptr, nullptr},
};
const CommandText kHelpMenu[] = {
    {Command::Help, "Справка", nullptr, nullptr},
    {Command::About, "О программе", nullptr, nullptr},
};

// Groups end after these commands, in the menu and on the toolbar.
bool EndsGroup(Command command) {
    return command == Command::SaveAs || command == Command::Report ||
           command == Command::ExportWord || command == Command::Redo ||
           command == Command::Reactions;
}

// The command's own pictogram, its background see-through so it sits on any toolbar or menu;
// help keeps the toolkit's usual question mark.
QIcon CommandIcon(const CommandText& item) {
    if (item.picture != nullptr) {
        return QIcon(TransparentResourcePicture(item.picture, CommandPictureBackground));
    }
    if (item.command == Command::Help) {
        return QApplication::style()->standardIcon(QStyle::SP_DialogHelpButton);
    }
    if (item.command == Command::Undo) {
        return QIcon::fromTheme(QStringLiteral("edit-undo"),
                                QApplication::style()->standardIcon(QStyle::SP_ArrowBack));
    }
    if (item.command == Command::Redo) {
        return QIcon::fromTheme(QStringLiteral("edit-redo"),
                                QApplication::style()->standardIcon(QStyle::SP_ArrowForward));
    }
    return {};
}

// The keys of a Linux desktop program; redo answers both of its usual keys.
QList<QKeySequence> CommandKeys(Command command) {
    switch (command) {
    case Command::NewProject:
        return {QKeySequence(QStringLiteral("Ctrl+N"))};
    case Command::Open:
        return {QKeySequence(QStringLiteral("Ctrl+O"))};
    case Command::Save:
        return {QKeySequence(QStringLiteral("Ctrl+S"))};
    case Command::SaveAs:
        return {QKeySequence(QStringLiteral("Ctrl+Shift+S"))};
    case Command::Print:
        return {QKeySequence(QStringLiteral("Ctrl+P"))};
    case Command::Exit:
        return {QKeySequence(QStringLiteral("Ctrl+Q"))};
    case Command::Undo:
        return {QKeySequence(QStringLiteral("Ctrl+Z"))};
    case Command::Redo:
        return {QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                QKeySequence(QStringLiteral("Ctrl+Y"))};
    case Command::Help:
        return {QKeySequence(QStringLiteral("F1"))};
    default:
        return {};
    }
}

// Without any printer the print dialog could offer only a file; the user is told what to do.
bool AskForPrinter(QPrinter& printer, QWidget* parent) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        throw std::runtime_error("Печать невозможна: в системе не установлен ни один принтер. "
                                 "Отчет можно сохранить командой «Экспорт в PDF» и напечатать "
                                 "этот файл.");
    }
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString AskForPdfPath(const QString& proposed, QWidget* parent) {
    const QFileInfo place(proposed);
    QFileDialog dialog(parent, QStringLiteral("Экспорт в PDF"), place.absolutePath(),
                       QStringLiteral("PDF файлы (*.pdf);;Все файлы (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(place.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    Desktop.ChoosePrinter = [this](QPrinter& printer) { return AskForPrinter(printer, this); };
    Desktop.AskPdfPath = [this](const QString& proposed) { return AskForPdfPath(proposed, this); };
    Desktop.OpenDocument = OpenInWordProcessor;
    setWindowTitle(QStringLiteral("Драволит-Балка"));
    setMinimumSize(400, 400);
    drawing_ = new DrawingArea(this);
    drawing_->OnResized = [this] { Redraw(); };
    setCentralWidget(drawing_);
    report_ = new QTextBrowser(this);
    report_->hide();
    CreateCommands();
    const std::array<int, 4> widths = {73, 105, 120, 250};
    const std::array<QString, 4> texts = {
        QStringLiteral("Угол - 0°"), QStringLiteral("Длина - 0 м"), QStringLiteral("Масса - 0 кг"),
        QStringLiteral("Статус - формирование схемы")};
    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(texts[i], this);
        panels_[i]->setMinimumWidth(widths[i]);
        statusBar()->addWidget(panels_[i]);
    }
    // At least as wide as the toolbar, so no command hides behind its overflow arrow.
    resize(std::max(594, findChild<QToolBar*>()->sizeHint().width()), 497);
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateCommands() {
    QToolBar* toolbar = addToolBar(QStringLiteral("Панель"));
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar->setIconSize(QSize(CommandPictureSize, CommandPictureSize));
    const auto addMenu = [&](const char* title, const auto& items) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(title));
        for (const CommandText& item : items) {
            if (item.command == Command::Exit) {
                recent_ = menu->addMenu(QStringLiteral("Последние проекты"));
                menu->addSeparator();
            }
            auto* action = new QAction(CommandIcon(item), QString::fromUtf8(item.caption), this);
            action->setShortcuts(CommandKeys(item.command));
            // The keys work from every window of the program, the editors too.
            action->setShortcutContext(Qt::ApplicationShortcut);
            actions_[item.command] = action;
            menu->addAction(action);
            if (item.hint != nullptr) {
                QAction* button = toolbar->addAction(action->icon(), QString::fromUtf8(item.hint));
                button->setToolTip(QString::fromUtf8(item.hint));
                connect(button, &QAction::triggered, action, &QAction::trigger);
                if (item.command == Command::Undo || item.command == Command::Redo) {
                    connect(action, &QAction::changed, button,
                            [action, button] { button->setToolTip(action->text()); });
                }
                connect(action, &QAction::enabledChanged, button, &QAction::setEnabled);
                if (EndsGroup(item.command)) {
                    toolbar->addSeparator();
                }
            }
            if (EndsGroup(item.command) && item.command != Command::Reactions) {
                menu->addSeparator();
            }
        }
    };
    addMenu("&Файл", kFileMenu);
    addMenu("&Правка", kEditMenu);
    addMenu("Пр&оект", kProjectMenu);
    addMenu("&Сервис", kServiceMenu);
    addMenu("&Регистрация", kRegistrationMenu);
    addMenu("По&мощь", kHelpMenu);

    connect(actions_[Command::NewProject], &QAction::triggered, this, [this] { NewProject(); });
    connect(actions_[Command::Diagrams], &QAction::triggered, this, [this] {
        ShowSchemeView();
        Redraw();
    });
    connect(actions_[Command::Exit], &QAction::triggered, this, &QWidget::close);
    connect(actions_[Command::Report], &QAction::triggered, this, [this] { ShowReport(); });
    connect(actions_[Command::Preview], &QAction::triggered, this, [this] { PreviewReport(); });
    connect(actions_[Command::Print], &QAction::triggered, this, [this] { PrintReport(); });
    connect(actions_[Command::ExportPdf], &QAction::triggered, this,
            [this] { ExportReportToPdf(); });
    connect(actions_[Command::ExportWord], &QAction::triggered, this,
            [this] { ExportReportToWord(); });
    connect(actions_[Command::Undo], &QAction::triggered, this, [this] {
        if (workspace_ != nullptr) {
            RunGuarded(workspace_->Messages, [this] { workspace_->Undo(); });
        }
    });
    connect(actions_[Command::Redo], &QAction::triggered, this, [this] {
        if (workspace_ != nullptr) {
            RunGuarded(workspace_->Messages, [this] { workspace_->Redo(); });
        }
    });
    EnableReportCommands(false);
    ShowUndoCommands();
}

// "Отменить удаление пролета": the commands name the step they take back or again.
void MainWindow::ShowUndoCommands() {
    const auto show = [](QAction* action, const char* verb, const std::string& step) {
        const QString text =
            QString::fromUtf8(verb) +
            (step.empty() ? QString() : QStringLiteral(" ") + QString::fromStdString(step));
        action->setText(text);
        action->setToolTip(text);
        action->setEnabled(!step.empty());
    };
    const std::string undo =
        workspace_ != nullptr ? workspace_->History.UndoAction() : std::string();
    const std::string redo =
        workspace_ != nullptr ? workspace_->History.RedoAction() : std::string();
    show(actions_[Command::Undo], "Отменить", undo);
    show(actions_[Command::Redo], "Повторить", redo);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (MayDropProject && !MayDropProject()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::AttachWorkspace(Workspace& workspace) {
    workspace_ = &workspace;
    workspace.HistoryChanged = [this] { ShowUndoCommands(); };
    ShowUndoCommands();
    SetScreenColors(workspace.Style, [this] {
        const QColor face = palette().color(QPalette::Button);
        return Rgb{static_cast<uint8_t>(face.red()), static_cast<uint8_t>(face.green()),
                   static_cast<uint8_t>(face.blue())};
    }());
    Redraw();
}

QAction* MainWindow::CommandAction(Command command) const {
    return actions_.at(command);
}

void MainWindow::EnableReportCommands(bool enabled) {
    for (Command command :
         {Command::Preview, Command::Print, Command::ExportPdf, Command::ExportWord}) {
        actions_[command]->setEnabled(enabled);
    }
}

void MainWindow::NewProject() {
    if (workspace_ == nullptr) {
        return;
    }
    if (MayDropProject && !MayDropProject()) {
        return;
    }
    RunGuarded(workspace_->Messages, [this] { workspace_->NewProject(); });
}

void MainWindow::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void MainWindow::SetStatusText(StatusPanel panel, const std::string& text) {
    panels_[static_cast<size_t>(panel)]->setText(QString::fromStdString(text));
}

QString MainWindow::StatusText(StatusPanel panel) const {
    return panels_[static_cast<size_t>(panel)]->text();
}

const QImage& MainWindow::Picture() const {
    return drawing_->Picture().Image();
}

void MainWindow::ShowSchemeView() {
    report_->hide();
    drawing_->show();
    EnableReportCommands(false);
}

void MainWindow::ClearDrawing() {
    QtCanvas& canvas = drawing_->Picture();
    const Rgb back = workspace_ != nullptr ? workspace_->Style.BackColor : DefaultButtonFace;
    canvas.FillRect(PixelRect{0, 0, canvas.Width(), canvas.Height()}, back);
    drawing_->update();
}

void MainWindow::DrawScheme(TBeam& beam) {
    if (workspace_ != nullptr) {
        balka::DrawScheme(beam, workspace_->Style, drawing_->Picture());
        drawing_->update();
    }
}

void MainWindow::DrawDiagrams(const TBeam& beam) {
    if (workspace_ != nullptr) {
        balka::DrawDiagrams(beam, workspace_->Style, drawing_->Picture());
        drawing_->update();
    }
}

void MainWindow::DrawCannotCarryNotice() {
    if (workspace_ != nullptr) {
        balka::DrawCannotCarryNotice(workspace_->Style, drawing_->Picture());
        drawing_->update();
    }
}

void MainWindow::Redraw() {
    if (workspace_ == nullptr) {
        ClearDrawing();
        return;
    }
    TBeam& beam = workspace_->Beam;
    // A recalculation stopped by a value it could not take leaves no spans to draw.
    if (beam.SpanCount == 0 || static_cast<int32_t>(beam.Spans.size()) != beam.SpanCount) {
        ClearDrawing();
        return;
    }
    const bool hasStatics = std::all_of(beam.Spans.begin(), beam.Spans.end(),
                                        [](const TSpan& span) { return !span.SampleX.empty(); });
    if (balka::DrawScheme(beam, workspace_->Style, drawing_->Picture()) == SchemeResult::Continue &&
        hasStatics) {
        balka::DrawDiagrams(beam, workspace_->Style, drawing_->Picture());
    } else if (CannotCarryLoad(beam)) {
        balka::DrawCannotCarryNotice(workspace_->Style, drawing_->Picture());
    }
    drawing_->update();
}

bool MainWindow::ReportShown() const {
    return report_->isVisible();
}

void MainWindow::ShowReport() {
    if (workspace_ == nullptr) {
        return;
    }
    RunGuarded(workspace_->Messages, [this] {
        const auto file = WriteCurrentReport(workspace_->Beam, workspace_->BeamCalc.Report,
                                             workspace_->ReportFolder(), workspace_->Messages);
        if (!file) {
            return;
        }
        // The picture is named relative to the report and looked up beside it.
        const QUrl base = ReportBaseUrl(*file);
        report_->setSearchPaths({base.toLocalFile()});
        report_->document()->setBaseUrl(base);
        report_->setHtml(ReadReportHtml(*file));
        drawing_->hide();
        report_->show();
        report_->raise();
        showMaximized();
        PlaceReportView();
        // Laying out the wide picture in the view's earlier, narrower width leaves it scrolled
        // past the title; the report opens at its top.
        report_->verticalScrollBar()->setValue(0);
    });
}

void MainWindow::PlaceReportView() {
    const ReportViewPlace place = LayoutReportView(width(), frameGeometry().height());
    // Vertically the view fills the drawing area's band, whose height the toolkit's toolbar, menu
    // and status bar decide: from just below the toolbar to the status bar.
    const int top = findChild<QToolBar*>()->geometry().bottom() + 1;
    const int bottom = statusBar()->geometry().top();
    report_->setGeometry(place.Left, top, place.Width, std::max(bottom - top, 0));
    EnableReportCommands(true);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (report_->isVisible()) {
        PlaceReportView();
    }
}

const QTextDocument& MainWindow::ReportDocument() const {
    return *report_->document();
}

void MainWindow::PreviewReport() {
    if (workspace_ == nullptr || !workspace_->Beam.Calculated) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReportPageLayout());
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        if (!PaintReport(ReportDocument(), *target)) {
            workspace_->Messages.ShowMessage("Не удалось подготовить страницы отчета.");
        }
    });
    preview.exec();
}

void MainWindow::PrintReport() {
    if (workspace_ == nullptr || !workspace_->Beam.Calculated) {
        return;
    }
    RunGuarded(workspace_->Messages, [this] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(ReportPageLayout());
        if (!Desktop.ChoosePrinter(printer)) {
            return;
        }
        if (!PaintReport(ReportDocument(), printer)) {
            const std::string name = printer.printerName().toStdString();
            throw std::runtime_error(
                "Не удалось начать печать" + (name.empty() ? "" : " на принтере \"" + name + "\"") +
                ": принтер не принял задание. Проверьте, что он включен и доступен.");
        }
    });
}

void MainWindow::ExportReportToPdf() {
    if (workspace_ == nullptr || !workspace_->Beam.Calculated) {
        return;
    }
    RunGuarded(workspace_->Messages, [this] {
        const std::filesystem::path proposed =
            ProposedPdfPath(workspace_->Beam, QDir::homePath().toStdString());
        const QString path = Desktop.AskPdfPath(QString::fromStdString(proposed.string()));
        if (!path.isEmpty()) {
            WriteReportPdf(ReportDocument(), path.toStdString());
        }
    });
}

// No automation of a word processor here: the report goes to the clipboard as rich text and
// into a new OpenDocument file that the desktop opens in its word processor.
void MainWindow::ExportReportToWord() {
    if (workspace_ == nullptr || !workspace_->Beam.Calculated) {
        return;
    }
    RunGuarded(workspace_->Messages, [this] {
        CopyReportToClipboard(ReportDocument());
        const std::filesystem::path file =
            NewExportPath(workspace_->ReportFolder(), ProjectTitle(workspace_->Beam), ".odt");
        WriteReportOdt(ReportDocument(), file);
        if (!Desktop.OpenDocument(QString::fromStdString(file.string()))) {
            workspace_->Messages.ShowMessage(
                "Не удалось запустить текстовый процессор, чтобы открыть отчет. Отчет сохранен в "
                "файле \"" +
                file.string() + "\" и скопирован в буфер обмена.");
        }
    });
}

} // namespace balka
