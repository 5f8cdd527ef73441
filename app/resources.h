// The pictures the program ships: "VELMORA4.ICO", "V4WALL.BMP", "Kestrian.bmp".
#pragma once

namespace app {

// Registers the pictures with Qt's resource system; idempotent.
void RegisterResources();

}  // namespace app
