// Prescriptions in the window: the export's save dialog with its variant, and the import window
// frmImportar, which sets a two-mirror .zmx beside the three variants.
#include "Importar.h"

#include "RelatoriosObjetos.h"

#include "ArquivoRegular.h"
#include "Janela.h"
#include "NumeroTexto.h"
#include "Principal.h"
#include "Recursos.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const char* const NomesVariantes[3] = {Recursos::Classico, Recursos::DallKirkham,
                                       Recursos::RitcheyChretien};

EscolhaPrescricao perguntarArquivoPrescricaoReal(QWidget* janela) {
    QFileDialog dlg(janela, TextoRecurso(Recursos::TituloExportarPrescricao), QString(),
                    TextoRecurso(Recursos::FiltroPrescricao));
    dlg.setObjectName(QStringLiteral("SaveDialogPrescricao"));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    // The toolkit's own dialog, so that the variant can sit in it.
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setDefaultSuffix(QStringLiteral("zmx"));
    QComboBox* cmbVariante = CriarComboVariante(&dlg);
    auto* lblVariante = new QLabel(TextoRecurso(Recursos::PrescricaoVariante), &dlg);
    lblVariante->setBuddy(cmbVariante);
    if (auto* grade = qobject_cast<QGridLayout*>(dlg.layout())) {
        const int linha = grade->rowCount();
        grade->addWidget(lblVariante, linha, 0);
        grade->addWidget(cmbVariante, linha, 1);
    }
    const QStringList filtros =
        TextoRecurso(Recursos::FiltroPrescricao).split(QStringLiteral(";;"));
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&](const QString& filtro) {
        static const char* const Sufixos[3] = {"zmx", "seq", "csv"};
        const auto k = filtros.indexOf(filtro);
        if (k >= 0) dlg.setDefaultSuffix(QString::fromLatin1(Sufixos[k]));
    });
    if (dlg.exec() != QDialog::Accepted) return {};
    EscolhaPrescricao escolha;
    escolha.nome = dlg.selectedFiles().value(0);
    escolha.variante = std::int16_t(cmbVariante->currentIndex());
    // The suffix typed decides; a name without a known one takes the chosen file type's.
    if (!FormatoDoNome(escolha.nome, escolha.formato))
        escolha.formato =
            FormatoPrescricao(std::max(0, int(filtros.indexOf(dlg.selectedNameFilter()))));
    return escolha;
}

QString perguntarArquivoImportarReal(QWidget* janela) {
    QFileDialog dlg(janela, TextoRecurso(Recursos::TituloImportarPrescricao), QString(),
                    TextoRecurso(Recursos::FiltroImportarPrescricao));
    dlg.setObjectName(QStringLiteral("OpenDialogPrescricao"));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    if (dlg.exec() != QDialog::Accepted) return {};
    return dlg.selectedFiles().value(0);
}

bool mostrarImportacaoReal(QWidget* janela, const ImportacaoPrescricao& importacao,
                           const QString& nome) {
    TfrmImportar frmImportar(janela, importacao, nome);
    return frmImportar.exec() == QDialog::Accepted;
}

} // namespace

std::function<EscolhaPrescricao(QWidget*)> PerguntarArquivoPrescricao =
    perguntarArquivoPrescricaoReal;
std::function<QString(QWidget*)> PerguntarArquivoImportar = perguntarArquivoImportarReal;
std::function<bool(QWidget*, const ImportacaoPrescricao&, const QString&)> MostrarImportacao =
    mostrarImportacaoReal;

void GravarPrescricao(const TProjeto& projeto, std::int16_t variante, FormatoPrescricao formato,
                      const QString& nome) {
    GravarArquivoInteiro(nome, EscreverPrescricao(PrescricaoDoProjeto(projeto, variante), formato));
}

void ExportarPrescricao(QWidget* janela) {
    const EscolhaPrescricao escolha = PerguntarArquivoPrescricao(janela);
    if (escolha.nome.isEmpty()) return;
    CursorAmpulheta ampulheta;
    GravarPrescricao(Projeto, escolha.variante, escolha.formato, escolha.nome);
}

void ImportarPrescricaoJanela(TfrmTeluvar& frmTeluvar) {
    const QString nome = PerguntarArquivoImportar(&frmTeluvar);
    if (nome.isEmpty()) return;
    ImportacaoPrescricao importacao;
    {
        CursorAmpulheta ampulheta;
        importacao = LerArquivoPrescricao(nome);
    }
    if (MostrarImportacao(&frmTeluvar, importacao, nome))
        frmTeluvar.CarregarProjeto(ProjetoDaImportacao(importacao));
}

void AbrirProjetoOuPrescricao(TfrmTeluvar& frmTeluvar, const QString& nome) {
    if (nome.endsWith(QStringLiteral(".zmx"), Qt::CaseInsensitive))
        frmTeluvar.CarregarProjeto(ProjetoDaImportacao(LerArquivoPrescricao(nome)));
    else
        frmTeluvar.AbrirArquivo(nome);
}

