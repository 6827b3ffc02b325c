// The plotting module: axes with round ticks, curves, legend and scale bar, drawn on any
// QPainter, so a window and its report picture are drawn by the same code.
// Own module rather than Qt Charts: Charts draws through a QGraphicsScene (Widgets, one more
// package) and styles its own axes, while these plots need only lines, ticks and a legend on any
// painter, screen, printer or PDF alike.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>
#include <functional>
#include <vector>

class QPainter;

namespace Graficos {

// The largest round length (1, 2 or 5 × 10ⁿ) not above `maximo` (1 when maximo ≤ 0).
double Redondo(double maximo);

// Round tick positions (step 1, 2 or 5 × 10ⁿ) inside [minimo, maximo], about `alvo` of them.
std::vector<double> Marcas(double minimo, double maximo, int alvo);

// The decimals a tick label needs for a step (0 for steps ≥ 1).
int CasasDoPasso(double passo);

enum class Traco { Cheio, Tracejado };

struct Curva {
    QVector<QPointF> pontos; // data coordinates
    QColor cor = Qt::black;
    Traco traco = Traco::Cheio;
    double espessura = 1.5; // device pixels
    QString nome;           // legend entry; empty = none
};

// A plot: two linear axes with titles, ticks labelled in QLocale(), a light grid, the curves
// clipped to the data area, and a legend in the corner of the data area that covers the least of
// the curves (the top right when none is better).
struct Grafico {
    QString tituloX, tituloY;
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
    int marcasX = 6, marcasY = 5; // about how many ticks
    std::vector<Curva> curvas;
    QString mensagem; // drawn in the middle instead of curves when not empty

    // The data rectangle inside `area` for the painter's font (room for labels and titles).
    QRectF AreaDados(const QPainter& pintor, const QRectF& area) const;
    // Maps a data point into the data rectangle.
    QPointF Mapear(const QRectF& dados, QPointF p) const;
    // Where the legend goes inside `area` for the painter's font.
    QRectF CaixaLegenda(const QPainter& pintor, const QRectF& area) const;
    void Desenhar(QPainter& pintor, const QRectF& area) const;
};

// A scale bar from `inicio` towards +x: a round length at most `maximoPixels` long at
// `pixelsPorUnidade`, with end ticks and the text `formato` (its "%1" replaced by the length in
// QLocale()) to its right. Returns the bar's length in units.
double DesenharBarraEscala(QPainter& pintor, QPointF inicio, double pixelsPorUnidade,
                           double maximoPixels, const QString& formato);
// The same with the text made from the length by `texto`.
double DesenharBarraEscala(QPainter& pintor, QPointF inicio, double pixelsPorUnidade,
                           double maximoPixels, const std::function<QString(double)>& texto);

// Begins a picture in `area`: the painter's state saved (the caller restores it) and clipped to
// the area. With nothing to show (`valida` false) it writes `aviso` instead, in black, centred
// and wrapped a line in from each side, restores the state itself and returns false.
bool IniciarFigura(QPainter& pintor, const QRectF& area, bool valida, const QString& aviso);

} // namespace Graficos
