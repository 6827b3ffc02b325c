// The command line and the PDF export: a design named at start-up opens as "&Abrir" opens it,
// the exit statuses, --json against the core and closed forms, --pdf against the printed PDF.
#include "DialogosTeste.h"
#include "GanchoTeste.h"
#include "ProjetoTeste.h"

#include "Calculo.h"
#include "Defletor.h"
#include "Global.h"
#include "Idioma.h"
#include "Importar.h"
#include "Janela.h"
#include "LinhaComando.h"
#include "NumberEdit.h"
#include "Preview.h"
#include "Principal.h"
#include "Relatorios.h"
#include "RelatoriosObjetos.h"
#include "Tolerancias.h"
#include "rpPrepare.h"
#include "rpPrepared.h"
#include "rpPreview.h"
#include "rpPrint.h"
#include "rpProgress.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef TELUVAR_PROGRAMA
#error "TELUVAR_PROGRAMA: the path of the program under test"
#endif

namespace {

struct Palavra {
    int pagina;
    double xMin, yMin, xMax, yMax; // points
    QString texto;
};

QString executar(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(60000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::vector<Palavra> palavras(const QString& pdf) {
    const QString html =
        executar(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression palavra(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<Palavra> saida;
    const QStringList paginas = html.split(QStringLiteral("<page "));
    for (int i = 1; i < paginas.size(); ++i) {
        auto it = palavra.globalMatch(paginas[i]);
        while (it.hasNext()) {
            const auto m = it.next();
            saida.push_back({i - 1, m.captured(1).toDouble(), m.captured(2).toDouble(),
                             m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5)});
        }
    }
    return saida;
}

// "Pages:", "Page size:" and "Title:" of pdfinfo.
QMap<QString, QString> infoPdf(const QString& pdf) {
    QMap<QString, QString> info;
    for (const QString& linha : executar(QStringLiteral("pdfinfo"), {pdf}).split(u'\n')) {
        const qsizetype dois = linha.indexOf(u':');
        if (dois > 0) info[linha.left(dois)] = linha.mid(dois + 1).trimmed();
    }
    return info;
}

bool temPrograma(const char* nome) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(nome)).isEmpty();
}

void gravar(const QString& nome, const TProjeto& p, qsizetype tamanho = sizeof(TProjeto)) {
    QFile f(nome);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray bytes(reinterpret_cast<const char*>(&p), sizeof p);
    bytes.resize(tamanho, '\0');
    f.write(bytes);
}

// The worked example with a title and a baffle: a 60 × 66 mm tube 400 mm long, four stops.
TProjeto exemplo() {
    TProjeto p = ProjetoExemplo();
    DefinirTitulo(p, QStringLiteral("Cassegrain 200 mm"));
    p.DDi = 60;
    p.DDe = 66;
    p.LTotal = 400;
    p.nG = 4;
    p.SSDe = 60;
    return p;
}

struct Execucao {
    int status = -1;
    QByteArray saida, erros;
};

// The program with nothing in its environment but PATH and HOME (and, under the sanitizers, the
// leak checker's suppressions of one-time library allocations).
Execucao rodar(const QStringList& argumentos) {
    QProcess p;
    QProcessEnvironment amb;
    amb.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    amb.insert(QStringLiteral("HOME"), qEnvironmentVariable("HOME", QDir::tempPath()));
    if (qEnvironmentVariableIsSet("LSAN_OPTIONS"))
        amb.insert(QStringLiteral("LSAN_OPTIONS"), qEnvironmentVariable("LSAN_OPTIONS"));
    p.setProcessEnvironment(amb);
    p.start(QStringLiteral(TELUVAR_PROGRAMA), argumentos);
    Execucao e;
    if (!p.waitForFinished(120000)) return e;
    e.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    e.saida = p.readAllStandardOutput();
    e.erros = p.readAllStandardError();
    return e;
}

// The program run with arguments given as bytes (as a shell passes a name that is not UTF-8),
// standard output sent to `destino`; what it wrote on standard error.
Execucao rodarBytes(const QList<QByteArray>& argumentos, const char* destino) {
    Execucao e;
    int tubo[2];
    if (pipe(tubo) != 0) return e;
    const QByteArray programa = TELUVAR_PROGRAMA;
    std::vector<char*> argv{const_cast<char*>(programa.constData())};
    for (const QByteArray& a : argumentos)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    const QByteArray path = "PATH=" + qgetenv("PATH");
    const QByteArray lsan = "LSAN_OPTIONS=" + qgetenv("LSAN_OPTIONS"); // under the sanitizers
    char* ambiente[] = {
        const_cast<char*>(path.constData()),
        qEnvironmentVariableIsSet("LSAN_OPTIONS") ? const_cast<char*>(lsan.constData()) : nullptr,
        nullptr};
    const pid_t filho = fork();
    if (filho == 0) {
        const int saida = ::open(destino, O_WRONLY);
        dup2(saida, 1);
        dup2(tubo[1], 2);
        close(tubo[0]);
        execve(argv[0], argv.data(), ambiente);
        _exit(127);
    }
    close(tubo[1]);
    char buf[4096];
    for (ssize_t n; (n = read(tubo[0], buf, sizeof buf)) > 0;)
        e.erros.append(buf, n);
    close(tubo[0]);
    int status = 0;
    waitpid(filho, &status, 0);
    e.status = WIFEXITED(status) ? WEXITSTATUS(status) : -2;
    return e;
}

// What a main window shows and holds after opening.
struct Estado {
    QByteArray registro;
    QStringList listas, campos, erros;
};
Estado estado(const TfrmTeluvar& frm, const QStringList& erros) {
    Estado e;
    e.registro = QByteArray(reinterpret_cast<const char*>(&Projeto), sizeof Projeto);
    for (QTreeWidget* lista : {frm.ListView1, frm.ListView2})
        for (int k = 0; k < lista->topLevelItemCount(); ++k)
            for (int c = 0; c < lista->columnCount(); ++c)
                e.listas << lista->topLevelItem(k)->text(c);
    for (const QLineEdit* campo : frm.findChildren<QLineEdit*>())
        e.campos << campo->objectName() + u'=' + campo->text();
    e.erros = erros;
    return e;
}

} // namespace

class TestLinhaComando : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // ---- start-up with a design named -----------------------------------------------------

