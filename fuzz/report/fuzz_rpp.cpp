// libFuzzer target: the ".rpp" prepared-report reader, and drawing whatever it accepts.
#include "rpPrepared.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    buffer.open(QIODevice::ReadOnly);
    TrpPreparedPages pages;
    try {
        pages.load(buffer);
    } catch (const std::runtime_error&) {
        return 0;
    }
    QImage image(76, 107, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int i = 0; i < pages.count() && i < 4; ++i)
        pages.draw(i, painter, QRectF(image.rect()));
    return 0;
}
