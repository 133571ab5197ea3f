#pragma once
// The Korean ANSI code page (CP949, the unified Hangul code) as character codes: a single-byte
// character's code is its byte value (0-255); a double-byte character's code is the 16-bit value
// lead * 256 + trail taken as a signed number, so every double-byte code is negative.

#include <QByteArray>
#include <QString>
#include <vector>

namespace cp949 {

using Codes = std::vector<int>;

// Splits bytes into codes. A byte 0x81-0xFE followed by a byte 0x41-0xFF is one double-byte
// code (the wide trail range also covers trail bytes that a shift moved out of the code page);
// every other byte is a single-byte code.
Codes bytesToCodes(const QByteArray& bytes);
// Writes codes back as bytes: 0-255 one byte, negative codes two bytes; other values are skipped.
QByteArray codesToBytes(const Codes& codes);

// Codes of a text: ASCII as its byte, a character of the code page as its double-byte code,
// any other character as "?".
Codes textToCodes(const QString& text);
// The text of codes: 0-127 as ASCII, a negative code that is a character of the code page as
// that character, anything else as U+FFFD.
QString codesToText(const Codes& codes);

// The characters of all 16-bit double-byte values (0 where a value is no character).
const char16_t* doubleByteTable();
// The character of one code as codesToText gives it, looked up in `wide` (doubleByteTable()),
// which loops that convert many codes fetch once.
inline QChar codeToChar(int c, const char16_t* wide) {
    if (c >= 0 && c < 0x80) return QChar(char16_t(c));
    if (c < 0 && c >= -32768) {
        if (const char16_t u = wide[uint16_t(c + 65536)]) return QChar(u);
    }
    return QChar(QChar::ReplacementCharacter);
}

// Convenience: CP949 bytes to text and back (with the same replacement rules).
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

} // namespace cp949
