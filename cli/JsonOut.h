#pragma once
// A small JSON writer that keeps keys in the order they are written (UTF-8 out, no spaces).

#include <QString>

class JsonOut {
public:
    JsonOut& beginObject();
    JsonOut& endObject();
    JsonOut& beginArray();
    JsonOut& endArray();
    JsonOut& key(const char* k);
    JsonOut& value(const QString& s);
    JsonOut& value(const char* s) { return value(QString::fromUtf8(s)); }
    JsonOut& value(long long n);
    JsonOut& value(int n) { return value((long long)n); }
    JsonOut& value(double d); // integral values without a fraction
    JsonOut& value(bool b);
    JsonOut& null();
    const QString& text() const { return out_; }

private:
    void comma();
    QString out_;
    bool needComma_ = false;
};

QString JsonQuote(const QString& s);