    void abrirComoAbrir_data() {
        QTest::addColumn<int>("tamanho");
        QTest::addColumn<double>("D1");
        QTest::addColumn<bool>("existe");
        QTest::addColumn<int>("caixas");
        QTest::newRow("exemplo") << 544 << 200.0 << true << 0;
        QTest::newRow("tres decimais arredondados pelos campos") << 544 << 200.004 << true << 0;
        QTest::newRow("cauda ignorada") << 600 << 150.0 << true << 0;
        QTest::newRow("curto demais") << 543 << 200.0 << true << 1;
        QTest::newRow("inexistente") << 544 << 200.0 << false << 1;
    }
    void abrirComoAbrir() {
        QFETCH(int, tamanho);
        QFETCH(double, D1);
        QFETCH(bool, existe);
        QFETCH(int, caixas);
        QTemporaryDir dir;
        const QString nome = dir.filePath(QStringLiteral("projeto.tlv"));
        TProjeto p = exemplo();
        p.D1 = D1;
        if (existe) gravar(nome, p, tamanho);

        QStringList erros;
        SubstituirDialogos caixa(qApp, {.erro = [&](const QString& t) { erros << t; }});
        Estado pelaLinha, peloMenu;
        {
            TfrmTeluvar frm;
            frm.edtD1->setValue(123); // a design already on screen, as in a running program
            AbrirDaLinhaDeComando(frm, nome);
            pelaLinha = estado(frm, erros);
        }
        erros.clear();
        {
            TfrmTeluvar frm;
            frm.edtD1->setValue(123);
            frm.PerguntarArquivoAbrir = [&] { return nome; };
            frm.actAbrir->trigger();
            peloMenu = estado(frm, erros);
        }
        QCOMPARE(pelaLinha.erros.size(), caixas);
        QCOMPARE(pelaLinha.erros, peloMenu.erros);
        QCOMPARE(pelaLinha.registro, peloMenu.registro);
        QCOMPARE(pelaLinha.listas, peloMenu.listas);
        QCOMPARE(pelaLinha.campos, peloMenu.campos);
        if (caixas == 0) {
            QCOMPARE(pelaLinha.listas.size(), 2 * 4 + 19 * 2);
            // The field shows two decimals and reads them back: f1 = fD·D1 of the rounded D1.
            TProjeto aberto;
            std::memcpy(&aberto, pelaLinha.registro.constData(), sizeof aberto);
            QCOMPARE(aberto.D1, std::round(D1 * 100) / 100);
            QCOMPARE(aberto.f1, aberto.fD1 * aberto.D1);
        }
    }

    // ---- the command line computes as the windows do -----------------------------------------

    // Faults caught: the windowless flow forgetting that the main window's fields store the
    // inputs as their two-decimal text reads back (third decimal 5 and 4, zero left alone), or
    // that the baffle window raises a total length shorter than the baffle's front end.
    void semJanelaComoJanelas_data() {
        QTest::addColumn<double>("D1");
        QTest::addColumn<double>("gamma");
        QTest::addColumn<double>("LTotal");
        QTest::addColumn<double>("DDi");
        QTest::newRow("exemplo") << 200.0 << 4.0 << 400.0 << 60.0;
        QTest::newRow("terceira casa 5") << 200.005 << 3.335 << 400.0 << 60.005;
        QTest::newRow("terceira casa 4") << 200.004 << 4.004 << 400.004 << 60.0;
        QTest::newRow("tubo curto elevado") << 200.0 << 4.0 << 10.0 << 60.0;
        QTest::newRow("tubo curto com decimais") << 250.015 << 3.5 << 1.126 << 55.555;
        QTest::newRow("tubo negativo") << 200.0 << 4.0 << -50.0 << 60.0;
    }
    void semJanelaComoJanelas() {
        QFETCH(double, D1);
        QFETCH(double, gamma);
        QFETCH(double, LTotal);
        QFETCH(double, DDi);
        QTemporaryDir dir;
        const QString nome = dir.filePath(QStringLiteral("projeto.tlv"));
        TProjeto p = exemplo();
        p.D1 = D1;
        p.gamma = gamma;
        p.LTotal = LTotal;
        p.DDi = DDi;
        gravar(nome, p);
        SubstituirDialogos caixa(qApp, {.erro = [](const QString& t) { QFAIL(qPrintable(t)); }});

        QStringList glaresJanela, glaresSemJanela;
        auto linhas = [](TMemDataSet& dados, QStringList& saida) {
            for (int k = 0; k < dados.RecordCount(); ++k) {
                dados.SetRecNo(k);
                for (const char* campo : {"Glare", "Posicao", "Diametro"})
                    saida << dados.FieldValue(QString::fromLatin1(campo)).toString();
            }
        };
        QByteArray pelaJanela;
        {
            TfrmTeluvar frm;
            frm.AbrirArquivo(nome);
            TfrmDefletor def(&frm);
            def.setAttribute(Qt::WA_DeleteOnClose, false);
            def.btnOkClick();
            pelaJanela = QByteArray(reinterpret_cast<const char*>(&Projeto), sizeof Projeto);
            linhas(def.dtGlares, glaresJanela);
        }
        Projeto = ProjetoVazio();
        TRelatorioDefletor relatorio(Projeto, {});
        AbrirProjetoSemJanela(Projeto, nome);
        CalcularDefletorSemJanela(Projeto);
        relatorio.PreencherGlares();
        linhas(relatorio.dtGlares, glaresSemJanela);
        const QByteArray semJanela(reinterpret_cast<const char*>(&Projeto), sizeof Projeto);
        QCOMPARE(semJanela.toHex(), pelaJanela.toHex());
        QVERIFY(!glaresJanela.isEmpty());
        QCOMPARE(glaresSemJanela, glaresJanela);
    }

