#pragma once

#include <QString>
#include <QUrl>

class Desktop;

// Addresses of the maker's web site: the home page, the Quillon family page,
// and the product page and user guide of a card model. The site is the
// stored setting "WebSite", by default AppInfo::MakerSite.
namespace WebPages {

inline const QString ProductFolder = QStringLiteral("Products/Quillon/");
inline const QString GuideFolder = QStringLiteral("PDFs/Users_Guides/");

// The stored site address, ending in "/".
QString SiteAddress();

QUrl HomePage();
// "Products/Quillon/Quillon.htm".
QUrl FamilyPage();
// Product page or user guide of the model whose code begins `cardText`;
// an empty address when the model has none.
QUrl ProductPage(const QString &cardText);
QUrl UserGuide(const QString &cardText);

// The notice shown when the desktop cannot open `url`.
QString CannotOpenText(const QUrl &url);

// Hands `url` to the desktop's browser; when that fails the user is told the
// full address, so that it can be opened by hand. An empty address does nothing.
void Open(Desktop &desktop, const QUrl &url);

} // namespace WebPages
