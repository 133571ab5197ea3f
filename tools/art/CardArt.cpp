#include "tools/art/CardArt.h"

#include "tools/art/Draw.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

namespace zivi::art {
namespace {

using Painter = QPainter;
constexpr qreal W = kCardWidth;
constexpr qreal H = kCardHeight;

const QColor kFace(251, 244, 226);
const QColor kInk(40, 26, 20);
const QColor kRed(210, 32, 40);
const QColor kSkyRed(222, 58, 52);
const QColor kPine(28, 104, 58);
const QColor kPineDark(14, 62, 36);
const QColor kBlue(30, 70, 190);
const QColor kGold(246, 196, 48);

QPainterPath CardShape(qreal inset = 0)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(inset, inset, W - 2 * inset, H - 2 * inset), 3.2 - inset * 0.5, 3.2 - inset * 0.5);
    return path;
}

// Renders a card-shaped picture at any size; `draw` works in 36 x 55 units, clipped to the card.
QImage RenderCard(int width, int height, QColor face, const std::function<void(Painter&)>& draw)
{
    const int factor = std::max(4, 216 / std::max(1, width));
    const QImage img = Supersample(width, height, factor, [&](Painter& p) {
        p.scale(width / W, height / H);
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawPath(CardShape(0.3));
        p.save();
        p.setClipPath(CardShape(1.0));
        draw(p);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kInk, 0.9));
        p.drawPath(CardShape(0.45));
    });
    // Corners outside the rounded card: a dark table colour, so the card reads as one shape.
    return FlattenOn(img, QColor(24, 40, 30));
}

// --- marks ------------------------------------------------------------------------------------

void BrightMark(Painter& p)
{
    p.save();
    p.setPen(QPen(QColor(120, 10, 14), 0.6));
    p.setBrush(kRed);
    const QRectF r(1.6, 1.6, 11, 11);
    p.drawEllipse(r);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(TextPath(r.adjusted(0, 0.2, 0, 0.2), QStringLiteral("光"), SansFont(9.2, true)));
    p.restore();
}

void DoubleMark(Painter& p)
{
    p.save();
    const QRectF r(1.7, H - 12.6, 10.5, 10.5);
    p.setPen(QPen(QColor(110, 70, 0), 0.6));
    p.setBrush(kGold);
    p.drawEllipse(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 20, 10));
    p.drawPath(TextPath(r.adjusted(0, 0.3, 0, 0.3), QStringLiteral("2"), RoundFont(9.5, true)));
    p.restore();
}

// A hanging paper ribbon; `text` is written down it (empty for a plain ribbon).
void Ribbon(Painter& p, QColor colour, const QString& text, QPointF top = QPointF(17, 7), qreal angle = -8,
            QColor stripe = QColor())
{
    p.save();
    p.translate(top);
    p.rotate(angle);
    const qreal w = 8.2, h = 30;
    QPainterPath path;
    path.moveTo(-w / 2, 0);
    path.lineTo(w / 2, 0);
    path.lineTo(w / 2, h);
    path.lineTo(0, h - 2.6);
    path.lineTo(-w / 2, h);
    path.closeSubpath();
    p.setPen(QPen(colour.darker(170), 0.7));
    p.setBrush(colour);
    p.drawPath(path);
    if (stripe.isValid()) {
        p.setPen(Qt::NoPen);
        p.setBrush(stripe);
        p.drawRect(QRectF(-w / 2 + 0.4, 9, w - 0.8, 4));
        p.setBrush(QColor(30, 80, 200));
        p.drawRect(QRectF(-w / 2 + 0.4, 17, w - 0.8, 4));
    }
    // the cord it hangs on
    p.setPen(QPen(colour.darker(200), 0.5));
    p.drawLine(QPointF(-w / 2, 0.6), QPointF(w / 2, 0.6));
    if (!text.isEmpty()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(15, 10, 10));
        for (int i = 0; i < text.size(); ++i)
            p.drawPath(TextPath(QRectF(-w / 2, 3.5 + i * 8.4, w, 8), text.mid(i, 1), SerifFont(7.4, true)));
    }
    p.restore();
}

// --- plants -----------------------------------------------------------------------------------

void PineClump(Painter& p, QPointF c, qreal r)
{
    p.save();
    p.setPen(QPen(kPineDark, 0.5));
    p.setBrush(kPine);
    QPainterPath path;
    path.addEllipse(c, r * 1.35, r * 0.72);
    p.drawPath(path);
    p.setPen(QPen(QColor(120, 190, 120), 0.45));
    for (int i = -3; i <= 3; ++i)
        p.drawLine(c + QPointF(i * r * 0.33, -r * 0.45), c + QPointF(i * r * 0.38, r * 0.35));
    p.restore();
}

