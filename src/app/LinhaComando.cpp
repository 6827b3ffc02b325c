// The command line: its options, batch work without a window, a design named at start-up.
#include "LinhaComando.h"

#include "Calculo.h"
#include "Global.h"
#include "Importar.h"
#include "Janela.h"
#include "Principal.h"
#include "ProjetoJson.h"
#include "Recursos.h"
#include "RelatorioIluminacao.h"
#include "RelatorioTolerancias.h"
#include "RelatoriosObjetos.h"
#include "rpPdf.h"
#include "rpPrepare.h"
#include "rpPrepared.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstring>
#include <functional>
#include <optional>

#ifndef TELUVAR_VERSAO
#define TELUVAR_VERSAO "1.0"
#endif

namespace {

struct Opcoes {
    QCommandLineOption ajuda{{QStringLiteral("h"), QStringLiteral("help")},
                             TextoRecurso(Recursos::LinhaAjuda)};
    QCommandLineOption versao{{QStringLiteral("v"), QStringLiteral("version")},
                              TextoRecurso(Recursos::LinhaVersao)};
    QCommandLineOption pdf{QStringLiteral("pdf"), TextoRecurso(Recursos::LinhaPdf),
                           TextoRecurso(Recursos::LinhaValorSaida)};
    QCommandLineOption relatorio{QStringLiteral("relatorio"),
                                 TextoRecurso(Recursos::LinhaRelatorio),
                                 TextoRecurso(Recursos::LinhaValorRelatorio)};
    QCommandLineOption json{QStringLiteral("json"), TextoRecurso(Recursos::LinhaJson)};
    QCommandLineOption semEstudos{QStringLiteral("sem-estudos"),
                                  TextoRecurso(Recursos::LinhaSemEstudos)};
    QCommandLineOption prescricao{QStringLiteral("prescricao"),
                                  TextoRecurso(Recursos::LinhaPrescricao),
                                  TextoRecurso(Recursos::LinhaValorPrescricao)};
    QCommandLineOption variante{QStringLiteral("variante"), TextoRecurso(Recursos::LinhaVariante),
                                TextoRecurso(Recursos::LinhaValorVariante)};
    QList<QCommandLineOption> todas() const {
        return {ajuda, versao, pdf, relatorio, json, semEstudos, prescricao, variante};
    }
};

QString nomeOpcao(const QString& nome) {
    return (nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nome;
}

// The help text, built from the options themselves.
QString textoAjuda(const Opcoes& opcoes, const QString& programa) {
    QString texto = TextoRecurso(Recursos::LinhaUso).arg(programa) + u'\n' +
                    TextoRecurso(Recursos::LinhaDescricao) + QStringLiteral("\n\n") +
                    TextoRecurso(Recursos::LinhaOpcoes) + u'\n';
    auto linha = [&](const QString& esquerda, const QString& descricao) {
        texto += QStringLiteral("  ") + esquerda.leftJustified(30) + u' ' + descricao + u'\n';
    };
    for (const QCommandLineOption& o : opcoes.todas()) {
        QStringList nomes;
        for (const QString& n : o.names())
            nomes << nomeOpcao(n);
        QString esquerda = nomes.join(QStringLiteral(", "));
        if (!o.valueName().isEmpty()) esquerda += QStringLiteral(" <%1>").arg(o.valueName());
        linha(esquerda, o.description());
    }
    texto += u'\n' + TextoRecurso(Recursos::LinhaArgumentos) + u'\n';
    linha(TextoRecurso(Recursos::LinhaNomeProjeto), TextoRecurso(Recursos::LinhaArgumentoProjeto));
    return texto;
}

PedidoLinha erro(const QString& motivo) {
    PedidoLinha p;
    p.modo = PedidoLinha::Erro;
    p.erro = motivo;
    return p;
}

// One line "teluvar: <texto>" on standard error.
void avisar(std::FILE* erros, const QString& texto) {
    const QString linha = TextoRecurso(Recursos::LinhaErro).arg(QStringLiteral("teluvar"), texto);
    std::fprintf(erros, "%s\n", linha.toLocal8Bit().constData());
    std::fflush(erros);
}

int falhar(std::FILE* erros, int status, const QString& motivo) {
    avisar(erros, motivo);
    return status;
}

// Success when everything written to standard output reached it, else the error line.
int saidaGravada(std::FILE* saida, std::FILE* erros) {
    if (std::fflush(saida) == 0 && !std::ferror(saida)) return SaidaSucesso;
    return falhar(
        erros, SaidaGravacao,
        TextoRecurso(Recursos::LinhaNaoGravou).arg(TextoRecurso(Recursos::LinhaSaidaPadrao)));
}

} // namespace

bool PedeTrabalhoSemJanela(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--") == 0) return false;
        if (argv[k][0] == '-' && argv[k][1] != '\0') return true;
    }
    return false;
}

