// The three report drawings (optical layout, sagittas, baffle tube) as placeable metafiles.
//
// Every coordinate below is in template units of the report page (x across, y down), the same
// units as the label memos placed over the pictures; Prancheta maps them into the drawing.
// The drawings hold no text: the labels are memos of the templates.
#include "Desenhos.h"

#include "rpMetafileWriter.h"

#include <QColor>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <vector>

namespace Desenhos {

double Quadro::escala() const {
    const double naturalW = extensao.width() * 96.0 / UnidadesPorPolegada;
    const double naturalH = extensao.height() * 96.0 / UnidadesPorPolegada;
    const double s = std::min(caixa.width() / naturalW, caixa.height() / naturalH);
    return s * 96.0 / UnidadesPorPolegada;
}

Quadro QuadroOptica() {
    return {QRectF(40, 65, 672, 356), QSize(7640, 3994)};
}
Quadro QuadroFlechas() {
    return {QRectF(40, 432, 272, 212), QSize(2372, 1896)};
}
Quadro QuadroDefletor() {
    return {QRectF(40, 77, 672, 312), QSize(6846, 3094)};
}

namespace {

using namespace rpMeta;

const QColor Preto(0, 0, 0);
const QColor Branco(255, 255, 255);
const QColor Vidro(205, 214, 224);  // mirror blanks
const QColor Parede(150, 150, 150); // tube walls

// Pen widths in metafile units (1/1000 inch).
constexpr int LarguraContorno = 12;
constexpr int LarguraFina = 7;
// Arrowheads, in page units.
constexpr double SetaComprimento = 7;
constexpr double SetaMeiaLargura = 2.2;

struct Ponto {
    double x, y;
};

// Draws in page units into the metafile of one picture box.
class Prancheta {
public:
    explicit Prancheta(const Quadro& q)
        : m_q(q), m_k(q.escala()), m_w(QRect(QPoint(0, 0), q.extensao)) {
        m_contorno = m_w.createPen(PenSolid, LarguraContorno, Preto);
        m_fina = m_w.createPen(PenSolid, LarguraFina, Preto);
        m_tracejada = m_w.createPen(PenDash, LarguraFina, Preto);
        m_nenhuma = m_w.createPen(PenNull, 0, Preto);
        m_preto = m_w.createBrush(BrushSolid, Preto);
        m_branco = m_w.createBrush(BrushSolid, Branco);
        m_vidro = m_w.createBrush(BrushSolid, Vidro);
        m_parede = m_w.createBrush(BrushSolid, Parede);
        m_vazio = m_w.createBrush(BrushNull, Preto);
        m_w.setBkMode(Transparent);
        m_w.setPolyFillMode(Alternate);
    }

    QPoint P(double x, double y) const {
        return QPoint(int(std::lround((x - m_q.caixa.x()) / m_k)),
                      int(std::lround((y - m_q.caixa.y()) / m_k)));
    }
    int U(double comprimento) const { return int(std::lround(comprimento / m_k)); }

    void contorno() { m_w.selectObject(m_contorno); }
    void fina() { m_w.selectObject(m_fina); }
    void tracejada() { m_w.selectObject(m_tracejada); }
    void semCaneta() { m_w.selectObject(m_nenhuma); }
    void preenchimento(int brush) { m_w.selectObject(brush); }
    int preto() const { return m_preto; }
    int branco() const { return m_branco; }
    int vidro() const { return m_vidro; }
    int parede() const { return m_parede; }
    int vazio() const { return m_vazio; }

