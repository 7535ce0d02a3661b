#pragma once

class ArtOutput;
class QImage;

// The application icon: the front of a chassis with coloured cards in its
// slots, drawn for each icon size on a transparent ground. Small sizes show
// fewer cards and no connectors so that they stay crisp.
namespace AppIcon {

QImage Render(int size);

// Adds the icon at every size as "AppIcon<size>.png".
void AddTo(ArtOutput &out);

} // namespace AppIcon
