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
    if (pages.count() == 0) return 0;
    // One page at its full size, seen through a small window placed by the input: only the
    // objects under the window are drawn, so each run stays short whatever the page holds.
    static QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const int pagina = static_cast<int>(size % static_cast<std::size_t>(pages.count()));
    const double x = static_cast<double>((size * 7919) % 700),
                 y = static_cast<double>((size * 104729) % 1000);
    pages.draw(pagina, painter, QRectF(-x, -y, 760, 1070), QRectF(image.rect()));
    return 0;
}
