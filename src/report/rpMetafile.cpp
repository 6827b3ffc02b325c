// Placeable metafiles: bounds-checked reader and player that draws them scaled into a rectangle.
#include "rpMetafile.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using namespace rpMeta;

// Little-endian reader over a byte range; every read is checked by the caller against size().
class Bytes {
public:
    explicit Bytes(const QByteArray& d) : m_d(d) {}
    qsizetype size() const { return m_d.size(); }
    std::uint16_t u16(qsizetype at) const {
        return std::uint16_t(std::uint8_t(m_d[at]) | (std::uint8_t(m_d[at + 1]) << 8));
    }
    std::int16_t s16(qsizetype at) const { return std::int16_t(u16(at)); }
    std::uint32_t u32(qsizetype at) const {
        return std::uint32_t(u16(at)) | (std::uint32_t(u16(at + 2)) << 16);
    }

private:
    const QByteArray& m_d;
};

// Dash patterns, in 1/96 inch, of the styled pens (dash, gap, ...).
QList<qreal> padraoTracejado(int style) {
    switch (style) {
    case PenDash:
        return {12, 4};
    case PenDot:
        return {2, 3};
    case PenDashDot:
        return {16, 4, 2, 4};
    case PenDashDotDot:
        return {16, 4, 2, 4, 2, 4};
    default:
        return {};
    }
}

struct PenDef {
    int style = PenSolid;
    int width = 0; // logical units; 0 is the thinnest line the device draws
    QColor color = Qt::black;
};

struct BrushDef {
    int style = BrushSolid;
    QColor color = Qt::white;
    int hatch = 0;
};

struct Slot {
    enum Kind { Free, Pen, Brush, Other } kind = Free;
    PenDef pen;
    BrushDef brush;
};

struct DcState {
    PenDef pen;
    BrushDef brush;
    int bkMode = Opaque;
    QColor bkColor = Qt::white;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    QPoint org;
    QSize ext;
    QPointF pos;
};

constexpr int MaxSaveDepth = 256;

// Angle, in degrees counter-clockwise as seen on the page, of the point where the radial
// line from the centre of `r` through `p` meets the ellipse inscribed in `r`.
qreal anguloElipse(const QRectF& r, QPointF p) {
    const qreal rx = r.width() / 2, ry = r.height() / 2;
    const QPointF c = r.center();
    const qreal dx = rx != 0 ? (p.x() - c.x()) / rx : p.x() - c.x();
    const qreal dy = ry != 0 ? (c.y() - p.y()) / ry : c.y() - p.y();
    if (dx == 0 && dy == 0) return 0;
    return std::atan2(dy, dx) * 180 / std::numbers::pi;
}

class Player {
public:
    Player(QPainter& p, const QRectF& target, const QRect& bounds, int upi, int objects)
        : m_p(p), m_target(target), m_base(p.worldTransform()), m_slots(size_t(objects)) {
        m_dc.org = bounds.topLeft();
        m_dc.ext = bounds.size();
        const qreal baseScale = std::sqrt(std::abs(m_base.determinant()));
        const qreal perUnit =
            (target.width() / bounds.width() + target.height() / bounds.height()) / 2;
        m_k = baseScale * perUnit * upi / 96.0;
        aplicarJanela();
    }

    void executar(const TrpMetafile::Op& op);

private:
    void aplicarJanela() {
        QTransform t;
        t.translate(m_target.x(), m_target.y());
        t.scale(m_target.width() / m_dc.ext.width(), m_target.height() / m_dc.ext.height());
        t.translate(-m_dc.org.x(), -m_dc.org.y());
        const QTransform total = t * m_base;
        m_p.setWorldTransform(total);
        m_s = std::sqrt(std::abs(total.determinant()));
    }
    QPen caneta() const;
    void desenharForma(const QPainterPath& path, bool fill);
    void preencherHachura(const QPainterPath& path);
    static QRectF retangulo(const int* a) { // bottom, right, top, left
        return QRectF(QPointF(a[3], a[2]), QPointF(a[1], a[0])).normalized();
    }

