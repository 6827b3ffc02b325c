// Placeable metafiles: bounds-checked reader and player that draws them scaled into a rectangle.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QPolygon>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <vector>

class QPainter;
class QRectF;

// Record function numbers of the 16-bit metafile format (the ones this engine knows).
namespace rpMeta {
inline constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
inline constexpr int PlaceableHeaderBytes = 22;
inline constexpr int HeaderWords = 9;

enum Function : std::uint16_t {
    Eof = 0x0000,
    SaveDC = 0x001E,
    SetBkColor = 0x0201,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetPolyFillMode = 0x0106,
    SetTextColor = 0x0209,
    RestoreDC = 0x0127,
    SelectObject = 0x012D,
    DeleteObject = 0x01F0,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    PolyPolygon = 0x0538,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    // Records that create an object this engine does not draw; they still take a table slot.
    CreatePalette = 0x00F7,
    CreatePatternBrush = 0x01F9,
    DibCreatePatternBrush = 0x0142,
    CreateRegion = 0x06FF,
};

enum PenStyle : std::uint16_t {
    PenSolid = 0,
    PenDash = 1,
    PenDot = 2,
    PenDashDot = 3,
    PenDashDotDot = 4,
    PenNull = 5,
    PenInsideFrame = 6
};
enum BrushStyle : std::uint16_t { BrushSolid = 0, BrushNull = 1, BrushHatched = 2 };
enum Hatch : std::uint16_t {
    HatchHorizontal = 0,
    HatchVertical = 1,
    HatchFDiagonal = 2,
    HatchBDiagonal = 3,
    HatchCross = 4,
    HatchDiagCross = 5
};
enum BkMode : std::uint16_t { Transparent = 1, Opaque = 2 };
enum PolyFillMode : std::uint16_t { Alternate = 1, Winding = 2 };

// Colours are stored as COLORREF (0x00BBGGRR).
inline std::uint32_t ColorRef(const QColor& c) {
    return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) |
           (std::uint32_t(c.blue()) << 16);
}
inline QColor FromColorRef(std::uint32_t c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
} // namespace rpMeta

// A placeable metafile read into a list of drawing operations. load() checks every size and
// count against the data; a damaged file is refused with a message and leaves the object empty.
class TrpMetafile {
public:
    bool load(const QByteArray& data, QString* error = nullptr);
    void clear();
    bool isNull() const { return m_unitsPerInch == 0; }

    // Bounding box in metafile units, and metafile units per inch.
    QRect bounds() const { return m_bounds; }
    int unitsPerInch() const { return m_unitsPerInch; }
    // Size of the picture at `dpi` device pixels per inch (bounds x dpi / units per inch).
    QSizeF naturalSizePixels(double dpi = 96) const;

    // Records read (drawn or skipped) and records skipped because this engine does not draw them.
    int recordCount() const { return m_recordCount; }
    int skippedCount() const { return m_skipped; }

    // Draws the picture so that its window (or, without one, its bounding box) fills `target`.
    // The painter's state is restored afterwards.
    void play(QPainter& painter, const QRectF& target) const;

    struct Op {
        std::uint16_t function = 0;
        int a[8] = {}; // parameters in the order the record stores them, words sign-extended
        std::uint32_t color = 0;
        std::vector<QPolygon> polys; // Polyline, Polygon, PolyPolygon
    };

private:
    QRect m_bounds;
    int m_unitsPerInch = 0;
    int m_objectCount = 0;
    int m_recordCount = 0;
    int m_skipped = 0;
    std::vector<Op> m_ops;
};
