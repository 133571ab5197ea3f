// zivi-art: draws the pictures of the game folder and the pictures compiled into the programs.
//
//   zivi-art images DIR         the picture files the viewer loads from images/
//   zivi-art viewer DIR         the viewer's own pictures (PNG)
//   zivi-art admanager DIR      the ad manager's own pictures (PNG)
//   zivi-art preview OUT.png IMAGES VIEWER 0|1
//                               the board during a replay (0) or at the settlement (1)
//   zivi-art sheet OUT.png IMAGES VIEWER ADMANAGER
//                               a contact sheet of everything written, read back from disk
#include "tools/art/CardArt.h"
#include "tools/art/Draw.h"
#include "tools/art/GifWriter.h"
#include "tools/art/Icons.h"
#include "tools/art/Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QStringList>
#include <cstdio>

using namespace zivi::art;

namespace {

bool Fail(const QString& what)
{
    std::fprintf(stderr, "zivi-art: %s\n", qPrintable(what));
    return false;
}

bool SaveJpeg(const QImage& img, const QString& path)
{
    return img.save(path, "JPG", 92) || Fail(QStringLiteral("cannot write ") + path);
}

bool SaveGif(const QImage& img, const QString& path, const GifOptions& options = {})
{
    return WriteGif(img, path, options) || Fail(QStringLiteral("cannot write ") + path);
}

bool WriteImages(const QDir& dir)
{
    GifOptions keyed;
    keyed.exactColours = {kMagenta};
    GifOptions transparent;
    transparent.transparentColour = kMagenta;
    bool ok = true;
    ok &= SaveJpeg(BoardPicture(), dir.filePath(QStringLiteral("GAME2.JPG")));
    ok &= SaveGif(CardSheet(), dir.filePath(QStringLiteral("whatoo.gif")), keyed);
    ok &= SaveJpeg(MissionFrames(), dir.filePath(QStringLiteral("MIS.jpg")));
    ok &= SaveJpeg(ShuffleFrames(), dir.filePath(QStringLiteral("MIX.JPG")));
    ok &= SaveGif(GoNumberStrip(), dir.filePath(QStringLiteral("GONUM.GIF")), keyed);
    ok &= SaveJpeg(ResultPanel(), dir.filePath(QStringLiteral("RESULT.jpg")));
    ok &= SaveGif(ChongtongPanel(), dir.filePath(QStringLiteral("TONG.gif")));
    ok &= SaveGif(ShakePanel(), dir.filePath(QStringLiteral("WAVEOK.gif")));
    ok &= SaveGif(MissionRateStrip(), dir.filePath(QStringLiteral("MNUM.gif")));
    ok &= SaveGif(MissionMark(true), dir.filePath(QStringLiteral("O.gif")), transparent);
    ok &= SaveGif(MissionMark(false), dir.filePath(QStringLiteral("X.gif")), transparent);
    return ok;
}

bool WritePngs(const QMap<QString, QImage>& pictures, const QDir& dir)
{
    bool ok = true;
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it)
        if (!it.value().save(dir.filePath(it.key()), "PNG"))
            ok = Fail(QStringLiteral("cannot write ") + dir.filePath(it.key()));
    return ok;
}

// The board as a replay shows it, put together from the files just written, to judge them in place.
QImage KeyOut(QImage img, QRgb key)
{
    img = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) | 0xff000000u) == (key | 0xff000000u))
                img.setPixel(x, y, 0);
    return img;
}

