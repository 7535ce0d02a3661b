#pragma once

#include "pages/CardPage.h"

struct PageServices;

// The page of the control card (`ControlCard1`): "RS-232/IR Control" with the
// card's data memories and IR learning, "Relay Control" and "I/O Control".
class ControlCardPage : public CardPage
{
    Q_OBJECT

public:
    ControlCardPage(const QComboBox *models, const PageServices &services, QWidget *parent);
};
