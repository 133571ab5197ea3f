#include "records/MoneyText.h"

#include "records/GameRecord.h"

#include <cmath>

QString FormatMoney(const QString& amount) {
    QString digits = amount;
    digits.remove(QLatin1Char('-'));
    static const QChar units[] = {QChar(0xB9CC) /*만*/, QChar(0xC5B5) /*억*/, QChar(0xC870) /*조*/,
                                  QChar(0xACBD) /*경*/};
    QString text;
    const qsizetype n = digits.size();
    for (qsizetype pos = 0; pos < n; ++pos) {
        const QChar d = digits[n - 1 - pos];
        if (pos >= 4 && pos <= 16 && pos % 4 == 0) text.prepend(units[pos / 4 - 1]);
        text.prepend(d);
    }
    static const char* const unitNames[] = {"만", "억", "조", "경"};
    for (const char* u : unitNames) text.replace(QLatin1String("0000") + QString::fromUtf8(u), QString());
    text.replace(QLatin1String("0000"), QString());
    for (const char* zeros : {"000", "00", "0"})
        for (const char* u : unitNames)
            text.replace(QString::fromUtf8(u) + QLatin1String(zeros), QString::fromUtf8(u));
    return text;
}

QString MoneyDigits(double money) {
    if (!std::isfinite(money)) return QStringLiteral("0");
    if (money == std::floor(money)) return QString::number(money, 'f', 0);
    QString s = QString::number(money, 'f', 6);
    while (s.endsWith(QLatin1Char('0'))) s.chop(1);
    if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    return s;
}

QString PlayerSummary(int mode, const QString& line) {
    const QStringList it = SplitPlayerLine(line);
    const QString money = FormatMoney(it[3]);
    const QString tail = money + QString::fromUtf8("점 ") + it[4] + QString::fromUtf8("승 ") + it[5] +
                         QString::fromUtf8("패 ") + it[6] + QString::fromUtf8("무");
    if (mode == 0) return it[0] + QLatin1Char('(') + it[1] + QLatin1String(") ") + tail;
    return it[0] + QLatin1Char(' ') + tail;
}

QString StopScoreText(const QString& options) {
    QString out;
    for (const RecordOption& o : ReadOptionList(options))
        if (o.code == QLatin1String("EN")) out += QLatin1Char('(') + o.value + QLatin1String(") ");
    return out;
}
