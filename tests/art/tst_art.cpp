// The generated pictures and sounds of the game folder and the pictures compiled into both
// programs, read back from disk and from the resources the way the programs read them.
#include "records/AppConfig.h"
#include "tools/art/ArtNames.h"
#include "tools/art/GifWriter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace zivi::art;

namespace {

const QString kImages = QStringLiteral(ZIVI_GAME_DIR "/images/");
const QString kSounds = QStringLiteral(ZIVI_GAME_DIR "/sounds/");
constexpr QRgb kMagenta = 0xffff00ff;

QImage Load(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

QImage Cell(const QImage& sheet, int image, int w, int h) // image numbers from 1, row by row
{
    const int columns = sheet.width() / w;
    const int i = image - 1;
    return sheet.copy((i % columns) * w, (i / columns) * h, w, h);
}

double MeanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// Mean and spread of the grey level of a rectangle.
std::pair<double, double> GreyStats(const QImage& img, const QRect& r)
{
    double sum = 0, sq = 0;
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double g = qGray(img.pixel(x, y));
            sum += g;
            sq += g * g;
            ++n;
        }
    const double mean = sum / n;
    return {mean, std::sqrt(std::max(0.0, sq / n - mean * mean))};
}

int CountColour(const QImage& img, QRgb c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += (img.pixel(x, y) | 0xff000000u) == (c | 0xff000000u) && qAlpha(img.pixel(x, y)) == 255;
    return n;
}

struct Wav {
    bool ok = false;
    QString error;
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<qint16> samples; // interleaved
};

Wav ReadWav(const QString& path)
{
    Wav w;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        w.error = QStringLiteral("cannot open");
        return w;
    }
    const QByteArray all = f.readAll();
    if (all.size() < 12 || !all.startsWith("RIFF") || all.mid(8, 4) != "WAVE") {
        w.error = QStringLiteral("not a RIFF WAVE file");
        return w;
    }
    qsizetype pos = 12;
    bool haveFormat = false;
    while (pos + 8 <= all.size()) {
        const QByteArray id = all.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(all.constData() + pos + 4);
        const char* body = all.constData() + pos + 8;
        if (pos + 8 + qsizetype(size) > all.size()) {
            w.error = QStringLiteral("chunk runs past the end");
            return w;
        }
        if (id == "fmt ") {
            w.format = qFromLittleEndian<quint16>(body);
            w.channels = qFromLittleEndian<quint16>(body + 2);
            w.rate = int(qFromLittleEndian<quint32>(body + 4));
            w.bits = qFromLittleEndian<quint16>(body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat && w.bits == 16) {
            w.samples.resize(size / 2);
            for (size_t i = 0; i < w.samples.size(); ++i)
                w.samples[i] = qFromLittleEndian<qint16>(body + 2 * i);
            w.ok = true;
        }
        pos += 8 + size + (size & 1);
    }
    if (!w.ok && w.error.isEmpty())
        w.error = QStringLiteral("no 16-bit data chunk after a format chunk");
    return w;
}

// Median pitch of the voiced parts of a clip, by autocorrelation (Hz; 0 when nothing is voiced).
double MedianPitch(const Wav& w)
{
    std::vector<double> mono(w.samples.size() / 2);
    for (size_t i = 0; i < mono.size(); ++i)
        mono[i] = (w.samples[2 * i] + w.samples[2 * i + 1]) / 65536.0;
    const int frame = 2048, minLag = w.rate / 450, maxLag = w.rate / 60;
    std::vector<double> pitches;
    for (size_t start = 0; start + frame + maxLag < mono.size(); start += frame / 2) {
        double energy = 0;
        for (int i = 0; i < frame; ++i)
            energy += mono[start + i] * mono[start + i];
        if (energy / frame < 0.002)
            continue;
        double best = 0;
        int bestLag = 0;
        for (int lag = minLag; lag <= maxLag; ++lag) {
            double c = 0, e2 = 0;
            for (int i = 0; i < frame; ++i) {
                c += mono[start + i] * mono[start + i + lag];
                e2 += mono[start + i + lag] * mono[start + i + lag];
            }
            const double r = c / std::sqrt(energy * e2 + 1e-12);
            if (r > best) {
                best = r;
                bestLag = lag;
            }
        }
        if (best > 0.5)
            pitches.push_back(double(w.rate) / bestLag);
    }
    if (pitches.empty())
        return 0;
    std::sort(pitches.begin(), pitches.end());
    return pitches[pitches.size() / 2];
}

// Pixels beside the key that are nearly the key colour but not the key: they would show as a
// halo round the picture once the key is made transparent.
int CountNearKey(const QImage& img, QRgb key)
{
    auto isKey = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < img.width() && y < img.height() &&
               (img.pixel(x, y) | 0xff000000u) == (key | 0xff000000u);
    };
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) < 255 || isKey(x, y))
                continue;
            if (!isKey(x - 1, y) && !isKey(x + 1, y) && !isKey(x, y - 1) && !isKey(x, y + 1))
                continue;
            const int d = std::abs(qRed(c) - qRed(key)) + std::abs(qGreen(c) - qGreen(key)) +
                          std::abs(qBlue(c) - qBlue(key));
            n += d < 60;
        }
    return n;
}

} // namespace

