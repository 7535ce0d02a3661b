#pragma once

#include <QImage>
#include <QWidget>

// `paintWait`: a 21 x 21 box showing the busy picture while a command is being
// sent and the idle picture otherwise.
class WaitIndicator : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Side = 21;

    explicit WaitIndicator(QWidget *parent = nullptr);

    void SetPictures(const QImage &busy, const QImage &idle);
    void SetBusy(bool busy);
    bool Busy() const { return m_busy; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintWaitPaint();

    QImage m_busyPicture;
    QImage m_idlePicture;
    bool m_busy = false;
};
