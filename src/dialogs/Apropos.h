#pragma once

#include "controls/Form.h"

#include <QTimer>

struct AppContext;
class CreditsScroller;

// The About box: credits scrolling up in a framed viewing area, the web site button and the
// close button.
class Apropos : public Form
{
    Q_OBJECT

public:
    // The program's web site, opened by the site button.
    static const QString SiteAddress;

    explicit Apropos(AppContext &context, QWidget *parent = nullptr);

    void load();
    CreditsScroller &scroller() { return *m_scroller; }
    QTimer &minuterie1() { return m_minuterie1; }

protected:
    // The window manager's close is the close button.
    void closeEvent(QCloseEvent *event) override;

private:
    void closeBox();

    AppContext &m_context;
    QTimer m_minuterie1;
    CreditsScroller *m_scroller = nullptr;
};