class ArtTest : public QObject {
    Q_OBJECT

private slots:
    void imageFile_data();
    void imageFile();
    void imageMagickReadsImages_data() { imageFile_data(); }
    void imageMagickReadsImages();
    void cardSheetCells();
    void cardFacesAllDiffer();
    void goNumbersOnMagenta();
    void missionPictures();
    void panelsLeaveRoomForCards_data();
    void panelsLeaveRoomForCards();
    void resultPanelHasCloseButton();
    void boardHasQuietAreas_data();
    void boardHasQuietAreas();
    void missionMarksAreTransparentOutside();
    void compiledPictures_data();
    void compiledPictures();
    void keyedPicturesKeepTheirKey();
    void gifEncoderRoundTrip_data();
    void gifEncoderRoundTrip();
    void soundFile_data();
    void soundFile();
    void femaleVoicesAreHigher_data();
    void femaleVoicesAreHigher();
};

void ArtTest::imageFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    const ImageFiles f = MakeImageFiles(kImages);
    QTest::newRow("GAME2.JPG") << f.Game2 << QByteArray("jpeg") << 800 << 575;
    QTest::newRow("whatoo.gif") << f.Whatoo << QByteArray("gif") << 15 * 36 << 4 * 55;
    QTest::newRow("MIS.jpg") << f.Mis << QByteArray("jpeg") << 6 * 210 << 115;
    QTest::newRow("MIX.JPG") << f.Mix << QByteArray("jpeg") << 2 * 135 << 136;
    QTest::newRow("GONUM.GIF") << f.GoNum << QByteArray("gif") << 13 * 130 << 90;
    QTest::newRow("RESULT.jpg") << f.Result << QByteArray("jpeg") << 306 << 208;
    QTest::newRow("TONG.gif") << f.Tong << QByteArray("gif") << 223 << 148;
    QTest::newRow("WAVEOK.gif") << f.WaveOk << QByteArray("gif") << 223 << 148;
    QTest::newRow("MNUM.gif") << f.MNum << QByteArray("gif") << 5 * 55 << 55;
    QTest::newRow("O.gif") << f.O << QByteArray("gif") << 44 << 44;
    QTest::newRow("X.gif") << f.X << QByteArray("gif") << 44 << 44;
}

void ArtTest::imageFile()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(int, width);
    QFETCH(int, height);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage img = reader.read();
    QVERIFY2(!img.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(QImageReader::imageFormat(path), format); // the content is what the name says
    QCOMPARE(img.size(), QSize(width, height));
}

void ArtTest::imageMagickReadsImages()
{
    const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
    if (identify.isEmpty())
        QSKIP("ImageMagick is not installed");
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(int, width);
    QFETCH(int, height);
    QProcess p;
    p.start(identify, {QStringLiteral("-regard-warnings"), QStringLiteral("-format"), QStringLiteral("%m %w %h\n"), path});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(QString::fromLatin1(p.readAllStandardError()), QString());
    const QString expected = QStringLiteral("%1 %2 %3").arg(format == "jpeg" ? "JPEG" : "GIF").arg(width).arg(height);
    QCOMPARE(QString::fromLatin1(p.readAllStandardOutput()).trimmed(), expected);
}

