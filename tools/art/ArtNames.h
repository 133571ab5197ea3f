// Names of the pictures compiled into the programs, with their sizes and key colours.
//
// The viewer links `zivi_art` (prefix ":/zivi"), the ad manager links `tavinad_art` (prefix
// ":/tavinad"); linking the library is enough, no initialisation call is needed. All of them are
// PNG files drawn at build time by tools/art/zivi-art.
//
// Key colours: a picture with a key colour is opaque and marks its see-through pixels with exactly
// that colour (no soft edge mixes into it); the others carry real alpha.
#pragma once

#include <QtGlobal>

namespace zivi::art {

// The emblem of the empty board (the open-record sprite), keyed on light grey 240,240,240.
inline constexpr char kEmblem[] = ":/zivi/emblem.png";
// The landing flash around a card that captured (56 x 75, the card at 10,10), keyed on magenta.
inline constexpr char kFlash[] = ":/zivi/flash.png";
// The four frames of the bomb burst, 36 x 55, with alpha.
inline constexpr char kBombBurst1[] = ":/zivi/bomb1.png";
inline constexpr char kBombBurst2[] = ":/zivi/bomb2.png";
inline constexpr char kBombBurst3[] = ":/zivi/bomb3.png";
inline constexpr char kBombBurst4[] = ":/zivi/bomb4.png";
// Voice icons of the player panels, 21 x 22: image 1 male, image 2 female.
inline constexpr char kVoiceMale[] = ":/zivi/voice_m.png";
inline constexpr char kVoiceFemale[] = ":/zivi/voice_f.png";
// Record list icons, 16 x 16: 1 own record, 2 another player's, 3 online record.
inline constexpr char kListOwn[] = ":/zivi/list_own.png";
inline constexpr char kListOther[] = ":/zivi/list_other.png";
inline constexpr char kListOnline[] = ":/zivi/list_online.png";
// The two player pictures of the record info panel, 73 x 68.
inline constexpr char kPlayer1[] = ":/zivi/player1.png";
inline constexpr char kPlayer2[] = ":/zivi/player2.png";
// Mode pictures of the record info panel, 43 x 17: own, other, online.
inline constexpr char kModeOwn[] = ":/zivi/mode_own.png";
inline constexpr char kModeOther[] = ":/zivi/mode_other.png";
inline constexpr char kModeOnline[] = ":/zivi/mode_online.png";
// The leader mark beside a player panel, 26 x 26, with alpha.
inline constexpr char kLeader[] = ":/zivi/leader.png";
// The viewer's program icon, 64 x 64.
inline constexpr char kViewerIcon[] = ":/zivi/icon.png";

// Ad manager: the game-screen picture (229 x 402; the ad lies at 15,166, 210 x 70), the
// administrator hint (424 x 300) and the program icon (64 x 64).
inline constexpr char kGameScreen[] = ":/tavinad/gamescreen.png";
inline constexpr char kAdminHint[] = ":/tavinad/admin.png";
inline constexpr char kAdManagerIcon[] = ":/tavinad/icon.png";

inline constexpr quint32 kEmblemKey = 0xfff0f0f0; // light grey 240, 240, 240
inline constexpr quint32 kMagentaKey = 0xffff00ff;

struct PictureResource {
    const char* name;
    int width;
    int height;
    quint32 key; // ARGB; 0 when the picture has alpha instead of a key colour
};

inline constexpr PictureResource kViewerPictures[] = {
    {kEmblem, 153, 151, kEmblemKey},  {kFlash, 56, 75, kMagentaKey},   {kBombBurst1, 36, 55, 0},
    {kBombBurst2, 36, 55, 0},         {kBombBurst3, 36, 55, 0},        {kBombBurst4, 36, 55, 0},
    {kVoiceMale, 21, 22, 0},          {kVoiceFemale, 21, 22, 0},       {kListOwn, 16, 16, 0},
    {kListOther, 16, 16, 0},          {kListOnline, 16, 16, 0},        {kPlayer1, 73, 68, 0},
    {kPlayer2, 73, 68, 0},            {kModeOwn, 43, 17, 0},           {kModeOther, 43, 17, 0},
    {kModeOnline, 43, 17, 0},         {kLeader, 26, 26, 0},            {kViewerIcon, 64, 64, 0},
};

inline constexpr PictureResource kAdManagerPictures[] = {
    {kGameScreen, 229, 402, 0},
    {kAdminHint, 424, 300, 0},
    {kAdManagerIcon, 64, 64, 0},
};

// Layout of the picture files in the game folder's images/ (drawn by the same tool):
//  whatoo.gif  cells of 36 x 55, 15 columns by 4 rows, numbered row by row from 1: 1-48 the faces
//              of cards 0-47, 49 the back, 50 the bomb card, 52-56 the bonus cards 48-52, 57 and 58
//              the ppeok marks of player 0 and 1 (magenta around the mark); 51, 59, 60 magenta.
//  GONUM.GIF   13 cells of 130 x 90 in one row on magenta: go 1-9, kiss, ppeok, bomb, pile taken.
//  MIS.jpg     6 frames of 210 x 115 in one row; MNUM.gif 5 cells of 55 x 55 (rates 2 to 6).
//  MIX.JPG     2 frames of 135 x 136 in one row.
//  O.gif, X.gif 44 x 44 with a transparent index outside the mark.
inline constexpr int kCardSheetColumns = 15;
inline constexpr int kCardSheetRows = 4;

// Where the game-screen picture shows the advertisement.
inline constexpr int kGameScreenAdX = 15;
inline constexpr int kGameScreenAdY = 166;
inline constexpr int kGameScreenAdWidth = 210;
inline constexpr int kGameScreenAdHeight = 70;

} // namespace zivi::art
