// Placeable metafile writer: pens, brushes and line drawing records, for the report drawings.
#include "rpMetafileWriter.h"

#include "Binario.h"

#include <cmath>
#include <stdexcept>
#include <string>

using namespace rpMeta;

TrpMetafileWriter::TrpMetafileWriter(const QRect& bounds, int unitsPerInch)
    : m_bounds(bounds), m_unitsPerInch(unitsPerInch) {
    if (bounds.isEmpty() || unitsPerInch <= 0 || unitsPerInch > 0xFFFF)
        throw std::out_of_range("metafile bounds or units per inch out of range");
    c16(bounds.left());
    c16(bounds.top());
    c16(bounds.left() + bounds.width());
    c16(bounds.top() + bounds.height());
    setWindowOrg(bounds.topLeft());
    setWindowExt(bounds.size());
}

std::int16_t TrpMetafileWriter::c16(int v) {
    if (v < -32768 || v > 32767)
        throw std::out_of_range("metafile coordinate out of range: " + std::to_string(v));
    return std::int16_t(v);
}

void TrpMetafileWriter::record(std::uint16_t function, const std::vector<std::int16_t>& params) {
    const std::uint32_t words = std::uint32_t(3 + params.size());
    EscritorBinario e(m_records);
    e.u32(words);
    e.u16(function);
    for (std::int16_t p : params)
        e.u16(std::uint16_t(p));
    m_maxRecord = std::max(m_maxRecord, words);
}

int TrpMetafileWriter::ocupar() {
    for (size_t i = 0; i < m_slots.size(); ++i)
        if (!m_slots[i]) {
            m_slots[i] = true;
            return int(i);
        }
    if (m_slots.size() >= 0xFFFF) throw std::out_of_range("metafile object table full");
    m_slots.push_back(true);
    return int(m_slots.size() - 1);
}

int TrpMetafileWriter::createPen(int style, int width, const QColor& color) {
    const std::uint32_t c = ColorRef(color);
    record(CreatePenIndirect, {std::int16_t(std::uint16_t(style)), c16(width), 0,
                               std::int16_t(c & 0xFFFF), std::int16_t(c >> 16)});
    return ocupar();
}

int TrpMetafileWriter::createBrush(int style, const QColor& color, int hatch) {
    const std::uint32_t c = ColorRef(color);
    record(CreateBrushIndirect, {std::int16_t(std::uint16_t(style)), std::int16_t(c & 0xFFFF),
                                 std::int16_t(c >> 16), std::int16_t(hatch)});
    return ocupar();
}

void TrpMetafileWriter::selectObject(int index) {
    record(SelectObject, {std::int16_t(std::uint16_t(index))});
}

void TrpMetafileWriter::deleteObject(int index) {
    record(DeleteObject, {std::int16_t(std::uint16_t(index))});
    if (index >= 0 && size_t(index) < m_slots.size()) m_slots[size_t(index)] = false;
}

void TrpMetafileWriter::setBkMode(int mode) {
    record(SetBkMode, {std::int16_t(mode)});
}

void TrpMetafileWriter::setBkColor(const QColor& color) {
    const std::uint32_t c = ColorRef(color);
    record(SetBkColor, {std::int16_t(c & 0xFFFF), std::int16_t(c >> 16)});
}

void TrpMetafileWriter::setPolyFillMode(int mode) {
    record(SetPolyFillMode, {std::int16_t(mode)});
}

void TrpMetafileWriter::setWindowOrg(const QPoint& org) {
    record(SetWindowOrg, {c16(org.y()), c16(org.x())});
}

void TrpMetafileWriter::setWindowExt(const QSize& ext) {
    record(SetWindowExt, {c16(ext.height()), c16(ext.width())});
}

void TrpMetafileWriter::saveDC() {
    record(rpMeta::SaveDC, {});
}
void TrpMetafileWriter::restoreDC(int level) {
    record(RestoreDC, {std::int16_t(level)});
}

void TrpMetafileWriter::moveTo(const QPoint& p) {
    record(MoveTo, {c16(p.y()), c16(p.x())});
}
void TrpMetafileWriter::lineTo(const QPoint& p) {
    record(LineTo, {c16(p.y()), c16(p.x())});
}

void TrpMetafileWriter::pontos(std::vector<std::int16_t>& out, const QPolygon& points) {
    for (const QPoint& p : points) {
        out.push_back(c16(p.x()));
        out.push_back(c16(p.y()));
    }
}

