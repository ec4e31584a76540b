#pragma once

#include "controls/Form.h"
#include "dialogs/TipsBook.h"

struct AppContext;
class QCheckBox;
class QLabel;

// The tip of the day.
class Conseils : public Form
{
    Q_OBJECT

public:
    explicit Conseils(AppContext &context, QWidget *parent = nullptr);
    void load();

    const TipsBook &tips() const { return m_tips; }
    QString tipText() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void applyColours();
    void showCurrentTip();
    void startupChoiceClicked();

    AppContext &m_context;
    TipsBook m_tips;
    QLabel *m_tipText = nullptr;
    QCheckBox *m_startup = nullptr;
};
