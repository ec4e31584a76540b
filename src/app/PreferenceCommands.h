#pragma once

struct AppContext;
class QString;

// The preference switches of the configuration menu. Each returns the caption its menu
// item shows afterwards.
class PreferenceCommands
{
public:
    explicit PreferenceCommands(AppContext &context);

    QString toggleHints();
    QString toggleTipsAtStart();
    // Default colours, written in decimal form; the caller repaints.
    void resetColours();
    // Asks, then deletes everything stored. True when the store was deleted.
    bool uninstall();

    static QString hintsCaption(bool on);
    static QString tipsCaption(const QString &value);

private:
    AppContext &m_context;
};
