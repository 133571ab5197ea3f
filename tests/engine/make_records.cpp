// engine-make-records DIR N [SEED [MIN MAX]]: writes N plausible record files into DIR (for the
// benchmark), only hands of MIN to MAX moves when those are given.
#include "RecordMaker.h"

#include "records/RecordFile.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: engine-make-records DIR N [SEED [MIN MAX]]\n");
        return 2;
    }
    QDir().mkpath(args[1]);
    QRandomGenerator rng(args.size() > 3 ? args[3].toUInt() : 1u);
    const int n = args[2].toInt();
    const int least = args.size() > 5 ? args[4].toInt() : 0, most = args.size() > 5 ? args[5].toInt() : 1000;
    for (int i = 0; i < n; ++i) {
        GameRecord r = MakeRandomRecord(rng);
        while (r.runs.count(QLatin1Char('^')) - 1 < least || r.runs.count(QLatin1Char('^')) - 1 > most) r = MakeRandomRecord(rng);
        if (!WriteRecordFile(QDir(args[1]).filePath(QStringLiteral("r%1.gbo").arg(i, 5, 10, QLatin1Char('0'))), r)) return 1;
    }
    return 0;
}