    QPainter& m_p;
    QRectF m_target;
    QTransform m_base;
    std::vector<Slot> m_slots;
    std::vector<DcState> m_stack;
    DcState m_dc;
    qreal m_k = 1; // device pixels per 1/96 inch of the picture
    qreal m_s = 1; // device pixels per logical unit
};

QPen Player::caneta() const {
    const PenDef& d = m_dc.pen;
    const int style = d.style & 0x0F;
    if (style == PenNull) return QPen(Qt::NoPen);
    const qreal width = d.width == 0 ? std::max<qreal>(m_k, 0.5) : d.width * m_s;
    QPen pen(d.color);
    pen.setCosmetic(true);
    pen.setWidthF(width);
    switch (d.style & 0x0F00) {
    case 0x0100:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case 0x0200:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
    }
    switch (d.style & 0xF000) {
    case 0x1000:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case 0x2000:
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        pen.setJoinStyle(Qt::RoundJoin);
    }
    QList<qreal> dashes = padraoTracejado(style);
    if (!dashes.isEmpty()) {
        const qreal unit = std::max<qreal>(width, 1.0);
        for (qreal& v : dashes)
            v = std::max<qreal>(v * m_k / unit, 0.5);
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern(dashes);
    }
    return pen;
}

void Player::preencherHachura(const QPainterPath& path) {
    const BrushDef& b = m_dc.brush;
    m_p.save();
    m_p.setClipPath(path, Qt::IntersectClip);
    if (m_dc.bkMode == Opaque) m_p.fillPath(path, m_dc.bkColor);
    QPen pen(b.color);
    pen.setCosmetic(true);
    pen.setWidthF(std::max<qreal>(m_k * 0.75, 0.5));
    m_p.setPen(pen);
    // Only the part of the shape that lies on the device is hatched, so a huge shape costs no
    // more than the device is large.
    QRectF r = path.boundingRect();
    if (const QPaintDevice* dev = m_p.device()) {
        bool invertivel = false;
        const QTransform inv = m_p.worldTransform().inverted(&invertivel);
        if (invertivel) r &= inv.mapRect(QRectF(0, 0, dev->width(), dev->height()));
    }
    if (r.isEmpty()) {
        m_p.restore();
        return;
    }
    // Lines 8/96 inch apart, but never closer than 2 device pixels.
    const qreal step = std::max<qreal>(std::max<qreal>(8 * m_k, 2) / m_s, 1e-9);
    const qreal span = r.width() + r.height();
    // Guard against absurd line counts on degenerate scales: the lines are then merely denser.
    const qreal n = span / step;
    const qreal passo = n > 4000 ? span / 4000 : step;
    const int h = b.hatch;
    if (h == HatchHorizontal || h == HatchCross)
        for (qreal y = r.top(); y <= r.bottom(); y += passo)
            m_p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    if (h == HatchVertical || h == HatchCross)
        for (qreal x = r.left(); x <= r.right(); x += passo)
            m_p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    if (h == HatchFDiagonal || h == HatchDiagCross) // "\" lines
        for (qreal t = -r.height(); t <= r.width(); t += passo)
            m_p.drawLine(QPointF(r.left() + t, r.top()),
                         QPointF(r.left() + t + r.height(), r.bottom()));
    if (h == HatchBDiagonal || h == HatchDiagCross) // "/" lines
        for (qreal t = 0; t <= span; t += passo)
            m_p.drawLine(QPointF(r.left() + t, r.top()),
                         QPointF(r.left() + t - r.height(), r.bottom()));
    m_p.restore();
}

void Player::desenharForma(const QPainterPath& path, bool fill) {
    if (fill) {
        const BrushDef& b = m_dc.brush;
        if (b.style == BrushSolid)
            m_p.fillPath(path, b.color);
        else if (b.style == BrushHatched)
            preencherHachura(path);
    }
    m_p.strokePath(path, caneta());
}

