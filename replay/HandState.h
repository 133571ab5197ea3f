#pragma once
// The whole state of one replayed hand as a plain value: the cards, the players, their boards,
// the table, the round's settings, the move stream and what the board shows. Copying it clones
// the replay.

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <vector>

constexpr int CardCount = 53;     // 0-47 the months' cards, 48-52 the bonus cards
constexpr int HandPlaces = 10;
constexpr int PileRows = 26;
constexpr int SlotCount = 12;
constexpr int BombImages = 6;

// Location codes of a card.
enum : int16_t { InDeck = -1, OnTable = 4, CapturedBase = 10 };

enum : int16_t { KindBright = 1, KindAnimal = 2, KindRibbon = 3, KindPi = 4 };
enum : int16_t {
    MarkNone = 0, MarkHongdan = 1, MarkChungdan = 2, MarkChodan = 3, MarkDoublePi = 4,
    MarkGodori = 5, MarkRainBright = 6, MarkDecemberAnimal = 7
};

struct CardState {
    int16_t Month = 0;
    int16_t Kind = 0;
    int16_t Special = 0;
    float X = 0, Y = 0;
    int16_t Place = InDeck;
    int16_t Triple = -1;
    int16_t StackIndex = 0;
    int16_t Slot = -1;
};

struct PlayerState {
    int16_t MoveCount = 0;
    QString Nick;
    QString Id;
    QChar Voice = QLatin1Char(' ');
    double Money = 0;
    int32_t Wins = 0, Losses = 0, Draws = 0;
    int16_t GoCount = 0, GoScore = 0, Score = 0, ShakeCount = 0, PpeokCount = 0, AnimalDouble = 0;
    int16_t BrightPoints = 0, PiPoints = 0;
    uint8_t GodoriSaid = 0, ChungdanSaid = 0, ChodanSaid = 0, HongdanSaid = 0;
    int16_t FirstPpeok = 0;
    int16_t BrightCount = 0, AnimalCount = 0, RibbonCount = 0, PiCount = 0, CardCount = 0;
};

struct Point16 {
    int16_t x = 0, y = 0;
};

struct PlayerBoard {
    std::array<Point16, HandPlaces> HandPos{};
    std::array<int16_t, HandPlaces> Hand{};
    uint64_t HandSet = 0; // the cards in Hand as bits
    std::array<Point16, 5> PilePos{};                       // kinds 1-4
    std::array<std::array<int16_t, 5>, PileRows> Captured{}; // [row][kind 1-4]
    std::array<int16_t, 5> CapturedCount{};                 // kinds 1-4
    std::array<uint64_t, 5> CapturedSet{};                  // the cards of each column as bits
    uint8_t PileStale = 0; // bit per kind: the column was packed but its pictures not laid out
};

struct TableSlot {
    int16_t X = 0, Y = 0;
    uint8_t Used = 0;
};

enum class Call : uint8_t { None, Go, Stop, Other };

struct RoundState {
    int16_t LastGoSeat = -1;
    int CardTotal = 0;
    int BonusCount = 0;
    QString MissionOn;
    int MissionNo = -1;
    QString PointValue = QStringLiteral("100");
    double PointValueNumber = 100; // PointValue read as a number, 0 when it is none
    QString StopScore = QStringLiteral("7");
    QString StreakOption;
    QString Speed;
    QString EffectsOn, VoicesOn;
    int16_t ChongtongRate = 10;
    int16_t PpeokTaken = 0;
    // The remaining deck, top card at DeckTop.
    std::array<int8_t, CardCount> Deck{};
    int8_t DeckTop = 0, DeckEnd = 0;
};

// How the hand ended.
enum class Ending : uint8_t { Unfinished, Win, Chongtong, ThreePpeok, Draw };

// What a card's picture shows.
struct CardPicture {
    bool Visible = false;
    bool Face = false;
    int16_t W = 36, H = 55;
    char Tag = 0; // 'T': open gukjin choice on card 32; 'S': bonus card waiting for a ppeok pile
    int8_t PpeokMark = -1;
};

