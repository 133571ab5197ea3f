// The ad manager's window with a settings folder of its own and a real game folder on disk:
// start-up, choosing a picture, the checks before applying, applying, deleting, the links, and
// what the user is told when the game's folder refuses to be written.
#include "admanager/AdServices.h"
#include "admanager/AdStore.h"
#include "admanager/frmPartner.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <linux/fs.h>
#include <memory>
#include <sys/fsuid.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Shown {
    QString kind, title, text;
};

// Message boxes answered by the test: every box is recorded, questions get the prepared answer.
class ScriptedBoxes final : public MessageBoxes {
public:
    QList<Shown> shown;
    bool answerYes = true;
    void information(QWidget*, const QString& title, const QString& text) override {
        shown.append({QStringLiteral("information"), title, text});
    }
    void critical(QWidget*, const QString& title, const QString& text) override {
        shown.append({QStringLiteral("critical"), title, text});
    }
    bool question(QWidget*, const QString& title, const QString& text) override {
        shown.append({QStringLiteral("question"), title, text});
        return answerYes;
    }
    void plain(QWidget*, const QString& title, const QString& text) override {
        shown.append({QStringLiteral("plain"), title, text});
    }
};

class ScriptedChooser final : public FileChooser {
public:
    QString answer;
    QStringList asked; // title, folder, filter of each call
    QString openFile(QWidget*, const QString& title, const QString& folder, const QString& filter) override {
        asked << title << folder << filter;
        return answer;
    }
};

class RecordingWeb final : public WebOpener {
public:
    QStringList opened;
    void open(const QUrl& address) override { opened << address.toString(); }
};

const QString AdministratorText = QStringLiteral("보이는 그림처럼 광고관리 프로그램을 [관리자 권한으로 실행]을 해주세요.");
const QString AppliedText =
    QStringLiteral("광고파일이 적용되었습니다.\r\n타빈맞고를 다시 실행하시면 확인하실 수 있습니다.");
const QString NoPictureText =
    QStringLiteral("광고이미지 JPG 파일을 선택해 주시기 바랍니다.\r\n이미지 크기에 맞게 제작하여 선택해주세요");
const QString BadLinkText = QStringLiteral(
    "링크주소를 정확하게 입력해주세요\r\n링크주소는 http 또는 https 를 포함하여 입력해 주시기 바랍니다");
const QString LongNicknameText = QStringLiteral("닉네임은 영문 12자까지 입력해주세요");
const QString NoNicknameText = QStringLiteral("광고자의 닉네임을 입력해주세요");

const QColor Red(220, 30, 30), Blue(30, 30, 220), Green(30, 200, 30), Yellow(240, 220, 20);

bool near(QColor a, QColor b, int tolerance = 48) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Makes a folder refuse new files and deletions for real, also when the tests run as root:
// either the folder is read-only for a user without rights (as root: the file system user of
// this thread becomes "nobody"), or it carries the immutable attribute.
class WriteProtection {
public:
    enum Kind { NotWritable, Immutable };

    ~WriteProtection() { lift(); }

    // Empty when the folder is protected now, else why this machine cannot do it.
    QString protect(Kind kind, const QString& folder, const QStringList& openForOthers) {
        folder_ = QFile::encodeName(folder);
        if (kind == Immutable) {
            const int fd = ::open(folder_.constData(), O_RDONLY | O_DIRECTORY);
            if (fd < 0) return QString::fromLocal8Bit(::strerror(errno));
            int flags = 0;
            int rc = ::ioctl(fd, FS_IOC_GETFLAGS, &flags);
            if (rc == 0) {
                flags |= FS_IMMUTABLE_FL;
                rc = ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
            }
            const int e = errno;
            ::close(fd);
            if (rc != 0) return QStringLiteral("no immutable attribute here: ") + QString::fromLocal8Bit(::strerror(e));
            immutable_ = true;
            return refused(EPERM);
        }
        if (::chmod(folder_.constData(), 0555) != 0) return QString::fromLocal8Bit(::strerror(errno));
        chmodded_ = true;
        if (::geteuid() == 0) {
            for (const QString& path : openForOthers) ::chmod(QFile::encodeName(path).constData(), 0755);
            ::setfsuid(65534);
            fsuid_ = true;
            if (::setfsuid(uid_t(-1)) != 65534) return QStringLiteral("cannot change the file system user");
        }
        return refused(EACCES);
    }

    void lift() {
        if (fsuid_) ::setfsuid(0);
        fsuid_ = false;
        if (chmodded_) ::chmod(folder_.constData(), 0755);
        chmodded_ = false;
        if (immutable_) {
            const int fd = ::open(folder_.constData(), O_RDONLY | O_DIRECTORY);
            int flags = 0;
            if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
                flags &= ~FS_IMMUTABLE_FL;
                ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
            }
            if (fd >= 0) ::close(fd);
        }
        immutable_ = false;
    }

private:
    // Checks that the system now refuses a new file in the folder with the expected error.
    QString refused(int expected) {
        const QByteArray probe = folder_ + "/probe";
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(probe.constData());
            return QStringLiteral("the folder still takes new files");
        }
        if (errno != expected) return QStringLiteral("refused with ") + QString::fromLocal8Bit(::strerror(errno));
        return QString();
    }

    QByteArray folder_;
    bool chmodded_ = false, fsuid_ = false, immutable_ = false;
};

} // namespace

class TestAdManager : public QObject {
    Q_OBJECT
    QTemporaryDir config_;
    QTemporaryDir pictures_;
    std::unique_ptr<QTemporaryDir> game_;
    ScriptedBoxes boxes_;
    ScriptedChooser chooser_;
    RecordingWeb web_;
    QString redBlue_, greenYellow_;

