#pragma once

#include "document/DesignReport.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The "Page Setup" dialog: what the report prints, the paper orientation and
// the margins in inches. Created once for the run; its controls are the
// settings, so every choice (Cancel included) stays until the program ends.
class TFormPageSetup : public QDialog
{
    Q_OBJECT

public:
    explicit TFormPageSetup(QWidget *parent);

    // 0 "Portrait" chosen; 1 card and group information; 2 program code;
    // 3 low and 4 high resolution picture; any other index false.
    bool PrintOption(int index) const;
    // 0 left, 1 right, 2 top, 3 bottom, in inches; 0 for a text that is no
    // number and for any other index.
    double Margin(int index) const;
    // The choices as the report takes them.
    ReportSetup Choices() const;

    // "Ok" is enabled when a print option is ticked and every margin is a number.
    void Validate();
    // Shows the picture of the chosen orientation.
    void OrientClick();

    // The number a margin text stands for: a decimal number with a point.
    static std::optional<double> MarginNumber(const QString &text);

private:
    void FormCreate();
    QWidget *CreateOptions();
    QWidget *CreateOrientation();
    QWidget *CreateMargins();

    std::array<QCheckBox *, 4> m_options{};  // chkInfo, chkCode, chkLores, chkHires
    std::array<QLineEdit *, 4> m_margins{};  // txtLeft, txtRight, txtTop, txtBottom
    QCheckBox *m_footer = nullptr;           // chkFooter "Page numbers and date"
    QRadioButton *m_portrait = nullptr;
    QRadioButton *m_landscape = nullptr;
    QLabel *m_orient = nullptr;
    QLabel *m_portraitPicture = nullptr;
    QLabel *m_landscapePicture = nullptr;
    QPushButton *m_ok = nullptr;
};
