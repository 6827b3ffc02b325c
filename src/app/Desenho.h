// The to-scale drawing window: the designed telescope in section, its rays and its baffle, live.
#pragma once

#include "DesenhoEscala.h"
#include "JanelaViva.h"

#include <QPointF>
#include <QWidget>

class QComboBox;
class QLabel;
class QPainter;
class QPushButton;
class TNumberEdit;

// From the drawing's mm to device pixels: x' = origem.x + escala·x, y' = origem.y − escala·y.
struct Enquadramento {
    double escala = 1;
    QPointF origem;
};

// The scale and origin that fit the whole drawing into area, with a margin around it.
Enquadramento EnquadrarDesenho(const DadosDesenho& dados, const QRectF& area);

// Paints the drawing (or the reason there is none) on any painter, in the painter's font: the
// window's view and the export go through this one routine. Pens are one device pixel wide;
// the legend and the scale bar sit in area's corners; veredito adds the direct-light verdict.
void DesenharEscala(QPainter& pintor, const QRectF& area, const DadosDesenho& dados,
                    const Enquadramento& enquadramento, bool veredito);

// Writes the whole drawing at escala pixels per mm, on white, with the scale bar and the
// verdict: an SVG file when the name ends in ".svg", otherwise a PNG image. False when the file
// cannot be written.
bool ExportarDesenho(const DadosDesenho& dados, const QString& arquivo, double escala);

// The name an export writes: a name without extension gets the extension of the chosen filter
// ("Imagem SVG (*.svg)" gives ".svg"), so the data and the name agree; a name with an
// extension is kept.
QString NomeExportacao(const QString& arquivo, const QString& filtro);

// The drawing as a control: vector painting at any device pixel ratio; the wheel zooms about
// the pointer, dragging pans; until the user does either, the drawing keeps fitted.
class TVistaDesenho : public QWidget {
public:
    explicit TVistaDesenho(QWidget* parent);
    void definir(const DadosDesenho& dados);
    void ajustar();
    const Enquadramento& enquadramento() const { return m_enquadramento; }
    bool ajustado() const { return m_ajustado; }
    QSize sizeHint() const override { return {900, 480}; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    const DadosDesenho* m_dados = nullptr;
    Enquadramento m_enquadramento;
    bool m_ajustado = true;
    bool m_arrastando = false;
    QPointF m_ultimo;
};

class TfrmDesenho : public TJanelaViva {
    Q_OBJECT
public:
    explicit TfrmDesenho(QWidget* owner = nullptr);

    TNumberEdit* edtEspessura = nullptr;
    QPushButton* btnAjustar = nullptr;
    QPushButton* btnExportar = nullptr;
    TVistaDesenho* vistaDesenho = nullptr;
    QLabel* lblLuzDireta = nullptr;

    const DadosDesenho& dados() const { return m_dados; }
    // Writes the drawing to arquivo (what "Exportar" does once a name is chosen); the error box
    // tells when it cannot.
    void Exportar(const QString& arquivo);

public slots:
    // Re-reads the design record and redraws.
    void Recalcular() override;

private:
    void btnAjustarClick();
    void btnExportarClick();

    DadosDesenho m_dados;
};
