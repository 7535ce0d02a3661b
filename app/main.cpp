#include "app/ApplicationIdentity.h"
#include "app/CommandLine.h"
#include "app/HeadlessExport.h"
#include "app/QLApplication.h"
#include "app/QLForm.h"
#include "app/QtDesktop.h"

#include <QTimer>

int main(int argc, char *argv[])
{
    const CommandLine commandLine(CommandLine::Arguments(argc, argv));
    if (commandLine.Exports())
        return HeadlessExport::Run(argv[0], commandLine.DesignFile(), commandLine.Export());
    if (!commandLine.StartsWindow())
        return commandLine.Finish();

    QtDesktop desktop;
    int toolkitArgc = 1; // the arguments are the program's own, none is the toolkit's
    QLApplication app(toolkitArgc, argv, desktop);
    ApplicationIdentity::ApplyTo(app);
    TQLForm form(desktop);
    form.show();
    if (!commandLine.DesignFile().isEmpty())
        QTimer::singleShot(0, &form, [&] { form.OpenAtStart(commandLine.DesignFile()); });
    return app.exec();
}
