// Prepared pages: object streams in output form, drawing at any scale, ".rpp" files.
#include "rpPrepared.h"

#include "ArquivoRegular.h"
#include "Binario.h"
#include "rpDraw.h"
#include "rpTemplateStream.h"
#include "rpTexto.h"
#include "rpTextos.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QtEndian>
#include <limits>
#include <stdexcept>

QString rpTraduzir(const char* texto) {
    return QCoreApplication::translate("rpTextos", texto);
}

QString rpIngles(const char* texto) {
    return QCoreApplication::translate("rpTexto", texto);
}

namespace {

constexpr int LimiteCoordenada = 1 << 20; // far beyond any page, keeps arithmetic finite

void escreverComum(EscritorBinario& e, const TrpView& v, const QRect& caixa,
                   const QStringList& memo) {
    e.i32(caixa.x());
    e.i32(caixa.y());
    e.i32(caixa.width());
    e.i32(caixa.height());
    e.u16(v.flags);
    e.u16(v.frame);
    e.i32(rpTemplate::armazenarLarguraMoldura(v.frameWidth));
    e.u32(v.frameColor);
    e.u16(v.frameStyle);
    e.u32(v.fillColor);
    e.lista(memo);
}

void lerComum(LeitorBinario& l, TrpView& v) {
    v.x = l.i32();
    v.y = l.i32();
    v.dx = l.i32();
    v.dy = l.i32();
    for (int c : {v.x, v.y, v.dx, v.dy})
        if (c < -LimiteCoordenada || c > LimiteCoordenada) l.falhar("coordinate out of range");
    v.flags = l.u16();
    v.frame = l.u16();
    v.frameWidth = rpTemplate::larguraMoldura(l.i32());
    if (v.frameWidth < 0 || v.frameWidth > 1000) l.falhar("frame width out of range");
    v.frameColor = l.u32();
    v.frameStyle = l.u16();
    v.fillColor = l.u32();
    v.memo = l.lista();
}

qint64 tamanhoGraficoOuErro(LeitorBinario& l, int tipo, qint64 disponivel) {
    const qint64 proprio = rpTemplate::tamanhoGrafico(tipo, l.atual(), disponivel);
    if (proprio < 0) l.falhar("damaged graphic");
    return proprio;
}

} // namespace

namespace rpOutput {

void escreverObjeto(QByteArray& stream, const TrpView& v) {
    escreverObjeto(stream, v, QRect(v.x, v.y, v.dx, v.dy), v.memo);
}

void escreverObjeto(QByteArray& stream, const TrpView& v, const QRect& caixa,
                    const QStringList& memo) {
    EscritorBinario e(stream);
    e.u8(static_cast<std::uint8_t>(v.kind()));
    if (v.kind() == TrpKind::AddIn) e.texto(v.className);
    escreverComum(e, v, caixa, memo);
    if (v.kind() == TrpKind::Memo) {
        const auto& m = static_cast<const TrpMemoView&>(v);
        e.texto(m.font.name);
        e.i32(m.font.size);
        e.u16(m.font.style);
        e.u32(m.font.color);
        e.u32(m.adjust);
        e.u16(m.font.charset);
    } else if (v.kind() == TrpKind::Picture) {
        const auto& f = static_cast<const TrpPictureView&>(v);
        const bool temGrafico = f.graphicKind != TrpPictureView::None && !f.graphic.isEmpty();
        e.u8(temGrafico ? f.graphicKind : TrpPictureView::None);
        const qint64 fim = stream.size() + 4 + (temGrafico ? f.graphic.size() : 0);
        e.u32(static_cast<std::uint32_t>(fim));
        if (temGrafico) stream.append(f.graphic);
    }
}

std::vector<std::unique_ptr<TrpView>> lerObjetos(const QByteArray& stream) {
    LeitorBinario l(stream.constData(), stream.size(), "Damaged prepared page");
    if (l.u8() != VersaoPagina) l.falhar("unknown page version");
    std::vector<std::unique_ptr<TrpView>> objetos;
    while (l.restante() > 0) {
        const std::uint8_t tipo = l.u8();
        std::unique_ptr<TrpView> v;
        QString classe;
        switch (tipo) {
        case 0:
            v = std::make_unique<TrpMemoView>();
            break;
        case 1:
            v = std::make_unique<TrpPictureView>();
            break;
        case 2:
            v = std::make_unique<TrpBandView>();
            break;
        case 4:
            v = std::make_unique<TrpLineView>();
            break;
        case 10:
            classe = l.texto();
            v = std::make_unique<TrpLineView>(); // add-ins are kept but never drawn
            v->visible = false;
            break;
        default:
            l.falhar("unknown object kind");
        }
        v->className = classe;
        lerComum(l, *v);
        if (tipo == 0) {
            auto& m = static_cast<TrpMemoView&>(*v);
            m.font.name = l.texto();
            m.font.size = l.i32();
            if (m.font.size < 1 || m.font.size > 1000) l.falhar("font size out of range");
            m.font.style = l.u16();
            m.font.color = l.u32();
            m.adjust = l.u32();
            m.font.charset = l.u16();
        } else if (tipo == 1) {
            auto& f = static_cast<TrpPictureView&>(*v);
            const std::uint8_t grafico = l.u8();
            if (grafico > TrpPictureView::Icon) l.falhar("unknown graphic kind");
            const qint64 fim = l.u32();
            if (fim < l.pos() || fim > stream.size()) l.falhar("graphic end out of range");
            const qint64 proprio = tamanhoGraficoOuErro(l, grafico, fim - l.pos());
            f.graphicKind = static_cast<TrpPictureView::GraphicKind>(grafico);
            f.graphic = QByteArray(l.atual(), proprio);
            l.irPara(fim);
        }
        objetos.push_back(std::move(v));
    }
    return objetos;
}

} // namespace rpOutput

