#include "RecordMaker.h"

#include "replay/Replay.h"

#include <algorithm>

namespace {

QString cardText(int c) { return QString::number(c); }

// The table cards of a month, with the played card when it already lies there.
QList<int> tableCardsOfMonth(const Replay& r, int month) {
    QList<int> out;
    for (int c = 0; c < 48; ++c)
        if (r.s.Cards[size_t(c)].Place == OnTable && r.s.Cards[size_t(c)].Month == month) out.append(c);
    return out;
}

int nextFlip(const Replay& r) {
    for (int i = r.s.Round.DeckTop; i < r.s.Round.DeckEnd; ++i)
        if (r.s.Round.Deck[size_t(i)] < 48) return r.s.Round.Deck[size_t(i)];
    return -1;
}

QString moveText(const QString& code, int player, const QList<QString>& rest) {
    QString m = code + QLatin1Char('*') + QString::number(player) + QLatin1Char('*');
    for (const QString& x : rest) m += x + QLatin1Char('*');
    return m;
}

// Performs one entry on the replay; true when it was performed.
bool perform(Replay& r, const QString& entry) {
    r.s.Runs = entry + QLatin1Char('^');
    r.s.MoveList = {{0, int32_t(entry.size())}, {int32_t(entry.size() + 1), 0}};
    r.s.MoveIndex = 0;
    return r.ReplayStep();
}

} // namespace

GameRecord MakeRandomRecord(QRandomGenerator& rng) {
    GameRecord rec;
    const int bonus = int(rng.bounded(4));
    QList<int> deal;
    for (int c = 0; c < 48 + bonus; ++c) deal.append(c);
    for (int i = deal.size() - 1; i > 0; --i) std::swap(deal[i], deal[int(rng.bounded(i + 1))]);
    for (int c : deal) rec.whatoo += cardText(c) + QLatin1Char('^');
    const char* voices[] = {"M", "F"};
    rec.P1 = QStringLiteral("하나^one^%1^%2^%3^%4^0^").arg(QLatin1String(voices[rng.bounded(2)])).arg(rng.bounded(100000) * 100).arg(rng.bounded(50)).arg(rng.bounded(50));
    rec.P2 = QStringLiteral("두울^two^%1^%2^%3^%4^1^").arg(QLatin1String(voices[rng.bounded(2)])).arg(rng.bounded(100000) * 100).arg(rng.bounded(50)).arg(rng.bounded(50));
    rec.options = QStringLiteral("MI*%1^JD*100^EN*7^ED*7^").arg(int(rng.bounded(17)) - 1);
    rec.gos = rng.bounded(2) ? QStringLiteral("-") : QStringLiteral("0");
    rec.cont = QStringLiteral("random");
    rec.wtime = QStringLiteral("2024-01-01 10:00:00");

    Replay sim;
    GameRecord start = rec;
    start.runs = QStringLiteral("^");
    sim.PrepareReplay(start);
    sim.game_START(start);
    int mover = sim.s.FirstSeat;
    QString runs;
    for (int guard = 0; guard < 40 && sim.s.End == Ending::Unfinished; ++guard) {
        if (sim.s.Players[0].MoveCount >= 10 && sim.s.Players[1].MoveCount >= 10) break;
        QList<int> hand;
        for (int c = 0; c < CardCount; ++c)
            if (sim.s.Cards[size_t(c)].Place == mover) hand.append(c);
        QList<int> bombs;
        for (int i = 0; i < BombImages; ++i)
            if (sim.s.View.BombTag[size_t(mover)][size_t(i)] == mover) bombs.append(i);
        if (hand.isEmpty() && bombs.isEmpty()) break;
        QString code = QStringLiteral("PS");
        QList<QString> items;
        int card = -1;
        if (!bombs.isEmpty() && (hand.isEmpty() || rng.bounded(3) == 0)) {
            code = QStringLiteral("BC");
            items.append(QString::number(bombs[0]));
        } else {
            card = hand[int(rng.bounded(int(hand.size())))];
            items.append(cardText(card));
            if (card >= 48) {
                code = QStringLiteral("SP");
            } else {
                const int month = sim.s.Cards[size_t(card)].Month;
                QList<int> same;
                for (int c : hand)
                    if (c != card && c < 48 && sim.s.Cards[size_t(c)].Month == month) same.append(c);
                const QList<int> onTable = tableCardsOfMonth(sim, month);
                if (same.size() == 2 && onTable.size() == 1) {
                    code = QStringLiteral("BO");
                    items.append(cardText(same[0]));
                    items.append(cardText(same[1]));
                } else if (same.size() == 2 && onTable.isEmpty() && rng.bounded(2)) {
                    code = QStringLiteral("WA");
                    items.append(cardText(same[0]));
                    items.append(cardText(same[1]));
                }
                if (code == u"PS" && onTable.size() == 2) {
                    items.append(QStringLiteral("CH"));
                    items.append(cardText(onTable[int(rng.bounded(2))]));
                }
            }
        }
        if (code != u"SP") {
            const int F = nextFlip(sim);
            if (F >= 0) {
                QList<int> fm = tableCardsOfMonth(sim, sim.s.Cards[size_t(F)].Month);
                if (card >= 0 && card < 48 && sim.s.Cards[size_t(card)].Month == sim.s.Cards[size_t(F)].Month && fm.isEmpty())
                    fm.append(card);
                if (fm.size() == 2) {
                    items.append(QStringLiteral("CB"));
                    items.append(cardText(fm[int(rng.bounded(2))]));
                }
            }
            if (rng.bounded(4) == 0) {
                items.append(QStringLiteral("GU"));
                items.append(QStringLiteral("1"));
            }
        }
        // What the move does without a call: is the mover then asked for one?
        Replay trial(sim.s);
        perform(trial, moveText(code, mover, items));
        const PlayerState& after = trial.s.Players[size_t(mover)];
        if (code != u"SP" && trial.s.End == Ending::Unfinished && after.Score >= 7 && after.GoScore < after.Score)
            items.append(after.GoCount < 4 && rng.bounded(8) ? QStringLiteral("GO") : QStringLiteral("ST"));
        const QString entry = moveText(code, mover, items);
        perform(sim, entry);
        runs += entry + QLatin1Char('^');
        if (code != u"SP") mover = 1 - mover;
    }
    rec.runs = runs + QLatin1Char('^');
    if (sim.s.End != Ending::Unfinished && sim.s.Winner >= 0) {
        const bool ownerWon = sim.s.Winner == 0;
        rec.gos = ownerWon ? QString::number(sim.s.Players[0].GoCount) : QStringLiteral("-") + QString::number(sim.s.Players[0].GoCount);
    }
    return rec;
}
