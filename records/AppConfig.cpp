#include "records/AppConfig.h"

#include <QSettings>

#include <cmath>

AppFolders MakeAppFolders(const QString& programDir) {
    AppFolders f;
    f.Title = QString::fromUtf8("타빈기보");
    f.RegistryApp = QStringLiteral("TAVINGIBO");
    f.AppDir = programDir;
    if (!f.AppDir.endsWith(QLatin1Char('/'))) f.AppDir += QLatin1Char('/');
    f.SoundDir = f.AppDir + QLatin1String("sounds/");
    f.ImageDir = f.AppDir + QLatin1String("images/");
    f.DownloadDir = f.AppDir + QLatin1String("gibos/");
    f.DatabaseFile = f.AppDir + QLatin1String("gdata.jpm");
    f.DatabasePassword = QStringLiteral("#qwmzoptrvxk!");
    return f;
}

ServerUrls MakeServerUrls(const QString& base) {
    ServerUrls u;
    u.Base = base;
    u.ListPage = base + QLatin1String("dn/glist.php");
    u.DownloadBase = base + QLatin1String("dn/");
    u.AdPage = base + QLatin1String("game/adgibo.php");
    u.CategoryPage = base + QLatin1String("?cat=5");
    return u;
}

QString ReadServerBase() {
    QString base = ReadSetting(QStringLiteral("TAVINGIBO"), QStringLiteral("OPTION"), QStringLiteral("SERVER"),
                               QString::fromLatin1(DefaultServerBase))
                       .trimmed();
    if (base.isEmpty()) base = QString::fromLatin1(DefaultServerBase);
    if (!base.endsWith(QLatin1Char('/'))) base += QLatin1Char('/');
    return base;
}

ImageFiles MakeImageFiles(const QString& d) {
    return {d + "GAME2.JPG", d + "O.gif",    d + "X.gif",     d + "RESULT.jpg", d + "whatoo.gif", d + "MIS.jpg",
            d + "MIX.JPG",   d + "GONUM.GIF", d + "TONG.gif", d + "MNUM.gif",   d + "WAVEOK.gif"};
}

const std::array<QString, SoundSlotCount>& SoundNames() {
    static const std::array<QString, SoundSlotCount> names = [] {
        std::array<QString, SoundSlotCount> n;
        const char* effects[] = {"BOMB", "CHAK",  "CHONG", "CLICK",  "COUP",    "HOLD", "KISS",
                                 "LOSE", "MISSION", "MROOM", "MTURN", "NOWIN", "ONE",  "POWER",
                                 "SANGPI", "START", "TUCK",  "WAVE",  "WINDOW", "WINNER"};
        const char* voices[] = {"AHH",  "CHODAN", "CHUNGDAN", "GO1",  "GO2",     "GO3",   "GO4",
                                "GO5",  "GO6",    "GO7",      "GO8",  "GO9",     "GODORI", "GOOD",
                                "HMM",  "HONGDAN", "NOTGOOD", "PANSL", "SANDA",  "STOP"};
        const char* maleOnly[] = {"1EA", "2EA", "3EA", "JJOK", "GOGO", "DDAK", "NONO"};
        int i = 0;
        for (const char* e : effects) n[i++] = QString::fromLatin1(e);
        for (const char* v : voices) n[i++] = QLatin1String("M\\") + QLatin1String(v);
        for (const char* v : voices) n[i++] = QLatin1String("F\\") + QLatin1String(v);
        for (const char* v : maleOnly) n[i++] = QLatin1String("M\\") + QLatin1String(v);
        return n;
    }();
    return names;
}

QString SoundFile(const QString& soundDir, int slot) {
    if (slot < 0 || slot >= SoundSlotCount) return QString();
    QString name = SoundNames()[size_t(slot)];
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return soundDir + name + QLatin1String(".wav");
}


QString ReadSetting(const QString& application, const QString& section, const QString& key, const QString& fallback) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, application);
    return s.value(section + QLatin1Char('/') + key, fallback).toString();
}

void WriteSetting(const QString& application, const QString& section, const QString& key, const QString& value) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, application);
    s.setValue(section + QLatin1Char('/') + key, value);
}

void DeleteSetting(const QString& application, const QString& section, const QString& key) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, application);
    s.remove(section + QLatin1Char('/') + key);
}

QString ValidateReplaySpeed(const QString& text) {
    const QString fallback = QStringLiteral("350");
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return fallback;
    if (text.size() > 3) return fallback;
    if (text.contains(QLatin1Char('-'))) return fallback;
    const double r = std::nearbyint(v);
    if (r < 40 || r > 350) return fallback;
    return text;
}

QString ReadReplaySpeed() {
    return ValidateReplaySpeed(
        ReadSetting(QStringLiteral("Tavin Software"), QStringLiteral("TavinZIVI"), QStringLiteral("SPD")));
}
