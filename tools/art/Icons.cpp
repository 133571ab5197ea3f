#include "tools/art/Icons.h"

#include "tools/art/CardArt.h"
#include "tools/art/Draw.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace zivi::art {
namespace {

const QColor kGold(226, 182, 70);

QPainterPath StarPath(QPointF c, qreal outer, qreal inner, int points, qreal turn = -M_PI / 2)
{
    QPainterPath path;
    for (int k = 0; k < points * 2; ++k) {
        const qreal a = turn + k * M_PI / points;
        const qreal r = k % 2 ? inner : outer;
        const QPointF q = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        k ? path.lineTo(q) : path.moveTo(q);
    }
    path.closeSubpath();
    return path;
}

QImage Emblem()
{
    const int w = 153, h = 151;
    const QImage face = CardFaceScaled(0, 44, 67);
    const QImage bird = CardFaceScaled(29, 44, 67);
    const QImage back = CardBackScaled(44, 67);
    const QImage img = Supersample(w, h, 3, [&](QPainter& p) {
        const QPointF c(76.5, 70);
        QRadialGradient g(c, 66);
        g.setColorAt(0, QColor(60, 150, 90));
        g.setColorAt(1, QColor(14, 70, 40));
        p.setPen(QPen(QColor(120, 80, 20), 2));
        p.setBrush(kGold);
        p.drawEllipse(c, 68, 66);
        p.setPen(QPen(QColor(255, 240, 190), 1.2));
        p.setBrush(g);
        p.drawEllipse(c, 61, 59);
        auto card = [&](const QImage& img, QPointF at, qreal angle) {
            p.save();
            p.translate(at);
            p.rotate(angle);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 90));
            p.drawRoundedRect(QRectF(-20, -31, 44, 67), 4, 4);
            p.drawImage(QPointF(-22, -33.5), img);
            p.restore();
        };
        card(back, QPointF(56, 66), -20);
        card(bird, QPointF(97, 66), 20);
        card(face, QPointF(76.5, 60), 0);
        // ribbon with the title
        QPainterPath ribbon(QPointF(6, 100));
        ribbon.quadTo(QPointF(76.5, 116), QPointF(147, 100));
        ribbon.lineTo(143, 126);
        ribbon.quadTo(QPointF(76.5, 142), QPointF(10, 126));
        ribbon.closeSubpath();
        p.setPen(QPen(QColor(90, 10, 10), 1.5));
        p.setBrush(QColor(196, 28, 36));
        p.drawPath(ribbon);
        OutlinedText(p, QRectF(0, 104, w, 30), QStringLiteral("타빈기보"), SansFont(21, true), Qt::white,
                     QColor(90, 10, 10), 1.2);
        OutlinedText(p, QRectF(0, 134, w, 16), QStringLiteral("클릭하여 기보 열기"), SansFont(11, true),
                     QColor(255, 236, 150), QColor(40, 30, 10), 1.2);
    });
    return FlattenOnKey(img, kLightGrey, QColor(40, 30, 10));
}

QImage Flash()
{
    const QImage img = Supersample(56, 75, 4, [](QPainter& p) {
        const QRectF card(10, 10, 36, 55);
        // glow ring around the card
        for (int k = 4; k >= 1; --k) {
            p.setPen(QPen(QColor(255, 240, 140, 60 + 40 * (4 - k)), k * 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(card.adjusted(-2, -2, 2, 2), 4, 4);
        }
        p.setPen(QPen(QColor(255, 255, 230), 1.4));
        p.drawRoundedRect(card.adjusted(-1.5, -1.5, 1.5, 1.5), 4, 4);
        // sparks at corners and sides
        const QPointF sparks[] = {{6, 6}, {50, 6}, {6, 69}, {50, 69}, {28, 3}, {28, 72}, {3, 37}, {53, 37}};
        for (const QPointF& s : sparks) {
            p.setPen(QPen(QColor(255, 170, 30), 0.6));
            p.setBrush(QColor(255, 240, 90));
            p.drawPath(StarPath(s, 4.2, 1.2, 4));
        }
    });
    return FlattenOnKey(img, kMagenta, QColor(255, 200, 60));
}

QImage BombBurst(int frame)
{
    return Supersample(36, 55, 4, [frame](QPainter& p) {
        const QPointF c(18, 27.5);
        if (frame <= 3) {
            const qreal r = 6 + frame * 4.5;
            QRadialGradient g(c, r * 1.3);
            g.setColorAt(0, QColor(255, 255, 220));
            g.setColorAt(0.35, QColor(255, 220, 60));
            g.setColorAt(0.7, QColor(250, 110, 20));
            g.setColorAt(1, QColor(200, 40, 10, frame == 3 ? 120 : 220));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawPath(StarPath(c, r * 1.3, r * 0.75, 8 + frame * 2, frame * 0.3));
            if (frame >= 2) {
                p.setBrush(QColor(90, 80, 80, 120));
                for (int k = 0; k < 6; ++k) {
                    const qreal a = k * M_PI / 3 + frame;
                    p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 1.1, 3.0 + frame, 3.0 + frame);
                }
            }
        } else {
            // smoke drifting away
            Noise n(44);
            for (int k = 0; k < 9; ++k) {
                const qreal a = n.range(0, 2 * M_PI);
                const qreal d = n.range(6, 16);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(120, 110, 110, int(n.range(60, 130))));
                p.drawEllipse(c + QPointF(std::cos(a) * d, std::sin(a) * d), n.range(3, 6), n.range(3, 6));
            }
            p.setBrush(QColor(255, 200, 60, 140));
            p.drawEllipse(c, 3, 3);
        }
    });
}

