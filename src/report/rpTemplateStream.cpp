// Binary report templates: bounds-checked reader and writer of the template stream and envelope.
#include "rpTemplateStream.h"

#include "Binario.h"
#include "rpModel.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Stream record tags.
constexpr std::uint8_t TagPagina = 255, TagValores = 254, TagAddIn = 253;
constexpr std::uint32_t ChavePlaceable = 0x9AC6CDD7u;

// Every template read is lenient: terminators and list separators are not checked.
LeitorBinario leitor(const QByteArray& dados) {
    return LeitorBinario(dados, "Unsupported report template format",
                         LeitorBinario::Modo::Tolerante);
}

// What a stream holds, read aside so that a failure leaves the report untouched.
struct Conteudo {
    bool printToDefault = false, doublePass = false;
    QString printerName;
    std::vector<TrpPage> pages;
    std::vector<TrpValue> values;
    QStringList variables;
};

void lerPagina(LeitorBinario& l, int versao, TrpPage& p) {
    p.paperCode = l.i32();
    p.width = l.i32();
    p.height = l.i32();
    p.marginLeft = l.i32();
    p.marginTop = l.i32();
    p.marginRight = l.i32();
    p.marginBottom = l.i32();
    p.orientation = l.u8();
    if (versao < 23) l.pular(6);
    p.printToPrevPage = l.booleano16();
    p.useMargins = l.booleano16();
    p.columnCount = l.i32();
    p.columnGap = l.i32();
}

void lerValores(LeitorBinario& l, Conteudo& c) {
    const qint64 contagem = l.u32();
    // Each entry takes at least 1 + 4 + 3 bytes.
    l.exigir(contagem * 8);
    c.values.clear();
    c.values.reserve(static_cast<std::size_t>(contagem));
    for (qint64 i = 0; i < contagem; ++i) {
        TrpValue v;
        v.type = l.u8();
        v.kind = l.i32();
        v.dataSet = l.textoCurto();
        v.field = l.textoCurto();
        v.name = l.textoCurto();
        c.values.push_back(std::move(v));
    }
    c.variables = l.lista();
}

void lerComum(LeitorBinario& l, int versao, TrpView& v) {
    v.name = l.texto();
    v.x = l.i32();
    v.y = l.i32();
    v.dx = l.i32();
    v.dy = l.i32();
    v.flags = l.u16();
    v.frame = l.u16();
    v.frameWidth = rpTemplate::larguraMoldura(l.i32());
    v.frameColor = l.u32();
    v.frameStyle = l.u16();
    v.fillColor = l.u32();
    v.format = l.u32();
    v.formatStr = l.texto();
    v.memo = l.lista();
    if (versao >= 23) {
        v.script = l.lista();
        v.visible = l.booleano16();
    }
}

void lerMemo(LeitorBinario& l, int versao, TrpMemoView& m) {
    m.font.name = l.texto();
    m.font.size = l.i32();
    m.font.style = l.u16();
    m.font.color = l.u32();
    m.adjust = l.u32();
    const std::uint16_t charset = l.u16();
    m.font.charset = versao >= 23 ? charset : 0;
    m.highlightStyle = l.u16();
    m.highlightColor = l.u32();
    m.highlightFill = l.u32();
    m.highlightCondition = l.texto();
    if (versao == 21) m.flags |= rpFlags::MemoWordWrap;
}

void lerFigura(LeitorBinario& l, TrpPictureView& p) {
    const std::uint8_t tipo = l.u8();
    if (tipo > TrpPictureView::Icon) l.falhar("unknown graphic kind");
    const qint64 fimArmazenado = l.u32();
    const qint64 inicio = l.pos();
    const qint64 proprio = rpTemplate::tamanhoGrafico(tipo, l.atual(), l.restante());
    if (proprio < 0) l.falhar("damaged graphic");
    // The graphic must end at or before the stored end position, which lies within the stream.
    if (fimArmazenado < inicio + proprio || fimArmazenado > l.tamanho())
        l.falhar("graphic end out of range");
    p.graphicKind = static_cast<TrpPictureView::GraphicKind>(tipo);
    p.graphic = proprio > 0 ? QByteArray(l.atual(), proprio) : QByteArray();
    l.irPara(fimArmazenado);
}

