#pragma once
// The viewer's fixed folders, file names, server addresses and sound names, and the per-user
// settings store it shares with the game and the ad manager.

#include <QString>
#include <QStringList>
#include <array>

struct AppFolders {
    QString Title;            // "타빈기보"
    QString AppDir;           // the program's folder, ending in "/"
    QString SoundDir;         // AppDir + "sounds/"
    QString ImageDir;         // AppDir + "images/"
    QString DownloadDir;      // AppDir + "gibos/"
    QString ExportDir;        // where exported record files go, ending in "/"
    QString DatabaseFile;     // AppDir + "gdata.jpm"
    QString RegistryApp;      // "TAVINGIBO"
    QString MyId;             // the user's id in the game
    QString DatabasePassword; // "#qwmzoptrvxk!"
};
// Folders for a program folder; ExportDir and MyId are left empty (start-up fills them).
AppFolders MakeAppFolders(const QString& programDir);

struct ServerUrls {
    QString Base;         // ending in "/"
    QString AdPage;       // Base + "game/adgibo.php"
    QString CategoryPage; // Base + "?cat=5"
    QString ListPage;     // Base + "dn/glist.php"
    QString DownloadBase; // Base + "dn/"
};
// The web server's base address when no "SERVER" setting names another.
inline constexpr const char* DefaultServerBase = "http://gibo.tavin.example/";
ServerUrls MakeServerUrls(const QString& base);
// Base from the "TAVINGIBO"/"OPTION"/"SERVER" setting (default DefaultServerBase), with "/"
// appended when missing.
QString ReadServerBase();

struct ImageFiles {
    QString Game2, O, X, Result, Whatoo, Mis, Mix, GoNum, Tong, MNum, WaveOk;
};
ImageFiles MakeImageFiles(const QString& imageDir);

// The 67 sound names, slots 0-66 ("BOMB" ... "M\NONO"); "M\" and "F\" name voice sub-folders.
constexpr int SoundSlotCount = 67;
const std::array<QString, SoundSlotCount>& SoundNames();
// The file of a slot: soundDir + the name with "\" as "/" + ".wav".
QString SoundFile(const QString& soundDir, int slot);

// The settings store: application, section, key. QSettings in INI format, user scope, one file
// per application ($XDG_CONFIG_HOME/<application>.ini) and one group per section. Failing reads
// give the default; failing writes are ignored.
QString ReadSetting(const QString& application, const QString& section, const QString& key,
                    const QString& fallback = QString());
void WriteSetting(const QString& application, const QString& section, const QString& key, const QString& value);
void DeleteSetting(const QString& application, const QString& section, const QString& key);

// The card-movement speed setting ("Tavin Software"/"TavinZIVI"/"SPD"), validated: a text of
// an integer value from 40 to 350, "350" otherwise.
QString ValidateReplaySpeed(const QString& text);
QString ReadReplaySpeed();
