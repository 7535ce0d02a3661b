#pragma once

class TQlsDoc;

// What the enclosure view and the card page selection need of the main
// window: the open design, the selected slot and the refresh state.
class DesignContext
{
public:
    virtual ~DesignContext() = default;

    // The open design; nullptr when there is none.
    virtual TQlsDoc *Doc() const = 0;
    // Selected slot 1..20.
    virtual int CurrentSlot() const = 0;
    virtual void SetCurrentSlot(int slot) = 0;
    // True while the controls are being copied from the document.
    virtual bool Refreshing() const = 0;
    virtual void RefreshFromDocument() = 0;
    // Stored option: group buttons enabled on empty slots too.
    virtual bool AllowEmpty() const = 0;
    // Position of the group selector (0..9).
    virtual int SelectedGroup() const = 0;
};