std::unique_ptr<TrpView> lerObjeto(LeitorBinario& l, int versao, std::uint8_t tipo,
                                   std::size_t paginas) {
    std::unique_ptr<TrpView> v;
    switch (static_cast<TrpKind>(tipo)) {
    case TrpKind::Memo:
        v = std::make_unique<TrpMemoView>();
        break;
    case TrpKind::Picture:
        v = std::make_unique<TrpPictureView>();
        break;
    case TrpKind::Band:
        v = std::make_unique<TrpBandView>();
        break;
    case TrpKind::Line:
        v = std::make_unique<TrpLineView>();
        break;
    default:
        // Sub-reports and add-ins carry data of their own that this engine has no class for.
        l.falhar("unsupported object kind");
    }
    const std::uint8_t pagina = l.u8();
    if (pagina >= paginas) l.falhar("page index out of range");
    v->pageIndex = pagina;
    // A new memo starts with word wrap set; the stored flags replace that.
    lerComum(l, versao, *v);
    if (auto* m = dynamic_cast<TrpMemoView*>(v.get()))
        lerMemo(l, versao, *m);
    else if (auto* p = dynamic_cast<TrpPictureView*>(v.get()))
        lerFigura(l, *p);
    return v;
}

Conteudo lerConteudo(const QByteArray& stream) {
    LeitorBinario l = leitor(stream);
    Conteudo c;
    int versao = l.u8();
    if (versao > rpTemplate::Versao) l.falhar("unknown version");
    if (versao <= 20) {
        // No version byte: the stream starts with the flags.
        versao = 21;
        l.irPara(0);
    }
    c.printToDefault = l.booleano16();
    c.doublePass = l.booleano16();
    c.printerName = l.texto();
    while (!l.fim()) {
        const std::uint8_t tag = l.u8();
        if (tag == TagPagina) {
            if (c.pages.size() > 255) l.falhar("too many pages"); // indices are one byte
            TrpPage p;
            lerPagina(l, versao, p);
            c.pages.push_back(std::move(p));
        } else if (tag == TagValores) {
            lerValores(l, c);
        } else if (tag == TagAddIn) {
            break;
        } else if (tag <= static_cast<std::uint8_t>(TrpKind::AddIn)) {
            std::unique_ptr<TrpView> v = lerObjeto(l, versao, tag, c.pages.size());
            c.pages[static_cast<std::size_t>(v->pageIndex)].objects.push_back(std::move(v));
        } else {
            l.falhar("unknown record");
        }
    }
    return c;
}

bool falhar(TrpReport& report, QString* erro, QString* titulo) {
    report.pages.clear();
    report.pages.emplace_back();
    report.values.clear();
    report.variables.clear();
    if (erro) *erro = rpTemplate::textoErro();
    if (titulo) *titulo = rpTemplate::tituloErro();
    return false;
}

void escreverComum(EscritorBinario& e, const TrpView& v) {
    e.texto(v.name);
    e.i32(v.x);
    e.i32(v.y);
    e.i32(v.dx);
    e.i32(v.dy);
    e.u16(v.flags);
    e.u16(v.frame);
    e.i32(rpTemplate::armazenarLarguraMoldura(v.frameWidth));
    e.u32(v.frameColor);
    e.u16(v.frameStyle);
    e.u32(v.fillColor);
    e.u32(v.format);
    e.texto(v.formatStr);
    e.lista(v.memo);
    e.lista(v.script);
    e.booleano16(v.visible);
}

