// The mirror-making window: depth, departures and bench tests of the two mirrors of a variant.
#pragma once

#include "ConfeccaoEspelhos.h"
#include "DataSet.h"
#include "rpModel.h"

#include "JanelaViva.h"
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QPainter;
class QRectF;
class QSpinBox;
class QToolBar;
class QToolButton;
class QTreeWidget;
class TNumberEdit;

// Draws the null test of the secondary to scale (z across, height up) into any rectangle of any
// painter: the mirror, the Hindle sphere, the foci and a few traced rays. Reused by reports.
void DesenharTesteSecundario(QPainter& pintor, const QRectF& area,
                             const EspelhoSecundario& secundario);

// The drawing as a control: vector painting, sharp at any device pixel ratio.
class TDesenhoHindle : public QWidget {
public:
    explicit TDesenhoHindle(QWidget* parent);
    void definir(const EspelhoSecundario& secundario);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    EspelhoSecundario m_secundario;
};

class TfrmEspelhos : public TJanelaViva {
    Q_OBJECT
public:
    // Builds the window over its owner and shows the data of the design record at once.
    explicit TfrmEspelhos(QWidget* owner = nullptr);

    // The report data set: one record per Couder zone, written by the fill-in.
    TMemDataSet dtZonas;
    // The mirror-making report, its data source over dtZonas, and its fill-in (the values, the
    // zones and the drawing of the secondary's test as a picture).
    TrpDBDataSet rpDBDataSet1;
    TrpReport rpReport1;
    void rpReport1BeginDoc();

    // Controls, named as their objectName (the tool bar and cmbVariante are the base's).
    QSpinBox* edtZonas = nullptr;
    QGroupBox* grpPrimario = nullptr;
    QTreeWidget* tblZonas = nullptr;
    QTreeWidget* lstPrimario = nullptr;
    QLabel* lblAviso = nullptr;
    QLabel* lblLeituras = nullptr;
    QLabel* lblMensagemPrimario = nullptr;
    QGroupBox* grpSecundario = nullptr;
    QTreeWidget* lstSecundario = nullptr;
    QLabel* lblTeste = nullptr;
    TNumberEdit* edtHindle = nullptr;
    QTreeWidget* lstHindle = nullptr;
    QLabel* lblMensagemSecundario = nullptr;
    TDesenhoHindle* imgHindle = nullptr;

    // The last data shown.
    const DadosEspelhos& dados() const { return m_dados; }

public slots:
    // Re-reads the design record and refreshes every value (the design changed).
    void Recalcular() override;
    void edtZonasChange();
    void edtHindleChange();
    void edtHindleExit();

protected:
    TrpReport* relatorio() override { return &rpReport1; }
    QString tituloPreview() const override;

private:
    void montarJanela();
    void MostrarDados();

    DadosEspelhos m_dados;
    bool m_hindleDigitado = false; // the user typed a distance: keep it
    bool m_carregando = false;     // the window itself sets a field
};