void Pine(Painter& p, bool mirror, qreal shift = 0)
{
    p.save();
    if (mirror) {
        p.translate(W, 0);
        p.scale(-1, 1);
    }
    p.translate(shift, 0);
    p.setPen(QPen(QColor(96, 56, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath trunk(QPointF(6, 56));
    trunk.cubicTo(QPointF(10, 42), QPointF(4, 34), QPointF(13, 22));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trunk);
    p.setPen(QPen(QColor(96, 56, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 38), QPointF(22, 33));
    p.drawLine(QPointF(12, 26), QPointF(26, 18));
    PineClump(p, QPointF(14, 19), 5.5);
    PineClump(p, QPointF(25, 30), 5.2);
    PineClump(p, QPointF(8, 36), 4.2);
    PineClump(p, QPointF(26, 16), 3.8);
    p.restore();
}

void Plum(Painter& p, bool mirror, int seed)
{
    p.save();
    if (mirror) {
        p.translate(W, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(30, 22, 20), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath branch(QPointF(2, 52));
    branch.lineTo(12, 40);
    branch.lineTo(9, 28);
    branch.lineTo(20, 16);
    branch.lineTo(30, 8);
    p.drawPath(branch);
    p.setPen(QPen(QColor(30, 22, 20), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 40), QPointF(27, 36));
    p.drawLine(QPointF(9, 28), QPointF(3, 20));
    const QColor petal(214, 30, 62), heart(255, 236, 160);
    Noise n(seed);
    const QPointF spots[] = {{20, 16}, {29, 9}, {27, 36}, {12, 40}, {4, 21}, {16, 24}, {22, 38}};
    for (const QPointF& s : spots)
        Blossom(p, s, 3.0 + n.range(-0.4, 0.4), petal, heart, 5, n.range(0, 1));
    p.restore();
}

void Cherry(Painter& p, int clusters, bool mirror)
{
    p.save();
    if (mirror) {
        p.translate(W, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(80, 40, 30), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 10), QPointF(36, 4));
    p.drawLine(QPointF(10, 8), QPointF(16, 20));
    const QColor petal(247, 170, 196), heart(214, 40, 90);
    const QPointF spots[] = {{6, 7}, {14, 11}, {24, 6}, {32, 10}, {17, 20}, {10, 17}, {28, 17}, {21, 28}, {7, 26}};
    for (int i = 0; i < clusters && i < 9; ++i)
        Blossom(p, spots[i], 3.6, petal, heart, 5, i * 0.7);
    p.restore();
}

void Strands(Painter& p, QColor stem, QColor leaf, QColor flower, bool hanging, int seed)
{
    p.save();
    Noise n(seed);
    for (int s = 0; s < 6; ++s) {
        const qreal x0 = 3 + s * 6.0 + n.range(-1, 1);
        QPainterPath path;
        if (hanging) {
            path.moveTo(x0, 0);
            path.cubicTo(QPointF(x0 + 4, 14), QPointF(x0 - 3, 30), QPointF(x0 + 2, 42 + n.range(-6, 6)));
        } else {
            path.moveTo(x0, 56);
            path.cubicTo(QPointF(x0 - 4, 40), QPointF(x0 + 5, 26), QPointF(x0 + 1, 12 + n.range(-6, 6)));
        }
        p.setPen(QPen(stem, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        for (int k = 1; k <= 7; ++k) {
            const qreal t = k / 8.0;
            const QPointF at = path.pointAtPercent(t);
            const qreal side = (k % 2) ? 1 : -1;
            Leaf(p, at, at + QPointF(side * 3.2, hanging ? 1.6 : -1.6), 1.1, leaf);
            if (k % 3 == 0)
                Blossom(p, at + QPointF(-side * 1.2, 0), 1.3, flower, flower.lighter(150), 4);
        }
    }
    p.restore();
}

void Iris(Painter& p, bool mirror, int flowers)
{
    p.save();
    if (mirror) {
        p.translate(W, 0);
        p.scale(-1, 1);
    }
    const QColor leaf(40, 120, 70);
    for (int i = 0; i < 7; ++i) {
        const qreal x = 4 + i * 4.6;
        Leaf(p, QPointF(x, 57), QPointF(x + (i % 2 ? 5 : -3), 14 + (i % 3) * 4), 1.5, leaf);
    }
    const QColor purple(88, 52, 170), pale(170, 140, 230);
    const QPointF spots[] = {{10, 16}, {25, 12}, {18, 24}};
    for (int i = 0; i < flowers && i < 3; ++i) {
        p.setPen(QPen(purple.darker(150), 0.4));
        p.setBrush(purple);
        const QPointF c = spots[i];
        p.drawEllipse(c + QPointF(-2.2, 0), 2.4, 1.5);
        p.drawEllipse(c + QPointF(2.2, 0), 2.4, 1.5);
        p.setBrush(pale);
        p.drawEllipse(c + QPointF(0, -1.8), 1.5, 2.6);
        p.setBrush(QColor(250, 220, 60));
        p.drawEllipse(c + QPointF(0, 0.5), 0.7, 0.7);
    }
    p.restore();
}

void Peony(Painter& p, QPointF c, qreal r)
{
    p.save();
    Leaf(p, c + QPointF(-r * 0.3, r * 0.4), c + QPointF(-r * 1.7, r * 1.6), r * 0.5, QColor(30, 110, 60));
    Leaf(p, c + QPointF(r * 0.3, r * 0.4), c + QPointF(r * 1.8, r * 1.3), r * 0.5, QColor(30, 110, 60));
    Leaf(p, c, c + QPointF(r * 0.2, r * 2.4), r * 0.45, QColor(20, 90, 50));
    const QColor outer(196, 20, 50), inner(236, 80, 110);
    p.setPen(QPen(outer.darker(150), 0.5));
    p.setBrush(outer);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.6, r * 0.5, r * 0.5);
    }
    p.setBrush(inner);
    for (int i = 0; i < 5; ++i) {
        const qreal a = i * 2 * M_PI / 5 + 0.3;
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.3, r * 0.35, r * 0.35);
    }
    p.setBrush(QColor(250, 210, 80));
    p.drawEllipse(c, r * 0.18, r * 0.18);
    p.restore();
}

void Chrysanthemum(Painter& p, QPointF c, qreal r, QColor petal)
{
    p.save();
    p.setPen(QPen(petal.darker(150), 0.35));
    p.setBrush(petal);
    for (int i = 0; i < 16; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 22.5);
        p.drawEllipse(QRectF(-r * 0.16, -r, r * 0.32, r * 0.75));
        p.restore();
    }
    p.setBrush(QColor(230, 120, 20));
    p.drawEllipse(c, r * 0.32, r * 0.32);
    p.restore();
}

void ChrysanthemumPlant(Painter& p, bool mirror, QColor petal)
{
    p.save();
    if (mirror) {
        p.translate(W, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(40, 100, 40), 1.0));
    p.drawLine(QPointF(10, 56), QPointF(12, 20));
    p.drawLine(QPointF(24, 56), QPointF(24, 34));
    for (int i = 0; i < 4; ++i) {
        Leaf(p, QPointF(11, 50 - i * 8), QPointF(3 + (i % 2) * 16, 44 - i * 8), 2.0, QColor(40, 120, 50));
        Leaf(p, QPointF(24, 52 - i * 5), QPointF(32 - (i % 2) * 14, 47 - i * 6), 1.8, QColor(40, 120, 50));
    }
    Chrysanthemum(p, QPointF(12, 16), 7, petal);
    Chrysanthemum(p, QPointF(26, 32), 5.5, petal);
    p.restore();
}

void MapleLeaf(Painter& p, QPointF c, qreal r, QColor colour, qreal turn)
{
    p.save();
    p.translate(c);
    p.rotate(turn);
    QPainterPath path;
    const int points = 7;
    for (int i = 0; i <= points * 2; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / points;
        const qreal rr = (i % 2 == 0) ? r : r * 0.45;
        const QPointF q(std::cos(a) * rr, std::sin(a) * rr * (std::sin(a) > 0.6 ? 0.6 : 1));
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    path.closeSubpath();
    p.setPen(QPen(colour.darker(160), 0.4));
    p.setBrush(colour);
    p.drawPath(path);
    p.setPen(QPen(colour.darker(180), 0.4));
    p.drawLine(QPointF(0, 0), QPointF(0, r * 1.1));
    p.restore();
}

void Maple(Painter& p, bool mirror, int seed)
{
    p.save();
    if (mirror) {
        p.translate(W, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(90, 50, 30), 1.0));
    p.drawLine(QPointF(36, 4), QPointF(6, 30));
    p.drawLine(QPointF(20, 18), QPointF(26, 40));
    Noise n(seed);
    const QPointF spots[] = {{8, 29}, {16, 20}, {27, 11}, {24, 38}, {30, 24}, {12, 42}, {20, 30}};
    for (const QPointF& s : spots) {
        const QColor c = n.unit() < 0.7 ? QColor(206, 36, 28) : QColor(236, 120, 30);
        MapleLeaf(p, s, 4.2, c, n.range(-30, 30));
    }
    p.restore();
}

void Paulownia(Painter& p, bool mirror, bool yellowSky)
{
    p.save();
    if (yellowSky) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 214, 90));
        p.drawRect(QRectF(0, 0, W, H));
    }
    if (mirror) {
        p.translate(W, 0);
        p.scale(-1, 1);
    }
    // flower stalk
    p.setPen(QPen(QColor(70, 60, 40), 1.0));
    p.drawLine(QPointF(18, 24), QPointF(18, 6));
    for (int i = 0; i < 6; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(160, 100, 200) : QColor(240, 200, 60));
        p.drawEllipse(QPointF(18 + (i % 2 ? 2.2 : -2.2), 6 + i * 3.0), 1.7, 1.5);
    }
    // big dark leaves
    const QColor leaf(22, 26, 24);
    auto bigLeaf = [&](QPointF c, qreal r, qreal turn) {
        p.save();
        p.translate(c);
        p.rotate(turn);
        // a broad heart-shaped leaf with a pointed tip
        QPainterPath path(QPointF(0, r * 0.85));
        path.cubicTo(QPointF(-r * 1.35, r * 0.75), QPointF(-r * 1.2, -r * 0.6), QPointF(0, -r * 1.15));
        path.cubicTo(QPointF(r * 1.2, -r * 0.6), QPointF(r * 1.35, r * 0.75), QPointF(0, r * 0.85));
        p.setPen(QPen(QColor(120, 150, 120), 0.5));
        p.setBrush(leaf);
        p.drawPath(path);
        p.setPen(QPen(QColor(150, 175, 150), 0.6));
        p.drawLine(QPointF(0, r * 0.85), QPointF(0, -r * 0.95));
        for (int k = 0; k < 3; ++k) {
            const qreal y = r * (0.35 - k * 0.45);
            p.drawLine(QPointF(0, y), QPointF(-r * 0.7, y - r * 0.35));
            p.drawLine(QPointF(0, y), QPointF(r * 0.7, y - r * 0.35));
        }
        p.restore();
    };
    bigLeaf(QPointF(10, 40), 9, -20);
    bigLeaf(QPointF(27, 43), 8.5, 25);
    bigLeaf(QPointF(18, 32), 7, 0);
    p.restore();
}

