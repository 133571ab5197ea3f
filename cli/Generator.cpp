#include "cli/Generator.h"

#include "replay/Headless.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

namespace {

const char* const EventNames[] = {
    "bonus card on the table at the deal", "bonus card flipped", "bonus card played from the hand", "총통",
    "bomb", "shake", "bomb card", "kiss", "ppeok", "first-move ppeok", "own ppeok pile taken",
    "other's ppeok pile taken", "따닥", "sweep", "gukjin kept", "gukjin changed", "1 go", "2 go", "3 go", "4 go",
    "5 go", "more than 5 go", "stop", "last-turn settlement", "draw", "three-ppeok win", "광박", "피박", "멍박",
    "고박", "멍따", "five brights", "mission kept", "mission failed", "five-wins bonus", "male voice",
    "female voice"};
static_assert(sizeof EventNames / sizeof EventNames[0] == size_t(Event::Count));

const char* const Nicks[] = {"바람돌이", "꽃순이",  "고스톱왕", "광박사",  "피박탈출", "청단요정", "홍단이",
                             "달빛",     "sky77",   "matgo_kim", "lucky7",  "도리도리", "쌍피대장", "비광",
                             "국진이",   "멍따왕",  "초단",     "park99",  "하나둘",   "빈손"};
const char* const Titles[] = {"한판 승부", "오늘의 대결", "짜릿한 역전", "쉽지 않은 판", "연습 한판",
                              "손에 땀을 쥐는 판", "마지막 한 장까지", "점심시간 맞고"};

bool isBonus(int c) { return c >= 48; }

// Move entries are built as plain ASCII: items, each followed by "*".
struct Entry {
    char text[64];
    int size = 0;
    Entry& add(int n) {
        size = int(std::to_chars(text + size, text + sizeof text - 1, n).ptr - text);
        text[size++] = '*';
        return *this;
    }
    Entry& add(const char* label) {
        while (*label && size < int(sizeof text) - 1) text[size++] = *label++;
        text[size++] = '*';
        return *this;
    }
    Entry& add(const char* label, int n) { return add(label).add(n); }
    bool endsWith(const char* tail) const {
        const int n = int(std::strlen(tail));
        return size >= n && std::memcmp(text + size - n, tail, size_t(n)) == 0;
    }
    QString toString() const { return QString::fromLatin1(text, size); }
};

// A rough worth of a card to the player who takes it: what a sensible player aims for.
int worth(int card) {
    if (card < 0) return 0;
    if (card >= 48) return 2;
    const CardInfo& k = CardTable()[size_t(card)];
    switch (k.kind) {
    case KindBright: return 6;
    case KindAnimal: return k.special == MarkGodori ? 4 : 3;
    case KindRibbon: return k.special >= MarkHongdan && k.special <= MarkChodan ? 3 : 2;
    default: return k.special == MarkDoublePi ? 2 : 1;
    }
}

struct Flip {
    int card = -1;         // the first card of the deck that is not a bonus card
    int bonusBefore = 0;   // bonus cards flipped before it
};

Flip nextFlip(const HandState& s) {
    Flip f;
    for (int i = s.Round.DeckTop; i < s.Round.DeckEnd; ++i) {
        const int c = s.Round.Deck[size_t(i)];
        if (!isBonus(c)) {
            f.card = c;
            break;
        }
        ++f.bonusBefore;
    }
    return f;
}

// Table cards 0-47 of a month lying in a slot, in number order (what the rules match against).
int tableMatches(const HandState& s, int month, int* out) {
    int n = 0;
    for (int c = 0; c < 48; ++c) {
        const CardState& k = s.Cards[size_t(c)];
        if (k.Place == OnTable && k.Month == month && k.Slot >= 0) out[n++] = c;
    }
    return n;
}

int bestOf(const int* cards, int n) {
    int best = cards[0];
    for (int i = 1; i < n; ++i)
        if (worth(cards[i]) > worth(best)) best = cards[i];
    return best;
}

// Performs one move entry on the replay.
void perform(Replay& r, const Entry& move) {
    r.s.Runs = move.toString();
    r.s.MoveList.assign(1, HandState::Span{0, int32_t(move.size)});
    r.s.MoveIndex = 0;
    r.ReplayStep();
}

bool eligible(const HandState& s, int p) {
    const PlayerState& pl = s.Players[size_t(p)];
    bool ok = false;
    const int stop = s.Round.StopScore.toInt(&ok);
    return ok && pl.Score >= stop && pl.GoScore < pl.Score;
}

// What one candidate play would be.
struct Play {
    enum Type { HandCard, Bomb, Shake, BombCard } type = HandCard;
    int card = -1;      // hand card, or the bomb card's image index
    int others[2] = {-1, -1};
    int score = 0;
};

} // namespace

