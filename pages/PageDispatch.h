#pragma once

#include <QString>
#include <QStringList>

// Which control page each card model gets and how that page is laid out.
namespace PageDispatch {

// Pages of ControlView, in their order (the index is the page index).
enum class Page {
    NoControl = 0,
    SWCard,
    DACard,
    MatSWCard1,
    MatSWCard2,
    AudioPwrCard,
    ControlCard1,
    Empty,
    Scalar1,
    Scalar2,
    Scalar3,
    Scalar4,
};
constexpr int PageCount = 12;

// Object name of a page ("DACard").
QString PageName(Page page);

// What a page shows for a model.
enum class Shown {
    WholePage,        // every control of the page
    CoverPlate,       // NoControl: the cover-plate text and the slot picture
    PictureOnly,      // rear-panel picture and block diagram, no controls
    Outputs,          // DACard: "Output control", `channels` outputs
    SVideoVideo,      // DACard: S-Video/Video output control at the left edge
    Inputs,           // SWCard: "Input Select", `channels` inputs
    VideoSVideo,      // SWCard: "Video Select" and "S-Video Select" at the left edge
    InputGain,        // SWCard: line-driver gain group, `channels` inputs, left edge
    Matrix,           // MatSWCard1: `channels` inputs x `outputs` outputs
    ConfigMatrix,     // MatSWCard2: reconfigurable matrix with `configPicture`
};

struct Row {
    QStringList models;
    Page page = Page::NoControl;
    int width = 1;    // slots, for the rear-panel picture
    Shown shown = Shown::WholePage;
    int channels = 0; // outputs (DA), inputs (switcher, gain, matrix)
    int outputs = 0;  // matrix outputs
    bool inputControl = false; // matrix "Input Control" group
    bool sizeGroup = true;     // matrix size group
    QString configPicture;     // reconfigurable matrix picture
};

// The whole table, in its order.
const QList<Row> &Rows();

// Row of a model number (324100), or nullptr for a model without a page.
const Row *FindRow(int modelNumber);

} // namespace PageDispatch
