#pragma once

#include <QObject>
#include <QWidget>

#include <array>

class DesignContext;
class Desktop;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class TQlsDoc;

// `paintCardColors`: one coloured mark per slot and group; the selected group
// as vertical lines joined at the foot, the others as dots at the top.
class GroupColourStrip : public QWidget
{
    Q_OBJECT

public:
    GroupColourStrip(const DesignContext &context, QWidget *parent);

    // Colour of groups 1..8; groups 0 and 9 have none (invalid colour).
    static QColor GroupColour(int group);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const DesignContext &m_context;
};

// `paintEnclosure`: the design's picture, centred in the box.
class EnclosurePaintBox : public QWidget
{
    Q_OBJECT

public:
    EnclosurePaintBox(const DesignContext &context, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const DesignContext &m_context;
};

// The design surface of the main window: the 20 slot buttons with the group
// strip in "Slots", the enclosure list, "View Layout" and the enclosure
// picture in "Card Control".
class EnclosureView : public QObject
{
    Q_OBJECT

public:
    struct Regions {
        QWidget *grpCards;
        QComboBox *cmboEnclosure;
        QCheckBox *viewLayout; // CheckBox28
        QWidget *grpControls;
        QWidget *controlView;  // hidden while the layout is shown
    };

    EnclosureView(DesignContext &context, Desktop &desktop, const Regions &regions);

    // Click of slot button `sender`; nullptr re-selects the current slot.
    void btnCardClick(QAbstractButton *sender);
    void UpdateSlotButtons();
    void cmboEnclosureChange();
    void CheckBox28Click();

    // Puts the button of `slot` down (without running its handler).
    void PutDown(int slot);
    // The group add and remove buttons that UpdateSlotButtons enables.
    void SetGroupButtons(QAbstractButton *add, QAbstractButton *remove);
    // Repaints the group strip and the enclosure picture.
    void Repaint();

    QAbstractButton *SlotButton(int slot) const { return m_buttons[slot - 1]; }

    static const QString SizeQuestion;

signals:
    // A slot was selected: choose catalog entry `index` for it.
    void ModelOfSlotChosen(int index);
    // The enclosure list chose a size; `firstOutside` is its first missing slot.
    void EnclosureSizeChosen(int firstOutside);
    // "View Layout" was switched on.
    void LayoutViewShown();

private:
    // The list and the front panel show the document's size again.
    void ShowDocumentSize(const TQlsDoc &doc);

    DesignContext &m_context;
    Desktop &m_desktop;
    Regions m_regions;
    std::array<QAbstractButton *, 20> m_buttons{};
    QButtonGroup *m_buttonGroup;
    GroupColourStrip *m_strip;
    EnclosurePaintBox *m_paintEnclosure;
    QAbstractButton *m_addGroup = nullptr;
    QAbstractButton *m_removeGroup = nullptr;
};
