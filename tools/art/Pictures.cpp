#include "tools/art/Pictures.h"

#include "tools/art/CardArt.h"
#include "tools/art/Draw.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace zivi::art {
namespace {

const QColor kGoldLine(214, 172, 72);
const QColor kPanelDark(18, 28, 30);

// Felt with a fine grain, lighter towards `centre`.
void Felt(QPainter& p, const QRectF& area, QPointF centre, qreal radius, QColor inner, QColor outer, quint32 seed)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.fillRect(area, g);
    Noise n(seed);
    const int dots = int(area.width() * area.height() / 9);
    for (int i = 0; i < dots; ++i) {
        const QPointF at(area.left() + n.range(0, area.width()), area.top() + n.range(0, area.height()));
        const int shade = int(n.range(0, 2));
        p.setPen(shade ? QColor(255, 255, 255, 10) : QColor(0, 0, 0, 16));
        p.drawPoint(at);
    }
}

void Panel(QPainter& p, const QRectF& r, qreal radius, QColor fill, QColor line, qreal lineWidth = 1.5)
{
    p.save();
    p.setPen(QPen(line, lineWidth));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void Caption(QPainter& p, const QRectF& box, const QString& text, qreal size, QColor colour,
             int flags = Qt::AlignCenter)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(TextPath(box, text, SansFont(size, true), flags));
    p.restore();
}

void CardPlace(QPainter& p, QPointF topLeft, QColor line)
{
    p.save();
    p.setPen(QPen(line, 1.2, Qt::DashLine));
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(QRectF(topLeft, QSizeF(36, 55)).adjusted(-1.5, -1.5, 1.5, 1.5), 4, 4);
    p.restore();
}

QImage Opaque(const QImage& img) { return img.convertToFormat(QImage::Format_RGB32); }

} // namespace

QColor MissionPanelColour() { return QColor(26, 38, 74); }