void Willow(Painter& p, bool mirror)
{
    p.save();
    if (mirror) {
        p.translate(W, 0);
        p.scale(-1, 1);
    }
    const QColor stem(40, 90, 50), leaf(70, 150, 70);
    for (int s = 0; s < 4; ++s) {
        QPainterPath path(QPointF(20 + s * 5, 0));
        path.cubicTo(QPointF(16 + s * 5, 12), QPointF(26 + s * 4, 24), QPointF(22 + s * 4, 40));
        p.setPen(QPen(stem, 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        for (int k = 1; k < 9; ++k) {
            const QPointF at = path.pointAtPercent(k / 9.0);
            Leaf(p, at, at + QPointF((k % 2 ? 2.6 : -2.6), 1.5), 0.8, leaf);
        }
    }
    p.restore();
}

void Rain(Painter& p, QColor colour)
{
    p.save();
    p.setPen(QPen(colour, 0.5));
    Noise n(77);
    for (int i = 0; i < 26; ++i) {
        const qreal x = n.range(0, W + 8), y = n.range(0, H);
        p.drawLine(QPointF(x, y), QPointF(x - 2, y + 5));
    }
    p.restore();
}

void Sky(Painter& p, QColor colour, qreal height)
{
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, colour);
    g.setColorAt(1, colour.lighter(112));
    p.setBrush(g);
    p.drawRect(QRectF(0, 0, W, height));
    p.restore();
}

void Hill(Painter& p, bool mirror, int seed)
{
    p.save();
    if (mirror) {
        p.translate(W, 0);
        p.scale(-1, 1);
    }
    QPainterPath hill(QPointF(-2, 57));
    hill.lineTo(-2, 34);
    hill.cubicTo(QPointF(10, 22), QPointF(26, 24), QPointF(38, 32));
    hill.lineTo(38, 57);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 20, 24));
    p.drawPath(hill);
    Noise n(seed);
    p.setPen(QPen(QColor(230, 230, 220), 0.45));
    for (int i = 0; i < 22; ++i) {
        const qreal x = n.range(0, W);
        const qreal y = 30 + n.range(0, 24);
        p.drawLine(QPointF(x, y), QPointF(x + n.range(-1.5, 1.5), y - n.range(2, 5)));
    }
    p.restore();
}

