#pragma once

class ArtOutput;

// The application icon: the front of a chassis with coloured cards in its
// slots, drawn for each icon size on a transparent ground. Small sizes show
// fewer cards and no connectors so that they stay crisp.
namespace AppIcon {

// Adds the icon at every size as "AppIcon<size>.png".
void AddTo(ArtOutput &out);

} // namespace AppIcon