QImage BoardPicture()
{
    QImage img = Supersample(800, 575, 2, [](QPainter& p) {
        // playing area
        Felt(p, QRectF(0, 0, 586, 575), QPointF(285, 270), 420, QColor(40, 122, 72), QColor(16, 66, 38), 575);
        // the table: a lighter oval where the piles lie
        QRadialGradient oval(QPointF(285, 270), 230);
        oval.setColorAt(0, QColor(255, 255, 255, 26));
        oval.setColorAt(0.85, QColor(255, 255, 255, 12));
        oval.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(oval);
        p.drawEllipse(QPointF(285, 270), 250, 150);
        p.setPen(QPen(QColor(255, 255, 255, 28), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(285, 270), 236, 138);
        // players' bands: captured piles and hands
        const QColor band(0, 0, 0, 70);
        p.setPen(Qt::NoPen);
        p.setBrush(band);
        p.drawRect(QRectF(0, 0, 586, 125));
        p.drawRect(QRectF(0, 452, 586, 123));
        p.setPen(QPen(QColor(214, 172, 72, 150), 1.5));
        p.drawLine(QPointF(0, 125), QPointF(586, 125));
        p.drawLine(QPointF(0, 452), QPointF(586, 452));
        // hands
        p.setPen(QPen(QColor(255, 255, 255, 34), 1));
        p.setBrush(QColor(0, 0, 0, 44));
        p.drawRoundedRect(QRectF(393, 22, 96, 58), 5, 5);
        p.drawRoundedRect(QRectF(384, 454, 200, 119), 6, 6);
        // pile rows, faintly labelled
        const struct {
            qreal x, y, w;
            const char* text;
        } rows[] = {{2, 6, 384, "피"}, {2, 64, 88, "광"}, {93, 64, 148, "열끗"}, {243, 64, 143, "띠"},
                    {2, 455, 380, "피"}, {2, 513, 88, "광"}, {93, 513, 148, "열끗"}, {243, 513, 140, "띠"}};
        for (const auto& r : rows) {
            p.setPen(QPen(QColor(255, 255, 255, 22), 1));
            p.setBrush(QColor(255, 255, 255, 10));
            p.drawRoundedRect(QRectF(r.x, r.y, r.w, 58), 4, 4);
            Caption(p, QRectF(r.x, r.y, r.w - 6, 56), QString::fromUtf8(r.text), 14, QColor(255, 255, 255, 38),
                    Qt::AlignRight | Qt::AlignBottom);
        }
        // counters of both players: points, go calls, shakes and bombs, ppeok piles
        for (qreal y : {98.0, 426.0}) {
            p.setPen(QPen(QColor(214, 172, 72, 170), 1));
            p.setBrush(QColor(0, 0, 0, 120));
            p.drawRoundedRect(QRectF(390, y, 194, 24), 11, 11);
            const QColor c(230, 200, 120);
            Caption(p, QRectF(436, y, 22, 24), QStringLiteral("점"), 11, c);
            Caption(p, QRectF(482, y, 16, 24), QStringLiteral("고"), 11, c);
            Caption(p, QRectF(516, y, 30, 24), QStringLiteral("흔듬"), 10, c);
            Caption(p, QRectF(566, y, 16, 24), QStringLiteral("뻑"), 11, c);
        }

        // right column
        QLinearGradient wood(586, 0, 800, 0);
        wood.setColorAt(0, QColor(58, 34, 22));
        wood.setColorAt(1, QColor(84, 52, 30));
        p.fillRect(QRectF(586, 0, 214, 575), wood);
        Noise n(86);
        for (int i = 0; i < 90; ++i) {
            p.setPen(QPen(QColor(0, 0, 0, int(n.range(10, 28))), 1));
            const qreal y = n.range(0, 575);
            p.drawLine(QPointF(586, y), QPointF(800, y + n.range(-2, 2)));
        }
        p.setPen(QPen(QColor(20, 10, 6), 2));
        p.drawLine(QPointF(586, 0), QPointF(586, 575));
        // player panels
        for (qreal top : {2.0, 454.0}) {
            const qreal h = top < 100 ? 128 : 119;
            Panel(p, QRectF(589, top, 209, h), 7, kPanelDark, kGoldLine);
            p.setPen(QPen(QColor(255, 255, 255, 30), 1));
            p.drawLine(QPointF(622, top + 36), QPointF(792, top + 36));
            p.drawLine(QPointF(622, top + 64), QPointF(792, top + 64));
            // money coin and record cup beside their rows
            p.setPen(QPen(QColor(140, 100, 20), 1));
            p.setBrush(QColor(236, 190, 60));
            p.drawEllipse(QPointF(606, top + 50), 7, 7);
            Caption(p, QRectF(599, top + 43, 14, 14), QStringLiteral("₩"), 10, QColor(120, 80, 10));
            p.setBrush(QColor(200, 200, 210));
            p.setPen(QPen(QColor(90, 90, 100), 1));
            QPainterPath cup(QPointF(599, top + 72));
            cup.lineTo(613, top + 72);
            cup.quadTo(QPointF(613, top + 82), QPointF(606, top + 83));
            cup.quadTo(QPointF(599, top + 82), QPointF(599, top + 72));
            p.drawPath(cup);
            p.drawRect(QRectF(603, top + 83, 6, 4));
        }
        // the stake line under the upper panel
        p.setPen(QPen(QColor(255, 255, 255, 30), 1));
        p.drawLine(QPointF(598, 97), QPointF(790, 97));
        // mission box and ad panel frames
        Panel(p, QRectF(586, 135, 214, 119), 4, QColor(10, 14, 24), kGoldLine, 2);
        Panel(p, QRectF(586, 259, 214, 194), 4, QColor(235, 235, 228), kGoldLine, 2);
        Caption(p, QRectF(586, 259, 214, 194), QStringLiteral("광고"), 30, QColor(0, 0, 0, 40));
    });
    return Opaque(FlattenOn(img, QColor(16, 66, 38)));
}

QImage MissionFrames()
{
    const int w = 210, h = 115;
    QImage strip(w * 6, h, QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter out(&strip);
    auto openBoard = [&](QPainter& p) {
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, MissionPanelColour().lighter(130));
        g.setColorAt(1, MissionPanelColour().darker(130));
        p.fillRect(QRectF(0, 0, w, h), g);
        p.fillRect(QRectF(118, 15, 61, 61), MissionPanelColour());
        p.setPen(QPen(kGoldLine, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), 6, 6);
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRoundedRect(QRectF(24, 12, 92, 64), 4, 4);
        p.setPen(QPen(kGoldLine, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(118, 15, 61, 61), 4, 4);
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        p.drawLine(QPointF(14, 82), QPointF(w - 14, 82));
        Caption(p, QRectF(183, 22, 22, 22), QStringLiteral("미"), 12, QColor(230, 200, 120));
        Caption(p, QRectF(183, 44, 22, 22), QStringLiteral("션"), 12, QColor(230, 200, 120));
    };
    auto doors = [&](QPainter& p, qreal open) {
        // two lacquered doors slide apart from the middle
        const qreal half = w / 2.0 * (1 - open);
        for (int side = 0; side < 2; ++side) {
            const QRectF r = side == 0 ? QRectF(0, 0, half, h) : QRectF(w - half, 0, half, h);
            if (r.width() <= 0)
                continue;
            QLinearGradient g(r.topLeft(), r.topRight());
            g.setColorAt(0, QColor(150, 24, 30));
            g.setColorAt(1, QColor(110, 14, 22));
            p.fillRect(r, g);
            p.setPen(QPen(kGoldLine, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(3, 3, -3, -3));
            for (int k = 1; k < 4; ++k)
                p.drawLine(QPointF(r.left() + 3, k * h / 4.0), QPointF(r.right() - 3, k * h / 4.0));
        }
    };
    for (int f = 1; f <= 6; ++f) {
        const QImage frame = Supersample(w, h, 3, [&](QPainter& p) {
            if (f == 6) {
                // the idle picture
                QRadialGradient g(QPointF(w / 2.0, h / 2.0), 120);
                g.setColorAt(0, QColor(60, 80, 140));
                g.setColorAt(1, QColor(16, 22, 44));
                p.fillRect(QRectF(0, 0, w, h), g);
                p.setPen(QPen(kGoldLine, 2));
                p.setBrush(Qt::NoBrush);
                p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), 6, 6);
                // a star behind the word
                QPainterPath star;
                for (int k = 0; k < 10; ++k) {
                    const qreal a = -M_PI / 2 + k * M_PI / 5;
                    const qreal r = k % 2 ? 20 : 46;
                    const QPointF q(w / 2.0 + std::cos(a) * r, 52 + std::sin(a) * r);
                    k ? star.lineTo(q) : star.moveTo(q);
                }
                star.closeSubpath();
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(240, 190, 60, 90));
                p.drawPath(star);
                OutlinedText(p, QRectF(0, 22, w, 50), QStringLiteral("MISSION"), RoundFont(34, true),
                             QColor(255, 220, 90), QColor(90, 30, 10), 2);
                OutlinedText(p, QRectF(0, 74, w, 30), QStringLiteral("미션에 도전하세요"), SansFont(14, true),
                             Qt::white, QColor(20, 20, 40), 1.5);
                return;
            }
            openBoard(p);
            doors(p, (f - 1) / 4.0);
            if (f == 1)
                OutlinedText(p, QRectF(0, 0, w, h), QStringLiteral("미션!"), SansFont(36, true),
                             QColor(255, 220, 90), QColor(60, 10, 10), 2.5);
        });
        out.drawImage((f - 1) * w, 0, FlattenOn(frame, Qt::black));
    }
    return strip;
}

