#include "controller/WebPageLinks.h"

#include "app/ClickableLabel.h"
#include "app/MainMenus.h"
#include "controller/WebPages.h"
#include "document/Artwork.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QVBoxLayout>

WebPageLinks::WebPageLinks(Desktop &desktop, const MainMenus &menus, const QComboBox *cmboItems,
                           QFrame *panel1)
    : QObject(panel1), m_desktop(desktop), m_items(cmboItems)
{
    auto *logo = new ClickableLabel(panel1);
    logo->setObjectName(QStringLiteral("Image3"));
    logo->setPixmap(QPixmap::fromImage(Artwork::Picture(Artwork::MakerLogo)));
    logo->setAlignment(Qt::AlignCenter);
    logo->setCursor(Qt::PointingHandCursor);
    logo->setToolTip(QStringLiteral("Visit the Korvane web site: %1").arg(WebPages::SiteAddress()));
    auto *layout = new QVBoxLayout(panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(logo);
    connect(logo, &ClickableLabel::clicked, this, &WebPageLinks::Image3Click);

    const struct
    {
        const char *handler;
        void (WebPageLinks::*run)();
    } entries[] = {
        {"ConnecttoWeb1Click", &WebPageLinks::ConnecttoWeb1Click},
        {"DownloadUserManual1Click", &WebPageLinks::DownloadUserManual1Click},
    };
    for (const auto &row : entries)
        for (QAction *entry : menus.EntriesRunning(QLatin1String(row.handler)))
            connect(entry, &QAction::triggered, this, row.run);
}

void WebPageLinks::Image3Click()
{
    WebPages::Open(m_desktop, WebPages::HomePage());
}

void WebPageLinks::ConnecttoWeb1Click()
{
    WebPages::Open(m_desktop, WebPages::ProductPage(m_items->currentText()));
}

void WebPageLinks::DownloadUserManual1Click()
{
    WebPages::Open(m_desktop, WebPages::UserGuide(m_items->currentText()));
}
