#pragma once

#include <QGroupBox>
#include <QList>

class QAbstractButton;
class GenericHandlers;

// A group box holding a column of numbered channel controls (check boxes or
// option buttons) and, at its foot, an "All ON/OFF" check box. The group is
// built for its largest use; a model with fewer channels hides the rest.
class ChannelGroup : public QGroupBox
{
    Q_OBJECT

public:
    enum class Kind { Check, Option };

    // A run of `count` controls numbered from `firstTag`; "%1" in the name
    // and caption patterns is replaced by the channel 1..count.
    struct Run {
        const char *namePattern;
        const char *captionPattern;
        int firstTag;
        int count;
    };

    struct Layout {
        const char *name;
        const char *caption;
        Kind kind;
        QList<Run> runs;
        bool allBox;
        const char *allHint = "";
        int width = 112;
    };

    ChannelGroup(const Layout &shape, QWidget *parent);

    // Shows the first `count` controls of every run and hides the others.
    void ShowChannels(int count);
    // The checked control's channel (1-based within its run), 0 when none is.
    int CheckedChannel() const;
    // Clicks on every control of the group run the generic handlers.
    void BindTo(GenericHandlers &handlers);

    static constexpr int RowHeight = 20;

private:
    struct Channel {
        QAbstractButton *control;
        int index; // 1-based within its run
    };
    QList<Channel> m_channels;
    QAbstractButton *m_all = nullptr;
};
