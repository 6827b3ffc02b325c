// The diffraction pictures (PSF grid, MTF and encircled-energy plots) drawn on any QPainter.
#include "FigurasDifracao.h"

#include "NumeroTexto.h"
#include "Recursos.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
const QColor CoresAltura[3] = {QColor(0, 90, 200), QColor(200, 60, 0), QColor(0, 140, 60)};
const QColor Cinza(150, 150, 150);

// A colour for a PSF value on the logarithmic scale, t = 0 (10⁻⁴ or less) .. 1 (the peak):
// black, blue, red, yellow, white.
QRgb CorLog(double t) {
    static const double paradas[5][3] = {
        {0, 0, 0}, {30, 40, 200}, {220, 40, 30}, {250, 220, 40}, {255, 255, 255}};
    t = std::clamp(t, 0.0, 1.0) * 4;
    const int i = std::min(3, static_cast<int>(t));
    const double f = t - i;
    int c[3];
    for (int k = 0; k < 3; ++k)
        c[k] =
            static_cast<int>(std::lround(paradas[i][k] + f * (paradas[i + 1][k] - paradas[i][k])));
    return qRgb(c[0], c[1], c[2]);
}

QString Altura(double h) {
    return FormatarN(TextoRecurso(Recursos::FmtLegendaAltura), h);
}
} // namespace

