// Prepared pages: compact per-page object streams, drawn on any QPainter device, saved as ".rpp".
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "rpModel.h"

class QIODevice;
class QPainter;

// Objects in output form, as page streams and ".rpp" files hold them: kind byte (and class
// name for kind 10), x, y, dx, dy, flags, frame, frame width, frame colour, frame style, fill
// colour, the memo list; memos add font name, size, style, colour, adjust and character set;
// pictures add graphic kind, end position (counted from the start of the page stream) and
// the graphic. Texts are Windows-1252.
namespace rpOutput {
inline constexpr std::uint8_t VersaoPagina = 23;
// Appends one object to a page stream.
void escreverObjeto(QByteArray& stream, const TrpView& objeto);
// The same with the box (x, y, dx, dy) and the memo's text given: the expanded output.
void escreverObjeto(QByteArray& stream, const TrpView& objeto, const QRect& caixa,
                    const QStringList& memo);
// Rebuilds the objects of a page stream; throws std::runtime_error on a damaged stream.
std::vector<std::unique_ptr<TrpView>> lerObjetos(const QByteArray& stream);
} // namespace rpOutput

// One prepared page: its paper settings and its objects in output form.
struct TrpPreparedPage {
    int paperCode = 9;
    int width = 2100, height = 2970; // tenths of a millimetre
    int orientation = 0;
    bool useMargins = true;
    // The printable area of this paper (AreaImprimivel), where a page without margins is
    // printed; set when the page is made and again when it is read from a file.
    QRect printable;
    QByteArray stream; // version byte 23, then the page's objects in output form

    int widthUnits() const;
    int heightUnits() const;
    TrpPapel papel() const { return {paperCode, width, height, orientation}; }
};

class TrpPreparedPages {
public:
    int count() const { return static_cast<int>(m_pages.size()); }
    const TrpPreparedPage& page(int index) const { return m_pages.at(index); }
    std::vector<TrpPreparedPage>& pages() { return m_pages; }
    void clear() { m_pages.clear(); }
    // Bytes held by the page streams and page entries.
    qint64 memoryBytes() const;

    // Draws page `index` (0-based) into `target` (device pixels), every size scaled by
    // target / page size. When `visible` is not null, objects whose box grown by 10 pixels
    // lies outside it are skipped (screen drawing).
    // On a printer (or PDF) device fonts keep their point size at the device's resolution.
    void draw(int index, QPainter& painter, const QRectF& target, const QRectF& visible = {}) const;
    // The same with the scale rule given explicitly (sizes still come from target / page).
    void draw(int index, QPainter& painter, const QRectF& target, const QRectF& visible,
              bool printer, double printerDpiY) const;

    // ".rpp" prepared-report file. load() checks every length and offset against the data
    // and throws std::runtime_error with a clear message on damaged input (pages unchanged);
    // each page's printable area is the one `metricas` give (AreaImprimivel).
    void save(QIODevice& device, const QString& printerName) const;
    void load(QIODevice& device, QString* printerName = nullptr, const rpMetricas& metricas = {});
    void saveToFile(const QString& fileName, const QString& printerName) const;
    void loadFromFile(const QString& fileName, QString* printerName = nullptr,
                      const rpMetricas& metricas = {});

private:
    std::vector<TrpPreparedPage> m_pages;
};
