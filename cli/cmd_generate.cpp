// zivi-cli generate --count N --seed S [--out DIR] [--bonus K]: hands dealt and played by the
// engine's rules, written as record files; without --out only generated and timed.

#include "cli/Command.h"
#include "cli/Generator.h"
#include "records/RecordFile.h"

#include <QDir>
#include <QElapsedTimer>

#include <array>

namespace {

int generate(const QStringList& args) {
    long long count = -1, seed = 1;
    int bonus = -1;
    QString outDir;
    bool ok = true;
    for (int i = 0; i + 1 < args.size() && ok; i += 2) {
        const QString& key = args[i];
        const QString& value = args[i + 1];
        if (key == QLatin1String("--count")) count = value.toLongLong(&ok);
        else if (key == QLatin1String("--seed")) seed = value.toLongLong(&ok);
        else if (key == QLatin1String("--bonus")) bonus = value.toInt(&ok);
        else if (key == QLatin1String("--out")) outDir = value;
        else ok = false;
    }
    if (!ok || args.size() % 2 != 0 || count < 0 || bonus < -1 || bonus > 5) {
        PrintError(QStringLiteral("usage: zivi-cli generate --count N --seed S [--out DIR] [--bonus K]"));
        return 2;
    }
    if (!outDir.isEmpty() && !QDir().mkpath(outDir)) {
        PrintError(QStringLiteral("%1: cannot create the folder").arg(outDir));
        return 2;
    }
    RecordGenerator gen{uint64_t(seed)};
    std::array<long long, size_t(Event::Count)> seen{};
    long long moves = 0;
    qint64 generatingNs = 0;
    QElapsedTimer clock;
    for (long long i = 0; i < count; ++i) {
        clock.start();
        const GeneratedHand hand = gen.next(bonus);
        generatingNs += clock.nsecsElapsed();
        moves += hand.moves;
        for (size_t e = 0; e < seen.size(); ++e) seen[e] += hand.events[e];
        if (!outDir.isEmpty()) {
            const QString path = QDir(outDir).filePath(QStringLiteral("gen-%1.gbo").arg(i + 1, 5, 10, QLatin1Char('0')));
            if (!WriteRecordFile(path, hand.record)) {
                PrintError(QStringLiteral("%1: cannot write the record file").arg(path));
                return 2;
            }
        }
    }
    QString report;
    for (size_t e = 0; e < seen.size(); ++e)
        report += QStringLiteral("%1\t%2\n").arg(seen[e], 6).arg(QString::fromUtf8(EventName(Event(e))));
    const double secs = generatingNs / 1e9;
    report += QStringLiteral("generated %1 records, %2 moves in %3 s: %4 records/s\n")
                  .arg(count)
                  .arg(moves)
                  .arg(secs, 0, 'f', 3)
                  .arg(secs > 0 ? count / secs : 0.0, 0, 'f', 0);
    PrintOut(report);
    return 0;
}

const Command generateCmd("generate", "generate --count N --seed S [--out DIR] [--bonus K]", generate);

} // namespace