QImage VoiceIcon(bool male)
{
    return Supersample(21, 22, 8, [male](QPainter& p) {
        const QColor fill = male ? QColor(40, 110, 220) : QColor(230, 70, 140);
        p.setPen(QPen(fill.darker(170), 0.8));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(0.5, 0.5, 20, 21), 4, 4);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        if (male) {
            p.drawEllipse(QPointF(8.5, 13.5), 4.6, 4.6);
            p.drawLine(QPointF(12, 10), QPointF(16.5, 5.5));
            p.drawLine(QPointF(12, 5.2), QPointF(16.8, 5.2));
            p.drawLine(QPointF(16.8, 5.2), QPointF(16.8, 10));
        } else {
            p.drawEllipse(QPointF(10.5, 8.2), 4.6, 4.6);
            p.drawLine(QPointF(10.5, 12.8), QPointF(10.5, 19.5));
            p.drawLine(QPointF(7.3, 16.3), QPointF(13.7, 16.3));
        }
    });
}

QImage PersonIcon(QColor colour)
{
    return Supersample(16, 16, 8, [colour](QPainter& p) {
        p.setPen(QPen(colour.darker(180), 0.8));
        p.setBrush(colour);
        p.drawEllipse(QPointF(8, 5), 3.2, 3.2);
        QPainterPath body(QPointF(2, 15.2));
        body.cubicTo(QPointF(2, 9), QPointF(14, 9), QPointF(14, 15.2));
        body.closeSubpath();
        p.drawPath(body);
    });
}

QImage OwnIcon()
{
    return Supersample(16, 16, 8, [](QPainter& p) {
        p.setPen(QPen(QColor(140, 100, 0), 0.8));
        p.setBrush(QColor(250, 210, 30));
        p.drawPath(StarPath(QPointF(8, 8.4), 7.6, 3.3, 5));
    });
}

QImage OnlineIcon()
{
    return Supersample(16, 16, 8, [](QPainter& p) {
        const QPointF c(8, 8);
        p.setPen(QPen(QColor(10, 100, 40), 0.9));
        p.setBrush(QColor(60, 190, 90));
        p.drawEllipse(c, 7, 7);
        p.setPen(QPen(QColor(230, 255, 230), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 3, 7);
        p.drawLine(QPointF(1, 8), QPointF(15, 8));
        p.drawLine(QPointF(2.5, 4.5), QPointF(13.5, 4.5));
        p.drawLine(QPointF(2.5, 11.5), QPointF(13.5, 11.5));
    });
}

QImage PlayerPicture(int which)
{
    return FlattenOn(Supersample(73, 68, 4, [which](QPainter& p) {
        const QColor bg = which == 0 ? QColor(60, 110, 200) : QColor(200, 60, 60);
        QLinearGradient g(0, 0, 0, 68);
        g.setColorAt(0, bg.lighter(140));
        g.setColorAt(1, bg.darker(130));
        p.fillRect(QRectF(0, 0, 73, 68), g);
        // shoulders in a hanbok collar
        const QColor cloth = which == 0 ? QColor(30, 50, 110) : QColor(240, 220, 120);
        p.setPen(QPen(QColor(20, 20, 30), 1));
        p.setBrush(cloth);
        QPainterPath body(QPointF(8, 69));
        body.cubicTo(QPointF(10, 48), QPointF(63, 48), QPointF(65, 69));
        body.closeSubpath();
        p.drawPath(body);
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(QPointF(30, 52), QPointF(36.5, 62));
        p.drawLine(QPointF(43, 52), QPointF(36.5, 62));
        // face
        p.setPen(QPen(QColor(120, 70, 40), 1));
        p.setBrush(QColor(250, 214, 180));
        p.drawEllipse(QPointF(36.5, 30), 14, 16);
        // hair
        p.setBrush(QColor(30, 24, 20));
        QPainterPath hair;
        if (which == 0) {
            hair.moveTo(22, 30);
            hair.cubicTo(QPointF(20, 8), QPointF(53, 8), QPointF(51, 30));
            hair.cubicTo(QPointF(46, 20), QPointF(30, 18), QPointF(22, 30));
        } else {
            hair.moveTo(21, 44);
            hair.cubicTo(QPointF(14, 6), QPointF(59, 6), QPointF(52, 44));
            hair.lineTo(49, 44);
            hair.cubicTo(QPointF(50, 22), QPointF(24, 22), QPointF(24, 44));
            hair.closeSubpath();
        }
        p.drawPath(hair);
        // eyes and smile
        p.setBrush(QColor(30, 24, 20));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(31, 31), 1.6, 1.9);
        p.drawEllipse(QPointF(42, 31), 1.6, 1.9);
        p.setPen(QPen(QColor(160, 50, 50), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(31, 33, 11, 7), 200 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 140, 140, 110));
        p.drawEllipse(QPointF(27.5, 36), 2.6, 1.6);
        p.drawEllipse(QPointF(45.5, 36), 2.6, 1.6);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.75, 0.75, 71.5, 66.5));
    }), Qt::black);
}