void Player::executar(const TrpMetafile::Op& op) {
    const int* a = op.a;
    switch (op.function) {
    case SaveDC:
        if (m_stack.size() < MaxSaveDepth) m_stack.push_back(m_dc);
        break;
    case RestoreDC: {
        const int n = a[0];
        const int depth = int(m_stack.size());
        const int target = n < 0 ? depth + n : n - 1; // index of the state to restore
        if (target < 0 || target >= depth) break;
        m_dc = m_stack[size_t(target)];
        m_stack.resize(size_t(target));
        aplicarJanela();
        break;
    }
    case SetBkColor:
        m_dc.bkColor = FromColorRef(op.color);
        break;
    case SetBkMode:
        if (a[0] == Transparent || a[0] == Opaque) m_dc.bkMode = a[0];
        break;
    case SetPolyFillMode:
        m_dc.fillRule = a[0] == Winding ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case SetWindowOrg:
        m_dc.org = QPoint(a[1], a[0]);
        aplicarJanela();
        break;
    case SetWindowExt:
        m_dc.ext = QSize(a[1], a[0]);
        aplicarJanela();
        break;
    case MoveTo:
        m_dc.pos = QPointF(a[1], a[0]);
        break;
    case LineTo: {
        const QPointF to(a[1], a[0]);
        QPainterPath path(m_dc.pos);
        path.lineTo(to);
        m_p.strokePath(path, caneta());
        m_dc.pos = to;
        break;
    }
    case CreatePenIndirect: {
        Slot& s = m_slots[size_t(a[7])];
        s.kind = Slot::Pen;
        s.pen = PenDef{a[0], std::abs(a[1]), FromColorRef(op.color)};
        break;
    }
    case CreateBrushIndirect: {
        Slot& s = m_slots[size_t(a[7])];
        s.kind = Slot::Brush;
        s.brush = BrushDef{a[0], FromColorRef(op.color), a[1]};
        break;
    }
    case CreateFontIndirect:
    case CreatePalette:
    case CreatePatternBrush:
    case DibCreatePatternBrush:
    case CreateRegion:
        m_slots[size_t(a[7])].kind = Slot::Other;
        break;
    case SelectObject: {
        const int i = a[0] & 0xFFFF;
        if (size_t(i) >= m_slots.size()) break;
        const Slot& s = m_slots[size_t(i)];
        if (s.kind == Slot::Pen) m_dc.pen = s.pen;
        if (s.kind == Slot::Brush) m_dc.brush = s.brush;
        break;
    }
    case DeleteObject: {
        const int i = a[0] & 0xFFFF;
        if (size_t(i) < m_slots.size()) m_slots[size_t(i)] = Slot{};
        break;
    }
    case Polyline:
        if (!op.polys.empty() && op.polys[0].size() >= 2) {
            QPainterPath path;
            path.addPolygon(QPolygonF(op.polys[0]));
            m_p.strokePath(path, caneta());
        }
        break;
    case Polygon:
    case PolyPolygon: {
        QPainterPath path;
        path.setFillRule(m_dc.fillRule);
        for (const QPolygon& poly : op.polys) {
            if (poly.size() < 2) continue;
            path.addPolygon(QPolygonF(poly));
            path.closeSubpath();
        }
        if (!path.isEmpty()) desenharForma(path, true);
        break;
    }
    case Rectangle: {
        QPainterPath path;
        path.addRect(retangulo(a));
        desenharForma(path, true);
        break;
    }
    case Ellipse: {
        QPainterPath path;
        path.addEllipse(retangulo(a));
        desenharForma(path, true);
        break;
    }
    case Arc:
    case Pie:
    case Chord: {
        // yEnd, xEnd, yStart, xStart, bottom, right, top, left; counter-clockwise from start.
        const QRectF r(QPointF(a[7], a[6]), QPointF(a[5], a[4]));
        const QRectF rn = r.normalized();
        const qreal start = anguloElipse(rn, QPointF(a[3], a[2]));
        const qreal end = anguloElipse(rn, QPointF(a[1], a[0]));
        qreal sweep = std::fmod(end - start + 720.0, 360.0);
        if (sweep <= 1e-9) sweep = 360;
        QPainterPath path;
        if (op.function == Pie) {
            path.moveTo(rn.center());
            path.arcTo(rn, start, sweep);
            path.closeSubpath();
        } else {
            path.arcMoveTo(rn, start);
            path.arcTo(rn, start, sweep);
            if (op.function == Chord) path.closeSubpath();
        }
        if (op.function == Arc)
            m_p.strokePath(path, caneta());
        else
            desenharForma(path, true);
        break;
    }
    default:
        break;
    }
}

} // namespace

