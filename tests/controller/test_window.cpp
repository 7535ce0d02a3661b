#include "command/TerminalSink.h"
#include "command/UnitExchange.h"
#include "controller/WebPages.h"
#include "document/QlsDoc.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QPlainTextEdit>
#include <QTimer>

#include <functional>

namespace {

const QString Site = "https://www.korvane.example/";

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The maker's web pages and the report, worked from the main window.
class TestControllerWindow : public QObject, WindowFixture
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    // Opens the card pages' pop-up menu and clicks `entry`.
    void ClickCardMenuEntry(const char *entry)
    {
        QWidget *pages = Control(QStringLiteral("ControlView"));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 60),
                                pages->mapToGlobal(QPoint(20, 60)));
        QApplication::sendEvent(pages, &event);
        QMenu *popup = form->Menus().Popup(QStringLiteral("PopUpStatus"));
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(Entry(entry)).center());
    }

    // Runs `act` on the modal dialog `name` once it is shown.
    template <typename D>
    void WhenShown(const QString &name, std::function<void(D *)> act)
    {
        auto *poll = new QTimer(form.get());
        connect(poll, &QTimer::timeout, poll, [poll, name, act] {
            auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != name)
                return;
            poll->deleteLater();
            poll->stop();
            act(dialog);
        });
        poll->start(10);
    }

    // Page setup margins that leave no room on any paper.
    void SetHugeMargins()
    {
        WhenShown<QDialog>(QStringLiteral("FormPageSetup"), [](QDialog *setup) {
            QLineEdit *top = NamedChild<QLineEdit>(setup, QStringLiteral("txtTop"));
            top->selectAll();
            QTest::keyClicks(top, QStringLiteral("30"));
            QTest::mouseClick(NamedChild<QPushButton>(setup, QStringLiteral("btnOk")), Qt::LeftButton);
        });
        ClickMenu("mnuFile", "actPageSetup");
    }

