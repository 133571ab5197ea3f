// Feeds arbitrary bytes to the record reader and replays what it accepts; bytes it refuses are
// read as plain text fields (move stream, then deal, options, player lines and result, one a
// line) over a well-formed deal, so that the rules see every kind of nonsense. Every other input
// is replayed with a timeline as well.
#include "records/RecordFile.h"
#include "replay/Headless.h"

#include <cstdint>
#include <cstdlib>

namespace {

QString defaultDeal() {
    // A fixed shuffle of the 48 cards and two bonus cards.
    QString out;
    for (int i = 0; i < 50; ++i) out += QString::number((i * 29 + 7) % 50) + QLatin1Char('^');
    return out;
}

void check(const Replay& r) {
    const HandState& s = r.s;
    for (int c = 0; c < CardCount; ++c) {
        const int where = Replay::whereIndex(s.Cards[size_t(c)].Place);
        for (int i = 0; i < 5; ++i)
            if (bool(s.Where[size_t(i)] >> c & 1) != (i == where)) std::abort();
    }
    if (s.Round.DeckTop > s.Round.DeckEnd || s.MoveIndex > int(s.MoveList.size())) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    GameRecord record;
    if (!ReadRecordBytes(bytes, record)) {
        const QList<QByteArray> lines = bytes.split('\n');
        record.runs = QString::fromLatin1(lines.value(0));
        record.whatoo = lines.size() > 1 ? QString::fromLatin1(lines[1]) : defaultDeal();
        record.options = QString::fromLatin1(lines.value(2, "JD*100^ED*7^MI*3^"));
        record.P1 = QString::fromLatin1(lines.value(3, "a^b^M^1000^1^2^3^"));
        record.P2 = QString::fromLatin1(lines.value(4, "c^d^F^-1000^3^2^1^"));
        record.gos = QString::fromLatin1(lines.value(5));
    }
    Replay replay;
    std::vector<uint8_t> sounds;
    Timeline timeline;
    if (size % 2) replay.timeline = &timeline;
    ReplayWholeHand(replay, record, &sounds);
    check(replay);
    for (const Action& a : timeline.actions) (void)DescribeAction(a);
    (void)ResultTitleText(replay.s);
    (void)ResultBodyText(replay.s);
    (void)MoneyLabelText(replay.s.View.Labels[0]);
    (void)RecordLabelText(replay.s.View.Labels[1]);
    return 0;
}