    void linha(double x1, double y1, double x2, double y2) { m_w.line(P(x1, y1), P(x2, y2)); }
    void poligono(const std::vector<Ponto>& pts) { m_w.polygon(poligonoDe(pts)); }
    void polilinha(const std::vector<Ponto>& pts) { m_w.polyline(poligonoDe(pts)); }
    void retangulo(double x1, double y1, double x2, double y2) {
        m_w.rectangle(QRect(P(x1, y1), P(x2, y2) - QPoint(1, 1)));
    }
    void circulo(double cx, double cy, double r) {
        m_w.ellipse(QRect(P(cx - r, cy - r), P(cx + r, cy + r) - QPoint(1, 1)));
    }
    // Dimension line with filled arrowheads at both ends (thin pen, black fill).
    void cota(double x1, double y1, double x2, double y2) {
        fina();
        preenchimento(m_preto);
        m_w.dimension(P(x1, y1), P(x2, y2), U(SetaComprimento), U(SetaMeiaLargura));
    }
    // Leader with one arrowhead at (x2, y2).
    void seta(double x1, double y1, double x2, double y2) {
        fina();
        preenchimento(m_preto);
        m_w.line(P(x1, y1), P(x2, y2));
        m_w.arrowHead(P(x2, y2), P(x1, y1), U(SetaComprimento), U(SetaMeiaLargura));
    }
    void eixo(double x1, double x2, double y) { m_w.axis(P(x1, y), P(x2, y), LarguraFina, Preto); }
    void eixoVertical(double x, double y1, double y2) {
        m_w.axis(P(x, y1), P(x, y2), LarguraFina, Preto);
    }

    QByteArray terminar() { return m_w.finish(); }

private:
    QPolygon poligonoDe(const std::vector<Ponto>& pts) const {
        QPolygon poly;
        for (const Ponto& p : pts)
            poly << P(p.x, p.y);
        return poly;
    }

