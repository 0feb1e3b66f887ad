// A build step, not part of the program: writes the desktop files an installation carries into
// the folder named by its one argument, laid out as under share/: the desktop entry, the MIME
// type of .lvl and the icons of the type and of the program, drawn from the program's own
// file-type picture (48 x 48, the paper around the sheet left clear) as PNG files of the usual
// sizes and as a scalable SVG. The entry
// and the type are the texts "Регистрация" writes for one user, so both ways agree.
#include "graphics/PixelSvg.h"
#include "graphics/ResourceBitmaps.h"
#include "model/FileAccess.h"
#include "project/FileAssociation.h"
#include "ui/QtCanvas.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <filesystem>
#include <iostream>
#include <string>

namespace balka {
namespace {

namespace fs = std::filesystem;

// The installed desktop entry names the program and its icon by name: the program's folder is
// on the search path, the icon in the icon theme.
constexpr char kProgram[] = "dravolit-balka";
const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 96, 128, 256};

void Write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    WriteFileReplacing(file, bytes);
}

std::string Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

// The drawing with the background around it made clear.
QImage IconImage(const QtCanvas& icon, const PixelMask& clear) {
    QImage image = icon.Image().convertToFormat(QImage::Format_ARGB32);
    for (int32_t y = 0; y < image.height(); ++y) {
        for (int32_t x = 0; x < image.width(); ++x) {
            if (clear.At({x, y})) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
    }
    // Smoothing works on premultiplied pixels, so the clear edge takes no dark fringe.
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Whole multiples of the drawn size keep its pixels square and sharp; other sizes are smoothed
// down from the next multiple above them.
QImage Scaled(const QImage& icon, int size) {
    const int drawn = icon.width();
    const int multiple = (size + drawn - 1) / drawn;
    const QImage enlarged = icon.scaled(drawn * multiple, drawn * multiple, Qt::IgnoreAspectRatio,
                                        Qt::FastTransformation);
    if (enlarged.width() == size) {
        return enlarged;
    }
    return enlarged.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void WriteDesktopFiles(const fs::path& share) {
    Write(share / "applications" / (std::string(kProgram) + ".desktop"),
          DesktopEntryText(kProgram, kProgram));
    Write(share / "mime" / "packages" / (std::string(kProgram) + ".xml"), MimePackageXml());

    const TextExtent drawn = *ResourceBitmapSize("LVL");
    QtCanvas icon(drawn.Width, drawn.Height);
    DrawResourceBitmap("LVL", icon);
    const PixelMask clear = OuterBackground(icon);
    const QImage image = IconImage(icon, clear);
    const std::pair<const char*, std::string> names[] = {{"mimetypes", LvlIconName},
                                                         {"apps", kProgram}};
    const fs::path theme = share / "icons" / "hicolor";
    for (const auto& [context, name] : names) {
        for (const int size : kIconSizes) {
            const std::string folder = std::to_string(size) + "x" + std::to_string(size);
            Write(theme / folder / context / (name + ".png"), Png(Scaled(image, size)));
        }
        Write(theme / "scalable" / context / (name + ".svg"), EncodePixelSvg(icon, clear));
    }
}

} // namespace
} // namespace balka

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "Использование: balka_desktop_files ПАПКА\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        balka::WriteDesktopFiles(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    return 0;
}
