#include "app/FileFilter.h"
#include "app/ProgramEditorText.h"
#include "document/QlsDoc.h"
#include "support/TestMain.h"

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
};

QL_REGISTER_TEST(TestTexts)
#include "test_texts.moc"
