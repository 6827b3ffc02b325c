// Memo layout and the drawing of report objects (memos, pictures, lines, frames) at any scale.
#include "rpDraw.h"

#include "rpMetafile.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <mutex>

namespace {

// round() to the nearest, halves to even.
int arredondarPar(double v) {
    return static_cast<int>(std::nearbyint(v));
}

bool ehQuebraDeLinha(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Splits a text line at carriage returns and line feeds ("\r\n" is one break).
void partirNasQuebras(const QString& linha, QStringList& saida) {
    qsizetype inicio = 0;
    const qsizetype n = linha.size();
    for (qsizetype k = 0; k < n; ++k) {
        if (!ehQuebraDeLinha(linha[k])) continue;
        saida << linha.mid(inicio, k - inicio);
        if (linha[k] == QLatin1Char('\r') && k + 1 < n && linha[k + 1] == QLatin1Char('\n')) ++k;
        inicio = k + 1;
    }
    saida << linha.mid(inicio);
}

bool temQuebra(const QString& linha) {
    return std::any_of(linha.begin(), linha.end(), ehQuebraDeLinha);
}

// Wraps one line holding no line breaks; `fins` marks the last output line of the paragraph.
void quebrarSegmento(const QString& seg, const TrpFonteMedida& fonte, double largura,
                     QStringList& saida, std::vector<bool>* fins) {
    const int n = static_cast<int>(seg.size());
    auto emitir = [&](const QString& linha, bool fim) {
        saida << linha;
        if (fins) fins->push_back(fim);
    };
    if (fonte.largura(seg) <= largura) {
        emitir(seg, true);
        return;
    }
    int s = 0;
    while (s < n) {
        double w = 0;
        int corte = -1;
        bool corteEmBranco = false;
        int e = s;
        while (e < n) {
            const QChar c = seg[e];
            const double cw = fonte.largura(c);
            if (w + cw > largura && e > s) break;
            w += cw;
            if (c == QLatin1Char(' ')) {
                if (e > s) {
                    corte = e;
                    corteEmBranco = true;
                }
            } else if (c == QLatin1Char(',') || c == QLatin1Char('-') || c == QLatin1Char('.')) {
                corte = e + 1;
                corteEmBranco = false;
            }
            ++e;
        }
        if (e >= n) {
            emitir(seg.mid(s), true);
            break;
        }
        if (seg[e] == QLatin1Char(' ') && e > s) {
            // The blank that does not fit ends the line and is dropped.
            emitir(seg.mid(s, e - s), e + 1 >= n);
            s = e + 1;
        } else if (corte > s) {
            emitir(seg.mid(s, corte - s), false);
            s = corteEmBranco ? corte + 1 : corte;
        } else {
            emitir(seg.mid(s, e - s), false);
            s = e;
        }
    }
}

QStringList quebrar(const QStringList& memo, const TrpFonteMedida& fonte, double largura,
                    bool comQuebra, std::vector<bool>* fins) {
    QStringList saida;
    for (const QString& linha : memo) {
        if (!comQuebra) {
            saida << linha;
            if (fins) fins->push_back(true);
            continue;
        }
        if (!temQuebra(linha)) {
            quebrarSegmento(linha, fonte, largura, saida, fins);
            continue;
        }
        QStringList partes;
        partirNasQuebras(linha, partes);
        for (const QString& parte : partes)
            quebrarSegmento(parte, fonte, largura, saida, fins);
    }
    return saida;
}

Qt::PenStyle estiloDaCaneta(std::uint16_t estilo) {
    switch (estilo) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

QPen canetaDaMoldura(const TrpView& v, const TrpEscala& escala) {
    const double largura = std::max(0.0, v.frameWidth) * std::min(escala.x, escala.y);
    QPen caneta(CorDoRegistro(v.frameColor), std::max(largura, 0.01));
    caneta.setStyle(estiloDaCaneta(v.frameStyle));
    caneta.setCapStyle(Qt::SquareCap);
    caneta.setJoinStyle(Qt::MiterJoin);
    return caneta;
}

void desenharMoldura(QPainter& p, const TrpView& v, const QRectF& c, const TrpEscala& escala) {
    const std::uint16_t lados = v.frame & rpFrame::All;
    if (lados == 0 || v.frameWidth <= 0) return;
    // Pen and brush are set, not saved and restored: every drawing sets the state it uses, and
    // the page as a whole is drawn between one save and restore.
    const QPen caneta = canetaDaMoldura(v, escala);
    p.setPen(caneta);
    p.setBrush(Qt::NoBrush);
    if (lados == rpFrame::All && v.frameStyle == 0) {
        p.drawRect(c);
        return;
    }
    const bool duplo = v.frameStyle == 5;
    const double d = duplo ? 2.0 * caneta.widthF() : 0.0;
    // The sides go out as one drawing: one path on a PDF page instead of one per side.
    QLineF linhas[8];
    int n = 0;
    auto lado = [&](QPointF a, QPointF b, QPointF dentro) {
        linhas[n++] = QLineF(a, b);
        if (duplo) linhas[n++] = QLineF(a + dentro * d, b + dentro * d);
    };
    if (lados & rpFrame::Top) lado(c.topLeft(), c.topRight(), {0, 1});
    if (lados & rpFrame::Left) lado(c.topLeft(), c.bottomLeft(), {1, 0});
    if (lados & rpFrame::Bottom) lado(c.bottomLeft(), c.bottomRight(), {0, -1});
    if (lados & rpFrame::Right) lado(c.topRight(), c.bottomRight(), {-1, 0});
    p.drawLines(linhas, n);
}

// An auto-sized memo was sized to its text at scale 1; font sizes round differently at other
// scales, so its box is widened where the text would no longer fit (keeping the right edge of a
// right-aligned memo) instead of wrapping or clipping the text it was sized for.
QRectF caixaDoAutoTamanho(const TrpMemoView& m, const QRectF& c, const TrpEscala& escala) {
    if (!(m.flags & rpFlags::MemoAutoSize) || m.memo.isEmpty()) return c;
    const TrpFonteMedida& fonte = FonteMedida(m.font, escala.pixelsDaFonte(m.font.size));
    double maior = 0;
    for (const QString& linha : m.memo) {
        QStringList partes;
        partirNasQuebras(linha, partes);
        for (const QString& parte : partes)
            maior = std::max(maior, fonte.largura(parte));
    }
    // The text fits when it is no wider than the inner width; the right alignment's extra pixel
    // stays inside the clip, which starts one pixel in from the left edge.
    const double precisa = std::ceil(maior) + 2.0 * InsetHorizontal(m.frameWidth, escala.x);
    if (precisa <= c.width()) return c;
    QRectF caixa = c;
    if (m.hAlign() == 1 || m.hAlign() == 3)
        caixa.setLeft(c.right() - precisa);
    else
        caixa.setWidth(precisa);
    return caixa;
}

void desenharMemo(QPainter& p, const TrpMemoView& m, const QRectF& caixa, const TrpEscala& escala) {
    const QRectF c = caixaDoAutoTamanho(m, caixa, escala);
    if (m.fillColor != rpNoColor) p.fillRect(c, CorDoRegistro(m.fillColor));
    if (!m.memo.isEmpty()) {
        const TrpFonteMedida& fonte = FonteMedida(m.font, escala.pixelsDaFonte(m.font.size));
        const int ih = InsetHorizontal(m.frameWidth, escala.x);
        const int iv = InsetVertical(m.frameWidth, escala.y);
        const double interna = c.width() - 2.0 * ih;
        std::vector<bool> fins;
        const QStringList linhas =
            quebrar(m.memo, fonte, interna, (m.flags & rpFlags::MemoWordWrap) != 0, &fins);
        const double alturaLinha = escala.alturaLinha(m.font.size);
        const double conteudo = linhas.size() * alturaLinha + 2.0 * iv;
        double y = c.top() + iv;
        if (m.vAlign() == 1)
            y += (c.height() - conteudo) / 2.0;
        else if (m.vAlign() == 2)
            y += c.height() - conteudo;
        const QRectF recorte(c.left() + 1, c.top(), c.width() - 3, c.height() - 1);
        // Where each piece of text goes; the memo's box clips only when some piece would cross
        // it, so that a page of fitting texts is drawn without a clip and painter state per memo
        // (a PDF or a printer gets a much shorter page).
        struct Trecho {
            QPointF origem;
            QString texto;
        };
        std::vector<Trecho> trechos;
        trechos.reserve(static_cast<std::size_t>(linhas.size()));
        bool cabe = true;
        auto por = [&](double x, double base, const QString& texto, double largura) {
            trechos.push_back({QPointF(x, base), texto});
            if (x < recorte.left() || x + largura > recorte.right()) cabe = false;
        };
        for (int i = 0; i < linhas.size(); ++i) {
            const double topo = y + i * alturaLinha;
            if (topo > recorte.bottom()) break;
            if (topo + alturaLinha < recorte.top()) continue;
            if (topo < recorte.top() || topo + alturaLinha > recorte.bottom()) cabe = false;
            const QString& linha = linhas[i];
            const double base = topo + fonte.ascent();
            const double w = fonte.largura(linha);
            switch (m.hAlign()) {
            case 1:
                por(c.right() - ih - w - 1, base, linha, w);
                break;
            case 2:
                por(c.left() + ih + (interna - w) / 2.0, base, linha, w);
                break;
            case 3: {
                const auto brancos = linha.count(QLatin1Char(' '));
                if (fins[static_cast<std::size_t>(i)] || brancos == 0 || w >= interna) {
                    por(c.left() + ih, base, linha, w);
                    break;
                }
                // Justified: the blanks are widened to fill the inner width.
                const double extra = (interna - w) / double(brancos);
                double x = c.left() + ih;
                const QStringList palavras = linha.split(QLatin1Char(' '));
                for (const QString& palavra : palavras) {
                    const double lp = fonte.largura(palavra);
                    por(x, base, palavra, lp);
                    x += lp + fonte.largura(QLatin1Char(' ')) + extra;
                }
                break;
            }
            default:
                por(c.left() + ih, base, linha, w);
                break;
            }
        }
        if (!trechos.empty()) {
            if (!cabe) {
                p.save();
                p.setClipRect(recorte, Qt::IntersectClip);
            }
            p.setFont(fonte.font());
            // Text is filled with the pen's colour only; a pen of that colour already set (the
            // last frame's, as a rule) is kept so that the page does not switch pens per memo.
            const QColor cor = CorDoRegistro(m.font.color);
            const QPen& atual = p.pen();
            if (atual.style() != Qt::SolidLine || atual.brush().style() != Qt::SolidPattern ||
                atual.color() != cor)
                p.setPen(cor);
            for (const Trecho& t : trechos)
                p.drawText(t.origem, t.texto);
            if (!cabe) p.restore();
        }
    }
    desenharMoldura(p, m, c, escala);
}

// Decoded graphics, keyed by their bytes, so that redrawing a page does not parse them again.
struct GraficoDecodificado {
    QByteArray dados;
    QImage imagem;
    TrpMetafile metafile;
    QSizeF natural; // size at scale 1 (pixels at 96 dpi = units)
    bool valido = false;
};

// What a decoded graphic holds in memory: its bytes, its pixels, and for a metafile its parsed
// records (a few times its bytes at most).
qsizetype bytesGuardados(const GraficoDecodificado& g) {
    return g.dados.size() * (g.imagem.isNull() ? 4 : 1) + g.imagem.sizeInBytes();
}

struct CacheGraficos {
    std::vector<std::unique_ptr<GraficoDecodificado>> entradas; // oldest first
    qsizetype bytes = 0;
};
CacheGraficos& cacheGraficos() {
    static CacheGraficos cache;
    return cache;
}

const GraficoDecodificado& decodificar(const TrpPictureView& f) {
    CacheGraficos& cache = cacheGraficos();
    for (const auto& g : cache.entradas)
        if (g->dados.size() == f.graphic.size() && g->dados == f.graphic) return *g;
    auto g = std::make_unique<GraficoDecodificado>();
    g->dados = f.graphic;
    if (f.graphicKind == TrpPictureView::Metafile) {
        if (g->metafile.load(f.graphic, nullptr)) {
            g->natural = g->metafile.naturalSizePixels(96);
            g->valido = g->natural.width() > 0 && g->natural.height() > 0;
        }
    } else if (f.graphicKind == TrpPictureView::Bitmap || f.graphicKind == TrpPictureView::Icon) {
        const char* formato = f.graphicKind == TrpPictureView::Bitmap ? "BMP" : "ICO";
        if (g->imagem.loadFromData(f.graphic, formato) && !g->imagem.isNull()) {
            g->natural = g->imagem.size();
            g->valido = true;
        }
    }
    // The oldest graphics make room; the one just decoded is always kept, being drawn now.
    const qsizetype novo = bytesGuardados(*g);
    while (!cache.entradas.empty() && (cache.entradas.size() >= rpMaximoGraficosGuardados ||
                                       cache.bytes + novo > rpLimiteBytesGraficos)) {
        cache.bytes -= bytesGuardados(*cache.entradas.front());
        cache.entradas.erase(cache.entradas.begin());
    }
    cache.bytes += novo;
    cache.entradas.push_back(std::move(g));
    return *cache.entradas.back();
}

void desenharFigura(QPainter& p, const TrpPictureView& f, const QRectF& c,
                    const TrpEscala& escala) {
    // A picture without a graphic prints nothing, neither fill nor frame.
    if (f.graphicKind == TrpPictureView::None || f.graphic.isEmpty()) return;
    if (f.fillColor != rpNoColor) p.fillRect(c, CorDoRegistro(f.fillColor));
    {
        const GraficoDecodificado& g = decodificar(f);
        if (g.valido) {
            const bool esticada = f.flags & rpFlags::PictStretched;
            const bool centrada = f.flags & rpFlags::PictCentered;
            const bool proporcao = f.flags & rpFlags::PictKeepAspect;
            const QSizeF natural(g.natural.width() * escala.x, g.natural.height() * escala.y);
            QSizeF tamanho = c.size();
            if (esticada && proporcao) {
                const double k =
                    std::min(c.width() / natural.width(), c.height() / natural.height());
                tamanho = natural * k;
            } else if (!esticada) {
                tamanho = natural;
            }
            QPointF origem = c.topLeft();
            if (centrada && !(esticada && !proporcao))
                origem += QPointF((c.width() - tamanho.width()) / 2.0,
                                  (c.height() - tamanho.height()) / 2.0);
            const QRectF destino(origem, tamanho);
            p.save();
            p.setClipRect(c, Qt::IntersectClip);
            if (f.graphicKind == TrpPictureView::Metafile) {
                g.metafile.play(p, destino);
            } else {
                p.setRenderHint(QPainter::SmoothPixmapTransform);
                p.drawImage(destino, g.imagem);
            }
            p.restore();
        }
    }
    desenharMoldura(p, f, c, escala);
}

void desenharLinha(QPainter& p, const TrpView& v, const QRectF& c, const TrpEscala& escala) {
    if (v.frameWidth <= 0) return;
    p.setPen(canetaDaMoldura(v, escala));
    p.drawLine(c.topLeft(), c.topLeft() + QPointF(c.width(), c.height()));
}

} // namespace

qsizetype rpBytesGraficosGuardados() {
    return cacheGraficos().bytes;
}

void RegistrarSubstituicoesDeFonte() {
    static std::once_flag feito;
    std::call_once(feito, [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                                  QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
    });
}

TrpFonteMedida::TrpFonteMedida(const TrpFont& fonte, int pixels) : m_pixels(pixels) {
    RegistrarSubstituicoesDeFonte();
    m_font = QFont(fonte.name);
    m_font.setPixelSize(std::max(1, pixels));
    m_font.setItalic(fonte.style & 1);
    m_font.setBold(fonte.style & 2);
    m_font.setUnderline(fonte.style & 4);
    // Layout must scale with the drawing: no hinting and no kerning, so that a line measures
    // the sum of its characters at every size.
    m_font.setKerning(false);
    m_font.setHintingPreference(QFont::PreferNoHinting);
    // With no kerning a Latin line is its characters side by side: no shaping is needed to
    // draw it (the text engine then skips the shaper, the larger part of drawing a text).
    m_font.setStyleStrategy(QFont::PreferNoShaping);
    m_ascent = QFontMetricsF(m_font).ascent();
    // Each advance is measured when first asked for: a character the font lacks (the control
    // characters) sends the font system through its fallback fonts, which a report never needs.
    m_latin1.fill(std::numeric_limits<float>::quiet_NaN());
}

double TrpFonteMedida::largura(QChar c) const {
    const char16_t u = c.unicode();
    if (u < 256) {
        float& w = m_latin1[u];
        if (std::isnan(w)) w = static_cast<float>(QFontMetricsF(m_font).horizontalAdvance(c));
        return w;
    }
    auto it = m_outros.constFind(u);
    if (it != m_outros.constEnd()) return *it;
    const double w = QFontMetricsF(m_font).horizontalAdvance(c);
    m_outros.insert(u, w);
    return w;
}

double TrpFonteMedida::largura(QStringView texto) const {
    double w = 0;
    for (QChar c : texto)
        w += largura(c);
    return w;
}

const TrpFonteMedida& FonteMedida(const TrpFont& fonte, int pixels) {
    struct Entrada {
        QString nome;
        std::uint16_t estilo;
        int pixels;
        std::unique_ptr<TrpFonteMedida> medida;
    };
    static std::vector<Entrada> cache;
    static std::size_t ultimo = 0;
    if (ultimo < cache.size()) {
        const Entrada& e = cache[ultimo];
        if (e.pixels == pixels && e.estilo == fonte.style && e.nome == fonte.name) return *e.medida;
    }
    for (std::size_t k = 0; k < cache.size(); ++k) {
        const Entrada& e = cache[k];
        if (e.pixels == pixels && e.estilo == fonte.style && e.nome == fonte.name) {
            ultimo = k;
            return *e.medida;
        }
    }
    if (cache.size() >= 256) cache.erase(cache.begin()); // zooming through many sizes
    cache.push_back(
        {fonte.name, fonte.style, pixels, std::make_unique<TrpFonteMedida>(fonte, pixels)});
    ultimo = cache.size() - 1;
    return *cache.back().medida;
}

int PixelsDaFonte(int pontos, double escalaY) {
    return arredondarPar(pontos * 96.0 / 72.0 * escalaY);
}

int TrpEscala::pixelsDaFonte(int pontos) const {
    if (impressora) return arredondarPar(pontos * dpiY / 72.0);
    return PixelsDaFonte(pontos, y);
}

double TrpEscala::alturaLinha(int pontos) const {
    return pixelsDaFonte(pontos) + 2.0 * y;
}

int InsetHorizontal(double larguraMoldura, double escala) {
    return arredondarPar(larguraMoldura * escala / 2.0) + 2;
}

int InsetVertical(double larguraMoldura, double escala) {
    return arredondarPar(larguraMoldura * escala / 2.0) / 2 + 1;
}

QStringList QuebrarLinhas(const QStringList& memo, const TrpFonteMedida& fonte, double largura,
                          bool comQuebra) {
    return quebrar(memo, fonte, largura, comQuebra, nullptr);
}

double AlturaConteudo(const TrpMemoView& memo, const TrpEscala& escala) {
    return AlturaConteudo(memo, memo.memo, memo.dx, escala);
}

double AlturaConteudo(const TrpMemoView& memo, const QStringList& texto, int dx,
                      const TrpEscala& escala) {
    const TrpFonteMedida& fonte = FonteMedida(memo.font, escala.pixelsDaFonte(memo.font.size));
    const int ih = InsetHorizontal(memo.frameWidth, escala.x);
    const int iv = InsetVertical(memo.frameWidth, escala.y);
    const QStringList linhas = quebrar(texto, fonte, dx * escala.x - 2.0 * ih,
                                       (memo.flags & rpFlags::MemoWordWrap) != 0, nullptr);
    return linhas.size() * escala.alturaLinha(memo.font.size) + 2.0 * iv;
}

void AjustarAutoTamanho(TrpMemoView& memo) {
    CalcularAutoTamanho(memo, memo.memo, memo.x, memo.dx);
}

void CalcularAutoTamanho(const TrpMemoView& memo, const QStringList& texto, int& x, int& dx) {
    if (!(memo.flags & rpFlags::MemoAutoSize)) return;
    const bool temTexto =
        std::any_of(texto.begin(), texto.end(), [](const QString& l) { return !l.isEmpty(); });
    if (!temTexto) return;
    const TrpFonteMedida& fonte = FonteMedida(memo.font, PixelsDaFonte(memo.font.size, 1.0));
    double maior = 0;
    for (const QString& linha : texto) {
        QStringList partes;
        partirNasQuebras(linha, partes);
        for (const QString& parte : partes)
            maior = std::max(maior, fonte.largura(parte));
    }
    const int nova = static_cast<int>(std::ceil(maior - 1e-9)) +
                     static_cast<int>(std::lround(2.0 * memo.frameWidth)) + 2;
    if (memo.hAlign() == 1 || memo.hAlign() == 3) x += dx - nova;
    dx = nova;
}

void DesenharObjeto(QPainter& painter, const TrpView& objeto, const QRectF& caixa,
                    const TrpEscala& escala) {
    if (!objeto.visible) return;
    switch (objeto.kind()) {
    case TrpKind::Memo:
        desenharMemo(painter, static_cast<const TrpMemoView&>(objeto), caixa, escala);
        break;
    case TrpKind::Picture:
        desenharFigura(painter, static_cast<const TrpPictureView&>(objeto), caixa, escala);
        break;
    case TrpKind::Line:
        desenharLinha(painter, objeto, caixa, escala);
        break;
    default:
        break;
    }
}

QColor CorDoRegistro(std::uint32_t cor) {
    if (cor & 0xFF000000u) {
        // System colours: window backgrounds white, everything else black.
        const std::uint32_t indice = cor & 0xFFu;
        return (indice == 5 || indice == 15) ? QColor(Qt::white) : QColor(Qt::black);
    }
    return QColor(int(cor & 0xFF), int((cor >> 8) & 0xFF), int((cor >> 16) & 0xFF));
}
