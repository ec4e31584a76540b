#pragma once

#include "controls/Form.h"

#include <QTimer>

struct AppContext;

// The splash window: asks whether a second instance should run, shows the product's name
// on a black-to-blue gradient, and hands over to the main window on its first tick.
class Demarre2 : public Form
{
    Q_OBJECT

public:
    explicit Demarre2(AppContext &context, QWidget *parent = nullptr);
    // The load step; false when the user chose not to run a second instance.
    bool load();

signals:
    void handOver();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    AppContext &m_context;
    QTimer m_timer;
};