void TrpMetafile::clear() {
    m_bounds = QRect();
    m_unitsPerInch = 0;
    m_objectCount = 0;
    m_recordCount = 0;
    m_skipped = 0;
    m_ops.clear();
}

QSizeF TrpMetafile::naturalSizePixels(double dpi) const {
    if (isNull()) return {};
    return QSizeF(m_bounds.width() * dpi / m_unitsPerInch,
                  m_bounds.height() * dpi / m_unitsPerInch);
}

bool TrpMetafile::load(const QByteArray& data, QString* error) {
    clear();
    auto falhar = [&](const QString& msg) {
        clear();
        if (error) *error = msg;
        return false;
    };
    const Bytes b(data);
    if (b.size() < PlaceableHeaderBytes + 2 * HeaderWords)
        return falhar(QStringLiteral("Metafile too short"));
    if (b.u32(0) != PlaceableKey) return falhar(QStringLiteral("Not a placeable metafile"));
    std::uint16_t sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= b.u16(2 * i);
    if (sum != b.u16(20)) return falhar(QStringLiteral("Metafile header checksum mismatch"));
    const int left = b.s16(6), top = b.s16(8), right = b.s16(10), bottom = b.s16(12);
    const int inch = b.u16(14);
    if (inch == 0) return falhar(QStringLiteral("Metafile has no units per inch"));
    if (right <= left || bottom <= top)
        return falhar(QStringLiteral("Metafile bounding box is empty"));

    const qsizetype h = PlaceableHeaderBytes;
    const int type = b.u16(h), headerWords = b.u16(h + 2), version = b.u16(h + 4);
    if ((type != 1 && type != 2) || headerWords != HeaderWords ||
        (version != 0x0100 && version != 0x0300))
        return falhar(QStringLiteral("Bad metafile header"));
    const int objects = b.u16(h + 10);

    std::vector<std::uint8_t> used(size_t(objects), 0);
    auto ocupar = [&]() -> int { // lowest free slot of the object table, or -1
        auto it = std::find(used.begin(), used.end(), 0);
        if (it == used.end()) return -1;
        *it = 1;
        return int(it - used.begin());
    };

    std::vector<Op> ops;
    int records = 0, skipped = 0;
    bool fim = false;
    qsizetype pos = h + 2 * HeaderWords;
    while (!fim) {
        if (pos + 6 > b.size())
            return falhar(QStringLiteral("Metafile ends without its last record"));
        const std::uint64_t words = b.u32(pos);
        const std::uint16_t function = b.u16(pos + 4);
        if (words < 3) return falhar(QStringLiteral("Metafile record with a bad size"));
        if (words * 2 > std::uint64_t(b.size() - pos))
            return falhar(QStringLiteral("Metafile record runs past the end of the data"));
        const qsizetype params = pos + 6;
        const int nParams = int(words - 3);
        auto p = [&](int i) { return int(b.s16(params + 2 * i)); };
        auto u = [&](int i) { return int(b.u16(params + 2 * i)); };
        auto precisa = [&](int n) { return nParams >= n; };
        const QString curto = QStringLiteral("Metafile record too short for its parameters");
        ++records;

        Op op;
        op.function = function;
        bool guardar = true;
        switch (function) {
        case Eof:
            fim = true;
            guardar = false;
            break;
        case SaveDC:
            break;
        case RestoreDC:
        case SetBkMode:
        case SetPolyFillMode:
        case SelectObject:
        case DeleteObject:
            if (!precisa(1)) return falhar(curto);
            op.a[0] = function == SelectObject || function == DeleteObject ? u(0) : p(0);
            if (function == DeleteObject && op.a[0] < objects) used[size_t(op.a[0])] = 0;
            break;
        case SetBkColor:
            if (!precisa(2)) return falhar(curto);
            op.color = std::uint32_t(u(0)) | (std::uint32_t(u(1)) << 16);
            break;
        case SetWindowOrg:
        case SetWindowExt:
        case MoveTo:
        case LineTo:
            if (!precisa(2)) return falhar(curto);
            op.a[0] = p(0);
            op.a[1] = p(1);
            if (function == SetWindowExt && (op.a[0] == 0 || op.a[1] == 0))
                return falhar(QStringLiteral("Metafile window extent is zero"));
            break;
        case CreatePenIndirect:
        case CreateBrushIndirect:
        case CreateFontIndirect:
        case CreatePalette:
        case CreatePatternBrush:
        case DibCreatePatternBrush:
        case CreateRegion: {
            if (function == CreatePenIndirect) {
                if (!precisa(5)) return falhar(curto);
                op.a[0] = u(0);
                op.a[1] = p(1);
                op.color = std::uint32_t(u(3)) | (std::uint32_t(u(4)) << 16);
            } else if (function == CreateBrushIndirect) {
                if (!precisa(4)) return falhar(curto);
                op.a[0] = u(0);
                op.color = std::uint32_t(u(1)) | (std::uint32_t(u(2)) << 16);
                op.a[1] = u(3);
            }
            const int slot = ocupar();
            if (slot < 0) return falhar(QStringLiteral("Metafile object table overflow"));
            op.a[7] = slot;
            break;
        }
        case Polyline:
        case Polygon: {
            if (!precisa(1)) return falhar(curto);
            const int n = p(0);
            if (n < 0 || 1 + 2 * std::int64_t(n) > nParams)
                return falhar(QStringLiteral("Metafile point count runs past its record"));
            QPolygon poly(n);
            for (int i = 0; i < n; ++i)
                poly[i] = QPoint(p(1 + 2 * i), p(2 + 2 * i));
            op.polys.push_back(std::move(poly));
            break;
        }
        case PolyPolygon: {
            if (!precisa(1)) return falhar(curto);
            const int count = u(0);
            if (1 + std::int64_t(count) > nParams)
                return falhar(QStringLiteral("Metafile polygon count runs past its record"));
            std::int64_t total = 0;
            for (int i = 0; i < count; ++i)
                total += u(1 + i);
            if (1 + count + 2 * total > nParams)
                return falhar(QStringLiteral("Metafile point count runs past its record"));
            int at = 1 + count;
            for (int i = 0; i < count; ++i) {
                const int n = u(1 + i);
                QPolygon poly(n);
                for (int j = 0; j < n; ++j, at += 2)
                    poly[j] = QPoint(p(at), p(at + 1));
                op.polys.push_back(std::move(poly));
            }
            break;
        }
        case Rectangle:
        case Ellipse:
            if (!precisa(4)) return falhar(curto);
            for (int i = 0; i < 4; ++i)
                op.a[i] = p(i);
            break;
        case Arc:
        case Pie:
        case Chord:
            if (!precisa(8)) return falhar(curto);
            for (int i = 0; i < 8; ++i)
                op.a[i] = p(i);
            break;
        default: // records this engine does not draw (text, bitmaps, regions, modes...)
            guardar = false;
            ++skipped;
            break;
        }
        if (guardar) ops.push_back(std::move(op));
        pos += qsizetype(words * 2);
    }

    m_bounds = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    m_unitsPerInch = inch;
    m_objectCount = objects;
    m_recordCount = records;
    m_skipped = skipped;
    m_ops = std::move(ops);
    return true;
}

void TrpMetafile::play(QPainter& painter, const QRectF& target) const {
    if (isNull() || !target.isValid() || !std::isfinite(target.width()) ||
        !std::isfinite(target.height()))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    {
        Player player(painter, target, m_bounds, m_unitsPerInch, m_objectCount);
        for (const Op& op : m_ops)
            player.executar(op);
    }
    painter.restore();
}
