#pragma once
// Money in Korean myriad units and the short texts made from a record's fields.

#include <QString>

// "123456789" -> "1억2345만6789"; every "-" is dropped; empty gives empty.
QString FormatMoney(const QString& amount);
// A money balance as the plain decimal text FormatMoney takes: whole amounts without a
// fraction and never in exponent notation, however large.
QString MoneyDigits(double money);
// mode 0: "nick(id) 150만점 10승 5패 1무"; mode 1: "nick 150만점 10승 5패 1무".
QString PlayerSummary(int mode, const QString& line);
// "(7) " for each "EN" option of the list, in order; empty without one.
QString StopScoreText(const QString& options);
