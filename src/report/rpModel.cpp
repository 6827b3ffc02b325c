// The report model: unit conversion, band kind names, page copies and edges, object lookups.
#include "rpModel.h"

#include "Numeros.h"
#include "rpCursor.h"

#include <cmath>

namespace rpUnits {

int DeDecimosMmX(int decimos) {
    return static_cast<int>(std::lround(decimos * PorPolegadaX / 254.0));
}

int DeDecimosMmY(int decimos) {
    return static_cast<int>(std::lround(decimos * PorPolegadaY / 254.0));
}

} // namespace rpUnits

QString BandKindName(int kind) {
    static const char* const nomes[] = {"Report title",     "Report summary",
                                        "Page header",      "Page footer",
                                        "Master header",    "Master data",
                                        "Master footer",    "Detail header",
                                        "Detail data",      "Detail footer",
                                        "Subdetail header", "Subdetail data",
                                        "Subdetail footer", "Overlay",
                                        "Column header",    "Column footer",
                                        "Group header",     "Group footer",
                                        "Cross header",     "Cross data",
                                        "Cross footer",     "None"};
    constexpr int total = static_cast<int>(sizeof(nomes) / sizeof(nomes[0]));
    if (kind < 0 || kind >= total) return QStringLiteral("None");
    return QString::fromLatin1(nomes[kind]);
}

// ---------------------------------------------------------------------------------------------
// TrpPage

TrpPage::TrpPage(const TrpPage& other)
    : paperCode(other.paperCode), width(other.width), height(other.height),
      marginLeft(other.marginLeft), marginTop(other.marginTop), marginRight(other.marginRight),
      marginBottom(other.marginBottom), orientation(other.orientation),
      printToPrevPage(other.printToPrevPage), useMargins(other.useMargins),
      columnCount(other.columnCount), columnGap(other.columnGap) {
    objects.reserve(other.objects.size());
    for (const auto& object : other.objects)
        objects.push_back(object ? object->clone() : nullptr);
}

TrpPage& TrpPage::operator=(const TrpPage& other) {
    if (this != &other) {
        TrpPage copia(other);
        *this = std::move(copia);
    }
    return *this;
}

int TrpPage::widthUnits() const {
    return rpUnits::DeDecimosMmX(width);
}

int TrpPage::heightUnits() const {
    return rpUnits::DeDecimosMmY(height);
}

std::uint32_t FormatoNovo() {
    const QChar decimal = SeparadoresDoUsuario().decimal;
    const char byte = decimal.unicode() < 0x80 ? static_cast<char>(decimal.unicode()) : ',';
    return TrpFormat::make(TrpFormat::Text, 0, 2, byte);
}

QRect AreaImprimivel(const TrpPapel& papel, const rpMetricas& metricas) {
    if (metricas)
        if (const std::optional<QRect> area = metricas(papel)) return *area;
    const int s = TrpPage::SemImpressora;
    return QRect(s, s, rpUnits::DeDecimosMmX(papel.width) - 2 * s,
                 rpUnits::DeDecimosMmY(papel.height) - 2 * s);
}

int TrpPage::leftEdge(const rpMetricas& metricas) const {
    if (!useMargins) return 0;
    return marginLeft != 0 ? marginLeft : AreaImprimivel(papel(), metricas).left();
}

int TrpPage::topEdge(const rpMetricas& metricas) const {
    if (!useMargins) return 0;
    return marginTop != 0 ? marginTop : AreaImprimivel(papel(), metricas).top();
}

int TrpPage::rightEdge(const rpMetricas& metricas) const {
    if (!useMargins) return widthUnits();
    if (marginRight != 0) return widthUnits() - marginRight;
    const QRect area = AreaImprimivel(papel(), metricas);
    return area.x() + area.width();
}

int TrpPage::bottomEdge(const rpMetricas& metricas) const {
    if (!useMargins) return heightUnits();
    if (marginBottom != 0) return heightUnits() - marginBottom;
    const QRect area = AreaImprimivel(papel(), metricas);
    return area.y() + area.height();
}

TrpView* TrpPage::findObject(const QString& name) const {
    for (const auto& object : objects)
        if (object && object->name.compare(name, Qt::CaseInsensitive) == 0) return object.get();
    return nullptr;
}

TrpBandView* TrpPage::bandOf(const TrpView& object) const {
    for (const auto& candidate : objects) {
        if (!candidate || candidate->kind() != TrpKind::Band) continue;
        if (object.y >= candidate->y && object.y <= candidate->y + candidate->dy)
            return static_cast<TrpBandView*>(candidate.get());
    }
    return nullptr;
}

std::vector<TrpBandView*> TrpPage::bands() const {
    std::vector<TrpBandView*> lista;
    for (const auto& object : objects)
        if (object && object->kind() == TrpKind::Band)
            lista.push_back(static_cast<TrpBandView*>(object.get()));
    return lista;
}

// ---------------------------------------------------------------------------------------------
// TrpReport

TrpReport::TrpReport() = default;

TrpReport::~TrpReport() = default;

TrpReport::TrpReport(TrpReport&&) noexcept = default;

TrpReport& TrpReport::operator=(TrpReport&&) noexcept = default;

TrpCursor* TrpReport::findDataSet(const QString& name) const {
    for (TrpCursor* dataSet : dataSets)
        if (dataSet && dataSet->Name().compare(name, Qt::CaseInsensitive) == 0) return dataSet;
    return nullptr;
}

TrpDBDataSet* TrpReport::findDataSource(const QString& name) const {
    for (TrpDBDataSet* source : dataSources)
        if (source && source->name.compare(name, Qt::CaseInsensitive) == 0) return source;
    return nullptr;
}

TrpView* TrpReport::findObject(int page, const QString& name) const {
    if (page < 0 || page >= static_cast<int>(pages.size())) return nullptr;
    return pages[static_cast<std::size_t>(page)].findObject(name);
}
