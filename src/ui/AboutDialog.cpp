#include "ui/AboutDialog.h"

#include "graphics/ResourceBitmaps.h"
#include "project/ProgramVersion.h"
#include "ui/QtCanvas.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

namespace balka {

namespace {

constexpr int Margin = 8;
constexpr int LogoWidth = 225;
constexpr int LogoHeight = 77;

QLabel* AddLine(QWidget* parent, const QString& text, QRect place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : InfoDialog(QStringLiteral("О программе"), QSize(514, 180), parent) {
    QtCanvas logo(LogoWidth, LogoHeight);
    DrawResourceBitmap("LOGO", logo);
    logo_ = new QLabel(this);
    logo_->setGeometry(Margin, Margin, LogoWidth, LogoHeight);
    logo_->setPixmap(QPixmap::fromImage(logo.Image()));

    const int textWidth = width() - 2 * Margin;
    AddLine(this, QStringLiteral("Dravolit — высокопрочный многослойный брус, клееный из шпона."),
            QRect(Margin, 90, textWidth, 18));

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(Margin, 112, textWidth, 2);

    AddLine(this, QStringLiteral("Программа: Драволит-Балка."), QRect(Margin, 122, 190, 18));
    AddLine(this, QStringLiteral("Версия: ") + QString::fromLatin1(ProgramVersion),
            QRect(Margin, 142, 190, 18));
    QLabel* description =
        AddLine(this,
                QStringLiteral("Описание: Программа предназначена для расчета многопролетных "
                               "балок из материала Dravolit (многослойный брус, клееный из "
                               "шпона)."),
                QRect(width() - Margin - 300, 122, 300, 54));
    description->setWordWrap(true);
}

} // namespace balka
