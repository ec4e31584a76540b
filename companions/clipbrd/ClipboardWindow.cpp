#include "ClipboardWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

ClipboardWindow::ClipboardWindow(QWidget *parent)
    : QWidget(parent)
    , m_pages(new QStackedWidget)
    , m_empty(new QLabel(QStringLiteral("Le presse-papiers est vide.")))
    , m_text(new QPlainTextEdit)
    , m_image(new QLabel)
{
    setWindowTitle(QStringLiteral("Presse-papiers"));
    m_empty->setAlignment(Qt::AlignCenter);
    m_text->setReadOnly(true);
    m_image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *scroll = new QScrollArea;
    scroll->setWidget(m_image);
    scroll->setWidgetResizable(false);

    m_pages->addWidget(m_empty);
    m_pages->addWidget(m_text);
    m_pages->addWidget(scroll);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
    resize(520, 380);

    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &ClipboardWindow::refresh);
    refresh();
}

void ClipboardWindow::refresh()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (!image.isNull()) {
            m_image->setPixmap(QPixmap::fromImage(image));
            m_image->adjustSize();
            m_pages->setCurrentIndex(2);
            return;
        }
    }
    if (data && data->hasText() && !data->text().isEmpty()) {
        m_text->setPlainText(data->text());
        m_pages->setCurrentIndex(1);
        return;
    }
    if (data && !data->formats().isEmpty()) {
        m_empty->setText(QStringLiteral("Le presse-papiers contient des données qui ne peuvent "
                                        "pas être affichées :\n%1")
                             .arg(data->formats().join(QLatin1Char('\n'))));
    } else {
        m_empty->setText(QStringLiteral("Le presse-papiers est vide."));
    }
    m_pages->setCurrentIndex(0);
}