QImage ShuffleFrames()
{
    const int w = 135, h = 136;
    QImage strip(w * 2, h, QImage::Format_RGB32);
    QPainter out(&strip);
    const QImage back = CardBackScaled(40, 61);
    for (int f = 0; f < 2; ++f) {
        const QImage frame = Supersample(w, h, 2, [&](QPainter& p) {
            Felt(p, QRectF(0, 0, w, h), QPointF(w / 2.0, h / 2.0), 100, QColor(44, 130, 80), QColor(16, 66, 38),
                 17 + f);
            p.setPen(QPen(kGoldLine, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, h - 3), 8, 8);
            auto card = [&](QPointF c, qreal angle) {
                p.save();
                p.translate(c);
                p.rotate(angle);
                p.drawImage(QPointF(-20, -30.5), back);
                p.restore();
            };
            if (f == 0) {
                // two halves held apart
                for (int k = 0; k < 5; ++k) {
                    card(QPointF(40 - k * 0.6, 66 - k * 1.2), -18);
                    card(QPointF(95 + k * 0.6, 66 - k * 1.2), 18);
                }
            } else {
                // riffled together in an arch
                for (int k = 0; k < 9; ++k)
                    card(QPointF(44 + k * 6, 74 - std::sin(k / 8.0 * M_PI) * 16), -24 + k * 6);
            }
            OutlinedText(p, QRectF(0, h - 26, w, 22), QStringLiteral("섞는 중"), SansFont(13, true),
                         QColor(255, 230, 150), QColor(20, 30, 20), 1.2);
        });
        out.drawImage(f * w, 0, FlattenOn(frame, QColor(16, 66, 38)));
    }
    return strip;
}

