#pragma once

#include "pages/CardPage.h"
#include "pages/ReportingTarget.h"

struct PageServices;
class CommandCheckBox;

// Scan reducer page: position, size, sharpness and brightness rows, the
// "NTSC/PAL" box and the output options in "Control" (`GroupBox32`), and the
// five zoom options of "Zoom VGA" (`ZoomControl`).
class Scalar1 : public CardPage
{
    Q_OBJECT

public:
    Scalar1(const QComboBox *models, const PageServices &services, QWidget *parent);

private:
    void NTSCPALClick();

    ReportingTarget m_sender;
    CommandCheckBox *m_ntscPal;
};
