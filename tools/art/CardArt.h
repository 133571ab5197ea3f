// The card pictures: 48 month cards, five bonus cards, the back, the bomb card and the two ppeok
// marks, and the card sheet made of them.
#pragma once

#include <QImage>

namespace zivi::art {

constexpr int kCardWidth = 36;
constexpr int kCardHeight = 55;
constexpr int kSheetColumns = 15;
constexpr int kSheetRows = 4;

QImage CardFace(int card);          // cards 0-52, 36 x 55
QImage CardBack();                  // 36 x 55
QImage BombCard();                  // 36 x 55
QImage PpeokMark(int player);       // 36 x 55 on magenta
QImage CardSheet();                 // 15 x 4 cells of 36 x 55, numbered row by row

// A card drawn at any size (used by the board and the other pictures).
QImage CardFaceScaled(int card, int width, int height);
QImage CardBackScaled(int width, int height);

} // namespace zivi::art