PedidoLinha AnalisarLinha(const QStringList& argumentos) {
    const Opcoes opcoes;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(opcoes.todas());
    if (!parser.parse(argumentos)) {
        const QStringList desconhecidas = parser.unknownOptionNames();
        if (!desconhecidas.isEmpty())
            return erro(TextoRecurso(Recursos::LinhaOpcaoDesconhecida)
                            .arg(nomeOpcao(desconhecidas.first())));
        // The only other failure: an option that takes a value given none.
        const QString ultima = argumentos.value(argumentos.size() - 1);
        return erro(TextoRecurso(Recursos::LinhaFaltaValor).arg(ultima));
    }
    PedidoLinha p;
    const QStringList projetos = parser.positionalArguments();
    if (parser.isSet(opcoes.ajuda)) {
        p.modo = PedidoLinha::Ajuda;
        p.textoAjuda = textoAjuda(opcoes, QFileInfo(argumentos.value(0)).fileName());
        return p;
    }
    if (parser.isSet(opcoes.versao)) {
        p.modo = PedidoLinha::Versao;
        return p;
    }
    const bool pdf = parser.isSet(opcoes.pdf), json = parser.isSet(opcoes.json);
    if (pdf && json) return erro(TextoRecurso(Recursos::LinhaPdfEJson));
    if (parser.isSet(opcoes.semEstudos) && !json)
        return erro(TextoRecurso(Recursos::LinhaSemEstudosSemJson));
    p.semEstudos = parser.isSet(opcoes.semEstudos);
    // --prescricao SAIDA [--variante classico|dk|rc] PROJETO.tlv
    if (parser.isSet(opcoes.variante) && !parser.isSet(opcoes.prescricao))
        return erro(TextoRecurso(Recursos::LinhaVarianteSemPrescricao));
    if (parser.isSet(opcoes.prescricao)) {
        if (pdf || json) return erro(TextoRecurso(Recursos::LinhaSaidasExclusivas));
        if (parser.isSet(opcoes.relatorio))
            return erro(TextoRecurso(Recursos::LinhaRelatorioSemPdf));
        p.saida = parser.value(opcoes.prescricao);
        FormatoPrescricao formato;
        if (!FormatoDoNome(p.saida, formato))
            return erro(TextoRecurso(Recursos::LinhaFormatoPrescricao).arg(p.saida));
        if (parser.isSet(opcoes.variante)) {
            const QString qual = parser.value(opcoes.variante);
            const char* const nomes[] = {Recursos::LinhaVarianteClassico, Recursos::LinhaVarianteDk,
                                         Recursos::LinhaVarianteRc};
            p.variante = -1;
            for (std::int16_t v = 0; v < 3; ++v)
                if (qual == TextoRecurso(nomes[v])) p.variante = v;
            if (p.variante < 0)
                return erro(TextoRecurso(Recursos::LinhaVarianteInvalida).arg(qual));
        }
        if (projetos.size() != 1) return erro(TextoRecurso(Recursos::LinhaUmProjeto));
        p.modo = PedidoLinha::Prescricao;
        p.projeto = projetos.first();
        return p;
    }
    if (parser.isSet(opcoes.relatorio)) {
        if (!pdf) return erro(TextoRecurso(Recursos::LinhaRelatorioSemPdf));
        const QString qual = parser.value(opcoes.relatorio);
        if (qual == TextoRecurso(Recursos::LinhaRelatorioDefletor))
            p.defletor = true;
        else if (qual == TextoRecurso(Recursos::LinhaRelatorioIluminacao))
            p.iluminacao = true;
        else if (qual == TextoRecurso(Recursos::LinhaRelatorioTolerancias))
            p.tolerancias = true;
        else if (qual != TextoRecurso(Recursos::LinhaRelatorioProjeto))
            return erro(TextoRecurso(Recursos::LinhaRelatorioInvalido).arg(qual));
    }
    if (pdf || json) {
        if (projetos.size() != 1) return erro(TextoRecurso(Recursos::LinhaUmProjeto));
        p.modo = pdf ? PedidoLinha::Pdf : PedidoLinha::Json;
        p.projeto = projetos.first();
        p.saida = parser.value(opcoes.pdf);
        if (pdf && p.saida.isEmpty())
            return erro(TextoRecurso(Recursos::LinhaFaltaValor).arg("--pdf"));
        return p;
    }
    if (projetos.size() > 1) return erro(TextoRecurso(Recursos::LinhaProjetos));
    p.projeto = projetos.value(0);
    return p;
}

