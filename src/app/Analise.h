// The analysis window: spot diagrams and aberration tables of the three variants, kept live.
#pragma once

#include "AnaliseRaios.h"
#include "DataSet.h"
#include "JanelaViva.h"
#include "rpModel.h"

#include <QWidget>

#include <QImage>
#include <QPainterPath>
#include <array>

class QLabel;
class QPainter;
class QTabWidget;
class QTableWidget;
class TAnaliseDifracao;

// The 3 × 3 spot grid (columns: variants; rows: image heights), every cell at one scale, with
// the Airy circle, a scale bar in µm and each cell's RMS under it.
class TSpotAnalise : public QWidget {
public:
    explicit TSpotAnalise(QWidget* parent);
    void definir(const ResultadoAnalise& resultado, const TextosAnalise& textos);
    // The dots of each cell as an image, for one cell size and scale, made again only when the
    // analysis or the size changes (the screen's paint events only copy them).
    struct CacheCelulas {
        bool valido = false;
        double lado = 0, escala = 0, proporcao = 1;
        std::array<QImage, 9> imagens;
        QPainterPath airy; // the dashed Airy circle's outline about the origin
    };
    // Paints the grid (or the reason there are no numbers) into any painter's rectangle, in
    // the painter's font; used by the widget and by anything that prints the grid. With a
    // cache (the screen), each cell's dots come from its image, drawn pixel-aligned in one
    // call when made; without (paper), as vector squares. A non-null `exposta` (the paint
    // event's rectangle) leaves out the cells and texts that do not meet it.
    static void Desenhar(QPainter& pintor, const QRectF& area, const ResultadoAnalise& resultado,
                         const TextosAnalise& textos, CacheCelulas* cache = nullptr,
                         const QRectF& exposta = QRectF());
    QSize sizeHint() const override { return {480, 500}; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    ResultadoAnalise m_resultado;
    TextosAnalise m_textos;
    CacheCelulas m_cache;
};

// A live window (tool bar with print, preview and PDF); its pages show all three variants, so
// the base's variant row is hidden (the diffraction page has its own choice).
class TfrmAnalise : public TJanelaViva {
    Q_OBJECT
public:
    explicit TfrmAnalise(QWidget* owner = nullptr);

    // The report data set: one record per row of tblAnalise, written by the fill-in.
    TMemDataSet dtAnalise;
    // The analysis report, its data source over dtAnalise, and its fill-in (the tables' texts,
    // the rows and the spot grid as a picture).
    TrpDBDataSet rpDBDataSet1;
    TrpReport rpReport1;
    void rpReport1BeginDoc();

    QLabel* lblAiry = nullptr;
    QTableWidget* tblAnalise = nullptr;
    QTableWidget* tblCurvatura = nullptr;
    QLabel* lblConvencao = nullptr;
    QLabel* lblConcavidade = nullptr;
    QLabel* lblPerdidos = nullptr;
    TSpotAnalise* spotAnalise = nullptr;
    QTabWidget* tabAnalise = nullptr;
    TAnaliseDifracao* difracao = nullptr; // the second page

    const ResultadoAnalise& resultado() const { return m_resultado; }
    const TextosAnalise& textos() const { return m_textos; }

public slots:
    // Re-reads the design record, analyses it and repaints (on the interface thread: it takes
    // about 2 ms).
    void Recalcular() override;

protected:
    TrpReport* relatorio() override { return &rpReport1; }
    QString tituloPreview() const override;

private:
    ResultadoAnalise m_resultado;
    TextosAnalise m_textos;
};
