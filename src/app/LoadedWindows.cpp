#include "LoadedWindows.h"

#include "core/Logging.h"

void LoadedWindows::add(QWidget *window)
{
    prune();
    if (window && !m_windows.contains(window))
        m_windows.append(window);
}

int LoadedWindows::count() const
{
    int n = 0;
    for (const auto &w : m_windows)
        n += w ? 1 : 0;
    return n;
}

QWidget *LoadedWindows::at(int index) const
{
    int n = 0;
    for (const auto &w : m_windows) {
        if (!w)
            continue;
        if (n++ == index)
            return w;
    }
    return nullptr;
}

QWidget *LoadedWindows::find(const QString &name) const
{
    for (const auto &w : m_windows) {
        if (w && w->objectName() == name)
            return w;
    }
    return nullptr;
}

void LoadedWindows::unload(QWidget *window)
{
    if (!window)
        return;
    m_windows.removeAll(window);
    window->hide();
    window->deleteLater();
    prune();
    if (m_windows.isEmpty() && onEmpty)
        onEmpty();
}

void LoadedWindows::unloadAll()
{
    // Counting down keeps the indices valid while the collection shrinks.
    for (int i = count() - 1; i >= 0; --i) {
        QWidget *window = at(i);
        if (!window) {
            qCDebug(lcApp) << "window" << i << "already gone while closing";
            continue;
        }
        unload(window);
    }
}

void LoadedWindows::prune()
{
    m_windows.removeIf([](const QPointer<QWidget> &w) { return w.isNull(); });
}
