#include "document/FormInfo.h"
#include "document/QlsDoc.h"
#include "support/NamedControls.h"
#include "support/TestMain.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

class TestFormInfo : public QObject
{
    Q_OBJECT

private slots:
    void okStoresOnlyWhatChanged_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("modified");
        QTest::newRow("ok, nothing typed") << "txtCompany" << "" << "btnOk" << int(TQlsDoc::COMPANY)
                                           << "Acme" << false;
        QTest::newRow("ok, typed") << "txtCompany" << " Ltd" << "btnOk" << int(TQlsDoc::COMPANY)
                                   << "Acme Ltd" << true;
        QTest::newRow("cancel, typed") << "txtCompany" << " Ltd" << "btnCancel"
                                       << int(TQlsDoc::COMPANY) << "Acme" << false;
        QTest::newRow("SO number limit") << "txtSO" << "12345678901234" << "btnOk" << int(TQlsDoc::SO)
                                       << "1234567890" << true;
        QTest::newRow("longer stored text stays whole")
            << "txtAccount" << "" << "btnOk" << int(TQlsDoc::ACCOUNT) << "ACCOUNT-0123456789" << false;
        QTest::newRow("comments keep their line ends")
            << "mmoComments" << "" << "btnOk" << int(TQlsDoc::COMMENT) << "Rack B\r\nCall first\r\n" << false;
        QTest::newRow("comments edited") << "mmoComments" << "!" << "btnOk" << int(TQlsDoc::COMMENT)
                                         << "Rack B\r\nCall first!" << true;
    }
    void okStoresOnlyWhatChanged()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, button);

        // A locked design as read from a file: not modified.
        QTemporaryDir dir;
        TQlsDoc doc;
        doc.SetInfoField(TQlsDoc::COMPANY, "Acme");
        doc.SetInfoField(TQlsDoc::ACCOUNT, "ACCOUNT-0123456789");
        doc.SetInfoField(TQlsDoc::COMMENT, "Rack B\r\nCall first\r\n");
        doc.SetLocked(true);
        doc.SaveToFile(dir.filePath("design.qls"));

        QWidget window;
        TFormInfo dialog(&window);
        bool shown = false;
        QTimer::singleShot(0, &dialog, [&] {
            shown = dialog.isVisible();
            QWidget *edit = NamedChild(&dialog, control);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_End);
            QTest::keyClicks(edit, typed);
            QTest::mouseClick(NamedChild<QPushButton>(&dialog, button), Qt::LeftButton);
        });
        dialog.Edit(doc);

        QVERIFY(shown);
        QCOMPARE(dialog.windowTitle(), QString("Customer Information"));
        QFETCH(int, field);
        QTEST(doc.InfoField(field), "stored");
        QTEST(doc.Modified(), "modified");
    }
};

QL_REGISTER_TEST(TestFormInfo)
#include "test_forminfo.moc"
