// A small GIF89a writer: one frame, a global colour table of at most 256 colours, LZW-coded.
// Images with more colours are reduced by a median-cut palette; colours listed as exact keep
// their own palette entry and no other colour is mapped onto them.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QByteArray>
#include <optional>

namespace zivi::art {

struct GifOptions {
    QList<QRgb> exactColours;            // kept exactly (key colours such as magenta)
    std::optional<QRgb> transparentColour; // written as the GIF's transparent index
};

// The palette a picture is written with: at most 256 colours, exact colours first.
QList<QRgb> BuildPalette(const QImage& image, const QList<QRgb>& exactColours);

// Encodes the picture as GIF89a bytes. Alpha is ignored (the picture is taken as opaque).
QByteArray EncodeGif(const QImage& image, const GifOptions& options = {});

// Writes EncodeGif to a file; false when the file cannot be written.
bool WriteGif(const QImage& image, const QString& path, const GifOptions& options = {});

} // namespace zivi::art
