#include "app/QLForm.h"

#include "app/AppInfo.h"
#include "app/Desktop.h"
#include "app/FormAbout.h"
#include "app/ProgramEditorText.h"
#include "app/QlError.h"
#include "app/WindowPlacement.h"
#include "command/ControlPanel.h"
#include "command/TerminalPanel.h"
#include "command/TerminalView.h"
#include "command/UnitCommands.h"
#include "command/UnitExchange.h"
#include "controller/FrontPanel.h"
#include "controller/GroupsPanel.h"
#include "controller/PageSetup.h"
#include "controller/ProgramSender.h"
#include "controller/ReportPrinting.h"
#include "controller/WebPageLinks.h"
#include "document/Artwork.h"
#include "document/EnclosureView.h"
#include "document/FormInfo.h"
#include "document/PartsList.h"
#include "document/ProgramTextFile.h"
#include "document/QlsDoc.h"
#include "document/TextFile.h"
#include "pages/CardPageSelection.h"
#include "pages/ModelTabBar.h"
#include "pages/DesignSurface.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWindow>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace {

// The enclosure list's 4-slot item shows the compact front panel, the others the wide one.
constexpr int CompactEnclosureItem = 3;
constexpr int CompactFirstOutside = 5;
constexpr int WideFirstOutside = 20;

} // namespace

const QString TQLForm::SaveQuestion = QStringLiteral("File was modified. Would you like to save it?");
const QString TQLForm::CouldNotOpenText = QStringLiteral("Could not open document");

TQLForm::TQLForm(Desktop &desktop, QWidget *parent)
    : QMainWindow(parent),
      m_desktop(desktop),
      m_client(new QWidget(this)),
      m_regions(m_client),
      m_menus(*this),
      m_files(desktop),
      m_options(TOptions::Load()),
      m_formAbout(new TFormAbout(desktop, this)),
      m_formInfo(new TFormInfo(this)),
      m_formPageSetup(new TFormPageSetup(this)),
      m_report(std::make_unique<ReportPrinting>(
          desktop, *m_formPageSetup, this,
          [this](const QString &line) { m_exchange->TerminalNotice(line); })),
      m_exchange(std::make_unique<UnitExchange>(desktop, [this] { return CommandAddressingNow(); },
                                                m_regions.grpTerminal, m_regions.GroupBox64))
{
    FormCreate();
    m_regions.ChainTabOrder();
}

TQLForm::~TQLForm()
{
    FormDestroy();
}

