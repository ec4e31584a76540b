#pragma once

#include <QString>
#include <QStringList>

class RandomSource;

// The tips of the day: one per line of the tips file, stepped through in file order from a
// random first one.
class TipsBook
{
public:
    // Reads the file; false when the path is empty or names no ordinary file.
    bool load(const QString &path);
    void pickRandom(RandomSource &random);
    void next();

    bool isEmpty() const { return m_tips.isEmpty(); }
    int count() const { return int(m_tips.size()); }
    int current() const { return m_current; } // 1-based
    QString currentTip() const;

    static QString missingFileMessage();

private:
    QStringList m_tips;
    int m_current = 0;
};
