#include "tools/art/GifWriter.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <array>
#include <vector>

namespace zivi::art {
namespace {

struct Entry {
    QRgb colour;
    int count;
};

struct Box {
    std::vector<Entry> entries;
    int channelRange(int channel) const
    {
        int lo = 255, hi = 0;
        for (const Entry& e : entries) {
            const int v = channel == 0 ? qRed(e.colour) : channel == 1 ? qGreen(e.colour) : qBlue(e.colour);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        return hi - lo;
    }
    qint64 weight() const
    {
        qint64 w = 0;
        for (const Entry& e : entries)
            w += e.count;
        return w;
    }
    QRgb average() const
    {
        qint64 r = 0, g = 0, b = 0, n = 0;
        for (const Entry& e : entries) {
            r += qint64(qRed(e.colour)) * e.count;
            g += qint64(qGreen(e.colour)) * e.count;
            b += qint64(qBlue(e.colour)) * e.count;
            n += e.count;
        }
        if (n == 0)
            return qRgb(0, 0, 0);
        return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
    }
};

int ChannelOf(QRgb c, int channel)
{
    return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
}

int Distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    // Weighted towards green, as the eye is.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

class BitWriter {
public:
    explicit BitWriter(QByteArray& out) : out_(out) {}
    void put(int code, int bits)
    {
        acc_ |= quint32(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            block_.append(char(acc_ & 0xff));
            acc_ >>= 8;
            count_ -= 8;
            if (block_.size() == 255)
                flushBlock();
        }
    }
    void finish()
    {
        if (count_ > 0)
            block_.append(char(acc_ & 0xff));
        acc_ = 0;
        count_ = 0;
        flushBlock();
        out_.append(char(0)); // block terminator
    }

private:
    void flushBlock()
    {
        if (block_.isEmpty())
            return;
        out_.append(char(block_.size()));
        out_.append(block_);
        block_.clear();
    }
    QByteArray& out_;
    QByteArray block_;
    quint32 acc_ = 0;
    int count_ = 0;
};

void PutWord(QByteArray& out, int v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

void EncodeLzw(const std::vector<quint8>& pixels, int minCodeSize, QByteArray& out)
{
    out.append(char(minCodeSize));
    BitWriter bits(out);
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    int codeSize = minCodeSize + 1;
    int nextCode = endCode + 1;
    QHash<quint32, int> table;
    table.reserve(4096);
    bits.put(clearCode, codeSize);
    if (pixels.empty()) {
        bits.put(endCode, codeSize);
        bits.finish();
        return;
    }
    int prefix = pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        const int c = pixels[i];
        const quint32 key = (quint32(prefix) << 8) | quint32(c);
        const auto it = table.constFind(key);
        if (it != table.constEnd()) {
            prefix = it.value();
            continue;
        }
        bits.put(prefix, codeSize);
        if (nextCode < 4095) {
            table.insert(key, nextCode++);
            if (nextCode > (1 << codeSize) && codeSize < 12)
                ++codeSize;
        } else {
            bits.put(clearCode, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            nextCode = endCode + 1;
        }
        prefix = c;
    }
    bits.put(prefix, codeSize);
    bits.put(endCode, codeSize);
    bits.finish();
}

} // namespace

QList<QRgb> BuildPalette(const QImage& source, const QList<QRgb>& exactColours)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> palette;
    for (QRgb c : exactColours) {
        const QRgb opaque = c | 0xff000000u;
        if (!palette.contains(opaque))
            palette.append(opaque);
    }
    QHash<QRgb, int> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x] | 0xff000000u;
            if (!palette.contains(c))
                ++histogram[c];
        }
    }
    const int room = 256 - int(palette.size());
    if (histogram.size() <= room) {
        QList<QRgb> rest = histogram.keys();
        std::sort(rest.begin(), rest.end());
        palette.append(rest);
        return palette;
    }
    std::vector<Box> boxes(1);
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        boxes[0].entries.push_back({it.key(), it.value()});
    // The hash's order changes from run to run; sorted, the same picture gives the same file.
    std::sort(boxes[0].entries.begin(), boxes[0].entries.end(),
              [](const Entry& a, const Entry& b) { return a.colour < b.colour; });
    while (int(boxes.size()) < room) {
        // Split the box with the largest spread, weighted by how many pixels it covers.
        int best = -1;
        double bestScore = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].entries.size() < 2)
                continue;
            const int range = std::max({boxes[i].channelRange(0), boxes[i].channelRange(1), boxes[i].channelRange(2)});
            const double score = double(range) * std::sqrt(double(boxes[i].weight()));
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (best < 0)
            break;
        Box& box = boxes[best];
        int channel = 0;
        int widest = -1;
        for (int ch = 0; ch < 3; ++ch) {
            const int r = box.channelRange(ch);
            if (r > widest) {
                widest = r;
                channel = ch;
            }
        }
        std::stable_sort(box.entries.begin(), box.entries.end(), [channel](const Entry& a, const Entry& b) {
            return ChannelOf(a.colour, channel) < ChannelOf(b.colour, channel);
        });
        const qint64 half = box.weight() / 2;
        qint64 acc = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.entries.size(); ++i) {
            acc += box.entries[i].count;
            cut = i + 1;
            if (acc >= half)
                break;
        }
        Box upper;
        upper.entries.assign(box.entries.begin() + long(cut), box.entries.end());
        box.entries.resize(cut);
        boxes.push_back(std::move(upper));
    }
    const QList<QRgb> reserved = palette;
    for (const Box& b : boxes) {
        QRgb c = b.average();
        // Never let a reduced colour land on a reserved one (two boxes may share an average:
        // that is harmless). Step away from it, alternating sides, until it is free.
        for (int k = 1; reserved.contains(c); ++k) {
            const int r = std::clamp(qRed(b.average()) + ((k & 1) ? (k + 1) / 2 : -(k / 2)), 0, 255);
            const int g = std::clamp(qGreen(b.average()) + (k > 510 ? 1 : 0), 0, 255);
            c = qRgb(r, g, qBlue(b.average()));
        }
        palette.append(c);
    }
    return palette;
}

