// The analysis window's diffraction page: wavefront and Strehl table, MTF, PSFs and encircled
// energy of the three variants, computed off the interface thread.
#pragma once

#include "Difracao.h"
#include "Global.h"
#include "Graficos.h"

#include <QFutureWatcher>
#include <QImage>
#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

// The 3 × 3 PSF grid (columns: variants; rows: image heights) on a logarithmic scale, every
// cell at one scale, with the Airy circle and a scale bar in µm.
class TPsfDifracao : public QWidget {
public:
    explicit TPsfDifracao(QWidget* parent);
    void definir(const ResultadoDifracao& r, const TextosDifracao& t,
                 const std::array<QImage, 9>& imagens);
    // Paints into any painter's rectangle; `imagens` (variant-major) are the PSF pictures when
    // already made, else they are made here.
    static void Desenhar(QPainter& pintor, const QRectF& area, const ResultadoDifracao& r,
                         const TextosDifracao& t, const std::array<QImage, 9>* imagens = nullptr);
    // A PSF as a picture on the logarithmic scale (y up).
    static QImage ImagemLog(const ImagemDifracao& imagem);
    QSize sizeHint() const override { return {420, 440}; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    ResultadoDifracao m_resultado;
    TextosDifracao m_textos;
    std::array<QImage, 9> m_imagens;
};

// A plot widget: paints a Graficos::Grafico.
class TGraficoDifracao : public QWidget {
public:
    TGraficoDifracao(QWidget* parent, const char* nome);
    void definir(Graficos::Grafico grafico);
    QSize sizeHint() const override { return {420, 260}; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Graficos::Grafico m_grafico;
};

// The plots of a result for one variant (0..2).
Graficos::Grafico GraficoMtf(const ResultadoDifracao& r, const TextosDifracao& t, int variante);
Graficos::Grafico GraficoEnergia(const ResultadoDifracao& r, const TextosDifracao& t, int variante);

class TAnaliseDifracao : public QWidget {
    Q_OBJECT
public:
    explicit TAnaliseDifracao(QWidget* parent);

    QCheckBox* chkMelhorFoco = nullptr;
    QComboBox* cmbVariante = nullptr;
    QLabel* lblDifracao = nullptr;
    QTableWidget* tblDifracao = nullptr;
    TGraficoDifracao* grafMtf = nullptr;
    TPsfDifracao* imgPsf = nullptr;
    TGraficoDifracao* grafEnergia = nullptr;

    // Hands the page a design and its ray analysis; the diffraction is computed in a worker
    // thread (now if the page shows, else when it is shown), and only the newest result shown.
    void definir(const TProjeto& projeto, const ResultadoAnalise& analise);
    const ResultadoDifracao& resultado() const { return m_resultado; }
    const TextosDifracao& textos() const { return m_textos; }
    bool calculando() const { return m_watcher.isRunning(); }

signals:
    void calculado();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Iniciar();
    void Terminou();
    void Mostrar();

    TProjeto m_projeto{};
    ResultadoAnalise m_analise;
    bool m_pendente = false; // inputs newer than the last computation started
    // The worker's result: the diffraction and its nine PSF pictures.
    struct Calculo {
        ResultadoDifracao resultado;
        std::array<QImage, 9> imagens;
    };
    QFutureWatcher<Calculo> m_watcher;
    ResultadoDifracao m_resultado;
    TextosDifracao m_textos;
    std::array<QImage, 9> m_imagens;
};
