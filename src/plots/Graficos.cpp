// The plotting module: axes with round ticks, curves, legend and scale bar on any QPainter.
#include "Graficos.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace Graficos {

double Redondo(double maximo) {
    if (!(maximo > 0) || !std::isfinite(maximo)) return 1;
    const double p = std::pow(10.0, std::floor(std::log10(maximo)));
    for (double m : {5.0, 2.0, 1.0})
        if (m * p <= maximo * (1 + 1e-12)) return m * p;
    return p;
}

namespace {
// The round step (1, 2 or 5 × 10ⁿ) nearest, on a logarithmic scale, to (maximo − minimo) / alvo.
double Passo(double minimo, double maximo, int alvo) {
    const double bruto = (maximo - minimo) / std::max(1, alvo);
    if (!(bruto > 0) || !std::isfinite(bruto)) return 0;
    const double p = std::pow(10.0, std::floor(std::log10(bruto)));
    double melhor = p;
    for (double m : {2.0, 5.0, 10.0})
        if (std::fabs(std::log(m * p / bruto)) < std::fabs(std::log(melhor / bruto)))
            melhor = m * p;
    return melhor;
}
} // namespace

std::vector<double> Marcas(double minimo, double maximo, int alvo) {
    std::vector<double> m;
    const double passo = Passo(minimo, maximo, alvo);
    if (passo == 0) return m;
    const double folga = passo * 1e-9;
    for (double k = std::ceil((minimo - folga) / passo); k * passo <= maximo + folga; k += 1) {
        const double v = k * passo;
        m.push_back(std::fabs(v) < folga ? 0.0 : v);
    }
    return m;
}

int CasasDoPasso(double passo) {
    if (!(passo > 0) || passo >= 1) return 0;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(passo) - 1e-9)), 0, 9);
}

QRectF Grafico::AreaDados(const QPainter& pintor, const QRectF& area) const {
    const QFontMetricsF fm(pintor.font());
    const double linha = fm.height();
    // Room on the left for the widest tick label and the vertical title.
    const std::vector<double> my = Marcas(yMin, yMax, marcasY);
    const int casas = my.size() > 1 ? CasasDoPasso(my[1] - my[0]) : 0;
    double largura = 0;
    for (double v : my)
        largura = std::max(largura, fm.horizontalAdvance(QLocale().toString(v, 'f', casas)));
    const double esquerda = largura + linha * (tituloY.isEmpty() ? 0.6 : 1.8);
    const double baixo = linha * (tituloX.isEmpty() ? 1.6 : 2.8);
    return area.adjusted(esquerda, linha * 0.6, -linha * 0.8, -baixo);
}

QPointF Grafico::Mapear(const QRectF& d, QPointF p) const {
    const double sx = xMax > xMin ? (p.x() - xMin) / (xMax - xMin) : 0;
    const double sy = yMax > yMin ? (p.y() - yMin) / (yMax - yMin) : 0;
    return {d.left() + sx * d.width(), d.bottom() - sy * d.height()};
}

QRectF Grafico::CaixaLegenda(const QPainter& pintor, const QRectF& area) const {
    const QFontMetricsF fm(pintor.font());
    const double linha = fm.height();
    const QRectF d = AreaDados(pintor, area);
    double largura = 0;
    int n = 0;
    for (const Curva& c : curvas)
        if (!c.nome.isEmpty()) {
            largura = std::max(largura, fm.horizontalAdvance(c.nome));
            ++n;
        }
    const QSizeF tamanho(largura + 3 * linha, linha * (n + 0.4));
    const double mx = 0.2 * linha, my = linha / 3; // from the data rectangle's sides
    // Top right, top left, bottom left, bottom right: the first that covers the least of the
    // curves (each segment sampled at a few points).
    const double esquerda = d.left() + mx, direita = d.right() - mx - tamanho.width();
    const double cima = d.top() + my, baixo = d.bottom() - my - tamanho.height();
    const QRectF cantos[4] = {
        QRectF(QPointF(direita, cima), tamanho), QRectF(QPointF(esquerda, cima), tamanho),
        QRectF(QPointF(esquerda, baixo), tamanho), QRectF(QPointF(direita, baixo), tamanho)};
    int melhor = 0;
    long menor = -1;
    for (int k = 0; k < 4; ++k) {
        long cobertos = 0;
        for (const Curva& c : curvas)
            for (int i = 1; i < c.pontos.size(); ++i) {
                const QPointF a = Mapear(d, c.pontos[i - 1]), b = Mapear(d, c.pontos[i]);
                for (int t = 0; t <= 8; ++t)
                    cobertos += cantos[k].contains(a + (b - a) * (t / 8.0));
            }
        if (menor < 0 || cobertos < menor) {
            menor = cobertos;
            melhor = k;
        }
    }
    return cantos[melhor];
}

