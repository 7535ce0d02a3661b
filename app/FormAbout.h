#pragma once

#include <QDialog>

class Desktop;

// The About box: the application's icon, program name, the maker's web site
// (a click opens it) and the maker's notice.
class TFormAbout : public QDialog
{
    Q_OBJECT
public:
    static constexpr int IconSize = 48;

    TFormAbout(Desktop &desktop, QWidget *parent);

    void Label2Click();

private:
    void FormCreate();

    Desktop &m_desktop;
};
