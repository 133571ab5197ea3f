#include "cli/JsonOut.h"

#include <cmath>

QString JsonQuote(const QString& s) {
    QString o;
    o.reserve(s.size() + 2);
    o += QLatin1Char('"');
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '"': o += QLatin1String("\\\""); break;
        case '\\': o += QLatin1String("\\\\"); break;
        case '\n': o += QLatin1String("\\n"); break;
        case '\r': o += QLatin1String("\\r"); break;
        case '\t': o += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                o += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                o += c;
        }
    }
    o += QLatin1Char('"');
    return o;
}

void JsonOut::comma() {
    if (needComma_) out_ += QLatin1Char(',');
    needComma_ = true;
}

JsonOut& JsonOut::beginObject() {
    comma();
    out_ += QLatin1Char('{');
    needComma_ = false;
    return *this;
}
JsonOut& JsonOut::endObject() {
    out_ += QLatin1Char('}');
    needComma_ = true;
    return *this;
}
JsonOut& JsonOut::beginArray() {
    comma();
    out_ += QLatin1Char('[');
    needComma_ = false;
    return *this;
}
JsonOut& JsonOut::endArray() {
    out_ += QLatin1Char(']');
    needComma_ = true;
    return *this;
}
JsonOut& JsonOut::key(const char* k) {
    comma();
    out_ += JsonQuote(QString::fromUtf8(k));
    out_ += QLatin1Char(':');
    needComma_ = false;
    return *this;
}
JsonOut& JsonOut::value(const QString& s) {
    comma();
    out_ += JsonQuote(s);
    return *this;
}
JsonOut& JsonOut::value(long long n) {
    comma();
    out_ += QString::number(n);
    return *this;
}
JsonOut& JsonOut::value(double d) {
    comma();
    if (!std::isfinite(d))
        out_ += QLatin1String("null");
    else if (d == std::floor(d) && std::fabs(d) < 1e300)
        out_ += QString::number(d, 'f', 0);
    else
        out_ += QString::number(d, 'g', 17);
    return *this;
}
JsonOut& JsonOut::value(bool b) {
    comma();
    out_ += b ? QLatin1String("true") : QLatin1String("false");
    return *this;
}
JsonOut& JsonOut::null() {
    comma();
    out_ += QLatin1String("null");
    return *this;
}