// --- animals and objects ----------------------------------------------------------------------

void Crane(Painter& p)
{
    p.save();
    p.setPen(QPen(kInk, 0.5));
    // legs
    p.drawLine(QPointF(22, 44), QPointF(21, 53));
    p.drawLine(QPointF(25, 44), QPointF(27, 53));
    // body
    p.setBrush(Qt::white);
    QPainterPath body(QPointF(14, 38));
    body.cubicTo(QPointF(16, 30), QPointF(30, 30), QPointF(32, 40));
    body.cubicTo(QPointF(28, 46), QPointF(18, 46), QPointF(14, 38));
    p.drawPath(body);
    // black tail
    p.setBrush(QColor(20, 20, 20));
    QPainterPath tail(QPointF(28, 38));
    tail.quadTo(QPointF(35, 42), QPointF(34, 46));
    tail.quadTo(QPointF(29, 44), QPointF(26, 41));
    p.drawPath(tail);
    // neck and head
    p.setPen(QPen(QColor(20, 20, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath neck(QPointF(17, 36));
    neck.cubicTo(QPointF(12, 28), QPointF(20, 24), QPointF(15, 19));
    p.setBrush(Qt::NoBrush);
    p.drawPath(neck);
    p.setPen(QPen(kInk, 0.4));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(15, 18.5), 1.7, 1.4);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(15.3, 17.2), 0.9, 0.8);
    p.setPen(QPen(QColor(60, 50, 30), 0.6));
    p.drawLine(QPointF(13.5, 18.8), QPointF(9.5, 20));
    p.restore();
}

void SmallBird(Painter& p, QPointF c, qreal s, QColor body, QColor wing, bool flying, bool faceLeft)
{
    p.save();
    p.translate(c);
    p.scale(faceLeft ? -s : s, s);
    p.setPen(QPen(kInk, 0.35));
    if (flying) {
        p.setBrush(wing);
        QPainterPath wings(QPointF(-1, 0));
        wings.quadTo(QPointF(-4, -6), QPointF(-8, -5));
        wings.quadTo(QPointF(-4, -2), QPointF(-1, 0));
        wings.moveTo(1, 0);
        wings.quadTo(QPointF(3, -7), QPointF(7, -7));
        wings.quadTo(QPointF(4, -2), QPointF(1, 0));
        p.drawPath(wings);
    }
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), 3.6, 2.2);
    p.drawEllipse(QPointF(3.2, -1.2), 1.7, 1.6);
    // tail
    QPainterPath tail(QPointF(-3, 0));
    tail.lineTo(-6.5, -1.5);
    tail.lineTo(-6, 1.2);
    tail.closeSubpath();
    p.drawPath(tail);
    if (!flying) {
        p.setBrush(wing);
        p.drawEllipse(QPointF(-0.5, -0.3), 2.2, 1.3);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(3.7, -1.5), 0.45, 0.45);
    p.setBrush(QColor(230, 150, 30));
    QPainterPath beak(QPointF(4.7, -1.3));
    beak.lineTo(6.2, -0.9);
    beak.lineTo(4.7, -0.5);
    p.drawPath(beak);
    p.restore();
}

void Goose(Painter& p, QPointF c, qreal s)
{
    p.save();
    p.translate(c);
    p.scale(s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 24));
    QPainterPath path(QPointF(-5, 0));
    path.quadTo(QPointF(-1, -5), QPointF(0, -1));
    path.quadTo(QPointF(1, -5), QPointF(5, -1));
    path.quadTo(QPointF(2, 0), QPointF(3.5, 1.5));
    path.lineTo(0, 1);
    path.quadTo(QPointF(-2, 1), QPointF(-5, 0));
    p.drawPath(path);
    p.restore();
}

void Curtain(Painter& p)
{
    p.save();
    QPainterPath drape(QPointF(0, 30));
    drape.cubicTo(QPointF(10, 27), QPointF(26, 34), QPointF(36, 29));
    drape.lineTo(36, 56);
    drape.lineTo(0, 56);
    drape.closeSubpath();
    p.setClipPath(drape, Qt::IntersectClip);
    for (int i = 0; i < 8; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(250, 250, 245) : kRed);
        p.drawRect(QRectF(i * 4.8 - 2, 0, 4.8, 60));
    }
    // crest
    p.setBrush(QColor(250, 250, 245));
    p.setPen(QPen(kInk, 0.6));
    p.drawEllipse(QPointF(20, 44), 5, 5);
    p.setPen(QPen(kRed, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(20, 44), 2.5, 2.5);
    p.restore();
    p.save();
    p.setPen(QPen(kInk, 0.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath edge(QPointF(0, 30));
    edge.cubicTo(QPointF(10, 27), QPointF(26, 34), QPointF(36, 29));
    p.drawPath(edge);
    p.restore();
}

void Bridge(Painter& p)
{
    p.save();
    const QColor wood(150, 96, 50);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(3 + i * 11, 30 + (i % 2) * 8);
        p.rotate(i % 2 ? -24 : 24);
        p.setPen(QPen(wood.darker(160), 0.5));
        p.setBrush(wood);
        p.drawRect(QRectF(0, 0, 14, 4.2));
        p.setPen(QPen(wood.darker(140), 0.35));
        for (int k = 1; k < 5; ++k)
            p.drawLine(QPointF(k * 2.8, 0), QPointF(k * 2.8, 4.2));
        p.restore();
    }
    p.setPen(QPen(wood.darker(180), 1.0));
    p.drawLine(QPointF(6, 38), QPointF(6, 50));
    p.drawLine(QPointF(17, 41), QPointF(17, 53));
    p.drawLine(QPointF(28, 37), QPointF(28, 50));
    p.restore();
}

void Butterfly(Painter& p, QPointF c, qreal s, QColor wing)
{
    p.save();
    p.translate(c);
    p.scale(s, s);
    p.setPen(QPen(kInk, 0.4));
    p.setBrush(wing);
    p.drawEllipse(QPointF(-2.6, -1.8), 2.8, 2.2);
    p.drawEllipse(QPointF(2.6, -1.8), 2.8, 2.2);
    p.setBrush(wing.lighter(130));
    p.drawEllipse(QPointF(-1.8, 1.6), 1.7, 1.5);
    p.drawEllipse(QPointF(1.8, 1.6), 1.7, 1.5);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(0, 0), 0.6, 2.6);
    p.drawLine(QPointF(0, -2.4), QPointF(-1.2, -4.2));
    p.drawLine(QPointF(0, -2.4), QPointF(1.2, -4.2));
    p.restore();
}

