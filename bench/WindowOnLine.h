#pragma once

#include "BenchSupport.h"

#include "app/QLForm.h"
#include "app/SettingsKey.h"
#include "command/UnitExchange.h"

namespace Bench {

// Shows the program's window and opens its COM1 on the near end of `pty`, as
// a user choosing "COM1" would; false when the port could not be opened.
inline bool ShowOnLine(TQLForm &form, const PtyPair &pty)
{
    OpenSettingsKey()->setValue("ComDevice1", pty.Near());
    form.show();
    WaitUntilShown(form);
    form.Exchange().SelectPort(1);
    return form.Exchange().Port().IsOpen();
}

} // namespace Bench
