// zivi-cli read FILE: a record file's twelve fields as one JSON object.
// zivi-cli write --out FILE: a JSON object of fields on stdin, written as a record file.

#include "cli/Command.h"
#include "cli/JsonOut.h"
#include "records/RecordFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int readRecord(const QStringList& args) {
    if (args.size() != 1) {
        PrintError(QStringLiteral("usage: zivi-cli read FILE"));
        return 2;
    }
    GameRecord r;
    QString why;
    if (!ReadRecordFile(args[0], r, &why)) {
        PrintError(QStringLiteral("%1: not a record file: %2").arg(args[0], why));
        return 2;
    }
    JsonOut j;
    j.beginObject();
    for (int i = 0; i < int(GameRecord::FieldNames.size()); ++i) j.key(GameRecord::FieldNames[i]).value(r.field(i));
    j.endObject();
    PrintOut(j.text() + QLatin1Char('\n'));
    return 0;
}

int writeRecord(const QStringList& args) {
    if (args.size() != 2 || args[0] != QLatin1String("--out")) {
        PrintError(QStringLiteral("usage: zivi-cli write --out FILE < record.json"));
        return 2;
    }
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        PrintError(QStringLiteral("cannot read standard input"));
        return 2;
    }
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(in.readAll(), &err);
    if (!doc.isObject()) {
        PrintError(QStringLiteral("standard input is not a JSON object: %1").arg(err.errorString()));
        return 2;
    }
    GameRecord r;
    const QJsonObject o = doc.object();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const int i = GameRecord::fieldIndex(it.key());
        if (i < 0) {
            PrintError(QStringLiteral("unknown record field \"%1\"").arg(it.key()));
            return 2;
        }
        if (!it.value().isString()) {
            PrintError(QStringLiteral("record field \"%1\" is not a string").arg(it.key()));
            return 2;
        }
        r.field(i) = it.value().toString();
    }
    if (!WriteRecordFile(args[1], r)) {
        PrintError(QStringLiteral("%1: cannot write the record file").arg(args[1]));
        return 2;
    }
    return 0;
}

const Command readCmd("read", "read FILE", readRecord);
const Command writeCmd("write", "write --out FILE < record.json", writeRecord);

} // namespace