void escreverObjeto(EscritorBinario& e, const TrpView& v, int pagina) {
    e.u8(static_cast<std::uint8_t>(v.kind()));
    if (v.kind() == TrpKind::AddIn) e.texto(v.className);
    e.u8(static_cast<std::uint8_t>(pagina));
    escreverComum(e, v);
    if (const auto* m = dynamic_cast<const TrpMemoView*>(&v)) {
        e.texto(m->font.name);
        e.i32(m->font.size);
        e.u16(m->font.style);
        e.u32(m->font.color);
        e.u32(m->adjust);
        e.u16(m->font.charset);
        e.u16(m->highlightStyle);
        e.u32(m->highlightColor);
        e.u32(m->highlightFill);
        e.texto(m->highlightCondition);
    } else if (const auto* p = dynamic_cast<const TrpPictureView*>(&v)) {
        const bool vazio = p->graphicKind == TrpPictureView::None;
        e.u8(vazio ? 0 : p->graphicKind);
        const qint64 posFim = e.dados.size();
        e.u32(0);
        if (!vazio) e.dados.append(p->graphic);
        e.corrigirU32(posFim, static_cast<std::uint32_t>(e.dados.size()));
    }
}

} // namespace

namespace rpTemplate {

QString textoErro() {
    return QStringLiteral("Unsupported report template format");
}

QString tituloErro() {
    return QStringLiteral("Error");
}

double larguraMoldura(std::int32_t armazenada) {
    return armazenada <= 10 ? double(armazenada) : armazenada / 1000.0;
}

std::int32_t armazenarLarguraMoldura(double largura) {
    if (!std::isfinite(largura)) return 1;
    const double inteira = std::round(largura);
    if (largura == inteira && largura <= 10) return static_cast<std::int32_t>(inteira);
    const double milesimos = std::round(largura * 1000.0);
    if (milesimos <= 10) return static_cast<std::int32_t>(inteira); // too thin to tell apart
    if (milesimos >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(milesimos);
}

qint64 tamanhoGrafico(int tipo, const char* dados, qint64 disponivel) {
    auto u16 = [&](qint64 pos) { return qint64(qFromLittleEndian<quint16>(dados + pos)); };
    auto u32 = [&](qint64 pos) { return qint64(qFromLittleEndian<quint32>(dados + pos)); };
    switch (tipo) {
    case TrpPictureView::None:
        return 0;
    case TrpPictureView::Bitmap: {
        // BITMAPFILEHEADER: "BM", file size, reserved, offset of the bits.
        if (disponivel < 14 || dados[0] != 'B' || dados[1] != 'M') return -1;
        const qint64 tamanho = u32(2);
        if (tamanho < 14 + 12 || tamanho > disponivel) return -1;
        return tamanho;
    }
    case TrpPictureView::Metafile: {
        qint64 cabecalho = 0;
        if (disponivel >= 4 && quint32(u32(0)) == ChavePlaceable) cabecalho = 22;
        // Metafile header: type, header size in words (9), version, size in words, ...
        if (disponivel < cabecalho + 18) return -1;
        const qint64 tipoMf = u16(cabecalho), palavrasCab = u16(cabecalho + 2);
        if ((tipoMf != 1 && tipoMf != 2) || palavrasCab != 9) return -1;
        const qint64 palavras = u32(cabecalho + 6);
        if (palavras < 9) return -1;
        const qint64 tamanho = cabecalho + palavras * 2;
        if (tamanho > disponivel) return -1;
        return tamanho;
    }
    case TrpPictureView::Icon: {
        // ICONDIR and its 16-byte entries; the file ends after the last image.
        if (disponivel < 6 || u16(0) != 0 || (u16(2) != 1 && u16(2) != 2)) return -1;
        const qint64 contagem = u16(4);
        const qint64 diretorio = 6 + 16 * contagem;
        if (contagem == 0 || diretorio > disponivel) return -1;
        qint64 fim = diretorio;
        for (qint64 i = 0; i < contagem; ++i) {
            const qint64 entrada = 6 + 16 * i;
            const qint64 tamanho = u32(entrada + 8), deslocamento = u32(entrada + 12);
            if (deslocamento < diretorio || tamanho == 0) return -1;
            fim = std::max(fim, deslocamento + tamanho);
        }
        if (fim > disponivel) return -1;
        return fim;
    }
    default:
        return -1;
    }
}

bool lerStream(TrpReport& report, const QByteArray& stream, QString* erro, QString* titulo) {
    Conteudo c;
    try {
        c = lerConteudo(stream);
    } catch (const ErroLeitura&) {
        return falhar(report, erro, titulo);
    } catch (const std::bad_alloc&) {
        return falhar(report, erro, titulo);
    }
    report.printToDefault = c.printToDefault;
    report.doublePass = c.doublePass;
    report.printerName = c.printerName;
    report.pages = std::move(c.pages);
    report.values = std::move(c.values);
    report.variables = std::move(c.variables);
    ligarDataSources(report);
    if (erro) erro->clear();
    if (titulo) titulo->clear();
    return true;
}

bool lerForm(TrpReport& report, const QByteArray& form, QString* erro, QString* titulo) {
    LeitorBinario l = leitor(form);
    try {
        const std::uint32_t versao = l.u32();
        const qint64 n = l.u32();
        if (versao != static_cast<std::uint32_t>(Versao)) l.falhar("unknown version");
        l.exigir(n);
        return lerStream(report, form.mid(l.pos(), n), erro, titulo);
    } catch (const ErroLeitura&) {
        return falhar(report, erro, titulo);
    }
}

bool carregarRecurso(TrpReport& report, const QString& caminho, QString* erro, QString* titulo) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) return falhar(report, erro, titulo);
    return lerForm(report, arquivo.readAll(), erro, titulo);
}

