#pragma once

#include "pages/CardPage.h"
#include "pages/ReportingTarget.h"

struct PageServices;

// Scan doubler page: position, size, sharpness, brightness, colour and hue
// rows in "Control" and the input options of "Input Select" (`GroupBox18`).
class Scalar2 : public CardPage
{
    Q_OBJECT

public:
    Scalar2(const QComboBox *models, const PageServices &services, QWidget *parent);

private:
    ReportingTarget m_sender;
};