void TrpMetafileWriter::polyline(const QPolygon& points) {
    std::vector<std::int16_t> params{c16(int(points.size()))};
    pontos(params, points);
    record(Polyline, params);
}

void TrpMetafileWriter::polygon(const QPolygon& points) {
    std::vector<std::int16_t> params{c16(int(points.size()))};
    pontos(params, points);
    record(Polygon, params);
}

void TrpMetafileWriter::polyPolygon(const QList<QPolygon>& polygons) {
    std::vector<std::int16_t> params{c16(int(polygons.size()))};
    for (const QPolygon& p : polygons)
        params.push_back(c16(int(p.size())));
    for (const QPolygon& p : polygons)
        pontos(params, p);
    record(PolyPolygon, params);
}

void TrpMetafileWriter::retangulo(std::uint16_t function, const QRect& r) {
    record(function,
           {c16(r.top() + r.height()), c16(r.left() + r.width()), c16(r.top()), c16(r.left())});
}

void TrpMetafileWriter::rectangle(const QRect& r) {
    retangulo(Rectangle, r);
}
void TrpMetafileWriter::ellipse(const QRect& r) {
    retangulo(Ellipse, r);
}

void TrpMetafileWriter::arco(std::uint16_t function, const QRect& r, const QPoint& start,
                             const QPoint& end) {
    record(function,
           {c16(end.y()), c16(end.x()), c16(start.y()), c16(start.x()), c16(r.top() + r.height()),
            c16(r.left() + r.width()), c16(r.top()), c16(r.left())});
}

void TrpMetafileWriter::arc(const QRect& r, const QPoint& s, const QPoint& e) {
    arco(Arc, r, s, e);
}
void TrpMetafileWriter::pie(const QRect& r, const QPoint& s, const QPoint& e) {
    arco(Pie, r, s, e);
}
void TrpMetafileWriter::chord(const QRect& r, const QPoint& s, const QPoint& e) {
    arco(Chord, r, s, e);
}

void TrpMetafileWriter::arrowHead(const QPoint& tip, const QPoint& from, int length,
                                  int halfWidth) {
    const double dx = tip.x() - from.x(), dy = tip.y() - from.y();
    const double n = std::hypot(dx, dy);
    if (n == 0) return;
    const double ux = dx / n, uy = dy / n;
    const double bx = tip.x() - ux * length, by = tip.y() - uy * length;
    const QPoint l(int(std::lround(bx - uy * halfWidth)), int(std::lround(by + ux * halfWidth)));
    const QPoint r(int(std::lround(bx + uy * halfWidth)), int(std::lround(by - ux * halfWidth)));
    polygon(QPolygon({tip, l, r}));
}

void TrpMetafileWriter::dimension(const QPoint& a, const QPoint& b, int headLength,
                                  int headHalfWidth) {
    line(a, b);
    arrowHead(a, b, headLength, headHalfWidth);
    arrowHead(b, a, headLength, headHalfWidth);
}

void TrpMetafileWriter::axis(const QPoint& a, const QPoint& b, int width, const QColor& color) {
    saveDC();
    const int pen = createPen(PenDashDot, width, color);
    selectObject(pen);
    line(a, b);
    restoreDC(-1);
    deleteObject(pen);
}

QByteArray TrpMetafileWriter::finish() {
    record(Eof, {});
    QByteArray out;
    EscritorBinario e(out);
    // Placeable header.
    e.u32(PlaceableKey);
    e.u16(0);
    e.u16(std::uint16_t(c16(m_bounds.left())));
    e.u16(std::uint16_t(c16(m_bounds.top())));
    e.u16(std::uint16_t(c16(m_bounds.left() + m_bounds.width())));
    e.u16(std::uint16_t(c16(m_bounds.top() + m_bounds.height())));
    e.u16(std::uint16_t(m_unitsPerInch));
    e.u32(0);
    std::uint16_t sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= std::uint16_t(std::uint8_t(out[2 * i]) | (std::uint8_t(out[2 * i + 1]) << 8));
    e.u16(sum);
    // Standard header: 9 words, version 3.
    const std::uint32_t total = std::uint32_t(HeaderWords + m_records.size() / 2);
    e.u16(1);
    e.u16(HeaderWords);
    e.u16(0x0300);
    e.u32(total);
    e.u16(std::uint16_t(m_slots.size()));
    e.u32(m_maxRecord);
    e.u16(0);
    out.append(m_records);
    m_records.clear();
    return out;
}