void ligarDataSources(TrpReport& report) {
    for (TrpPage& page : report.pages)
        for (TrpBandView* band : page.bands())
            band->dataSource = band->dataSourceName().isEmpty()
                                   ? nullptr
                                   : report.findDataSource(band->dataSourceName());
}

QByteArray escreverStream(const TrpReport& report) {
    QByteArray dados;
    EscritorBinario e(dados);
    e.u8(static_cast<std::uint8_t>(Versao));
    e.booleano16(report.printToDefault);
    e.booleano16(report.doublePass);
    e.texto(report.printerName);
    for (const TrpPage& p : report.pages) {
        e.u8(TagPagina);
        e.i32(p.paperCode);
        e.i32(p.width);
        e.i32(p.height);
        e.i32(p.marginLeft);
        e.i32(p.marginTop);
        e.i32(p.marginRight);
        e.i32(p.marginBottom);
        e.u8(static_cast<std::uint8_t>(p.orientation));
        e.booleano16(p.printToPrevPage);
        e.booleano16(p.useMargins);
        e.i32(p.columnCount);
        e.i32(p.columnGap);
    }
    for (std::size_t i = 0; i < report.pages.size(); ++i)
        for (const auto& v : report.pages[i].objects)
            if (v) escreverObjeto(e, *v, static_cast<int>(i));
    e.u8(TagValores);
    e.u32(static_cast<std::uint32_t>(report.values.size()));
    for (const TrpValue& v : report.values) {
        e.u8(v.type);
        e.i32(v.kind);
        e.textoCurto(v.dataSet);
        e.textoCurto(v.field);
        e.textoCurto(v.name);
    }
    e.lista(report.variables);
    return dados;
}

QByteArray escreverForm(const TrpReport& report) {
    const QByteArray stream = escreverStream(report);
    QByteArray dados;
    EscritorBinario e(dados);
    e.u32(static_cast<std::uint32_t>(Versao));
    e.u32(static_cast<std::uint32_t>(stream.size()));
    e.dados.append(stream);
    return dados;
}

} // namespace rpTemplate