void AbrirProjetoOuPrescricaoSemJanela(TProjeto& projeto, const QString& nome) {
    if (!nome.endsWith(QStringLiteral(".zmx"), Qt::CaseInsensitive)) {
        AbrirProjetoSemJanela(projeto, nome);
        return;
    }
    // As "Abrir como projeto" loads it: the design's own inputs, its title as the field keeps
    // it, the first-order layout and the variants' conics.
    projeto = ProjetoDaImportacao(LerArquivoPrescricao(nome));
    DefinirTitulo(projeto, TituloTexto(projeto));
    CalcularProjeto(projeto);
    MostrarResultados(projeto);
}

// ---- the import window ----------------------------------------------------------------------

TfrmImportar::TfrmImportar(QWidget* owner, const ImportacaoPrescricao& im, const QString& nome)
    : QDialog(owner, JanelaFerramenta) {
    using namespace Recursos;
    setObjectName(QStringLiteral("frmImportar"));
    setWindowTitle(TextoRecurso(TituloImportar));
    setFixedSize(520, 326);

    lblArquivo = new QLabel(this);
    lblArquivo->setObjectName(QStringLiteral("lblArquivo"));
    lblArquivo->setGeometry(8, 8, 504, 16);
    lblArquivo->setText(fontMetrics().elidedText(
        TextoRecurso(ImportarArquivo).arg(QFileInfo(nome).fileName()), Qt::ElideMiddle, 504));
    lblArquivo->setToolTip(nome);

    ListView2 = new QTreeWidget(this);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setGeometry(8, 30, 504, 158);
    ConfigurarListaRelatorio(ListView2, {{TextoRecurso(ColunaDescricao), 380, Qt::AlignLeft},
                                         {TextoRecurso(ColunaValor), 100, Qt::AlignRight}});
    const std::pair<const char*, double> linhas[] = {
        {Recursos::Resultados[0], im.D1},        {Recursos::Resultados[7], im.fD1},
        {Recursos::Resultados[8], im.gamma},     {Recursos::Resultados[13], im.e},
        {Recursos::Resultados[9], im.i},         {Recursos::Resultados[4], im.r1},
        {Recursos::Resultados[5], im.r2},        {Recursos::Resultados[12], im.d},
        {ImportarFocoParaxial, im.focoParaxial}, {ImportarImagemArquivo, im.imagemArquivo}};
    for (const auto& [descricao, valor] : linhas) {
        auto* item = new QTreeWidgetItem(ListView2, {TextoRecurso(descricao), NumeroTexto(valor)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(8, 196, 504, 54);
    ConfigurarListaRelatorio(ListView1,
                             {{TextoRecurso(ColunaDescricao), 168, Qt::AlignLeft},
                              {TextoRecurso(ImportarColunaArquivo), 80, Qt::AlignHCenter},
                              {TextoRecurso(Classico), 80, Qt::AlignHCenter},
                              {TextoRecurso(DallKirkham), 80, Qt::AlignHCenter},
                              {TextoRecurso(RitcheyChretien), 92, Qt::AlignHCenter}});
    const std::tuple<const char*, double, const std::array<double, 3>&> conicas[] = {
        {Recursos::DeformacaoPrimario, im.b1, im.b1Variantes},
        {Recursos::DeformacaoSecundario, im.b2, im.b2Variantes}};
    for (const auto& [descricao, arquivo, variantes] : conicas) {
        // Three decimals: the conics of a large telescope differ in the third.
        QChar decimal, milhar;
        SeparadoresLocal(decimal, milhar);
        auto texto = [&](double v) { return NumeroTextoCasas(v, 3, decimal, milhar); };
        auto* item = new QTreeWidgetItem(ListView1, {TextoRecurso(descricao), texto(arquivo),
                                                     texto(variantes[0]), texto(variantes[1]),
                                                     texto(variantes[2])});
        for (int coluna = 1; coluna <= 4; ++coluna)
            item->setTextAlignment(coluna, Qt::AlignCenter);
    }

    lblVariante = new QLabel(this);
    lblVariante->setObjectName(QStringLiteral("lblVariante"));
    lblVariante->setGeometry(8, 258, 504, 18);
    QFont negrito = lblVariante->font();
    negrito.setBold(true);
    lblVariante->setFont(negrito);
    lblVariante->setText(
        TextoRecurso(ImportarVariante)
            .arg(TextoRecurso(im.variante >= 0 ? NomesVariantes[im.variante] : ImportarNenhuma)));

    btnAbrir = new QPushButton(TextoRecurso(ImportarAbrir), this);
    btnAbrir->setObjectName(QStringLiteral("btnAbrir"));
    btnAbrir->setGeometry(272, 290, 150, 27);
    btnFechar = new QPushButton(TextoRecurso(ImportarFechar), this);
    btnFechar->setObjectName(QStringLiteral("btnFechar"));
    btnFechar->setGeometry(430, 290, 82, 27);
    connect(btnAbrir, &QPushButton::clicked, this, Protegido(this, &TfrmImportar::btnAbrirClick));
    connect(btnFechar, &QPushButton::clicked, this, Protegido(this, &TfrmImportar::btnFecharClick));
    btnFechar->setDefault(true);
    CentrarNoDono(this, owner);
}

void TfrmImportar::btnAbrirClick() {
    accept();
}

void TfrmImportar::btnFecharClick() {
    reject();
}
