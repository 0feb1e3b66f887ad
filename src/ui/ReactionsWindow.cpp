// The reactions window's widgets and their wiring to the model.
#include "ui/ReactionsWindow.h"

#include "editors/ReactionsDialog.h"
#include "ui/CellEditDelegate.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace balka {

ReactionsWindow::ReactionsWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(workspace.Reactions) {
    setWindowTitle(QString::fromUtf8(ReactionsDialog::Caption));
    BuildLayout();
    model_.AttachView(this);
    Refresh();
    resize(640, 240);
}

ReactionsWindow::~ReactionsWindow() {
    model_.AttachView(nullptr);
}

void ReactionsWindow::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("Grid"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->verticalHeader()->hide();
    // Every caption in full; the moment column takes what is left.
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(grid_);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lNote"));
    note_->setWordWrap(true);
    layout->addWidget(note_);
    warning_ = new QLabel(this);
    warning_->setObjectName(QStringLiteral("lWarning"));
    warning_->setWordWrap(true);
    warning_->setStyleSheet(QStringLiteral("color: #c00000;"));
    layout->addWidget(warning_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* copy = new QPushButton(QStringLiteral("Копировать"), this);
    copy->setObjectName(QStringLiteral("bCopy"));
    buttons->addWidget(copy);
    layout->addLayout(buttons);

    connect(copy, &QPushButton::clicked, this, [this] { CopyToClipboard(); });
    // Ctrl+C anywhere in the window copies the whole table, not just the current cell.
    auto* copyKeys = new QAction(this);
    copyKeys->setShortcut(QKeySequence::Copy);
    copyKeys->setShortcutContext(Qt::WindowShortcut);
    connect(copyKeys, &QAction::triggered, this, [this] { CopyToClipboard(); });
    addAction(copyKeys);
}

void ReactionsWindow::CopyToClipboard() {
    QApplication::clipboard()->setText(QString::fromStdString(model_.CopyText()));
}

void ReactionsWindow::FocusField(const std::string&) {}

void ReactionsWindow::SelectCell(int, int) {}

void ReactionsWindow::Refresh() {
    ShowTextTable(*grid_, model_.Grid);
    note_->setText(QString::fromStdString(model_.Note));
    warning_->setText(QString::fromStdString(model_.Warning));
    warning_->setVisible(!model_.Warning.empty());
}

} // namespace balka
