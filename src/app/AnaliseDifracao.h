// The analysis window's diffraction page: wavefront and Strehl table, MTF, PSFs and encircled
// energy of the three variants, computed off the interface thread.
#pragma once

#include "Difracao.h"
#include "FigurasDifracao.h"
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

// The 3 × 3 PSF grid (DesenharPsfs) as a widget.
class TPsfDifracao : public QWidget {
public:
    explicit TPsfDifracao(QWidget* parent);
    void definir(const ResultadoDifracao& r, const TextosDifracao& t,
                 const std::array<QImage, 9>& imagens);
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
    const std::array<QImage, 9>& imagens() const { return m_imagens; }
    bool calculando() const { return m_watcher.isRunning(); }
    int varianteCurvas() const; // the variant whose curves show (0..2)
    bool melhorFoco() const;    // the reference sphere at each bundle's best focus
    // Whether the result shown is that of the newest design and reference sphere.
    bool atual() const;
    // Makes the result shown that of the newest design and reference sphere: when it is not
    // yet, it is computed here (the caller waits) and shown; a computation still running for
    // older inputs is then dropped when it ends.
    void Atualizar();

signals:
    void calculado();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Iniciar();
    void Terminou();
    void Mostrar();

    // What a computation starts from: the design, its ray analysis and the reference sphere.
    struct Entradas {
        TProjeto projeto{};
        ResultadoAnalise analise;
        bool melhorFoco = false;
        bool iguais(const Entradas& outras) const; // the same design and sphere
    };
    Entradas EntradasAtuais() const;
    // A computation's result: its inputs, the diffraction and its nine PSF pictures.
    struct Calculo {
        Entradas entradas;
        ResultadoDifracao resultado;
        std::array<QImage, 9> imagens;
    };
    static Calculo Calcular(const Entradas& entradas);
    void Adotar(const Calculo& calculo);

    TProjeto m_projeto{};
    ResultadoAnalise m_analise;
    bool m_pendente = false; // inputs newer than the last computation started
    bool m_temResultado = false;
    Entradas m_calculadas; // the inputs of the result shown
    QFutureWatcher<Calculo> m_watcher;
    ResultadoDifracao m_resultado;
    TextosDifracao m_textos;
    std::array<QImage, 9> m_imagens;
};
