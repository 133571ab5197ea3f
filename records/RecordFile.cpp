#include "records/RecordFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>

namespace {

constexpr int Comma = ',', Quote = '"', Cr = '\r', Lf = '\n', Space = ' ';

int cappedAmount(int amount) { return amount > 128 ? 128 : amount; }

// Reads the file's bytes as items of comma-delimited text joined without separators (an item
// ends at a comma or a line end, leading spaces are skipped, a quoted item runs to the next
// quote and loses both quotes) and unscrambles the joined codes with the shift of 1, in one pass.
QString unscrambleItems(const QByteArray& bytes) {
    const auto* b = reinterpret_cast<const uint8_t*>(bytes.constData());
    const qsizetype n = bytes.size();
    QString out(n, Qt::Uninitialized);
    QChar* o = out.data();
    qsizetype i = 0;
    const char16_t* wide = cp949::doubleByteTable();
    // The character of a code shifted back by one.
    auto unshift = [wide](int code) { return cp949::codeToChar(code - 1, wide); };
    // The next code at i (one or two bytes), advancing i.
    auto next = [&]() -> int {
        const int x = b[i];
        if (x >= 0x81 && x <= 0xFE && i + 1 < n && b[i + 1] >= 0x41) {
            const int code = int(int16_t(uint16_t((x << 8) | b[i + 1])));
            i += 2;
            return code;
        }
        ++i;
        return x;
    };
    auto isEnd = [&](qsizetype k) { return b[k] == Comma || b[k] == Cr || b[k] == Lf; };
    while (i < n) {
        while (i < n && b[i] == Space) ++i;
        if (i < n && b[i] == Quote) {
            ++i;
            while (i < n && b[i] != Quote) *o++ = unshift(next());
            if (i < n) ++i;
            while (i < n && !isEnd(i)) next(); // anything between the closing quote and the delimiter
        } else {
            // The common case: single-byte characters, shifted back through a small table.
            static const std::array<char16_t, 256> single = [] {
                std::array<char16_t, 256> t{};
                for (int x = 0; x < 256; ++x) t[size_t(x)] = x >= 1 && x <= 0x80 ? char16_t(x - 1) : char16_t(0xFFFD);
                return t;
            }();
            while (i < n) {
                const uint8_t x = b[i];
                if (x < 0x81) {
                    if (x == Comma || x == Cr || x == Lf) break;
                    *o++ = QChar(single[x]);
                    ++i;
                } else {
                    *o++ = unshift(next());
                }
            }
        }
        if (i < n) i += (b[i] == Cr && i + 1 < n && b[i + 1] == Lf) ? 2 : 1;
    }
    out.truncate(o - out.constData());
    return out;
}

QString trimSpaces(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == QLatin1Char(' ')) ++b;
    while (e > b && s[e - 1] == QLatin1Char(' ')) --e;
    return s.mid(b, e - b);
}

void removeCrLf(QString& s) {
    if (s.contains(QLatin1Char('\r'))) s.remove(QStringLiteral("\r\n"));
}

bool fail(QString* why, const char* text) {
    if (why) *why = QString::fromLatin1(text);
    return false;
}

} // namespace

cp949::Codes ShiftEncodeCodes(const cp949::Codes& codes, int amount) {
    const int k = cappedAmount(amount);
    cp949::Codes out;
    out.reserve(codes.size());
    for (int code : codes) {
        int c = code + k;
        if (c >= 256) c -= 255;
        out.push_back(c);
    }
    return out;
}

cp949::Codes ShiftDecodeCodes(const cp949::Codes& codes, int amount) {
    const int k = cappedAmount(amount);
    cp949::Codes out;
    out.reserve(codes.size());
    for (int code : codes) out.push_back(code - k);
    return out;
}

QString ShiftEncode(const QString& text, int amount) {
    return cp949::codesToText(ShiftEncodeCodes(cp949::textToCodes(text), amount));
}

QString ShiftDecode(const QString& text, int amount) {
    return cp949::codesToText(ShiftDecodeCodes(cp949::textToCodes(text), amount));
}

