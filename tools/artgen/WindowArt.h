#pragma once

class ArtOutput;

// Pictures of the main window and its dialogs: the maker's logo in the
// window's logo panel and the page setup's two orientation pictures.
namespace WindowArt {

void AddPictures(ArtOutput &out);

} // namespace WindowArt