QByteArray EncodeGif(const QImage& source, const GifOptions& options)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> exact = options.exactColours;
    if (options.transparentColour && !exact.contains(*options.transparentColour | 0xff000000u))
        exact.prepend(*options.transparentColour | 0xff000000u);
    const QList<QRgb> palette = BuildPalette(image, exact);
    int exactCount = 0;
    for (QRgb c : exact)
        if (palette.indexOf(c | 0xff000000u) >= 0)
            ++exactCount;

    QHash<QRgb, int> lookup;
    for (int i = 0; i < palette.size(); ++i)
        lookup.insert(palette[i], i);
    std::vector<quint8> pixels;
    pixels.reserve(size_t(image.width()) * size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x] | 0xff000000u;
            auto it = lookup.constFind(c);
            if (it == lookup.constEnd()) {
                int best = exactCount < palette.size() ? exactCount : 0;
                int bestDistance = Distance(c, palette[best]);
                for (int i = exactCount; i < palette.size(); ++i) {
                    const int d = Distance(c, palette[i]);
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = i;
                    }
                }
                it = lookup.insert(c, best);
            }
            pixels.push_back(quint8(it.value()));
        }
    }

    int tableBits = 1;
    while ((1 << tableBits) < palette.size())
        ++tableBits;

    QByteArray out;
    out.append("GIF89a");
    PutWord(out, image.width());
    PutWord(out, image.height());
    out.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1))); // global table, colour resolution
    out.append(char(0)); // background colour index
    out.append(char(0)); // pixel aspect ratio
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    if (options.transparentColour) {
        const int index = int(palette.indexOf(*options.transparentColour | 0xff000000u));
        out.append(char(0x21));
        out.append(char(0xf9));
        out.append(char(4));
        out.append(char(0x01)); // transparent index present, no disposal
        PutWord(out, 0);
        out.append(char(index));
        out.append(char(0));
    }
    out.append(char(0x2c)); // image descriptor
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, image.width());
    PutWord(out, image.height());
    out.append(char(0)); // no local table, not interlaced
    EncodeLzw(pixels, std::max(2, tableBits), out);
    out.append(char(0x3b)); // trailer
    return out;
}

bool WriteGif(const QImage& image, const QString& path, const GifOptions& options)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(EncodeGif(image, options));
    return file.commit();
}

} // namespace zivi::art