const char* EventName(Event e) { return EventNames[size_t(e)]; }

RecordGenerator::RecordGenerator(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}

uint64_t RecordGenerator::rand64() {
    // splitmix64: the same numbers on every platform and standard library.
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int RecordGenerator::below(int n) { return n <= 1 ? 0 : int(rand64() % uint64_t(n)); }

bool RecordGenerator::chance(int percent) { return below(100) < percent; }

GeneratedHand RecordGenerator::next(int bonusCards) {
    GeneratedHand hand;
    while (!playHand(hand, bonusCards)) {
    }
    return hand;
}

bool RecordGenerator::playHand(GeneratedHand& out, int bonusCards) {
    out = GeneratedHand{};
    EventSet& ev = out.events;
    auto mark = [&](Event e) { ev[size_t(e)] = true; };

    // The deal: 48 cards and the bonus cards, shuffled; no hand and no table with four of a month
    // (the game settles those before play).
    const int bonus = bonusCards < 0 ? below(6) : std::clamp(bonusCards, 0, 5);
    const int total = 48 + bonus;
    // Who moves first is written in the result text: "-" when player 1 led.
    const int first = below(2);
    // Now and then a hand is dealt for a 총통: the leader holds three of a month and a bonus
    // card, and the fourth card of the month is the replacement he draws for it.
    const bool dealChongtong = bonus > 0 && chance(2);
    std::array<int, CardCount> deck{};
    for (;;) {
        for (int i = 0; i < total; ++i) deck[size_t(i)] = i;
        for (int i = total - 1; i > 0; --i) std::swap(deck[size_t(i)], deck[size_t(below(i + 1))]);
        auto fourOfAMonth = [&](int from, int count) {
            int perMonth[13] = {};
            for (int i = from; i < from + count; ++i)
                if (deck[size_t(i)] < 48 && ++perMonth[deck[size_t(i)] / 4 + 1] == 4) return true;
            return false;
        };
        if (dealChongtong) {
            const int hand = first == 1 ? 8 : 18;
            const int month = below(12);
            auto placeAt = [&](int card, int pos) {
                const int at = int(std::find(deck.begin(), deck.begin() + total, card) - deck.begin());
                std::swap(deck[size_t(at)], deck[size_t(pos)]);
            };
            for (int k = 0; k < 3; ++k) placeAt(4 * month + k, hand + k);
            placeAt(48, hand + 3);
            placeAt(4 * month + 3, 28);
            bool tableBonus = false;
            for (int i = 0; i < 8; ++i) tableBonus |= isBonus(deck[size_t(i)]);
            if (tableBonus) continue;
        }
        if (!fourOfAMonth(0, 8) && !fourOfAMonth(8, 10) && !fourOfAMonth(18, 10)) break;
    }
    GameRecord& rec = out.record;
    {
        std::string text;
        for (int i = 0; i < total; ++i) {
            char number[8];
            text.append(number, std::to_chars(number, number + sizeof number, deck[size_t(i)]).ptr);
            text += '^';
        }
        rec.whatoo = QString::fromLatin1(text.data(), qsizetype(text.size()));
    }
    for (int i = 0; i < 8; ++i)
        if (isBonus(deck[size_t(i)])) mark(Event::BonusOnTableAtDeal);

    // The players.
    const int n0 = below(20);
    int n1 = below(19);
    if (n1 >= n0) ++n1;
    QString ids[2];
    for (int p = 0; p < 2; ++p) {
        const int n = p == 0 ? n0 : n1;
        ids[p] = QStringLiteral("tv%1").arg(1000 + below(9000));
        const QChar voice = chance(55) ? QLatin1Char('M') : QLatin1Char('F');
        mark(voice == QLatin1Char('M') ? Event::MaleVoice : Event::FemaleVoice);
        const long long money = (long long)(below(2000000) - 300000) * (chance(20) ? 10000 : 100);
        const int wins = below(400), losses = below(400), draws = below(40);
        const QString line = QString::fromUtf8(Nicks[n]) + QLatin1Char('^') + ids[p] + QLatin1Char('^') + voice +
                             QLatin1Char('^') + QString::number(money) + QLatin1Char('^') + QString::number(wins) +
                             QLatin1Char('^') + QString::number(losses) + QLatin1Char('^') + QString::number(draws) +
                             QLatin1Char('^');
        (p == 0 ? rec.P1 : rec.P2) = line;
    }
    rec.id = ids[0];

    // The rules of the table.
    static const int stakes[] = {100, 200, 500, 1000, 3000, 5000, 10000};
    if (chance(45)) rec.options += QStringLiteral("MI*%1^").arg(chance(90) ? below(16) : -1);
    rec.options += QStringLiteral("JD*%1^").arg(stakes[below(7)]);
    rec.options += QStringLiteral("EN*7^");
    static const int stopScores[] = {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 5, 5, 10, 15};
    rec.options += QStringLiteral("ED*%1^").arg(stopScores[below(20)]);
    if (chance(50)) rec.options += QStringLiteral("SB*1^");
    if (chance(30)) rec.options += QStringLiteral("JB*1^");
    if (chance(8)) rec.options += QStringLiteral("FT*1^");
    rec.wtime = QStringLiteral("2026-%1-%2 %3:%4:%5")
                    .arg(1 + below(12), 2, 10, QLatin1Char('0'))
                    .arg(1 + below(28), 2, 10, QLatin1Char('0'))
                    .arg(below(24), 2, 10, QLatin1Char('0'))
                    .arg(below(60), 2, 10, QLatin1Char('0'))
                    .arg(below(60), 2, 10, QLatin1Char('0'));
    rec.cont = QString::fromUtf8(Titles[below(8)]);

    rec.gos = first == 1 ? QStringLiteral("-") : QString();

    // The style of this hand's players: how eagerly they go on, whether they peek at the deck's
    // next card (a generator may) and whether they then like to make ppeok piles.
    const bool bold = chance(25);
    const bool timid = chance(8); // keeps away from captures, the deck's next card included
    const bool peek = timid || chance(30);
    const bool ppeokLover = peek && !timid && chance(35);
    const bool careless = !peek && chance(20); // plays whatever comes to hand

    Replay r;
    {
        GameRecord start = rec;
        start.runs.clear();
        r.PrepareReplay(start);
        r.game_START(start);
    }
    HandState& s = r.s;
    std::vector<uint8_t> sounds;
    std::array<uint8_t, 13> shaken{}; // months a player has shown in a shake (bit per player)
    std::string runs;
    Entry lastMove;
    int mover = s.FirstSeat;

    auto commit = [&](const Entry& move) {
        runs.append(move.text, size_t(move.size));
        runs += '^';
        lastMove = move;
        ++out.moves;
        if (afterMove) afterMove(r);
    };
    // The cards in a player's hand, bonus cards last when asked for.
    struct HandList {
        std::array<int16_t, 16> cards{};
        int count = 0;
    };
    auto handCards = [&](int p, bool bonusCardsToo) {
        HandList h;
        for (int c = 0; c < total && h.count < 16; ++c)
            if (s.Cards[size_t(c)].Place == p && (bonusCardsToo || !isBonus(c))) h.cards[size_t(h.count++)] = int16_t(c);
        return h;
    };
    auto waitingBombCard = [&](int p) {
        for (int i = 0; i < BombImages; ++i)
            if (s.View.BombTag[size_t(p)][size_t(i)] == p) return i;
        return -1;
    };

    for (int guard = 0; guard < 80 && s.End == Ending::Unfinished; ++guard) {
        const int m = mover;
        PlayerState& pl = s.Players[size_t(m)];
        if (pl.MoveCount >= 10) break; // both hands played out without a settlement: never kept

        // Bonus cards from the hand come first, most of the time; they do not use up the turn.
        for (;;) {
            const HandList all = handCards(m, true);
            const int bonusCard = all.count > 0 && isBonus(all.cards[size_t(all.count - 1)]) ? all.cards[size_t(all.count - 1)] : -1;
            if (bonusCard < 0) break;
            const bool must = handCards(m, false).count == 0 && waitingBombCard(m) < 0;
            if (!must && !chance(85)) break;
            const Entry move = Entry().add("SP", m).add(bonusCard);
            perform(r, move);
            mark(Event::BonusFromHand);
            commit(move);
            if (s.End != Ending::Unfinished) break;
        }
        if (s.End != Ending::Unfinished) break;

        // The candidate plays.
        const Flip flip = nextFlip(s);
        const int fMonth = flip.card >= 0 ? s.Cards[size_t(flip.card)].Month : -1;
        const bool lastTurn = pl.MoveCount + 1 > 9;
        std::vector<Play> plays;
        const HandList hand = handCards(m, false);
        for (int hi = 0; hi < hand.count; ++hi) {
            const int c = hand.cards[size_t(hi)];
            Play p;
            p.card = c;
            const int month = s.Cards[size_t(c)].Month;
            int mates[4];
            const int a = tableMatches(s, month, mates);
            int partners[3], np = 0;
            for (int oi = 0; oi < hand.count; ++oi)
                if (const int o = hand.cards[size_t(oi)]; o != c && s.Cards[size_t(o)].Month == month && np < 3) partners[np++] = o;
            if (s.Cards[size_t(c)].Triple == 1 && np == 2) {
                p.others[0] = partners[0];
                p.others[1] = partners[1];
                if (a >= 1) p.type = Play::Bomb;
                else if (!(shaken[size_t(month)] & (1 << m)) && chance(60)) p.type = Play::Shake;
            }
            int gain = 0;
            if (p.type == Play::Bomb) gain = 10 + worth(c) * 3 + worth(mates[0]);
            else if (a >= 1) gain = worth(c) + (a == 3 ? worth(mates[0]) + worth(mates[1]) + worth(mates[2]) + 4
                                                        : worth(bestOf(mates, a)));
            if (!peek) {
            } else if (fMonth == month && p.type != Play::Bomb) {
                if (a == 0) gain += 5;                        // kiss
                else if (a == 1) gain += ppeokLover ? 12 : -4; // ppeok
                else if (a == 2) gain += 6;                   // 따닥
            } else if (fMonth > 0) {
                int fm[4];
                const int f = tableMatches(s, fMonth, fm);
                if (f >= 1) gain += worth(flip.card) + worth(bestOf(fm, f));
            }
            p.score = gain * 4 + below(6);
            plays.push_back(p);
        }
        const int bombCard = waitingBombCard(m);
        if (bombCard >= 0) {
            Play p;
            p.type = Play::BombCard;
            p.card = bombCard;
            int fm[4];
            const int f = fMonth > 0 ? tableMatches(s, fMonth, fm) : 0;
            p.score = (f >= 1 ? worth(flip.card) + worth(bestOf(fm, f)) : 0) * 4 + below(12);
            plays.push_back(p);
        }
        if (plays.empty()) break; // nothing left to play: the record would be broken
        const Play* chosen = &plays[size_t(below(int(plays.size())))];
        if (timid) chosen = &*std::min_element(plays.begin(), plays.end(), [](const Play& x, const Play& y) {
            return x.score < y.score;
        });
        else if (!careless && chance(60)) chosen = &*std::max_element(plays.begin(), plays.end(), [](const Play& x, const Play& y) {
            return x.score < y.score;
        });
        const Play play = *chosen;

        // The move's items and the choices it needs.
        Entry move;
        int H = -1;
        switch (play.type) {
        case Play::HandCard: move.add("PS", m).add(play.card); H = play.card; break;
        case Play::Bomb:
            move.add("BO", m).add(play.card).add(play.others[0]).add(play.others[1]);
            H = play.card;
            mark(Event::Bomb);
            break;
        case Play::Shake:
            move.add("WA", m).add(play.card).add(play.others[0]).add(play.others[1]);
            H = play.card;
            shaken[size_t(s.Cards[size_t(H)].Month)] |= uint8_t(1 << m);
            mark(Event::Shake);
            break;
        case Play::BombCard: move.add("BC", m).add(play.card); mark(Event::BombCard); break;
        }
        const int hMonth = H >= 0 ? s.Cards[size_t(H)].Month : -1;
        int mates[4];
        const int a = H >= 0 ? tableMatches(s, hMonth, mates) : 0;
        if (play.type == Play::HandCard && a == 2) move.add("CH", bestOf(mates, 2));
        if (flip.card >= 0) {
            // The flipped card's matches once the played cards lie on the table.
            int fm[4];
            int f = tableMatches(s, fMonth, fm);
            if (H >= 0 && hMonth == fMonth && play.type != Play::Bomb) fm[f++] = H;
            const bool ppeok = play.type != Play::Bomb && a == 1 && hMonth == fMonth && !lastTurn;
            if (f == 2 && !ppeok) move.add("CB", bestOf(fm, 2));
            if (flip.bonusBefore > 0) mark(Event::BonusFlipped);
            if (!lastTurn && H >= 0 && play.type != Play::Bomb && hMonth == fMonth) {
                if (a == 0) mark(Event::Kiss);
                else if (a == 2) mark(Event::Ttadak);
            }
        }
        // Card 32 captured for the first time: its owner chooses animal or double pi.
        const int place32 = s.Cards[32].Place;
        if (place32 == OnTable || H == 32 || flip.card == 32 || (play.type == Play::Bomb && hMonth == 9)) {
            Replay trial(s);
            perform(trial, move);
            if (trial.s.Cards[32].Place == CapturedBase + m) {
                const bool changed = chance(40);
                move.add("GU", changed ? 1 : 0);
                mark(changed ? Event::GukjinChanged : Event::GukjinKept);
            }
        }
        // Ppeok piles on the table before the move, to see whose were taken.
        int piles[13] = {};
        for (int c = 0; c < 48; ++c)
            if (s.Cards[size_t(c)].Place == OnTable) ++piles[s.Cards[size_t(c)].Month];

        const int ppeokBefore = pl.PpeokCount;
        // The move without a call; when it leaves the mover free to call, he calls.
        Replay trial(s);
        trial.soundLog = &sounds;
        sounds.clear();
        perform(trial, move);
        const HandState& t = trial.s;
        if (t.End == Ending::Unfinished && eligible(t, m) && t.Players[size_t(m)].MoveCount < 10) {
            const int movesMade = t.Players[size_t(m)].MoveCount;
            const bool go = bold || (movesMade < 9 && chance(movesMade <= 6 ? 40 : 15));
            move.add(go ? "GO" : "ST");
            sounds.clear();
            r.soundLog = &sounds;
            perform(r, move);
            r.soundLog = nullptr;
            if (!go) mark(Event::Stop);
        } else {
            trial.soundLog = nullptr;
            r.s = std::move(trial.s);
        }
        for (uint8_t slot : sounds) {
            if (slot == 6) mark(Event::Kiss);
            if (slot == 37 || slot == 57) mark(Event::Sweep);
        }
        if (s.Players[size_t(m)].PpeokCount > ppeokBefore) mark(Event::Ppeok);
        if (s.Players[size_t(m)].FirstPpeok == 1) mark(Event::FirstMovePpeok);
        for (int month = 1; month <= 12; ++month) {
            if (piles[month] != 3) continue;
            bool taken = true;
            for (int c = 4 * (month - 1); c < 4 * month; ++c)
                if (s.Cards[size_t(c)].Place == OnTable) taken = false;
            if (taken) mark(s.PpeokOwner[size_t(month)] == m ? Event::OwnPpeokTaken : Event::OthersPpeokTaken);
        }
        commit(move);
        mover = 1 - m;
    }

    if (s.End == Ending::Unfinished) return false;
    rec.runs = QString::fromLatin1(runs.data(), qsizetype(runs.size()));
    out.ending = s.End;
    out.winner = s.Winner;
    out.points = s.Points;
    out.money = s.MoneyBooked;

    // Who led must agree with the result: player 1 leads exactly when player 0 did not win.
    const bool player0Won = (s.End == Ending::Win || s.End == Ending::Chongtong || s.End == Ending::ThreePpeok) &&
                            s.Winner == 0;
    if ((first == 1) == player0Won) return false;
    const int goes = s.Players[0].GoCount;
    rec.gos = (first == 1 ? QStringLiteral("-") : QString()) + (goes > 0 || first == 0 ? QString::number(goes) : QString());

    switch (s.End) {
    case Ending::Chongtong: mark(Event::Chongtong); break;
    case Ending::ThreePpeok: mark(Event::ThreePpeokWin); break;
    case Ending::Draw: mark(Event::Draw); break;
    default: break;
    }
    if (s.End == Ending::Win) {
        if (!lastMove.endsWith("ST*")) mark(Event::LastTurnSettlement);
        const QString text = ResultBodyText(s);
        const struct {
            const char* item;
            Event e;
        } items[] = {{"(광박x2)", Event::Gwangbak}, {"(피박x2)", Event::Pibak},     {"(멍박x2)", Event::Meongbak},
                     {"(고박x2)", Event::Gobak},    {"(멍따x2)", Event::Meongtta},  {"(오광 20점추가)", Event::FiveBrights},
                     {"(미션x", Event::MissionKept}, {"(5연승성공x10배)", Event::FiveWinsBonus}};
        for (const auto& it : items)
            if (text.contains(QString::fromUtf8(it.item))) mark(it.e);
        if (s.View.ResultMark == 1) mark(Event::MissionFailed);
    } else if (ResultBodyText(s).contains(QString::fromUtf8("(5연승성공x10배)"))) {
        mark(Event::FiveWinsBonus);
    }
    for (int p = 0; p < 2; ++p) {
        const int g = s.Players[size_t(p)].GoCount;
        if (g >= 1 && g <= 5) mark(Event(int(Event::Go1) + g - 1));
        if (g > 5) mark(Event::GoMore);
    }
    return true;
}
