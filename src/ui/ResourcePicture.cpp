#include "ui/ResourcePicture.h"

#include "graphics/ResourceBitmaps.h"
#include "ui/QtCanvas.h"

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

} // namespace balka