// Width and height are those of the page as it lies (a landscape page is wider than tall).
int TrpPreparedPage::widthUnits() const {
    return rpUnits::DeDecimosMmX(width);
}

int TrpPreparedPage::heightUnits() const {
    return rpUnits::DeDecimosMmY(height);
}

qint64 TrpPreparedPages::memoryBytes() const {
    qint64 total = static_cast<qint64>(m_pages.capacity() * sizeof(TrpPreparedPage));
    for (const TrpPreparedPage& p : m_pages)
        total += p.stream.capacity();
    return total;
}

void TrpPreparedPages::draw(int index, QPainter& painter, const QRectF& target,
                            const QRectF& visible) const {
    const QPaintDevice* device = painter.device();
    const bool printer = dynamic_cast<const QPagedPaintDevice*>(device) != nullptr;
    draw(index, painter, target, visible, printer, device ? device->logicalDpiY() : 96.0);
}

void TrpPreparedPages::draw(int index, QPainter& painter, const QRectF& target,
                            const QRectF& visible, bool printer, double printerDpiY) const {
    if (index < 0 || index >= count()) return;
    const TrpPreparedPage& pagina = m_pages[static_cast<std::size_t>(index)];
    const int w = pagina.widthUnits(), h = pagina.heightUnits();
    if (w <= 0 || h <= 0 || target.isEmpty()) return;
    TrpEscala escala;
    escala.x = target.width() / w;
    escala.y = target.height() / h;
    escala.impressora = printer;
    escala.dpiY = printerDpiY;
    const auto objetos = rpOutput::lerObjetos(pagina.stream);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const auto& objeto : objetos) {
        if (!objeto->visible) continue;
        if (objeto->kind() == TrpKind::Memo) AjustarAutoTamanho(static_cast<TrpMemoView&>(*objeto));
        const QRectF caixa(target.left() + objeto->x * escala.x,
                           target.top() + objeto->y * escala.y, objeto->dx * escala.x,
                           objeto->dy * escala.y);
        if (!visible.isNull() && !caixa.adjusted(-10, -10, 10, 10).intersects(visible)) continue;
        DesenharObjeto(painter, *objeto, caixa, escala);
    }
    painter.restore();
}