void ArtTest::cardSheetCells()
{
    const QImage sheet = Load(kImages + QStringLiteral("whatoo.gif"));
    QCOMPARE(sheet.size(), QSize(kCardSheetColumns * 36, kCardSheetRows * 55));
    // Every card picture is fully opaque card: no magenta that a mask would punch through.
    QList<int> cards;
    for (int i = 1; i <= 50; ++i)
        cards << i;
    for (int i = 52; i <= 56; ++i)
        cards << i;
    for (int image : cards) {
        const QImage c = Cell(sheet, image, 36, 55);
        QVERIFY2(CountColour(c, kMagenta) == 0, qPrintable(QStringLiteral("image %1 holds magenta").arg(image)));
    }
    // The ppeok marks lie over a card: magenta around the mark, the mark in the middle.
    for (int image : {57, 58}) {
        const QImage c = Cell(sheet, image, 36, 55);
        for (QPoint corner : {QPoint(0, 0), QPoint(35, 0), QPoint(0, 54), QPoint(35, 54)})
            QCOMPARE(c.pixel(corner) | 0xff000000u, kMagenta);
        QVERIFY((c.pixel(18, 27) | 0xff000000u) != kMagenta);
        QCOMPARE(CountNearKey(c, kMagenta), 0);
        const int covered = 36 * 55 - CountColour(c, kMagenta);
        QVERIFY2(covered > 300 && covered < 36 * 55 / 2, qPrintable(QString::number(covered)));
    }
    // The two marks are told apart (one per player).
    QVERIFY(MeanDifference(Cell(sheet, 57, 36, 55), Cell(sheet, 58, 36, 55)) > 5);
    // Unused cells stay empty.
    for (int image : {51, 59, 60})
        QCOMPARE(CountColour(Cell(sheet, image, 36, 55), kMagenta), 36 * 55);
}

void ArtTest::cardFacesAllDiffer()
{
    const QImage sheet = Load(kImages + QStringLiteral("whatoo.gif"));
    QList<int> images;
    for (int i = 1; i <= 50; ++i)
        images << i; // 48 faces, the back and the bomb card
    for (int i = 52; i <= 56; ++i)
        images << i; // bonus cards
    double smallest = 1e9;
    QString pair;
    for (int a = 0; a < images.size(); ++a)
        for (int b = a + 1; b < images.size(); ++b) {
            const double d = MeanDifference(Cell(sheet, images[a], 36, 55), Cell(sheet, images[b], 36, 55));
            if (d < smallest) {
                smallest = d;
                pair = QStringLiteral("images %1 and %2").arg(images[a]).arg(images[b]);
            }
        }
    // A mean difference of 6 levels per channel is far beyond what palette rounding could make.
    QVERIFY2(smallest > 6, qPrintable(QStringLiteral("%1 differ by only %2").arg(pair).arg(smallest)));
}

void ArtTest::goNumbersOnMagenta()
{
    const QImage strip = Load(kImages + QStringLiteral("GONUM.GIF"));
    QList<QImage> cells;
    for (int i = 1; i <= 13; ++i) {
        const QImage c = Cell(strip, i, 130, 90);
        // The sprite takes its transparent colour from the top-left pixel.
        QCOMPARE(c.pixel(0, 0) | 0xff000000u, kMagenta);
        QCOMPARE(CountNearKey(c, kMagenta), 0);
        const int shown = 130 * 90 - CountColour(c, kMagenta);
        QVERIFY2(shown > 130 * 90 / 8, qPrintable(QStringLiteral("cell %1 is nearly empty").arg(i)));
        for (const QImage& earlier : cells)
            QVERIFY2(MeanDifference(c, earlier) > 3, qPrintable(QStringLiteral("cell %1 repeats").arg(i)));
        cells << c;
    }
}