void Boar(Painter& p)
{
    p.save();
    const QColor fur(120, 64, 34);
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(fur);
    p.drawEllipse(QPointF(17, 40), 11, 6.5);
    // head
    QPainterPath head(QPointF(25, 35));
    head.lineTo(34, 40);
    head.lineTo(33, 43);
    head.lineTo(25, 45);
    head.closeSubpath();
    p.drawPath(head);
    p.setBrush(QColor(200, 150, 120));
    p.drawEllipse(QPointF(33.5, 41.5), 1.2, 1.6);
    // legs
    p.setPen(QPen(fur.darker(150), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 45), QPointF(9, 51));
    p.drawLine(QPointF(14, 46), QPointF(15, 52));
    p.drawLine(QPointF(21, 46), QPointF(21, 52));
    p.drawLine(QPointF(25, 45), QPointF(27, 51));
    // bristles, eye, tusk
    p.setPen(QPen(fur.darker(180), 0.5));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(9 + i * 3, 34.5), QPointF(8 + i * 3, 32.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(28.5, 38.5), 0.6, 0.6);
    p.setPen(QPen(Qt::white, 0.6));
    p.drawLine(QPointF(31.5, 43.5), QPointF(33, 45.5));
    p.restore();
}

void Deer(Painter& p)
{
    p.save();
    const QColor fur(176, 110, 50);
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(fur);
    p.drawEllipse(QPointF(16, 41), 9.5, 5.5);
    // neck and head
    QPainterPath neck(QPointF(21, 38));
    neck.lineTo(25, 28);
    neck.lineTo(29, 29);
    neck.lineTo(26, 41);
    neck.closeSubpath();
    p.drawPath(neck);
    p.drawEllipse(QPointF(28, 27.5), 3.4, 2.2);
    // antlers
    p.setPen(QPen(QColor(90, 60, 30), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(27, 26), QPointF(24, 19));
    p.drawLine(QPointF(25, 22), QPointF(21, 20));
    p.drawLine(QPointF(28, 26), QPointF(31, 19));
    p.drawLine(QPointF(30, 22), QPointF(34, 20));
    // legs
    p.setPen(QPen(fur.darker(150), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 45), QPointF(9, 53));
    p.drawLine(QPointF(13, 46), QPointF(13, 53));
    p.drawLine(QPointF(20, 46), QPointF(21, 53));
    p.drawLine(QPointF(23, 45), QPointF(25, 53));
    // spots, eye
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 240, 220));
    const QPointF spots[] = {{12, 39}, {16, 37.5}, {19, 40}, {14, 42.5}, {10, 41}};
    for (const QPointF& s : spots)
        p.drawEllipse(s, 0.8, 0.8);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(29, 27), 0.5, 0.5);
    p.restore();
}

void SakeCup(Painter& p)
{
    p.save();
    // stand
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(QColor(40, 30, 30));
    p.drawRect(QRectF(12, 46, 12, 3));
    p.drawRect(QRectF(15, 42, 6, 4.5));
    // cup
    const QColor lacquer(200, 24, 30);
    QPainterPath cup(QPointF(4, 32));
    cup.lineTo(32, 32);
    cup.cubicTo(QPointF(31, 40), QPointF(24, 43), QPointF(18, 43));
    cup.cubicTo(QPointF(12, 43), QPointF(5, 40), QPointF(4, 32));
    p.setBrush(lacquer);
    p.drawPath(cup);
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QRectF(4, 29.5, 28, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(lacquer.darker(140));
    p.drawPath(TextPath(QRectF(4, 29.3, 28, 5.6), QStringLiteral("壽"), SansFont(5.6, true)));
    p.setBrush(QColor(250, 220, 90));
    p.drawPath(TextPath(QRectF(10, 33.5, 16, 8), QStringLiteral("壽"), SansFont(7.5, true)));
    p.restore();
}

void Phoenix(Painter& p)
{
    p.save();
    p.setPen(QPen(kInk, 0.5));
    // neck feathers
    const QColor colours[] = {QColor(40, 140, 70), QColor(240, 190, 40), QColor(200, 40, 40), QColor(40, 90, 180)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        QPainterPath f(QPointF(6 + i * 4, 56));
        f.cubicTo(QPointF(4 + i * 4, 44), QPointF(12 + i * 3, 32), QPointF(20, 28));
        f.cubicTo(QPointF(16 + i * 3, 36), QPointF(12 + i * 4, 46), QPointF(12 + i * 4, 56));
        p.drawPath(f);
    }
    // head
    p.setBrush(QColor(250, 230, 200));
    p.drawEllipse(QPointF(22, 24), 5.5, 4.6);
    p.setBrush(QColor(220, 30, 30));
    QPainterPath comb(QPointF(18, 21));
    comb.quadTo(QPointF(19, 15), QPointF(21, 19));
    comb.quadTo(QPointF(23, 14), QPointF(24, 19));
    comb.quadTo(QPointF(27, 16), QPointF(26.5, 21));
    comb.closeSubpath();
    p.drawPath(comb);
    p.drawEllipse(QPointF(25.5, 29), 1.3, 2.0); // wattle
    p.setBrush(QColor(240, 180, 30));
    QPainterPath beak(QPointF(26.8, 23));
    beak.lineTo(31, 25);
    beak.lineTo(26.8, 26);
    p.drawPath(beak);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(24, 23), 0.8, 0.8);
    p.restore();
}