int ExecutarSemJanela(const PedidoLinha& pedido, std::FILE* saida, std::FILE* erros) {
    switch (pedido.modo) {
    case PedidoLinha::Janela:
    case PedidoLinha::Erro:
        return falhar(erros, SaidaUso, pedido.erro);
    case PedidoLinha::Ajuda:
        std::fputs(pedido.textoAjuda.toLocal8Bit().constData(), saida);
        return saidaGravada(saida, erros);
    case PedidoLinha::Versao: {
        const QString versao =
            TextoRecurso(Recursos::LinhaTextoVersao).arg(QLatin1String(TELUVAR_VERSAO));
        std::fprintf(saida, "%s\n", versao.toLocal8Bit().constData());
        return saidaGravada(saida, erros);
    }
    case PedidoLinha::Pdf:
    case PedidoLinha::Json:
    case PedidoLinha::Prescricao:
        break;
    }

    // The design and its reports computed as the windows compute them, with no window: what a
    // window would show in a box becomes the error line.
    QString mensagem;
    const AvisoRelatorio guardar = [&mensagem](const QString& texto, const QString&) {
        if (mensagem.isEmpty()) mensagem = texto;
    };
    try {
        AbrirProjetoOuPrescricaoSemJanela(Projeto, pedido.projeto);
    } catch (const std::exception& e) {
        return falhar(erros, SaidaEntrada, MensagemExcecao(e));
    }

    if (pedido.modo == PedidoLinha::Prescricao) {
        FormatoPrescricao formato = FormatoPrescricao::Zemax;
        FormatoDoNome(pedido.saida, formato);
        try {
            GravarPrescricao(Projeto, pedido.variante, formato, pedido.saida);
        } catch (const std::exception& e) {
            return falhar(erros, SaidaGravacao, MensagemExcecao(e));
        }
        return SaidaSucesso;
    }

    if (pedido.modo == PedidoLinha::Json) {
        // The baffle as its report has it.
        CalcularDefletorSemJanela(Projeto);
        const QByteArray texto = TextoProjetoJson(
            Projeto, pedido.semEstudos ? ConteudoJson::SemEstudos : ConteudoJson::Completo);
        std::fwrite(texto.constData(), 1, std::size_t(texto.size()), saida);
        return saidaGravada(saida, erros);
    }

    // A design that cannot be built still prints, with one warning line per cause.
    for (const QString& aviso : AvisosProjeto(Projeto))
        avisar(erros, TextoRecurso(Recursos::LinhaAviso).arg(aviso));

    // As "&Preview" and "Imprimir" do: "&Ok" first, then the preparation.
    std::optional<TRelatorioProjeto> relatorioProjeto;
    std::optional<TRelatorioDefletor> relatorioDefletor;
    std::optional<TRelatorioIluminacao> relatorioIluminacao;
    std::optional<TRelatorioTolerancias> relatorioTolerancias;
    TrpReport* relatorio = nullptr;
    if (pedido.iluminacao) {
        // As the illumination window opens: the Ritchey-Chrétien variant, the field i kept lit.
        relatorioIluminacao.emplace(Projeto, guardar);
        relatorioIluminacao->Calcular(VarianteRitcheyChretien, Projeto.i);
        relatorio = &relatorioIluminacao->rpReport1;
    } else if (pedido.tolerancias) {
        // As the tolerance window first shows it: Δe from −50 to +100 mm, Ritchey-Chrétien.
        relatorioTolerancias.emplace(guardar);
        relatorioTolerancias->Definir(
            Projeto, CalcularTolerancias(Projeto, -50, 100, LinhasFocagemRelatorio), 2);
        relatorio = &relatorioTolerancias->rpReport1;
    } else if (pedido.defletor) {
        relatorioDefletor.emplace(Projeto, guardar);
        CalcularDefletorSemJanela(Projeto);
        relatorioDefletor->PreencherGlares();
        relatorio = &relatorioDefletor->rpReport1;
    } else {
        relatorioProjeto.emplace(Projeto, guardar);
        relatorioProjeto->Atualizar();
        relatorio = &relatorioProjeto->rpReport1;
    }
    if (!mensagem.isEmpty()) return falhar(erros, SaidaEntrada, mensagem);
    TrpBuildResult paginas = BuildReport(*relatorio);
    if (paginas.outcome != TrpBuildResult::Built)
        return falhar(erros, SaidaEntrada,
                      TextoRecurso(Recursos::LinhaRelatorioFalhou)
                          .arg(QString(paginas.error).replace(u'\r', u' ')));
    try {
        rpExportarPdf(*paginas.pages, pedido.saida, TituloTexto(Projeto));
    } catch (const std::exception& e) {
        return falhar(erros, SaidaGravacao, MensagemExcecao(e));
    }
    return SaidaSucesso;
}

void AbrirDaLinhaDeComando(TfrmTeluvar& frmTeluvar, const QString& nome) {
    Proteger(&frmTeluvar, [&] { frmTeluvar.AbrirArquivo(nome); });
}