void ArtTest::missionPictures()
{
    const QImage mis = Load(kImages + QStringLiteral("MIS.jpg"));
    QList<QImage> frames;
    for (int i = 1; i <= 6; ++i)
        frames << Cell(mis, i, 210, 115);
    for (int i = 1; i < 6; ++i) // every frame of the opening moves on
        QVERIFY2(MeanDifference(frames[i - 1], frames[i]) > 4, qPrintable(QStringLiteral("frames %1, %2").arg(i).arg(i + 1)));
    // The rate cell is copied unscaled onto frame 5 at (121, 18): its background matches there.
    const QImage rates = Load(kImages + QStringLiteral("MNUM.gif"));
    for (int r = 0; r < 5; ++r) {
        const QImage cell = Cell(rates, r + 1, 55, 55);
        const QRgb corner = cell.pixel(1, 1), panel = frames[4].pixel(121 + 1, 18 + 1);
        QVERIFY2(std::abs(qRed(corner) - qRed(panel)) + std::abs(qGreen(corner) - qGreen(panel)) +
                         std::abs(qBlue(corner) - qBlue(panel)) < 24,
                 qPrintable(QStringLiteral("rate cell %1 does not blend into the panel").arg(r + 1)));
        if (r > 0)
            QVERIFY(MeanDifference(cell, Cell(rates, r, 55, 55)) > 2);
    }
    // The card area of frame 5 is calm enough for the mission's cards.
    QVERIFY(GreyStats(frames[4], QRect(30, 18, 80, 52)).second < 14);
    const QImage mix = Load(kImages + QStringLiteral("MIX.JPG"));
    QVERIFY(MeanDifference(Cell(mix, 1, 135, 136), Cell(mix, 2, 135, 136)) > 5);
}

void ArtTest::panelsLeaveRoomForCards_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<QPoint>>("places");
    QTest::newRow("TONG.gif") << QStringLiteral("TONG.gif")
                              << QList<QPoint>{{16, 66}, {67, 66}, {118, 66}, {169, 66}};
    QTest::newRow("WAVEOK.gif") << QStringLiteral("WAVEOK.gif") << QList<QPoint>{{43, 66}, {94, 66}, {145, 66}};
}

void ArtTest::panelsLeaveRoomForCards()
{
    QFETCH(QString, file);
    QFETCH(QList<QPoint>, places);
    const QImage img = Load(kImages + file);
    for (const QPoint& at : places) {
        const auto [mean, spread] = GreyStats(img, QRect(at + QPoint(3, 3), QSize(30, 49)));
        QVERIFY2(spread < 12, qPrintable(QStringLiteral("busy card place at %1,%2").arg(at.x()).arg(at.y())));
        Q_UNUSED(mean);
    }
}

void ArtTest::resultPanelHasCloseButton()
{
    const QImage img = Load(kImages + QStringLiteral("RESULT.jpg"));
    const double inside = GreyStats(img, QRect(112, 168, 92, 32)).first;
    const double left = GreyStats(img, QRect(60, 170, 40, 30)).first;
    const double right = GreyStats(img, QRect(215, 170, 40, 30)).first;
    QVERIFY2(inside - left > 60 && inside - right > 60,
             qPrintable(QStringLiteral("button %1, beside it %2 and %3").arg(inside).arg(left).arg(right)));
    // The body where the texts go is dark enough for white and light-yellow letters.
    QVERIFY(GreyStats(img, QRect(20, 50, 266, 100)).first < 90);
}

void ArtTest::boardHasQuietAreas_data()
{
    QTest::addColumn<QRect>("area");
    const int slotX[] = {227, 316, 187, 339, 217, 307, 137, 407, 97, 429, 127, 397};
    const int slotY[] = {150, 150, 243, 243, 334, 334, 150, 150, 243, 243, 334, 334};
    for (int i = 0; i < 12; ++i)
        QTest::addRow("table slot %d", i) << QRect(slotX[i], slotY[i], 36, 55);
    QTest::newRow("lower hand") << QRect(389, 456, 192, 113);
    QTest::newRow("upper hand") << QRect(399, 27, 83, 48);
    QTest::newRow("upper name") << QRect(625, 12, 140, 20);
    QTest::newRow("lower name") << QRect(625, 461, 140, 20);
    QTest::newRow("stake line") << QRect(602, 102, 183, 16);
    QTest::newRow("slogan") << QRect(620, 550, 170, 18);
}

void ArtTest::boardHasQuietAreas()
{
    static const QImage board = Load(kImages + QStringLiteral("GAME2.JPG"));
    QFETCH(QRect, area);
    const auto [mean, spread] = GreyStats(board, area.adjusted(2, 2, -2, -2));
    QVERIFY2(spread < 10, qPrintable(QStringLiteral("spread %1").arg(spread)));
    QVERIFY2(mean < 110, qPrintable(QStringLiteral("too bright for light labels and cards: %1").arg(mean)));
}

