#pragma once
// What a person sees and hears during one replayed hand, in order: the rules append actions here
// and the board plays them one after another. Positions are pixels of the 800 x 575 board.

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <vector>

enum class Act : uint8_t {
    Sound,        // index = resolved sound slot 0-66, voice = a player's voice was asked for,
                  // seconds = pause after starting it (0 = no wait)
    Pause,        // seconds
    PauseByClock, // player 1's thinking pause before his go/stop call: ClockPauseSeconds(now)
    ResetBoard,   // everything back to the idle board; a, b = leader marker position
    OpenSprite,   // the open-record emblem: visible
    Shuffle,      // shuffle picture: index 1 or 2 shown, 0 hidden
    CardPlace,    // card picture set at (a, b) at once and brought to the front;
                  // faceDown: shows the back; a size of w x h when w > 0
    CardFace,     // card picture shows its face, visible, in front
    CardHide,     // card picture hidden
    MoveCard,     // card flies from (a, b) to (c, d), takes w x h on arrival; faceUp: face shown
                  // on arrival; flash: landing flash at (c - 10, d - 10) until FlashHide
    FlashHide,
    DealGroup,    // cards[0..count) fly together from their positions to (xs, ys); player -1 =
                  // table; on arrival w x h, faceUp or not
    PpeokMark,    // card shows its face with the ppeok marker of `player` over it
    Effect,       // effect picture `index` (go counts 1-9, card effects 10-13) at (a, b), 130 x 90,
                  // for `seconds`
    Label,        // label `index` (LabelId) of `player` (-1: the board's own): text, visible; hasPos:
                  // moved to (a, b); for Nick, voice = the male voice icon beside it
    ResultPanel,  // the result panel: visible (its texts come as Label actions)
    CommonPanel,  // index: 0 hidden, 1 shake (cards 0-2), 2 four of a month (cards 0..count)
    MissionFrame, // mission panel frame `index` (1-6); 0 = panel hidden for good
    MissionShow,  // mission cards[0..count) drawn, index = rate
    MissionMark,  // index 0 success mark, 1 failure mark
    BombMarker,   // bomb image `index` of `player` in the hand place at (a, b), 36 x 55
    BombBurst,    // player 0's bomb image `index` bursts (frames 1-4 at 60 ms) and is hidden
    BombHide,     // bomb image `index` of `player` hidden
};

enum class LabelId : uint8_t {
    Nick,        // lblNICK
    Money,       // lblJUMSU
    Record,      // lblPER
    Points,      // lblCURJ
    Go,          // lblCURG
    Shake,       // lblCURW
    Ppeok,       // lblCURP
    PiCount,     // lblPinum
    StakeInfo,   // lblRINFO
    ResultTitle, // lblRTITLE
    ResultText,  // lblRCONT
    MissionTitle // lblMTITLE
};

struct Action {
    Act kind = Act::Pause;
    int8_t player = -1;
    int8_t count = 0;
    bool faceUp = false;
    bool faceDown = false;
    bool flash = false;
    bool visible = true;
    bool voice = false;
    bool hasPos = false;
    int16_t card = -1;
    int16_t index = 0;
    int a = 0, b = 0, c = 0, d = 0;
    int16_t w = 0, h = 0;
    double seconds = 0;
    std::array<int16_t, 5> cards{{-1, -1, -1, -1, -1}};
    std::array<int16_t, 5> xs{}, ys{};
    QString text;
};

struct Timeline {
    std::vector<Action> actions;
};

// The 67 sound slots are looked up by exact, case-sensitive key: voice + "\" + name for a voice,
// else the name; an unknown key gives slot 0 ("BOMB").
int ResolveSoundSlot(QStringView name, QStringView voice);

// Whether a sound (and the pause that goes with it) happens: the sound button's switches
// ("1"/"0", empty counts as on) and a minimised window silence it.
bool SoundAudible(QStringView effectsOn, QStringView voicesOn, bool windowMinimised, bool isVoice);

// Player 1's pause before performing his go/stop call, by the last digit of the seconds of the
// time of day: 1-2 0.5 s, 3-4 1 s, 5-6 1.5 s, 7-8 2 s, 9-0 2.5 s.
double ClockPauseSeconds(int secondsOfMinute);

// Readable one-line form of an action, for tests and debugging.
QString DescribeAction(const Action& a);