QImage ModePicture(const QString& text, QColor fill, QColor ink)
{
    return Supersample(43, 17, 6, [&](QPainter& p) {
        p.setPen(QPen(fill.darker(170), 0.8));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(0.5, 0.5, 42, 16), 7, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(TextPath(QRectF(0, 0.3, 43, 17), text, SansFont(11, true)));
    });
}

QImage Leader()
{
    return Supersample(26, 26, 6, [](QPainter& p) {
        p.setPen(QPen(QColor(120, 70, 0), 0.8));
        p.setBrush(QColor(250, 200, 40));
        p.drawPath(StarPath(QPointF(13, 13), 12.5, 9.5, 12, 0));
        p.setBrush(QColor(200, 30, 30));
        p.setPen(QPen(QColor(255, 240, 180), 0.8));
        p.drawEllipse(QPointF(13, 13), 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(TextPath(QRectF(0, 0.4, 26, 26), QStringLiteral("선"), SansFont(11.5, true)));
    });
}

QImage ViewerIcon()
{
    const QImage face = CardFaceScaled(0, 26, 40);
    const QImage back = CardBackScaled(26, 40);
    return Supersample(64, 64, 4, [&](QPainter& p) {
        QLinearGradient g(0, 0, 0, 64);
        g.setColorAt(0, QColor(40, 130, 80));
        g.setColorAt(1, QColor(14, 66, 38));
        p.setPen(QPen(kGold, 2));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
        auto card = [&](const QImage& img, QPointF at, qreal angle) {
            p.save();
            p.translate(at);
            p.rotate(angle);
            p.drawImage(QPointF(-13, -20), img);
            p.restore();
        };
        card(back, QPointF(24, 27), -16);
        card(face, QPointF(40, 27), 12);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(196, 28, 36));
        p.drawRoundedRect(QRectF(8, 44, 48, 15), 5, 5);
        p.setBrush(Qt::white);
        p.drawPath(TextPath(QRectF(8, 44.5, 48, 15), QStringLiteral("기보"), SansFont(12, true)));
    });
}

QImage AdManagerIcon()
{
    return Supersample(64, 64, 4, [](QPainter& p) {
        QLinearGradient g(0, 0, 0, 64);
        g.setColorAt(0, QColor(255, 160, 40));
        g.setColorAt(1, QColor(210, 80, 10));
        p.setPen(QPen(QColor(120, 40, 0), 2));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
        // a loudspeaker
        p.setPen(QPen(QColor(80, 30, 0), 1.2));
        p.setBrush(Qt::white);
        QPainterPath horn(QPointF(12, 16));
        horn.lineTo(20, 16);
        horn.lineTo(34, 7);
        horn.lineTo(34, 33);
        horn.lineTo(20, 24);
        horn.lineTo(12, 24);
        horn.closeSubpath();
        p.drawPath(horn);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(32, 10, 12, 20), -60 * 16, 120 * 16);
        p.drawArc(QRectF(34, 5, 18, 30), -60 * 16, 120 * 16);
        OutlinedText(p, QRectF(0, 36, 64, 24), QStringLiteral("광고"), SansFont(19, true), Qt::white,
                     QColor(120, 40, 0), 1.2);
    });
}

