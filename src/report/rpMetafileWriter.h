// Placeable metafile writer: pens, brushes and line drawing records, for the report drawings.
#pragma once

#include "rpMetafile.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <cstdint>
#include <vector>

// Builds the records of a placeable metafile in memory. Coordinates are 16-bit metafile units;
// a value outside that range throws std::out_of_range. finish() returns the file's bytes.
class TrpMetafileWriter {
public:
    // `bounds` is the picture's bounding box in metafile units; the window is set to it.
    explicit TrpMetafileWriter(const QRect& bounds, int unitsPerInch = 1000);

    // Objects take the lowest free slot of the object table; the index is returned.
    int createPen(int style, int width, const QColor& color);
    int createBrush(int style, const QColor& color, int hatch = 0);
    void selectObject(int index);
    void deleteObject(int index);

    void setBkMode(int mode);
    void setBkColor(const QColor& color);
    void setPolyFillMode(int mode);
    void setWindowOrg(const QPoint& org);
    void setWindowExt(const QSize& ext);
    void saveDC();
    void restoreDC(int level = -1);

    void moveTo(const QPoint& p);
    void lineTo(const QPoint& p);
    void line(const QPoint& a, const QPoint& b) {
        moveTo(a);
        lineTo(b);
    }
    void polyline(const QPolygon& points);
    void polygon(const QPolygon& points);
    void polyPolygon(const QList<QPolygon>& polygons);
    void rectangle(const QRect& r);
    void ellipse(const QRect& r);
    // Counter-clockwise (as seen on the page) from the radial through `start` to that through
    // `end`, on the ellipse inscribed in `r`.
    void arc(const QRect& r, const QPoint& start, const QPoint& end);
    void pie(const QRect& r, const QPoint& start, const QPoint& end);
    void chord(const QRect& r, const QPoint& start, const QPoint& end);

    // Drawing helpers built on the records above.
    // Filled arrowhead with its tip at `tip`, pointing away from `from`.
    void arrowHead(const QPoint& tip, const QPoint& from, int length, int halfWidth);
    // Dimension line from a to b with an arrowhead at both ends.
    void dimension(const QPoint& a, const QPoint& b, int headLength, int headHalfWidth);
    // Dash-dot centre line drawn with a pen of its own; the selected pen is kept.
    void axis(const QPoint& a, const QPoint& b, int width, const QColor& color);

    // Any record, for records this writer has no method for.
    void record(std::uint16_t function, const std::vector<std::int16_t>& params);

    QByteArray finish();

private:
    static std::int16_t c16(int v);
    void pontos(std::vector<std::int16_t>& out, const QPolygon& points);
    void retangulo(std::uint16_t function, const QRect& r);
    void arco(std::uint16_t function, const QRect& r, const QPoint& start, const QPoint& end);
    int ocupar();

    QRect m_bounds;
    int m_unitsPerInch;
    QByteArray m_records;
    std::uint32_t m_maxRecord = 0;
    std::vector<bool> m_slots;
};
