#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the artwork shows of each card model, read from its description.

enum class Connector {
    Bnc,      // video/sync coaxial
    Hd15,     // 15-pin VGA
    Rj45,     // UTP / CAT-5 / Ethernet
    Tb,       // screw terminal block, `pins` terminals per channel
    Jack35,   // 3.5 mm stereo jack
    Rca,      // phono
    Iec,      // IEC mains inlet
    Nema,     // NEMA 5-15 outlet
    FiberSt,  // fibre ST bayonet
    MiniDin4, // S-Video
    MiniDin6, // keyboard / mouse
    Usb,
    Db9,      // RS-232
};

// A run of identical connectors on the card face under one legend.
struct ConnectorGroup {
    Connector type;
    int count;
    QString legend;
    int pins = 1;
};

// What the block diagram draws between the inputs and the outputs.
enum class Function {
    Amplifier,     // distribution amplifier: each input fans out
    Expansion,     // DA or switcher expansion fed from / feeding the main card
    Switcher,      // n inputs, one selected
    Matrix,        // crosspoint matrix
    Channels,      // independent channels (line drivers, converters)
    Scaler,        // scan converter / scaler chain
    Player,        // stored media player
    Engine,        // matrix engine with card buses
    EngineInput,   // input card of a matrix engine
    EngineOutput,  // output card of a matrix engine
    PowerAmp,      // mixer and power amplifier
    Mixer,
    Ports,         // control ports around a processor
    Power,         // mains distribution
    Cover,
};

// One signal line group of a block diagram: `count` lines named `signal`,
// or one bus carrying them.
struct Signal {
    QString signal;
    int count;
    bool bus = false;
};

struct CardModel {
    QString code;
    QString description;
    int slotWidth = 1;
    QList<ConnectorGroup> face;
    Function function = Function::Cover;
    QString caption;         // text in the function block
    QList<Signal> inputs;
    QList<Signal> outputs;
    int diagramWidth = 0;    // 0: the model has no block diagram
    int diagramInset = 0;    // blank strip at the diagram's left edge
};

// Every catalog model and the extra picture codes, in catalog order.
const QList<CardModel> &CardModels();

// Feature notes of a description shown under a block diagram
// ("425 MHZ", "GLI", "OUTPUT CONTROL", "EXPANDABLE", "GAIN CONTROL", ...).
QStringList Features(const QString &description);