    QString gameDir() const { return game_->path() + QLatin1Char('/'); }
    QString adFile() const { return gameDir() + QStringLiteral("images/name.jpg"); }
    QString settingsFile() const { return config_.filePath(QStringLiteral("TavinMatgo.ini")); }

    static void setSetting(const QString& app, const QString& key, const QString& value) {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, app);
        s.setValue(key, value);
    }
    static void removeSetting(const QString& app, const QString& key) {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, app);
        s.remove(key);
    }
    void setGame(const QString& key, const QString& value) { setSetting(QStringLiteral("TavinMatgo"), QStringLiteral("Setup/") + key, value); }
    void removeGame(const QString& key) { removeSetting(QStringLiteral("TavinMatgo"), QStringLiteral("Setup/") + key); }
    // What the settings file on disk holds; "<none>" for a missing key.
    QString storedGame(const QString& key) const {
        QSettings s(settingsFile(), QSettings::IniFormat);
        return s.value(QStringLiteral("Setup/") + key, QStringLiteral("<none>")).toString();
    }

    // A 210 x 70 JPG: the left half in one colour, the right half in another.
    QString makePicture(const QString& name, QColor left, QColor right) {
        QImage img(210, 70, QImage::Format_RGB32);
        QPainter p(&img);
        p.fillRect(0, 0, 105, 70, left);
        p.fillRect(105, 0, 105, 70, right);
        p.end();
        const QString path = pictures_.filePath(name);
        return img.save(path, "JPG", 95) ? path : QString();
    }

    std::unique_ptr<frmPartner> openWindow() {
        auto w = std::make_unique<frmPartner>(AdServices{&boxes_, &chooser_, &web_});
        if (!w->Form_Load()) return nullptr;
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) return nullptr;
        return w;
    }

    template <class T> static T* control(QWidget* w, const char* name) {
        return w->findChild<T*>(QLatin1String(name));
    }

    void choosePicture(QWidget* w, const QString& file) {
        chooser_.answer = file;
        QTest::mouseClick(control<QPushButton>(w, "btnIMAGE"), Qt::LeftButton);
    }

    static void typeInto(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        // Letters from the keyboard; everything else, such as hangul, arrives from the input
        // method one committed character at a time.
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClicks(edit, QString(c));
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QCoreApplication::sendEvent(edit, &commit);
            }
        }
    }

    // Runs `act` on the modal window as soon as it shows, from inside its event loop, and again
    // every 20 ms for as long as it stays open: a file dialog may not take its "Open" click
    // before it has looked at the file. The polling ends with the returned timer.
    std::unique_ptr<QTimer> whenModalShows(std::function<void(QWidget*)> act) {
        auto poll = std::make_unique<QTimer>();
        poll->setInterval(20);
        QObject::connect(poll.get(), &QTimer::timeout, [act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible()) act(modal);
        });
        poll->start();
        return poll;
    }

    // The window's own pixels, frame excluded.
    static QImage shot(QWidget* w) { return w->grab().toImage(); }

    // The picture in both places: imgFILE at 16,160 and imgFILE2 at 407,182, 210 x 70 each.
    static bool showsPicture(const QImage& img, QColor left, QColor right) {
        for (const QPoint origin : {QPoint(16, 160), QPoint(407, 182)}) {
            for (const QPoint at : {QPoint(2, 2), QPoint(100, 35), QPoint(2, 67)})
                if (!near(img.pixelColor(origin + at), left)) return false;
            for (const QPoint at : {QPoint(110, 35), QPoint(207, 2), QPoint(207, 67)})
                if (!near(img.pixelColor(origin + at), right)) return false;
        }
        return true;
    }

