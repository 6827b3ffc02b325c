// libFuzzer target: the placeable metafile reader, and the player on whatever it accepts.
#include "rpMetafile.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TrpMetafile mf;
    QString erro;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!mf.load(bytes, &erro)) return 0;
    static QImage img(64, 48, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    mf.play(p, QRectF(2, 3, 60, 40));
    return 0;
}
