#pragma once

#include <array>

// The board pictures of the reconfigurable matrices (`ConfigMat1` jumpers,
// `ConfigMat2` cables, `ConfigMat3` jumpers of both signal halves) and the
// sixteen markers over them: where each marker sits for each split of the
// six ports. The page places the markers from this table; the artwork
// generator draws the pins and sockets under the same places.
namespace JumperMarkers {

inline constexpr int BoardWidth = 249;
inline constexpr int BoardHeight = 137;

// The splits in the order of the "Matrix Size" options: 2x6, 3x5, 4x4, 5x3, 6x2.
inline constexpr int SplitCount = 5;

enum class Kind {
    Across, // jumper on a row of three pins, moves one pitch sideways
    UpDown, // jumper on a column of three pins, moves one pitch up or down
    Cable,  // cable plug, moves between an input and an output socket
};

struct Image {
    const char *name;
    int width;
    int height;
};

// The marker pictures; a jumper covers the pins at a quarter and three
// quarters of its length.
constexpr Image ImageOf(Kind kind)
{
    switch (kind) {
    case Kind::Across: return {"MarkerJumperAcross", 16, 8};
    case Kind::UpDown: return {"MarkerJumperUpDown", 8, 12};
    case Kind::Cable: return {"MarkerCablePlug", 30, 12};
    }
    return {};
}

struct Marker {
    const char *name;
    const char *board;
    Kind kind;
    int fixed; // y of Across and Cable markers, x of UpDown markers
    std::array<int, SplitCount> place; // x of Across and Cable markers, y of UpDown markers
};

inline constexpr std::array<Marker, 16> Markers = {{
    {"A1", "ConfigMat1", Kind::Across, 40, {142, 134, 134, 134, 134}},
    {"A2", "ConfigMat1", Kind::Across, 62, {161, 161, 153, 153, 153}},
    {"A3", "ConfigMat1", Kind::Across, 84, {181, 181, 181, 173, 173}},
    {"A4", "ConfigMat1", Kind::Across, 106, {201, 201, 201, 201, 193}},
    {"B1", "ConfigMat2", Kind::Cable, 40, {187, 187, 187, 187, 119}},
    {"B2", "ConfigMat2", Kind::Cable, 62, {187, 187, 187, 119, 119}},
    {"B3", "ConfigMat2", Kind::Cable, 84, {187, 119, 119, 119, 119}},
    {"B4", "ConfigMat2", Kind::Cable, 106, {187, 187, 119, 119, 119}},
    {"C1", "ConfigMat3", Kind::Across, 40, {142, 134, 134, 134, 134}},
    {"C2", "ConfigMat3", Kind::Across, 62, {166, 166, 158, 158, 158}},
    {"C3", "ConfigMat3", Kind::Across, 84, {191, 191, 191, 183, 183}},
    {"C4", "ConfigMat3", Kind::Across, 106, {215, 215, 215, 215, 207}},
    {"D1", "ConfigMat3", Kind::UpDown, 34, {61, 61, 61, 61, 55}},
    {"D2", "ConfigMat3", Kind::UpDown, 56, {79, 79, 79, 73, 73}},
    {"D3", "ConfigMat3", Kind::UpDown, 78, {95, 95, 89, 89, 89}},
    {"D4", "ConfigMat3", Kind::UpDown, 100, {111, 117, 117, 117, 117}},
}};

// A marker's place for a split: its top-left corner within the board.
constexpr std::array<int, 2> TopLeft(const Marker &marker, int split)
{
    if (marker.kind == Kind::UpDown)
        return {marker.fixed, marker.place[split]};
    return {marker.place[split], marker.fixed};
}

} // namespace JumperMarkers
