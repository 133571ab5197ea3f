// Drawing helpers shared by the picture generators: supersampled rendering, hard-edged key
// colours, outlined text and the fonts the pictures use.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>

namespace zivi::art {

constexpr QRgb kMagenta = 0xffff00ff;
constexpr QRgb kLightGrey = 0xfff0f0f0; // 240, 240, 240

// Draws at `factor` times the size in the picture's own units and scales down by averaging.
// The result is ARGB32 (premultiplied) with the alpha the drawing left.
QImage Supersample(int width, int height, int factor, const std::function<void(QPainter&)>& draw);

// Flattens a picture with alpha onto a key colour: pixels that are mostly transparent become
// exactly the key, all others opaque (blended over `edge`), so no soft fringe mixes with the key.
QImage FlattenOnKey(const QImage& picture, QRgb key, QColor edge = QColor(0, 0, 0));

// Flattens a picture with alpha onto an opaque background colour.
QImage FlattenOn(const QImage& picture, QColor background);

// Fonts installed with the project's packages (Korean and the few Hanja the cards use).
QFont SansFont(qreal pixelSize, bool bold = true);
QFont RoundFont(qreal pixelSize, bool bold = true);
QFont SerifFont(qreal pixelSize, bool bold = true);

// Text with an outline, centred in `box` unless `flags` says otherwise.
void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, QColor fill,
                  QColor outline, qreal outlineWidth, int flags = Qt::AlignCenter);

// A path of `text` centred in `box`.
QPainterPath TextPath(const QRectF& box, const QString& text, const QFont& font, int flags = Qt::AlignCenter);

// Five- (or n-) petal flower.
void Blossom(QPainter& p, QPointF centre, qreal radius, QColor petal, QColor heart, int petals = 5,
             qreal turn = 0);

// A pointed leaf from base to tip.
void Leaf(QPainter& p, QPointF base, QPointF tip, qreal width, QColor fill, QColor vein = QColor());

// Deterministic pseudo-random numbers for textures.
class Noise {
public:
    explicit Noise(quint32 seed) : state_(seed ? seed : 1) {}
    quint32 next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double unit() { return double(next() % 100000) / 100000.0; } // 0 .. 1
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    quint32 state_;
};

} // namespace zivi::art