QImage GoNumberStrip()
{
    const int w = 130, h = 90;
    QImage strip(w * 13, h, QImage::Format_RGB32);
    strip.fill(kMagenta);
    QPainter out(&strip);
    for (int cell = 1; cell <= 13; ++cell) {
        const QImage img = Supersample(w, h, 3, [&](QPainter& p) {
            auto burst = [&](QColor colour, int spikes, qreal r1, qreal r2) {
                QPainterPath path;
                for (int k = 0; k < spikes * 2; ++k) {
                    const qreal a = k * M_PI / spikes;
                    const qreal r = k % 2 ? r1 : r2;
                    const QPointF q(w / 2.0 + std::cos(a) * r * 1.35, h / 2.0 + std::sin(a) * r);
                    k ? path.lineTo(q) : path.moveTo(q);
                }
                path.closeSubpath();
                p.setPen(QPen(colour.darker(180), 2));
                p.setBrush(colour);
                p.drawPath(path);
            };
            if (cell <= 9) {
                // go counts grow hotter: yellow to red
                const qreal t = (cell - 1) / 8.0;
                const QColor fill(255, int(230 - 150 * t), int(60 - 40 * t));
                burst(QColor(255, 255, 255, 230), 12, 30, 42);
                OutlinedText(p, QRectF(0, 0, w, h), QString::number(cell) + QStringLiteral("고"),
                             SansFont(50, true), fill, QColor(60, 10, 10), 4);
                return;
            }
            if (cell == 10) {
                burst(QColor(255, 170, 200), 10, 30, 40);
                OutlinedText(p, QRectF(0, 0, w, h), QStringLiteral("쪽!"), SansFont(54, true), QColor(230, 30, 90),
                             Qt::white, 4);
            } else if (cell == 11) {
                burst(QColor(160, 110, 220), 9, 28, 42);
                OutlinedText(p, QRectF(0, 0, w, h), QStringLiteral("뻑!"), SansFont(54, true), QColor(255, 240, 90),
                             QColor(50, 10, 60), 4);
            } else if (cell == 12) {
                burst(QColor(250, 130, 20), 14, 26, 44);
                burst(QColor(255, 230, 80), 14, 16, 30);
                OutlinedText(p, QRectF(0, 0, w, h), QStringLiteral("폭탄!"), SansFont(40, true), QColor(220, 20, 20),
                             Qt::white, 4);
            } else {
                burst(QColor(120, 220, 140), 11, 28, 42);
                OutlinedText(p, QRectF(0, 0, w, h), QStringLiteral("뻑먹기"), SansFont(34, true), Qt::white,
                             QColor(10, 70, 30), 4);
            }
        });
        out.drawImage((cell - 1) * w, 0, FlattenOnKey(img, kMagenta, QColor(40, 10, 10)));
    }
    return strip;
}

