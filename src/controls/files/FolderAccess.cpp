#include "FolderAccess.h"

#include "core/Colour.h"

#include <QDir>
#include <QFile>
#include <QWidget>

#include <filesystem>
#include <system_error>

namespace FolderAccess {

std::optional<QString> listingError(const QString &folder)
{
    if (folder.isEmpty())
        return QString::fromStdString(
            std::make_error_code(std::errc::no_such_file_or_directory).message());
    std::error_code error;
    const std::filesystem::path path(QFile::encodeName(folder).toStdString());
    // Opening the listing is the test: it fails exactly when the lists could not be filled.
    std::filesystem::directory_iterator listing(path, error);
    if (error)
        return QString::fromLocal8Bit(error.message().c_str());
    return std::nullopt;
}

QString normalised(const QString &folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

void applyColours(QWidget *list, quint32 fore, quint32 back)
{
    const QColor text = Colour::toQColor(fore);
    const QColor background = Colour::toQColor(back);
    QPalette colours = list->palette();
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        colours.setColor(role, text);
    }
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        colours.setColor(role, background);
    list->setPalette(colours);
    list->update();
}

} // namespace FolderAccess
