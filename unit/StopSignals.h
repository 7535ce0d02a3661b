#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into an orderly end of the event loop, so
// that the unit logs what is left and removes its link.
class StopSignals : public QObject
{
    Q_OBJECT

public:
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

signals:
    void Stop();

private:
    QSocketNotifier *m_notifier = nullptr;
};