void ArtTest::missionMarksAreTransparentOutside()
{
    for (const char* name : {"O.gif", "X.gif"}) {
        const QImage img = Load(kImages + QLatin1String(name));
        QVERIFY(img.hasAlphaChannel());
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(img.pixel(43, 43)), 0);
    }
    const QImage o = Load(kImages + QStringLiteral("O.gif"));
    QCOMPARE(qAlpha(o.pixel(22, 22)), 0);    // the ring is hollow
    QCOMPARE(qAlpha(o.pixel(22, 6)), 255);   // its top
    const QImage x = Load(kImages + QStringLiteral("X.gif"));
    QCOMPARE(qAlpha(x.pixel(22, 22)), 255);  // the cross
    QCOMPARE(qAlpha(x.pixel(22, 4)), 0);
}

void ArtTest::compiledPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const PictureResource& r : kViewerPictures)
        QTest::newRow(r.name) << QString::fromLatin1(r.name) << QSize(r.width, r.height);
    for (const PictureResource& r : kAdManagerPictures)
        QTest::newRow(r.name) << QString::fromLatin1(r.name) << QSize(r.width, r.height);
}

void ArtTest::compiledPictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QVERIFY2(QFile::exists(name), qPrintable(name));
    const QImage img = Load(name);
    QVERIFY(!img.isNull());
    QCOMPARE(img.size(), size);
    // Something is drawn: not one flat colour.
    QVERIFY(GreyStats(img, img.rect()).second > 5);
}

void ArtTest::keyedPicturesKeepTheirKey()
{
    const QImage emblem = Load(QString::fromLatin1(kEmblem));
    for (QPoint corner : {QPoint(0, 0), QPoint(152, 0), QPoint(0, 150), QPoint(152, 150)})
        QCOMPARE(emblem.pixel(corner), QRgb(kEmblemKey));
    QVERIFY(emblem.pixel(76, 70) != QRgb(kEmblemKey));
    QCOMPARE(qAlpha(emblem.pixel(76, 70)), 255);
    // The flash frames the card that lands at (10, 10) and lets it show through.
    const QImage flash = Load(QString::fromLatin1(kFlash));
    QCOMPARE(flash.pixel(0, 0), QRgb(kMagentaKey));
    QCOMPARE(flash.pixel(28, 37), QRgb(kMagentaKey));
    QCOMPARE(flash.pixel(20, 30), QRgb(kMagentaKey));
    QVERIFY(flash.pixel(8, 37) != QRgb(kMagentaKey));
    QVERIFY(flash.pixel(28, 8) != QRgb(kMagentaKey));
    QCOMPARE(CountNearKey(flash, kMagentaKey), 0);
    QCOMPARE(CountNearKey(emblem, kEmblemKey), 0);
    // The game screen shows where the advertisement goes.
    const QImage screen = Load(QString::fromLatin1(kGameScreen));
    const QRect ad(kGameScreenAdX, kGameScreenAdY, kGameScreenAdWidth, kGameScreenAdHeight);
    QVERIFY(GreyStats(screen, ad.adjusted(4, 4, -4, -4)).first > GreyStats(screen, QRect(15, 140, 210, 20)).first + 20);
}

void ArtTest::gifEncoderRoundTrip_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<bool>("keyed"); // magenta kept as a key colour
    // Few colours: every pixel must come back exactly.
    QImage flat(37, 23, QImage::Format_RGB32);
    flat.fill(Qt::red);
    for (int x = 0; x < 37; ++x)
        flat.setPixel(x, x % 23, qRgb(0, x * 7, 255 - x));
    QTest::newRow("few colours") << flat << true << false;
    // 256 colours in noise: long codes, the code table refills several times.
    QImage noise(300, 211, QImage::Format_RGB32);
    quint32 s = 12345;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) {
            s = s * 1103515245u + 12345u;
            const int v = int((s >> 16) & 0xff);
            noise.setPixel(x, y, qRgb(v, (v * 3) & 0xff, 255 - v));
        }
    QTest::newRow("256 colours of noise") << noise << true << false;
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(Qt::blue);
    QTest::newRow("one pixel") << one << true << false;
    // A smooth gradient has more colours than a GIF holds: it is reduced, not garbled.
    QImage gradient(256, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x)
            gradient.setPixel(x, y, qRgb(x, y * 4, (x + y) / 2));
    QTest::newRow("many colours") << gradient << false << false;
    // Thousands of colours crowding the key, flat patches that reduce to equal averages, and the
    // key itself: only key pixels may come back as the key.
    QImage crowd(320, 120, QImage::Format_RGB32);
    for (int y = 0; y < crowd.height(); ++y)
        for (int x = 0; x < crowd.width(); ++x) {
            QRgb c = qRgb(255 - (x % 7), (y % 5), 255 - ((x + y) % 6));
            if ((x / 40) % 2)
                c = qRgb(((x / 40) * 16) & 0xff, 100, 100);
            if ((x + y) % 29 == 0)
                c = kMagenta;
            crowd.setPixel(x, y, c);
        }
    QTest::newRow("colours crowding the key") << crowd << false << true;
}

