// zivi-cli replay FILE: replays a record file headlessly and prints the hand's end as JSON.

#include "cli/Command.h"
#include "cli/JsonOut.h"
#include "records/AppConfig.h"
#include "records/RecordFile.h"
#include "replay/Headless.h"

#include <algorithm>

namespace {

void cardList(JsonOut& j, const Replay& r, int place) {
    j.beginArray();
    for (int c = 0; c < CardCount; ++c)
        if (r.s.Cards[size_t(c)].Place == place) j.value(c);
    j.endArray();
}

const char* endingName(Ending e) {
    switch (e) {
    case Ending::Win: return "win";
    case Ending::Chongtong: return "chongtong";
    case Ending::ThreePpeok: return "threeppeok";
    case Ending::Draw: return "draw";
    default: return "unfinished";
    }
}

int replayFile(const QStringList& args) {
    if (args.size() != 1) {
        PrintError(QStringLiteral("usage: zivi-cli replay FILE"));
        return 2;
    }
    GameRecord record;
    QString why;
    if (!ReadRecordFile(args[0], record, &why)) {
        PrintError(QStringLiteral("%1: not a record file: %2").arg(args[0], why));
        return 2;
    }
    Replay r;
    std::vector<uint8_t> sounds;
    ReplayWholeHand(r, record, &sounds);
    const HandState& s = r.s;

    JsonOut j;
    j.beginObject();
    j.key("ending").value(endingName(s.End));
    j.key("winner");
    if (s.End == Ending::Unfinished || s.End == Ending::Draw || s.Winner < 0) j.null();
    else j.value(int(s.Winner));
    const bool settled = s.End != Ending::Unfinished;
    j.key("title").value(settled ? ResultTitleText(s) : QString());
    QString text = settled ? ResultBodyText(s) : QString();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    j.key("text").value(text);
    j.key("points");
    if (s.End == Ending::Win) j.value(s.Points);
    else j.null();
    j.key("money");
    if (s.End == Ending::Unfinished || s.End == Ending::Draw) j.null();
    else j.value(s.MoneyBooked);
    j.key("movesPerformed").value(s.MoveIndex);
    j.key("players").beginArray();
    for (int p = 0; p < 2; ++p) {
        const PlayerState& pl = s.Players[size_t(p)];
        const PlayerLabels& l = s.View.Labels[size_t(p)];
        j.beginObject();
        j.key("nick").value(pl.Nick);
        j.key("score").value(int(pl.Score));
        j.key("goCount").value(int(pl.GoCount));
        j.key("goScore").value(int(pl.GoScore));
        j.key("shakeCount").value(int(pl.ShakeCount));
        j.key("ppeokCount").value(int(pl.PpeokCount));
        j.key("firstPpeok").value(int(pl.FirstPpeok));
        j.key("moveCount").value(int(pl.MoveCount));
        j.key("brightCount").value(int(pl.BrightCount));
        j.key("animalCount").value(int(pl.AnimalCount));
        j.key("ribbonCount").value(int(pl.RibbonCount));
        j.key("piCount").value(int(pl.PiCount));
        j.key("cardCount").value(int(pl.CardCount));
        j.key("piValue").value(l.PiVisible ? int(l.PiValue) : 0);
        j.key("brightPoints").value(int(pl.BrightPoints));
        j.key("piPoints").value(int(pl.PiPoints));
        j.key("animalDouble").value(int(pl.AnimalDouble));
        j.key("captured");
        cardList(j, r, CapturedBase + p);
        j.key("hand");
        cardList(j, r, p);
        j.key("wins").value((long long)pl.Wins);
        j.key("losses").value((long long)pl.Losses);
        j.key("draws").value((long long)pl.Draws);
        j.key("money").value(pl.Money);
        j.endObject();
    }
    j.endArray();
    j.key("table");
    cardList(j, r, OnTable);
    j.key("deck").value(int(s.Round.DeckEnd - s.Round.DeckTop));
    j.key("sounds").beginArray();
    for (uint8_t slot : sounds) j.value(SoundNames()[slot]);
    j.endArray();
    j.endObject();
    PrintOut(j.text() + QLatin1Char('\n'));
    return 0;
}

const Command replayCmd("replay", "replay FILE", replayFile);

} // namespace
