#pragma once

#include <QObject>

class Desktop;
class MainMenus;
class QComboBox;
class QFrame;

// The maker's web pages from the main window: the logo `Image3` in `Panel1`
// opens the home page; "Download Web Page" and "Download User Manual" open
// the product page and the user guide of the model chosen in the model list.
class WebPageLinks : public QObject
{
    Q_OBJECT

public:
    WebPageLinks(Desktop &desktop, const MainMenus &menus, const QComboBox *cmboItems,
                 QFrame *panel1);

    void Image3Click();
    void ConnecttoWeb1Click();
    void DownloadUserManual1Click();

private:
    Desktop &m_desktop;
    const QComboBox *m_items;
};