void ArtTest::gifEncoderRoundTrip()
{
    QFETCH(QImage, image);
    QFETCH(bool, exact);
    QFETCH(bool, keyed);
    GifOptions options;
    if (keyed)
        options.exactColours = {kMagenta};
    QByteArray bytes = EncodeGif(image, options);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "gif");
    const QImage back = reader.read().convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!back.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(back.size(), image.size());
    if (exact)
        QCOMPARE(back, image.convertToFormat(QImage::Format_RGB32));
    else
        QVERIFY2(MeanDifference(back, image) < 6, qPrintable(QString::number(MeanDifference(back, image))));
    if (keyed)
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE((back.pixel(x, y) | 0xff000000u) == kMagenta, (image.pixel(x, y) | 0xff000000u) == kMagenta);
}

void ArtTest::soundFile_data()
{
    QTest::addColumn<QString>("path");
    for (int slot = 0; slot < SoundSlotCount; ++slot)
        QTest::newRow(qPrintable(SoundNames()[size_t(slot)])) << SoundFile(kSounds, slot);
}

void ArtTest::soundFile()
{
    QFETCH(QString, path);
    const Wav w = ReadWav(path);
    QVERIFY2(w.ok, qPrintable(path + QStringLiteral(": ") + w.error));
    QCOMPARE(w.format, 1);
    QCOMPARE(w.rate, 44100);
    QCOMPARE(w.bits, 16);
    QCOMPARE(w.channels, 2);
    const size_t tail = size_t(0.2 * 44100) * 2;
    QVERIFY(w.samples.size() > tail + 44100 / 50 * 2); // at least 20 ms of sound
    int tailPeak = 0;
    for (size_t i = w.samples.size() - tail; i < w.samples.size(); ++i)
        tailPeak = std::max(tailPeak, std::abs(int(w.samples[i])));
    QVERIFY2(tailPeak <= 4, qPrintable(QStringLiteral("the last 200 ms reach %1").arg(tailPeak)));
    int peak = 0;
    double energy = 0;
    const size_t body = w.samples.size() - tail;
    for (size_t i = 0; i < body; ++i) {
        peak = std::max(peak, std::abs(int(w.samples[i])));
        energy += double(w.samples[i]) * w.samples[i];
    }
    const double rms = std::sqrt(energy / double(body));
    QVERIFY2(peak > 16000, qPrintable(QStringLiteral("peak %1").arg(peak)));
    QVERIFY2(rms > 600, qPrintable(QStringLiteral("rms %1").arg(rms)));
}

void ArtTest::femaleVoicesAreHigher_data()
{
    QTest::addColumn<QString>("name");
    for (int slot = 20; slot < 40; ++slot)
        QTest::newRow(qPrintable(SoundNames()[size_t(slot)].mid(2))) << SoundNames()[size_t(slot)].mid(2);
}

void ArtTest::femaleVoicesAreHigher()
{
    QFETCH(QString, name);
    const Wav male = ReadWav(kSounds + QStringLiteral("M/") + name + QStringLiteral(".wav"));
    const Wav female = ReadWav(kSounds + QStringLiteral("F/") + name + QStringLiteral(".wav"));
    QVERIFY(male.ok && female.ok);
    const double m = MedianPitch(male), f = MedianPitch(female);
    QVERIFY2(m > 0 && f > 0, qPrintable(QStringLiteral("no voiced sound (%1, %2)").arg(m).arg(f)));
    QVERIFY2(f > m * 1.3, qPrintable(QStringLiteral("male %1 Hz, female %2 Hz").arg(m).arg(f)));
}

QTEST_MAIN(ArtTest)
#include "tst_art.moc"
