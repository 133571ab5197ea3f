#pragma once
// The ad manager's store: the game's settings section, the advertisement picture in the game's
// images folder, the web server's base address, and the few checks on what the user typed.
// File and settings operations report an errno value (0 for success) so that the window can tell
// a write-protected game folder from any other failure.

#include <QString>

namespace AdStore {

inline constexpr const char* GameApplication = "TavinMatgo"; // the game's settings file
inline constexpr const char* GameSection = "Setup";
inline constexpr const char* ViewerApplication = "TAVINGIBO"; // holds the web server's address
inline constexpr const char* ViewerSection = "OPTION";
inline constexpr const char* DefaultServerBase = "http://gibo.tavin.example/";
inline constexpr int NicknameLimit = 12;

// The game's folder from "PATH": "\" turned into "/", ending in "/"; empty when missing.
QString ReadGameDir();
// GameDir + "images/name.jpg".
QString AdImageFile(const QString& gameDir);

// A key of the game's section; empty when missing or unreadable.
QString ReadGameSetting(const QString& key);
// Writes or removes a key of the game's section and makes it reach the disk: 0 or an errno.
int WriteGameSetting(const QString& key, const QString& value);
int RemoveGameSetting(const QString& key);

// Copies source over target through a temporary file beside the target, so that a failed copy
// never leaves a damaged or missing target and copying a file onto itself keeps it: 0 or an errno.
int CopyReplacing(const QString& source, const QString& target);
// Deletes the file when anything exists at the path: 0 or an errno.
int RemoveIfExists(const QString& path);

// Refusals of the system because of rights or write protection (EACCES, EPERM, EROFS).
bool IsPermissionError(int number);
// The system's description of an errno value.
QString ErrorDescription(int number);

// The web server's base address ("SERVER", default DefaultServerBase), ending in "/".
QString ReadServerBase();
QString HelpPage(const QString& base);     // base + "game/t_help.php?rurl=8"
QString DownloadPage(const QString& base); // base + "game/t_help.php?rurl=9"

// "64" or "32" for the computer's processor, empty when unknown.
QString ProcessorWidth();
// The same from an architecture name as QSysInfo::currentCpuArchitecture() gives it and the
// "flags" line of /proc/cpuinfo (a 32-bit x86 system may run on a 64-bit processor).
QString ProcessorWidthFor(const QString& architecture, const QString& cpuFlags);

// Characters as the user sees them (grapheme clusters), not UTF-16 code units.
int VisibleLength(const QString& text);
// A link the game may open: it starts with "http://" or "https://".
bool IsWebLink(const QString& text);

} // namespace AdStore
