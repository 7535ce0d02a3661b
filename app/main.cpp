#include "app/ApplicationIdentity.h"
#include "app/QLApplication.h"
#include "app/QLForm.h"
#include "app/QtDesktop.h"

int main(int argc, char *argv[])
{
    QtDesktop desktop;
    QLApplication app(argc, argv, desktop);
    ApplicationIdentity::ApplyTo(app);
    TQLForm form(desktop);
    form.show();
    return app.exec();
}
