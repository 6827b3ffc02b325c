// The focusing and collimation window: what moving, tilting or decentring the secondary does to
// the image, for the three variants, computed off the interface thread and kept live.
#pragma once

#include "Global.h"
#include "Graficos.h"
#include "JanelaViva.h"
#include "RelatorioTolerancias.h"
#include "Tolerancias.h"

class QLabel;
class QLineEdit;
class QTableWidget;
class TGraficoDifracao;

// The window on the live-window base: its cmbVariante picks the variant of the focusing table,
// the summary and the camera's plot; the computation runs on a worker thread and only the newest
// result shows. The tool bar prints, previews and exports the report "Focagem e colimação".
class TfrmTolerancias : public TJanelaViva {
    Q_OBJECT
public:
    explicit TfrmTolerancias(QWidget* owner = nullptr);

    QLineEdit* edtFaixaFoco = nullptr;
    QLabel* lblTolerancias = nullptr;
    QTableWidget* tblFocagem = nullptr;
    TGraficoDifracao* grafFocagem = nullptr;
    // The camera's focusing: edge and axis RMS against the image plane's shift.
    TGraficoDifracao* grafCamera = nullptr;
    QTableWidget* tblColimacao = nullptr;
    QLabel* lblNota = nullptr;

    const ResultadoTolerancias& resultado() const { return m_resultado; }
    using TJanelaViva::calculando;
    TRelatorioTolerancias relatorioTolerancias;

public slots:
    // Re-reads the design record and the range; computes again when either changed.
    void Recalcular() override;

protected:
    TrpReport* relatorio() override { return &relatorioTolerancias.rpReport1; }
    QString tituloPreview() const override;
    // The report shows the numbers of the design and range as they are now: a result still
    // being computed is computed here instead.
    void PrepararImpressao() override;

private:
    void Mostrar();

    TProjeto m_projeto{};
    double m_deMin = 0, m_deMax = 0;
    bool m_calculado = false;
    unsigned m_geracaoMostrada = 0;
    ResultadoTolerancias m_resultado;
};
