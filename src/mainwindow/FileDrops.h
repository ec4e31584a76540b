#pragma once

#include <QObject>
#include <QStringList>

class DesktopOpening;
class QMimeData;
class QWidget;

// Files and folders dropped on the main window, from a file manager: they open as the
// desktop's other ways in do.
class FileDrops : public QObject
{
    Q_OBJECT

public:
    FileDrops(QWidget &window, DesktopOpening &opening);

    // The local files of a drag; links to anything else are left out.
    static QStringList localFiles(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DesktopOpening &m_opening;
};