QImage ImagemPsfLog(const ImagemDifracao& im) {
    QImage img(im.lado, im.lado, QImage::Format_RGB32);
    for (int a = 0; a < im.lado; ++a) {
        auto* linha = reinterpret_cast<QRgb*>(img.scanLine(im.lado - 1 - a)); // y up
        for (int b = 0; b < im.lado; ++b) {
            const double v = im.psf[static_cast<std::size_t>(a) * im.lado + b];
            linha[b] = CorLog(v > 1e-4 ? 1 + std::log10(v) / 4 : 0);
        }
    }
    // Smoothed once here: a painter's own scaling of a picture this small shows its samples.
    return img.scaled(2 * im.lado, 2 * im.lado, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::array<QImage, 9> ImagensPsf(const ResultadoDifracao& r) {
    std::array<QImage, 9> imagens;
    if (r.valida())
        for (int v = 0; v < 3; ++v)
            for (int k = 0; k < 3; ++k)
                imagens[static_cast<std::size_t>(v * 3 + k)] = ImagemPsfLog(r.feixes[v][k].imagem);
    return imagens;
}

void DesenharPsfs(QPainter& pintor, const QRectF& area, const ResultadoDifracao& r,
                  const TextosDifracao& t, const std::array<QImage, 9>* imagens) {
    if (!Graficos::IniciarFigura(pintor, area, r.valida(), t.mensagem)) return;
    const QFontMetricsF fm(pintor.font());
    const double linha = fm.height();
    std::array<QString, 3> alturas;
    double esquerda = 0;
    for (int k = 0; k < 3; ++k) {
        alturas[k] = Altura(r.feixes[0][k].h);
        esquerda = std::max(esquerda, fm.horizontalAdvance(alturas[k]));
    }
    esquerda += linha;
    const double topo = 1.5 * linha, rodape = 3.6 * linha;
    const double largura = (area.width() - esquerda) / 3;
    const double altura = (area.height() - topo - rodape) / 3;
    const double lado = std::max(1.0, std::min(largura, altura - 1.3 * linha) - 6);

    // One scale for every cell: the largest 80 % radius (at least 3 λN), at most the stored
    // half side; pixels per λN.
    const ImagemDifracao& ref = r.feixes[0][0].imagem;
    const double meio = ref.lado / 2 * ref.passo;
    double extensao = 3;
    for (const auto& v : r.feixes)
        for (const FeixeDifracao& f : v)
            extensao = std::max(extensao, 1.3 * (f.imagem.ee80 > 0 ? f.imagem.ee80 : meio));
    extensao = std::min(extensao, meio);
    const double escala = (lado / 2) / extensao;

    pintor.setPen(Qt::black);
    for (int v = 0; v < 3; ++v)
        pintor.drawText(QRectF(area.left() + esquerda + v * largura, area.top(), largura, topo),
                        Qt::AlignCenter, t.linhas[v * 3].variante);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    pintor.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 3; ++k) {
        const double y0 = area.top() + topo + k * altura;
        pintor.setPen(Qt::black);
        pintor.drawText(QRectF(area.left(), y0, esquerda - linha / 2, lado),
                        Qt::AlignVCenter | Qt::AlignRight, alturas[k]);
        for (int v = 0; v < 3; ++v) {
            const ImagemDifracao& im = r.feixes[v][k].imagem;
            const double x0 = area.left() + esquerda + v * largura + (largura - lado) / 2;
            const QRectF celula(x0, y0, lado, lado);
            // The stored samples cover ±(lado/2)·passo λN around the centre sample.
            const double meioImagem = (im.lado / 2.0) * im.passo;
            const double pixels = (meioImagem + im.passo / 2) * escala;
            pintor.save();
            pintor.setClipRect(celula);
            pintor.fillRect(celula, Qt::black);
            pintor.drawImage(QRectF(celula.center().x() - pixels, celula.center().y() - pixels,
                                    2 * pixels, 2 * pixels),
                             imagens ? (*imagens)[static_cast<std::size_t>(v * 3 + k)]
                                     : ImagemPsfLog(im));
            pintor.setPen(QPen(Qt::white, 1, Qt::DashLine));
            const double ra = 1.2197 * escala;
            pintor.drawEllipse(celula.center(), ra, ra);
            pintor.restore();
            pintor.setPen(Qt::black);
            pintor.drawText(
                QRectF(x0 - 10, y0 + lado + 1, lado + 20, 1.3 * linha),
                Qt::AlignHCenter | Qt::AlignTop,
                TextoRecurso(Recursos::FmtStrehlCelula).arg(t.linhas[v * 3 + k].strehlPsf));
        }
    }
    // Scale bar in µm and the legend.
    const double pixelsPorMicrometro = escala / (r.lambdaN * 1000);
    Graficos::DesenharBarraEscala(
        pintor, QPointF(area.left() + esquerda, area.bottom() - 2.6 * linha), pixelsPorMicrometro,
        0.8 * lado, TextoRecurso(Recursos::FmtEscalaPsf));
    pintor.drawText(QRectF(area.left() + linha / 2, area.bottom() - 1.8 * linha,
                           area.width() - linha, 1.6 * linha),
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                    TextoRecurso(Recursos::LegendaPsf));
    pintor.restore();
}

Graficos::Grafico GraficoMtf(const ResultadoDifracao& r, const TextosDifracao& t, int variante) {
    Graficos::Grafico g;
    g.tituloX = TextoRecurso(Recursos::EixoFrequencia);
    g.tituloY = TextoRecurso(Recursos::EixoMtf);
    if (!r.valida()) {
        g.mensagem = t.mensagem;
        return g;
    }
    g.xMax = r.corte;
    const int n = DifracaoAmostras;
    const double passo = r.corte / n;
    Graficos::Curva obstruido, livre;
    obstruido.cor = livre.cor = Cinza;
    livre.traco = Graficos::Traco::Tracejado;
    obstruido.nome = TextoRecurso(Recursos::LegendaLimiteObstruido);
    livre.nome = TextoRecurso(Recursos::LegendaLimiteLivre);
    for (int k = 0; k <= 200; ++k) {
        const double nu = k / 200.0;
        obstruido.pontos.append({nu * r.corte, MtfAnular(nu, r.obstrucao)});
        livre.pontos.append({nu * r.corte, MtfAnular(nu, 0)});
    }
    g.curvas.push_back(livre);
    g.curvas.push_back(obstruido);
    variante = std::clamp(variante, 0, 2);
    for (int k = 0; k < 3; ++k) {
        const ImagemDifracao& im = r.feixes[variante][k].imagem;
        Graficos::Curva tan, sag;
        tan.cor = sag.cor = CoresAltura[k];
        sag.traco = Graficos::Traco::Tracejado;
        tan.nome = Altura(r.feixes[variante][k].h);
        for (int j = 0; j <= n; ++j) {
            tan.pontos.append({j * passo, im.mtfTangencial[static_cast<std::size_t>(j)]});
            sag.pontos.append({j * passo, im.mtfSagital[static_cast<std::size_t>(j)]});
        }
        g.curvas.push_back(tan);
        g.curvas.push_back(sag);
    }
    // Legend entries for the two line styles.
    Graficos::Curva solida, tracejada;
    solida.nome = TextoRecurso(Recursos::LegendaTangencial);
    tracejada.nome = TextoRecurso(Recursos::LegendaSagital);
    tracejada.traco = Graficos::Traco::Tracejado;
    g.curvas.push_back(solida);
    g.curvas.push_back(tracejada);
    return g;
}

Graficos::Grafico GraficoEnergia(const ResultadoDifracao& r, const TextosDifracao& t,
                                 int variante) {
    Graficos::Grafico g;
    g.tituloX = TextoRecurso(Recursos::EixoRaioEnergia);
    g.tituloY = TextoRecurso(Recursos::EixoEnergia);
    if (!r.valida()) {
        g.mensagem = t.mensagem;
        return g;
    }
    const std::vector<double>& raios = RaiosEnergia();
    const double micrometros = r.lambdaN * 1000;
    variante = std::clamp(variante, 0, 2);
    // The axis reaches past the largest 80 % radius (at least 4 λN).
    double maximo = 4;
    for (const FeixeDifracao& f : r.feixes[variante])
        maximo = std::max(maximo, f.imagem.ee80 > 0 ? 1.5 * f.imagem.ee80 : raios.back());
    maximo = std::min(maximo, raios.back());
    g.xMax = maximo * micrometros;
    Graficos::Curva perfeita;
    perfeita.cor = Cinza;
    perfeita.nome = TextoRecurso(Recursos::LegendaLimiteObstruido);
    for (std::size_t i = 0; i < raios.size() && i < r.perfeita.energia.size(); ++i)
        perfeita.pontos.append({raios[i] * micrometros, r.perfeita.energia[i]});
    g.curvas.push_back(perfeita);
    for (int k = 0; k < 3; ++k) {
        const ImagemDifracao& im = r.feixes[variante][k].imagem;
        Graficos::Curva c;
        c.cor = CoresAltura[k];
        c.nome = Altura(r.feixes[variante][k].h);
        for (std::size_t i = 0; i < raios.size() && i < im.energia.size(); ++i)
            c.pontos.append({raios[i] * micrometros, im.energia[i]});
        g.curvas.push_back(c);
    }
    return g;
}
