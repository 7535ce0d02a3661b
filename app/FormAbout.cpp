#include "app/FormAbout.h"

#include "app/ClickableLabel.h"
#include "app/Desktop.h"
#include "controller/WebPages.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QPushButton>
#include <QUrl>

TFormAbout::TFormAbout(Desktop &desktop, QWidget *parent)
    : QDialog(parent), m_desktop(desktop)
{
    FormCreate();
}

void TFormAbout::FormCreate()
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("About QL Setup"));

    // The application's icon, as large as the three lines beside it.
    const QIcon applicationIcon = QApplication::windowIcon();
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(applicationIcon.pixmap(QSize(IconSize, IconSize), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop);
    icon->setVisible(!applicationIcon.isNull());

    auto *program = new QLabel(QStringLiteral("QL Setup Program"), this);
    program->setObjectName(QStringLiteral("Label1"));
    QFont bold = program->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    program->setFont(bold);

    auto *site = new ClickableLabel(this);
    site->setObjectName(QStringLiteral("Label2"));
    site->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(WebPages::SiteAddress()));
    site->setTextInteractionFlags(Qt::NoTextInteraction);
    site->setCursor(Qt::PointingHandCursor);
    site->setToolTip(WebPages::SiteAddress());
    connect(site, &ClickableLabel::clicked, this, &TFormAbout::Label2Click);

    auto *notice = new QLabel(QStringLiteral("Copyright \u00A9 Korvane. All rights reserved."), this);
    notice->setObjectName(QStringLiteral("Label3"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(icon, 0, 0, 3, 1);
    grid->addWidget(program, 0, 1);
    grid->addWidget(site, 1, 1);
    grid->addWidget(notice, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormAbout::Label2Click()
{
    WebPages::Open(m_desktop, WebPages::HomePage());
}