// A player's labels as last drawn (0 = the counter shows nothing yet).
struct PlayerLabels {
    int16_t Points = 0, Go = 0, Shake = 0, Ppeok = 0;
    int16_t PiValue = 0; // lblPinum caption as a number, 0 when empty or "0"
    bool PiVisible = false;
    int16_t PiX = 0, PiY = 0;
    bool PanelShown = false;          // nick, money and record labels visible
    double DrawnMoney = 0;            // lblJUMSU was drawn from this balance
    int32_t DrawnWins = 0, DrawnLosses = 0, DrawnDraws = 0; // lblPER
};

struct BoardView {
    std::array<CardPicture, CardCount> Pictures{};
    std::array<std::array<int16_t, BombImages>, 2> BombTag{}; // -1 free, player, 101 played
    std::array<std::array<bool, BombImages>, 2> BombVisible{};
    std::array<PlayerLabels, 2> Labels{};
    bool ResultShown = false; // the result panel; its texts: ResultTitleText/ResultBodyText
    int8_t CommonPanel = 0;  // 0 hidden, 1 shake, 2 four of a month
    char MissionTag = 'N';
    bool MissionHidden = false;
    QString MissionTitle;
    int8_t ResultMark = -1;  // -1 none, 0 success, 1 failure
    bool OpenSpriteShown = true;
    bool ReplayRunning = false; // the open-record emblem's tag: "1" while a replay runs
    bool FlashShown = false;
    int8_t Shuffle = 0;
};

struct HandState {
    std::array<CardState, CardCount> Cards{};
    std::array<PlayerState, 2> Players{};
    std::array<PlayerBoard, 2> Boards{};
    std::array<TableSlot, SlotCount> TableSlots{};
    std::array<int16_t, 13> PpeokOwner{}; // by month 1-12
    RoundState Round;
    // The cards of each location as bit sets (bit n = card n), kept equal to the cards' Place:
    // 0 and 1 the hands, 2 the table, 3 and 4 the captured piles of players 0 and 1.
    std::array<uint64_t, 5> Where{};

    // The move stream and the move being performed.
    QString Runs;                 // the record's move text; MoveList points into it
    struct Span { int32_t from = 0, length = 0; };
    std::vector<Span> MoveList;
    int MoveIndex = 0;
    int16_t ChoiceHand = -1, ChoiceFlip = -1, ChoiceGukjin = 0;
    Call PendingCall = Call::None;
    int16_t p_GAMEEND = 0;
    int16_t TopLeads = 0, FirstSeat = 0, SecondSeat = 1;
    bool TimerOn = false;
    int ReplayInterval = 1000;
    QString SoundCaption = QStringLiteral("소리켬");

    // The move in progress.
    std::array<int16_t, 5> FlippedBonus{};
    int8_t FlippedBonusCount = 0;

    BoardView View;

    // The settlement: how the hand ended and what the result panel lists.
    Ending End = Ending::Unfinished;
    int8_t Winner = -1;
    int Points = 0;          // P of a normal win
    double MoneyBooked = 0;  // M
    uint16_t ResultItems = 0; // the multiplier items of the result text (bits of ResultItem)
    int16_t ResultGo = 0, ResultShake = 0, ResultMission = 0;
};

// The items a settlement lists, in the order they appear.
enum ResultItem : uint16_t {
    ItemGo = 1, ItemFiveBrights = 2, ItemShake = 4, ItemFirstPpeok = 8, ItemManyAnimals = 16,
    ItemGoPenalty = 32, ItemMission = 64, ItemNoBright = 128, ItemNoPi = 256, ItemNoAnimal = 512,
    ItemStreak = 1024
};

// The result panel's title and body (lines separated by CR LF), empty before a settlement.
QString ResultTitleText(const HandState& s);
QString ResultBodyText(const HandState& s);

// The texts the board's labels show, made from the state on demand.
QString MoneyLabelText(const PlayerLabels& l);
QString RecordLabelText(const PlayerLabels& l);
QString StakeInfoText(const RoundState& r);
QString WinRateText(int32_t wins, int32_t losses, int32_t draws);
