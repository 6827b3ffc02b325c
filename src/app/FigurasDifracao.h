// The diffraction pictures (PSF grid, MTF and encircled-energy plots) drawn on any QPainter, no
// widget: the analysis window's diffraction page and the analysis report draw them alike.
#pragma once

#include "Difracao.h"
#include "Graficos.h"

#include <QImage>
#include <array>

class QPainter;
class QRectF;

// A PSF as a picture on the logarithmic scale (y up), smoothed to twice its samples.
QImage ImagemPsfLog(const ImagemDifracao& imagem);

// The nine PSF pictures of a result, variant-major (none when the result has no numbers).
std::array<QImage, 9> ImagensPsf(const ResultadoDifracao& r);

// The 3 × 3 PSF grid (columns: variants; rows: image heights) on a logarithmic scale into any
// painter's rectangle, in the painter's font: every cell at one scale, black outside the
// stored samples, the Airy circle dashed, each cell's Strehl ratio under it, a scale bar in µm
// and the legend; the reason there are no numbers when there are none. `imagens` are the
// pictures of ImagensPsf when already made, else they are made here.
void DesenharPsfs(QPainter& pintor, const QRectF& area, const ResultadoDifracao& r,
                  const TextosDifracao& t, const std::array<QImage, 9>* imagens = nullptr);

// The plots of a result for one variant (0..2): the MTF cuts at the three heights (tangential
// solid, sagittal dashed) with the obstructed and unobstructed diffraction limits in grey, and
// the encircled energy against the radius in µm with the obstructed limit.
Graficos::Grafico GraficoMtf(const ResultadoDifracao& r, const TextosDifracao& t, int variante);
Graficos::Grafico GraficoEnergia(const ResultadoDifracao& r, const TextosDifracao& t, int variante);
