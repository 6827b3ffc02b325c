// The program's languages: every text of the table goes through the translation, the English
// translation is complete, and the windows and reports read in English or, byte for byte, in
// Portuguese.
#include "AnaliseRaios.h"
#include "ConfeccaoEspelhos.h"
#include "Defletor.h"
#include "Global.h"
#include "Idioma.h"
#include "Modelos.h"
#include "NumberEdit.h"
#include "Preenchimentos.h"
#include "Principal.h"
#include "ProjetoTeste.h"
#include "Recursos.h"
#include "RelatorioTolerancias.h"
#include "rpModel.h"
#include "rpPrepare.h"
#include "rpPrepared.h"
#include "rpTemplateStream.h"
#include "rpTexto.h"

#include <QDialogButtonBox>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>
#include <set>

#ifndef TELUVAR_FONTE
#error "TELUVAR_FONTE: the source tree of the program"
#endif
#ifndef TELUVAR_PROGRAMA
#error "TELUVAR_PROGRAMA: the path of the program under test"
#endif

namespace {

// Ways of turning a text of the table into a QString without the translation: a conversion
// applied to a `Recursos::` name, and any UTF-8 conversion at all (the program converts only an
// exception's message, which is not a text of the table).
const QRegularExpression ConversaoDoRecurso(
    QStringLiteral(R"((fromUtf8|fromLatin1|fromLocal8Bit|QLatin1String|QLatin1StringView|)"
                   R"(QUtf8StringView|QString|QStringLiteral)\s*\(\s*Recursos\s*::)"));
const QRegularExpression
    ConversaoUtf8(QStringLiteral(R"(fromUtf8\s*\(\s*([^()]*(?:\([^()]*\))?[^()]*)\))"));
const QStringList Utf8Permitidos = {QStringLiteral("erro.what()")};

// The lines of `texto` that bypass the translation, as "line: text".
QStringList DesviosDaTraducao(const QString& texto) {
    QStringList achados;
    const QStringList linhas = texto.split(u'\n');
    for (qsizetype k = 0; k < linhas.size(); ++k) {
        const QString& linha = linhas[k];
        bool desvio = ConversaoDoRecurso.match(linha).hasMatch();
        auto it = ConversaoUtf8.globalMatch(linha);
        while (it.hasNext())
            if (!Utf8Permitidos.contains(it.next().captured(1).trimmed())) desvio = true;
        if (desvio) achados << QString::number(k + 1) + QStringLiteral(": ") + linha.trimmed();
    }
    return achados;
}

// ---- the texts of the table, read from its source ---------------------------------------------

// Every string literal of a C++ source, adjacent ones joined as the compiler joins them;
// comments and character literals are passed over. Escapes: \" \\ \' \n \t.
QStringList LiteraisC(const QByteArray& fonte) {
    QStringList saida;
    bool juntar = false; // the last token was a string literal
    for (qsizetype k = 0; k < fonte.size();) {
        const char c = fonte[k];
        const char d = k + 1 < fonte.size() ? fonte[k + 1] : '\0';
        if (c == '/' && d == '/') {
            while (k < fonte.size() && fonte[k] != '\n')
                ++k;
        } else if (c == '/' && d == '*') {
            const qsizetype fim = fonte.indexOf("*/", k + 2);
            k = fim < 0 ? fonte.size() : fim + 2;
        } else if (c == '"' || c == '\'') {
            QByteArray texto;
            for (++k; k < fonte.size() && fonte[k] != c; ++k) {
                if (fonte[k] == '\\' && k + 1 < fonte.size()) {
                    const char e = fonte[++k];
                    texto += e == 'n' ? '\n' : e == 't' ? '\t' : e;
                } else {
                    texto += fonte[k];
                }
            }
            ++k;
            if (c == '\'') {
                juntar = false;
            } else if (juntar) {
                saida.last() += QString::fromUtf8(texto);
            } else {
                saida << QString::fromUtf8(texto);
                juntar = true;
            }
        } else {
            if (!QChar::isSpace(static_cast<uchar>(c))) juntar = false;
            ++k;
        }
    }
    return saida;
}

QByteArray LerFonte(const QString& relativo) {
    QFile f(QStringLiteral(TELUVAR_FONTE "/") + relativo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The non-empty texts of a table of texts, without repeats: the program's, the file checks' or
// the report engine's.
QStringList TextosDaTabela(const char* tabela = "src/textos/Recursos.h") {
    QStringList textos;
    for (const QString& t : LiteraisC(LerFonte(QString::fromLatin1(tabela))))
        if (!t.isEmpty() && !textos.contains(t)) textos << t;
    return textos;
}
QStringList TextosDosArquivos() {
    return TextosDaTabela("src/text/TextosArquivo.h");
}
QStringList TextosDoMotor() {
    return TextosDaTabela("src/report/rpTextos.h");
}

// ---- the texts of the stored templates ---------------------------------------------------------

// The memos a report's fill-in writes (their template text never reaches the page).
std::set<QString> MemosPreenchidos(const QString& modelo) {
    std::vector<LinhaRelatorio> linhas;
    const TProjeto p = ProjetoExemplo();
    if (modelo == QLatin1String("projeto")) linhas = LinhasRelatorioProjeto(p);
    if (modelo == QLatin1String("defletor")) linhas = LinhasRelatorioDefletor(p);
    if (modelo == QLatin1String("analise")) linhas = LinhasRelatorioAnalise(p, TextosAnalise{});
    if (modelo == QLatin1String("espelhos"))
        linhas = LinhasRelatorioEspelhos(p, DadosEspelhos{}, TextosEspelhos{});
    if (modelo == QLatin1String("tolerancias"))
        linhas = LinhasRelatorioTolerancias(p, ResultadoTolerancias{}, 2);
    std::set<QString> nomes;
    for (const LinhaRelatorio& l : linhas)
        nomes.insert(QString::fromLatin1(l.memo));
    return nomes;
}

// The lines of the stored templates that reach the page as they are: those of the memos no
// fill-in writes, with a letter outside their [expressions].
QStringList TextosDosModelos() {
    static const QRegularExpression expressao(QStringLiteral(R"(\[[^\]]*\])"));
    static const QRegularExpression letra(QStringLiteral(R"(\p{L})"));
    QStringList textos;
    for (const QString& modelo :
         {QStringLiteral("projeto"), QStringLiteral("defletor"), QStringLiteral("analise"),
          QStringLiteral("espelhos"), QStringLiteral("tolerancias")}) {
        TrpReport r;
        QString erro;
        if (!rpTemplate::carregarRecurso(r, CaminhoModelo(modelo), &erro)) {
            qWarning("%s: %s", qPrintable(modelo), qPrintable(erro));
            return {};
        }
        const std::set<QString> preenchidos = MemosPreenchidos(modelo);
        for (const TrpPage& pagina : r.pages)
            for (const auto& objeto : pagina.objects) {
                if (objeto->kind() != TrpKind::Memo || preenchidos.count(objeto->name)) continue;
                for (const QString& linha : objeto->memo)
                    if (QString(linha).remove(expressao).contains(letra) && !textos.contains(linha))
                        textos << linha;
            }
    }
    return textos;
}

// ---- the translation --------------------------------------------------------------------------

// The messages of the .ts in the source tree: context -> source -> translation, and the
// messages that lrelease leaves out (unfinished, vanished, obsolete).
struct MensagensTs {
    QMap<QString, QMap<QString, QString>> contextos;
    QStringList deixadas;
    QString erro;
};
MensagensTs LerTs() {
    MensagensTs m;
    QXmlStreamReader xml(LerFonte(QStringLiteral("resources/i18n/teluvar_en.ts")));
    QString contexto, fonte;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            contexto = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            fonte = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString tipo = xml.attributes().value(QLatin1String("type")).toString();
            const QString traducao = xml.readElementText();
            if (!tipo.isEmpty()) m.deixadas << contexto + u'/' + fonte + u' ' + tipo;
            m.contextos[contexto][fonte] = traducao;
        }
    }
    if (xml.hasError()) m.erro = xml.errorString();
    return m;
}

// What a text must keep in any language: its placeholders (%n, %1, %%, %.2d ...), its
// mnemonic (one '&' before a letter) and the blanks the gamma is drawn over.
QStringList Invariantes(const QString& texto) {
    static const QRegularExpression marcador(QStringLiteral(R"(%(?:\.2d|[n%]|\d))"));
    QStringList v;
    auto it = marcador.globalMatch(texto);
    while (it.hasNext())
        v << it.next().captured();
    v.sort();
    v << QStringLiteral("&x%1").arg(texto.count(QRegularExpression(QStringLiteral(R"(&\w)"))));
    v << QStringLiteral("gamma%1").arg(texto.contains(QStringLiteral("(     )")));
    return v;
}

// A message ready to be pasted into the .ts.
QString MensagemXml(const QString& fonte) {
    return QStringLiteral("<message><source>%1</source><translation>?</translation></message>")
        .arg(fonte.toHtmlEscaped());
}

// ---- the windows and the reports ---------------------------------------------------------------

// The texts a user reads, by a key: "titulo", "acao:NAME" (text), "dica:NAME" (tool tip),
// "menu:NAME", "rotulo:NAME", "grupo:NAME" (title), "cabecalho:LIST:COLUMN",
// "lista:LIST:ROW:COLUMN".
QString TextoDe(QWidget& janela, const QString& chave) {
    const QStringList p = chave.split(u':');
    const QString nome = p.value(1);
    if (p[0] == QLatin1String("titulo")) return janela.windowTitle();
    if (p[0] == QLatin1String("acao") || p[0] == QLatin1String("dica")) {
        const auto* a = janela.findChild<QAction*>(nome);
        return !a                              ? QStringLiteral("<no action>")
               : p[0] == QLatin1String("acao") ? a->text()
                                               : a->toolTip();
    }
    if (p[0] == QLatin1String("menu")) {
        const auto* m = janela.findChild<QMenu*>(nome);
        return m ? m->title() : QStringLiteral("<no menu>");
    }
    if (p[0] == QLatin1String("rotulo")) {
        const auto* l = janela.findChild<QLabel*>(nome);
        return l ? l->text() : QStringLiteral("<no label>");
    }
    if (p[0] == QLatin1String("grupo")) {
        const auto* g = janela.findChild<QGroupBox*>(nome);
        return g ? g->title() : QStringLiteral("<no group>");
    }
    const auto* lista = janela.findChild<QTreeWidget*>(nome);
    if (!lista) return QStringLiteral("<no list>");
    if (p[0] == QLatin1String("cabecalho")) return lista->headerItem()->text(p.value(2).toInt());
    const QTreeWidgetItem* item = lista->topLevelItem(p.value(2).toInt());
    return item ? item->text(p.value(3).toInt()) : QStringLiteral("<no row>");
}

// The memo texts of every page of a report built now.
QStringList TextosDoRelatorio(TrpReport& relatorio) {
    QStringList textos;
    const TrpBuildResult r = BuildReport(relatorio);
    if (r.outcome != TrpBuildResult::Built) return {QStringLiteral("<failed: %1>").arg(r.error)};
    for (int k = 0; k < r.pages->count(); ++k)
        for (const auto& o : rpOutput::lerObjetos(r.pages->page(k).stream))
            if (o->kind() == TrpKind::Memo) textos << o->memo.join(u'\n');
    return textos;
}

// The main window with the worked example (D1 = 200, f/4, γ = 4, e = 200, i = 20) after "Ok",
// and its baffle window with a 60 × 66 mm tube 400 mm long, four stops, a 60 mm holder.
struct Janelas {
    TfrmTeluvar principal;
    std::unique_ptr<TfrmDefletor> defletor;
    Janelas() {
        principal.edtTitulo->setText(QStringLiteral("Teste"));
        principal.edtD1->setValue(200);
        principal.edtfD->setValue(4);
        principal.edty->setValue(4);
        principal.edte->setValue(200);
        principal.edti->setValue(20);
        principal.btnOkClick();
        defletor = std::make_unique<TfrmDefletor>(&principal);
        defletor->setAttribute(Qt::WA_DeleteOnClose, false);
        defletor->edtDDi->setValue(60);
        defletor->edtDDe->setValue(66);
        defletor->edtLTotal->setValue(400);
        defletor->edtnG->setValue(4);
        defletor->edtSSDe->setValue(60);
        defletor->btnOkClick();
    }
};

} // namespace

