#include "records/GameRecord.h"

QString& GameRecord::field(int i) {
    switch (i) {
    case 0: return P1;
    case 1: return P2;
    case 2: return wtime;
    case 3: return whatoo;
    case 4: return runs;
    case 5: return options;
    case 6: return cont;
    case 7: return memo;
    case 8: return gos;
    case 9: return myurl;
    case 10: return id;
    default: return tags;
    }
}

const QString& GameRecord::field(int i) const { return const_cast<GameRecord*>(this)->field(i); }

int GameRecord::fieldIndex(const QString& name) {
    for (int i = 0; i < int(FieldNames.size()); ++i)
        if (name == QLatin1String(FieldNames[i])) return i;
    return -1;
}

QStringList SplitPlayerLine(const QString& line) {
    QStringList items = line.split(QLatin1Char('^'));
    while (items.size() < 7) items.append(QString());
    return items;
}

QList<RecordOption> ReadOptionList(const QString& options) {
    QList<RecordOption> out;
    const QStringList pieces = options.split(QLatin1Char('^'));
    for (int i = 0; i + 1 < pieces.size(); ++i) {
        const QStringList items = pieces[i].split(QLatin1Char('*'));
        out.append({items.value(0), items.value(1)});
    }
    return out;
}

bool ResultIsLoss(const QString& gos) { return gos.contains(QLatin1Char('-')); }

int ResultGoCount(const QString& gos) {
    QString digits = gos;
    digits.remove(QLatin1Char('-'));
    bool ok = false;
    const int n = digits.trimmed().toInt(&ok);
    return ok ? n : 0;
}
