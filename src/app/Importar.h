// Prescriptions in the window: the export's save dialog with its variant, and the import window
// frmImportar, which sets a two-mirror .zmx beside the three variants.
#pragma once

#include "Prescricao.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;
class TfrmTeluvar;

// What the export's save dialog returns; an empty name when cancelled.
struct EscolhaPrescricao {
    QString nome;
    FormatoPrescricao formato = FormatoPrescricao::Zemax;
    std::int16_t variante = VarianteRitcheyChretien;
};

// The dialog steps, replaceable (by tests); by default the real dialogs run. The save dialog
// offers the three file types and the variant (Ritchey-Chrétien at first); the open dialog
// returns an empty name when cancelled; the import window returns whether "Abrir como projeto"
// was pressed.
extern std::function<EscolhaPrescricao(QWidget*)> PerguntarArquivoPrescricao;
extern std::function<QString(QWidget*)> PerguntarArquivoImportar;
extern std::function<bool(QWidget*, const ImportacaoPrescricao&, const QString&)> MostrarImportacao;

// Writes a variant's prescription of the design through the kill-safe save (ErroArquivo when it
// cannot be written).
void GravarPrescricao(const TProjeto& projeto, std::int16_t variante, FormatoPrescricao formato,
                      const QString& nome);
// "Exportar prescrição...": the save dialog, then the file.
void ExportarPrescricao(QWidget* janela);
// "Importar prescrição...": the open dialog, the file read, frmImportar; "Abrir como projeto"
// loads the design into the main window.
void ImportarPrescricaoJanela(TfrmTeluvar& frmTeluvar);
// A design named on the command line: a .zmx is imported as "Abrir como projeto" does, any other
// file opened as a design file.
void AbrirProjetoOuPrescricao(TfrmTeluvar& frmTeluvar, const QString& nome);
// The same with no window, as the command line opens it (see AbrirProjetoSemJanela).
void AbrirProjetoOuPrescricaoSemJanela(TProjeto& projeto, const QString& nome);

// The import window: the derived inputs, the file's conics beside the variants', the variant
// the file is.
class TfrmImportar : public QDialog {
    Q_OBJECT
public:
    TfrmImportar(QWidget* owner, const ImportacaoPrescricao& importacao, const QString& nome);

    QLabel* lblArquivo = nullptr;
    QTreeWidget* ListView2 = nullptr; // the derived inputs and the layout
    QTreeWidget* ListView1 = nullptr; // the conics
    QLabel* lblVariante = nullptr;
    QPushButton* btnAbrir = nullptr;
    QPushButton* btnFechar = nullptr;

public slots:
    void btnAbrirClick();
    void btnFecharClick();
};