void TrpPreparedPages::save(QIODevice& device, const QString& printerName) const {
    QByteArray dados;
    EscritorBinario e(dados);
    e.u8(0); // page streams stored plain
    e.texto(printerName);
    e.u32(static_cast<std::uint32_t>(m_pages.size()));
    for (const TrpPreparedPage& p : m_pages) {
        const qint64 posFim = dados.size();
        e.u32(0); // end offset, filled in after the page
        e.u16(static_cast<std::uint16_t>(p.paperCode));
        e.i32(p.width);
        e.i32(p.height);
        e.u8(static_cast<std::uint8_t>(p.orientation));
        e.u8(p.useMargins ? 1 : 0);
        dados.append(p.stream);
        if (dados.size() > std::numeric_limits<std::uint32_t>::max())
            throw std::runtime_error("Prepared report too large for a report file");
        qToLittleEndian(static_cast<std::uint32_t>(dados.size()), dados.data() + posFim);
    }
    if (device.write(dados) != dados.size())
        throw std::runtime_error("Unable to write the report file: " +
                                 device.errorString().toStdString());
}

void TrpPreparedPages::load(QIODevice& device, QString* printerName, const rpMetricas& metricas) {
    // The file is read whole, but never more than a report file can address (offsets are
    // 32-bit); a larger input is refused before anything that size is allocated.
    constexpr qint64 Maximo = qint64(std::numeric_limits<std::uint32_t>::max());
    QByteArray dados;
    if (!device.isSequential()) {
        const qint64 tamanho = device.size() - device.pos();
        if (tamanho > Maximo) throw std::runtime_error("Not a report file: too large");
        if (tamanho > 0) dados = device.read(tamanho);
    } else {
        while (!device.atEnd()) {
            const QByteArray parte = device.read(1 << 16);
            if (parte.isEmpty()) break;
            dados += parte;
            if (dados.size() > Maximo) throw std::runtime_error("Not a report file: too large");
        }
    }
    LeitorBinario l(dados.constData(), dados.size(), "Damaged report file");
    const std::uint8_t compressao = l.u8();
    if (compressao == 1) throw std::runtime_error("Compressed report files are not supported");
    if (compressao != 0 && compressao != 255)
        throw std::runtime_error("Report files of the older layout are not supported");
    const QString impressora = l.texto();
    const std::uint32_t contagem = l.u32();
    constexpr qint64 CabecalhoPagina = 16;
    if (qint64(contagem) > l.restante() / (CabecalhoPagina + 1)) l.falhar("page count too large");
    std::vector<TrpPreparedPage> paginas;
    paginas.reserve(contagem);
    for (std::uint32_t i = 0; i < contagem; ++i) {
        TrpPreparedPage p;
        const qint64 fim = l.u32();
        p.paperCode = l.u16();
        p.width = l.i32();
        p.height = l.i32();
        if (p.width <= 0 || p.height <= 0 || p.width > 100000 || p.height > 100000)
            l.falhar("paper size out of range");
        const std::uint8_t orientacao = l.u8();
        if (orientacao > 1) l.falhar("bad orientation");
        p.orientation = orientacao;
        const std::uint8_t margens = l.u8();
        if (margens > 1) l.falhar("bad margins flag");
        p.useMargins = margens == 1;
        p.printable = AreaImprimivel(p.papel(), metricas);
        if (fim <= l.pos() || fim > dados.size()) l.falhar("page end out of range");
        p.stream = QByteArray(l.atual(), fim - l.pos());
        l.irPara(fim);
        try {
            (void)rpOutput::lerObjetos(p.stream);
        } catch (const std::runtime_error& e) {
            throw std::runtime_error("Damaged report file: page " + std::to_string(i + 1) + ": " +
                                     e.what());
        }
        paginas.push_back(std::move(p));
    }
    m_pages = std::move(paginas);
    if (printerName) *printerName = impressora;
}

void TrpPreparedPages::saveToFile(const QString& fileName, const QString& printerName) const {
    QFile arquivo(fileName);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("Unable to create the report file " + fileName.toStdString() +
                                 ": " + arquivo.errorString().toStdString());
    save(arquivo, printerName);
}

void TrpPreparedPages::loadFromFile(const QString& fileName, QString* printerName,
                                    const rpMetricas& metricas) {
    QBuffer arquivo; // only a regular file of a report's size is read, and it is read whole
    arquivo.setData(
        LerArquivoRegular(fileName, LimiteRelatorio, rpTraduzir(rpTextos::FormatoRelatorio)));
    arquivo.open(QIODevice::ReadOnly);
    load(arquivo, printerName, metricas);
}
