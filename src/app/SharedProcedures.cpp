#include "SharedProcedures.h"

#include "app/AppContext.h"
#include "app/ResourceSounds.h"
#include "core/Logging.h"

namespace SharedProcedures {

void ProcSonRessource(AppContext &context, int number)
{
    const QByteArray wave = resourceSound(number);
    if (wave.isEmpty() || !context.platform.sound->playSync(wave))
        qCDebug(lcApp) << "built-in sound" << number << "not played";
}

void ProcPressePapiers(AppContext &context)
{
    const LaunchResult result
        = context.platform.launcher->start(LaunchCommand::of(QStringLiteral("clipbrd.exe")));
    if (result.status == LaunchStatus::FileNotFound) {
        MessageRequest request;
        request.icon = MessageIcon::Exclamation;
        request.buttons = MessageButtons::Ok;
        request.title = QStringLiteral("Presse-papiers de Windows");
        request.text = QStringList{
            QStringLiteral("Vous n'avez pas installé le presse-papiers. Il n'est pas vraiment "
                           "nécessaire mais vous permet de visionner ce qui a été copié."),
            QStringLiteral("Si vous ne savez pas comment l'installer, voici comment procéder :"),
            QStringLiteral("- insérez le CD Windows 98 dans le lecteur"),
            QStringLiteral("- ouvrez le Panneau de configuration"),
            QStringLiteral("- cliquez sur Ajout/Suppression de programmes puis sur l'onglet "
                           "Installation de Windows"),
            QStringLiteral("- cliquez sur Outils système (sur le nom, pas sur la case à cocher) "
                           "puis sur le bouton Détails..."),
            QStringLiteral("- cochez la case Presse-papiers, cliquez sur le bouton OK puis sur le "
                           "bouton OK tout en bas de la fenêtre"),
        }.join(QLatin1Char('\n'));
        context.platform.messages->ask(request);
    } else if (result.status == LaunchStatus::Failed) {
        qCDebug(lcApp) << "clipboard viewer failed to start";
    }
}

void showHelpFile(AppContext &context)
{
    const LaunchResult result = context.platform.launcher->start(
        LaunchCommand::of(QStringLiteral("winhelp.exe"), {context.general.FichierAide}));
    if (result.status != LaunchStatus::Started)
        qCDebug(lcApp) << "help viewer did not start";
}

void showHelpTopic(AppContext &context, int topic)
{
    context.platform.help->showTopic(context.general.FichierAide, topic);
}

} // namespace SharedProcedures
