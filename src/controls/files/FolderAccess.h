#pragma once

#include <QString>

#include <optional>

class QWidget;

// What the three file-system lists share.
namespace FolderAccess {

// The system's message when a folder cannot be listed (missing, not a folder, no permission),
// or nothing when it can.
std::optional<QString> listingError(const QString &folder);

// An absolute, clean form of a folder path ("/" stays "/").
QString normalised(const QString &folder);

// Text in forecolor on backcolor (both 0x00BBGGRR) for a list or a combo box.
void applyColours(QWidget *list, quint32 fore, quint32 back);

} // namespace FolderAccess
