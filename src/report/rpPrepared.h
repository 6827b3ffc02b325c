// Prepared pages: compact per-page object streams, drawn on any QPainter device, saved as ".rpp".
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class QIODevice;
class QPainter;

// One prepared page: its paper settings and its objects in output form.
struct TrpPreparedPage {
    int paperCode = 9;
    int width = 2100, height = 2970; // tenths of a millimetre
    int orientation = 0;
    bool useMargins = true;
    QByteArray stream; // version byte 23, then the page's objects in output form

    int widthUnits() const;
    int heightUnits() const;
};

class TrpPreparedPages {
public:
    int count() const { return static_cast<int>(m_pages.size()); }
    const TrpPreparedPage& page(int index) const { return m_pages.at(index); }
    std::vector<TrpPreparedPage>& pages() { return m_pages; }
    void clear() { m_pages.clear(); }

    // Draws page `index` (0-based) into `target` (device pixels), every size scaled by
    // target / page size. When `visible` is not null, objects whose box grown by 10 pixels
    // lies outside it are skipped (screen drawing).
    void draw(int index, QPainter& painter, const QRectF& target, const QRectF& visible = {}) const;

    // ".rpp" prepared-report file. load() checks every length and offset against the data
    // and throws std::runtime_error with a clear message on damaged input (pages unchanged).
    void save(QIODevice& device, const QString& printerName) const;
    void load(QIODevice& device, QString* printerName = nullptr);
    void saveToFile(const QString& fileName, const QString& printerName) const;
    void loadFromFile(const QString& fileName, QString* printerName = nullptr);

private:
    std::vector<TrpPreparedPage> m_pages;
};
