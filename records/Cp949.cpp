#include "records/Cp949.h"

#include <iconv.h>

#include <array>
#include <memory>

namespace cp949 {
namespace {

// Both directions of the double-byte part of the code page, built once from the system's
// converter: unicodeOf[value] is the character of a 16-bit double-byte value (0 when none) and
// valueOf[character] the double-byte value of a BMP character (0 when the code page lacks it).
struct Tables {
    std::array<char16_t, 65536> unicodeOf{};
    std::array<uint16_t, 65536> valueOf{};

    Tables() {
        iconv_t cd = iconv_open("UTF-16LE", "CP949");
        if (cd == iconv_t(-1)) return;
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x41; trail <= 0xFE; ++trail) {
                char in[2] = {char(lead), char(trail)};
                char out[8];
                char* ip = in;
                char* op = out;
                size_t il = 2, ol = sizeof out;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (iconv(cd, &ip, &il, &op, &ol) == size_t(-1) || il != 0 || sizeof out - ol != 2) continue;
                const char16_t u = char16_t(uint8_t(out[0]) | (uint8_t(out[1]) << 8));
                if (u == 0xFFFD || (u >= 0xD800 && u <= 0xDFFF)) continue;
                const uint16_t value = uint16_t((lead << 8) | trail);
                unicodeOf[value] = u;
                if (valueOf[u] == 0) valueOf[u] = value;
            }
        }
        iconv_close(cd);
    }
};

const Tables& tables() {
    static const std::unique_ptr<Tables> t = std::make_unique<Tables>();
    return *t;
}

} // namespace

Codes bytesToCodes(const QByteArray& bytes) {
    Codes codes;
    codes.reserve(size_t(bytes.size()));
    const int n = int(bytes.size());
    for (int i = 0; i < n; ++i) {
        const int b = uint8_t(bytes[i]);
        if (b >= 0x81 && b <= 0xFE && i + 1 < n) {
            const int t = uint8_t(bytes[i + 1]);
            if (t >= 0x41) {
                codes.push_back(int(int16_t(uint16_t((b << 8) | t))));
                ++i;
                continue;
            }
        }
        codes.push_back(b);
    }
    return codes;
}

QByteArray codesToBytes(const Codes& codes) {
    QByteArray out;
    out.reserve(qsizetype(codes.size() * 2));
    for (int c : codes) {
        if (c >= 0 && c <= 255) {
            out.append(char(c));
        } else if (c < 0 && c >= -32768) {
            const uint16_t v = uint16_t(c + 65536);
            out.append(char(v >> 8));
            out.append(char(v & 0xFF));
        }
    }
    return out;
}

Codes textToCodes(const QString& text) {
    const Tables& t = tables();
    Codes codes;
    codes.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            codes.push_back('?'); // one character outside the code page, one "?"
            ++i;
        } else if (u < 0x80) {
            codes.push_back(int(u));
        } else if (const uint16_t v = t.valueOf[u]) {
            codes.push_back(int(int16_t(v)));
        } else {
            codes.push_back('?');
        }
    }
    return codes;
}

const char16_t* doubleByteTable() { return tables().unicodeOf.data(); }

QString codesToText(const Codes& codes) {
    QString out(qsizetype(codes.size()), Qt::Uninitialized);
    QChar* d = out.data();
    const char16_t* wide = doubleByteTable();
    for (int c : codes) *d++ = codeToChar(c, wide);
    return out;
}

QString decode(const QByteArray& bytes) { return codesToText(bytesToCodes(bytes)); }

QByteArray encode(const QString& text) { return codesToBytes(textToCodes(text)); }

} // namespace cp949