Q_DECLARE_METATYPE(Idioma)

class TestIdioma : public QObject {
    Q_OBJECT
    QTranslator m_ingles;

    // A text found in the other language's table or templates: a Portuguese text with a
    // different English one (in English), or such an English text (in Portuguese).
    QString textoDoOutroIdioma(const QString& texto, Idioma idioma) const {
        for (const char* contexto : {"Recursos", "Relatorio", "ArquivoRegular", "rpTextos"}) {
            const QByteArray fonte = texto.toUtf8();
            const QString en = m_ingles.translate(contexto, fonte.constData());
            if (idioma == Idioma::Ingles && !en.isNull() && en != texto) return texto;
        }
        if (idioma == Idioma::Portugues)
            for (const auto& contexto : LerTs().contextos)
                for (auto it = contexto.begin(); it != contexto.end(); ++it)
                    if (it.value() == texto && it.key() != texto) return texto;
        return {};
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        QVERIFY(m_ingles.load(QStringLiteral(":/i18n/teluvar_en.qm")));
    }
    void cleanup() { QVERIFY(InstalarIdioma(Idioma::Portugues)); }

    // Qt's own buttons and dialogs speak the interface language: Portuguese with Qt's
    // translations, English without; the Portuguese goes away again with English.
    void textosDoQt() {
        const auto cancelar = [] {
            QDialogButtonBox caixa(QDialogButtonBox::Cancel);
            return caixa.button(QDialogButtonBox::Cancel)->text().remove(u'&');
        };
        QVERIFY(InstalarIdioma(Idioma::Portugues));
        QCOMPARE(cancelar(), QStringLiteral("Cancelar"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"),
                 QStringLiteral("Procurar em:"));
        QVERIFY(InstalarIdioma(Idioma::Ingles));
        QCOMPARE(cancelar(), QStringLiteral("Cancel"));
    }

    // ---- the texts to translate -----------------------------------------------------------

    // The reader of literals, on sources written for it.
    void literais_data() {
        QTest::addColumn<QByteArray>("fonte");
        QTest::addColumn<QStringList>("textos");
        QTest::newRow("um") << QByteArray("x = \"a\";") << QStringList{"a"};
        QTest::newRow("juntos") << QByteArray("\"ab\" \"cd\"") << QStringList{"abcd"};
        QTest::newRow("em linhas")
            << QByteArray("f(\"ab \"\n     \"cd\");") << QStringList{"ab cd"};
        QTest::newRow("separados") << QByteArray("{\"a\", \"b\"}") << QStringList{"a", "b"};
        QTest::newRow("comentario no meio")
            << QByteArray("\"a\" /* \"x\" */ \"b\"") << QStringList{"ab"};
        QTest::newRow("comentario de linha")
            << QByteArray("// \"nao\"\n\"sim\" // \"nao\"") << QStringList{"sim"};
        QTest::newRow("aspas escapadas")
            << QByteArray("\"Coma (\\\")\"") << QStringList{"Coma (\")"};
        QTest::newRow("barra escapada") << QByteArray("\"a\\\\n\"") << QStringList{"a\\n"};
        QTest::newRow("nova linha") << QByteArray("\"a\\nb\"") << QStringList{"a\nb"};
        QTest::newRow("caractere com aspas")
            << QByteArray("c == '\"' ? \"s\" : \"t\"") << QStringList{"s", "t"};
        QTest::newRow("utf-8") << QByteArray("\"Descrição\" \"µ\"") << QStringList{"Descriçãoµ"};
        QTest::newRow("vazio") << QByteArray("= \"\";") << QStringList{""};
        QTest::newRow("nenhum") << QByteArray("int x = 2; // nada") << QStringList{};
    }
    void literais() {
        QFETCH(QByteArray, fonte);
        QFETCH(QStringList, textos);
        QCOMPARE(LiteraisC(fonte), textos);
    }

    // The reader agrees with the compiler on the table: every compiled text is among the texts
    // read from its source, the joined and escaped ones too.
    void tabelaLidaComoCompilada() {
        const QStringList lidos = TextosDaTabela();
        QVERIFY2(lidos.size() > 250, qPrintable(QString::number(lidos.size())));
        std::vector<const char*> compilados;
        namespace R = Recursos;
        for (const auto* lista : {&R::Resultados})
            compilados.insert(compilados.end(), std::begin(*lista), std::end(*lista));
        for (const auto* lista : {&R::Criterios, &R::FmtCriterios})
            compilados.insert(compilados.end(), std::begin(*lista), std::end(*lista));
        compilados.insert(compilados.end(), std::begin(R::EspelhosColunas),
                          std::end(R::EspelhosColunas));
        compilados.insert(compilados.end(), std::begin(R::EspelhosDesvios),
                          std::end(R::EspelhosDesvios));
        compilados.insert(compilados.end(), std::begin(R::EspelhosHindle),
                          std::end(R::EspelhosHindle));
        compilados.insert(compilados.end(), std::begin(R::ColunasAnalise),
                          std::end(R::ColunasAnalise));
        compilados.insert(compilados.end(), std::begin(R::ColunasCurvatura),
                          std::end(R::ColunasCurvatura));
        for (const R::TextoAcao& a : {R::AcaoNovo, R::AcaoAbrir, R::AcaoConfigurarImpressora,
                                      R::AcaoAnalise, R::AcaoEspelhos, R::AcaoExportarPdf})
            compilados.insert(compilados.end(), {a.categoria, a.legenda, a.dica});
        compilados.insert(compilados.end(),
                          {R::EspelhosLeituras, R::AnaliseConvencao, R::LinhaDescricao,
                           R::RotuloGamma, R::ProjetoCalculoForaDaFaixa, R::FmtTxObstrucao,
                           R::RelNumeroGlares, R::Gamma, R::Infinito, R::EspelhosTesteHindle,
                           R::TituloDiametroCampo});
        for (const char* c : compilados)
            QVERIFY2(lidos.contains(QString::fromUtf8(c)), c);
    }

    // Every text of the table and of the templates has an English translation in the compiled
    // translation, which keeps its placeholders, its mnemonic and the gamma's blanks.
    void traducaoCompleta_data() {
        QTest::addColumn<QString>("contexto");
        QTest::addColumn<QStringList>("textos");
        QTest::addColumn<int>("minimo");
        QTest::newRow("Recursos") << "Recursos" << TextosDaTabela() << 250;
        QTest::newRow("Relatorio") << "Relatorio" << TextosDosModelos() << 14;
        QTest::newRow("ArquivoRegular") << "ArquivoRegular" << TextosDosArquivos() << 14;
        QTest::newRow("rpTextos") << "rpTextos" << TextosDoMotor() << 1;
    }
    void traducaoCompleta() {
        QFETCH(QString, contexto);
        QFETCH(QStringList, textos);
        QFETCH(int, minimo);
        QVERIFY2(textos.size() >= minimo, qPrintable(QString::number(textos.size())));
        QStringList faltam, alteradas;
        const QByteArray ctx = contexto.toLatin1();
        for (const QString& t : textos) {
            const QByteArray fonte = t.toUtf8();
            const QString en = m_ingles.translate(ctx.constData(), fonte.constData());
            if (en.isNull())
                faltam << MensagemXml(t);
            else if (Invariantes(en) != Invariantes(t))
                alteradas << t + QStringLiteral(" -> ") + en;
        }
        QVERIFY2(faltam.isEmpty(),
                 qPrintable(QStringLiteral("no English in context %1 for:\n").arg(contexto) +
                            faltam.join(u'\n')));
        QVERIFY2(alteradas.isEmpty(), qPrintable(alteradas.join(u'\n')));
    }

    // The report engine's English texts read in Portuguese under the Portuguese interface (all
    // of them, keeping placeholders, mnemonics and end blanks) and as written under English.
    // Faults caught: a text missing from the Portuguese translation, its translator not
    // installed or left installed after switching to English, a placeholder or blank lost.
    void motorEmPortugues() {
        const QStringList textos = TextosDaTabela("src/report/rpTexto.h");
        QVERIFY2(textos.size() >= 25, qPrintable(QString::number(textos.size())));
        QVERIFY(InstalarIdioma(Idioma::Portugues));
        QStringList erradas;
        for (const QString& t : textos) {
            const QByteArray fonte = t.toUtf8();
            const QString pt = rpIngles(fonte.constData());
            if (pt == t || Invariantes(pt) != Invariantes(t) ||
                t.endsWith(u' ') != pt.endsWith(u' ') || t.startsWith(u' ') != pt.startsWith(u' '))
                erradas << t + QStringLiteral(" -> ") + pt;
        }
        QVERIFY2(erradas.isEmpty(), qPrintable(erradas.join(u'\n')));
        QCOMPARE(rpIngles(rpTexto::PaginaDe).arg(1).arg(2), QStringLiteral("Página 1/2"));
        QVERIFY(InstalarIdioma(Idioma::Ingles));
        for (const QString& t : textos) {
            const QByteArray fonte = t.toUtf8();
            QCOMPARE(rpIngles(fonte.constData()), t);
        }
    }

    // The .ts holds only texts of the table and of the templates, none left out by lrelease,
    // and the compiled translation is this .ts.
    void tsSemSobras() {
        const MensagensTs ts = LerTs();
        QVERIFY2(ts.erro.isEmpty(), qPrintable(ts.erro));
        QCOMPARE(ts.contextos.keys(),
                 (QStringList{"ArquivoRegular", "Recursos", "Relatorio", "rpTextos"}));
        QVERIFY2(ts.deixadas.isEmpty(), qPrintable(ts.deixadas.join(u'\n')));
        const QStringList esperados[4] = {TextosDosArquivos(), TextosDaTabela(), TextosDosModelos(),
                                          TextosDoMotor()};
        QStringList sobras, diferentes;
        int k = 0;
        for (auto c = ts.contextos.begin(); c != ts.contextos.end(); ++c, ++k)
            for (auto m = c->begin(); m != c->end(); ++m) {
                if (!esperados[k].contains(m.key())) sobras << c.key() + u'/' + m.key();
                const QByteArray ctx = c.key().toLatin1(), fonte = m.key().toUtf8();
                if (m_ingles.translate(ctx.constData(), fonte.constData()) != m.value())
                    diferentes << m.key();
            }
        QVERIFY2(sobras.isEmpty(), qPrintable(sobras.join(u'\n')));
        QVERIFY2(diferentes.isEmpty(), qPrintable(diferentes.join(u'\n')));
    }

    // ---- choosing the language --------------------------------------------------------------

    void idiomaDasPreferencias_data() {
        QTest::addColumn<QStringList>("idiomas");
        QTest::addColumn<Idioma>("esperado");
        QTest::newRow("pt-BR") << QStringList{"pt-BR"} << Idioma::Portugues;
        QTest::newRow("pt") << QStringList{"pt"} << Idioma::Portugues;
        QTest::newRow("pt-PT") << QStringList{"pt-PT"} << Idioma::Portugues;
        QTest::newRow("pt_BR.UTF-8") << QStringList{"pt_BR.UTF-8"} << Idioma::Portugues;
        QTest::newRow("maiusculas") << QStringList{"PT-br"} << Idioma::Portugues;
        QTest::newRow("en-US") << QStringList{"en-US"} << Idioma::Ingles;
        QTest::newRow("C") << QStringList{"C"} << Idioma::Ingles;
        QTest::newRow("nenhum") << QStringList{} << Idioma::Ingles;
        QTest::newRow("outro") << QStringList{"de-DE"} << Idioma::Ingles;
        QTest::newRow("prefixo pt") << QStringList{"ptx"} << Idioma::Ingles;
        QTest::newRow("frances e depois portugues")
            << QStringList{"fr-FR", "pt-BR"} << Idioma::Portugues;
        QTest::newRow("ingles antes de portugues")
            << QStringList{"en-GB", "pt-BR"} << Idioma::Ingles;
        QTest::newRow("portugues antes de ingles")
            << QStringList{"pt-BR", "en-US"} << Idioma::Portugues;
        QTest::newRow("dois sem nenhum dos dois") << QStringList{"es", "it"} << Idioma::Ingles;
    }
    void idiomaDasPreferencias() {
        QFETCH(QStringList, idiomas);
        QFETCH(Idioma, esperado);
        QCOMPARE(IdiomaDasPreferencias(idiomas), esperado);
    }

    // The program itself chooses from its environment as users expect: LANGUAGE first, then
    // LC_ALL, LC_MESSAGES and LANG; its help and its errors speak that language.
    void idiomaDoPrograma_data() {
        QTest::addColumn<QStringList>("ambiente");
        QTest::addColumn<QString>("erro");
        QTest::addColumn<QString>("ajuda"); // first line of --help
        const QString pt = QStringLiteral("teluvar: opção desconhecida: --nada");
        const QString en = QStringLiteral("teluvar: unknown option: --nada");
        const QString ajudaPt = QStringLiteral("Uso: teluvar [opções] [PROJETO.tlv]");
        const QString ajudaEn = QStringLiteral("Usage: teluvar [options] [DESIGN.tlv]");
        QTest::newRow("LANG pt_BR") << QStringList{"LANG=pt_BR.UTF-8"} << pt << ajudaPt;
        QTest::newRow("LANG pt_PT") << QStringList{"LANG=pt_PT.UTF-8"} << pt << ajudaPt;
        QTest::newRow("LANG en_US") << QStringList{"LANG=en_US.UTF-8"} << en << ajudaEn;
        QTest::newRow("LANG de_DE") << QStringList{"LANG=de_DE.UTF-8"} << en << ajudaEn;
        QTest::newRow("vazio") << QStringList{} << en << ajudaEn;
        QTest::newRow("LANGUAGE antes de LANG")
            << QStringList{"LANGUAGE=pt_BR", "LANG=en_US.UTF-8"} << pt << ajudaPt;
        QTest::newRow("LANGUAGE ingles")
            << QStringList{"LANGUAGE=en", "LANG=pt_BR.UTF-8"} << en << ajudaEn;
        QTest::newRow("LANGUAGE com lista")
            << QStringList{"LANGUAGE=fr:pt", "LANG=fr_FR.UTF-8"} << pt << ajudaPt;
        QTest::newRow("LC_ALL antes de LANG")
            << QStringList{"LC_ALL=pt_BR.UTF-8", "LANG=en_US.UTF-8"} << pt << ajudaPt;
        QTest::newRow("LC_MESSAGES")
            << QStringList{"LC_MESSAGES=en_US.UTF-8", "LANG=pt_BR.UTF-8"} << en << ajudaEn;
    }
    void idiomaDoPrograma() {
        QFETCH(QStringList, ambiente);
        QFETCH(QString, erro);
        QFETCH(QString, ajuda);
        auto rodar = [&](const QString& argumento) {
            QProcess p;
            QProcessEnvironment amb;
            amb.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
            amb.insert(QStringLiteral("HOME"), QDir::tempPath());
            for (const QString& v : ambiente)
                amb.insert(v.section(u'=', 0, 0), v.section(u'=', 1));
            p.setProcessEnvironment(amb);
            p.start(QStringLiteral(TELUVAR_PROGRAMA), {argumento});
            p.waitForFinished(60000);
            return QString::fromUtf8(p.readAllStandardError() + p.readAllStandardOutput())
                .split(u'\n')
                .value(0);
        };
        QCOMPARE(rodar(QStringLiteral("--nada")), erro);
        QCOMPARE(rodar(QStringLiteral("--help")), ajuda);
    }

    // ---- the windows and the reports --------------------------------------------------------

    // The windows and the reports in English, and byte for byte in Portuguese: texts of the
    // windows by key, texts of the reports' pages by presence; numbers with the separators of
    // pt_BR in both. The worked example's closed forms: f1 = f/D·D1 = 800, F = γ·f1 = 3200.
    void janelasERelatorios_data() {
        QTest::addColumn<Idioma>("idioma");
        QTest::addColumn<QString>("alvo");
        QTest::addColumn<QStringList>("chaves");
        QTest::addColumn<QStringList>("esperados");
        const QStringList chavesPrincipal = {"titulo",
                                             "menu:mnuArquivo",
                                             "acao:actAbrir",
                                             "dica:actAbrir",
                                             "acao:actExportarPdf",
                                             "menu:mnuComponentes",
                                             "acao:actDefletor",
                                             "grupo:GroupBox1",
                                             "rotulo:Label2",
                                             "rotulo:Label4",
                                             "cabecalho:ListView1:1",
                                             "lista:ListView1:0:0",
                                             "lista:ListView2:0:0",
                                             "lista:ListView2:0:1",
                                             "lista:ListView2:10:0",
                                             "lista:ListView2:10:1",
                                             "rotulo:lblFSistema",
                                             "rotulo:lblf"};
        QTest::newRow("principal en") << Idioma::Ingles << "principal" << chavesPrincipal
                                      << QStringList{"Projeto Teluvar - Main",
                                                     "&File",
                                                     "&Open",
                                                     "Opens a file",
                                                     "E&xport PDF...",
                                                     "&Components",
                                                     "&Baffle",
                                                     " Data: ",
                                                     "Primary diameter (D1):",
                                                     "Magnification (     ):",
                                                     "Classical",
                                                     "Primary deformation (b1)",
                                                     "Primary diameter (D1)",
                                                     "200,00",
                                                     "System focal length (F)",
                                                     "3.200,00",
                                                     "System focal length (F) = 3.200,00",
                                                     "f1 = 800,00"};
        QTest::newRow("principal pt") << Idioma::Portugues << "principal" << chavesPrincipal
                                      << QStringList{"Projeto Teluvar - Principal",
                                                     "&Arquivo",
                                                     "&Abrir",
                                                     "Abre arquivo",
                                                     "E&xportar PDF...",
                                                     "&Componentes",
                                                     "&Defletor",
                                                     " Dados: ",
                                                     "Diâmetro primário (D1):",
                                                     "Coeficiente ampliação (     ):",
                                                     "Clássico",
                                                     "Deformação do Primário (b1)",
                                                     "Diâmetro do primário (D1)",
                                                     "200,00",
                                                     "Distância focal do sistema (F)",
                                                     "3.200,00",
                                                     "Distância focal do sistema (F) = 3.200,00",
                                                     "f1 = 800,00"};
        const QStringList chavesDefletor = {"titulo",
                                            "grupo:GroupBox1",
                                            "rotulo:Label4",
                                            "rotulo:Label10",
                                            "cabecalho:ListView2:0",
                                            "cabecalho:ListView2:1",
                                            "cabecalho:ListView1:0",
                                            "cabecalho:ListView1:1",
                                            "cabecalho:ListView1:2",
                                            "lista:ListView2:0:0",
                                            "lista:ListView2:3:0",
                                            "acao:actExportarPdf"};
        QTest::newRow("defletor en") << Idioma::Ingles << "defletor" << chavesDefletor
                                     << QStringList{"Projeto Teluvar - Baffle",
                                                    " Data: ",
                                                    "Baffle:",
                                                    "Stops:",
                                                    "Criterion",
                                                    "Value",
                                                    "Stop",
                                                    "Position (Z)",
                                                    "Diameter (G)",
                                                    "Baffle length from the primary's surface (L)",
                                                    "Distance between glare stops (DG)",
                                                    "E&xport PDF..."};
        QTest::newRow("defletor pt")
            << Idioma::Portugues << "defletor" << chavesDefletor
            << QStringList{"Projeto Teluvar - Defletor",
                           " Dados: ",
                           "Defletor:",
                           "Glare:",
                           "Critério",
                           "Valor",
                           "Glare",
                           "Posição (Z)",
                           "Diâmetro (G)",
                           "Comprimento do defletor a partir da superfície do primário (L)",
                           "Distância entre glares (DG)",
                           "E&xportar PDF..."};
        QTest::newRow("relatorio do projeto en")
            << Idioma::Ingles << "relatorioProjeto" << QStringList{}
            << QStringList{"Teste",
                           "Telescope data:",
                           "Deformation indices:",
                           "Description",
                           "Value",
                           "Classical",
                           "Dall-Kirkham",
                           "Primary deformation (b1)",
                           "Secondary deformation (b2)",
                           "Note: scales in mm.",
                           "System focal length (F) = 3.200,00",
                           "D1 = 200,00",
                           "Primary diameter (D1)",
                           "System focal length (F)",
                           "3.200,00"};
        QTest::newRow("relatorio do projeto pt")
            << Idioma::Portugues << "relatorioProjeto" << QStringList{}
            << QStringList{"Teste",
                           "Dados do telescópio:",
                           "Índices de deformação:",
                           "Descrição",
                           "Valor",
                           "Clássico",
                           "Dall-Kirkham",
                           "Deformação do Primário (b1)",
                           "Deformação do Secundário (b2)",
                           "Obs.: Escalas em mm.",
                           "Distância focal do sistema (F) = 3.200,00",
                           "D1 = 200,00",
                           "Diâmetro do primário (D1)",
                           "Distância focal do sistema (F)",
                           "3.200,00"};
        QTest::newRow("relatorio do defletor en")
            << Idioma::Ingles << "relatorioDefletor" << QStringList{}
            << QStringList{"Baffle",
                           "* See the table below.",
                           "Note: scales in mm.",
                           "Position and inner diameter of the glare stops.",
                           "Stop",
                           "Position (Z)",
                           "Diameter (G)",
                           "Tube inner diameter = 60,00",
                           "Tube outer diameter = 66,00",
                           "Number of glare stops = 04",
                           "Secondary holder outer diameter = 60,00"};
        QTest::newRow("relatorio do defletor pt")
            << Idioma::Portugues << "relatorioDefletor" << QStringList{}
            << QStringList{"Defletor",
                           "* Vide tabela abaixo.",
                           "Obs.: Escalas em mm.",
                           "Posição e diâmetro interno dos glare stops.",
                           "Glare",
                           "Posição (Z)",
                           "Diâmetro (G)",
                           "Diâmetro interno do tubo = 60,00",
                           "Diâmetro externo do tubo = 66,00",
                           "Número de glare stops = 04",
                           "Diâmetro externo do suporte do secundário = 60,00"};
    }
    void janelasERelatorios() {
        QFETCH(Idioma, idioma);
        QFETCH(QString, alvo);
        QFETCH(QStringList, chaves);
        QFETCH(QStringList, esperados);
        QVERIFY(InstalarIdioma(idioma));
        Janelas j;
        if (alvo.startsWith(QLatin1String("relatorio"))) {
            TrpReport& r = alvo == QLatin1String("relatorioProjeto") ? j.principal.rpReport1
                                                                     : j.defletor->rpReport1;
            const QStringList textos = TextosDoRelatorio(r);
            for (const QString& e : esperados)
                QVERIFY2(textos.contains(e),
                         qPrintable(e + QStringLiteral(" not among:\n") + textos.join(u'\n')));
            // Nothing of the other language is left on the page.
            for (const QString& t : textos)
                QVERIFY2(textoDoOutroIdioma(t, idioma).isEmpty(), qPrintable(t));
            return;
        }
        QWidget& janela = alvo == QLatin1String("principal") ? static_cast<QWidget&>(j.principal)
                                                             : static_cast<QWidget&>(*j.defletor);
        QCOMPARE(chaves.size(), esperados.size());
        for (qsizetype k = 0; k < chaves.size(); ++k) {
            const QString obtido = TextoDe(janela, chaves[k]);
            QVERIFY2(obtido.toUtf8() == esperados[k].toUtf8(),
                     qPrintable(chaves[k] + QStringLiteral(": ") + obtido));
        }
    }
    // The detector itself, on lines written for it.
    void desvios_data() {
        QTest::addColumn<QString>("linha");
        QTest::addColumn<bool>("desvio");
        QTest::newRow("fromUtf8") << "x = QString::fromUtf8(Recursos::TituloPrincipal);" << true;
        QTest::newRow("espacos") << "x = QString::fromUtf8( Recursos :: Gamma );" << true;
        QTest::newRow("fromLatin1") << "QString::fromLatin1(Recursos::DiagramaG)" << true;
        QTest::newRow("construtor") << "QString(Recursos::MenuAjuda)" << true;
        QTest::newRow("QLatin1String") << "f(QLatin1String(Recursos::Gamma));" << true;
        QTest::newRow("ponteiro qualquer") << "QString::fromUtf8(colunas[c])" << true;
        QTest::newRow("duas na linha")
            << "TextoRecurso(Recursos::A) + QString::fromUtf8(b)" << true;
        QTest::newRow("traduzido")
            << "setWindowTitle(TextoRecurso(Recursos::TituloDefletor));" << false;
        QTest::newRow("mensagem de excecao") << "return QString::fromUtf8(erro.what());" << false;
        QTest::newRow("nome de objeto") << "setObjectName(QString::fromLatin1(nome));" << false;
        QTest::newRow("ponteiro passado adiante")
            << "botao(\"b\", Recursos::DicaImprimir)" << false;
    }
    void desvios() {
        QFETCH(QString, linha);
        QFETCH(bool, desvio);
        QCOMPARE(!DesviosDaTraducao(linha).isEmpty(), desvio);
    }

    // No source of the program converts a text of the table but through TextoRecurso.
    void fontesTraduzem_data() {
        QTest::addColumn<QString>("pasta");
        QTest::addColumn<int>("minimoArquivos");
        QTest::addColumn<int>("minimoUsos"); // uses of TextoRecurso found there
        QTest::newRow("src/app") << "src/app" << 20 << 100;
        QTest::newRow("src/core") << "src/core" << 15 << 40;
        QTest::newRow("src/text") << "src/text" << 7 << 0;
        QTest::newRow("src/textos") << "src/textos" << 2 << 0;
        QTest::newRow("src/controls") << "src/controls" << 4 << 0;
        QTest::newRow("src/report") << "src/report" << 15 << 0;
        QTest::newRow("src/reportwidgets") << "src/reportwidgets" << 4 << 0;
        QTest::newRow("tools") << "tools" << 4 << 0;
    }
    void fontesTraduzem() {
        QFETCH(QString, pasta);
        QFETCH(int, minimoArquivos);
        QFETCH(int, minimoUsos);
        const QString raiz = QStringLiteral(TELUVAR_FONTE "/") + pasta;
        QDirIterator it(raiz, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        int arquivos = 0, usos = 0;
        QStringList achados;
        while (it.hasNext()) {
            const QString nome = it.next();
            QFile f(nome);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(nome));
            const QString texto = QString::fromUtf8(f.readAll());
            ++arquivos;
            usos += static_cast<int>(texto.count(QStringLiteral("TextoRecurso(")));
            for (const QString& a : DesviosDaTraducao(texto))
                achados << QDir(QStringLiteral(TELUVAR_FONTE)).relativeFilePath(nome) + u':' + a;
        }
        QVERIFY2(arquivos >= minimoArquivos, qPrintable(QString::number(arquivos)));
        QVERIFY2(usos >= minimoUsos, qPrintable(QString::number(usos)));
        QVERIFY2(achados.isEmpty(), qPrintable(achados.join(u'\n')));
    }
};

QTEST_MAIN(TestIdioma)
#include "test_idioma.moc"