QImage GameScreen()
{
    const int w = 229, h = 402;
    const QImage back = CardBackScaled(13, 20);
    const QImage small[] = {CardFaceScaled(0, 22, 33), CardFaceScaled(21, 22, 33), CardFaceScaled(29, 22, 33),
                            CardFaceScaled(8, 22, 33),  CardFaceScaled(36, 22, 33), CardFaceScaled(5, 22, 33)};
    const int handCards[] = {1, 4, 12, 17, 20, 24, 33, 40};
    const QImage img = Supersample(w, h, 2, [&](QPainter& p) {
        QRadialGradient felt(QPointF(w / 2.0, 120), 240);
        felt.setColorAt(0, QColor(44, 130, 80));
        felt.setColorAt(1, QColor(14, 60, 34));
        p.fillRect(QRectF(0, 0, w, h), felt);
        // title bar of the game window
        p.fillRect(QRectF(0, 0, w, 14), QColor(40, 40, 60));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 230, 240));
        p.drawPath(TextPath(QRectF(4, 0, w, 14), QStringLiteral("맞고"), SansFont(9, true),
                            Qt::AlignLeft | Qt::AlignVCenter));
        // opponent's hand
        for (int i = 0; i < 10; ++i)
            p.drawImage(QPointF(46 + i * 14, 20), back);
        // table
        const QPointF at[] = {{40, 60}, {80, 60}, {130, 60}, {170, 66}, {60, 108}, {150, 108}};
        for (int i = 0; i < 6; ++i)
            p.drawImage(at[i], small[i]);
        p.drawImage(QPointF(104, 104), CardBackScaled(22, 33));
        // the advertisement's place
        const QRectF ad(15, 166, 210, 70);
        p.setPen(QPen(QColor(255, 255, 255), 1.5, Qt::DashLine));
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawRect(ad.adjusted(-1, -1, 1, 1));
        OutlinedText(p, ad.adjusted(0, 10, 0, -22), QStringLiteral("광고 자리"), SansFont(16, true), Qt::white,
                     QColor(20, 40, 30), 1.2);
        OutlinedText(p, ad.adjusted(0, 40, 0, -6), QStringLiteral("210 x 70"), SansFont(11, true),
                     QColor(255, 240, 180), QColor(20, 40, 30), 1);
        // own hand
        p.fillRect(QRectF(0, 320, w, 82), QColor(0, 0, 0, 70));
        for (int i = 0; i < 8; ++i) {
            const QImage c = CardFaceScaled(handCards[i], 24, 37);
            p.drawImage(QPointF(8 + (i % 8) * 27, 330 + (i % 2) * 6), c);
        }
        // player plates
        p.setPen(QPen(QColor(226, 182, 70), 1));
        p.setBrush(QColor(0, 0, 0, 120));
        p.drawRoundedRect(QRectF(6, 250, 100, 60), 6, 6);
        p.drawRoundedRect(QRectF(122, 250, 100, 60), 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 230, 150));
        p.drawPath(TextPath(QRectF(6, 254, 100, 20), QStringLiteral("점수 7"), SansFont(11, true)));
        p.drawPath(TextPath(QRectF(122, 254, 100, 20), QStringLiteral("1고"), SansFont(11, true)));
        p.setBrush(QColor(140, 230, 255));
        p.drawPath(TextPath(QRectF(6, 280, 100, 20), QStringLiteral("3만5000"), SansFont(11, true)));
        p.drawPath(TextPath(QRectF(122, 280, 100, 20), QStringLiteral("12만"), SansFont(11, true)));
    });
    return FlattenOn(img, Qt::black);
}

