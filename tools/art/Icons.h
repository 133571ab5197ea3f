// The design-time pictures the programs carry: emblem, landing flash, bomb burst, icons, player
// and mode pictures, and the ad manager's game screen and administrator hint.
#pragma once

#include <QImage>
#include <QMap>
#include <QString>

namespace zivi::art {

// File name (inside the resource prefix) -> picture, for the viewer and for the ad manager.
QMap<QString, QImage> ViewerPictures();
QMap<QString, QImage> AdManagerPictures();

} // namespace zivi::art
