#include "app/CommandLine.h"
#include "app/FileFilter.h"
#include "app/ProgramEditorText.h"
#include "document/QlsDoc.h"
#include "support/TestMain.h"

#include <QDir>
#include <QTest>

class TestTexts : public QObject
{
    Q_OBJECT
private slots:
    void fileFilter_data()
    {
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<QString>("qt");
        QTest::newRow("documents") << "QLSetup files|*.qls|All files|*.*"
                                   << "QLSetup files (*.qls);;All files (*.*)";
        QTest::newRow("text") << "Text files|*.txt|All files|*.*"
                              << "Text files (*.txt);;All files (*.*)";
        QTest::newRow("several patterns") << "Pictures|*.bmp;*.jpg" << "Pictures (*.bmp *.jpg)";
        QTest::newRow("description without pattern") << "Text files|*.txt|Orphan"
                                                      << "Text files (*.txt)";
        QTest::newRow("empty") << "" << "";
    }
    void fileFilter()
    {
        QFETCH(QString, pipe);
        QFETCH(QString, qt);
        QCOMPARE(QtFileFilter(pipe), qt);
    }

    // The editor shows the program text and gives back lines that the
    // document stores unchanged.
    void programTextRoundTrip_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << "" << QStringList();
        QTest::newRow("lines from a file") << "A\r\nB\r\n" << "A\nB" << QStringList{"A", "B"};
        QTest::newRow("empty line kept") << "A\r\n\r\nB\r\n" << "A\n\nB"
                                         << QStringList{"A", "", "B"};
        QTest::newRow("trailing empty line") << "A\r\n\r\n" << "A\n" << QStringList{"A", ""};
        QTest::newRow("blanks kept") << "  \r\nX // c\r\n" << "  \nX // c"
                                     << QStringList{"  ", "X // c"};
    }
    void programTextRoundTrip()
    {
        QFETCH(QString, program);
        QFETCH(QString, editor);
        QFETCH(QStringList, lines);
        QCOMPARE(ProgramEditorText::FromProgram(program), editor);
        QCOMPARE(ProgramEditorText::Lines(editor), lines);

        TQlsDoc doc;
        doc.SetInfoField(TQlsDoc::PROG, program);
        const bool modifiedBefore = doc.Modified();
        doc.SetProgramLines(lines);
        QCOMPARE(doc.InfoField(TQlsDoc::PROG), program);
        QCOMPARE(doc.Modified(), modifiedBefore);
    }

    void loneLineEndsBecomeEditorLines()
    {
        QCOMPARE(ProgramEditorText::FromProgram("A\rB\nC"), QString("A\nB\nC"));
    }

    // Arguments after the program name; a design file is made absolute.
    void commandLine_data()
    {
        const QString here = QDir::currentPath() + u'/';
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("startsWindow");
        QTest::addColumn<QString>("designFile");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("messageStart");
        QTest::newRow("nothing") << QStringList() << true << "" << 0 << "";
        QTest::newRow("relative design") << QStringList{"plant.qls"} << true << here + "plant.qls"
                                         << 0 << "";
        QTest::newRow("absolute design") << QStringList{"/d/plant.qls"} << true << "/d/plant.qls"
                                         << 0 << "";
        QTest::newRow("file after --") << QStringList{"--", "-x.qls"} << true << here + "-x.qls"
                                       << 0 << "";
        QTest::newRow("help") << QStringList{"--help"} << false << "" << 0
                              << "Usage: QLSetup [options] [file]\n";
        QTest::newRow("short help") << QStringList{"-h", "plant.qls"} << false << "" << 0
                                    << "Usage: QLSetup [options] [file]\n";
        QTest::newRow("version") << QStringList{"--version"} << false << "" << 0
                                 << "QLSetup 3.0.6\n";
        QTest::newRow("short version") << QStringList{"-v"} << false << "" << 0 << "QLSetup 3.0.6\n";
        QTest::newRow("unknown option") << QStringList{"--frob", "plant.qls"} << false << "" << 2
                                        << "QLSetup: Unknown option: --frob\nUsage: QLSetup";
        QTest::newRow("unknown single-dash word") << QStringList{"-platform", "xcb"} << false << ""
                                                  << 2
                                                  << "QLSetup: Unknown option: -platform\nUsage:";
        QTest::newRow("unknown option with value") << QStringList{"--style=fusion"} << false << ""
                                                   << 2 << "QLSetup: Unknown option: --style\n";
        QTest::newRow("two designs") << QStringList{"a.qls", "b.qls"} << false << "" << 2
                                     << "QLSetup: Only one design file can be opened.\nUsage:";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, startsWindow);
        QFETCH(QString, designFile);
        QFETCH(int, exitCode);
        QFETCH(QString, messageStart);
        const CommandLine line(QStringList{"/usr/bin/QLSetup"} + arguments);
        QCOMPARE(line.StartsWindow(), startsWindow);
        QCOMPARE(line.DesignFile(), designFile);
        QCOMPARE(line.ExitCode(), exitCode);
        QCOMPARE(line.Message().left(messageStart.size()), messageStart);
        QCOMPARE(line.Message().isEmpty(), startsWindow);
    }
};

QL_REGISTER_TEST(TestTexts)
#include "test_texts.moc"