void RainMan(Painter& p)
{
    p.save();
    // umbrella
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(QColor(240, 190, 40));
    QPainterPath umb(QPointF(3, 22));
    umb.quadTo(QPointF(8, 8), QPointF(20, 8));
    umb.quadTo(QPointF(31, 9), QPointF(33, 20));
    umb.quadTo(QPointF(18, 17), QPointF(3, 22));
    p.drawPath(umb);
    p.setPen(QPen(QColor(150, 100, 20), 0.4));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(19, 8.5), QPointF(6 + i * 8, 21 - i * 0.5));
    p.setPen(QPen(QColor(80, 50, 20), 0.8));
    p.drawLine(QPointF(19, 9), QPointF(21, 32));
    // figure in a dark robe
    p.setPen(QPen(kInk, 0.5));
    p.setBrush(QColor(30, 34, 60));
    QPainterPath robe(QPointF(14, 24));
    robe.lineTo(25, 24);
    robe.lineTo(29, 48);
    robe.lineTo(10, 48);
    robe.closeSubpath();
    p.drawPath(robe);
    p.setBrush(QColor(250, 220, 190));
    p.drawEllipse(QPointF(19.5, 22.5), 2.6, 2.6);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(12, 36, 15, 2));
    // frog
    p.setBrush(QColor(70, 170, 60));
    p.drawEllipse(QPointF(30, 51), 3, 2);
    p.drawEllipse(QPointF(31.5, 49), 1.2, 1.0);
    p.restore();
}

void Drum(Painter& p)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 34, 60));
    p.drawRect(QRectF(0, 0, W, H));
    // lightning
    p.setBrush(QColor(250, 220, 60));
    QPainterPath bolt(QPointF(22, 2));
    bolt.lineTo(14, 20);
    bolt.lineTo(20, 20);
    bolt.lineTo(12, 38);
    bolt.lineTo(26, 16);
    bolt.lineTo(20, 16);
    bolt.lineTo(27, 2);
    bolt.closeSubpath();
    p.drawPath(bolt);
    // drum
    p.setPen(QPen(kInk, 0.6));
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(17, 42), 9, 7);
    p.setBrush(QColor(240, 230, 200));
    p.drawEllipse(QPointF(17, 42), 6, 4.6);
    p.setBrush(QColor(40, 34, 60));
    for (int i = 0; i < 3; ++i) {
        const qreal a = i * 2 * M_PI / 3;
        p.drawEllipse(QPointF(17 + std::cos(a) * 2.2, 42 + std::sin(a) * 1.7), 1.5, 1.2);
    }
    p.restore();
}

// --- card faces -------------------------------------------------------------------------------

