#pragma once

class ArtOutput;

// The board pictures of the reconfigurable matrices (`ConfigMat1` ...
// `ConfigMat3`) with the pins and sockets under every place of their
// markers, and the marker pictures (jumpers and the cable plug).
namespace ConfigBoards {

void AddPictures(ArtOutput &out);

} // namespace ConfigBoards
