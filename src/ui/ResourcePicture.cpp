#include "ui/ResourcePicture.h"

#include "graphics/ResourceBitmaps.h"
#include "ui/QtCanvas.h"

#include <QBitmap>

namespace balka {

QPixmap ResourcePicture(const std::string& name) {
    const auto size = ResourceBitmapSize(name);
    if (!size) {
        return {};
    }
    QtCanvas canvas(size->Width, size->Height);
    DrawResourceBitmap(name, canvas);
    return QPixmap::fromImage(canvas.Image());
}

QPixmap TransparentResourcePicture(const std::string& name, Rgb background) {
    QPixmap picture = ResourcePicture(name);
    if (!picture.isNull()) {
        picture.setMask(picture.createMaskFromColor(
            QColor(background.R, background.G, background.B), Qt::MaskInColor));
    }
    return picture;
}

} // namespace balka
