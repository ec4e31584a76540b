#include "FileManagerMode.h"

#include "core/Duration.h"
#include "sounds/FenMCIState.h"

FileManagerMode FileManagerMode::of(bool choixMultivues)
{
    if (choixMultivues) {
        return {true,
                QStringLiteral("Animations AVI (MPEG, MOV)"),
                QStringLiteral("*.avi;*.mpg;*.mov"),
                QStringLiteral("FenMultivu"),
                QStringLiteral("Copier l'animation"),
                QStringLiteral("Animations AVI (MPG, MOV)|*.avi;*.mpg;*.mov|"
                               "Tous les fichiers (*.*)|*.*")};
    }
    return {false,
            QStringLiteral("Sons AIFF, MIDI ou WAVE"),
            QStringLiteral("*.aif;*.mid;*.rmi;*.wav"),
            QStringLiteral("FenPrin"),
            QStringLiteral("Copier le fichier sons"),
            QStringLiteral("Sons AIF, MID et WAV|*.aif;*.mid;*.rmi;*.wav|"
                           "Tous les fichiers (*.*)|*.*")};
}

QString FileManagerMode::statusText(const FenMCIState &state) const
{
    const Duration length{state.DureeMn, state.DureeSec, state.DureeMs};
    if (!animations)
        return QStringLiteral(" Le son dure ") + length.text(u'.');
    return QStringLiteral(" L'animation dure ") + length.text(u'.')
           + Duration::framesText(QString::number(state.ImagesFichier));
}