QImage BoardPreview(const QString& images, const QString& viewer, bool settled)
{
    QImage board = QImage(images + QStringLiteral("/GAME2.JPG")).convertToFormat(QImage::Format_RGB32);
    const QImage sheet(images + QStringLiteral("/whatoo.gif"));
    auto cell = [&](int image) { return sheet.copy(((image - 1) % 15) * 36, ((image - 1) / 15) * 55, 36, 55); };
    auto face = [&](int card) { return cell(card < 48 ? card + 1 : card + 4); };
    QPainter p(&board);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const int slotX[] = {227, 316, 187, 339, 217, 307, 137, 407, 97, 429, 127, 397};
    const int slotY[] = {150, 150, 243, 243, 334, 334, 150, 150, 243, 243, 334, 334};
    const int table[] = {2, 13, 22, 30, 35, 44, 49, 18, 6};
    for (int i = 0; i < 9; ++i)
        p.drawImage(slotX[i], slotY[i], face(table[i]));
    p.drawImage(slotX[0] + 10, slotY[0] + 8, face(3));
    for (int d = 0; d < 6; ++d)
        p.drawImage(258 - d / 2, 230 - d / 2, cell(49));
    const int hand[] = {0, 5, 9, 12, 20, 24, 29, 33, 41, 46};
    for (int i = 0; i < 10; ++i) {
        p.drawImage(389 + (i % 5) * 39, i < 5 ? 456 : 514, face(hand[i]));
        p.drawImage(QRect(399 + (i % 5) * 17, i < 5 ? 27 : 52, 15, 23), cell(49));
    }
    const int pi0[] = {7, 10, 14, 47, 26}, pi1[] = {38, 39, 42};
    for (int i = 0; i < 5; ++i)
        p.drawImage(4 + i * 15, 457, face(pi0[i]));
    for (int i = 0; i < 3; ++i)
        p.drawImage(4 + i * 15, 8, face(pi1[i]));
    p.drawImage(4, 515, face(8));
    p.drawImage(16, 515, face(28));
    p.drawImage(95, 515, face(4));
    p.drawImage(113, 515, face(32));
    p.drawImage(245, 515, face(1));
    p.drawImage(260, 515, face(21));
    p.drawImage(4, 66, face(40));
    p.drawImage(95, 66, face(36));
    p.drawImage(245, 66, face(37));
    p.drawImage(275, 66, face(17));
    // mission panel: frame 5 with the mission's cards and its rate
    const QImage mis(images + QStringLiteral("/MIS.jpg"));
    p.drawImage(588, 137, mis.copy(4 * 210, 0, 210, 115));
    p.drawImage(588 + 29, 137 + 16, face(4));
    p.drawImage(588 + 52, 137 + 16, face(12));
    p.drawImage(588 + 75, 137 + 16, face(29));
    p.drawImage(588 + 121, 137 + 18, QImage(images + QStringLiteral("/MNUM.gif")).copy(55, 0, 55, 55));
    QFont f(QStringLiteral("NanumGothic"));
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(588, 137 + 84, 210, 24), Qt::AlignCenter, QStringLiteral("승리시 [3배] 획득~"));
    // panels: names, money, record, stake line, counters
    p.drawImage(595, 8, QImage(viewer + QStringLiteral("/voice_f.png")));
    p.drawImage(595, 459, QImage(viewer + QStringLiteral("/voice_m.png")));
    p.drawImage(768, 459, QImage(viewer + QStringLiteral("/leader.png")));
    p.drawText(625, 27, QStringLiteral("달빛소녀"));
    p.drawText(625, 476, QStringLiteral("고스톱왕"));
    p.setPen(Qt::cyan);
    p.drawText(625, 57, QStringLiteral("3만5000"));
    p.drawText(625, 508, QStringLiteral("12만"));
    p.setPen(Qt::green);
    p.drawText(625, 85, QStringLiteral("3승 2패 0무 (60%)"));
    p.drawText(625, 537, QStringLiteral("1승 2패 0무 (33.33%)"));
    p.setPen(Qt::yellow);
    p.drawText(QRect(600, 102, 187, 16), Qt::AlignCenter, QStringLiteral("점당 100점, 서비스피: 2장"));
    f.setPixelSize(15);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(397, 429, 38, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("7"));
    p.drawText(QRect(397, 101, 38, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("3"));
    p.setPen(Qt::yellow);
    p.drawText(467, 444, QStringLiteral("1"));
    p.drawText(551, 116, QStringLiteral("1"));
    f.setPixelSize(12);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(600, 550, 190, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("타빈기보 뷰어프로그램"));
    // the landing flash on a table card, a go count over the lower half, a ppeok mark
    p.drawImage(slotX[1] - 10, slotY[1] - 10, KeyOut(QImage(viewer + QStringLiteral("/flash.png")), 0xffff00ff));
    p.drawImage(slotX[5], slotY[5], KeyOut(cell(57), 0xffff00ff));
    if (!settled) {
        p.drawImage(424, 310, KeyOut(QImage(images + QStringLiteral("/GONUM.GIF")).copy(2 * 130, 0, 130, 90), 0xffff00ff));
    } else {
        p.drawImage(220, 181, QImage(images + QStringLiteral("/RESULT.jpg")));
        f.setPixelSize(16);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(220, 181, 306, 40), Qt::AlignCenter, QStringLiteral("(고스톱왕)님 승리~ 짝짝!"));
        f.setPixelSize(13);
        p.setFont(f);
        p.setPen(QColor(255, 255, 192));
        p.drawText(QRect(220, 225, 306, 110), Qt::AlignCenter,
                   QStringLiteral("(고3회) (피박x2)\n44 x 100점\n4,400점 획득"));
        p.drawImage(200, 30, QImage(images + QStringLiteral("/TONG.gif")));
        for (int i = 0; i < 4; ++i)
            p.drawImage(200 + 16 + 51 * i, 30 + 66, face(i));
        p.drawImage(588 + 150, 137 + 60, QImage(images + QStringLiteral("/O.gif")));
    }
    return board;
}