private slots:
    void initTestCase() {
        // Before the first settings access: the store lives in a folder of this test's own.
        QVERIFY(config_.isValid() && pictures_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        redBlue_ = makePicture(QStringLiteral("redblue.jpg"), Red, Blue);
        greenYellow_ = makePicture(QStringLiteral("greenyellow.JPG"), Green, Yellow);
        QVERIFY(!redBlue_.isEmpty() && !greenYellow_.isEmpty());
    }

    void init() {
        game_ = std::make_unique<QTemporaryDir>();
        QVERIFY(game_->isValid());
        QVERIFY(QDir(game_->path()).mkdir(QStringLiteral("images")));
        // The game writes its folder the Windows way.
        setGame(QStringLiteral("PATH"), QDir::toNativeSeparators(game_->path()).replace(QLatin1Char('/'), QLatin1Char('\\')) +
                                            QLatin1Char('\\'));
        removeGame(QStringLiteral("URL"));
        removeGame(QStringLiteral("NICK"));
        removeSetting(QStringLiteral("TAVINGIBO"), QStringLiteral("OPTION/SERVER"));
        boxes_ = ScriptedBoxes();
        chooser_ = ScriptedChooser();
        web_.opened.clear();
    }

    void cleanup() {
        QDir(settingsFile()).removeRecursively(); // when a test made it a folder
        game_.reset();
    }

    void notInstalled_data() {
        QTest::addColumn<QString>("path"); // "<none>" for a missing setting
        QTest::newRow("no PATH") << "<none>";
        QTest::newRow("empty PATH") << "";
    }
    void notInstalled() {
        QFETCH(QString, path);
        if (path == QLatin1String("<none>"))
            removeGame(QStringLiteral("PATH"));
        else
            setGame(QStringLiteral("PATH"), path);
        frmPartner w(AdServices{&boxes_, &chooser_, &web_});
        QVERIFY(!w.Form_Load());
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].kind, QStringLiteral("critical"));
        QCOMPARE(boxes_.shown[0].title, QStringLiteral("광고관리"));
        QCOMPARE(boxes_.shown[0].text, QStringLiteral("타빈맞고를 먼저 설치하신 후에 다시 실행해 주세요"));
        QVERIFY(!w.isVisible());
    }

    void loadShowsTheRegisteredAd() {
        QVERIFY(QFile::copy(redBlue_, adFile()));
        setGame(QStringLiteral("NICK"), QStringLiteral("타빈"));
        setGame(QStringLiteral("URL"), QStringLiteral("http://ad.example/"));
        auto w = openWindow();
        QVERIFY(w);
        QCOMPARE(w->GameDir(), gameDir());
        QCOMPARE(w->ImageTag(), adFile());
        QCOMPARE(control<QLineEdit>(w.get(), "txtNICK")->text(), QStringLiteral("타빈"));
        QCOMPARE(control<QLineEdit>(w.get(), "txtURL")->text(), QStringLiteral("http://ad.example/"));
        QVERIFY(!control<QLabel>(w.get(), "lblVIEW")->isVisible());
        QVERIFY(!control<QLabel>(w.get(), "picERROR")->isVisible());
        const QString bit = control<QLineEdit>(w.get(), "txtBIT")->text();
        QVERIFY2(bit.endsWith(QStringLiteral("bit 용 타빈맞고 설치하기...")), qPrintable(bit));
        if (QSysInfo::currentCpuArchitecture() == QLatin1String("x86_64"))
            QCOMPARE(bit, QStringLiteral("64bit 용 타빈맞고 설치하기..."));
        QVERIFY(showsPicture(shot(w.get()), Red, Blue));
        QVERIFY(boxes_.shown.isEmpty());
    }

    void windowFrameAndTexts() {
        auto w = openWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("타빈맞고 광고관리 v 1.0.0"));
        QCOMPARE(w->size(), QSize(633, 437));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QRect screen = w->screen()->availableGeometry();
        QVERIFY2((w->frameGeometry().center() - screen.center()).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("window at %1,%2").arg(w->x()).arg(w->y())));

        const QString explanation = QStringLiteral(
            "타빈맞고 광고관리는 타빈맞고내에 나의 광고를 넣을 \n수 있는 광고도구입니다.\n"
            "나의 명함이나 홍보문구가 들어간 이미지파일과 링크주\n소를 함께 등록할 수가 있습니다.\n"
            "이미지와 링크주소를 삭제하려면 타빈맞고를 삭제하면 \n광고 역시도 삭제가 됩니다.\n"
            "광고를 등록하기 위해서는 우선 먼저 타빈맞고를 먼저 \n설치\n"
            "하신 후에 광고관리 프로그램을 실행하여 설치해주시기 \n바\n랍니다.\n\n"
            "게임사용자는 광고면에서 오른쪽 마우스를 클릭하여 해\n당광\n고를 숨길 수 있는 기능이 존재합니다.\n");
        QCOMPARE(control<QPlainTextEdit>(w.get(), "Text1")->toPlainText(), explanation);
        const QList<QPair<const char*, QString>> texts = {
            {"Label5", QStringLiteral("다운로드 바로가기")},
            {"Label4", QStringLiteral("닉네임 영문 12자이내")},
            {"lblVIEW", QStringLiteral("보여지는 이 크기입니다")},
            {"Label2", QStringLiteral("광고는 JPG 파일이며 크기는 <210X70> 픽셀입니다")},
            {"Label1", QStringLiteral("클릭시 링크주소를 입력하세요 http 또는 https 포함")},
            {"Label3", QStringLiteral("타빈맞고를 먼저 설치해드리고 광고관리 프로그램을 통해서 여러분의 광고이미지와 링크를 적용해주세요")},
        };
        for (const auto& [name, text] : texts) QCOMPARE(control<QLabel>(w.get(), name)->text(), text);
        QCOMPARE(control<QPushButton>(w.get(), "btnIMAGE")->text(), QStringLiteral("광고이미지 찾기"));
        QCOMPARE(control<QPushButton>(w.get(), "btnOK")->text(), QStringLiteral("광고적용하기"));
        QCOMPARE(control<QPushButton>(w.get(), "btnDELETE")->text(), QStringLiteral("광고삭제"));
        QCOMPARE(control<QPushButton>(w.get(), "btnHELP")->text(), QStringLiteral("도움말"));
        QVERIFY(control<QPushButton>(w.get(), "btnOK")->isDefault());
        QVERIFY(control<QLineEdit>(w.get(), "txtBIT")->isReadOnly());

        // Nothing registered yet: the hint shows over the empty picture, the download label is
        // yellow, and the game screen fills its box.
        QVERIFY(control<QLabel>(w.get(), "lblVIEW")->isVisible());
        const QImage img = shot(w.get());
        QLabel* download = control<QLabel>(w.get(), "Label5");
        QCOMPARE(img.pixelColor(download->geometry().topLeft() + QPoint(1, 1)), QColor(255, 255, 0));
        const QImage screenPicture(QStringLiteral(":/tavinad/gamescreen.png"));
        if (screenPicture.isNull()) QSKIP("the game screen picture is not built in");
        QCOMPARE(screenPicture.size(), QSize(229, 402));
        for (const QPoint at : {QPoint(0, 0), QPoint(228, 401), QPoint(114, 60), QPoint(40, 300), QPoint(200, 150)})
            QCOMPARE(img.pixelColor(QPoint(392, 16) + at), screenPicture.pixelColor(at));
    }

    void controlPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place"); // in the window's pixels; width -1 when the text sizes it
        QTest::newRow("Text1") << "Text1" << QRect(16, 16, 353, 73);
        QTest::newRow("txtBIT") << "txtBIT" << QRect(16, 96, 209, 20);
        QTest::newRow("Label5") << "Label5" << QRect(240, 102, -1, -1);
        QTest::newRow("txtNICK") << "txtNICK" << QRect(16, 124, 209, 20);
        QTest::newRow("Label4") << "Label4" << QRect(240, 128, -1, -1);
        QTest::newRow("lblVIEW") << "lblVIEW" << QRect(48, 188, -1, -1);
        QTest::newRow("btnIMAGE") << "btnIMAGE" << QRect(240, 160, 129, 73);
        QTest::newRow("Label2") << "Label2" << QRect(24, 240, 337, 25);
        QTest::newRow("txtURL") << "txtURL" << QRect(16, 264, 353, 25);
        QTest::newRow("Label1") << "Label1" << QRect(16, 296, 353, 17);
        QTest::newRow("Frame2") << "Frame2" << QRect(16, 316, 353, 57);
        QTest::newRow("btnOK") << "btnOK" << QRect(56, 384, 113, 41);
        QTest::newRow("btnDELETE") << "btnDELETE" << QRect(192, 384, 81, 41);
        QTest::newRow("btnHELP") << "btnHELP" << QRect(288, 384, 81, 41);
        QTest::newRow("Picture1") << "Picture1" << QRect(392, 16, 229, 402);
        QTest::newRow("imgFILE2 inside Picture1") << "imgFILE2" << QRect(407, 182, 210, 70);
    }
    void controlPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        auto w = openWindow();
        QVERIFY(w);
        QWidget* c = w->findChild<QWidget*>(name);
        QVERIFY(c);
        QCOMPARE(c->mapTo(w.get(), QPoint(0, 0)), place.topLeft());
        if (place.width() >= 0) QCOMPARE(c->size(), place.size());
    }

    void chooseImage_data() {
        QTest::addColumn<QString>("answer"); // "<folder>" for a folder, "<missing>" for no such file
        QTest::addColumn<bool>("shown");
        QTest::newRow("cancelled") << "" << false;
        QTest::newRow("no such file") << "<missing>" << false;
        QTest::newRow("a folder") << "<folder>" << false;
        QTest::newRow("capital suffix") << "greenyellow" << true;
        QTest::newRow("picture") << "redblue" << true;
    }
    void chooseImage() {
        QFETCH(QString, answer);
        QFETCH(bool, shown);
        const QString file = answer == QLatin1String("<missing>") ? pictures_.filePath(QStringLiteral("none.jpg"))
                             : answer == QLatin1String("<folder>") ? pictures_.path()
                             : answer == QLatin1String("redblue") ? redBlue_
                             : answer == QLatin1String("greenyellow") ? greenYellow_
                                                                      : QString();
        auto w = openWindow();
        QVERIFY(w);
        choosePicture(w.get(), file);
        QCOMPARE(chooser_.asked, QStringList({QStringLiteral("JPG 포멧 광고이미지를 선택하세요"), QDir::rootPath(),
                                              QStringLiteral("JPG Files (*.jpg)")}));
        QCOMPARE(w->ImageTag(), shown ? file : QString());
        QCOMPARE(control<QLabel>(w.get(), "lblVIEW")->isVisible(), !shown);
        const QImage img = shot(w.get());
        if (file == redBlue_) QVERIFY(showsPicture(img, Red, Blue));
        if (file == greenYellow_) QVERIFY(showsPicture(img, Green, Yellow));
        if (!shown) QVERIFY(!near(img.pixelColor(16 + 100, 160 + 10), Red) && !near(img.pixelColor(16 + 100, 160 + 10), Blue));
        QVERIFY(boxes_.shown.isEmpty());
    }

    void nicknameTyping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("13 latin letters") << "abcdefghijklm" << "abcdefghijkl";
        QTest::newRow("13 hangul syllables") << "가나다라마바사아자차카타파" << "가나다라마바사아자차카타";
        // Twelve letters with accents written as letter + combining mark are twelve characters.
        QTest::newRow("combining marks") << QStringLiteral("e\u0301").repeated(12) + QStringLiteral("x")
                                         << QStringLiteral("e\u0301").repeated(12);
    }
    void nicknameTyping() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        auto w = openWindow();
        QVERIFY(w);
        QLineEdit* nick = control<QLineEdit>(w.get(), "txtNICK");
        typeInto(nick, typed);
        QCOMPARE(nick->text(), kept);
    }

    void applyChecks_data() {
        QTest::addColumn<QString>("nick");   // the stored nickname the window starts with
        QTest::addColumn<int>("picture");    // 0 none chosen, 1 chosen, 2 chosen and then removed
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("title");  // empty when the advertisement is applied
        QTest::addColumn<QString>("text");
        const QString ok = QStringLiteral("http://ad.example/");
        const QString t = QStringLiteral("광고관리");
        QTest::newRow("everything missing") << "" << 0 << "" << "타빈맞고" << NoNicknameText;
        QTest::newRow("no nickname") << "" << 1 << ok << "타빈맞고" << NoNicknameText;
        QTest::newRow("13 letters") << "abcdefghijklm" << 1 << ok << t << LongNicknameText;
        QTest::newRow("13 hangul") << "가나다라마바사아자차카타파" << 1 << ok << t << LongNicknameText;
        QTest::newRow("13 and no picture") << "abcdefghijklm" << 0 << "" << t << LongNicknameText;
        QTest::newRow("12 letters") << "abcdefghijkl" << 1 << ok << "" << "";
        QTest::newRow("12 hangul") << "가나다라마바사아자차카타" << 1 << ok << "" << "";
        QTest::newRow("12 with combining marks") << QStringLiteral("e\u0301").repeated(12) << 1 << ok << "" << "";
        QTest::newRow("no picture") << "tavin" << 0 << ok << t << NoPictureText;
        QTest::newRow("picture removed since") << "tavin" << 2 << ok << t << NoPictureText;
        QTest::newRow("no link") << "tavin" << 1 << "" << t << BadLinkText;
        QTest::newRow("http only inside") << "tavin" << 1 << "ad.example/?to=http" << t << BadLinkText;
        QTest::newRow("http without separator") << "tavin" << 1 << "httpad.example" << t << BadLinkText;
        QTest::newRow("capital letters") << "tavin" << 1 << "HTTP://AD.EXAMPLE/" << t << BadLinkText;
        QTest::newRow("https") << "tavin" << 1 << "https://ad.example/a?b=c" << "" << "";
    }
    void applyChecks() {
        QFETCH(QString, nick);
        QFETCH(int, picture);
        QFETCH(QString, url);
        QFETCH(QString, title);
        QFETCH(QString, text);
        setGame(QStringLiteral("NICK"), nick);
        setGame(QStringLiteral("URL"), url);
        const QString source = pictures_.filePath(QStringLiteral("chosen.jpg"));
        QFile::remove(source);
        QVERIFY(QFile::copy(redBlue_, source));
        auto w = openWindow();
        QVERIFY(w);
        QCOMPARE(control<QLineEdit>(w.get(), "txtNICK")->text(), nick);
        if (picture > 0) choosePicture(w.get(), source);
        if (picture == 2) QVERIFY(QFile::remove(source));
        // The stored keys are what the window started with; a refusal must leave them alone.
        removeGame(QStringLiteral("NICK"));
        removeGame(QStringLiteral("URL"));

        QTest::mouseClick(control<QPushButton>(w.get(), "btnOK"), Qt::LeftButton);
        QCOMPARE(boxes_.shown.size(), 1);
        if (title.isEmpty()) {
            QCOMPARE(boxes_.shown[0].kind, QStringLiteral("information"));
            QCOMPARE(boxes_.shown[0].title, QStringLiteral("광고관리"));
            QCOMPARE(boxes_.shown[0].text, AppliedText);
            QCOMPARE(fileBytes(adFile()), fileBytes(redBlue_));
            QCOMPARE(storedGame(QStringLiteral("NICK")), nick);
            QCOMPARE(storedGame(QStringLiteral("URL")), url);
        } else {
            QCOMPARE(boxes_.shown[0].kind, QStringLiteral("critical"));
            QCOMPARE(boxes_.shown[0].title, title);
            QCOMPARE(boxes_.shown[0].text, text);
            QVERIFY(!QFile::exists(adFile()));
            QCOMPARE(storedGame(QStringLiteral("NICK")), QStringLiteral("<none>"));
            QCOMPARE(storedGame(QStringLiteral("URL")), QStringLiteral("<none>"));
        }
    }

    void applyByTypingAndEnter() {
        auto w = openWindow();
        QVERIFY(w);
        choosePicture(w.get(), greenYellow_);
        typeInto(control<QLineEdit>(w.get(), "txtNICK"), QStringLiteral("타빈Ace"));
        QLineEdit* url = control<QLineEdit>(w.get(), "txtURL");
        typeInto(url, QStringLiteral("https://tavin.example/my"));
        QTest::keyClick(w.get(), Qt::Key_Escape); // no cancel button: the window stays
        QVERIFY(w->isVisible());
        QTest::keyClick(url, Qt::Key_Return); // the default button
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].text, AppliedText);
        QCOMPARE(fileBytes(adFile()), fileBytes(greenYellow_));
        QCOMPARE(storedGame(QStringLiteral("NICK")), QStringLiteral("타빈Ace"));
        QCOMPARE(storedGame(QStringLiteral("URL")), QStringLiteral("https://tavin.example/my"));
        // The viewer's and the game's own keys live beside them.
        QVERIFY(fileBytes(settingsFile()).contains("[Setup]"));
        QCOMPARE(storedGame(QStringLiteral("PATH")).isEmpty(), false);
    }

    void applyReplaces_data() {
        QTest::addColumn<bool>("sameFile");
        QTest::newRow("an older advertisement") << false;
        QTest::newRow("the registered picture itself") << true;
    }
    void applyReplaces() {
        QFETCH(bool, sameFile);
        QVERIFY(QFile::copy(greenYellow_, adFile()));
        setGame(QStringLiteral("NICK"), QStringLiteral("old"));
        setGame(QStringLiteral("URL"), QStringLiteral("http://old.example/"));
        auto w = openWindow();
        QVERIFY(w);
        if (!sameFile) choosePicture(w.get(), redBlue_);
        typeInto(control<QLineEdit>(w.get(), "txtNICK"), QStringLiteral("new"));
        QTest::mouseClick(control<QPushButton>(w.get(), "btnOK"), Qt::LeftButton);
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].text, AppliedText);
        QCOMPARE(fileBytes(adFile()), fileBytes(sameFile ? greenYellow_ : redBlue_));
        QCOMPARE(storedGame(QStringLiteral("NICK")), QStringLiteral("new"));
        QCOMPARE(QDir(gameDir() + QStringLiteral("images")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("name.jpg")});
        // Readable by the game whoever runs it.
        QVERIFY(QFile::permissions(adFile()) & QFileDevice::ReadOther);
    }

    void writeProtected_data() {
        QTest::addColumn<int>("protection");
        QTest::addColumn<bool>("apply"); // else delete
        QTest::newRow("apply, folder not writable") << int(WriteProtection::NotWritable) << true;
        QTest::newRow("apply, immutable folder") << int(WriteProtection::Immutable) << true;
        QTest::newRow("delete, folder not writable") << int(WriteProtection::NotWritable) << false;
        QTest::newRow("delete, immutable folder") << int(WriteProtection::Immutable) << false;
    }
    void writeProtected() {
        QFETCH(int, protection);
        QFETCH(bool, apply);
        QVERIFY(QFile::copy(greenYellow_, adFile()));
        setGame(QStringLiteral("NICK"), QStringLiteral("old"));
        setGame(QStringLiteral("URL"), QStringLiteral("http://old.example/"));
        auto w = openWindow();
        QVERIFY(w);
        QLabel* hint = control<QLabel>(w.get(), "picERROR");
        QVERIFY(!hint->isVisible());
        if (apply) {
            choosePicture(w.get(), redBlue_);
            typeInto(control<QLineEdit>(w.get(), "txtNICK"), QStringLiteral("new"));
        }
        {
            WriteProtection guard;
            const QString why = guard.protect(WriteProtection::Kind(protection), gameDir() + QStringLiteral("images"),
                                              {game_->path(), pictures_.path()});
            if (!why.isEmpty()) QSKIP(qPrintable(why));
            QTest::mouseClick(control<QPushButton>(w.get(), apply ? "btnOK" : "btnDELETE"), Qt::LeftButton);
        }
        const Shown last = boxes_.shown.value(boxes_.shown.size() - 1);
        QCOMPARE(last.kind, QStringLiteral("information"));
        QCOMPARE(last.title, QStringLiteral("광고관리"));
        QCOMPARE(last.text, AdministratorText);
        QCOMPARE(boxes_.shown.size(), apply ? 1 : 2); // delete asked first
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->pos(), QPoint(104, 8));
        const QImage admin(QStringLiteral(":/tavinad/admin.png"));
        if (!admin.isNull()) {
            const QImage img = shot(w.get());
            const QPoint mid(admin.width() / 2, admin.height() / 2);
            QCOMPARE(img.pixelColor(QPoint(104, 8) + mid), admin.pixelColor(mid));
        }
        // Stopped at the picture: nothing else changed.
        QCOMPARE(fileBytes(adFile()), fileBytes(greenYellow_));
        QCOMPARE(storedGame(QStringLiteral("NICK")), QStringLiteral("old"));
        QCOMPARE(storedGame(QStringLiteral("URL")), QStringLiteral("http://old.example/"));
        QCOMPARE(control<QLineEdit>(w.get(), "txtNICK")->text(), apply ? QStringLiteral("new") : QStringLiteral("old"));
    }

    void otherFailures_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("apply"); // else delete
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("pictureCopied");
        QTest::newRow("apply, no images folder") << "no images" << true << "에러번호(2) No such file or directory" << false;
        QTest::newRow("apply, a folder named name.jpg") << "folder picture" << true << "에러번호(21) Is a directory" << false;
        QTest::newRow("delete, a folder named name.jpg") << "folder picture" << false << "에러번호(21) Is a directory" << false;
        QTest::newRow("apply, settings file is a folder") << "folder settings" << true << "에러번호(21) Is a directory" << true;
    }
    void otherFailures() {
        QFETCH(QString, fault);
        QFETCH(bool, apply);
        QFETCH(QString, error);
        QFETCH(bool, pictureCopied);
        setGame(QStringLiteral("NICK"), QStringLiteral("tavin"));
        setGame(QStringLiteral("URL"), QStringLiteral("http://ad.example/"));
        auto w = openWindow();
        QVERIFY(w);
        choosePicture(w.get(), redBlue_);
        removeGame(QStringLiteral("NICK"));
        removeGame(QStringLiteral("URL"));
        if (fault == QLatin1String("no images")) QVERIFY(QDir(gameDir() + QStringLiteral("images")).removeRecursively());
        if (fault == QLatin1String("folder picture")) QVERIFY(QDir().mkdir(adFile()));
        if (fault == QLatin1String("folder settings")) {
            QVERIFY(QFile::remove(settingsFile()));
            QVERIFY(QDir().mkdir(settingsFile()));
        }
        QTest::mouseClick(control<QPushButton>(w.get(), apply ? "btnOK" : "btnDELETE"), Qt::LeftButton);
        const Shown last = boxes_.shown.value(boxes_.shown.size() - 1);
        QCOMPARE(last.kind, QStringLiteral("plain"));
        QCOMPARE(last.title, QStringLiteral("타빈맞고 광고관리"));
        QCOMPARE(last.text, QStringLiteral("광고관리 설정중 에러가 발생하였습니다.\r\n") + error);
        QVERIFY(!control<QLabel>(w.get(), "picERROR")->isVisible());
        QCOMPARE(QFileInfo(adFile()).isFile(), pictureCopied);
        if (pictureCopied) QCOMPARE(fileBytes(adFile()), fileBytes(redBlue_));
        if (QFileInfo::exists(gameDir() + QStringLiteral("images")))
            QCOMPARE(QDir(gameDir() + QStringLiteral("images")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     QStringList{QStringLiteral("name.jpg")});
        if (fault != QLatin1String("folder settings")) QCOMPARE(storedGame(QStringLiteral("URL")), QStringLiteral("<none>"));
    }

    void deleteNeedsYes() {
        QVERIFY(QFile::copy(redBlue_, adFile()));
        setGame(QStringLiteral("NICK"), QStringLiteral("tavin"));
        setGame(QStringLiteral("URL"), QStringLiteral("http://ad.example/"));
        auto w = openWindow();
        QVERIFY(w);
        boxes_.answerYes = false;
        QTest::mouseClick(control<QPushButton>(w.get(), "btnDELETE"), Qt::LeftButton);
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].kind, QStringLiteral("question"));
        QCOMPARE(boxes_.shown[0].title, QStringLiteral("광고관리"));
        QCOMPARE(boxes_.shown[0].text,
                 QStringLiteral("지금 바로 광고를 삭제하시겠습니까? \r\n삭제 후 다시 등록하실 수 있습니다. "));
        QVERIFY(QFile::exists(adFile()));
        QCOMPARE(storedGame(QStringLiteral("NICK")), QStringLiteral("tavin"));
        QCOMPARE(control<QLineEdit>(w.get(), "txtNICK")->text(), QStringLiteral("tavin"));
        QVERIFY(showsPicture(shot(w.get()), Red, Blue));
    }

    void deleteRemovesEverything() {
        QVERIFY(QFile::copy(redBlue_, adFile()));
        setGame(QStringLiteral("NICK"), QStringLiteral("tavin"));
        setGame(QStringLiteral("URL"), QStringLiteral("http://ad.example/"));
        setGame(QStringLiteral("MYID"), QStringLiteral("me01"));
        {
            auto w = openWindow();
            QVERIFY(w);
            QTest::mouseClick(control<QPushButton>(w.get(), "btnDELETE"), Qt::LeftButton);
            QCOMPARE(boxes_.shown.size(), 2);
            QCOMPARE(boxes_.shown[1].kind, QStringLiteral("information"));
            QCOMPARE(boxes_.shown[1].text, QStringLiteral("타빈맞고내 등록되어있는 광고가 삭제되었습니다."));
            QVERIFY(!QFile::exists(adFile()));
            QCOMPARE(storedGame(QStringLiteral("NICK")), QStringLiteral("<none>"));
            QCOMPARE(storedGame(QStringLiteral("URL")), QStringLiteral("<none>"));
            QCOMPARE(storedGame(QStringLiteral("MYID")), QStringLiteral("me01"));
            QVERIFY(control<QLineEdit>(w.get(), "txtNICK")->text().isEmpty());
            QVERIFY(control<QLineEdit>(w.get(), "txtURL")->text().isEmpty());
            const QImage img = shot(w.get());
            QVERIFY(!near(img.pixelColor(16 + 20, 160 + 60), Red) && !near(img.pixelColor(407 + 20, 182 + 60), Red));
            // With no picture shown, applying asks for a picture again.
            typeInto(control<QLineEdit>(w.get(), "txtNICK"), QStringLiteral("again"));
            typeInto(control<QLineEdit>(w.get(), "txtURL"), QStringLiteral("http://ad.example/"));
            QTest::mouseClick(control<QPushButton>(w.get(), "btnOK"), Qt::LeftButton);
            QCOMPARE(boxes_.shown.last().text, NoPictureText);
            QVERIFY(!QFile::exists(adFile()));
        }
        // A new start finds nothing.
        auto again = openWindow();
        QVERIFY(again);
        QVERIFY(control<QLineEdit>(again.get(), "txtNICK")->text().isEmpty());
        QVERIFY(control<QLineEdit>(again.get(), "txtURL")->text().isEmpty());
        QVERIFY(again->ImageTag().isEmpty());
        QVERIFY(control<QLabel>(again.get(), "imgFILE")->pixmap().isNull());
        QVERIFY(control<QLabel>(again.get(), "lblVIEW")->isVisible());
        const QImage img = shot(again.get());
        QVERIFY(!near(img.pixelColor(16 + 20, 160 + 60), Red) && !near(img.pixelColor(407 + 20, 182 + 60), Red));
        // Deleting when nothing is registered is no failure.
        QTest::mouseClick(control<QPushButton>(again.get(), "btnDELETE"), Qt::LeftButton);
        QCOMPARE(boxes_.shown.last().text, QStringLiteral("타빈맞고내 등록되어있는 광고가 삭제되었습니다."));
    }

    void links_data() {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("url");    // the stored link
        QTest::addColumn<QString>("server"); // the "SERVER" setting, "<none>" when missing
        QTest::addColumn<QString>("opened"); // empty when nothing opens
        QTest::newRow("picture, http") << "imgFILE" << "http://ad.example/page" << "<none>" << "http://ad.example/page";
        QTest::newRow("game screen, https") << "imgFILE2" << "https://ad.example/" << "<none>" << "https://ad.example/";
        QTest::newRow("picture, no link") << "imgFILE" << "" << "<none>" << "";
        QTest::newRow("game screen, http inside") << "imgFILE2" << "ftp://ad.example/http" << "<none>" << "";
        QTest::newRow("picture, capital letters") << "imgFILE" << "HTTP://AD.EXAMPLE/" << "<none>" << "";
        QTest::newRow("help") << "btnHELP" << "" << "<none>" << "http://gibo.tavin.example/game/t_help.php?rurl=8";
        QTest::newRow("download") << "Label5" << "" << "<none>" << "http://gibo.tavin.example/game/t_help.php?rurl=9";
        QTest::newRow("help, own server") << "btnHELP" << "" << "http://127.0.0.1:8080" << "http://127.0.0.1:8080/game/t_help.php?rurl=8";
        QTest::newRow("download, own server") << "Label5" << "" << "http://127.0.0.1:8080/" << "http://127.0.0.1:8080/game/t_help.php?rurl=9";
    }
    void links() {
        QFETCH(QString, clicked);
        QFETCH(QString, url);
        QFETCH(QString, server);
        QFETCH(QString, opened);
        setGame(QStringLiteral("URL"), url);
        if (server != QLatin1String("<none>")) setSetting(QStringLiteral("TAVINGIBO"), QStringLiteral("OPTION/SERVER"), server);
        auto w = openWindow();
        QVERIFY(w);
        QWidget* target = w->findChild<QWidget*>(clicked);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(web_.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
        QVERIFY(boxes_.shown.isEmpty());
    }

    // The real message boxes, answered by clicking their buttons.
    void desktopBoxes_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<bool>("answer");
        const int ok = QMessageBox::Ok, yesNo = QMessageBox::Yes | QMessageBox::No;
        QTest::newRow("information") << "information" << int(QMessageBox::Information) << ok << ok << false;
        QTest::newRow("critical") << "critical" << int(QMessageBox::Critical) << ok << ok << false;
        QTest::newRow("plain") << "plain" << int(QMessageBox::NoIcon) << ok << ok << false;
        QTest::newRow("question, yes") << "question" << int(QMessageBox::Information) << yesNo << int(QMessageBox::Yes) << true;
        QTest::newRow("question, no") << "question" << int(QMessageBox::Information) << yesNo << int(QMessageBox::No) << false;
    }
    void desktopBoxes() {
        QFETCH(QString, kind);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, clicked);
        QFETCH(bool, answer);
        QWidget owner;
        owner.show();
        QString seenTitle, seenText;
        int seenIcon = -1, seenButtons = -1;
        const auto poll = whenModalShows([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) return;
            seenTitle = box->windowTitle();
            seenText = box->text();
            seenIcon = box->icon();
            seenButtons = int(box->standardButtons());
            QTest::mouseClick(box->button(QMessageBox::StandardButton(clicked)), Qt::LeftButton);
        });
        DesktopMessageBoxes boxes;
        const QString text = QStringLiteral("첫 줄\r\n둘째 줄");
        bool result = false;
        if (kind == QLatin1String("information")) boxes.information(&owner, QStringLiteral("광고관리"), text);
        if (kind == QLatin1String("critical")) boxes.critical(&owner, QStringLiteral("광고관리"), text);
        if (kind == QLatin1String("plain")) boxes.plain(&owner, QStringLiteral("광고관리"), text);
        if (kind == QLatin1String("question")) result = boxes.question(&owner, QStringLiteral("광고관리"), text);
        QCOMPARE(seenTitle, QStringLiteral("광고관리"));
        QCOMPARE(seenText, QStringLiteral("첫 줄\n둘째 줄"));
        QCOMPARE(seenIcon, icon);
        QCOMPARE(seenButtons, buttons);
        QCOMPARE(result, answer);
    }

    // The real open-file dialog: a file typed into it, or cancelled.
    void desktopFileChooser_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("a file chosen") << false;
        QTest::newRow("cancelled") << true;
    }
    void desktopFileChooser() {
        QFETCH(bool, cancel);
        QWidget owner;
        owner.show();
        QString seenTitle, seenFolder;
        QStringList seenFilters;
        const auto poll = whenModalShows([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) return;
            seenTitle = dialog->windowTitle();
            seenFolder = dialog->directory().absolutePath();
            seenFilters = dialog->nameFilters();
            if (cancel) {
                QTest::keyClick(dialog, Qt::Key_Escape);
                return;
            }
            // The file's path goes into the dialog's name box, then "Open" is clicked. Not by
            // selectFile(), which leaves the box alone while it has the focus, and not typed key by
            // key, which opens the completer's popup and that swallows the click.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            if (!name || !buttons) return;
            name->setText(redBlue_);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Open), Qt::LeftButton);
        });
        DesktopFileChooser chooser;
        const QString chosen = chooser.openFile(&owner, QStringLiteral("JPG 포멧 광고이미지를 선택하세요"), QDir::rootPath(),
                                                QStringLiteral("JPG Files (*.jpg)"));
        QCOMPARE(seenTitle, QStringLiteral("JPG 포멧 광고이미지를 선택하세요"));
        QCOMPARE(seenFolder, QDir::rootPath());
        QCOMPARE(seenFilters, QStringList{QStringLiteral("JPG Files (*.jpg)")});
        QCOMPARE(chosen, cancel ? QString() : redBlue_);
    }

    void processorWidth_data() {
        QTest::addColumn<QString>("architecture");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("width");
        QTest::newRow("x86_64") << "x86_64" << " fpu vme lm" << "64";
        QTest::newRow("arm64") << "arm64" << "" << "64";
        QTest::newRow("32-bit system on a 64-bit processor") << "i386" << " fpu vme de pse lm constant_tsc\n" << "64";
        QTest::newRow("32-bit processor") << "i386" << " fpu vme de pse lmx\n" << "32";
        QTest::newRow("arm") << "arm" << "" << "32";
        QTest::newRow("unknown") << "unknown" << "" << "";
    }
    void processorWidth() {
        QFETCH(QString, architecture);
        QFETCH(QString, flags);
        QFETCH(QString, width);
        QCOMPARE(AdStore::ProcessorWidthFor(architecture, flags), width);
    }
};

QTEST_MAIN(TestAdManager)
#include "test_admanager.moc"
