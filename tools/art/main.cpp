// zivi-art: draws the pictures of the game folder and the pictures compiled into the programs.
//
//   zivi-art images DIR         the picture files the viewer loads from images/
//   zivi-art viewer DIR         the viewer's own pictures (PNG)
//   zivi-art admanager DIR      the ad manager's own pictures (PNG)
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
    else if (command == QLatin1String("sheet") && args.size() >= 4)
        ok = WriteSheet(args[2], args.mid(3));
    else
        return Fail(QStringLiteral("usage: zivi-art images|viewer|admanager DIR, or sheet OUT.png DIR...")), 2;
    return ok ? 0 : 1;
}
