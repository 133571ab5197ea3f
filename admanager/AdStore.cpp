#include "admanager/AdStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSysInfo>
#include <QTextBoundaryFinder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace AdStore {

namespace {

QString gameKey(const QString& key) {
    return QLatin1String(GameSection) + QLatin1Char('/') + key;
}

// The settings store only says that it could not write. Ask the system why, the way the store
// writes: a temporary file in the folder, then the file itself.
int probeSettingsWrite(const QString& fileName) {
    const QByteArray dir = QFile::encodeName(QFileInfo(fileName).absolutePath());
    struct stat st {};
    if (::stat(dir.constData(), &st) != 0) return errno;
    if (!S_ISDIR(st.st_mode)) return ENOTDIR;
    QByteArray probe = dir + "/.tavinad-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return errno;
    ::close(fd);
    ::unlink(probe.constData());
    const int file = ::open(QFile::encodeName(fileName).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (file < 0) {
        if (errno != ENOENT) return errno;
    } else {
        ::close(file);
    }
    return EIO;
}

int syncGameSettings(QSettings& s) {
    s.sync();
    // A format error is about reading a damaged file; the write itself went through.
    if (s.status() != QSettings::AccessError) return 0;
    return probeSettingsWrite(s.fileName());
}

bool writeAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

QString ReadGameDir() {
    QString dir = ReadGameSetting(QStringLiteral("PATH"));
    if (dir.isEmpty()) return dir;
    dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir;
}

QString AdImageFile(const QString& gameDir) {
    return gameDir + QLatin1String("images/name.jpg");
}

QString ReadGameSetting(const QString& key) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QLatin1String(GameApplication));
    return s.value(gameKey(key)).toString();
}

int WriteGameSetting(const QString& key, const QString& value) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QLatin1String(GameApplication));
    s.setValue(gameKey(key), value);
    return syncGameSettings(s);
}

int RemoveGameSetting(const QString& key) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QLatin1String(GameApplication));
    s.remove(gameKey(key));
    return syncGameSettings(s);
}

int CopyReplacing(const QString& source, const QString& target) {
    const int in = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return errno;
    QByteArray temp = QFile::encodeName(target) + ".XXXXXX";
    const int out = ::mkostemp(temp.data(), O_CLOEXEC);
    if (out < 0) {
        const int e = errno;
        ::close(in);
        return e;
    }
    int failure = 0;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || (n > 0 && !writeAll(out, buffer, n))) {
            failure = errno;
            break;
        }
        if (n == 0) break;
    }
    ::close(in);
    if (!failure) {
        // A temporary file is private; the picture is for everyone the umask allows.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(out, 0666 & ~mask) != 0 || ::fsync(out) != 0) failure = errno;
    }
    if (::close(out) != 0 && !failure) failure = errno;
    if (!failure && ::rename(temp.constData(), QFile::encodeName(target).constData()) != 0) failure = errno;
    if (failure) ::unlink(temp.constData());
    return failure;
}

int RemoveIfExists(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) return errno == ENOENT ? 0 : errno;
    return ::unlink(name.constData()) == 0 ? 0 : errno;
}

bool IsPermissionError(int number) {
    return number == EACCES || number == EPERM || number == EROFS;
}

QString ErrorDescription(int number) {
    return QString::fromLocal8Bit(::strerror(number));
}

QString ReadServerBase() {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QLatin1String(ViewerApplication));
    QString base = s.value(QLatin1String(ViewerSection) + QLatin1String("/SERVER")).toString().trimmed();
    if (base.isEmpty()) base = QLatin1String(DefaultServerBase);
    if (!base.endsWith(QLatin1Char('/'))) base += QLatin1Char('/');
    return base;
}

QString HelpPage(const QString& base) {
    return base + QLatin1String("game/t_help.php?rurl=8");
}

QString DownloadPage(const QString& base) {
    return base + QLatin1String("game/t_help.php?rurl=9");
}

QString ProcessorWidth() {
    QString flags;
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!cpuinfo.atEnd()) {
            const QString line = QString::fromLatin1(cpuinfo.readLine());
            if (line.startsWith(QLatin1String("flags"))) {
                flags = line.section(QLatin1Char(':'), 1);
                break;
            }
        }
    }
    return ProcessorWidthFor(QSysInfo::currentCpuArchitecture(), flags);
}

QString ProcessorWidthFor(const QString& architecture, const QString& cpuFlags) {
    static const QStringList wide = {
        QStringLiteral("x86_64"), QStringLiteral("arm64"),   QStringLiteral("ia64"),
        QStringLiteral("mips64"), QStringLiteral("power64"), QStringLiteral("riscv64"),
        QStringLiteral("s390x"),  QStringLiteral("sparcv9"), QStringLiteral("loongarch64"),
    };
    static const QStringList narrow = {
        QStringLiteral("arm"),   QStringLiteral("mips"),    QStringLiteral("power"),
        QStringLiteral("s390"),  QStringLiteral("sparc"),   QStringLiteral("riscv32"),
    };
    if (wide.contains(architecture)) return QStringLiteral("64");
    if (architecture == QLatin1String("i386")) {
        // "lm" (long mode): the processor itself is 64-bit.
        return cpuFlags.simplified().split(QLatin1Char(' ')).contains(QLatin1String("lm"))
                   ? QStringLiteral("64")
                   : QStringLiteral("32");
    }
    if (narrow.contains(architecture)) return QStringLiteral("32");
    return QString();
}

int VisibleLength(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0) ++count;
    return count;
}

bool IsWebLink(const QString& text) {
    return text.startsWith(QLatin1String("http://")) || text.startsWith(QLatin1String("https://"));
}

} // namespace AdStore
