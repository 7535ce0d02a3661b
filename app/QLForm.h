#pragma once

#include "app/FileDialogs.h"
#include "app/FormRegions.h"
#include "app/MainMenus.h"
#include "app/QLOptions.h"
#include "app/StoredSettings.h"
#include "command/CommandExpansion.h"
#include "command/CommandTarget.h"

#include <QFont>
#include <QMainWindow>

#include <memory>

class Desktop;
class QScrollArea;
class ReportPrinting;
class TFormAbout;
class TFormInfo;
class TFormPageSetup;
class TQlsDoc;
class UnitExchange;
class DesignSurface;

// The main window: owns the open design, the stored settings and options,
// the menus and the regions that the other parts of the program fill, and
// runs the document actions.
class TQLForm : public QMainWindow, public CommandTarget
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 792;
    static constexpr int ClientHeight = 564;
    static const QString SaveQuestion;    // "File was modified. Would you like to save it?"
    static const QString CouldNotOpenText; // "Could not open document"

    explicit TQLForm(Desktop &desktop, QWidget *parent = nullptr);
    ~TQLForm() override;

    // The open design; present from the first showing on.
    TQlsDoc *Doc() const { return m_doc.get(); }
    int CurrentSlot() const { return m_currentSlot; }
    void SetCurrentSlot(int slot);
    // True while RefreshFromDocument copies the document into the controls.
    bool Refreshing() const { return m_refreshing; }

    StoredSettings &Settings() { return m_settings; }
    const TOptions &Options() const { return m_options; }
    FormRegions &Regions() { return m_regions; }
    const MainMenus &Menus() const { return m_menus; }
    Desktop &Ui() const { return m_desktop; }
    // The link, terminal, unit choice and the card pages' generic handlers.
    UnitExchange &Exchange() const { return *m_exchange; }
    // Slot buttons, enclosure view and card pages.
    DesignSurface &Surface() const { return *m_designSurface; }

    // Puts a command on the line (or only in the terminal without a port);
    // a failing write throws the link's QlError.
    void SendCommand(const QString &commandTemplate, const QString &text,
                     const QString &value) override;

    // Save query before the design is let go; false keeps it.
    bool CanCloseDocument();
    // Copies the document into every control, then re-selects CurrentSlot.
    void RefreshFromDocument();
    void SetDocumentCaption(const QString &path);
    // Opens the design named at start, after the first showing, as Open
    // would; the save query has nothing to ask of the empty start design.
    void OpenAtStart(const QString &path);
    // FontName and FontSize of the settings, for the program editor and the
    // terminal; the system's fixed-pitch font when FontName is not installed.
    QFont EditorFont() const;

    void actNewExecute();
    void actOpenExecute();
    void actLastDocExecute();
    void actSaveExecute();
    void actSaveAsExecute();
    void actExitExecute();
    void actLockExecute();
    void actFontExecute();
    void actAboutExecute();
    void actInfoExecute();
    void actPageSetupExecute();
    void actPrintExecute();
    void actPrintPreviewExecute();
    void actExportPdfExecute();
    void actExportPartsExecute();
    void actImportExecute();
    void actExportExecute();
    void mmoProgramChange();
    void CheckBox122Click();
    void actClearTerminalExecute();
    // An item of the hidden baud group was chosen.
    void grpBaudClick(int rate, bool checked);

signals:
    void CurrentSlotChanged(int slot);
    // Inside RefreshFromDocument, while Refreshing() is true: each part
    // copies the document (and EditorFont) into its own controls.
    void RefreshingControls();
    // At the end of RefreshFromDocument, Refreshing() false again: the slot
    // handling re-selects CurrentSlot.
    void DocumentRefreshed();
    // In FormDestroy before the settings are written: the link closes the port.
    void Destroying();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    // The window showing the whole client area, without its frame.
    QSize FullSize() const;
    // The room the window's frame takes (a title bar assumed until known).
    QMargins FrameRoom() const;
    bool FormCloseQuery();
    void FormDestroy();
    void ConnectActions();

    // Save to the document's own path, or Save As without one; false when
    // cancelled or failed (the error was shown).
    bool SaveDocument();
    bool SaveDocumentAs();
    // Replaces the design by the file's, or keeps it and shows the error.
    void OpenDocument(const QString &path);
    void ShowLastDocEntry(const QString &path);
    // Selected slot, group field, active card tab and options, as commands read them.
    CommandAddressing CommandAddressingNow() const;
    void ConnectExchange();
    // Front panel, unit-wide commands, groups and program sending.
    void ConnectController();

    Desktop &m_desktop;
    QWidget *m_client;
    QScrollArea *m_clientScroll = nullptr;
    FormRegions m_regions;
    MainMenus m_menus;
    FileDialogs m_files;
    StoredSettings m_settings;
    TOptions m_options;
    TFormAbout *m_formAbout;
    TFormInfo *m_formInfo;
    TFormPageSetup *m_formPageSetup;
    std::unique_ptr<ReportPrinting> m_report;
    std::unique_ptr<UnitExchange> m_exchange;
    DesignSurface *m_designSurface = nullptr;

    std::unique_ptr<TQlsDoc> m_doc;
    int m_currentSlot = 20;
    bool m_refreshing = false;
    bool m_shown = false;
};
