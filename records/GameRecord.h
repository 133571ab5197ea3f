#pragma once
// One finished hand as the game stores it: twelve text fields named after the columns of the
// record database.

#include <QString>
#include <QStringList>
#include <array>

struct GameRecord {
    QString P1;      // first player's line (player 0)
    QString P2;      // second player's line (player 1)
    QString wtime;   // date and time of the game
    QString whatoo;  // the deal, "^"-terminated card numbers
    QString runs;    // the moves, "^"-terminated, items "*"-terminated
    QString options; // the option list, "^"-terminated
    QString cont;    // the record's title
    QString memo;    // the owner's memo
    QString gos;     // the owner's result and go count
    QString myurl;   // the owner's homepage
    QString id;      // game id of the record's owner
    QString tags;    // keywords

    // The fields in their declared order, with their names.
    static constexpr std::array<const char*, 12> FieldNames = {
        "P1", "P2", "wtime", "whatoo", "runs", "options", "cont", "memo", "gos", "myurl", "id", "tags"};
    QString& field(int i);
    const QString& field(int i) const;
    // Index of a field name, -1 when unknown.
    static int fieldIndex(const QString& name);

    bool operator==(const GameRecord&) const = default;
};

// The seven items of a player line (nick, id, voice, money, wins, losses, draws); missing items
// are empty.
QStringList SplitPlayerLine(const QString& line);

// One option of an option list: its code and its value (text after a second "*" is not read).
struct RecordOption {
    QString code;
    QString value;
};
// The options before the final "^"; an option list that does not end with "^" loses its last one.
QList<RecordOption> ReadOptionList(const QString& options);

// True when the owner lost the hand ("-" in the result text); goCount receives the number of go
// calls written in the text (0 when none).
bool ResultIsLoss(const QString& gos);
int ResultGoCount(const QString& gos);