void DrawFace(Painter& p, int card)
{
    const int month = card / 4 + 1;
    const int slot = card % 4;
    const bool piA = slot == 2, piB = slot == 3;
    const bool mirror = piB;
    switch (month) {
    case 1:
        if (slot == 0) {
            Sky(p, kSkyRed, 30);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 236, 200));
            p.drawEllipse(QPointF(26, 12), 7, 7);
            // low pines, so the crane stands clear against the red sky
            p.setPen(QPen(QColor(96, 56, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(6, 56), QPointF(8, 44));
            p.drawLine(QPointF(31, 56), QPointF(29, 46));
            PineClump(p, QPointF(7, 42), 4.6);
            PineClump(p, QPointF(30, 44), 4.4);
            PineClump(p, QPointF(18, 51), 4.0);
            Crane(p);
        } else {
            Sky(p, piA ? QColor(250, 236, 210) : kFace, 55);
            if (slot != 1) {
                p.setPen(Qt::NoPen);
                p.setBrush(kSkyRed);
                p.drawRect(QRectF(0, 44, W, 12));
            }
            Pine(p, mirror, slot == 1 ? 3 : 0);
            if (slot == 1)
                Ribbon(p, kRed, QStringLiteral("홍단"), QPointF(24, 10), 6);
        }
        break;
    case 2:
        Plum(p, mirror || slot == 1, card);
        if (slot == 0)
            SmallBird(p, QPointF(20, 31), 1.75, QColor(176, 166, 48), QColor(112, 126, 36), false, false);
        if (slot == 1)
            Ribbon(p, kRed, QStringLiteral("홍단"), QPointF(12, 8), -6);
        break;
    case 3:
        if (slot == 0) {
            Cherry(p, 5, false);
            Curtain(p);
        } else {
            Sky(p, QColor(250, 220, 220), 55);
            Cherry(p, piA ? 9 : 7, mirror);
            if (slot == 1)
                Ribbon(p, kRed, QStringLiteral("홍단"), QPointF(19, 18), -4);
            if (slot != 1) {
                p.setPen(Qt::NoPen);
                p.setBrush(kSkyRed);
                p.drawRect(QRectF(0, 46, W, 10));
            }
        }
        break;
    case 4:
        Strands(p, QColor(20, 20, 20), QColor(24, 24, 28), QColor(200, 40, 60), true, 400 + card);
        if (slot == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 200, 50));
            QPainterPath moon;
            moon.addEllipse(QPointF(26, 42), 7, 7);
            QPainterPath cut;
            cut.addEllipse(QPointF(29, 40), 6.5, 6.5);
            p.drawPath(moon.subtracted(cut));
            SmallBird(p, QPointF(15, 36), 1.4, QColor(50, 50, 60), QColor(30, 30, 40), true, true);
        }
        if (slot == 1)
            Ribbon(p, kRed, QString(), QPointF(18, 20), -6);
        break;
    case 5:
        Iris(p, mirror, slot == 0 ? 2 : 3);
        if (slot == 0)
            Bridge(p);
        if (slot == 1)
            Ribbon(p, kRed, QString(), QPointF(18, 16), 8);
        break;
    case 6:
        if (slot == 0) {
            Peony(p, QPointF(13, 42), 6.5);
            Butterfly(p, QPointF(23, 20), 1.9, QColor(60, 110, 220));
            Butterfly(p, QPointF(10, 11), 1.4, QColor(240, 190, 40));
        } else {
            Peony(p, mirror ? QPointF(22, piA ? 20 : 24) : QPointF(14, 20), 8);
            if (slot == 1)
                Ribbon(p, kBlue, QString(), QPointF(24, 24), 6);
            else
                Peony(p, mirror ? QPointF(11, 42) : QPointF(25, 42), 5);
        }
        break;
    case 7:
        Strands(p, QColor(110, 40, 40), QColor(170, 40, 70), QColor(220, 80, 130), false, 700 + card);
        if (slot == 0)
            Boar(p);
        if (slot == 1)
            Ribbon(p, kRed, QString(), QPointF(19, 10), -6);
        break;
    case 8:
        if (slot == 0) {
            Sky(p, kSkyRed, 40);
            p.setPen(QPen(QColor(230, 200, 120), 0.6));
            p.setBrush(QColor(255, 244, 210));
            p.drawEllipse(QPointF(18, 20), 11, 11);
            Hill(p, false, 8);
        } else if (slot == 1) {
            Sky(p, QColor(236, 120, 80), 30);
            Goose(p, QPointF(10, 10), 1.1);
            Goose(p, QPointF(21, 15), 1.1);
            Goose(p, QPointF(29, 8), 1.0);
            Hill(p, true, 9);
        } else {
            Sky(p, piA ? kSkyRed : QColor(250, 236, 210), 30);
            Hill(p, mirror, card);
        }
        break;
    case 9:
        ChrysanthemumPlant(p, mirror || slot == 0, slot == 3 ? QColor(250, 250, 240) : QColor(246, 196, 40));
        if (slot == 0)
            SakeCup(p);
        if (slot == 1)
            Ribbon(p, kBlue, QString(), QPointF(18, 22), -6);
        break;
    case 10:
        Maple(p, mirror, 1000 + card);
        if (slot == 0)
            Deer(p);
        if (slot == 1)
            Ribbon(p, kBlue, QString(), QPointF(14, 20), -8);
        break;
    case 11:
        if (slot == 0) {
            Paulownia(p, false, false);
            Phoenix(p);
        } else {
            if (slot == 3)
                Sky(p, QColor(214, 200, 230), 16);
            Paulownia(p, slot == 2, slot == 1);
        }
        break;
    case 12:
        if (slot == 0) {
            Sky(p, QColor(60, 60, 70), 55);
            Rain(p, QColor(150, 150, 170));
            Willow(p, true);
            RainMan(p);
        } else if (slot == 1) {
            Sky(p, QColor(200, 210, 220), 55);
            Willow(p, false);
            SmallBird(p, QPointF(13, 30), 1.6, QColor(30, 30, 70), QColor(20, 20, 50), true, false);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(220, 40, 40));
            p.drawEllipse(QPointF(18.2, 28.3), 1.3, 1.1);
        } else if (slot == 2) {
            Sky(p, QColor(214, 222, 214), 55);
            Willow(p, true);
            Ribbon(p, QColor(220, 40, 40), QString(), QPointF(14, 10), -6, QColor(250, 210, 60));
        } else {
            Drum(p);
        }
        break;
    }
    if (card >= 0 && card < 48) {
        const int kind = (card == 0 || card == 8 || card == 28 || card == 40 || card == 44) ? 1 : 0;
        if (kind == 1)
            BrightMark(p);
        if (card == 32 || card == 41 || card == 47)
            DoubleMark(p);
    }
}

void DrawBonus(Painter& p, int card)
{
    const int i = card - 48;
    const QColor backs[] = {QColor(250, 200, 40), QColor(120, 70, 180), QColor(30, 150, 150), QColor(240, 120, 30),
                            QColor(60, 130, 220)};
    const QColor back = backs[i];
    p.setPen(Qt::NoPen);
    QRadialGradient g(QPointF(18, 30), 30);
    g.setColorAt(0, back.lighter(150));
    g.setColorAt(1, back);
    p.setBrush(g);
    p.drawRect(QRectF(0, 0, W, H));
    // sunburst
    p.setBrush(QColor(255, 255, 255, 70));
    for (int k = 0; k < 12; ++k) {
        QPainterPath ray(QPointF(18, 30));
        const qreal a = k * M_PI / 6, b = a + 0.22;
        ray.lineTo(18 + std::cos(a) * 40, 30 + std::sin(a) * 40);
        ray.lineTo(18 + std::cos(b) * 40, 30 + std::sin(b) * 40);
        ray.closeSubpath();
        p.drawPath(ray);
    }
    // frame
    p.setPen(QPen(QColor(180, 20, 30), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.2, 2.2, W - 4.4, H - 4.4), 2, 2);
    OutlinedText(p, QRectF(0, 4, W, 9), QStringLiteral("보너스"), SansFont(7.4, true), Qt::white,
                 QColor(120, 10, 20), 0.6);
    // emblem
    const QPointF c(18, 29);
    p.setPen(QPen(QColor(90, 20, 20), 0.6));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 40));
    switch (i) {
    case 0: { // star
        QPainterPath star;
        for (int k = 0; k < 10; ++k) {
            const qreal a = -M_PI / 2 + k * M_PI / 5;
            const qreal r = k % 2 ? 3 : 7;
            const QPointF q = c + QPointF(std::cos(a) * r, std::sin(a) * r);
            k ? star.lineTo(q) : star.moveTo(q);
        }
        star.closeSubpath();
        p.drawPath(star);
        break;
    }
    case 1: { // crescent
        QPainterPath moon;
        moon.addEllipse(c, 6.5, 6.5);
        QPainterPath cut;
        cut.addEllipse(c + QPointF(3, -2), 5.5, 5.5);
        p.drawPath(moon.subtracted(cut));
        break;
    }
    case 2: { // heart
        QPainterPath heart(c + QPointF(0, 6));
        heart.cubicTo(c + QPointF(-9, -1), c + QPointF(-4, -8), c + QPointF(0, -3));
        heart.cubicTo(c + QPointF(4, -8), c + QPointF(9, -1), c + QPointF(0, 6));
        p.drawPath(heart);
        break;
    }
    case 3: { // diamond
        QPainterPath d(c + QPointF(0, -7));
        d.lineTo(c + QPointF(5.5, 0));
        d.lineTo(c + QPointF(0, 7));
        d.lineTo(c + QPointF(-5.5, 0));
        d.closeSubpath();
        p.drawPath(d);
        break;
    }
    default: // lucky character
        p.drawPath(TextPath(QRectF(c.x() - 9, c.y() - 9, 18, 18), QStringLiteral("福"), SansFont(12, true)));
        break;
    }
    OutlinedText(p, QRectF(0, 40, W, 12), QStringLiteral("쌍피"), SansFont(8.5, true), QColor(255, 240, 120),
                 QColor(120, 10, 20), 0.8);
}