private slots:
    void init()
    {
        ClearSettings();
        dir = std::make_unique<QTemporaryDir>();
        Start();
    }
    void cleanup() { Stop(); }

    void webEntries_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("address");
        const QString products = Site + "Products/Quillon/";
        const QString guides = Site + "PDFs/Users_Guides/";
        QTest::newRow("logo") << "" << "Image3" << Site;
        QTest::newRow("cover-plate photo") << "" << "Image39" << products + "Quillon.htm";
        QTest::newRow("web page, slot cover") << "" << "mnuDownloadWebPage" << "";
        QTest::newRow("user manual, slot cover") << "" << "mnuPageDownloadUserManual" << "";
        QTest::newRow("web page of a variant") << "QL324-105" << "mnuDownloadWebPage"
                                               << products + "QL324-100.htm";
        QTest::newRow("web page of a run") << "QL346-108" << "mnuPageDownloadWebPage"
                                           << products + "QL346-106_109.htm";
        QTest::newRow("shared guide") << "QL324-111" << "mnuDownloadUserManual"
                                      << guides + "QL324-100_101_105_106_111_112_UG_2210-0101.pdf";
        QTest::newRow("shared guide, other variant")
            << "QL324-106" << "mnuPageDownloadUserManual"
            << guides + "QL324-100_101_105_106_111_112_UG_2210-0101.pdf";
        QTest::newRow("model without a guide") << "QL357-101" << "mnuDownloadUserManual" << "";
    }
    void webEntries()
    {
        QFETCH(QString, model);
        QFETCH(QString, place);
        QFETCH(QString, address);
        if (!model.isEmpty())
            ChooseModel(qPrintable(model));
        if (place.startsWith("Image"))
            QTest::mouseClick(Control(place), Qt::LeftButton, {}, QPoint(10, 10));
        else if (place.startsWith("mnuPage"))
            ClickCardMenuEntry(qPrintable(place));
        else
            ClickMenu("mnuHelp", qPrintable(place));
        QCOMPARE(desktop.openedUrls,
                 address.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(address)});
        QVERIFY(desktop.informed.isEmpty());
    }

    // The stored site is used; an address no browser took is shown in full.
    void storedSiteAndNoBrowser()
    {
        Stop();
        SetSetting("WebSite", "http://mirror.korvane.example/web");
        Start();
        desktop.browserOpens = false;
        ChooseModel("QL415-104");
        ClickMenu("mnuHelp", "mnuDownloadWebPage");
        const QUrl page("http://mirror.korvane.example/web/Products/Quillon/QL415-104.htm");
        QCOMPARE(desktop.openedUrls, QList<QUrl>{page});
        QCOMPARE(desktop.informed, QStringList{WebPages::CannotOpenText(page)});
        QVERIFY(desktop.informed.first().contains(page.toString()));
        QVERIFY(Control(QStringLiteral("Image3"))->toolTip().contains("http://mirror.korvane.example/web/"));
    }

    void printGoesToTheChosenPrinter()
    {
        desktop.printToFile = dir->filePath("printed.pdf");
        desktop.printerAnswers << false << true;
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!QFile::exists(desktop.printToFile));
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(ReadAll(desktop.printToFile).startsWith("%PDF-"));
    }

    // The dialog is preset to the design's name in its folder; the terminal
    // notes what was written, in the notice colour, and nothing is sent.
    void exportPresetAndNotice()
    {
        form->Doc()->SaveToFile(dir->filePath("plant.qls"));
        desktop.saveFileNames << dir->filePath("report.pdf");
        ClickMenu("mnuFile", "actExportPdf");
        QCOMPARE(desktop.dialogTitles, QStringList{"Export Report as PDF"});
        QCOMPARE(desktop.dialogFolders, QStringList{dir->filePath("plant.pdf")});
        const auto *terminal = NamedChild<QPlainTextEdit>(form.get(), QStringLiteral("txtTerminal"));
        const QString notice = QString("Report exported to %1 (2 pages).")
                                   .arg(QDir::toNativeSeparators(dir->filePath("report.pdf")));
        QCOMPARE(terminal->toPlainText().trimmed(), notice);
        QTextCursor at(terminal->document());
        at.setPosition(terminal->toPlainText().indexOf("Report") + 1);
        QCOMPARE(at.charFormat().foreground().color(), TerminalColor::Notice);
        QVERIFY(form->Exchange().ReceivedText().isEmpty());
    }

    // A failed export leaves no file, or the old one whole, and says why.
    void exportAsPdf()
    {
        const QString path = dir->filePath("plant.pdf");
        desktop.saveFileNames << dir->filePath("missing/plant.pdf") << path;
        ClickMenu("mnuFile", "actExportPdf");
        ClickMenu("mnuFile", "actExportPdf");
        QVERIFY(ReadAll(path).startsWith("%PDF-"));
        QCOMPARE(desktop.errors.size(), 1);
        QVERIFY(desktop.errors.first().startsWith(
            QString("The report could not be saved as \"%1\": ").arg(dir->filePath("missing/plant.pdf"))));

        SetHugeMargins();
        const QByteArray before = ReadAll(path);
        desktop.saveFileNames << path;
        desktop.yesNoAnswers << true; // replace it
        ClickMenu("mnuFile", "actExportPdf");
        QCOMPARE(ReadAll(path), before);
        QCOMPARE(desktop.errors.last(), QString("The report could not be saved as \"%1\": "
                                                "The margins leave no room to print on this page. "
                                                "Choose smaller margins in Page Setup.")
                                            .arg(path));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"plant.pdf"});
    }

    void printPreview()
    {
        int pages = 0;
        WhenShown<QPrintPreviewDialog>(QStringLiteral("PrintPreview"),
                                       [&pages](QPrintPreviewDialog *preview) {
                                           pages = preview->findChild<QPrintPreviewWidget *>()->pageCount();
                                           preview->reject();
                                       });
        ClickMenu("mnuFile", "actPrintPreview");
        QCOMPARE(pages, 2); // the lists, then the picture
    }
};

QL_REGISTER_TEST(TestControllerWindow)
#include "test_window.moc"
