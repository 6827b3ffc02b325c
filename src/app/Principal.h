// The main window: the design's inputs, the annotated diagram, the result lists and every command.
#pragma once

#include "Global.h"
#include "RelatoriosObjetos.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QEvent;
class QFileDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QLineEdit;
class TImagemSvg;
class TNumberEdit;
class TPainelChanfrado;
class TRotulo;

class TfrmAnalise;
class TfrmTolerancias;
class TfrmIluminacao;
class TfrmDesenho;
class TfrmEspelhos;

class TfrmTeluvar : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmTeluvar(QWidget* parent = nullptr);
    ~TfrmTeluvar() override;

    // The design report over the design record; dtDados holds one record per row of the
    // result list, rpReport1 reads it through rpDBDataSet1.
    TRelatorioProjeto relatorioProjeto;
    TMemDataSet& dtDados;
    TrpDBDataSet& rpDBDataSet1;
    TrpReport& rpReport1;
    void rpReport1BeginDoc();

    // Opens a design file as "&Abrir" does once the name is chosen: reads it over the record
    // (a bad file throws and changes nothing), recomputes and refills fields and lists.
    void AbrirArquivo(const QString& nome);
    // Loads a whole design as "&Abrir" does after reading it, the inputs kept as given (the
    // fields show them with two decimals).
    void CarregarProjeto(const TProjeto& projeto);

    // The dialog steps, replaceable (by tests); by default the real dialogs run.
    // A file-name step returns an empty text when the user cancels.
    std::function<QString()> PerguntarArquivoAbrir;
    std::function<QString()> PerguntarArquivoSalvar;
    // Returns the field diameter chosen, 0 when cancelled.
    std::function<double()> PerguntarDiametroCampo;

    // Actions.
    QAction* actNovo = nullptr;
    QAction* actAbrir = nullptr;
    QAction* actSalvar = nullptr;
    QAction* actPreview = nullptr;
    QAction* actConfigurarImpressora = nullptr;
    QAction* actImprimir = nullptr;
    QAction* actExportarPdf = nullptr;
    QAction* actExportarPrescricao = nullptr;
    QAction* actImportarPrescricao = nullptr;
    QAction* actSair = nullptr;
    QAction* actDefletor = nullptr;
    QAction* actFlecha = nullptr;
    QAction* actAnalise = nullptr;
    QAction* actTolerancias = nullptr;
    QAction* actDesenho = nullptr;
    QAction* actIluminacao = nullptr;
    QAction* actEspelhos = nullptr;
    QAction* actSobre = nullptr;

    // Controls, named as their objectName.
    QToolBar* ToolBar1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* edtTitulo = nullptr;
    TNumberEdit* edtD1 = nullptr;
    TNumberEdit* edtfD = nullptr;
    TNumberEdit* edty = nullptr;
    TNumberEdit* edte = nullptr;
    TNumberEdit* edti = nullptr;
    QToolButton* btnDiametroCampo = nullptr;
    QPushButton* btnOk = nullptr;
    TPainelChanfrado* Panel1 = nullptr;
    TImagemSvg* Image2 = nullptr;
    TRotulo* lblD1 = nullptr;
    TRotulo* lblr1 = nullptr;
    TRotulo* lblD2 = nullptr;
    TRotulo* lblr2 = nullptr;
    TRotulo* lblf = nullptr;
    TRotulo* lbld = nullptr;
    TRotulo* lble = nullptr;
    TRotulo* lblp1 = nullptr;
    TRotulo* lblp2 = nullptr;
    TRotulo* lblTxObstrucao = nullptr;
    TRotulo* lblFSistema = nullptr;
    TRotulo* lblFD1 = nullptr;
    QLabel* lblAviso = nullptr; // what makes the design impossible to build
    QTreeWidget* ListView2 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusBar1Texto = nullptr; // the status bar's one text panel
    QMenu* PopupMenu1 = nullptr;
    // The file dialogs, made on first use (making one decodes icons and scans its folder).
    class DialogoSobDemanda {
    public:
        std::function<QFileDialog*()> criar;
        QFileDialog* get() { return m_dialogo ? m_dialogo : (m_dialogo = criar()); }
        QFileDialog* operator->() { return get(); }
        operator QFileDialog*() { return get(); }
        bool criado() const { return m_dialogo != nullptr; }

    private:
        QFileDialog* m_dialogo = nullptr;
    };
    DialogoSobDemanda OpenDialog1;
    DialogoSobDemanda SaveDialog1;

public slots:
    void edtTituloChange();
    void edtD1Change();
    void edtfDChange();
    void edtyChange();
    void edteChange();
    void edtiChange();
    void btnOkClick();
    void btnDiametroCampoClick();

    void actNovoExecute();
    void actAbrirExecute();
    void actSalvarExecute();
    void actPreviewExecute();
    void actConfigurarImpressoraExecute();
    void actImprimirExecute();
    void actExportarPdfExecute();
    void actExportarPrescricaoExecute();
    void actImportarPrescricaoExecute();
    void actSairExecute();
    void actDefletorExecute();
    void actFlechaExecute();
    void actAnaliseExecute();
    void actToleranciasExecute();
    void actDesenhoExecute();
    void actIluminacaoExecute();
    void actEspelhosExecute();
    void actSobreExecute();

    // Shared by both lists.
    void ListView2Enter(QTreeWidget* lista);
    void ListView2Exit(QTreeWidget* lista);
    void ListView2SelectItem(QTreeWidgetItem* item);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

signals:
    // The design document changed (an input here or in the baffle window, "&Abrir", "&Novo"),
    // once per change: the live windows recompute.
    void projetoAlterado();

private:
    QPointer<TfrmAnalise> frmAnalise;
    QPointer<TfrmTolerancias> frmTolerancias;
    QPointer<TfrmIluminacao> frmIluminacao;
    QPointer<TfrmDesenho> frmDesenho;
    QPointer<TfrmEspelhos> frmEspelhos;
    void FormCreate();

    void montarAcoes();
    void montarBarra();
    void montarMenus();
    void montarEntradas(QWidget* central);
    void montarDiagrama(QWidget* central);
    void montarListas(QWidget* central);
    void montarDialogos();

    void definirEntrada(double TProjeto::*campo, double valor);
    // The computations of the design (the core does the arithmetic).
    void CalcularProjeto();
    void CarregarDados();
    void MostrarResultados();
    void EsvaziarListas();

    QString abrirDialogo(QFileDialog* dialogo);
    double executarDiametroCampo();
};