bool ReadRecordBytes(const QByteArray& bytes, GameRecord& out, QString* why) {
    if (bytes.size() > MaxRecordFileSize) return fail(why, "file is larger than a record file can be");
    const QString text = unscrambleItems(bytes);
    if (text.isEmpty()) return fail(why, "file holds no record text");
    if (!text.endsWith(QLatin1String("@@"))) return fail(why, "record text does not end with \"@@\"");
    // The first ten pieces between "@@" terminators; later ones are not read.
    QStringView pieces[10];
    {
        const QStringView all(text);
        qsizetype from = 0, at = 0;
        int k = 0;
        while (k < 10 && (at = all.indexOf(QLatin1Char('@'), at)) >= 0 && at + 1 < all.size()) {
            if (all[at + 1] != QLatin1Char('@')) {
                ++at;
                continue;
            }
            pieces[k++] = all.mid(from, at - from);
            from = at += 2;
        }
    }

    // Every field whose piece is missing is empty: nothing of an earlier record survives.
    GameRecord r;
    r.wtime = pieces[0].toString();
    r.P1 = pieces[1].toString();
    r.P2 = pieces[2].toString();
    r.whatoo = pieces[3].toString();
    r.runs = pieces[4].toString();
    r.cont = trimSpaces(pieces[5].toString());
    r.options = pieces[6].toString();
    r.id = pieces[7].toString();
    r.gos = pieces[8].toString();
    r.tags = pieces[9].toString();

    if (r.runs.contains(QLatin1Char('/'))) r.runs.replace(QLatin1Char('/'), QLatin1Char('*'));
    if (r.options.contains(QLatin1Char('/'))) r.options.replace(QLatin1Char('/'), QLatin1Char('*'));
    removeCrLf(r.wtime);
    struct Check {
        QString* field;
        const char* error;
    };
    const Check checks[] = {{&r.P1, "first player line does not end with \"^\""},
                            {&r.P2, "second player line does not end with \"^\""},
                            {&r.whatoo, "deal does not end with \"^\""},
                            {&r.runs, "move stream does not end with \"^\""}};
    for (const Check& c : checks) {
        removeCrLf(*c.field);
        if (!c.field->endsWith(QLatin1Char('^'))) return fail(why, c.error);
    }
    removeCrLf(r.options);
    if (!r.options.endsWith(QLatin1Char('^'))) return fail(why, "option list does not end with \"^\"");
    if (r.cont.isEmpty()) return fail(why, "record has no title");
    out = std::move(r);
    return true;
}

bool ReadRecordFile(const QString& path, GameRecord& out, QString* why) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) return fail(why, "no such file");
    if (info.size() > MaxRecordFileSize) return fail(why, "file is larger than a record file can be");
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return fail(why, "file cannot be read");
    const QByteArray bytes = f.read(MaxRecordFileSize + 1);
    return ReadRecordBytes(bytes, out, why);
}

QString ComposeRecordText(const GameRecord& r) {
    const QString* parts[] = {&r.wtime, &r.P1,  &r.P2,   &r.whatoo, &r.runs, &r.cont,
                              &r.options, &r.id, &r.gos, &r.tags,   &r.memo, &r.myurl};
    QString text;
    for (const QString* p : parts) {
        text += *p;
        text += QLatin1String("@@");
    }
    return text;
}

QByteArray RecordFileBytes(const GameRecord& record) {
    QByteArray line = cp949::codesToBytes(ShiftEncodeCodes(cp949::textToCodes(ComposeRecordText(record)), 1));
    const bool breaks = line.contains(',') || line.contains('\r') || line.contains('\n') || line.startsWith(' ');
    if (breaks && !line.contains('"')) line = '"' + line + '"';
    return line + "\r\n";
}

bool WriteRecordFile(const QString& path, const GameRecord& record) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(RecordFileBytes(record));
    return f.commit();
}

QString RecordFileName(const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    return QStringLiteral("TGIBO-%1%2%3%4%5%6.gbo")
        .arg(d.year())
        .arg(d.month())
        .arg(d.day())
        .arg(t.hour())
        .arg(t.minute())
        .arg(t.second());
}