void Grafico::Desenhar(QPainter& pintor, const QRectF& area) const {
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm(pintor.font());
    const double linha = fm.height();
    const QRectF d = AreaDados(pintor, area);
    const QLocale local;

    // Grid and ticks.
    const std::vector<double> mx = Marcas(xMin, xMax, marcasX), my = Marcas(yMin, yMax, marcasY);
    const int casasX = mx.size() > 1 ? CasasDoPasso(mx[1] - mx[0]) : 0;
    const int casasY = my.size() > 1 ? CasasDoPasso(my[1] - my[0]) : 0;
    const QPen grade(QColor(225, 225, 225), 0), eixo(Qt::black, 0);
    for (double v : mx) {
        const double x = Mapear(d, {v, yMin}).x();
        pintor.setPen(grade);
        pintor.drawLine(QPointF(x, d.top()), QPointF(x, d.bottom()));
        pintor.setPen(eixo);
        pintor.drawLine(QPointF(x, d.bottom()), QPointF(x, d.bottom() + linha / 4));
        pintor.drawText(QRectF(x - 4 * linha, d.bottom() + linha / 4, 8 * linha, linha),
                        Qt::AlignHCenter | Qt::AlignTop, local.toString(v, 'f', casasX));
    }
    for (double v : my) {
        const double y = Mapear(d, {xMin, v}).y();
        pintor.setPen(grade);
        pintor.drawLine(QPointF(d.left(), y), QPointF(d.right(), y));
        pintor.setPen(eixo);
        pintor.drawLine(QPointF(d.left() - linha / 4, y), QPointF(d.left(), y));
        pintor.drawText(
            QRectF(area.left(), y - linha / 2, d.left() - area.left() - linha / 3, linha),
            Qt::AlignRight | Qt::AlignVCenter, local.toString(v, 'f', casasY));
    }
    pintor.setPen(eixo);
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRect(d);
    if (!tituloX.isEmpty())
        pintor.drawText(QRectF(d.left(), d.bottom() + 1.4 * linha, d.width(), linha),
                        Qt::AlignHCenter | Qt::AlignTop, tituloX);
    if (!tituloY.isEmpty()) {
        pintor.save();
        pintor.translate(area.left() + linha * 0.1, d.center().y());
        pintor.rotate(-90);
        pintor.drawText(QRectF(-d.height() / 2, 0, d.height(), linha),
                        Qt::AlignHCenter | Qt::AlignTop, tituloY);
        pintor.restore();
    }

    if (!mensagem.isEmpty()) {
        pintor.drawText(d.adjusted(linha, linha, -linha, -linha),
                        Qt::AlignCenter | Qt::TextWordWrap, mensagem);
        pintor.restore();
        return;
    }

    // Curves, clipped to the data rectangle.
    pintor.save();
    pintor.setClipRect(d.adjusted(-1, -1, 1, 1));
    for (const Curva& c : curvas) {
        if (c.pontos.size() < 2) continue;
        QPainterPath caminho(Mapear(d, c.pontos.front()));
        for (int i = 1; i < c.pontos.size(); ++i)
            caminho.lineTo(Mapear(d, c.pontos[i]));
        QPen pena(c.cor, c.espessura);
        if (c.traco == Traco::Tracejado) pena.setDashPattern({5, 3});
        pintor.setPen(pena);
        pintor.drawPath(caminho);
    }
    pintor.restore();

    // Legend: one line per named curve, a short sample of its line then its name.
    std::vector<const Curva*> nomeadas;
    double largura = 0;
    for (const Curva& c : curvas)
        if (!c.nome.isEmpty()) {
            nomeadas.push_back(&c);
            largura = std::max(largura, fm.horizontalAdvance(c.nome));
        }
    if (!nomeadas.empty()) {
        const double amostra = 2 * linha;
        const QRectF caixa = CaixaLegenda(pintor, area);
        pintor.setPen(QPen(QColor(190, 190, 190), 0));
        pintor.setBrush(QColor(255, 255, 255, 230));
        pintor.drawRect(caixa);
        for (std::size_t i = 0; i < nomeadas.size(); ++i) {
            const Curva& c = *nomeadas[i];
            const double y = caixa.top() + linha * (i + 0.7);
            QPen pena(c.cor, c.espessura);
            if (c.traco == Traco::Tracejado) pena.setDashPattern({5, 3});
            pintor.setPen(pena);
            pintor.drawLine(QPointF(caixa.left() + linha / 3, y),
                            QPointF(caixa.left() + linha / 3 + amostra * 0.8, y));
            pintor.setPen(eixo);
            pintor.drawText(
                QRectF(caixa.left() + linha / 3 + amostra, y - linha / 2, largura + linha, linha),
                Qt::AlignLeft | Qt::AlignVCenter, c.nome);
        }
    }
    pintor.restore();
}

double DesenharBarraEscala(QPainter& pintor, QPointF inicio, double pixelsPorUnidade,
                           double maximoPixels, const QString& formato) {
    return DesenharBarraEscala(pintor, inicio, pixelsPorUnidade, maximoPixels, [&](double c) {
        return formato.arg(QLocale().toString(c, 'g', 6));
    });
}

double DesenharBarraEscala(QPainter& pintor, QPointF inicio, double pixelsPorUnidade,
                           double maximoPixels, const std::function<QString(double)>& texto) {
    if (!(pixelsPorUnidade > 0)) return 0;
    const double comprimento = Redondo(maximoPixels / pixelsPorUnidade);
    const QFontMetricsF fm(pintor.font());
    const double linha = fm.height();
    pintor.save();
    pintor.setPen(QPen(Qt::black, 0));
    const QPointF fim = inicio + QPointF(comprimento * pixelsPorUnidade, 0);
    pintor.drawLine(inicio, fim);
    for (const QPointF& p : {inicio, fim})
        pintor.drawLine(p - QPointF(0, linha / 3), p + QPointF(0, linha / 3));
    pintor.drawText(QPointF(fim.x() + linha / 2, inicio.y() + fm.ascent() / 2 - fm.descent() / 2),
                    texto(comprimento));
    pintor.restore();
    return comprimento;
}

bool IniciarFigura(QPainter& pintor, const QRectF& area, bool valida, const QString& aviso) {
    pintor.save();
    pintor.setClipRect(area);
    if (valida) return true;
    const double linha = QFontMetricsF(pintor.font()).height();
    pintor.setPen(Qt::black);
    pintor.drawText(area.adjusted(linha, linha, -linha, -linha), Qt::AlignCenter | Qt::TextWordWrap,
                    aviso);
    pintor.restore();
    return false;
}

} // namespace Graficos
