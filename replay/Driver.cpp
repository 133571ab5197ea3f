// Starting a replay, the deal, one move of the stream per step, the menu buttons, and the
// presentation operations that turn into timeline actions.
#include "replay/Replay.h"

#include "records/AppConfig.h"

#include <cmath>

bool ReadWhole(QStringView text, int& out) {
    // The usual case: one to four plain digits.
    if (text.size() >= 1 && text.size() <= 4) {
        int v = 0;
        bool digits = true;
        for (QChar ch : text) {
            const char16_t u = ch.unicode();
            digits = digits && u >= u'0' && u <= u'9';
            v = v * 10 + (u - u'0');
        }
        if (digits) {
            out = v;
            return true;
        }
    }
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].isSpace()) ++b;
    while (e > b && text[e - 1].isSpace()) --e;
    text = text.mid(b, e - b);
    if (text.isEmpty() || text.size() > 11) return false;
    bool neg = false;
    qsizetype i = 0;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        neg = text[0] == QLatin1Char('-');
        i = 1;
        if (text.size() == 1) return false;
    }
    long long v = 0;
    for (; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < u'0' || ch > u'9') return false;
        v = v * 10 + (ch - u'0');
    }
    if (neg) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return false;
    out = int(v);
    return true;
}

double ReadNumber(QStringView text) {
    int whole;
    if (ReadWhole(text, whole)) return whole;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

namespace {

constexpr const char16_t* SoundNameTexts[] = {
    u"AHH", u"BOMB", u"CHAK", u"CHODAN", u"CHONG", u"CHUNGDAN", u"DDAK", u"GODORI", u"GOOD", u"HMM",
    u"HOLD", u"HONGDAN", u"JJOK", u"KISS", u"LOSE", u"MISSION", u"NOTGOOD", u"NOWIN", u"PANSL", u"SANDA",
    u"SANGPI", u"START", u"STOP", u"TUCK", u"WAVE", u"WINNER", u"1EA", u"2EA", u"3EA", u"GO1", u"GO2",
    u"GO3", u"GO4", u"GO5", u"GO6", u"GO7", u"GO8", u"GO9"};
static_assert(sizeof(SoundNameTexts) / sizeof(SoundNameTexts[0]) == size_t(Snd::Count));

// Slots of every name for no voice, "M" and "F", looked up once.
struct SlotCache {
    uint8_t slot[size_t(Snd::Count)][3];
    SlotCache() {
        const char16_t* voices[3] = {u"", u"M", u"F"};
        for (size_t n = 0; n < size_t(Snd::Count); ++n)
            for (int v = 0; v < 3; ++v)
                slot[n][v] = uint8_t(ResolveSoundSlot(QStringView(SoundNameTexts[n]), QStringView(voices[v])));
    }
};
const SlotCache SoundSlotCache;

// True when a two-letter item is exactly the code a b.
inline bool is2(QStringView item, char a, char b) {
    return item.size() == 2 && item[0] == QLatin1Char(a) && item[1] == QLatin1Char(b);
}

} // namespace

QStringView SoundName(Snd s) { return QStringView(SoundNameTexts[size_t(s)]); }

// ---- presentation ----

Action& Replay::push(Act kind) {
    timeline->actions.emplace_back();
    Action& a = timeline->actions.back();
    a.kind = kind;
    return a;
}

int SoundSlotFor(Snd s, int v) { return SoundSlotCache.slot[size_t(s)][v]; }

void Replay::recordSound(int slot, bool wait, bool voice, double seconds) {
    {
        Action& a = push(Act::Sound);
        a.index = int16_t(slot);
        a.voice = voice;
        a.seconds = wait ? seconds : 0;
    }
}

void Replay::Pause(double seconds) {
    if (recording()) push(Act::Pause).seconds = seconds;
}

void Replay::recordMove(int card, float fromX, float fromY, int toX, int toY, bool faceUp, int w, int h, bool flash) {
    Action& a = push(Act::MoveCard);
    a.card = int16_t(card);
    a.a = int(fromX);
    a.b = int(fromY);
    a.c = toX;
    a.d = toY;
    a.faceUp = faceUp;
    a.w = int16_t(w);
    a.h = int16_t(h);
    a.flash = flash;
}

void Replay::HideFlash() {
    s.View.FlashShown = false;
    if (recording()) push(Act::FlashHide);
}

void Replay::ShowCardFace(int card) {
    if (!ValidCard(card)) return;
    CardPicture& pic = s.View.Pictures[size_t(card)];
    pic.Visible = true;
    pic.Face = true;
    if (recording()) push(Act::CardFace).card = int16_t(card);
}

void Replay::recordPlace(int card, int x, int y) {
    if (!ValidCard(card)) return;
    {
        Action& a = push(Act::CardPlace);
        a.card = int16_t(card);
        a.a = x;
        a.b = y;
    }
}

void Replay::ShowCardEffect(int player, int card, int effect) {
    if (ValidCard(card) && recording()) {
        Action& a = push(Act::Effect);
        a.index = int16_t(effect);
        a.player = int8_t(player);
        a.card = int16_t(card);
        a.a = int(s.Cards[size_t(card)].X);
        a.b = int(s.Cards[size_t(card)].Y);
        a.w = 130;
        a.h = 90;
        a.seconds = 0.5;
    }
    const QChar voice = s.Players[size_t(player)].Voice;
    if (effect == 11) Sound_Play(Snd::SANDA, false, voice, 0);
    else if (effect == 10) Sound_Play(voice == QLatin1Char('M') ? Snd::JJOK : Snd::HMM, false, voice, 0);
    else Sound_Play(Snd::AHH, false, voice, 0);
}

void Replay::ShowGoNumber(int player, int goCount) {
    if (!recording()) return;
    Action& a = push(Act::Effect);
    a.index = int16_t(goCount);
    a.player = int8_t(player);
    a.a = 424;
    a.b = player == 1 ? 128 : 310;
    a.w = 130;
    a.h = 90;
    a.seconds = 1.5;
}

void Replay::PlaceBombMarker(int image, int player, int handSlot) {
    s.View.BombTag[size_t(player)][size_t(image)] = int16_t(player);
    s.View.BombVisible[size_t(player)][size_t(image)] = true;
    if (recording()) {
        Action& a = push(Act::BombMarker);
        a.index = int16_t(image);
        a.player = int8_t(player);
        const Point16 pos = s.Boards[size_t(player)].HandPos[size_t(handSlot)];
        a.a = pos.x;
        a.b = pos.y;
        a.w = 36;
        a.h = 55;
    }
}

void Replay::SetLabel(LabelId id, int player, const QString& text, bool visible) {
    Action& a = push(Act::Label);
    a.index = int16_t(id);
    a.player = int8_t(player);
    a.text = text;
    a.visible = visible;
}

// ---- starting a replay ----

void Replay::PrepareReplay(const GameRecord& record) {
    s.MoveIndex = 0;
    s.Runs = record.runs;
    s.MoveList.clear();
    {
        const QChar* text = s.Runs.constData();
        const qsizetype size = s.Runs.size();
        qsizetype entries = 1;
        for (qsizetype i = 0; i < size; ++i) entries += text[i] == QLatin1Char('^');
        s.MoveList.reserve(size_t(entries));
        qsizetype from = 0;
        for (qsizetype i = 0; i <= size; ++i) {
            if (i < size && text[i] != QLatin1Char('^')) continue;
            s.MoveList.push_back({int32_t(from), int32_t(i - from)});
            from = i + 1;
        }
    }
    s.Round.CardTotal = int(record.whatoo.count(QLatin1Char('^')));
    s.Round.BonusCount = s.Round.CardTotal - 48;

    RoundState& r = s.Round;
    r.MissionOn.clear();
    r.MissionNo = -1;
    r.PointValue = QStringLiteral("100");
    r.StopScore = QStringLiteral("7");
    r.StreakOption.clear();
    r.PointValueNumber = 100;
    // The options before the final "^"; each is code "*" value.
    const QChar* text = record.options.constData();
    const qsizetype size = record.options.size();
    qsizetype from = 0;
    while (true) {
        qsizetype at = from;
        while (at < size && text[at] != QLatin1Char('^')) ++at;
        if (at >= size) break;
        // code "*" value ["*" ...]
        qsizetype star = from;
        while (star < at && text[star] != QLatin1Char('*')) ++star;
        const QStringView code(text + from, star - from);
        QStringView value;
        if (star < at) {
            qsizetype end = star + 1;
            while (end < at && text[end] != QLatin1Char('*')) ++end;
            value = QStringView(text + star + 1, end - star - 1);
        }
        from = at + 1;
        if (code == u"MI") {
            r.MissionOn = QStringLiteral("1");
            int no;
            if (ReadWhole(value, no)) r.MissionNo = no;
        } else if (code == u"JD") {
            r.PointValue = value.isEmpty() ? QStringLiteral("100") : value.toString();
            r.PointValueNumber = ReadNumber(r.PointValue);
        } else if (code == u"ED") {
            r.StopScore = value.isEmpty() ? QStringLiteral("7") : value.toString();
        } else if (code == u"FT") {
            r.StreakOption = value.isEmpty() ? QStringLiteral("1") : value.toString();
        }
    }
}

void Replay::game_START(const GameRecord& record) {
    s.p_GAMEEND = 0;
    s.TopLeads = record.gos.contains(QLatin1Char('-')) ? 1 : 0;
    game_END(0);
    game_INITUSER(0, record.P1);
    game_INITUSER(1, record.P2);
    game_DRAWNIC();
    game_DRAWJUMSU(0);
    game_DRAWJUMSU(1);
    game_RINFO();
    DealSequence(record.whatoo);
}

void Replay::game_END(int r_MISSION) {
    s.TimerOn = false;
    s.View.ResultMark = -1;
    if (s.Round.MissionOn == u"1") {
        if (s.p_GAMEEND != 0) {
            s.View.MissionHidden = true;
            if (recording()) push(Act::MissionFrame).index = 0;
        } else if (r_MISSION == 1) {
            s.View.MissionTitle.clear();
            if (recording()) {
                SetLabel(LabelId::MissionTitle, -1, QString());
                for (int f = 5; f >= 1; --f) {
                    push(Act::MissionFrame).index = int16_t(f);
                    Pause(0.1);
                }
            }
        }
    }
    if (s.TopLeads == 1) {
        s.FirstSeat = 1;
        s.SecondSeat = 0;
    } else {
        s.FirstSeat = 0;
        s.SecondSeat = 1;
    }
    for (auto& l : s.View.Labels) l = PlayerLabels{};
    ResetState();
    s.View.MissionTag = 'N';
    s.View.ResultShown = false;
    s.End = Ending::Unfinished;
    s.Winner = -1;
    s.ResultItems = 0;
    s.View.MissionTitle.clear();
    for (auto& tags : s.View.BombTag) tags.fill(-1);
    for (auto& v : s.View.BombVisible) v.fill(false);
    s.View.CommonPanel = 0;
    s.View.FlashShown = false;
    s.View.Shuffle = 0;
    s.View.ReplayRunning = false;
    s.View.OpenSpriteShown = true;
    if (recording()) {
        Action& a = push(Act::ResetBoard);
        a.a = 768;
        a.b = s.TopLeads == 1 ? 8 : 459;
    }
}

void Replay::DealSequence(QStringView whatoo) {
    s.View.OpenSpriteShown = false;
    s.View.ReplayRunning = true;
    if (recording()) push(Act::OpenSprite).visible = false;
    // The shuffle show: nine ticks of 200 ms, the two pictures in turn, a click on the second.
    for (int tick = 0; tick < 9; ++tick) {
        Pause(0.2);
        if (recording()) push(Act::Shuffle).index = int16_t(tick % 2 == 0 ? 1 : 2);
        if (tick % 2 == 1) Sound_Play(Snd::CHAK, false, QChar(), 0);
    }
    if (recording()) push(Act::Shuffle).index = 0;
    LoadDeal(whatoo);
    DealTableCards(1);
    Sound_Play(Snd::TUCK, false, QChar(), 0);
    DealHandCards(1, s.SecondSeat);
    DealHandCards(1, s.FirstSeat);
    Sound_Play(Snd::TUCK, true, QChar(), 0.3);
    DealTableCards(2);
    DealHandCards(2, s.SecondSeat);
    DealHandCards(2, s.FirstSeat);
    Sound_Play(Snd::TUCK, true, QChar(), 0.3);
    SettleDealtTable();
    // Both hands are laid out, so that the triples of either player are marked from the start.
    LayoutHand(0);
    LayoutHand(1);
    Sound_Play(Snd::START, false, QChar(), 0);
    s.TimerOn = true;
}

void Replay::DealTableCards(int half) {
    const int b = half == 1 ? 0 : 4;
    Action* a = recording() ? &push(Act::DealGroup) : nullptr;
    if (a) {
        a->player = -1;
        a->w = 36;
        a->h = 55;
        a->faceUp = true;
    }
    int l = 0;
    for (uint64_t bits = s.Where[2] & limitMask(); bits && l < b + 4; bits &= bits - 1) {
        const int c = std::countr_zero(bits);
        CardState& k = s.Cards[size_t(c)];
        if (l >= b) {
            TableSlot& t = s.TableSlots[size_t(l)];
            t.Used = 1;
            k.X = t.X;
            k.Y = t.Y;
            CardPicture& pic = s.View.Pictures[size_t(c)];
            pic.Visible = true;
            pic.Face = true;
            if (a) {
                a->cards[size_t(a->count)] = int16_t(c);
                a->xs[size_t(a->count)] = t.X;
                a->ys[size_t(a->count)] = t.Y;
                ++a->count;
            }
        }
        ++l;
    }
}

void Replay::DealHandCards(int half, int player) {
    const int b = half == 1 ? 0 : 5;
    PlayerBoard& board = s.Boards[size_t(player)];
    Action* a = recording() ? &push(Act::DealGroup) : nullptr;
    const int w = player == 1 ? 15 : 36, h = player == 1 ? 23 : 55;
    if (a) {
        a->player = int8_t(player);
        a->w = int16_t(w);
        a->h = int16_t(h);
        a->faceUp = player == 0;
    }
    for (int i = b; i < b + 5; ++i) {
        const int c = board.Hand[size_t(i)];
        if (!ValidCard(c)) continue;
        const Point16 pos = board.HandPos[size_t(i)];
        s.Cards[size_t(c)].X = pos.x;
        s.Cards[size_t(c)].Y = pos.y;
        CardPicture& pic = s.View.Pictures[size_t(c)];
        pic.Visible = true;
        pic.W = int16_t(w);
        pic.H = int16_t(h);
        pic.Face = player == 0;
        if (a) {
            a->cards[size_t(a->count)] = int16_t(c);
            a->xs[size_t(a->count)] = pos.x;
            a->ys[size_t(a->count)] = pos.y;
            ++a->count;
        }
    }
}

void Replay::SettleDealtTable() {
    const int limit = cardLimit();
    while (true) {
        std::array<int16_t, 5> taken{};
        int n = 0;
        for (uint64_t bits = s.Where[2] & BonusCards & limitMask(); bits; bits &= bits - 1) {
            const int c = std::countr_zero(bits);
            CaptureCard(s.FirstSeat, c);
            if (n < SlotCount) s.TableSlots[size_t(n)].Used = 0;
            if (n < 5) taken[size_t(n)] = int16_t(c);
            ++n;
        }
        if (n == 0) break;
        for (int i = 0; i < n; ++i) {
            const int r = DeckPop();
            Sound_Play(Snd::HOLD, true, QChar(), 0.3);
            if (ValidCard(r)) {
                const int slot = FirstFreeSlot();
                CardState& k = s.Cards[size_t(r)];
                k.Slot = int16_t(slot);
                setPlace(r, OnTable);
                k.StackIndex = 0;
                s.TableSlots[size_t(slot)].Used = 1;
                MoveCard(r, k.X, k.Y, s.TableSlots[size_t(slot)].X, s.TableSlots[size_t(slot)].Y, true, 36, 55, false);
            }
            Sound_Play(Snd::TUCK, true, QChar(), 0.3);
        }
    }
    CountScore(s.FirstSeat);
    for (auto& t : s.TableSlots) t.Used = 0;
    int slot = -1, prevMonth = -1, stack = 0;
    for (uint64_t bits = s.Where[2] & MonthCards; bits; bits &= bits - 1) {
        const int c = std::countr_zero(bits);
        CardState& k = s.Cards[size_t(c)];
        if (k.Month != prevMonth || slot < 0) {
            ++slot;
            if (slot >= SlotCount) slot = SlotCount - 1; // cannot happen: twelve months
            stack = 0;
            s.TableSlots[size_t(slot)].Used = 1;
        } else {
            ++stack;
        }
        prevMonth = k.Month;
        k.Slot = int16_t(slot);
        k.StackIndex = int16_t(stack);
        k.X = float(s.TableSlots[size_t(slot)].X + 10 * stack);
        k.Y = float(s.TableSlots[size_t(slot)].Y + 8 * stack);
        PlaceCard(c, int(k.X), int(k.Y));
    }
}

// ---- the move stream ----

bool Replay::ReplayStep() {
    if (s.MoveIndex < 0 || s.MoveIndex >= int(s.MoveList.size())) return false;
    const HandState::Span span = s.MoveList[size_t(s.MoveIndex)];
    if (span.length == 0) return false;
    const QStringView entry = QStringView(s.Runs).mid(span.from, span.length);

    // Items, each followed by "*"; the piece after the last "*" is the last item.
    constexpr int MaxItems = 16;
    QStringView items[MaxItems];
    int itemCount = 0;
    {
        const QChar* text = entry.data();
        const qsizetype size = entry.size();
        qsizetype from = 0;
        for (qsizetype i = 0; i <= size; ++i) {
            if (i < size && text[i] != QLatin1Char('*')) continue;
            if (itemCount < MaxItems) items[itemCount] = QStringView(text + from, i - from);
            ++itemCount;
            from = i + 1;
        }
    }

    if (s.Players[0].MoveCount == 0 && s.Players[1].MoveCount == 0 && s.Round.MissionOn.size() == 1 && s.Round.MissionOn[0] == QLatin1Char('1') &&
        s.View.MissionTag != 'T') {
        ShowMission();
        Sound_Play(Snd::MISSION, false, QChar(), 0);
        Pause(0.8);
    }
    ResyncTable();

    int player = -1;
    if (itemCount > 1 && items[1].size() == 1 && (items[1][0] == QLatin1Char('0') || items[1][0] == QLatin1Char('1')))
        player = items[1][0] == QLatin1Char('0') ? 0 : 1;
    if (player >= 0) {
        ++s.Players[size_t(player)].MoveCount;
        game_DRAWJUMSU(player);

        s.ChoiceHand = -1;
        s.ChoiceFlip = -1;
        s.ChoiceGukjin = 0;
        s.PendingCall = Call::None;
        DecodeChoices(items, itemCount);

        const QStringView code = items[0];
        int card = -1;
        const bool haveCard = itemCount > 2 && ReadWhole(items[2], card) && ValidCard(card);
        // A card is played only from the mover's own hand.
        const bool inHand = haveCard && s.Cards[size_t(card)].Place == player;
        if (is2(code, 'P', 'S') || is2(code, 'B', 'O')) {
            if (inHand) PlayHandCard(player, card);
        } else if (is2(code, 'W', 'A')) {
            int c2 = -1, c3 = -1;
            if (itemCount > 3) ReadWhole(items[3], c2);
            if (itemCount > 4) ReadWhole(items[4], c3);
            ShowShake(player, haveCard ? card : -1, ValidCard(c2) ? c2 : -1, ValidCard(c3) ? c3 : -1);
            if (inHand) LayHandCard(player, card);
        } else if (is2(code, 'S', 'P')) {
            if (inHand && card >= 48) PlayBonusCard(player, card);
        } else if (is2(code, 'B', 'C')) {
            int index = -1;
            if (itemCount > 2 && ReadWhole(items[2], index) && index >= 0 && index < BombImages)
                PlayBombCard(player, index);
        }
    }
    ++s.MoveIndex;
    return true;
}

void Replay::DecodeChoices(const QStringView* items, int itemCount) {
    const int last = itemCount - 1;
    auto item = [&](int i) -> QStringView { return i < itemCount && i < 16 ? items[i] : QStringView(); };
    auto number = [&](int i, int16_t& into) {
        int v;
        if (ReadWhole(item(i), v) && v >= INT16_MIN && v <= INT16_MAX) into = int16_t(v);
    };
    auto callAt = [&](int i) {
        const QStringView c = item(i);
        if (is2(c, 'G', 'O')) s.PendingCall = Call::Go;
        else if (is2(c, 'S', 'T')) s.PendingCall = Call::Stop;
    };
    // C5, C7, C9: the call when the entry has one more item after the pairs.
    auto callAfter = [&](int lastWithCall, int at) {
        if (last == lastWithCall) callAt(at);
    };
    const QStringView code = item(0);
    if (is2(code, 'P', 'S')) {
        if (last == 4) {
            const QStringView c = item(3);
            s.PendingCall = is2(c, 'G', 'O') ? Call::Go : is2(c, 'S', 'T') ? Call::Stop : c.isEmpty() ? Call::None : Call::Other;
        } else if (last == 5 || last == 6) {
            const QStringView l = item(3);
            if (is2(l, 'C', 'H')) number(4, s.ChoiceHand);
            else if (is2(l, 'C', 'B')) number(4, s.ChoiceFlip);
            else if (is2(l, 'G', 'U')) number(4, s.ChoiceGukjin);
            callAfter(6, 5);
        } else if (last == 7 || last == 8) {
            const QStringView l1 = item(3), l2 = item(5);
            if (is2(l1, 'C', 'H') && is2(l2, 'C', 'B')) {
                number(4, s.ChoiceHand);
                number(6, s.ChoiceFlip);
            } else if (is2(l1, 'C', 'H') && is2(l2, 'G', 'U')) {
                number(4, s.ChoiceHand);
                number(6, s.ChoiceGukjin);
            } else if (is2(l1, 'C', 'B') && is2(l2, 'G', 'U')) {
                number(4, s.ChoiceFlip);
                number(6, s.ChoiceGukjin);
            }
            callAfter(8, 7);
        } else if (last == 9 || last == 10) {
            number(4, s.ChoiceHand);
            number(6, s.ChoiceFlip);
            number(8, s.ChoiceGukjin);
            callAfter(10, 9);
        }
    } else if (is2(code, 'W', 'A') || is2(code, 'B', 'O')) {
        if (last == 6) {
            callAt(5);
        } else if (last == 7 || last == 8) {
            const QStringView l = item(5);
            if (is2(l, 'C', 'B')) number(6, s.ChoiceFlip);
            else if (is2(l, 'G', 'U')) number(6, s.ChoiceGukjin);
            callAfter(8, 7);
        } else if (last == 9 || last == 10) {
            number(6, s.ChoiceFlip);
            number(8, s.ChoiceGukjin);
            callAfter(10, 9);
        }
    } else if (is2(code, 'B', 'C')) {
        if (last == 4) {
            callAt(3);
        } else if (last == 5 || last == 6) {
            const QStringView l = item(3);
            if (is2(l, 'C', 'B')) number(4, s.ChoiceFlip);
            else if (is2(l, 'G', 'U')) number(4, s.ChoiceGukjin);
            callAfter(6, 5);
        } else if (last == 7 || last == 8) {
            number(4, s.ChoiceFlip);
            number(6, s.ChoiceGukjin);
            callAfter(8, 7);
        }
    }
}

void Replay::PressMenu(int button) {
    if (s.ReplayInterval == 0) s.ReplayInterval = 1000;
    switch (button) {
    case 0:
        if (s.SoundCaption == u"소리켬") {
            s.SoundCaption = QStringLiteral("소리끔");
            s.Round.EffectsOn = s.Round.VoicesOn = QStringLiteral("0");
        } else {
            s.SoundCaption = QStringLiteral("소리켬");
            s.Round.EffectsOn = s.Round.VoicesOn = QStringLiteral("1");
        }
        break;
    case 1: s.ReplayInterval = std::min(s.ReplayInterval + 200, 1800); break;
    case 2: s.ReplayInterval = std::max(s.ReplayInterval - 200, 200); break;
    case 4:
        if (!s.View.ReplayRunning) break;
        s.p_GAMEEND = -1;
        s.View.ResultShown = false;
        s.View.Shuffle = 0;
        break;
    default: break;
    }
}
