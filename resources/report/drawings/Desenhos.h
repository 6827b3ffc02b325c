// The three report drawings (optical layout, sagittas, baffle tube) as placeable metafiles.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>

namespace Desenhos {

// Box of a picture on its template page (template units) and its drawing extent (metafile
// units at 1000 per inch). The report draws the picture stretched into the box keeping its
// aspect ratio, anchored at the top-left corner, so a point of the page maps to one point of
// the drawing; the drawings are laid out in page units so that each element lies under the
// label memo that names it.
struct Quadro {
    QRectF caixa;
    QSize extensao;
    // Template units per metafile unit: the picture's natural size is extent x 96 / 1000.
    double escala() const;
};

inline constexpr int UnidadesPorPolegada = 1000;

Quadro QuadroOptica();   // design report Picture1: 40,65 672x356; 7640 x 3994
Quadro QuadroFlechas();  // design report Picture2: 40,432 272x212; 2372 x 1896
Quadro QuadroDefletor(); // baffle report Picture1: 40,77 672x312; 6846 x 3094

QByteArray DesenharOptica();
QByteArray DesenharFlechas();
QByteArray DesenharDefletor();

} // namespace Desenhos
