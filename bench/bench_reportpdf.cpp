// Size of the exported report of a full 20-slot design: the file written by
// "Export Report as PDF..." with the page setup's start values.
#include "BenchSupport.h"

#include "app/QLApplication.h"
#include "app/QtDesktop.h"
#include "controller/PageSetup.h"
#include "controller/ReportPrinting.h"
#include "document/CardCatalog.h"
#include "document/QlsDoc.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr double SizeGoalKb = 600;
constexpr int ProgramLines = 60;

// Every slot holds a different one-slot card; customer fields, a comment and
// a program long enough for a page of its own.
TQlsDoc FullDesign()
{
    TQlsDoc doc;
    int slot = TQlsDoc::SlotCount;
    for (const QString &line : CardCatalog::Lines().mid(1)) {
        if (slot == 0)
            break;
        if (CardCatalog::SlotWidth(CardCatalog::ModelCode(line)) == 1)
            doc.PlaceCard(slot--, line);
    }
    doc.SetInfoField(TQlsDoc::COMPANY, QStringLiteral("Northbridge Broadcast System Integration"));
    doc.SetInfoField(TQlsDoc::COMMENT,
                     QStringLiteral("Studio B rack, second bay.\r\nPower from UPS 2."));
    QStringList program;
    for (int i = 1; i <= ProgramLines; ++i)
        program << QStringLiteral("{K%1}[ON%1C%2]").arg(i).arg(i % 20 + 1);
    doc.SetProgramLines(program);
    return doc;
}

} // namespace

int main(int argc, char *argv[])
{
    Bench::UseOffscreenWithoutDisplay();
    Bench::IsolatedSettings settings;
    QtDesktop desktop;
    QLApplication app(argc, argv, desktop);
    // The files stay in the folder given as argument, for a look at them.
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : settings.Folder().path();
    const TQlsDoc design = FullDesign();
    TFormPageSetup pageSetup(nullptr);
    ReportPrinting report(desktop, pageSetup, nullptr, [](const QString &) {});

    const struct
    {
        const char *file;
        const char *what;
        bool highResolution;
    } runs[] = {
        {"report.pdf", "start values", false},
        {"report-hires.pdf", "both pictures", true},
    };
    for (const auto &run : runs) {
        auto *highResolution = pageSetup.findChild<QCheckBox *>(QStringLiteral("chkHires"));
        highResolution->setChecked(run.highResolution);
        const QString path = QDir(folder).filePath(QLatin1String(run.file));
        const int pages = report.WritePdf(design, path);
        const double kb = QFileInfo(path).size() / 1024.0;
        std::printf("report of a 20-slot design as PDF, %s: %d pages, %.0f KB (%.2f of %.0f KB)\n",
                    run.what, pages, kb, kb / SizeGoalKb, SizeGoalKb);
    }
    return 0;
}
