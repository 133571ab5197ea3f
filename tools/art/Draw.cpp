#include "tools/art/Draw.h"

#include <QFontMetricsF>
#include <QTransform>
#include <cmath>

namespace zivi::art {

QImage Supersample(int width, int height, int factor, const std::function<void(QPainter&)>& draw)
{
    QImage big(width * factor, height * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(factor, factor);
        draw(p);
    }
    if (factor == 1)
        return big;
    // Box filter: every output pixel is the mean of its factor x factor block.
    QImage out(width, height, QImage::Format_ARGB32_Premultiplied);
    const int n = factor * factor;
    for (int y = 0; y < height; ++y) {
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < factor; ++sy) {
                const QRgb* src = reinterpret_cast<const QRgb*>(big.constScanLine(y * factor + sy)) + x * factor;
                for (int sx = 0; sx < factor; ++sx) {
                    a += qAlpha(src[sx]);
                    r += qRed(src[sx]);
                    g += qGreen(src[sx]);
                    b += qBlue(src[sx]);
                }
            }
            dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return out;
}

QImage FlattenOnKey(const QImage& picture, QRgb key, QColor edge)
{
    const QImage src = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(s[x]);
            if (a < 110) {
                d[x] = key;
                continue;
            }
            const int r = (qRed(s[x]) * a + edge.red() * (255 - a)) / 255;
            const int g = (qGreen(s[x]) * a + edge.green() * (255 - a)) / 255;
            const int b = (qBlue(s[x]) * a + edge.blue() * (255 - a)) / 255;
            QRgb c = qRgb(r, g, b);
            if (c == (key | 0xff000000u)) // never the key by accident
                c = qRgb(r ^ 1, g, b);
            d[x] = c;
        }
    }
    return out;
}

QImage FlattenOn(const QImage& picture, QColor background)
{
    QImage out(picture.size(), QImage::Format_RGB32);
    out.fill(background);
    QPainter p(&out);
    p.drawImage(0, 0, picture);
    return out;
}

static QFont MakeFont(const QString& family, qreal pixelSize, bool bold)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont SansFont(qreal pixelSize, bool bold) { return MakeFont(QStringLiteral("NanumGothic"), pixelSize, bold); }
QFont RoundFont(qreal pixelSize, bool bold) { return MakeFont(QStringLiteral("NanumSquareRound"), pixelSize, bold); }
QFont SerifFont(qreal pixelSize, bool bold) { return MakeFont(QStringLiteral("NanumMyeongjo"), pixelSize, bold); }

QPainterPath TextPath(const QRectF& box, const QString& text, const QFont& font, int flags)
{
    // Fonts get integer pixel sizes; when the painter works in scaled units the caller passes
    // the size in those units and the path is built large and scaled down for precision.
    const qreal wanted = font.pixelSize();
    QFont big = font;
    const qreal k = 16;
    big.setPixelSize(int(wanted * k));
    QPainterPath path;
    path.addText(0, 0, big, text);
    QTransform t;
    t.scale(1 / k, 1 / k);
    path = t.map(path);
    const QRectF r = path.boundingRect();
    QFontMetricsF fm(big);
    const qreal ascent = fm.ascent() / k, descent = fm.descent() / k;
    qreal x = box.left() - r.left();
    if (flags & Qt::AlignHCenter)
        x = box.center().x() - r.center().x();
    else if (flags & Qt::AlignRight)
        x = box.right() - r.right();
    qreal y = box.top() + ascent;
    if (flags & Qt::AlignVCenter)
        y = box.center().y() - r.center().y();
    else if (flags & Qt::AlignBottom)
        y = box.bottom() - descent;
    path.translate(x, y);
    return path;
}

void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, QColor fill,
                  QColor outline, qreal outlineWidth, int flags)
{
    const QPainterPath path = TextPath(box, text, font, flags);
    p.save();
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(outline);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void Blossom(QPainter& p, QPointF c, qreal r, QColor petal, QColor heart, int petals, qreal turn)
{
    p.save();
    p.setPen(QPen(petal.darker(135), r * 0.12));
    p.setBrush(petal);
    for (int i = 0; i < petals; ++i) {
        const qreal a = turn + 2 * M_PI * i / petals;
        const QPointF pc = c + QPointF(std::cos(a), std::sin(a)) * r * 0.55;
        p.drawEllipse(pc, r * 0.5, r * 0.5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(heart);
    p.drawEllipse(c, r * 0.28, r * 0.28);
    p.restore();
}

void Leaf(QPainter& p, QPointF base, QPointF tip, qreal width, QColor fill, QColor vein)
{
    const QPointF d = tip - base;
    const qreal len = std::hypot(d.x(), d.y());
    if (len <= 0)
        return;
    const QPointF n(-d.y() / len, d.x() / len);
    const QPointF mid = base + d * 0.45;
    QPainterPath path(base);
    path.quadTo(mid + n * width, tip);
    path.quadTo(mid - n * width, base);
    p.save();
    p.setPen(QPen(fill.darker(140), width * 0.15));
    p.setBrush(fill);
    p.drawPath(path);
    if (vein.isValid()) {
        p.setPen(QPen(vein, width * 0.12));
        p.drawLine(base, base + d * 0.85);
    }
    p.restore();
}

} // namespace zivi::art
