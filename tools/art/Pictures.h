// The picture files of the game folder's images/ folder, apart from the card sheet.
#pragma once

#include <QImage>

namespace zivi::art {

QImage BoardPicture();          // GAME2.JPG, 800 x 575
QImage MissionFrames();         // MIS.jpg, 6 frames of 210 x 115 side by side
QImage ShuffleFrames();         // MIX.JPG, 2 frames of 135 x 136
QImage GoNumberStrip();         // GONUM.GIF, 13 cells of 130 x 90 on magenta
QImage ResultPanel();           // RESULT.jpg, 306 x 208
QImage ChongtongPanel();        // TONG.gif, 223 x 148
QImage ShakePanel();            // WAVEOK.gif, 223 x 148
QImage MissionRateStrip();      // MNUM.gif, 5 cells of 55 x 55 (rates 2 to 6)
QImage MissionMark(bool success); // O.gif / X.gif, 40 x 40, transparent outside the mark

// Where the mission frames leave room for the cards and the rate (frame 5 and the cells of
// MNUM.gif share its background colour).
QColor MissionPanelColour();

} // namespace zivi::art