    Quadro m_q;
    double m_k;
    TrpMetafileWriter m_w;
    int m_contorno, m_fina, m_tracejada, m_nenhuma;
    int m_preto, m_branco, m_vidro, m_parede, m_vazio;
};

// Points of the circle of centre (cx, cy) and radius r whose x lies on the side `lado` (+1 right,
// -1 left) of the centre, for y from y1 to y2: a mirror face seen edge-on along a horizontal axis.
std::vector<Ponto> faceVertical(double cx, double cy, double r, int lado, double y1, double y2) {
    std::vector<Ponto> pts;
    const int n = 24;
    for (int i = 0; i <= n; ++i) {
        const double y = y1 + (y2 - y1) * i / n;
        pts.push_back({cx + lado * std::sqrt(std::max(0.0, r * r - (y - cy) * (y - cy))), y});
    }
    return pts;
}

// The same for a face seen along a vertical axis: y on the side `lado` (+1 below, -1 above).
std::vector<Ponto> faceHorizontal(double cx, double cy, double r, int lado, double x1, double x2) {
    std::vector<Ponto> pts;
    const int n = 32;
    for (int i = 0; i <= n; ++i) {
        const double x = x1 + (x2 - x1) * i / n;
        pts.push_back({x, cy + lado * std::sqrt(std::max(0.0, r * r - (x - cx) * (x - cx)))});
    }
    return pts;
}

// Circle through the vertex (vx, vy) whose face reaches `meiaCorda` off the axis with sagitta
// `flecha`: its radius.
double raioPorFlecha(double meiaCorda, double flecha) {
    return (meiaCorda * meiaCorda + flecha * flecha) / (2 * flecha);
}

double xNaFace(double cx, double cy, double r, int lado, double y) {
    return cx + lado * std::sqrt(std::max(0.0, r * r - (y - cy) * (y - cy)));
}

} // namespace

// Design report, Picture1: side view of the system. Label memos over it (page units):
// D1 585,89 (grows right); r1 438..498 x 123 and r2 188..248 x 197 (white, grow left);
// D2 ..279 x 168 (grows left); f 181..554 x 313; d 285..554 and e 554..631 x 355;
// p 181..285 and p' 285..631 x 377; the summary lines 48,92..140 (top left, kept clear).
QByteArray DesenharOptica() {
    const Quadro q = QuadroOptica();
    Prancheta d(q);

    const double eixoY = 194;
    // Stations along the axis: prime focus, secondary vertex, primary vertex, system focus.
    const double xF1 = 181, xSec = 285, xPri = 554, xFoco = 631;

    // Primary: concave face (sagitta drawn exaggerated), central hole, flat back.
    const double meiaD1 = 112, flecha1 = 10, furo = 12, costas1 = 574;
    const double r1 = raioPorFlecha(meiaD1, flecha1);
    const double c1x = xPri - r1;
    const double topo1 = eixoY - meiaD1, base1 = eixoY + meiaD1;
    // Secondary: convex face towards the primary, thin blank.
    const double meiaD2 = 33, flecha2 = 3, costas2 = 280;
    const double xSecV = xSec + 1; // vertex of the drawn face
    const double r2 = raioPorFlecha(meiaD2, flecha2);
    const double c2x = xSecV - r2; // centre of curvature, on the axis to the left
    const double topo2 = eixoY - meiaD2, base2 = eixoY + meiaD2;

    // Light: two incoming rays at the edges of the aperture, reflected towards the prime focus,
    // caught by the secondary and sent through the hole to the system focus.
    d.fina();
    Ponto naSecundaria[2];
    for (int lado : {-1, 1}) {
        const double h = eixoY + lado * 108;
        const double xp = xNaFace(c1x, eixoY, r1, 1, h);
        d.linha(q.caixa.left() + 2, h, xp, h);
        const double t = (xp - xSec) / (xp - xF1);
        const double hs = h + (eixoY - h) * t;
        const double xs = xNaFace(c2x, eixoY, r2, 1, hs);
        d.linha(xp, h, xs, hs);
        d.linha(xs, hs, xFoco, eixoY);
        naSecundaria[lado < 0 ? 0 : 1] = {xs, hs};
    }
    d.eixo(q.caixa.left() + 2, q.caixa.right() - 2, eixoY);

    // Primary blank, two halves around the central hole.
    d.contorno();
    d.preenchimento(d.vidro());
    for (int lado : {-1, 1}) {
        const double yBorda = lado < 0 ? topo1 : base1;
        const double yFuro = eixoY + lado * furo;
        std::vector<Ponto> pts = faceVertical(c1x, eixoY, r1, 1, yBorda, yFuro);
        pts.push_back({costas1, yFuro});
        pts.push_back({costas1, yBorda});
        d.poligono(pts);
    }
    // Focuser behind the primary: body and draw tube.
    d.preenchimento(d.branco());
    d.retangulo(costas1, eixoY - 11, 604, eixoY + 11);
    d.retangulo(604, eixoY - 8, 618, eixoY + 8);
    // Secondary blank.
    d.preenchimento(d.vidro());
    {
        std::vector<Ponto> pts = faceVertical(c2x, eixoY, r2, 1, topo2, base2);
        pts.push_back({costas2, base2});
        pts.push_back({costas2, topo2});
        d.poligono(pts);
    }
    // The cone to the system focus is drawn again over the focuser it passes through.
    d.fina();
    for (const Ponto& s : naSecundaria) {
        const double t = (costas1 - s.x) / (xFoco - s.x);
        d.linha(costas1, s.y + (eixoY - s.y) * t, xFoco, eixoY);
    }
    // Foci: the prime focus as an open circle, the system focus as a dot.
    d.preenchimento(d.branco());
    d.circulo(xF1, eixoY, 2.2);
    d.preenchimento(d.preto());
    d.circulo(xFoco, eixoY, 2.2);

    // D1: vertical dimension behind the primary, label to its right at the top.
    d.fina();
    d.linha(costas1 + 1, topo1, 590, topo1);
    d.linha(costas1 + 1, base1, 590, base1);
    d.cota(582, topo1, 582, base1);
    // D2: vertical dimension just behind the secondary, label to its left at the top.
    d.fina();
    d.linha(costas2 - 1, topo2, 274, topo2);
    d.linha(costas2 - 1, base2, 274, base2);
    d.cota(277.5, topo2, 277.5, base2);
    // r1: radius leader from the primary's centre of curvature (far to the left) to its face;
    // the label (white) sits on it around x 468.
    {
        const double alvoX = 468, alvoY = 130.5;
        const double inc = (alvoY - eixoY) / (alvoX - c1x);
        // Where the radial line meets the face: iterate the face's x at that height.
        double x = xPri;
        for (int i = 0; i < 8; ++i)
            x = xNaFace(c1x, eixoY, r1, 1, eixoY + inc * (x - c1x));
        d.seta(402, eixoY + inc * (402 - c1x), x, eixoY + inc * (x - c1x));
    }
    // r2: radius from the secondary's centre of curvature on the axis to its face; the label
    // (white) sits on it around x 218.
    {
        const double alvoX = 218, alvoY = 204.5;
        const double inc = (alvoY - eixoY) / (alvoX - c2x);
        double x = xSecV;
        for (int i = 0; i < 8; ++i)
            x = xNaFace(c2x, eixoY, r2, 1, eixoY + inc * (x - c2x));
        d.seta(c2x, eixoY, x, eixoY + inc * (x - c2x));
        d.preenchimento(d.preto());
        d.circulo(c2x, eixoY, 1.6);
    }

    // Horizontal dimensions beneath, each just under its label: f; d and e; p and p'.
    const double yF = 330, yDE = 372, yP = 394;
    d.fina();
    d.linha(xF1, eixoY + 3, xF1, yP + 4);
    d.linha(xSec, base2 + 2, xSec, yP + 4);
    d.linha(xPri, base1 + 2, xPri, yDE + 4);
    d.linha(xFoco, eixoY + 3, xFoco, yP + 4);
    d.cota(xF1, yF, xPri, yF);
    d.cota(xSec, yDE, xPri, yDE);
    d.cota(xPri, yDE, xFoco, yDE);
    d.cota(xF1, yP, xSec, yP);
    d.cota(xSec, yP, xFoco, yP);
    return d.terminar();
}

// Design report, Picture2: the primary blank above, the secondary blank below. Label memos:
// Sag1 176,464 (grows right); D1 49..296 x 518; Sag2 69,554 (grows right); D2 85..260 x 624.
QByteArray DesenharFlechas() {
    const Quadro q = QuadroFlechas();
    Prancheta d(q);
    const double eixoX = 172.5;

    // Primary: concave face up, sagitta on the centre line beside its label.
    {
        const double x1 = 49, x2 = 296, borda = 452, vertice = 478, base = 505;
        const double r = raioPorFlecha((x2 - x1) / 2, vertice - borda);
        const double cy = vertice - r;
        d.contorno();
        d.preenchimento(d.vidro());
        std::vector<Ponto> pts = faceHorizontal(eixoX, cy, r, 1, x1, x2);
        pts.push_back({x2, base});
        pts.push_back({x1, base});
        d.poligono(pts);
        d.tracejada();
        d.linha(x1, borda, x2, borda);
        d.cota(eixoX, borda, eixoX, vertice);
        // Diameter beneath, under its label.
        d.fina();
        d.linha(x1, base + 2, x1, 537);
        d.linha(x2, base + 2, x2, 537);
        d.cota(x1, 533, x2, 533);
    }
    // Secondary: convex face up. Its sagitta is measured at the left edge, between the tangent
    // at the vertex and the level of the rim, right under its label.
    {
        const double x1 = 85, x2 = 260, borda = 592, vertice = 574, base = 610;
        const double r = raioPorFlecha((x2 - x1) / 2, borda - vertice);
        const double cy = vertice + r;
        d.contorno();
        d.preenchimento(d.vidro());
        std::vector<Ponto> pts = faceHorizontal(eixoX, cy, r, -1, x1, x2);
        pts.push_back({x2, base});
        pts.push_back({x1, base});
        d.poligono(pts);
        d.tracejada();
        d.linha(x1, borda, x2, borda);
        d.fina();
        d.linha(eixoX, vertice, 67, vertice);
        d.linha(x1 - 1, borda, 67, borda);
        d.cota(73, vertice, 73, borda);
        d.linha(x1, base + 2, x1, 643);
        d.linha(x2, base + 2, x2, 643);
        d.cota(x1, 639, x2, 639);
    }
    // Centre lines of both blanks.
    d.eixoVertical(eixoX, 444, 512);
    d.eixoVertical(eixoX, 566, 617);
    return d.terminar();
}

// Baffle report, Picture1: the tube along the axis. Label memos: DG 277..458 x 156 (above);
// G 57..73 x 210 (white, on the arrow); -Z* 455..517 x 250, 274..517 x 270, 93..517 x 294;
// L 93..517 and Z 517..636 x 322; L Total 93..636 x 350.
QByteArray DesenharDefletor() {
    const Quadro q = QuadroDefletor();
    Prancheta d(q);
    const double eixoY = 217;
    const double frente = 93, fundo = 636, primario = 517;
    const double paradas[] = {93, 274, 455, 636};
    const double rInterno = 25, rExterno = 29;
    // The light cone: its half-height shrinks along the tube towards the focus.
    const double focoX = 694, rFrente = 23, rFoco = 4;
    auto raioCone = [&](double x) {
        return rFrente + (rFoco - rFrente) * (x - frente) / (focoX - frente);
    };

    d.eixo(q.caixa.left() + 2, q.caixa.right() - 2, eixoY);
    // Primary blank towards the right, pierced by the tube.
    {
        const double meia = 70, flecha = 2, costas = 541;
        const double r = raioPorFlecha(meia, flecha);
        const double cx = primario - r;
        d.contorno();
        d.preenchimento(d.vidro());
        for (int lado : {-1, 1}) {
            const double yBorda = eixoY + lado * meia, yFuro = eixoY + lado * (rExterno + 2);
            std::vector<Ponto> pts = faceVertical(cx, eixoY, r, 1, yBorda, yFuro);
            pts.push_back({costas, yFuro});
            pts.push_back({costas, yBorda});
            d.poligono(pts);
        }
    }
    // Focuser beyond the back of the tube.
    d.contorno();
    d.preenchimento(d.branco());
    d.retangulo(fundo, eixoY - 14, 676, eixoY + 14);
    d.retangulo(676, eixoY - 10, 694, eixoY + 10);
    // Tube walls.
    d.preenchimento(d.parede());
    d.retangulo(frente, eixoY - rExterno, fundo, eixoY - rInterno);
    d.retangulo(frente, eixoY + rInterno, fundo, eixoY + rExterno);
    // Light cone.
    d.fina();
    for (int lado : {-1, 1})
        d.linha(frente, eixoY + lado * raioCone(frente), focoX, eixoY + lado * raioCone(focoX));
    // Glare stops: dark marks from the wall to the edge of the cone.
    d.semCaneta();
    d.preenchimento(d.preto());
    for (double x : paradas) {
        const double borda = raioCone(x);
        d.retangulo(x - 2, eixoY - rExterno, x + 2, eixoY - borda);
        d.retangulo(x - 2, eixoY + borda, x + 2, eixoY + rExterno);
    }

    // G: the front stop's aperture, vertical arrow at the left end; the white label sits on it.
    const double gTopo = eixoY - raioCone(frente), gBase = eixoY + raioCone(frente);
    d.fina();
    d.linha(frente - 3, gTopo, 59, gTopo);
    d.linha(frente - 3, gBase, 59, gBase);
    d.cota(65, gTopo, 65, gBase);
    // DG above the tube, between two stops, just under its label.
    const double topoTubo = eixoY - rExterno, baseTubo = eixoY + rExterno;
    d.fina();
    d.linha(paradas[1], topoTubo - 2, paradas[1], 169);
    d.linha(paradas[2], topoTubo - 2, paradas[2], 169);
    d.cota(paradas[1], 173, paradas[2], 173);
    // Below the tube: stop positions from the primary (-Z*), then L, Z and L Total.
    d.fina();
    d.linha(paradas[2], baseTubo + 2, paradas[2], 269);
    d.linha(paradas[1], baseTubo + 2, paradas[1], 289);
    d.linha(frente, baseTubo + 2, frente, 369);
    d.linha(primario, baseTubo + 2, primario, 341);
    d.linha(fundo, baseTubo + 2, fundo, 369);
    d.cota(paradas[2], 266, primario, 266);
    d.cota(paradas[1], 286, primario, 286);
    d.cota(frente, 310, primario, 310);
    d.cota(frente, 338, primario, 338);
    d.cota(primario, 338, fundo, 338);
    d.cota(frente, 366, fundo, 366);
    return d.terminar();
}

} // namespace Desenhos
