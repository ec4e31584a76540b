#include "HelpWindow.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const QString DefaultTitle = QStringLiteral("Aide");
}

HelpWindow::HelpWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_list(new QListWidget)
    , m_text(new QTextBrowser)
    , m_contents(new QPushButton(QStringLiteral("Sommaire")))
    , m_back(new QPushButton(QStringLiteral("Précédent")))
{
    setWindowTitle(DefaultTitle);
    m_text->setOpenLinks(false);
    m_back->setEnabled(false);
    m_contents->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_contents);
    buttons->addWidget(m_back);
    buttons->addStretch();

    auto *splitter = new QSplitter;
    splitter->addWidget(m_list);
    splitter->addWidget(m_text);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 520});

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    setCentralWidget(central);
    resize(760, 540);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_help && row >= 0 && row < m_help->topics().size()
            && m_current != m_help->topics().at(row).context)
            showTopic(m_help->topics().at(row).context, true);
    });
    connect(m_text, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (const auto context = HelpFile::contextOfLink(url.toString()))
            showTopic(*context, true);
    });
    connect(m_contents, &QPushButton::clicked, this, [this] {
        if (m_help && m_help->contents())
            showTopic(m_help->contents()->context, true);
    });
    connect(m_back, &QPushButton::clicked, this, &HelpWindow::goBack);
}

void HelpWindow::open(const HelpRequest &request)
{
    if (!request.error.isEmpty()) {
        showMessage(request.error
                    + QStringLiteral("\n\nUtilisation : winhelp.exe [-n numéro] "
                                     "fichier"));
        return;
    }
    QString error;
    m_help = HelpFile::load(request.file, &error);
    if (!m_help) {
        showMessage(error);
        return;
    }
    setWindowTitle(m_help->title().isEmpty() ? DefaultTitle : m_help->title());
    for (const HelpTopic &topic : m_help->topics())
        m_list->addItem(topic.title);
    m_contents->setEnabled(true);

    if (request.context && !m_help->topic(*request.context)) {
        showTopic(m_help->contents()->context, false);
        m_text->setHtml(QStringLiteral("<p><i>La rubrique n° %1 n'existe pas dans ce fichier "
                                       "d'aide.</i></p>")
                            .arg(*request.context)
                        + HelpFile::toHtml(*m_help->contents()));
        return;
    }
    showTopic(request.context.value_or(m_help->contents()->context), false);
}

void HelpWindow::showTopic(int context, bool remember)
{
    const HelpTopic *topic = m_help ? m_help->topic(context) : nullptr;
    if (!topic)
        return;
    if (remember && m_current && *m_current != context)
        m_history.append(*m_current);
    m_current = context;
    m_back->setEnabled(!m_history.isEmpty());
    m_text->setHtml(HelpFile::toHtml(*topic));
    const QSignalBlocker block(m_list);
    m_list->setCurrentRow(int(topic - m_help->topics().constData()));
}

void HelpWindow::showMessage(const QString &text)
{
    m_text->setPlainText(text);
}

void HelpWindow::goBack()
{
    if (m_history.isEmpty())
        return;
    const int previous = m_history.takeLast();
    showTopic(previous, false);
}
