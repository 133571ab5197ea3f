// zivi-cli bench DIR [--repeat N]: replays every record file of DIR N times headlessly, the record
// text read from memory each time, and prints the rate.

#include "cli/Command.h"
#include "records/RecordFile.h"
#include "replay/Headless.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

namespace {

int bench(const QStringList& args) {
    QString dir;
    long long repeat = 1;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--repeat") && i + 1 < args.size()) {
            bool ok = false;
            repeat = args[++i].toLongLong(&ok);
            if (!ok || repeat < 1) {
                PrintError(QStringLiteral("--repeat needs a whole number of at least 1"));
                return 2;
            }
        } else if (dir.isEmpty()) {
            dir = args[i];
        } else {
            dir.clear();
            break;
        }
    }
    if (dir.isEmpty() || !QDir(dir).exists()) {
        PrintError(QStringLiteral("usage: zivi-cli bench DIR [--repeat N]"));
        return 2;
    }
    // Every file of the folder, read once; the timed part starts from the bytes.
    QList<QByteArray> files;
    const QDir d(dir);
    for (const QString& name : d.entryList(QDir::Files, QDir::Name)) {
        QFile f(d.filePath(name));
        if (f.size() <= MaxRecordFileSize && f.open(QIODevice::ReadOnly)) files.append(f.readAll());
    }
    if (files.isEmpty()) {
        PrintError(QStringLiteral("%1: no record files").arg(dir));
        return 2;
    }

    const Replay pristine;
    Replay replay;
    std::vector<uint8_t> sounds;
    sounds.reserve(1024);
    GameRecord record;
    long long records = 0, moves = 0, refused = 0;
    QElapsedTimer timer;
    timer.start();
    for (long long n = 0; n < repeat; ++n) {
        for (const QByteArray& bytes : files) {
            if (!ReadRecordBytes(bytes, record)) {
                ++refused;
                continue;
            }
            replay.s = pristine.s;
            sounds.clear();
            ReplayWholeHand(replay, record, &sounds);
            ++records;
            moves += replay.s.MoveIndex;
        }
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (refused) PrintOut(QStringLiteral("%1 files were not records\n").arg(refused / repeat));
    PrintOut(QStringLiteral("replayed %1 records, %2 moves in %3 s: %4 records/s\n")
                 .arg(records)
                 .arg(moves)
                 .arg(seconds, 0, 'f', 3)
                 .arg(seconds > 0 ? double(records) / seconds : 0.0, 0, 'f', 0));
    return 0;
}

const Command benchCmd("bench", "bench DIR [--repeat N]", bench);

} // namespace
