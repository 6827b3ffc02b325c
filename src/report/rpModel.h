// The report model: units, report, template pages, objects (memo, picture, band, line), formats.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TrpCursor;
class TrpDBDataSet;

// Template units: 1 unit = 1/90.998... inch across and 1/91.626... inch down.
namespace rpUnits {
inline constexpr double PorPolegadaX = 90.99804305283757;
inline constexpr double PorPolegadaY = 91.62561576354680;
// Tenths of a millimetre to units (A4 2100 x 2970 -> 752 x 1071).
int DeDecimosMmX(int decimos);
int DeDecimosMmY(int decimos);
} // namespace rpUnits

// A paper as a page lies on it: paper code, width and height in tenths of a millimetre,
// orientation.
struct TrpPapel {
    int paperCode = 9;
    int width = 2100, height = 2970;
    int orientation = 0;
};

// A printer's printable area of a paper, in template units from its top-left corner (printable
// offsets across and down, printable width and height), or nothing. Given to a report (and to
// a preview control) by whoever lays its pages out for a printer.
using rpMetricas = std::function<std::optional<QRect>(const TrpPapel& papel)>;
// The printable area by `metricas`; with none (or when they give nothing) the paper less
// TrpPage::SemImpressora units on every side.
QRect AreaImprimivel(const TrpPapel& papel, const rpMetricas& metricas = {});

// Object kinds of the stream.
enum class TrpKind : std::uint8_t {
    Memo = 0,
    Picture = 1,
    Band = 2,
    SubReport = 3,
    Line = 4,
    AddIn = 10
};

// Band kinds (stored in a band's frame field) and their display names.
enum class TrpBandKind : int {
    ReportTitle = 0,
    ReportSummary,
    PageHeader,
    PageFooter,
    MasterHeader,
    MasterData,
    MasterFooter,
    DetailHeader,
    DetailData,
    DetailFooter,
    SubdetailHeader,
    SubdetailData,
    SubdetailFooter,
    Overlay,
    ColumnHeader,
    ColumnFooter,
    GroupHeader,
    GroupFooter,
    CrossHeader,
    CrossData,
    CrossFooter,
    None
};
QString BandKindName(int kind);

// Flag bits.
namespace rpFlags {
inline constexpr std::uint16_t MemoStretched = 1, MemoWordWrap = 2, MemoWordBreak = 4,
                               MemoAutoSize = 8;
inline constexpr std::uint16_t PictStretched = 1, PictCentered = 2, PictKeepAspect = 4;
inline constexpr std::uint16_t BandStretched = 1, BandNewPageAfter = 2, BandPrintIfSubsetEmpty = 4,
                               BandMayBreak = 8, BandOnFirstPage = 16, BandOnLastPage = 32,
                               BandRepeatHeader = 64;
} // namespace rpFlags

// Frame sides.
namespace rpFrame {
inline constexpr std::uint16_t Right = 1, Bottom = 2, Left = 4, Top = 8, All = 15;
}

// A new object's format: text, 2 decimals, the user's decimal separator (',' when it has no
// one-byte form).
std::uint32_t FormatoNovo();

// Colours are stored as 32-bit Windows COLORREF (0x00BBGGRR); this value means "no fill".
inline constexpr std::uint32_t rpNoColor = 0x1FFFFFFF;

// Display format word: category (bits 24-27), variant (16-23), decimals (8-15), separator (0-7).
struct TrpFormat {
    enum Category { Text = 0, Number = 1, Date = 2, Time = 3, Boolean = 4 };
    static int category(std::uint32_t f) { return (f >> 24) & 0x0F; }
    static int variant(std::uint32_t f) { return (f >> 16) & 0xFF; }
    static int decimals(std::uint32_t f) { return (f >> 8) & 0xFF; }
    static char separator(std::uint32_t f) { return static_cast<char>(f & 0xFF); }
    static std::uint32_t make(int category, int variant, int decimals, char separator) {
        return (std::uint32_t(category & 0x0F) << 24) | (std::uint32_t(variant & 0xFF) << 16) |
               (std::uint32_t(decimals & 0xFF) << 8) | std::uint8_t(separator);
    }
};

struct TrpFont {
    QString name = QStringLiteral("Arial");
    int size = 10;             // points
    std::uint16_t style = 0;   // 1 italic, 2 bold, 4 underline
    std::uint32_t color = 0;   // COLORREF
    std::uint16_t charset = 0; // western
    bool operator==(const TrpFont&) const = default;
};

// Common object fields.
class TrpView {
public:
    virtual ~TrpView() = default;
    virtual TrpKind kind() const = 0;
    virtual std::unique_ptr<TrpView> clone() const = 0;

    QString name;
    int x = 0, y = 0, dx = 0, dy = 0;
    std::uint16_t flags = 0;
    std::uint16_t frame = 0; // sides, or the band kind for bands
    double frameWidth = 1.0; // template units
    std::uint32_t frameColor = 0;
    std::uint16_t frameStyle = 0; // 0 solid, 1-4 dash/dot, 5 double
    std::uint32_t fillColor = rpNoColor;
    std::uint32_t format = FormatoNovo();
    QString formatStr;  // custom pattern; for bands the data source name
    QStringList memo;   // text lines (may hold [expressions])
    QStringList script; // stored, never run
    bool visible = true;
    int pageIndex = 0; // page the object belongs to
    QString className; // kind 10 only
};

class TrpMemoView : public TrpView {
public:
    TrpMemoView() { flags = rpFlags::MemoStretched | rpFlags::MemoWordWrap; }
    TrpKind kind() const override { return TrpKind::Memo; }
    std::unique_ptr<TrpView> clone() const override { return std::make_unique<TrpMemoView>(*this); }

