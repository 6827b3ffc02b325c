// The baffle window: inputs of the baffle tube, its lengths, its glare stops and their diagram.
#pragma once

#include "RelatoriosObjetos.h"

#include <QDialog>

class QAction;
class QEvent;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TImagemSvg;
class TNumberEdit;
class TPainelChanfrado;
class TRotulo;

class TfrmDefletor : public QDialog {
    Q_OBJECT
public:
    // Builds the window over its owner, loads the inputs from the design record and computes.
    explicit TfrmDefletor(QWidget* owner = nullptr);
    ~TfrmDefletor() override;

    // The baffle report over the design record; dtGlares holds one record per glare stop of
    // the last computation, rpReport1 reads it through rpDBDataSet1.
    TRelatorioDefletor relatorioDefletor;
    TMemDataSet& dtGlares;
    TrpDBDataSet& rpDBDataSet1;
    TrpReport& rpReport1;
    void rpReport1BeginDoc();

    // Controls, named as their objectName.
    QToolBar* ToolBar1 = nullptr;
    QToolButton* btnImprimir = nullptr;
    QAction* actExportarPdf = nullptr; // Ctrl+E, button btnExportarPdf after btnImprimir
    QToolButton* btnPreview = nullptr;
    QToolButton* btnSair = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    TNumberEdit* edtDDi = nullptr;
    TNumberEdit* edtDDe = nullptr;
    TNumberEdit* edtLTotal = nullptr;
    TNumberEdit* edtnG = nullptr;
    TNumberEdit* edtSSDe = nullptr;
    QPushButton* btnOk = nullptr;
    TPainelChanfrado* Panel1 = nullptr;
    TImagemSvg* Image1 = nullptr;
    TRotulo* lblDG = nullptr;
    TRotulo* lblL = nullptr;
    TRotulo* lblZ1 = nullptr;
    QLabel* lblAviso = nullptr; // what makes the design impossible to build
    QLabel* Label4 = nullptr;
    QLabel* Label10 = nullptr;
    QTreeWidget* ListView2 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

public slots:
    void btnOkClick();
    // Both recompute first (as "&Ok" does); the baffle report is hooked in here.
    void btnImprimirClick();
    void btnPreviewClick();
    void actExportarPdfExecute();
    void btnSairClick();

    void edtDDiChange();
    void edtDDeChange();
    void edtLTotalChange();
    void edtnGChange();
    void edtSSDeChange();

    void ListView2Enter();
    void ListView2Exit();
    void ListView2SelectItem(QTreeWidgetItem* item);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void FormCreate();

    void montarJanela();
    void montarBarra();
    void montarEntradas();
    void montarDiagrama();
    void montarListas();

    void CarregarEntradas();
    void Recalcular();
    void elevarLimiteComprimento();
};