    // ---- exit statuses ----------------------------------------------------------------------

    void statusDeSaida_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("arquivoSaida"); // must not exist afterwards ("" = none)
        const QString p = QStringLiteral("@/projeto.tlv");
        QTest::newRow("ajuda") << QStringList{"--help"} << 0 << QString();
        QTest::newRow("ajuda curta") << QStringList{"-h"} << 0 << QString();
        QTest::newRow("versao") << QStringList{"--version"} << 0 << QString();
        QTest::newRow("opcao desconhecida") << QStringList{"--nada", p} << 1 << QString();
        QTest::newRow("pdf sem valor") << QStringList{p, "--pdf"} << 1 << QString();
        QTest::newRow("json sem projeto") << QStringList{"--json"} << 1 << QString();
        QTest::newRow("json com dois") << QStringList{"--json", p, p} << 1 << QString();
        QTest::newRow("pdf e json")
            << QStringList{"--json", "--pdf", "@/x.pdf", p} << 1 << QStringLiteral("@/x.pdf");
        QTest::newRow("relatorio sem pdf")
            << QStringList{"--relatorio", "defletor", "--json", p} << 1 << QString();
        QTest::newRow("relatorio desconhecido")
            << QStringList{"--pdf", "@/x.pdf", "--relatorio", "espelhos", p} << 1
            << QStringLiteral("@/x.pdf");
        QTest::newRow("projeto inexistente")
            << QStringList{"--pdf", "@/x.pdf", "@/nada.tlv"} << 2 << QStringLiteral("@/x.pdf");
        QTest::newRow("projeto curto") << QStringList{"--json", "@/curto.tlv"} << 2 << QString();
        QTest::newRow("projeto pasta") << QStringList{"--json", "@"} << 2 << QString();
        QTest::newRow("projeto danificado")
            << QStringList{"--pdf", "@/x.pdf", "@/infinito.tlv"} << 2 << QStringLiteral("@/x.pdf");
        QTest::newRow("pasta de saida inexistente") << QStringList{"--pdf", "@/nao/existe/x.pdf", p}
                                                    << 3 << QStringLiteral("@/nao/existe/x.pdf");
        QTest::newRow("saida e uma pasta") << QStringList{"--pdf", "@/pasta", p} << 3 << QString();
        QTest::newRow("pdf do projeto") << QStringList{"--pdf", "@/x.pdf", p} << 0 << QString();
        QTest::newRow("pdf do defletor")
            << QStringList{"--pdf", "@/x.pdf", "--relatorio", "defletor", p} << 0 << QString();
        QTest::newRow("pdf da iluminacao")
            << QStringList{"--pdf", "@/x.pdf", "--relatorio", "iluminacao", p} << 0 << QString();
        QTest::newRow("iluminacao mal escrito")
            << QStringList{"--pdf", "@/x.pdf", "--relatorio", "iluminação", p} << 1
            << QStringLiteral("@/x.pdf");
        QTest::newRow("iluminacao sem pdf")
            << QStringList{"--relatorio", "iluminacao", "--json", p} << 1 << QString();
        QTest::newRow("json") << QStringList{"--json", p} << 0 << QString();
        QTest::newRow("sem estudos sem json") << QStringList{"--pdf", "@/x.pdf", "--sem-estudos", p}
                                              << 1 << QStringLiteral("@/x.pdf");
        QTest::newRow("prescricao dk")
            << QStringList{"--prescricao", "@/x.seq", "--variante", "dk", p} << 0 << QString();
        QTest::newRow("variante sem prescricao")
            << QStringList{"--variante", "rc", "--json", p} << 1 << QString();
        QTest::newRow("variante desconhecida")
            << QStringList{"--prescricao", "@/x.zmx", "--variante", "xx", p} << 1
            << QStringLiteral("@/x.zmx");
        QTest::newRow("formato desconhecido")
            << QStringList{"--prescricao", "@/x.txt", p} << 1 << QStringLiteral("@/x.txt");
        QTest::newRow("prescricao e pdf")
            << QStringList{"--prescricao", "@/x.zmx", "--pdf", "@/x.pdf", p} << 1
            << QStringLiteral("@/x.zmx");
        QTest::newRow("prescricao sem pasta")
            << QStringList{"--prescricao", "@/nao/x.zmx", p} << 3 << QStringLiteral("@/nao/x.zmx");
        QTest::newRow("prescricao danificado")
            << QStringList{"--prescricao", "@/x.csv", "@/infinito.tlv"} << 2
            << QStringLiteral("@/x.csv");
        QTest::newRow("json de zmx ruim") << QStringList{"--json", "@/ruim.zmx"} << 2 << QString();
    }
    void statusDeSaida() {
        QFETCH(QStringList, argumentos);
        QFETCH(int, status);
        QFETCH(QString, arquivoSaida);
        QTemporaryDir dir;
        gravar(dir.filePath(QStringLiteral("projeto.tlv")), exemplo());
        gravar(dir.filePath(QStringLiteral("curto.tlv")), exemplo(), 100);
        TProjeto infinito = exemplo();
        infinito.e = INFINITY;
        gravar(dir.filePath(QStringLiteral("infinito.tlv")), infinito);
        QDir(dir.path()).mkdir(QStringLiteral("pasta"));
        QFile ruim(dir.filePath(QStringLiteral("ruim.zmx")));
        QVERIFY(ruim.open(QIODevice::WriteOnly) && ruim.write("MODE NSC\r\n") > 0);
        ruim.close();
        for (QString& a : argumentos)
            a.replace(u'@', dir.path());
        arquivoSaida.replace(u'@', dir.path());

        const Execucao e = rodar(argumentos);
        QCOMPARE(e.status, status);
        const QStringList linhasErro = QString::fromUtf8(e.erros).split(u'\n', Qt::SkipEmptyParts);
        if (status == 0) {
            QVERIFY2(linhasErro.isEmpty(), e.erros.constData());
            QVERIFY(!e.saida.isEmpty() || argumentos.contains(QStringLiteral("--pdf")) ||
                    argumentos.contains(QStringLiteral("--prescricao")));
        } else {
            // One line saying why (in English: the empty environment names no language);
            // nothing on standard output.
            QCOMPARE(linhasErro.size(), 1);
            QVERIFY2(linhasErro[0].startsWith(QStringLiteral("teluvar: ")), e.erros.constData());
            QVERIFY(e.saida.isEmpty());
        }
        if (!arquivoSaida.isEmpty()) QVERIFY(!QFileInfo::exists(arquivoSaida));
        // No temporary left beside the output.
        const QStringList sobras =
            QDir(dir.path()).entryList({QStringLiteral(".*salvando*")}, QDir::Files | QDir::Hidden);
        QVERIFY2(sobras.isEmpty(), qPrintable(sobras.join(u' ')));
    }

    // File names that are not UTF-8 (bytes 0xE9 0xFF) are used as given, and output that
    // cannot be written (a full device) is an error with its one line, whatever the option.
    void nomesEmBytesESaidaCheia_data() {
        QTest::addColumn<QList<QByteArray>>("argumentos"); // "@" = the folder
        QTest::addColumn<QByteArray>("destino");           // of standard output
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("criado"); // a file the run must leave ("" none)
        const QByteArray nulo = "/dev/null", cheio = "/dev/full";
        QTest::newRow("json de nome nao UTF-8")
            << QList<QByteArray>{"--json", "@/proj\xe9\xff.tlv"} << nulo << 0 << QByteArray();
        QTest::newRow("pdf para nome nao UTF-8")
            << QList<QByteArray>{"--pdf", "@/sa\xe9\xff.pdf", "@/proj\xe9\xff.tlv"} << nulo << 0
            << QByteArray("@/sa\xe9\xff.pdf");
        QTest::newRow("ajuda para saida cheia")
            << QList<QByteArray>{"--help"} << cheio << 3 << QByteArray();
        QTest::newRow("versao para saida cheia")
            << QList<QByteArray>{"--version"} << cheio << 3 << QByteArray();
        QTest::newRow("json para saida cheia")
            << QList<QByteArray>{"--json", "@/proj\xe9\xff.tlv"} << cheio << 3 << QByteArray();
    }
    void nomesEmBytesESaidaCheia() {
        QFETCH(QList<QByteArray>, argumentos);
        QFETCH(QByteArray, destino);
        QFETCH(int, status);
        QFETCH(QByteArray, criado);
        QTemporaryDir dir;
        const QByteArray pasta = dir.path().toUtf8();
        const TProjeto p = exemplo();
        const int fd = ::open((pasta + "/proj\xe9\xff.tlv").constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, &p, sizeof p), ssize_t(sizeof p));
        ::close(fd);
        for (QByteArray& a : argumentos)
            a.replace('@', pasta);
        criado.replace('@', pasta);

        const Execucao e = rodarBytes(argumentos, destino.constData());
        QVERIFY2(e.status == status, e.erros.constData());
        if (status == 0) {
            QVERIFY2(e.erros.isEmpty(), e.erros.constData());
        } else {
            // English: the environment names no language.
            QCOMPARE(e.erros, QByteArray("teluvar: could not write: standard output\n"));
        }
        if (!criado.isEmpty()) {
            struct stat st {};
            QVERIFY(::stat(criado.constData(), &st) == 0 && st.st_size > 1000);
            // Nothing else beside the design: no name with the bytes replaced.
            QList<QByteArray> nomes;
            DIR* d = opendir(pasta.constData());
            while (const dirent* entrada = readdir(d))
                if (entrada->d_name[0] != '.') nomes << entrada->d_name;
            closedir(d);
            QCOMPARE(nomes.size(), 2);
        }
    }

    // ---- prescriptions -----------------------------------------------------------------------

    // The classical variant written by --prescricao, read back by --json: the worked example's
    // inputs and its closed-form conics −1 and −((γ+1)/(γ−1))² come back.
    void prescricaoEJsonDeZmx() {
        QTemporaryDir dir;
        const QString tlv = dir.filePath(QStringLiteral("projeto.tlv"));
        const QString zmx = dir.filePath(QStringLiteral("x.ZMX"));
        gravar(tlv, exemplo());
        QCOMPARE(rodar({QStringLiteral("--prescricao"), zmx, QStringLiteral("--variante"),
                        QStringLiteral("classico"), tlv})
                     .status,
                 0);
        const Execucao e = rodar({QStringLiteral("--json"), zmx});
        QCOMPARE(e.status, 0);
        const QJsonObject o = QJsonDocument::fromJson(e.saida).object();
        const double esperados[] = {200, 4, 4, 200, 20, -1, -25.0 / 9, 60};
        const char* chaves[] = {"D1", "fD1", "gamma", "e", "i", "b1Cl", "b2Cl", "SSDe"};
        for (int k = 0; k < 8; ++k)
            QVERIFY2(std::fabs(o.value(QLatin1String(chaves[k])).toDouble() - esperados[k]) <
                         1e-7 * std::fabs(esperados[k]),
                     chaves[k]);
        QCOMPARE(o.value(QLatin1String("Titulo")).toString(), QStringLiteral("Cassegrain 200 mm"));
    }

    // The actions after the PDF export; the export with the variant chosen, then the import:
    // frmImportar names that variant and "Abrir como projeto" loads the inputs.
    void prescricaoNaJanela() {
        TfrmTeluvar frm;
        const QList<QAction*> arquivo =
            frm.menuBar()->findChild<QMenu*>(QStringLiteral("mnuArquivo"))->actions();
        QCOMPARE(arquivo.indexOf(frm.actExportarPrescricao),
                 arquivo.indexOf(frm.actExportarPdf) + 1);
        QCOMPARE(arquivo.indexOf(frm.actImportarPrescricao),
                 arquivo.indexOf(frm.actExportarPrescricao) + 1);
        QTemporaryDir dir;
        const QString tlv = dir.filePath(QStringLiteral("projeto.tlv"));
        const QString zmx = dir.filePath(QStringLiteral("dk.zmx"));
        gravar(tlv, exemplo());
        frm.AbrirArquivo(tlv);
        Substituir<decltype(PerguntarArquivoPrescricao)> escolha(
            PerguntarArquivoPrescricao, [&](QWidget*) {
                return EscolhaPrescricao{zmx, FormatoPrescricao::Zemax, VarianteDallKirkham};
            });
        frm.actExportarPrescricao->trigger();
        frm.actNovo->trigger();
        Substituir<decltype(PerguntarArquivoImportar)> abrir(PerguntarArquivoImportar,
                                                             [&](QWidget*) { return zmx; });
        QString variante;
        Substituir<decltype(MostrarImportacao)> mostrar(
            MostrarImportacao,
            [&](QWidget* dono, const ImportacaoPrescricao& im, const QString& nome) {
                TfrmImportar frmImportar(dono, im, nome);
                variante = frmImportar.lblVariante->text();
                return true;
            });
        frm.actImportarPrescricao->trigger();
        QCOMPARE(variante, QStringLiteral("Variante do arquivo: Dall-Kirkham"));
        QCOMPARE(frm.edty->Value(), 4.0);
        QVERIFY(std::fabs(Projeto.gamma - 4) < 1e-9 && std::fabs(Projeto.e - 200) < 1e-9);
        QCOMPARE(frm.ListView1->topLevelItemCount(), 2);
    }

    // A design that cannot be built (g = 0,5: the secondary shrinks) is still written, with
    // its warning as "Avisos" in the JSON and as a line on standard error for --pdf; status 0.
    void avisos() {
        QTemporaryDir dir;
        const QString nome = dir.filePath(QStringLiteral("projeto.tlv"));
        TProjeto p = exemplo();
        p.gamma = 0.5;
        gravar(nome, p);
        const QString texto =
            QStringLiteral("γ ≤ 1: the secondary does not magnify; the design cannot be built");
        const Execucao json = rodar({QStringLiteral("--json"), nome});
        QCOMPARE(json.status, 0);
        QCOMPARE(QJsonDocument::fromJson(json.saida).object().value(u"Avisos").toArray(),
                 QJsonArray{texto});
        const Execucao pdf = rodar({QStringLiteral("--pdf"), dir.filePath("x.pdf"), nome});
        QCOMPARE(pdf.status, 0);
        QCOMPARE(QString::fromUtf8(pdf.erros), "teluvar: warning: " + texto + u'\n');
        QVERIFY(QFileInfo(dir.filePath("x.pdf")).size() > 1000);
        gravar(nome, exemplo());
        const Execucao bom = rodar({QStringLiteral("--json"), nome});
        QCOMPARE(QJsonDocument::fromJson(bom.saida).object().value(u"Avisos").toArray(),
                 QJsonArray{});
    }

    // ---- --json -----------------------------------------------------------------------------

    void json() {
        QTemporaryDir dir;
        const QString nome = dir.filePath(QStringLiteral("projeto.tlv"));
        gravar(nome, exemplo());
        const Execucao e = rodar({QStringLiteral("--json"), nome});
        QCOMPARE(e.status, 0);
        QJsonParseError erro;
        const QJsonDocument doc = QJsonDocument::fromJson(e.saida, &erro);
        QCOMPARE(erro.error, QJsonParseError::NoError);
        QVERIFY(doc.isObject());
        const QJsonObject o = doc.object();

        // Closed forms of the worked example: f1 = fD·D1, F = γ·f1, p = (f1 + e)/(γ + 1),
        // d = f1 − p, p' = γ·p, r1 = 2·f1, F/D1, the classical conics −1 and −((γ+1)/(γ−1))².
        const double D1 = 200, fD = 4, g = 4, eb = 200;
        const double f1 = fD * D1, F = g * f1, p = (f1 + eb) / (g + 1);
        QCOMPARE(o["Titulo"].toString(), QStringLiteral("Cassegrain 200 mm"));
        QCOMPARE(o["f1"].toDouble(), 800.0);
        QCOMPARE(o["F"].toDouble(), 3200.0);
        QCOMPARE(o["d"].toDouble(), 600.0);
        QCOMPARE(o["f1"].toDouble(), f1);
        QCOMPARE(o["F"].toDouble(), F);
        QCOMPARE(o["p"].toDouble(), p);
        QCOMPARE(o["pLinha"].toDouble(), g * p);
        QCOMPARE(o["r1"].toDouble(), 2 * f1);
        QCOMPARE(o["FD1"].toDouble(), F / D1);
        QCOMPARE(o["Area1"].toDouble(), Pi * D1 * D1 / 4);
        QCOMPARE(o["b1Cl"].toDouble(), -1.0);
        QVERIFY(std::abs(o["b2Cl"].toDouble() + std::pow((g + 1) / (g - 1), 2)) < 1e-12);
        // Airy radius 1.22·λ·F/D1 in µm.
        QVERIFY(std::abs(o["Analise"]["raioAiry"].toDouble() - 1.22 * 0.550 * F / D1) < 1e-9);

        // Every field of the record as the core computes it from the same file, to the bit.
        TProjeto r = exemplo();
        CalcularProjeto(r, u',', u'.');
        MostrarResultados(r);
        CalcularDefletor(r);
        for (const char* campo :
             {"D1",    "D2",   "Area1", "Area2", "f1",   "F",    "e",   "p",  "pLinha",
              "gamma", "i",    "d",     "r1",    "r2",   "fD1",  "FD1", "Tx", "b1DK",
              "b2DK",  "b1RC", "b2RC",  "b1Cl",  "b2Cl", "L",    "L1",  "L2", "LTotal",
              "DDi",   "DG",   "Z1",    "SSDe",  "DDe",  "Sag1", "Sag2"})
            QVERIFY2(o.contains(QLatin1String(campo)), campo);
        const struct {
            const char* nome;
            double valor;
        } conferir[] = {{"D2", r.D2},     {"Tx", r.Tx},     {"b1DK", r.b1DK}, {"b2DK", r.b2DK},
                        {"b1RC", r.b1RC}, {"b2RC", r.b2RC}, {"Sag1", r.Sag1}, {"Sag2", r.Sag2},
                        {"L1", r.L1},     {"L2", r.L2}};
        for (const auto& c : conferir)
            QVERIFY2(o[QLatin1String(c.nome)].toDouble() == c.valor, c.nome);
        // The baffle as its window leaves it: L = max of the lengths, total raised to L when
        // shorter, stops linear in their number.
        const double L = o["L"].toDouble();
        QCOMPARE(o["LTotal"].toDouble(), L > 400 ? std::round(L * 100) / 100 : 400.0);
        QCOMPARE(o["Z1"].toDouble(), o["LTotal"].toDouble() - L);
        const QJsonArray glares = o["Glares"].toArray();
        QCOMPARE(glares.size(), 4);
        QCOMPARE(o["nG"].toInt(), 4);
        for (int k = 0; k < glares.size(); ++k) {
            const QJsonObject gl = glares[k].toObject();
            QCOMPARE(gl["Glare"].toInt(), k + 1);
            QVERIFY(std::abs(gl["Posicao"].toDouble() -
                             (o["Z1"].toDouble() - k * o["DG"].toDouble())) < 1e-9);
        }
        // Three variants in the analysis and in the mirror data, every ray of each bundle used.
        const QJsonArray variantes = o["Analise"]["variantes"].toArray();
        QCOMPARE(variantes.size(), 3);
        for (const QJsonValue& v : variantes)
            for (const QJsonValue& f : v["feixes"].toArray())
                QCOMPARE(f["usados"].toInt(), 1280);
        const QJsonArray espelhos = o["Espelhos"].toArray();
        QCOMPARE(espelhos.size(), 3);
        // The primary's vertex radius is r1 in every variant; its conic the variant's b1.
        const double b1[3] = {r.b1Cl, r.b1DK, r.b1RC};
        for (int v = 0; v < 3; ++v) {
            QCOMPARE(espelhos[v]["primario"]["R"].toDouble(), 2 * f1);
            QCOMPARE(espelhos[v]["primario"]["b"].toDouble(), b1[v]);
            QCOMPARE(espelhos[v]["primario"]["zonas"].toArray().size(), 5);
        }

        // --sem-estudos: the same object less the three studies, nothing else changed.
        const Execucao curta =
            rodar({QStringLiteral("--json"), QStringLiteral("--sem-estudos"), nome});
        QCOMPARE(curta.status, 0);
        QJsonObject semEstudos = o, analise = o["Analise"].toObject();
        QVERIFY(semEstudos.contains(u"Tolerancias") && semEstudos.contains(u"Iluminacao") &&
                analise.contains(u"Difracao"));
        semEstudos.remove(u"Tolerancias");
        semEstudos.remove(u"Iluminacao");
        analise.remove(u"Difracao");
        semEstudos[u"Analise"] = analise;
        QCOMPARE(QJsonDocument::fromJson(curta.saida).object(), semEstudos);
    }

    // ---- --pdf against the printed PDF ------------------------------------------------------

    void pdfComoImpresso_data() {
        QTest::addColumn<bool>("defletor");
        QTest::addColumn<QString>("palavraInglesa"); // a word of the template's English texts
        QTest::newRow("projeto") << false << "Telescope";
        QTest::newRow("defletor") << true << "Baffle";
    }
    void pdfComoImpresso() {
        QFETCH(bool, defletor);
        QFETCH(QString, palavraInglesa);
        if (!temPrograma("pdftotext") || !temPrograma("pdfinfo"))
            QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
        QTemporaryDir dir;
        const QString nome = dir.filePath(QStringLiteral("projeto.tlv"));
        const QString exportado = dir.filePath(QStringLiteral("exportado.pdf"));
        const QString impresso = dir.filePath(QStringLiteral("impresso.pdf"));
        gravar(nome, exemplo());
        QStringList argumentos{QStringLiteral("--pdf"), exportado};
        if (defletor) argumentos << QStringLiteral("--relatorio") << QStringLiteral("defletor");
        argumentos << nome;
        const Execucao e = rodar(argumentos);
        QCOMPARE(e.status, 0);

        // The same report printed to a PDF file, in the locale and the language of the empty
        // environment (English).
        QLocale::setDefault(QLocale::c());
        QVERIFY(InstalarIdioma(Idioma::Ingles));
        {
            SubstituirDialogos caixa(qApp,
                                     {.erro = [](const QString& t) { QFAIL(qPrintable(t)); }});
            TfrmTeluvar frm;
            frm.AbrirArquivo(nome);
            std::unique_ptr<TfrmDefletor> def;
            TrpReport* rel = &frm.rpReport1;
            if (defletor) {
                def = std::make_unique<TfrmDefletor>(&frm);
                def->setAttribute(Qt::WA_DeleteOnClose, false);
                def->btnOkClick();
                rel = &def->rpReport1;
            } else {
                frm.btnOkClick();
            }
            const TrpBuildResult r = BuildReport(*rel);
            QCOMPARE(r.outcome, TrpBuildResult::Built);
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(impresso);
            QVERIFY(ImprimirPaginas(*r.pages, printer, QString(), 1, rel->title, false));
        }
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        QVERIFY(InstalarIdioma(Idioma::Portugues));

        const auto a = palavras(exportado), b = palavras(impresso);
        QVERIFY(a.size() > 30);
        QVERIFY(std::any_of(a.begin(), a.end(),
                            [&](const Palavra& p) { return p.texto == palavraInglesa; }));
        QCOMPARE(a.size(), b.size());
        for (std::size_t k = 0; k < a.size(); ++k) {
            QCOMPARE(a[k].texto, b[k].texto);
            QCOMPARE(a[k].pagina, b[k].pagina);
            const double desvio =
                std::max({std::abs(a[k].xMin - b[k].xMin), std::abs(a[k].yMin - b[k].yMin),
                          std::abs(a[k].xMax - b[k].xMax), std::abs(a[k].yMax - b[k].yMax)});
            QVERIFY2(desvio < 0.1, qPrintable(a[k].texto));
        }
        const auto info = infoPdf(exportado);
        QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("1"));
        // A4, 210 × 297 mm, as the printed file has it (to the point pdfinfo writes).
        const QStringList tamanho = info.value(QStringLiteral("Page size")).split(u' ');
        QVERIFY(tamanho.size() >= 3);
        QVERIFY(std::abs(tamanho[0].toDouble() - 210 / 25.4 * 72) < 0.5);
        QVERIFY(std::abs(tamanho[2].toDouble() - 297 / 25.4 * 72) < 0.5);
        QCOMPARE(info.value(QStringLiteral("Page size")),
                 infoPdf(impresso).value(QStringLiteral("Page size")));
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Cassegrain 200 mm"));
    }

    // --relatorio tolerancias writes the focusing and collimation report on one A4 page, in the
    // language and separators of the environment (English and the C locale here). Faults
    // caught: the option not read (another report written), a collimation row of another
    // variant or column, the page overflowing onto a second.
    void pdfTolerancias() {
        if (!temPrograma("pdftotext") || !temPrograma("pdfinfo"))
            QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
        QTemporaryDir dir;
        const QString nome = dir.filePath(QStringLiteral("projeto.tlv"));
        const QString pdf = dir.filePath(QStringLiteral("tolerancias.pdf"));
        gravar(nome, exemplo());
        const Execucao e = rodar({QStringLiteral("--pdf"), pdf, QStringLiteral("--relatorio"),
                                  QStringLiteral("tolerancias"), nome});
        QCOMPARE(e.status, 0);
        QCOMPARE(infoPdf(pdf).value(QStringLiteral("Pages")), QStringLiteral("1"));
        const QString texto = executar(QStringLiteral("pdftotext"),
                                       {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY2(texto.contains(QStringLiteral("Focusing and collimation")), qPrintable(texto));
        TProjeto p{};
        AbrirProjetoSemJanela(p, nome);
        const ResultadoTolerancias r = CalcularTolerancias(p, -50, 100, 15);
        QVERIFY(r.valida());
        const char* const nomes[3] = {"Classical", "Dall-Kirkham", "Ritchey-Chrétien"};
        for (int v = 0; v < 3; ++v) {
            const ColimacaoVariante& c = r.variantes[v].colimacao;
            const QStringList esperada{QString::fromUtf8(nomes[v]),
                                       QString::number(c.descentramento, 'f', 3),
                                       QString::number(c.inclinacao, 'f', 2),
                                       QString::number(c.comaPorMinuto, 'f', 4),
                                       QString::number(c.comaPorMm, 'f', 3),
                                       QString::number(c.pontoNeutro, 'f', 1),
                                       QString::number(c.espacamentoMenos, 'f', 3),
                                       QStringLiteral("/"),
                                       u'+' + QString::number(c.espacamentoMais, 'f', 3)};
            QStringList linhas;
            for (const QString& l : texto.split(u'\n'))
                if (l.trimmed().startsWith(esperada[0] + u' ')) linhas << l;
            QCOMPARE(linhas.size(), 1);
            QCOMPARE(linhas[0].simplified().split(u' '), esperada);
        }
    }

    // ---- the PDF commands of the windows ----------------------------------------------------

    void acoesDasJanelas() {
        TfrmTeluvar frm;
        QAction* acao = frm.actExportarPdf;
        QVERIFY(acao);
        QCOMPARE(acao->objectName(), QStringLiteral("actExportarPdf"));
        QCOMPARE(acao->text(), QStringLiteral("E&xportar PDF..."));
        QCOMPARE(acao->toolTip(), QStringLiteral("Exporta o relatório em PDF"));
        QCOMPARE(acao->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
        const QList<QAction*> arquivo =
            frm.menuBar()->findChild<QMenu*>(QStringLiteral("mnuArquivo"))->actions();
        QCOMPARE(arquivo.indexOf(acao), arquivo.indexOf(frm.actImprimir) + 1);

        auto* def = new TfrmDefletor(&frm);
        QCOMPARE(def->actExportarPdf->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
        QCOMPARE(def->actExportarPdf->toolTip(), QStringLiteral("Exporta o relatório em PDF"));
        QVERIFY(def->findChild<QToolButton*>(QStringLiteral("btnExportarPdf")));
        delete def;

        TfrmPreview preview(&frm);
        QVERIFY(preview.btnPdf);
        QCOMPARE(preview.btnPdf->toolTip(), QStringLiteral("Exportar PDF"));
        QCOMPARE(preview.btnPdf->x(), preview.btnImprimir->x() + preview.btnImprimir->width());
    }

    void exportarDasJanelas_data() {
        QTest::addColumn<int>("janela"); // 0 main, 1 baffle, 2 preview
        QTest::addColumn<bool>("cancelar");
        QTest::addColumn<bool>("pastaInexistente");
        QTest::newRow("principal") << 0 << false << false;
        QTest::newRow("principal cancelado") << 0 << true << false;
        QTest::newRow("principal sem pasta") << 0 << false << true;
        QTest::newRow("defletor") << 1 << false << false;
        QTest::newRow("preview") << 2 << false << false;
        QTest::newRow("preview sem pasta") << 2 << false << true;
    }
    void exportarDasJanelas() {
        QFETCH(int, janela);
        QFETCH(bool, cancelar);
        QFETCH(bool, pastaInexistente);
        if (!temPrograma("pdfinfo")) QSKIP("pdfinfo (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(pastaInexistente ? QStringLiteral("nao/existe/r.pdf")
                                                          : QStringLiteral("r.pdf"));
        QStringList erros;
        SubstituirDialogos caixa(qApp, {.erro = [&](const QString& t) { erros << t; }});
        SubstituirDialogos pergunta(
            qApp, {.arquivoPdf = [&](QWidget*) { return cancelar ? QString() : pdf; }});
        QPointer<TfrmPreview> preview;
        SubstituirDialogos aoMostrar(
            qApp, {.mostrarPreview = [&](QWidget* w) { preview = static_cast<TfrmPreview*>(w); }});

        TfrmTeluvar frm;
        frm.edtTitulo->setText(QStringLiteral("Teste PDF"));
        frm.edtD1->setValue(200);
        frm.edtfD->setValue(4);
        frm.edty->setValue(4);
        frm.edte->setValue(200);
        frm.edti->setValue(20);
        if (janela == 0) {
            frm.actExportarPdf->trigger();
        } else if (janela == 1) {
            auto* def = new TfrmDefletor(&frm);
            def->actExportarPdf->trigger();
            delete def;
        } else {
            frm.actPreview->trigger();
            QVERIFY(preview);
            QTest::mouseClick(preview->btnPdf, Qt::LeftButton);
        }
        if (cancelar || pastaInexistente) {
            QVERIFY(!QFileInfo::exists(pdf));
            QCOMPARE(erros.size(), pastaInexistente ? 1 : 0);
            return;
        }
        QVERIFY2(erros.isEmpty(), qPrintable(erros.join(u'\n')));
        const auto info = infoPdf(pdf);
        QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("1"));
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Teste PDF"));
    }
};

QTEST_MAIN(TestLinhaComando)
#include "test_linha_comando.moc"
