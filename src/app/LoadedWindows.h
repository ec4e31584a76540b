#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

// The program's loaded windows, in load order. Unloading the last one ends the program.
class LoadedWindows
{
public:
    void add(QWidget *window);
    int count() const;
    QWidget *at(int index) const;
    QWidget *find(const QString &name) const;
    // Unloads one window: closes and deletes it, drops it from the collection.
    void unload(QWidget *window);
    // Unloads every window, last loaded first.
    void unloadAll();
    // Called when the collection becomes empty through an unload.
    std::function<void()> onEmpty;

private:
    void prune();
    QList<QPointer<QWidget>> m_windows;
};