QImage AdminHint()
{
    const int w = 424, h = 300;
    const QImage icon = AdManagerIcon().scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage img = Supersample(w, h, 2, [&](QPainter& p) {
        p.fillRect(QRectF(0, 0, w, h), QColor(250, 250, 252));
        p.setPen(QPen(QColor(60, 90, 160), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1, 1, w - 2, h - 2));
        p.fillRect(QRectF(2, 2, w - 4, 40), QColor(60, 90, 160));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(TextPath(QRectF(14, 2, w - 20, 40), QStringLiteral("관리자 권한으로 실행하는 방법"),
                            SansFont(17, true), Qt::AlignLeft | Qt::AlignVCenter));
        // desktop with the program icon
        p.fillRect(QRectF(20, 60, 150, 200), QColor(40, 100, 150));
        p.drawImage(QPointF(70, 90), icon);
        p.setBrush(Qt::white);
        p.drawPath(TextPath(QRectF(20, 142, 150, 20), QStringLiteral("광고관리"), SansFont(12, true)));
        p.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(62, 84, 64, 84));
        // the context menu
        const QRectF menu(150, 112, 250, 150);
        p.setPen(QPen(QColor(150, 150, 160), 1));
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRect(menu.translated(4, 4));
        p.setBrush(QColor(245, 245, 247));
        p.drawRect(menu);
        const QString items[] = {QStringLiteral("열기(O)"), QStringLiteral("관리자 권한으로 실행(A)"),
                                 QStringLiteral("호환성 문제 해결(Y)"), QStringLiteral("바로 가기 만들기(S)"),
                                 QStringLiteral("속성(R)")};
        for (int i = 0; i < 5; ++i) {
            const QRectF row(menu.left() + 3, menu.top() + 6 + i * 28, menu.width() - 6, 26);
            if (i == 1) {
                p.setPen(QPen(QColor(60, 120, 220), 1));
                p.setBrush(QColor(200, 222, 255));
                p.drawRect(row);
                // the shield of elevated rights
                p.setPen(QPen(QColor(30, 60, 140), 0.8));
                p.setBrush(QColor(250, 200, 40));
                QPainterPath shield(QPointF(row.left() + 8, row.top() + 5));
                shield.lineTo(row.left() + 20, row.top() + 5);
                shield.lineTo(row.left() + 20, row.top() + 13);
                shield.quadTo(QPointF(row.left() + 14, row.top() + 23), QPointF(row.left() + 14, row.top() + 23));
                shield.quadTo(QPointF(row.left() + 8, row.top() + 18), QPointF(row.left() + 8, row.top() + 13));
                shield.closeSubpath();
                p.drawPath(shield);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(i == 1 ? QColor(10, 30, 90) : QColor(30, 30, 30));
            p.drawPath(TextPath(row.adjusted(28, 0, 0, 0), items[i], SansFont(14, i == 1),
                                Qt::AlignLeft | Qt::AlignVCenter));
        }
        // the mouse pointer on the highlighted entry
        QPainterPath arrow(QPointF(330, 152));
        arrow.lineTo(330, 176);
        arrow.lineTo(336, 170);
        arrow.lineTo(341, 180);
        arrow.lineTo(345, 178);
        arrow.lineTo(340, 168);
        arrow.lineTo(348, 168);
        arrow.closeSubpath();
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawPath(arrow);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(180, 20, 20));
        p.drawPath(TextPath(QRectF(10, 268, w - 20, 26),
                            QStringLiteral("아이콘에서 마우스 오른쪽 버튼 → [관리자 권한으로 실행]"),
                            SansFont(14, true)));
    });
    return FlattenOn(img, Qt::white);
}

} // namespace

QMap<QString, QImage> ViewerPictures()
{
    QMap<QString, QImage> m;
    m.insert(QStringLiteral("emblem.png"), Emblem());
    m.insert(QStringLiteral("flash.png"), Flash());
    for (int f = 1; f <= 4; ++f)
        m.insert(QStringLiteral("bomb%1.png").arg(f), BombBurst(f));
    m.insert(QStringLiteral("voice_m.png"), VoiceIcon(true));
    m.insert(QStringLiteral("voice_f.png"), VoiceIcon(false));
    m.insert(QStringLiteral("list_own.png"), OwnIcon());
    m.insert(QStringLiteral("list_other.png"), PersonIcon(QColor(220, 50, 50)));
    m.insert(QStringLiteral("list_online.png"), OnlineIcon());
    m.insert(QStringLiteral("player1.png"), PlayerPicture(0));
    m.insert(QStringLiteral("player2.png"), PlayerPicture(1));
    m.insert(QStringLiteral("mode_own.png"), ModePicture(QStringLiteral("내기보"), QColor(255, 220, 40), Qt::black));
    m.insert(QStringLiteral("mode_other.png"), ModePicture(QStringLiteral("타인"), QColor(220, 40, 40), Qt::white));
    m.insert(QStringLiteral("mode_online.png"),
             ModePicture(QStringLiteral("온라인"), QColor(40, 180, 70), Qt::white));
    m.insert(QStringLiteral("leader.png"), Leader());
    m.insert(QStringLiteral("icon.png"), ViewerIcon());
    return m;
}

QMap<QString, QImage> AdManagerPictures()
{
    QMap<QString, QImage> m;
    m.insert(QStringLiteral("gamescreen.png"), GameScreen());
    m.insert(QStringLiteral("admin.png"), AdminHint());
    m.insert(QStringLiteral("icon.png"), AdManagerIcon());
    return m;
}

} // namespace zivi::art
