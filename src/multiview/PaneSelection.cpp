#include "PaneSelection.h"

#include "app/AppContext.h"
#include "controls/Form.h"
#include "controls/ZarnBttn.h"
#include "core/Logging.h"
#include "media/MediaWindow.h"

#include <QPointer>

PaneSelection::PaneSelection(Form &window,
                             const std::array<MultiviewPane *, MultiviewPane::Count> &panes,
                             AppContext &context)
    : QObject(&window)
    , m_panes(panes)
    , m_context(context)
    , m_title(window.require<ZarnBttn>(QStringLiteral("CmdDeplaceFen")))
    , m_infoLine(window.require<ZarnBttn>(QStringLiteral("Forme7")))
    , m_ficMci(window.require<ZarnBttn>(QStringLiteral("CmdFicMCI")))
    , m_infoAnim(window.require<ZarnBttn>(QStringLiteral("CmdInfoAnim")))
    , m_recupG(window.require<ZarnBttn>(QStringLiteral("CmdRecupG")))
    , m_recupF(window.require<ZarnBttn>(QStringLiteral("CmdRecupF")))
{
    for (MultiviewPane *pane : m_panes) {
        const int k = pane->index();
        connect(pane, &MultiviewPane::clicked, this,
                [this, k] { select(k, MultiviewPane::plainTitle()); });
        connect(pane, &MultiviewPane::mediaClicked, this,
                [this, k](const QString &title) { select(k, title); });
        connect(pane, &MultiviewPane::titleChanged, m_title, &ZarnBttn::setCaption);
        connect(pane, &MultiviewPane::fileOpened, this, [this, k] {
            if (isSelected(k))
                enableFileCommands(true);
        });
        // An empty pane's mode change disables them whichever pane is selected.
        connect(pane, &MultiviewPane::emptied, this, [this] { enableFileCommands(false); });
    }
}

void PaneSelection::select(int k, const QString &title)
{
    for (MultiviewPane *pane : m_panes) {
        const bool chosen = pane->index() == k;
        m_cadreSel[pane->index() - 1] = chosen;
        pane->setSelected(chosen);
    }
    m_title->setCaption(title);
    m_ficMci->setEnabled(true);
    enableFileCommands(m_panes[k - 1]->holdsFile());
}

void PaneSelection::clear()
{
    m_cadreSel.fill(false);
    for (MultiviewPane *pane : m_panes)
        pane->setSelected(false);
    disableAll();
}

MultiviewPane *PaneSelection::selected() const
{
    for (int i = 0; i < MultiviewPane::Count; ++i) {
        if (m_cadreSel[i])
            return m_panes[i];
    }
    return nullptr;
}

void PaneSelection::enableFileCommands(bool enabled)
{
    for (ZarnBttn *button : {m_infoAnim, m_recupG, m_recupF})
        button->setEnabled(enabled);
}

void PaneSelection::disableAll()
{
    m_ficMci->setEnabled(false);
    enableFileCommands(false);
}

void PaneSelection::chooseFile()
{
    m_context.general.ChoixMultivues = true;
    // The file manager runs its own event loop: this window may be unloaded meanwhile.
    const QPointer<PaneSelection> alive(this);
    emit fileManagerRequested();
    if (!alive)
        return;
    MultiviewPane *pane = selected();
    if (!pane) {
        qCDebug(lcApp) << "file chosen with no pane selected";
        return;
    }
    MediaWindow &media = pane->media();
    media.setFileName(m_context.general.FichierChoisi);
    media.setVisible(!media.fileName().isEmpty());
}

void PaneSelection::toggleInformation()
{
    MultiviewPane *pane = selected();
    if (!pane)
        return;
    const QString text = pane->information();
    if (text.isEmpty())
        return;
    m_infoLine->setCaption(m_infoLine->caption().isEmpty() ? text : QString());
}
