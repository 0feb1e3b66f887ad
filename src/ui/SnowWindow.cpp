// The snow dialog's widgets and their wiring to the model.
#include "ui/SnowWindow.h"

#include "editors/SnowDialog.h"
#include "ui/EscapeCloses.h"
#include "ui/GuardedAction.h"
#include "ui/NumericKeyForwarder.h"
#include "workspace/Workspace.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace balka {

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

SnowWindow::SnowWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window), workspace_(workspace), model_(workspace.Snow) {
    setWindowTitle(ToQt(SnowDialog::Caption));
    BuildLayout();
    CloseOnEscape(*this);
    model_.AttachView(this);
    Refresh();
}

SnowWindow::~SnowWindow() {
    model_.AttachView(nullptr);
}

void SnowWindow::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Снеговой район"), this));
    region_ = new QComboBox(this);
    region_->setObjectName(QStringLiteral("cbSnow"));
    for (const char* region : SnowDialog::RegionNames) {
        region_->addItem(QString::fromUtf8(region));
    }
    layout->addWidget(region_);
    layout->addWidget(new QLabel(QStringLiteral(" Ширина грузовой площади, м"), this));
    width_ = new QLineEdit(this);
    width_->setObjectName(QStringLiteral("leB"));
    layout->addWidget(width_);
    load_ = new QLabel(this);
    load_->setObjectName(QStringLiteral("lLoad"));
    layout->addWidget(load_);
    auto* group = new QButtonGroup(this);
    cold_ = new QRadioButton(QStringLiteral("средняя температура января <= -5°C"), this);
    cold_->setObjectName(QStringLiteral("rbMen5"));
    mild_ = new QRadioButton(QStringLiteral("средняя температура января > -5°C"), this);
    mild_->setObjectName(QStringLiteral("rbBol5"));
    group->addButton(cold_);
    group->addButton(mild_);
    layout->addWidget(cold_);
    layout->addWidget(mild_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* add = new QPushButton(QStringLiteral("Добавить"), this);
    add->setObjectName(QStringLiteral("bAdd"));
    buttons->addWidget(add);
    layout->addLayout(buttons);

    connect(region_, &QComboBox::activated, this,
            [this](int index) { model_.cbSnowChange(index); });
    NumericKeyForwarder::Attach(
        width_, [this](NumericBox& box, char32_t key) { return model_.leBKeyPress(box, key); });
    connect(width_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.leBChange(text.toStdString()); });
    connect(cold_, &QRadioButton::clicked, this,
            [this] { model_.ChooseTemperature(JanuaryTemperature::AtMostMinus5); });
    connect(mild_, &QRadioButton::clicked, this,
            [this] { model_.ChooseTemperature(JanuaryTemperature::AboveMinus5); });
    connect(add, &QPushButton::clicked, this, [this] {
        DialogAfterAdd after = DialogAfterAdd::KeepOpen;
        RunGuarded(workspace_.Messages, [&] { after = model_.bAddClick(); });
        if (after == DialogAfterAdd::Close) {
            hide();
        }
    });
}

void SnowWindow::ShowDialog() {
    show();
    raise();
    activateWindow();
}

void SnowWindow::FocusField(const std::string& controlName) {
    if (auto* widget = findChild<QWidget*>(ToQt(controlName))) {
        widget->setFocus();
    }
}

// The dialog has no table.
void SnowWindow::SelectCell(int, int) {}

void SnowWindow::Refresh() {
    if (region_->currentIndex() != model_.RegionIndex) {
        region_->setCurrentIndex(model_.RegionIndex);
    }
    if (width_->text() != ToQt(model_.WidthText)) {
        width_->setText(ToQt(model_.WidthText));
    }
    load_->setText(ToQt(model_.LoadLabel));
    cold_->setChecked(model_.Temperature == JanuaryTemperature::AtMostMinus5);
    mild_->setChecked(model_.Temperature == JanuaryTemperature::AboveMinus5);
}

} // namespace balka
