#include "HoverHints.h"

#include "app/General.h"
#include "controls/Form.h"
#include "controls/ZarnBttn.h"

void HoverHints::install(Form &window, const General &general)
{
    for (QWidget *control : window.controls()) {
        auto *button = qobject_cast<ZarnBttn *>(control);
        if (!button || Form::hint(button).isEmpty())
            continue;
        QObject::connect(button, &ZarnBttn::mouseMove, button, [button, &general] {
            button->setToolTip(general.InfoBulles ? Form::hint(button) : QString());
        });
    }
}