void TQLForm::FormCreate()
{
    setObjectName(QStringLiteral("QLForm"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(AppInfo::Title + QStringLiteral("  ") + AppInfo::VersionText);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setFixedSize(ClientWidth, ClientHeight);
    // Scrolls only when the window had to be made smaller than the client area.
    m_clientScroll = new QScrollArea(this);
    m_clientScroll->setObjectName(QStringLiteral("ClientScroll"));
    m_clientScroll->setFrameShape(QFrame::NoFrame);
    m_clientScroll->setFocusPolicy(Qt::NoFocus); // Tab goes through; it scrolls to the focus
    m_clientScroll->setWidget(m_client);
    setCentralWidget(m_clientScroll);
    setFixedSize(FullSize());
    m_currentSlot = 20;
    m_refreshing = false;
    ConnectActions();
}

void TQLForm::ConnectActions()
{
    const struct {
        const char *action;
        void (TQLForm::*handler)();
    } handlers[] = {
        {"actNew", &TQLForm::actNewExecute},       {"actOpen", &TQLForm::actOpenExecute},
        {"actLastDoc", &TQLForm::actLastDocExecute}, {"actSave", &TQLForm::actSaveExecute},
        {"actSaveAs", &TQLForm::actSaveAsExecute}, {"actExit", &TQLForm::actExitExecute},
        {"actLock", &TQLForm::actLockExecute},     {"actFont", &TQLForm::actFontExecute},
        {"actAbout", &TQLForm::actAboutExecute},   {"actImport", &TQLForm::actImportExecute},
        {"actExport", &TQLForm::actExportExecute},
        {"actInfo", &TQLForm::actInfoExecute},     {"actPageSetup", &TQLForm::actPageSetupExecute},
        {"actPrint", &TQLForm::actPrintExecute},
        {"actPrintPreview", &TQLForm::actPrintPreviewExecute},
        {"actExportPdf", &TQLForm::actExportPdfExecute},
        {"actExportParts", &TQLForm::actExportPartsExecute},
    };
    for (const auto &row : handlers)
        connect(m_menus.Entry(QLatin1String(row.action)), &QAction::triggered, this, row.handler);

    connect(m_regions.mmoProgram, &QPlainTextEdit::textChanged, this, &TQLForm::mmoProgramChange);
    connect(m_regions.CheckBox122, &QCheckBox::clicked, this, &TQLForm::CheckBox122Click);
    m_regions.grpProgram->setAutoFillBackground(true);  // opaque over what it covers when enlarged
    connect(m_regions.BaudItems, &QButtonGroup::idToggled, this, &TQLForm::grpBaudClick);
    m_menus.Attach(m_regions.mmoProgram, m_menus.Popup(QStringLiteral("PopupMenu")));
    ConnectExchange();
    new WebPageLinks(m_desktop, m_menus, m_regions.cmboItems, m_regions.Panel1);
    m_designSurface =
        new DesignSurface(*this, {m_exchange->Handlers(), *this, m_desktop, *m_exchange, m_options});
    // The model tabs and the card pages share the card menu.
    const CardPageSelection &cardArea = m_designSurface->Pages();
    for (QWidget *area : {static_cast<QWidget *>(cardArea.CardControl()),
                          static_cast<QWidget *>(cardArea.ControlView())})
        m_menus.Attach(area, m_menus.Popup(QStringLiteral("PopUpStatus")));
    ConnectController();
}

void TQLForm::ConnectController()
{
    const CardPageSelection &cardArea = m_designSurface->Pages();
    auto *front = new FrontPanel(*this, m_desktop,
                                 {m_regions.grpControls, m_regions.CheckBox120,
                                  m_regions.CheckBox28, cardArea.CardControl(),
                                  cardArea.ControlView()});
    front->ConnectMenus(m_menus);
    connect(&m_designSurface->View(), &EnclosureView::EnclosureSizeChosen, front,
            &FrontPanel::ArrangeFrontKeys);
    connect(this, &TQLForm::RefreshingControls, front, [this, front] {
        front->ArrangeFrontKeys(m_regions.cmboEnclosure->currentIndex() == CompactEnclosureItem
                                    ? CompactFirstOutside
                                    : WideFirstOutside);
    });
    // F6 asks the unit's version in the front view and the card's elsewhere.
    m_menus.RouteKey(QStringLiteral("mnuCardVersion"), [front] {
        return QLatin1String(front->isHidden() ? "mnuCardVersion" : "mnuKeyVersion");
    });
    (new UnitCommands(*this, m_desktop, *m_exchange, front->Progress(),
                      m_regions.CheckBox120))
        ->ConnectMenus(m_menus);

    auto *groups =
        new GroupsPanel(*m_designSurface, *this, m_desktop, *m_exchange, m_regions.grpGroups);
    groups->ConnectMenus(m_menus);
    m_designSurface->SetGroupControls(groups->Selector(), groups->AddButton(),
                                      groups->RemoveButton());
    connect(groups, &GroupsPanel::GroupsChanged, m_designSurface,
            [this] { m_designSurface->View().Repaint(); });

    (new ProgramSender(*m_designSurface, *this, m_desktop, m_options, this))->ConnectMenus(m_menus);
}

void TQLForm::ConnectExchange()
{
    connect(m_menus.Entry(QStringLiteral("actClearTerminal")), &QAction::triggered, this,
            &TQLForm::actClearTerminalExecute);
    TerminalPanel *terminal = m_exchange->Terminal();
    // The terminal is the record of the exchange: it can be copied, not
    // edited; what is pasted into it is typed.
    m_menus.Attach(terminal->Terminal(), m_menus.Popup(QStringLiteral("PopupMenu")),
                   MainMenus::Editing::CopyAndPaste);
    terminal->SetCoveredRegions({m_regions.Panel1, m_regions.GroupBox64, m_regions.grpProgram});
    m_exchange->SetWaitPictures(Artwork::Picture(Artwork::WaitBusy),
                                Artwork::Picture(Artwork::WaitIdle));
    m_exchange->ConnectMenus(m_menus);
    ControlPanel *control = m_exchange->Control();
    control->SetPortChoiceGate([this] { return m_doc && !m_refreshing; });
    connect(control, &ControlPanel::PortSelected, this,
            [this](int commPortNo) { m_settings.CommPortNo = commPortNo; });
}

void TQLForm::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
    QMainWindow::showEvent(event);
}

void TQLForm::FormShow()
{
    m_settings = StoredSettings::Load();
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    // The client area's position, as FormDestroy stores it.
    const QRect full(geometry().topLeft(), FullSize());
    const WindowPlacement::Placement placement = WindowPlacement::Place(
        m_settings.Left, m_settings.Top, full, screens, FrameRoom(),
        style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    setFixedSize(placement.geometry.size());
    // Without a stored position that fits, the desktop places the window.
    if (placement.geometry.topLeft() != full.topLeft())
        setGeometry(placement.geometry);
    if (!m_settings.LastFile.isEmpty())
        ShowLastDocEntry(m_settings.LastFile);
    m_settings.CommPortNo = 0;
    m_regions.cmboItems->setCurrentIndex(0);
    actNewExecute();
}

QSize TQLForm::FullSize() const
{
    return {ClientWidth, ClientHeight + menuBar()->sizeHint().height()};
}

QMargins TQLForm::FrameRoom() const
{
    // Frameless platforms (offscreen, a bare X server) report no frame.
    if (windowHandle() && !windowHandle()->frameMargins().isNull())
        return windowHandle()->frameMargins();
    return QGuiApplication::platformName() == QLatin1String("offscreen")
               ? QMargins()
               : QMargins(0, WindowPlacement::TitleBarHeight, 0, 0);
}

void TQLForm::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TQLForm::FormCloseQuery()
{
    return CanCloseDocument();
}

void TQLForm::FormDestroy()
{
    emit Destroying();
    m_exchange->ClosePort();
    m_settings.Left = geometry().x();
    m_settings.Top = geometry().y();
    m_settings.Save();
}

void TQLForm::SetCurrentSlot(int slot)
{
    if (slot == m_currentSlot)
        return;
    m_currentSlot = slot;
    emit CurrentSlotChanged(slot);
}

bool TQLForm::CanCloseDocument()
{
    if (!m_doc || !m_doc->Modified())
        return true;
    switch (m_desktop.AskYesNoCancel(SaveQuestion)) {
    case Desktop::Answer::Yes:
        return SaveDocument();
    case Desktop::Answer::No:
        return true;
    case Desktop::Answer::Cancel:
        break;
    }
    return false;
}

void TQLForm::RefreshFromDocument()
{
    if (!m_doc)
        return;
    {
        m_refreshing = true;
        const auto done = qScopeGuard([this] { m_refreshing = false; });

        const bool locked = m_doc->Locked();
        m_menus.Entry(QStringLiteral("actLock"))->setChecked(locked);
        m_regions.cmboItems->setEnabled(!locked);
        m_regions.mmoProgram->setReadOnly(locked);
        m_regions.mmoProgram->setPlainText(
            ProgramEditorText::FromProgram(m_doc->InfoField(TQlsDoc::PROG)));

        QAbstractButton *baud = m_regions.BaudItems->button(m_settings.BaudRate);
        if (!baud)
            baud = m_regions.BaudItems->button(FormRegions::FallbackBaudRate);
        baud->setChecked(true);

        const int kind = m_doc->EnclosureKind();
        m_regions.cmboEnclosure->setCurrentIndex(kind < m_regions.cmboEnclosure->count() ? kind
                                                                                          : -1);
        if (m_exchange->CommPortNo() != 0)
            m_exchange->SelectPort(m_exchange->CommPortNo());
        m_regions.mmoProgram->setFont(EditorFont());
        m_exchange->Terminal()->Terminal()->setFont(EditorFont());
        emit RefreshingControls();
    }
    emit DocumentRefreshed();
}

void TQLForm::SetDocumentCaption(const QString &path)
{
    setWindowTitle(QStringLiteral("%1 - %2  %3")
                       .arg(m_doc->DocumentTitle(), AppInfo::Title, AppInfo::VersionText));
    m_settings.LastFile = m_doc->InfoField(TQlsDoc::FILENAME);
    ShowLastDocEntry(path);
}

void TQLForm::ShowLastDocEntry(const QString &path)
{
    QAction *lastDoc = m_menus.Entry(QStringLiteral("actLastDoc"));
    QString name = QFileInfo(path).fileName();
    lastDoc->setText(QStringLiteral("Open ") + name.replace(u'&', QStringLiteral("&&")));
    lastDoc->setVisible(true);
}

QFont TQLForm::EditorFont() const
{
    // A font that is not installed would be replaced by a proportional one.
    QFont font = QFontDatabase::hasFamily(m_settings.FontName)
                     ? QFont(m_settings.FontName)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(m_settings.FontSize);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

void TQLForm::actNewExecute()
{
    if (!CanCloseDocument())
        return;
    m_doc = std::make_unique<TQlsDoc>();
    RefreshFromDocument();
    setWindowTitle(AppInfo::Title + QStringLiteral("  ") + AppInfo::VersionText);
    SetCurrentSlot(20);
}

void TQLForm::actOpenExecute()
{
    const QString path = m_files.ChooseOpenPath(m_settings.LastFile, FileDialogs::DocumentFilter);
    if (path.isEmpty() || !CanCloseDocument())
        return;
    OpenDocument(path);
}

void TQLForm::actLastDocExecute()
{
    if (!QFileInfo::exists(m_settings.LastFile) || !CanCloseDocument()) {
        m_desktop.ShowError(CouldNotOpenText);
        return;
    }
    OpenDocument(m_settings.LastFile);
}

void TQLForm::OpenAtStart(const QString &path)
{
    OpenDocument(path);
}

void TQLForm::OpenDocument(const QString &path)
{
    try {
        m_doc = TQlsDoc::CreateFromFile(path);
    } catch (const QlError &error) {
        m_desktop.ShowError(error.message());
        return;
    }
    // A slot beyond the opened enclosure does not exist: its last slot becomes current.
    SetCurrentSlot(std::min(m_currentSlot, m_doc->SlotCountOfEnclosure()));
    RefreshFromDocument();
    SetDocumentCaption(m_doc->InfoField(TQlsDoc::FILENAME));
}

void TQLForm::actSaveExecute()
{
    if (m_doc)
        SaveDocument();
}

void TQLForm::actSaveAsExecute()
{
    if (m_doc)
        SaveDocumentAs();
}

bool TQLForm::SaveDocument()
{
    const QString path = m_doc->InfoField(TQlsDoc::FILENAME);
    if (path.isEmpty())
        return SaveDocumentAs();
    try {
        m_doc->SaveToFile(path);
    } catch (const QlError &error) {
        m_desktop.ShowError(error.message());
        return false;
    }
    return true;
}

bool TQLForm::SaveDocumentAs()
{
    const QString path =
        m_files.ChooseSavePath(QStringLiteral("Save As"), m_settings.LastFile,
                               FileDialogs::DocumentFilter, QStringLiteral("qls"));
    if (path.isEmpty())
        return false;
    try {
        m_doc->SaveToFile(path);
    } catch (const QlError &error) {
        m_desktop.ShowError(error.message());
        return false;
    }
    SetDocumentCaption(path);
    return true;
}

void TQLForm::actExitExecute()
{
    close();
}

void TQLForm::actLockExecute()
{
    QAction *lock = m_menus.Entry(QStringLiteral("actLock"));
    if (!m_doc) {
        lock->setChecked(false);
        return;
    }
    m_doc->SetLocked(lock->isChecked());
    RefreshFromDocument();
}

void TQLForm::actFontExecute()
{
    if (!m_doc)
        return;
    QFont font = EditorFont();
    if (!m_desktop.ChooseFont(font))
        return;
    m_settings.FontName = font.family();
    m_settings.FontSize = font.pointSize();
    RefreshFromDocument();
}

void TQLForm::actAboutExecute()
{
    m_formAbout->exec();
}

void TQLForm::actInfoExecute()
{
    if (m_doc)
        m_formInfo->Edit(*m_doc);
}

void TQLForm::actPageSetupExecute()
{
    if (m_doc)
        m_formPageSetup->exec();
}

void TQLForm::actPrintExecute()
{
    if (m_doc)
        m_report->Print(*m_doc);
}

void TQLForm::actPrintPreviewExecute()
{
    if (m_doc)
        m_report->Preview(*m_doc);
}

void TQLForm::actExportPdfExecute()
{
    if (m_doc)
        m_report->ExportPdf(*m_doc, m_settings.LastFile);
}

void TQLForm::actExportPartsExecute()
{
    if (!m_doc)
        return;
    const QString design = m_doc->InfoField(TQlsDoc::FILENAME);
    const QString name =
        design.isEmpty() ? QString() : m_doc->DocumentTitle() + QStringLiteral("-parts.csv");
    const QString path = m_files.ChooseSavePath(
        QStringLiteral("Export Parts List"), design.isEmpty() ? m_settings.LastFile : design,
        QStringLiteral("CSV files|*.csv|All files|*.*"), QStringLiteral("csv"), name);
    if (path.isEmpty())
        return;
    try {
        TextFile::WriteAtomically(path, PartsList::Csv(*m_doc));
        m_exchange->TerminalNotice(QStringLiteral("Parts list exported to %1.").arg(QDir::toNativeSeparators(path)));
    } catch (const QlError &error) {
        m_desktop.ShowError(error.message());
    }
}

void TQLForm::actImportExecute()
{
    const QString path = m_files.ChooseOpenPath(m_settings.LastFile, FileDialogs::TextFilter);
    if (path.isEmpty())
        return;
    try {
        m_regions.mmoProgram->setPlainText(ProgramTextFile::Read(path).join(u'\n'));
    } catch (const QlError &error) {
        m_desktop.ShowError(error.message());
    }
}

void TQLForm::actExportExecute()
{
    const QString path =
        m_files.ChooseSavePath(QStringLiteral("Export Program"), m_settings.LastFile,
                               FileDialogs::TextFilter, QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    try {
        ProgramTextFile::Write(path, ProgramEditorText::Lines(m_regions.mmoProgram->toPlainText()));
    } catch (const QlError &error) {
        m_desktop.ShowError(error.message());
    }
}

void TQLForm::mmoProgramChange()
{
    if (m_refreshing || !m_doc || m_doc->Locked())
        return;
    m_doc->SetProgramLines(ProgramEditorText::Lines(m_regions.mmoProgram->toPlainText()));
}

void TQLForm::CheckBox122Click()
{
    const bool full = m_regions.CheckBox122->isChecked();
    if (full)
        m_regions.grpProgram->setGeometry(FormRegions::FullLeft, FormRegions::FullTop,
                                          FormRegions::FullWidth, FormRegions::FullHeight);
    else
        m_regions.grpProgram->setGeometry(FormRegions::ProgramLeft, FormRegions::ProgramTop,
                                          FormRegions::ProgramWidth, FormRegions::ProgramHeight);
    m_regions.Panel1->setVisible(!full);
    m_regions.GroupBox64->setVisible(!full);
    if (full)
        m_regions.grpProgram->raise();
}

void TQLForm::grpBaudClick(int rate, bool checked)
{
    if (checked && !m_refreshing)
        m_settings.BaudRate = rate;
}

void TQLForm::actClearTerminalExecute()
{
    m_exchange->Terminal()->ClearTerminal();
}

void TQLForm::SendCommand(const QString &commandTemplate, const QString &text,
                          const QString &value)
{
    m_exchange->SendCommand(commandTemplate, text, value);
}

CommandAddressing TQLForm::CommandAddressingNow() const
{
    // The group field and the model tab strip belong to the parts that fill
    // the "Groups" and "Card Control" regions; they are found by name.
    CommandAddressing addressing;
    addressing.CurrentSlot = m_currentSlot;
    if (const auto *groupField = m_client->findChild<QLineEdit *>(QStringLiteral("txtGroup")))
        addressing.GroupText = groupField->text();
    if (const auto *tabs = m_client->findChild<QTabBar *>(QStringLiteral("CardControl")))
        addressing.ActiveTabTag = tabs->tabData(tabs->currentIndex()).toInt();
    addressing.AllowCR = m_options.AllowCR;
    addressing.AllowSpace = m_options.AllowSpace;
    addressing.AllowTab = m_options.AllowTab;
    return addressing;
}