void DrawBack(Painter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(172, 22, 30));
    p.drawRect(QRectF(0, 0, W, H));
    // lattice
    p.setPen(QPen(QColor(130, 12, 20), 0.7));
    for (int k = -12; k < 16; ++k) {
        p.drawLine(QPointF(k * 4.5, 0), QPointF(k * 4.5 + 55, 55));
        p.drawLine(QPointF(k * 4.5, 55), QPointF(k * 4.5 + 55, 0));
    }
    p.setPen(QPen(QColor(236, 190, 80), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3.2, 3.2, W - 6.4, H - 6.4), 1.5, 1.5);
    p.setPen(QPen(QColor(236, 190, 80), 0.7));
    p.setBrush(QColor(150, 14, 24));
    p.drawEllipse(QPointF(18, 27.5), 7, 7);
    p.setBrush(QColor(236, 190, 80));
    p.setPen(Qt::NoPen);
    Blossom(p, QPointF(18, 27.5), 4.2, QColor(236, 190, 80), QColor(150, 14, 24), 5, -M_PI / 2);
}

void DrawBomb(Painter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 36));
    p.drawRect(QRectF(0, 0, W, H));
    // burst behind
    QPainterPath burst;
    for (int k = 0; k < 24; ++k) {
        const qreal a = k * M_PI / 12;
        const qreal r = k % 2 ? 8 : 15;
        const QPointF q(18 + std::cos(a) * r, 27 + std::sin(a) * r);
        k ? burst.lineTo(q) : burst.moveTo(q);
    }
    burst.closeSubpath();
    p.setBrush(QColor(240, 120, 20));
    p.drawPath(burst);
    p.setBrush(QColor(20, 20, 24));
    p.setPen(QPen(QColor(200, 200, 210), 0.5));
    p.drawEllipse(QPointF(17, 30), 8, 8);
    p.setBrush(QColor(90, 90, 100));
    p.drawRect(QRectF(19, 19, 4, 4));
    p.setPen(QPen(QColor(200, 170, 120), 0.9));
    p.setBrush(Qt::NoBrush);
    QPainterPath fuse(QPointF(21, 20));
    fuse.quadTo(QPointF(24, 14), QPointF(28, 14));
    p.drawPath(fuse);
    Blossom(p, QPointF(28.5, 13.5), 2.4, QColor(255, 230, 60), Qt::white, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14, 27), 1.8, 1.4);
    OutlinedText(p, QRectF(0, 42, W, 11), QStringLiteral("폭탄"), SansFont(9, true), QColor(255, 220, 60),
                 QColor(150, 20, 10), 0.8);
}

} // namespace

QImage CardFaceScaled(int card, int width, int height)
{
    if (card >= 48)
        return RenderCard(width, height, kFace, [card](Painter& p) { DrawBonus(p, card); });
    return RenderCard(width, height, kFace, [card](Painter& p) { DrawFace(p, card); });
}

QImage CardBackScaled(int width, int height)
{
    return RenderCard(width, height, kFace, [](Painter& p) { DrawBack(p); });
}

QImage CardFace(int card) { return CardFaceScaled(card, kCardWidth, kCardHeight); }
QImage CardBack() { return CardBackScaled(kCardWidth, kCardHeight); }
QImage BombCard() { return RenderCard(kCardWidth, kCardHeight, kFace, [](Painter& p) { DrawBomb(p); }); }

QImage PpeokMark(int player)
{
    const QColor ink = player == 0 ? QColor(220, 30, 30) : QColor(30, 80, 220);
    const QImage img = Supersample(kCardWidth, kCardHeight, 6, [&](Painter& p) {
        p.save();
        p.translate(18, 27.5);
        p.rotate(-14);
        p.setPen(QPen(Qt::white, 4.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), 13.5, 13.5);
        p.setPen(QPen(ink, 2.4));
        p.drawEllipse(QPointF(0, 0), 13.5, 13.5);
        OutlinedText(p, QRectF(-14, -14, 28, 28), QStringLiteral("뻑"), SansFont(17, true), ink, Qt::white, 1.3);
        p.restore();
    });
    return FlattenOnKey(img, kMagenta, Qt::white);
}

QImage CardSheet()
{
    QImage sheet(kCardWidth * kSheetColumns, kCardHeight * kSheetRows, QImage::Format_RGB32);
    sheet.fill(kMagenta);
    QPainter p(&sheet);
    auto put = [&](int image, const QImage& cell) {
        const int index = image - 1;
        p.drawImage((index % kSheetColumns) * kCardWidth, (index / kSheetColumns) * kCardHeight, cell);
    };
    for (int card = 0; card < 48; ++card)
        put(card + 1, CardFace(card));
    put(49, CardBack());
    put(50, BombCard());
    for (int card = 48; card <= 52; ++card)
        put(card + 4, CardFace(card));
    put(57, PpeokMark(0));
    put(58, PpeokMark(1));
    return sheet;
}

} // namespace zivi::art
