#pragma once

#include "controls/Form.h"

struct AppContext;
class ColourMixer;
class ZarnBttn;

// The colour chooser of the background screen: three sliders, a preview of each channel and
// one of the mixed colour.
class FenColors : public Form
{
    Q_OBJECT

public:
    explicit FenColors(AppContext &context, QWidget *parent = nullptr);

    void load();
    ColourMixer &mixer() { return *m_mixer; }

protected:
    // The window manager's close is the cancel button.
    void closeEvent(QCloseEvent *event) override;

private:
    void accept();
    void cancel();

    AppContext &m_context;
    ColourMixer *m_mixer = nullptr;
};