bool WriteSheet(const QString& out, const QStringList& dirs)
{
    struct Item {
        QString label;
        QImage image;
    };
    QList<Item> items;
    for (const QString& d : dirs) {
        const QFileInfoList files = QDir(d).entryInfoList(QDir::Files, QDir::Name);
        for (const QFileInfo& f : files) {
            QImageReader reader(f.filePath());
            const QImage img = reader.read();
            if (img.isNull())
                return Fail(QStringLiteral("cannot read back ") + f.filePath());
            // Small pictures are enlarged with whole pixels so their detail can be judged.
            const int scale = img.width() <= 80 ? 4 : img.width() <= 240 ? 2 : 1;
            QImage shown(img.size() * scale, QImage::Format_ARGB32);
            shown.fill(QColor(80, 80, 90));
            {
                QPainter p(&shown); // a checker shows transparency
                for (int y = 0; y < shown.height(); y += 8)
                    for (int x = 0; x < shown.width(); x += 8)
                        if (((x + y) / 8) % 2)
                            p.fillRect(x, y, 8, 8, QColor(110, 110, 120));
                p.drawImage(shown.rect(), img);
            }
            items.append({QFileInfo(d).fileName() + QLatin1Char('/') + f.fileName() +
                              QStringLiteral(" %1x%2").arg(img.width()).arg(img.height()),
                          shown});
        }
    }
    if (dirs.size() >= 2) {
        items.append({QStringLiteral("board during a replay"), BoardPreview(dirs[0], dirs[1], false)});
        items.append({QStringLiteral("board at the settlement"), BoardPreview(dirs[0], dirs[1], true)});
    }
    // Real-size cards too, both sizes the board uses.
    {
        QImage strip(53 * 38 + 4, 55 + 23 + 10, QImage::Format_ARGB32);
        strip.fill(QColor(16, 66, 38));
        QPainter p(&strip);
        for (int c = 0; c < 53; ++c) {
            p.drawImage(2 + c * 38, 2, CardFace(c));
            p.drawImage(2 + c * 38, 62, c % 2 ? CardBackScaled(15, 23) : CardFaceScaled(c, 15, 23));
        }
        items.append({QStringLiteral("cards at 36x55 and 15x23 (actual size)"), strip});
    }
    const int width = 2100;
    int x = 10, y = 10, rowHeight = 0;
    QList<QPoint> places;
    for (const Item& it : items) {
        const int w = it.image.width(), h = it.image.height() + 18;
        if (x + w > width - 10 && x > 10) {
            x = 10;
            y += rowHeight + 12;
            rowHeight = 0;
        }
        places.append(QPoint(x, y));
        x += std::max(w, 120) + 14;
        rowHeight = std::max(rowHeight, h);
    }
    QImage sheet(width, y + rowHeight + 10, QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 46));
    QPainter p(&sheet);
    QFont f(QStringLiteral("NanumGothic"));
    f.setPixelSize(12);
    p.setFont(f);
    for (int i = 0; i < items.size(); ++i) {
        p.drawImage(places[i], items[i].image);
        p.setPen(Qt::white);
        p.drawText(places[i] + QPoint(0, items[i].image.height() + 13), items[i].label);
    }
    return sheet.save(out) || Fail(QStringLiteral("cannot write ") + out);
}

} // namespace

int main(int argc, char** argv)
{
    // Build logs stay quiet: the offscreen platform's note about a missing runtime folder says
    // nothing about the pictures.
    static const QtMessageHandler defaultHandler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && text.contains(QLatin1String("XDG_RUNTIME_DIR")))
            return;
        defaultHandler(type, context, text);
    });
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString command = args.value(1);
    auto outDir = [&](const QString& path) {
        QDir().mkpath(path);
        return QDir(path);
    };
    bool ok = false;
    if (command == QLatin1String("images") && args.size() == 3)
        ok = WriteImages(outDir(args[2]));
    else if (command == QLatin1String("viewer") && args.size() == 3)
        ok = WritePngs(ViewerPictures(), outDir(args[2]));
    else if (command == QLatin1String("admanager") && args.size() == 3)
        ok = WritePngs(AdManagerPictures(), outDir(args[2]));
    else if (command == QLatin1String("preview") && args.size() == 6)
        ok = BoardPreview(args[3], args[4], args[5] == QLatin1String("1")).save(args[2]);
    else if (command == QLatin1String("sheet") && args.size() >= 4)
        ok = WriteSheet(args[2], args.mid(3));
    else
        return Fail(QStringLiteral("usage: zivi-art images|viewer|admanager DIR, or sheet OUT.png DIR...")), 2;
    return ok ? 0 : 1;
}
