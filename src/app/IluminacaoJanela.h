// The field-illumination window: the illumination curve of the record's baffle and of the baffle
// of least obstruction, their figures side by side, and the optimised baffle applied on demand.
#pragma once

#include "Iluminacao.h"
#include "JanelaViva.h"

#include <QByteArray>

class QLabel;
class QPushButton;
class QTableWidget;
class TGraficoDifracao;
class TNumberEdit;

// What the worker computes for the window.
struct CalculoIluminacao {
    ResultadoIluminacao atual, otimizado;
    DefletorOtimizado defletor;
    double folgaAtual = 0;
    bool defletorAtual = false; // the record has a baffle
    double meioCampo = 0;       // i/2
    double campo = 0;           // the field to keep lit
};
// The whole computation for a design (headless); `anterior` is reused for the optimiser when
// its inputs are the same (chave).
CalculoIluminacao CalcularJanelaIluminacao(const TProjeto& projeto, int variante, double campo,
                                           const CalculoIluminacao* anterior = nullptr);

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

public slots:
    void Recalcular() override;
    void btnAplicarClick();

signals:
    // The optimised baffle was written into the design record.
    void projetoAlterado();

private:
    void Mostrar(const CalculoIluminacao& c);
    double campo() const;
    CalculoIluminacao m_resultado;
    QByteArray m_chaveOtimizador; // the optimiser's inputs of m_resultado
    bool m_temResultado = false;
};
