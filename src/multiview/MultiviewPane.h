#pragma once

#include "media/MediaWindow.h"

#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

class Form;
class ZarnPanel;

// One of the six panes of the multi-view window: a panel with a media window lying over it
// in the working area. It keeps the media window fitted into the panel (or at its resting
// place when it holds no file), builds the title texts from the media's name and position,
// and tells the animation's length. What the window does with these goes out as signals.
class MultiviewPane : public QObject
{
    Q_OBJECT

public:
    static constexpr int Count = 6;
    // Fitting limits of a media window inside its panel.
    static constexpr double MaxWidth = 2295;
    static constexpr double MaxHeight = 2250;
    static constexpr double Inset = 30;

    // Builds pane `index` (1 to 6) in `container`: the panel FondAnim<index> and the media
    // window MCIWnd<index>, hidden at its resting place.
    MultiviewPane(Form &window, int index, const QString &container,
                  const MediaWindow::EngineFactory &engines);

    int index() const { return m_index; }
    ZarnPanel &panel() const { return *m_panel; }
    MediaWindow &media() const { return *m_media; }
    bool holdsFile() const;

    // Panel rectangle and the media window's resting place, in the working area's twips.
    static QRectF panelRect(int index);
    static QPointF restingPlace(int index);
    // The title bar's text when no pane's media says otherwise.
    static QString plainTitle() { return QStringLiteral("MultiVues"); }
    // The separator after the name in the title a media change gives.
    static QString mediaChangeSeparator(int index);
    // The media window's rectangle once fitted into a panel: the size kept within the
    // limits, inset from the panel's left edge and centred vertically (tops may be fractional).
    static QRectF fitted(const QRectF &media, const QRectF &panel);
    // "L'animation dure 1mn 5sec 40ms et comporte 1626 images".
    static QString informationText(qint32 lengthMs, qint32 frames);

    // Border style 2 for the selected pane, 1 for the others.
    void setSelected(bool selected);
    // The name and current position (in the media's current unit) in lower case.
    QString title(const QString &separator) const;
    // The information text of the animation; empty when the pane holds no file or the length
    // reads 0 in milliseconds or in frames. Leaves the media counting in frames.
    QString information();

signals:
    // A click on the panel.
    void clicked();
    // A click on the media window, with the title it gives.
    void mediaClicked(const QString &title);
    // The title bar's text as this pane's media last had it.
    void titleChanged(const QString &title);
    // The media window opened a file.
    void fileOpened();
    // The mode changed while the pane holds no file.
    void emptied();

private:
    void onMediaChanged();
    void onModeChanged();
    void onPositionChanged();
    void onSizeChanged();
    void fit();
    void rest();

    int m_index;
    ZarnPanel *m_panel = nullptr;
    MediaWindow *m_media = nullptr;
};
