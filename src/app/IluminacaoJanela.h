// The field-illumination window: the illumination curve of the record's baffle and of the baffle
// of least obstruction, their figures side by side, and the optimised baffle applied on demand.
#pragma once

#include "Iluminacao.h"
#include "JanelaViva.h"
#include "RelatorioIluminacao.h"

#include <QByteArray>
#include <memory>

class QLabel;
class QPushButton;
class QTableWidget;
class TGraficoDifracao;
class TNumberEdit;

class TfrmIluminacao : public TJanelaViva {
    Q_OBJECT
public:
    explicit TfrmIluminacao(QWidget* owner = nullptr);

    TGraficoDifracao* grafIluminacao = nullptr;
    QTableWidget* tblIluminacao = nullptr;
    TNumberEdit* edtCampoIluminado = nullptr;
    QPushButton* btnAplicar = nullptr;
    QLabel* lblIluminacao = nullptr;

    const CalculoIluminacao& resultado() const { return m_resultado; }
    using TJanelaViva::calculando;
    // The report printed, previewed and exported by the tool bar.
    std::unique_ptr<TRelatorioIluminacao> relatorioIluminacao;

public slots:
    void Recalcular() override;
    void btnAplicarClick();

protected:
    TrpReport* relatorio() override { return &relatorioIluminacao->rpReport1; }
    QString tituloPreview() const override;
    // The study shown, brought up to date on this thread when the inputs changed since.
    void PrepararImpressao() override;

private:
    void Mostrar(const CalculoIluminacao& c);
    double campo() const;
    CalculoIluminacao m_resultado;
    QByteArray m_chaveOtimizador; // the optimiser's inputs of m_resultado
    bool m_temResultado = false;
};
