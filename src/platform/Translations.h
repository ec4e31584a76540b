#pragma once

class QCoreApplication;

// The toolkit's own texts (file and colour dialogs, standard buttons) in French, for the
// program and its companions.
void installFrenchTranslations(QCoreApplication &app);
