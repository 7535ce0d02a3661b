#pragma once

#include "link/PortSelector.h"

#include <QWidget>
#include <functional>

class MSCom;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

// The contents of the control region `GroupBox64`: unit ID and "Use Path",
// which shape the address suffixes of every command, and the serial port.
class ControlPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int UnitIdCount = 9;    // "Unit ID 0" .. "Unit ID 8"
    static constexpr int PortItemCount = 10; // "None", "COM1" .. "COM9"

    // Fills `region` (the group box "Control").
    ControlPanel(MSCom &port, QGroupBox *region);

    // What "%]" becomes: "$]" for unit 0, "U<n>$]" for units 1 .. 8.
    const QString &UnitIdSuffix() const { return m_unitIdSuffix; }
    // What "$]" becomes outside switch commands: "]", or "P]" with "Use Path".
    const QString &PathSuffix() const { return m_pathSuffix; }

    int CommPortNo() const { return m_ports.CommPortNo(); }
    // Opens port n (1 .. 3) or none (0) and shows the outcome in the port
    // list; any other n leaves the list on the port in use.
    void SelectPort(int n);
    // Opens port n on `device` while none is open (a lost device came back);
    // false, and nothing changed, when it cannot be opened.
    bool ReopenPort(int n, const QString &device);
    // Shows the device of COM1 .. COM3 in their items' tooltips.
    void ShowPortDevices();
    // The user's pick in the port list is taken only while this holds (a
    // document exists and the window is not refreshing from it).
    void SetPortChoiceGate(std::function<bool()> gate) { m_portChoiceGate = std::move(gate); }

    // "P": programs the unit ID (wired by the unit-wide commands).
    QPushButton *SetUnitIdButton() const { return m_setUnitId; }
    // The index chosen in ComboUnitID.
    int UnitId() const;

signals:
    // The chosen port after a choice (0 when none is open).
    void PortSelected(int commPortNo);
    // A port chosen in the list could not be opened.
    void PortOpenFailed(const PortOpenFailure &failure);

private:
    void ComboUnitIDChange();
    void UsePathClick();
    void ComboPortChange(int index);
    void ShowPortInUse();

    PortSelector m_ports;
    QCheckBox *m_usePath;
    QComboBox *m_unitId;
    QPushButton *m_setUnitId;
    QComboBox *m_portList;
    QString m_unitIdSuffix = QStringLiteral("$]");
    QString m_pathSuffix = QStringLiteral("]");
    std::function<bool()> m_portChoiceGate;
};
