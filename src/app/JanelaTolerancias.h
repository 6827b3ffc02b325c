// The focusing and collimation window: what moving, tilting or decentring the secondary does to
// the image, for the three variants, computed off the interface thread and kept live.
#pragma once

#include "Global.h"
#include "Graficos.h"
#include "JanelaViva.h"
#include "Tolerancias.h"

class QLabel;
class QLineEdit;
class QTableWidget;
class TGraficoDifracao;

// The window's plot: the on-axis Strehl against Δe for the three variants.
Graficos::Grafico GraficoFocagem(const ResultadoTolerancias& r);

// The window on the live-window base: its cmbVariante picks the variant of the focusing table
// and the summary; the computation runs on a worker thread and only the newest result shows.
class TfrmTolerancias : public TJanelaViva {
    Q_OBJECT
public:
    explicit TfrmTolerancias(QWidget* owner = nullptr);

    QLineEdit* edtFaixaFoco = nullptr;
    QLabel* lblTolerancias = nullptr;
    QTableWidget* tblFocagem = nullptr;
    TGraficoDifracao* grafFocagem = nullptr;
    QTableWidget* tblColimacao = nullptr;
    QLabel* lblNota = nullptr;

    const ResultadoTolerancias& resultado() const { return m_resultado; }
    using TJanelaViva::calculando;

public slots:
    // Re-reads the design record and the range; computes again when either changed.
    void Recalcular() override;

private:
    void Mostrar();

    TProjeto m_projeto{};
    double m_deMin = 0, m_deMax = 0;
    bool m_calculado = false;
    ResultadoTolerancias m_resultado;
};