    TrpFont font;
    std::uint32_t adjust =
        0; // bits 0-1 horizontal (0 L,1 R,2 C,3 J), bit 2 rotated, bits 3-4 vertical
    std::uint16_t highlightStyle = 0;
    std::uint32_t highlightColor = 0, highlightFill = rpNoColor;
    QString highlightCondition;
    int lineSpacing = 2, charSpacing = 0;

    int hAlign() const { return adjust & 3; }
    int vAlign() const { return (adjust >> 3) & 3; }
};

class TrpPictureView : public TrpView {
public:
    enum GraphicKind : std::uint8_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3 };
    TrpKind kind() const override { return TrpKind::Picture; }
    std::unique_ptr<TrpView> clone() const override {
        return std::make_unique<TrpPictureView>(*this);
    }

    GraphicKind graphicKind = None;
    QByteArray graphic; // the graphic in its own file format (placeable metafile, BMP, ICO)
};

class TrpBandView : public TrpView {
public:
    TrpKind kind() const override { return TrpKind::Band; }
    std::unique_ptr<TrpView> clone() const override { return std::make_unique<TrpBandView>(*this); }
    int bandKind() const { return frame; }
    const QString& dataSourceName() const { return formatStr; }

    TrpDBDataSet* dataSource = nullptr; // resolved from dataSourceName() when the template loads
};

class TrpLineView : public TrpView {
public:
    TrpKind kind() const override { return TrpKind::Line; }
    std::unique_ptr<TrpView> clone() const override { return std::make_unique<TrpLineView>(*this); }
};

// A template page with its paper settings and objects in order.
class TrpPage {
public:
    int paperCode = 9;               // Windows paper number; 9 = A4
    int width = 2100, height = 2970; // tenths of a millimetre
    int marginLeft = 36, marginTop = 36, marginRight = 36, marginBottom = 36; // units
    int orientation = 0; // 0 portrait, 1 landscape
    bool printToPrevPage = false;
    bool useMargins = true;
    int columnCount = 1, columnGap = 0;
    std::vector<std::unique_ptr<TrpView>> objects;

    TrpPage() = default;
    TrpPage(const TrpPage& other);
    TrpPage& operator=(const TrpPage& other);
    TrpPage(TrpPage&&) = default;
    TrpPage& operator=(TrpPage&&) = default;

    // Page size in units, from the paper's size in tenths of a millimetre, with or without a
    // printer: the print system gives the standard papers in whole points (A4 as 595 x 842),
    // whose dots at 600 dpi would make an A4 page 1072 units tall instead of its 1071, moving
    // the stored templates' footer; the paper's true size gives what an exact device would.
    int widthUnits() const;
    int heightUnits() const;
    // Edges of the page area (36, 36, 716, 1035 for the stored templates): the margins, or
    // with a margin of 0 the edge of the printable area on that side (AreaImprimivel, by the
    // printer metrics given).
    static constexpr int SemImpressora = 18;
    TrpPapel papel() const { return {paperCode, width, height, orientation}; }
    int leftEdge(const rpMetricas& metricas = {}) const;
    int topEdge(const rpMetricas& metricas = {}) const;
    int rightEdge(const rpMetricas& metricas = {}) const;
    int bottomEdge(const rpMetricas& metricas = {}) const;

    TrpView* findObject(const QString& name) const;
    // The band whose vertical extent (ends included) holds the object's top edge.
    TrpBandView* bandOf(const TrpView& object) const;
    std::vector<TrpBandView*> bands() const; // in template order
};

// The report data source: a named link to a data set.
class TrpDBDataSet {
public:
    QString name;
    TrpCursor* dataSet = nullptr;
};

// An entry of a template's values list: kept with the template, not used by preparation.
struct TrpValue {
    std::uint8_t type = 0;
    std::int32_t kind = 0;
    QString dataSet, field, name; // each at most 255 bytes in the stream
    bool operator==(const TrpValue&) const = default;
};

// A report: its template pages and what preparation needs.
class TrpReport {
public:
    TrpReport();
    ~TrpReport();
    TrpReport(TrpReport&&) noexcept;
    TrpReport& operator=(TrpReport&&) noexcept;

    QString name = QStringLiteral("rpReport1"); // component name, used in error texts
    std::vector<TrpPage> pages;
    bool printToDefault = false;
    bool doublePass = false;
    QString printerName;
    std::vector<TrpValue> values; // the template's values and variables
    QStringList variables;
    QString title = QStringLiteral("Untitled");
    bool showProgress = true;
    TrpDBDataSet* dataSource = nullptr;
    // The printer the pages are laid out for (none: the engine's own printable area).
    rpMetricas metricasImpressora;
    // Where the error of a failed preparation is shown (text, caption "Error"); unset, the
    // engine's error box.
    std::function<void(const QString& texto, const QString& titulo)> OnError;

    // Components of the owning window, looked up by name: data sets and data sources.
    std::vector<TrpCursor*> dataSets;
    std::vector<TrpDBDataSet*> dataSources;
    TrpCursor* findDataSet(const QString& name) const;
    TrpDBDataSet* findDataSource(const QString& name) const;

    std::function<void()> OnBeginDoc;
    // The text a template memo line is prepared from, asked once for each line at every
    // preparation, before its [expressions] are evaluated (a translation of the template's
    // text, say); unset, the line itself. The template keeps its own lines.
    std::function<QString(const QString& line)> OnMemoLine;

    TrpView* findObject(int page, const QString& name) const;
};