QImage ResultPanel()
{
    const int w = 306, h = 208;
    const QImage img = Supersample(w, h, 2, [&](QPainter& p) {
        QLinearGradient body(0, 0, 0, h);
        body.setColorAt(0, QColor(30, 40, 80));
        body.setColorAt(1, QColor(12, 16, 36));
        p.fillRect(QRectF(0, 0, w, h), body);
        // title band
        QLinearGradient title(0, 0, 0, 40);
        title.setColorAt(0, QColor(190, 36, 40));
        title.setColorAt(1, QColor(120, 14, 24));
        p.fillRect(QRectF(0, 0, w, 40), title);
        p.setPen(QPen(kGoldLine, 1.5));
        p.drawLine(QPointF(0, 40), QPointF(w, 40));
        // faint pattern in the body
        p.setPen(QPen(QColor(255, 255, 255, 12), 1));
        for (int k = -10; k < 40; ++k)
            p.drawLine(QPointF(k * 14, 40), QPointF(k * 14 + 120, 160));
        p.setPen(QPen(QColor(255, 255, 255, 30), 1));
        p.drawLine(QPointF(20, 158), QPointF(w - 20, 158));
        // close button, 108..207 x 164..204
        QLinearGradient btn(0, 164, 0, 204);
        btn.setColorAt(0, QColor(255, 222, 120));
        btn.setColorAt(1, QColor(200, 140, 30));
        p.setPen(QPen(QColor(90, 50, 10), 1.5));
        p.setBrush(btn);
        p.drawRoundedRect(QRectF(109, 165, 98, 38), 8, 8);
        OutlinedText(p, QRectF(108, 164, 100, 40), QStringLiteral("확 인"), SansFont(18, true), QColor(70, 30, 0),
                     QColor(255, 240, 190), 0.8);
        // frame
        p.setPen(QPen(kGoldLine, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
    });
    return Opaque(FlattenOn(img, Qt::black));
}

static QImage ShowPanel(const QString& title, const QString& footer, QColor top, QColor bottom,
                        const QList<QPointF>& places)
{
    const int w = 223, h = 148;
    const QImage img = Supersample(w, h, 3, [&](QPainter& p) {
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.fillRect(QRectF(0, 0, w, h), g);
        p.setPen(QPen(kGoldLine, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(2, 2, w - 4, h - 4), 8, 8);
        OutlinedText(p, QRectF(0, 6, w, 52), title, SansFont(36, true), QColor(255, 224, 90), QColor(60, 10, 10), 3);
        for (const QPointF& at : places)
            CardPlace(p, at, QColor(255, 230, 160, 160));
        OutlinedText(p, QRectF(0, 124, w, 20), footer, SansFont(12, true), Qt::white, QColor(0, 0, 0, 160), 1);
    });
    return Opaque(FlattenOn(img, Qt::black));
}

QImage ChongtongPanel()
{
    QList<QPointF> places;
    for (int i = 0; i < 4; ++i)
        places.append(QPointF(16 + 51 * i, 66));
    return ShowPanel(QStringLiteral("총통!"), QStringLiteral("한 달 네 장을 모두 쥐었다"), QColor(150, 20, 40),
                     QColor(60, 6, 24), places);
}

QImage ShakePanel()
{
    return ShowPanel(QStringLiteral("흔들기!"), QStringLiteral("한 달 석 장을 보여 줍니다"), QColor(20, 100, 140),
                     QColor(8, 40, 70), {QPointF(43, 66), QPointF(94, 66), QPointF(145, 66)});
}

QImage MissionRateStrip()
{
    const int s = 55;
    QImage strip(s * 5, s, QImage::Format_RGB32);
    strip.fill(MissionPanelColour());
    QPainter out(&strip);
    for (int i = 0; i < 5; ++i) {
        const int rate = i + 2;
        const QImage img = Supersample(s, s, 4, [&](QPainter& p) {
            p.fillRect(QRectF(0, 0, s, s), MissionPanelColour());
            QRadialGradient g(QPointF(22, 22), 30);
            g.setColorAt(0, QColor(255, 236, 140));
            g.setColorAt(1, QColor(220, 150, 30));
            p.setPen(QPen(QColor(120, 60, 10), 1.5));
            p.setBrush(g);
            p.drawEllipse(QPointF(27.5, 27.5), 25, 25);
            p.setPen(QPen(QColor(255, 250, 220, 160), 1));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(27.5, 27.5), 21, 21);
            OutlinedText(p, QRectF(0, 4, s, 34), QStringLiteral("x") + QString::number(rate), RoundFont(25, true),
                         QColor(200, 20, 20), Qt::white, 1.5);
            OutlinedText(p, QRectF(0, 33, s, 16), QStringLiteral("배"), SansFont(12, true), QColor(110, 40, 0),
                         QColor(255, 240, 200), 0.8);
        });
        out.drawImage(i * s, 0, FlattenOn(img, MissionPanelColour()));
    }
    return strip;
}

QImage MissionMark(bool success)
{
    const int s = 44;
    const QImage img = Supersample(s, s, 4, [&](QPainter& p) {
        if (success) {
            p.setPen(QPen(Qt::white, 9));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(22, 22), 16, 16);
            p.setPen(QPen(QColor(220, 30, 30), 6));
            p.drawEllipse(QPointF(22, 22), 16, 16);
        } else {
            p.setPen(QPen(Qt::white, 11, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, 9), QPointF(35, 35));
            p.drawLine(QPointF(35, 9), QPointF(9, 35));
            p.setPen(QPen(QColor(30, 70, 220), 7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, 9), QPointF(35, 35));
            p.drawLine(QPointF(35, 9), QPointF(9, 35));
        }
    });
    return FlattenOnKey(img, kMagenta, Qt::white);
}

} // namespace zivi::art
