#include "app/CommandLine.h"
#include "app/HeadlessExport.h"
#include "app/QlError.h"
#include "support/TestMain.h"
#include "support/ToolOutput.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Plant = QStringLiteral(QL_TEST_DATA "/plant.qls");

struct Outcome
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The program as a user runs it over ssh: no display, no platform chosen.
Outcome RunProgram(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QL_PROGRAM), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {}; // status -1
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The PDF's text, lines with blanks collapsed.
QStringList PdfLines(const QString &pdf)
{
    QStringList lines;
    for (const QString &line :
         ToolOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).split(u'\n'))
        lines << line.simplified();
    return lines;
}

// Left edge, in points, of the first word `word` of the PDF.
double LeftOfWord(const QString &pdf, const QString &word)
{
    const QString html =
        ToolOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpression box(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>%1</word>")
                                     .arg(QRegularExpression::escape(word)));
    const QRegularExpressionMatch match = box.match(html);
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void exportRequest()
    {
        const CommandLine line(
            {QStringLiteral("QLSetup"), QStringLiteral("--export-pdf"), QStringLiteral("r.pdf"),
             QStringLiteral("--export-parts"), QStringLiteral("-"), QStringLiteral("--landscape"),
             QStringLiteral("--margins"), QStringLiteral("1,0,0,0"), QStringLiteral("--sections"),
             QStringLiteral("cards"), QStringLiteral("plant.qls")});
        QVERIFY(line.Exports());
        QVERIFY(!line.StartsWindow());
        QCOMPARE(line.DesignFile(), QDir::current().absoluteFilePath(QStringLiteral("plant.qls")));
        QCOMPARE(line.Export().reportPdf, QStringLiteral("r.pdf"));
        QCOMPARE(line.Export().partsCsv, QStringLiteral("-"));
        QVERIFY(line.Export().landscape);
        QCOMPARE(line.Export().margins, QStringLiteral("1,0,0,0"));
        QCOMPARE(line.Export().sections, QStringLiteral("cards"));
    }

    // --margins is left, top, right, bottom; --sections replaces the defaults.
    void reportChoices_data()
    {
        QTest::addColumn<QString>("margins");
        QTest::addColumn<QString>("sections");
        QTest::addColumn<QList<double>>("leftRightTopBottom");
        QTest::addColumn<QList<bool>>("cardsProgramPicturesHires");
        QTest::addColumn<QString>("error");
        const QList<double> none{0, 0, 0, 0};
        const QList<bool> defaults{true, true, true, false};
        const QString sectionNames =
            QStringLiteral("the sections are cards, program, pictures, hires.");
        QTest::newRow("defaults") << QString() << QString() << none << defaults << "";
        QTest::newRow("margins in order")
            << "0.5,1,1.5,2" << QString() << QList<double>{0.5, 1.5, 1, 2} << defaults << "";
        QTest::newRow("sections") << QString() << "hires,cards" << none
                                  << QList<bool>{true, false, false, true} << "";
        QTest::newRow("three margins") << "1,1,1" << QString() << none << defaults
                                       << "--margins \"1,1,1\": give four numbers in inches, "
                                          "left,top,right,bottom, such as 0.5,0.5,0.5,0.5.";
        QTest::newRow("decimal comma") << "0,5;1;1;1" << QString() << none << defaults
                                       << "--margins \"0,5;1;1;1\": give four numbers";
        QTest::newRow("no number") << "a,0,0,0" << QString() << none << defaults
                                   << "--margins \"a,0,0,0\": give four numbers";
        QTest::newRow("unknown section")
            << QString() << "cards,code" << none << defaults
            << "--sections \"cards,code\": unknown section \"code\"; " + sectionNames;
        QTest::newRow("no section") << QString() << "" << none << defaults
                                    << "--sections is empty: choose at least one of cards, "
                                       "program, pictures, hires.";
    }
    void reportChoices()
    {
        QFETCH(QString, margins);
        QFETCH(QString, sections);
        QFETCH(QList<double>, leftRightTopBottom);
        QFETCH(QList<bool>, cardsProgramPicturesHires);
        QFETCH(QString, error);
        ExportRequest request;
        request.reportPdf = QStringLiteral("r.pdf");
        if (!margins.isNull())
            request.margins = margins;
        if (!sections.isNull())
            request.sections = sections;
        try {
            const ReportSetup setup = HeadlessExport::ReportChoices(request);
            QVERIFY2(error.isEmpty(), "no error");
            QCOMPARE(QList<double>(setup.margins.begin(), setup.margins.end()), leftRightTopBottom);
            QCOMPARE((QList<bool>{setup.cardAndGroupInfo, setup.programCode,
                                  setup.lowResolutionPicture, setup.highResolutionPicture}),
                     cardsProgramPicturesHires);
        } catch (const QlError &failure) {
            QCOMPARE(failure.message().left(error.size()), error);
            QVERIFY(!error.isEmpty());
        }
    }

    void partsListByteForByte()
    {
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("parts.csv"));
        const Outcome run = RunProgram({QStringLiteral("--export-parts"), csv, Plant});
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.status, 0);
        QCOMPARE(FileBytes(csv), FileBytes(QStringLiteral(QL_TEST_DATA "/plant-parts.csv")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"parts.csv"});

        const Outcome toStandardOutput =
            RunProgram({QStringLiteral("--export-parts"), QStringLiteral("-"), Plant});
        QCOMPARE(toStandardOutput.status, 0);
        QCOMPARE(toStandardOutput.out, FileBytes(csv));
    }

    // The report as the page setup's defaults print it, and with sections chosen.
    void reportText()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        Outcome run = RunProgram({QStringLiteral("--export-pdf"), pdf, Plant});
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.status, 0);
        QStringList lines = PdfLines(pdf);
        for (const QString &line :
             {QStringLiteral("Company: Harbour \"North\" Studios, Ltd"),
              QStringLiteral("CARD INFORMATION"), QStringLiteral("Card 1: RESERVED"),
              QStringLiteral("Card 5: QL324-100"), QStringLiteral("Group 1: C3C5G1"),
              QStringLiteral("PROGRAM CODE"), QStringLiteral("KEY 2 = [OFF1C5U0]")})
            QVERIFY2(lines.contains(line), qPrintable(line));

        run = RunProgram({QStringLiteral("--export-pdf"), pdf, QStringLiteral("--sections"),
                          QStringLiteral("program"), Plant});
        QCOMPARE(run.status, 0);
        lines = PdfLines(pdf);
        QVERIFY(lines.contains(QStringLiteral("PROGRAM CODE")));
        QVERIFY(!lines.contains(QStringLiteral("CARD INFORMATION")));
    }

    void reportLandscapeAndMargins()
    {
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("plain.pdf"));
        const QString wide = dir.filePath(QStringLiteral("wide.pdf"));
        QCOMPARE(RunProgram({QStringLiteral("--export-pdf"), plain, Plant}).status, 0);
        QCOMPARE(RunProgram({QStringLiteral("--export-pdf"), wide, QStringLiteral("--landscape"),
                             QStringLiteral("--margins"), QStringLiteral("2,0,0,0"), Plant})
                     .status,
                 0);
        const QRegularExpression size(QStringLiteral("Page size: +([0-9.]+) x ([0-9.]+)"));
        const auto pageSize = [&](const QString &pdf) {
            const QRegularExpressionMatch match =
                size.match(ToolOutput(QStringLiteral("pdfinfo"), {pdf}));
            return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
        };
        QVERIFY(pageSize(plain).height() > pageSize(plain).width());
        QCOMPARE(pageSize(wide), pageSize(plain).transposed());
        // A margin is inches from the paper's edge; a PDF keeps a quarter
        // inch clear for the printer it will go to, so 0 starts there.
        QCOMPARE(qRound(LeftOfWord(plain, QStringLiteral("Company:"))), 18);
        QCOMPARE(qRound(LeftOfWord(wide, QStringLiteral("Company:"))), 2 * 72);
    }

    // Status 1 and one line naming the file or value; nothing is written and
    // an existing output stays whole.
    void failures_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("design");
        QTest::addColumn<QString>("error");
        const QString missing = QStringLiteral(QL_TEST_DATA "/no-such-design.qls");
        QTest::newRow("design missing")
            << QStringList() << missing << "QLSetup: Cannot open \"" + missing + "\": ";
        QTest::newRow("margins malformed") << QStringList{"--margins", "1,2"} << Plant
                                           << "QLSetup: --margins \"1,2\": give four numbers";
        QTest::newRow("section unknown")
            << QStringList{"--sections", "cards,photo"} << Plant
            << "QLSetup: --sections \"cards,photo\": unknown section \"photo\"";
        QTest::newRow("margins leave no room") << QStringList{"--margins", "90,0,90,0"} << Plant
                                               << "QLSetup: Cannot write the report \"";
    }
    void failures()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, design);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old report");
        old.close();

        const Outcome run = RunProgram(QStringList{QStringLiteral("--export-pdf"), pdf} + options +
                                       QStringList{design});
        QCOMPARE(run.status, 1);
        QCOMPARE(QString::fromLocal8Bit(run.err).left(error.size()), error);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.endsWith('\n'));
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(FileBytes(pdf), QByteArray("old report"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.pdf"});
    }

    void outputCannotBeWritten()
    {
        const QString csv = QStringLiteral("/nonexistent-folder/parts.csv");
        const Outcome run = RunProgram({QStringLiteral("--export-parts"), csv, Plant});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith("QLSetup: Cannot create \"" + csv.toLocal8Bit() + "\": "),
                 run.err);
        QCOMPARE(run.err.count('\n'), 1);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("Qt's option")
            << QStringList{"-platform", "offscreen"} << "QLSetup: Unknown option: -platform\n";
        QTest::newRow("no design")
            << QStringList{"--export-parts", "-"}
            << "QLSetup: --export-pdf and --export-parts need a design file.\n";
        QTest::newRow("report option alone") << QStringList{"--landscape", Plant}
                                             << "QLSetup: --landscape, --margins and --sections go "
                                                "with --export-pdf.\n";
        QTest::newRow("both to standard output")
            << QStringList{"--export-pdf", "-", "--export-parts", "-", Plant}
            << "QLSetup: Only one export can go to standard output.\n";
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const Outcome run = RunProgram(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(QString::fromLocal8Bit(run.err).left(error.size()), error);
        QVERIFY(run.err.contains("\nUsage: QLSetup [options] [file]\n"));
    }
};

QL_REGISTER_TEST(TestCommandLine)
#include "test_commandline.moc"
