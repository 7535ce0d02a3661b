#pragma once

#include "app/Desktop.h"
#include "app/QlError.h"

// Runs an event handler's work and shows a QlError in an error box instead of
// letting it unwind through the event loop.
template <typename Action>
void ReportErrors(Desktop &desktop, Action &&action)
{
    try {
        action();
    } catch (const QlError &error) {
        desktop.ShowError(error.message());
    }
}
