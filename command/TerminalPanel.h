#pragma once

#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QWidget>

class Desktop;
class QCheckBox;
class QGroupBox;
class QPushButton;
class TerminalView;
class WaitIndicator;

// The contents of the terminal region `grpTerminal`: the terminal, the wait
// indicator, the clear button "C" and the full-size toggle.
class TerminalPanel : public QWidget
{
    Q_OBJECT

public:
    // Places of the region in the main window's client area, normal and enlarged.
    static constexpr QRect NormalGeometry{1, 443, 405, 118};
    static constexpr QRect FullGeometry{1, 97, 784, 465};
    static inline const QString ClearQuestion = QStringLiteral("Clear Terminal window?");
    // Puts the keyboard into the terminal, which the Tab walk passes by.
    static inline const QKeySequence TerminalKey{Qt::CTRL | Qt::Key_T};

    // Fills `region` (the group box "Terminal") and from then on resizes it.
    TerminalPanel(Desktop &desktop, QGroupBox *region);

    TerminalView *Terminal() const { return m_terminal; }
    WaitIndicator *Indicator() const { return m_indicator; }

    // Regions the enlarged terminal covers; they are hidden while it is enlarged.
    void SetCoveredRegions(const QList<QWidget *> &regions) { m_covered = regions; }

    // Empties the terminal at once.
    void ClearTerminal();

protected:
    // Ctrl+Tab and Ctrl+Shift+Tab leave the terminal, where Tab is typed,
    // for the controls beside it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Button146Click();
    void CheckBox121Click();

    Desktop &m_desktop;
    QGroupBox *m_region;
    TerminalView *m_terminal;
    WaitIndicator *m_indicator;
    QPushButton *m_clearButton;
    QCheckBox *m_fullSize;
    QList<QWidget *> m_covered;
};
