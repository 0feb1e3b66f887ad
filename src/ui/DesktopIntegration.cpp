#include "ui/DesktopIntegration.h"

#include "graphics/ResourceBitmaps.h"
#include "project/HelpFile.h"
#include "ui/QtCanvas.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace balka {

std::string FileIconPng() {
    const TextExtent size = *ResourceBitmapSize("LVL");
    QtCanvas icon(size.Width, size.Height);
    DrawResourceBitmap("LVL", icon);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    icon.Image().save(&buffer, "PNG");
    return bytes.toStdString();
}

TFileTypeSetup CurrentFileTypeSetup() {
    return {UserDataHome(ProcessUserEnvironment()),
            {QCoreApplication::applicationFilePath().toStdString(), FileIconPng()}};
}

void ShowHelp(const ProgramFolders& folders, MessageSink& messages) {
    OpenHelp(
        folders,
        [](const std::filesystem::path& help) {
            return QDesktopServices::openUrl(
                QUrl::fromLocalFile(QString::fromStdString(help.string())));
        },
        messages);
}

} // namespace balka
