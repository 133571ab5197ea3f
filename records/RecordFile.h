#pragma once
// Record files (".gbo"): one scrambled line of "@@"-terminated parts in the Korean code page.

#include "records/Cp949.h"
#include "records/GameRecord.h"

#include <QDateTime>

// A real record is a few kilobytes; anything larger is not a record file.
constexpr qint64 MaxRecordFileSize = 1024 * 1024;

// The character shift that scrambles a record text, on code-page codes. The amount is capped
// at 128; the encoder wraps codes of 256 and more back by 255, the decoder does not undo it.
cp949::Codes ShiftEncodeCodes(const cp949::Codes& codes, int amount);
cp949::Codes ShiftDecodeCodes(const cp949::Codes& codes, int amount);
// The same on texts (characters outside the code page become "?" before the shift; codes that
// are no character afterwards become U+FFFD).
QString ShiftEncode(const QString& text, int amount);
QString ShiftDecode(const QString& text, int amount);

// Reads a record file's bytes as the game does: items of comma-delimited text joined, then
// unscrambled and checked. On success `out` receives all twelve fields (memo and myurl empty)
// and true is returned; otherwise `out` is left untouched and `why` says what is wrong.
bool ReadRecordBytes(const QByteArray& bytes, GameRecord& out, QString* why = nullptr);
// The same for a file on disk; a missing, unreadable or oversized file is refused.
bool ReadRecordFile(const QString& path, GameRecord& out, QString* why = nullptr);

// The plain record text of a record: wtime, P1, P2, whatoo, runs, cont, options, id, gos, tags,
// memo, myurl, each followed by "@@".
QString ComposeRecordText(const GameRecord& record);
// The file's bytes: the scrambled text as one line ending in CR LF. When the scrambled line holds
// a comma or a line break (a "+", tab or form feed in some field) and no double quote, the line is
// written in double quotes, which the reader removes, so that those characters survive.
QByteArray RecordFileBytes(const GameRecord& record);
// Writes the record file; false when the file cannot be written.
bool WriteRecordFile(const QString& path, const GameRecord& record);
// "TGIBO-" + year, month, day, hour, minute, second without leading zeros + ".gbo".
QString RecordFileName(const QDateTime& when);
