#include "Platform.h"

QString Platform::joinPath(const QString &folder, const QString &name, QChar separator)
{
    if (folder.isEmpty() || folder.endsWith(separator))
        return folder + name;
    return folder + separator + name;
}
