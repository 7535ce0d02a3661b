#pragma once

#include <QString>

// The system device behind port number 1 .. 3: "COM1".."COM3" on Windows;
// elsewhere the setting "ComDevice1".."ComDevice3" when present, else
// "/dev/ttyS0".."/dev/ttyS2".
QString SerialDeviceName(int portNo);
// Stores the device of port 1 .. 3 ("ComDevice<n>").
void SetSerialDeviceName(int portNo, const QString &device);

// The stored option "Reopen when the device returns" ("ReopenPort", off by default).
bool ReopenWhenDeviceReturns();
void SetReopenWhenDeviceReturns(bool reopen);
