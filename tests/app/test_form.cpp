#include "support/WindowFixture.h"

#include "app/AppInfo.h"
#include "app/FileDialogs.h"
#include "command/UnitExchange.h"
#include "document/CardCatalog.h"
#include "document/QlsDoc.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QAbstractItemView>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>

namespace {

const QString NewCaption = AppInfo::Title + "  " + AppInfo::VersionText;

// The editor font's family when nothing else is stored.
QString DefaultFontFamily()
{
    return QFontDatabase::hasFamily("Courier New")
               ? QString("Courier New")
               : QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

// True when every printable ASCII character is drawn at one advance: what the
// user sees of a fixed-pitch font, whatever the font file says of itself.
bool DrawnAtOneAdvance(const QFont &font)
{
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('M'));
    for (char c = ' '; c <= '~'; ++c) {
        if (metrics.horizontalAdvance(QLatin1Char(c)) != advance)
            return false;
    }
    return advance > 0;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

    WindowFixture f;
    std::unique_ptr<QTemporaryDir> dir;

    QString Path(const char *name) const { return dir->filePath(QLatin1String(name)); }

    // Gives the open design a change (and optionally a file) so that letting
    // it go asks the save query.
    void ModifyDesign(const QString &savedPath = QString())
    {
        if (!savedPath.isEmpty())
            f.form->Doc()->SaveToFile(savedPath);
        f.form->Doc()->SetInfoField(TQlsDoc::COMPANY, "Acme");
        QVERIFY(f.form->Doc()->Modified());
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        WindowFixture::ClearSettings();
        f.Start();
    }
    void cleanup()
    {
        f.Stop();
        WindowFixture::ClearSettings();
    }

    void firstRunStartsWithAnEmptyDesign()
    {
        QCOMPARE(f.form->windowTitle(), NewCaption);
        QVERIFY(f.form->Doc());
        QVERIFY(!f.form->Doc()->Modified());
        QCOMPARE(f.form->CurrentSlot(), 20);
        QVERIFY(!f.Entry("actLastDoc")->isVisible());
        QCOMPARE(f.Control<QComboBox>("cmboItems")->currentIndex(), 0);
        QCOMPARE(f.Control<QComboBox>("cmboEnclosure")->currentText(), QString("20 Slots Enclosure"));
        const QFont font = f.Control<QPlainTextEdit>("mmoProgram")->font();
        QCOMPARE(font.family(), DefaultFontFamily());
        QCOMPARE(font.pointSize(), 8);
        QCOMPARE(f.form->Settings().BaudRate, 9600);
        QCOMPARE(f.form->Settings().CommPortNo, 0);
        QVERIFY(f.desktop.questions.isEmpty());
    }

    void fixedClientArea()
    {
        QCOMPARE(f.form->centralWidget()->size(), QSize(792, 564));
        QCOMPARE(f.form->minimumSize(), f.form->maximumSize());
    }

    void regionsCarryTheirCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("slots") << "grpCards" << "Slots";
        QTest::newRow("groups") << "grpGroups" << "Groups";
        QTest::newRow("card control") << "grpControls" << "Card Control";
        QTest::newRow("terminal") << "grpTerminal" << "Terminal";
        QTest::newRow("control") << "GroupBox64" << "Control";
        QTest::newRow("program") << "grpProgram" << "Program Code";
    }
    void regionsCarryTheirCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        auto *box = f.form->findChild<QGroupBox *>(name);
        QVERIFY(box);
        QCOMPARE(box->title(), caption);
        QVERIFY(f.form->centralWidget()->rect().contains(box->geometry()));
    }

    void storedSettingsAreReadAtShow()
    {
        f.form.reset();
        StoredSettings stored;
        stored.LastFile = Path("plant.qls");
        stored.Left = 40;
        stored.Top = 30;
        stored.FontName = "DejaVu Sans Mono";
        stored.FontSize = 12;
        stored.BaudRate = 4800;
        stored.CommPortNo = 3;
        stored.Save();

        f.Start();
        QCOMPARE(f.form->geometry().topLeft(), QPoint(40, 30));
        QVERIFY(f.Entry("actLastDoc")->isVisible());
        QCOMPARE(f.Entry("actLastDoc")->text(), QString("Open plant.qls"));
        QCOMPARE(f.form->Settings().CommPortNo, 0);
        QCOMPARE(f.form->Settings().BaudRate, 4800);
        QCOMPARE(f.Control<QPlainTextEdit>("mmoProgram")->font().pointSize(), 12);
    }

    void settingsAreWrittenAtExit()
    {
        f.form->Settings().CommPortNo = 2;
        f.form->move(55, 66);
        const QPoint position = f.form->geometry().topLeft();
        f.form.reset();
        const auto settings = OpenSettingsKey();
        QCOMPARE(settings->value("Left").toInt(), position.x());
        QCOMPARE(settings->value("Top").toInt(), position.y());
        QCOMPARE(settings->value("CommPortNo").toInt(), 2);
        QCOMPARE(settings->value("FontName").toString(), QString("Courier New"));
        QCOMPARE(settings->value("Baud").toInt(), 9600);
    }

    // The baud preference is shown in a radio group that is never visible;
    // showing it during a refresh does not change the stored rate.
    void baudPreference_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2400") << 2400 << "2400";
        QTest::newRow("9600") << 9600 << "9600";
        QTest::newRow("other rate") << 19200 << "9600";
    }
    void baudPreference()
    {
        QFETCH(int, stored);
        QFETCH(QString, shown);
        f.form.reset();
        OpenSettingsKey()->setValue("Baud", stored);
        f.Start();

        auto *group = f.Control<QGroupBox>("grpBaud");
        QVERIFY(!group->isVisible());
        QStringList items, checked;
        for (const QRadioButton *item : group->findChildren<QRadioButton *>()) {
            items << item->text();
            if (item->isChecked())
                checked << item->text();
        }
        QCOMPARE(items, (QStringList{"1200", "2400", "4800", "9600"}));
        QCOMPARE(checked, QStringList{shown});
        f.ClickMenu("mnuTools", "actLock");
        QCOMPARE(f.form->Settings().BaudRate, stored);

        f.form.reset();
        QCOMPARE(OpenSettingsKey()->value("Baud").toInt(), stored);
    }

    void baudChoiceIsWrittenAtExit()
    {
        for (QRadioButton *item : f.Control<QGroupBox>("grpBaud")->findChildren<QRadioButton *>())
            if (item->text() == "1200")
                item->click();
        QCOMPARE(f.form->Settings().BaudRate, 1200);
        f.form.reset();
        QCOMPARE(OpenSettingsKey()->value("Baud").toInt(), 1200);
    }

    // Closing the window with the close box, answering the save query.
    void saveQueryOnClose_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("hasPath");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAsName"); // what the save dialog gives
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("savedTo");    // file holding the change afterwards

        using A = Desktop::Answer;
        QTest::newRow("unmodified") << false << false << int(A::Cancel) << "" << true << "";
        QTest::newRow("yes with path") << true << true << int(A::Yes) << "" << true << "own.qls";
        QTest::newRow("yes without path") << true << false << int(A::Yes) << "new.qls" << true
                                          << "new.qls";
        QTest::newRow("yes, save as cancelled") << true << false << int(A::Yes) << "" << false << "";
        QTest::newRow("no with path") << true << true << int(A::No) << "" << true << "";
        QTest::newRow("no without path") << true << false << int(A::No) << "" << true << "";
        QTest::newRow("cancel with path") << true << true << int(A::Cancel) << "" << false << "";
        QTest::newRow("cancel without path") << true << false << int(A::Cancel) << "" << false << "";
    }
    void saveQueryOnClose()
    {
        QFETCH(bool, modified);
        QFETCH(bool, hasPath);
        QFETCH(int, answer);
        QFETCH(QString, saveAsName);
        QFETCH(bool, closes);
        QFETCH(QString, savedTo);

        const QString own = Path("own.qls");
        if (modified)
            ModifyDesign(hasPath ? own : QString());
        f.desktop.yesNoCancelAnswers << Desktop::Answer(answer);
        f.desktop.saveFileNames << (saveAsName.isEmpty() ? QString() : Path(qPrintable(saveAsName)));
        TQlsDoc *design = f.form->Doc();

        f.form->close();

        QCOMPARE(f.desktop.questions, modified ? QStringList{TQLForm::SaveQuestion} : QStringList());
        QCOMPARE(f.form->isVisible(), !closes);
        QCOMPARE(f.form->Doc(), design);
        for (const char *name : {"own.qls", "new.qls"}) {
            const bool holdsChange = ReadAll(Path(name)).contains("COMPANY,Acme");
            QCOMPARE(holdsChange, savedTo == QLatin1String(name));
        }
        if (!closes)
            QVERIFY(f.form->Doc()->Modified());
    }

    // A save that fails while closing reports the error and keeps the window.
    void failedSaveKeepsTheWindowOpen()
    {
        const QString folder = Path("gone");
        QVERIFY(QDir().mkpath(folder));
        ModifyDesign(folder + "/plant.qls");
        QVERIFY(QDir(folder).removeRecursively());
        f.desktop.yesNoCancelAnswers << Desktop::Answer::Yes;

        f.form->close();

        QCOMPARE(f.desktop.errors.size(), 1);
        QVERIFY(f.form->isVisible());
        QVERIFY(f.form->Doc()->Modified());
    }

    // New and Open run the same query: a cancelled Save As keeps the design.
    void cancelledSaveAsKeepsDesignOnNew()
    {
        ModifyDesign();
        TQlsDoc *design = f.form->Doc();
        f.desktop.yesNoCancelAnswers << Desktop::Answer::Yes;
        f.Entry("actNew")->trigger();
        QCOMPARE(f.form->Doc(), design);
        QVERIFY(design->Modified());
        QCOMPARE(f.desktop.questions.size(), 1);
    }

    void exitAsksLikeTheCloseBox_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("cancel") << int(Desktop::Answer::Cancel) << false;
        QTest::newRow("no") << int(Desktop::Answer::No) << true;
    }
    void exitAsksLikeTheCloseBox()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        ModifyDesign();
        f.desktop.yesNoCancelAnswers << Desktop::Answer(answer);
        f.ClickMenu("mnuFile", "actExit");
        QCOMPARE(f.desktop.questions, QStringList{TQLForm::SaveQuestion});
        QCOMPARE(f.form->isVisible(), !closes);
    }

    void saveAsSetsCaptionAndLastDocument()
    {
        f.desktop.saveFileNames << Path("plant.qls");
        QTest::keyClick(f.form.get(), Qt::Key_S, Qt::ControlModifier); // no path: Save As
        QVERIFY(QFile::exists(Path("plant.qls")));
        QCOMPARE(f.form->windowTitle(), "plant - " + NewCaption);
        QVERIFY(f.Entry("actLastDoc")->isVisible());
        QCOMPARE(f.Entry("actLastDoc")->text(), QString("Open plant.qls"));
        QCOMPARE(f.form->Settings().LastFile, Path("plant.qls"));
        QCOMPARE(f.desktop.dialogFilters.last(), QString("QLSetup files (*.qls);;All files (*.*)"));
        QCOMPARE(f.desktop.dialogTitles.last(), QString("Save As"));

        // The next dialog starts in the last document's folder.
        f.ClickMenu("mnuFile", "actSaveAs");
        QCOMPARE(f.desktop.dialogFolders.last(), dir->path());

        // New keeps the last-document entry but drops the document's name.
        f.ClickMenu("mnuFile", "actNew");
        QCOMPARE(f.form->windowTitle(), NewCaption);
        QVERIFY(f.Entry("actLastDoc")->isVisible());
    }

    void lastDocumentEntryShowsAmpersands()
    {
        f.desktop.saveFileNames << Path("R&D.qls");
        f.Entry("actSaveAs")->trigger();
        QCOMPARE(f.Entry("actLastDoc")->text(), QString("Open R&&D.qls"));
        QCOMPARE(f.form->windowTitle(), "R&D - " + NewCaption);
    }

    void saveAsCancelledWritesNothing()
    {
        ModifyDesign();
        f.Entry("actSaveAs")->trigger();
        QCOMPARE(f.form->windowTitle(), NewCaption);
        QVERIFY(f.form->Doc()->Modified());
        QVERIFY(QDir(dir->path()).entryList(QDir::Files).isEmpty());
    }

    void saveAsAsksBeforeReplacing_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("yes") << QList<bool>{true} << true;
        QTest::newRow("no, then cancel") << QList<bool>{false} << false;
    }
    void saveAsAsksBeforeReplacing()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(bool, replaced);
        const QString existing = Path("existing.qls");
        WriteAll(existing, "OLD\r\n");
        ModifyDesign();
        f.desktop.saveFileNames << existing;
        f.desktop.yesNoAnswers << answers;
        f.Entry("actSaveAs")->trigger();
        QCOMPARE(f.desktop.questions,
                 QStringList{"existing.qls already exists.\nDo you want to replace it?"});
        QCOMPARE(ReadAll(existing) != "OLD\r\n", replaced);
        QCOMPARE(f.form->Doc()->Modified(), !replaced);
    }

    void openReplacesTheDesign()
    {
        TQlsDoc saved;
        saved.SetInfoField(TQlsDoc::PROG, "{KEY1}\r\n");
        saved.SetEnclosure(2);
        saved.SaveToFile(Path("plant.qls"));

        f.desktop.openFileNames << Path("plant.qls");
        QTest::keyClick(f.form.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.Control<QPlainTextEdit>("mmoProgram")->toPlainText(), QString("{KEY1}"));
        QCOMPARE(f.Control<QComboBox>("cmboEnclosure")->currentIndex(), 2);
        QCOMPARE(f.form->windowTitle(), "plant - " + NewCaption);
        QVERIFY(!f.form->Doc()->Modified());
        QVERIFY(f.desktop.errors.isEmpty());
    }

    void failedOpenKeepsTheDesign_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: the file does not exist
        QTest::newRow("missing file") << QByteArray();
        QTest::newRow("overlapping cards") << QByteArray("C2,QL346-100 \r\n");
    }
    void failedOpenKeepsTheDesign()
    {
        QFETCH(QByteArray, content);
        QCOMPARE(CardCatalog::SlotWidth("QL346-100"), 3);
        const QString bad = Path("bad.qls");
        if (!content.isEmpty())
            WriteAll(bad, content);

        QTest::keyClicks(f.Control<QPlainTextEdit>("mmoProgram"), "keep");
        TQlsDoc *design = f.form->Doc();
        f.desktop.openFileNames << bad;
        f.desktop.yesNoCancelAnswers << Desktop::Answer::No;
        f.Entry("actOpen")->trigger();

        QCOMPARE(f.desktop.errors.size(), 1);
        QCOMPARE(f.form->Doc(), design);
        QCOMPARE(design->InfoField(TQlsDoc::PROG), QString("keep\r\n"));
        QCOMPARE(f.Control<QPlainTextEdit>("mmoProgram")->toPlainText(), QString("keep"));
        QCOMPARE(f.form->windowTitle(), NewCaption);
    }

    void lastDocument_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("opens") << true << int(Desktop::Answer::No) << "plant - " + NewCaption
                               << QStringList();
        QTest::newRow("missing file") << false << int(Desktop::Answer::No) << NewCaption
                                      << QStringList{TQLForm::CouldNotOpenText};
        QTest::newRow("query cancelled") << true << int(Desktop::Answer::Cancel) << NewCaption
                                         << QStringList{TQLForm::CouldNotOpenText};
    }
    void lastDocument()
    {
        QFETCH(bool, exists);
        QFETCH(int, answer);
        QFETCH(QString, caption);
        QFETCH(QStringList, errors);
        const QString plant = Path("plant.qls");
        f.desktop.saveFileNames << plant;
        f.Entry("actSaveAs")->trigger();
        f.Entry("actNew")->trigger();
        if (!exists)
            QFile::remove(plant);
        ModifyDesign();
        f.desktop.yesNoCancelAnswers << Desktop::Answer(answer);

        f.ClickMenu("mnuFile", "actLastDoc");
        QCOMPARE(f.form->windowTitle(), caption);
        QCOMPARE(f.desktop.errors, errors);
    }

    void lockDesign()
    {
        auto *items = f.Control<QComboBox>("cmboItems");
        auto *editor = f.Control<QPlainTextEdit>("mmoProgram");
        QTest::keyClicks(editor, "A");
        TQlsDoc *design = f.form->Doc();
        QCOMPARE(design->InfoField(TQlsDoc::PROG), QString("A\r\n"));
        design->SaveToFile(Path("plant.qls"));

        f.ClickMenu("mnuTools", "actLock");
        QVERIFY(design->Locked());
        QVERIFY(f.Entry("actLock")->isChecked());
        QVERIFY(!design->Modified());
        QVERIFY(!items->isEnabled());
        QVERIFY(editor->isReadOnly());
        editor->setPlainText("B"); // as Import does
        QCOMPARE(design->InfoField(TQlsDoc::PROG), QString("A\r\n"));

        f.ClickMenu("mnuTools", "actLock");
        QVERIFY(!design->Locked());
        QVERIFY(!f.Entry("actLock")->isChecked());
        QVERIFY(!design->Modified());
        QVERIFY(items->isEnabled());
        QVERIFY(!editor->isReadOnly());
        QCOMPARE(editor->toPlainText(), QString("A"));
    }

    // Other parts fill their controls inside the refresh and re-select the
    // slot after it.
    void refreshSignalsSeeTheRefreshingFlag()
    {
        QStringList seen;
        TQLForm *form = f.form.get();
        connect(form, &TQLForm::RefreshingControls, form,
                [&] { seen << QString("controls %1").arg(form->Refreshing()); });
        connect(form, &TQLForm::DocumentRefreshed, form,
                [&] { seen << QString("refreshed %1").arg(form->Refreshing()); });
        f.ClickMenu("mnuTools", "actLock");
        QCOMPARE(seen, (QStringList{"controls 1", "refreshed 0"}));
    }

    void font_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("size");
        QTest::newRow("chosen") << true << "DejaVu Sans Mono" << 14;
        QTest::newRow("cancelled") << false << DefaultFontFamily() << 8;
    }
    void font()
    {
        QFETCH(bool, accepted);
        QFETCH(QString, family);
        QFETCH(int, size);
        f.desktop.fontAnswers << accepted;
        f.desktop.chosenFonts << QFont("DejaVu Sans Mono", 14);
        f.ClickMenu("mnuTools", "actFont");

        QCOMPARE(f.desktop.fontPresets.size(), 1);
        QCOMPARE(f.desktop.fontPresets[0].family(), DefaultFontFamily());
        QCOMPARE(f.desktop.fontPresets[0].pointSize(), 8);
        const QFont shown = f.Control<QPlainTextEdit>("mmoProgram")->font();
        QCOMPARE(shown.family(), family);
        QCOMPARE(shown.pointSize(), size);
        QVERIFY(!f.form->Doc()->Modified());

        f.form.reset();
        const StoredSettings stored = StoredSettings::Load();
        QCOMPARE(stored.FontName, accepted ? family : QString("Courier New"));
        QCOMPARE(stored.FontSize, size);
    }

    // A stored font that is not installed gives the system's fixed-pitch font,
    // in the editor, the terminal and as the font dialog's preset.
    void missingFontFallsBackToFixedPitch()
    {
        f.form.reset();
        OpenSettingsKey()->setValue("FontName", "No Such Family QL");
        OpenSettingsKey()->setValue("FontSize", 11);
        f.Start();
        const QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
        for (const char *name : {"mmoProgram", "txtTerminal"}) {
            const QFont shown = f.Control<QWidget>(name)->font();
            QCOMPARE(shown.family(), fixed);
            QCOMPARE(shown.pointSize(), 11);
            QVERIFY2(DrawnAtOneAdvance(shown), qPrintable(QFontInfo(shown).family()));
        }
        f.desktop.fontAnswers << true;  // OK without a change
        f.ClickMenu("mnuTools", "actFont");
        QCOMPARE(f.desktop.fontPresets.value(0).family(), fixed);
        QCOMPARE(f.form->Settings().FontName, fixed);
    }

    // The client area's position is stored and restored, unless the title
    // bar would then be off every screen.
    void windowPosition_data()
    {
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<bool>("restored");
        QTest::newRow("on the screen") << QPoint(60, 50) << true;
        QTest::newRow("title bar above the screen") << QPoint(60, -200) << false;
        QTest::newRow("title bar half above the screen") << QPoint(60, 10) << false;
        QTest::newRow("right of the screen") << QPoint(5000, 50) << false;
    }
    void windowPosition()
    {
        QFETCH(QPoint, stored);
        QFETCH(bool, restored);
        f.form->setGeometry(QRect(QPoint(70, 80), f.form->size()));
        f.form.reset();
        QCOMPARE(StoredSettings::Load().Left, 70);
        QCOMPARE(StoredSettings::Load().Top, 80);

        OpenSettingsKey()->setValue("Left", stored.x());
        OpenSettingsKey()->setValue("Top", stored.y());
        f.Start();
        const QPoint position = f.form->geometry().topLeft();
        QCOMPARE(position == stored, restored);
        const QRect screen = f.form->screen()->availableGeometry();
        QVERIFY(screen.contains(f.form->frameGeometry().topLeft()));
    }

    // Where the window fits the screen, the whole client area shows and
    // nothing scrolls.
    void clientAreaWholeWhereTheWindowFits()
    {
        auto *scroll = f.form->findChild<QScrollArea *>("ClientScroll");
        QVERIFY(scroll);
        QCOMPARE(scroll->viewport()->size(), QSize(TQLForm::ClientWidth, TQLForm::ClientHeight));
        QVERIFY(!scroll->horizontalScrollBar()->isVisible());
        QVERIFY(!scroll->verticalScrollBar()->isVisible());
        QCOMPARE(f.Control<QWidget>("ClientArea")->size(),
                 QSize(TQLForm::ClientWidth, TQLForm::ClientHeight));
    }

    // Scrolling over the model tabs, the model list or the enclosure list
    // changes nothing; the lists take the wheel once they have the focus.
    void wheelChangesTheDesignOnlyWithFocus()
    {
        auto *items = f.Control<QComboBox>("cmboItems");
        auto *enclosure = f.Control<QComboBox>("cmboEnclosure");
        auto *tabs = f.Control<QTabBar>("CardControl");
        const auto scroll = [](QWidget *widget) {
            const QPointF at(widget->width() / 2, widget->height() / 2);
            for (int notch = 0; notch < 3; ++notch) {
                QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120),
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(widget, &wheel);
            }
        };
        const auto shown = [&] {
            return QList<int>{items->currentIndex(), enclosure->currentIndex(), tabs->currentIndex()};
        };
        const QList<int> before = shown();
        for (QWidget *widget : {static_cast<QWidget *>(items), static_cast<QWidget *>(enclosure),
                                static_cast<QWidget *>(tabs)})
            scroll(widget);
        tabs->setFocus();
        scroll(tabs);
        QCOMPARE(shown(), before);
        QVERIFY(!f.form->Doc()->Modified());

        items->setFocus();
        QTRY_VERIFY(items->hasFocus());
        scroll(items);
        QCOMPARE(items->currentIndex(), before[0] + 3);
        QVERIFY(f.form->Doc()->Modified());
    }

    // Tab walks the regions in their visual order.
    void tabOrderFollowsTheRegions()
    {
        const char *const regions[] = {"grpCards", "cmboItems", "cmboEnclosure", "CheckBox28",
                                       "CheckBox120", "grpControls", "grpGroups", "Panel1",
                                       "GroupBox64", "grpTerminal", "grpProgram"};
        const auto regionOf = [&](QWidget *widget) {
            for (int i = 0; i < int(std::size(regions)); ++i) {
                QWidget *region = f.Control(regions[i]);
                if (region == widget || region->isAncestorOf(widget))
                    return i;
            }
            return -1;
        };
        // The controls Tab stops at, as it finds them in the focus chain.
        const auto stopsAt = [](QWidget *widget) {
            return (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy()
                   && widget->isVisible() && widget->isEnabled();
        };
        QWidget *first = f.Control("btnCard1");
        QStringList walked;
        int region = 0;
        for (QWidget *widget = first->nextInFocusChain(); widget != first;
             widget = widget->nextInFocusChain()) {
            if (!stopsAt(widget))
                continue;
            QVERIFY2(regionOf(widget) >= region, qPrintable(widget->objectName()));
            region = regionOf(widget);
            walked << widget->objectName();
        }
        QCOMPARE(region, int(std::size(regions)) - 1);
        QStringList named;
        for (const QString &name : walked)
            if (!name.isEmpty() && !name.startsWith("btnCard"))
                named << name;
        const QStringList today{"cmboItems", "cmboEnclosure", "CheckBox28", "CheckBox120",
                                "CardControl", "UsePath", "ComboUnitID", "SetUnitID", "ComboPort",
                                "Button146", "CheckBox121", "mmoProgram", "CheckBox122"};
        QStringList inOrder;
        for (const QString &name : named)
            if (today.contains(name))
                inOrder << name;
        QCOMPARE(inOrder, today);

        f.Control("btnCard20")->setFocus();
        QTest::keyClick(f.form.get(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.Control("cmboItems"));
        QTest::keyClick(f.form.get(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), f.Control("btnCard20"));
        // The text boxes take Tab as a character: Ctrl+Tab moves on.
        f.Control("txtTerminal")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), f.Control("Button146"));
        f.Control("mmoProgram")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), f.Control("CheckBox121"));
    }

    // The open model list shows whole entries; the closed one keeps its width.
    void modelListShowsWholeEntries()
    {
        auto *items = f.Control<QComboBox>("cmboItems");
        QCOMPARE(items->width(), 282);
        items->showPopup();
        QAbstractItemView *list = items->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        int widest = 0;
        for (int i = 0; i < items->count(); ++i)
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(items->itemText(i)));
        QVERIFY2(list->viewport()->width() >= widest,
                 qPrintable(QString("%1 < %2").arg(list->viewport()->width()).arg(widest)));
        items->hidePopup();
    }

    // Opening a design and closing it untouched asks nothing.
    void openedDesignIsNotModified()
    {
        const QString line = CardCatalog::Lines().at(CardCatalog::IndexOfCode("QL324-100"));
        TQlsDoc saved;
        saved.PlaceCard(20, line);
        saved.SaveToFile(Path("plant.qls"));
        f.desktop.openFileNames << Path("plant.qls");
        f.Entry("actOpen")->trigger();
        QCOMPARE(f.form->Doc()->CardText(20), line);
        QVERIFY(!f.form->Doc()->Modified());
        f.form->close();
        QVERIFY(f.desktop.questions.isEmpty());
    }

    // The same CSV as the command line's, into a chosen file; a file that
    // cannot be written is told.
    void exportPartsList()
    {
        f.form->OpenAtStart(QStringLiteral(QL_TEST_DATA "/plant.qls"));
        f.desktop.saveFileNames << Path("missing/parts.csv") << Path("parts.csv");
        f.ClickMenu("mnuFile", "actExportParts");
        QCOMPARE(f.desktop.dialogTitles.last(), QString("Export Parts List"));
        QCOMPARE(f.desktop.dialogFolders.last(), QString(QL_TEST_DATA "/plant-parts.csv"));
        QCOMPARE(f.desktop.dialogFilters.last(), QString("CSV files (*.csv);;All files (*.*)"));
        QCOMPARE(f.desktop.errors.size(), 1);
        QVERIFY(f.desktop.errors.first().startsWith(
            QString("Cannot create \"%1\": ").arg(Path("missing/parts.csv"))));
        f.ClickMenu("mnuFile", "actExportParts");
        QCOMPARE(ReadAll(Path("parts.csv")), ReadAll(QL_TEST_DATA "/plant-parts.csv"));
        QCOMPARE(f.desktop.errors.size(), 1);
        const QString notice =
            QString("Parts list exported to %1.").arg(QDir::toNativeSeparators(Path("parts.csv")));
        QVERIFY(f.Control<QPlainTextEdit>("txtTerminal")->toPlainText().contains(notice));
        QVERIFY(f.form->Exchange().ReceivedText().isEmpty());
    }

    void importAndExportProgramText()
    {
        WriteAll(Path("in.txt"), "{KEY1}\r\n\r\n// end\r\n");
        f.desktop.openFileNames << Path("in.txt");
        f.Entry("actImport")->trigger();
        QCOMPARE(f.desktop.dialogFilters.last(), QString("Text files (*.txt);;All files (*.*)"));
        QCOMPARE(f.Control<QPlainTextEdit>("mmoProgram")->toPlainText(), QString("{KEY1}\n\n// end"));
        QCOMPARE(f.form->Doc()->InfoField(TQlsDoc::PROG), QString("{KEY1}\r\n\r\n// end\r\n"));
        QVERIFY(f.form->Doc()->Modified());

        f.desktop.saveFileNames << Path("out.txt");
        f.Entry("actExport")->trigger();
        QCOMPARE(f.desktop.dialogTitles.last(), QString("Export Program"));
        QCOMPARE(ReadAll(Path("out.txt")), QByteArray("{KEY1}\r\n\r\n// end\r\n"));
        QVERIFY(f.desktop.errors.isEmpty());
    }

    void fullSizeProgramBox()
    {
        auto *box = f.Control<QGroupBox>("grpProgram");
        auto *toggle = f.Control<QCheckBox>("CheckBox122");
        const QRect normal = box->geometry();
        auto *terminalToggle = f.Control<QCheckBox>("CheckBox121");
        QTest::mouseClick(terminalToggle, Qt::LeftButton);
        QTest::mouseClick(terminalToggle, Qt::LeftButton);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(box->geometry(), QRect(2, 97, 784, 465));
        // Above the terminal and the card area it covers.
        for (const QPoint at : {QPoint(100, 500), QPoint(300, 200)})
            QVERIFY(box->isAncestorOf(f.form->centralWidget()->childAt(at)));
        QVERIFY(!f.Control<QFrame>("Panel1")->isVisible());
        QVERIFY(!f.Control<QGroupBox>("GroupBox64")->isVisible());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(box->geometry(), normal);
        QVERIFY(f.Control<QFrame>("Panel1")->isVisible());
        QVERIFY(f.Control<QGroupBox>("GroupBox64")->isVisible());
    }

    void aboutBoxOpensTheMakerSite()
    {
        bool seen = false;
        QTimer::singleShot(0, [this, &seen] {
            auto *about = f.form->findChild<QDialog *>("FormAbout");
            seen = about && about->isVisible();
            if (!about)
                return;
            QCOMPARE(about->windowTitle(), QString("About QL Setup"));
            QTest::mouseClick(about->findChild<QLabel *>("Label2"), Qt::LeftButton);
            QTest::mouseClick(about->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
        });
        QTest::keyClick(f.form.get(), Qt::Key_F1);
        QVERIFY(seen);
        QCOMPARE(f.desktop.openedUrls, QList<QUrl>{QUrl(AppInfo::MakerSite)});
    }
};

QL_REGISTER_TEST(TestForm)
#include "test_form.moc"
