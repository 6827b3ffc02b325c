// Files that are not what they claim: pipes, sockets, devices, folders, huge, damaged or vanished
// files, and a full disk. Each case runs in a child process so that a blocking read is caught.
#include "ArquivoProjeto.h"
#include "Calculo.h"
#include "Global.h"
#include "Recursos.h"
#include "TextosArquivo.h"
#include "rpPrepared.h"
#include "rpTextos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <poll.h>
#include <signal.h>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Writes below the program fail with ENOSPC for files whose path holds this text (set in a
// child only). Defined here, write() takes the place of the C library's for the whole process.
const char* g_falharEscritaEm = nullptr;

bool FalharEste(int fd) {
    if (!g_falharEscritaEm) return false;
    char ligacao[64], alvo[PATH_MAX];
    std::snprintf(ligacao, sizeof ligacao, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(ligacao, alvo, sizeof alvo - 1);
    if (n <= 0) return false;
    alvo[n] = '\0';
    return std::strstr(alvo, g_falharEscritaEm) != nullptr;
}

} // namespace

extern "C" ssize_t write(int fd, const void* dados, size_t n) {
    if (FalharEste(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return syscall(SYS_write, fd, dados, n);
}

namespace {

QString r(const char* texto) {
    return QString::fromUtf8(texto);
}

// The fixed part of a resource text: what stands before its first "%".
QString Fixo(const char* texto) {
    return r(texto).section(u'%', 0, 0).trimmed();
}

QByteArray Bytes(const TProjeto& p) {
    return QByteArray(reinterpret_cast<const char*>(&p), sizeof p);
}

QByteArray Ler(const QString& nome) {
    QFile f(nome);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool Escrever(const QString& nome, const QByteArray& bytes) {
    QFile f(nome);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A sound design: 200 mm, f/4, gamma 4, e 200, field 20, baffle inputs filled.
TProjeto ProjetoValido() {
    TProjeto p;
    std::memset(&p, 0, sizeof p);
    LimparProjeto(p);
    p.D1 = 200;
    p.fD1 = 4;
    p.gamma = 4;
    p.e = 200;
    p.i = 20;
    p.LTotal = 900;
    p.DDi = 230;
    p.DDe = 240;
    p.SSDe = 60;
    p.nG = 5;
    DefinirTitulo(p, QStringLiteral("Válido"));
    CalcularProjeto(p, u',', u'.');
    MostrarResultados(p);
    CalcularDefletor(p);
    return p;
}

// What happened in the child.
struct Desfecho {
    bool terminou = false; // false: it was still running at the deadline (it blocked)
    bool erro = false;     // an exception reached the caller
    bool intacto = false;  // the record held the same bytes afterwards
    QString mensagem;
};

// Runs `acao` on a record filled with a pattern in a child process; gives up after `segundos`.
Desfecho EmFilho(const std::function<void(TProjeto&)>& acao, int segundos = 20) {
    int canal[2];
    if (pipe(canal) != 0) return {};
    const pid_t filho = fork();
    if (filho == 0) {
        close(canal[0]);
        TProjeto p;
        std::memset(&p, 0x5A, sizeof p);
        const QByteArray antes = Bytes(p);
        QByteArray saida("00");
        try {
            acao(p);
        } catch (const ErroArquivo& e) {
            saida[0] = '1';
            saida += e.mensagem().toUtf8();
        } catch (const std::exception& e) {
            saida[0] = '1';
            saida += e.what();
        }
        if (Bytes(p) == antes) saida[1] = '1';
        const ssize_t escrito = ::write(canal[1], saida.constData(), size_t(saida.size()));
        _exit(escrito == saida.size() ? 0 : 1);
    }
    close(canal[1]);
    Desfecho d;
    QByteArray recebido;
    for (int ms = segundos * 1000; ms > 0;) {
        pollfd pf{canal[0], POLLIN, 0};
        const int n = poll(&pf, 1, 100);
        if (n > 0) {
            char buf[4096];
            const ssize_t lidos = read(canal[0], buf, sizeof buf);
            if (lidos <= 0) {
                d.terminou = true;
                break;
            }
            recebido.append(buf, lidos);
        } else {
            ms -= 100;
        }
    }
    close(canal[0]);
    if (!d.terminou) kill(filho, SIGKILL);
    int status = 0;
    waitpid(filho, &status, 0);
    if (d.terminou && recebido.size() >= 2) {
        d.erro = recebido[0] == '1';
        d.intacto = recebido[1] == '1';
        d.mensagem = QString::fromUtf8(recebido.mid(2));
    } else {
        d.terminou = false;
    }
    return d;
}

void Ordinario() {
    if (geteuid() == 0) {
        setfsgid(65534);
        setfsuid(65534);
    }
}

// A unix socket at `nome`, left bound (the descriptor is kept until the test ends).
bool CriarSocket(const QString& nome) {
    const int s = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un endereco{};
    endereco.sun_family = AF_UNIX;
    const QByteArray caminho = QFile::encodeName(nome);
    if (s < 0 || size_t(caminho.size()) >= sizeof endereco.sun_path) return false;
    std::memcpy(endereco.sun_path, caminho.constData(), size_t(caminho.size()));
    return bind(s, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) == 0;
}

bool Esparso(const QString& nome, qint64 tamanho, const QByteArray& inicio) {
    if (!Escrever(nome, inicio)) return false;
    return truncate(QFile::encodeName(nome).constData(), tamanho) == 0;
}

// The record with one double field replaced.
QByteArray ComCampo(int deslocamento, double valor) {
    TProjeto p = ProjetoValido();
    std::memcpy(reinterpret_cast<char*>(&p) + deslocamento, &valor, sizeof valor);
    return Bytes(p);
}

} // namespace

class TestArquivosRuins : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString m_montado; // the small tmpfs of the full-disk case, when one could be mounted

    QString nome(const QString& n) const { return dir.filePath(n); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        chmod(QFile::encodeName(dir.path()).constData(), 0777);
    }
    void cleanupTestCase() {
        if (!m_montado.isEmpty()) umount2(QFile::encodeName(m_montado).constData(), MNT_DETACH);
    }

    // Opening: every bad file is refused at once with its name and cause; the record stays.
    void abrir_data() {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("causa");   // text the message must hold besides the name
        QTest::addColumn<QString>("detalhe"); // a second text it must hold ("" none)
        const QString naoRegular = Fixo(TextosArquivo::NaoRegular);
        const QString grande = Fixo(TextosArquivo::GrandeDemais);
        const QString naoFinito = Fixo(Recursos::ProjetoNaoFinito);
        const QString faixa = Fixo(Recursos::ProjetoForaDaFaixa);
        const QString calculo = Fixo(Recursos::ProjetoCalculoForaDaFaixa);
        QTest::newRow("pipe nomeado") << "fifo" << naoRegular << r(TextosArquivo::TipoPipe);
        QTest::newRow("socket") << "socket" << naoRegular << r(TextosArquivo::TipoSocket);
        QTest::newRow("/dev/zero") << "zero" << naoRegular << r(TextosArquivo::TipoDispositivo);
        QTest::newRow("pasta") << "pasta" << naoRegular << r(TextosArquivo::TipoPasta);
        QTest::newRow("tlv de 2 GB") << "tlv2g" << grande << r(Recursos::FormatoProjeto);
        QTest::newRow("tlv de 1 MiB + 1") << "tlv1m" << grande << QString();
        QTest::newRow("rpp de 1 GB") << "rpp1g" << grande << r(rpTextos::FormatoRelatorio);
        QTest::newRow("rpp pipe nomeado") << "rppfifo" << naoRegular << r(TextosArquivo::TipoPipe);
        QTest::newRow("NaN em D1") << "nan0" << naoFinito << "D1";
        QTest::newRow("+Inf em gamma") << "inf72" << naoFinito << "gamma";
        QTest::newRow("-Inf em Sag2") << "-inf536" << naoFinito << "Sag2";
        QTest::newRow("NaN em Reservado") << "nan472" << naoFinito << "Reservado";
        QTest::newRow("D1 = 1e300") << "big0" << faixa << "D1";
        QTest::newRow("DDe = -1e13") << "neg520" << faixa << "DDe";
        QTest::newRow("gamma = 1 + 2^-40") << "gamma1" << calculo << "";
        QTest::newRow("D1 = 4e6, f/D = 1e6") << "f1grande" << calculo << "";
        // F = f1 x gamma is 9,992e11 at gamma 2,135 but 1,0015e12 at 2,14, the gamma its field
        // shows and reads back (the binary 2,135 is 2,13499..., 213,4999... when x 100).
        QTest::newRow("gamma = 2,135 lido como 2,14") << "gamma2135" << calculo << "F";
        QTest::newRow("sem permissão") << "semleitura" << r(TextosArquivo::SemLeitura) << "";
        QTest::newRow("removido") << "removido" << r(TextosArquivo::NaoExiste) << "";
    }
    void abrir() {
        QFETCH(QString, tipo);
        QFETCH(QString, causa);
        QFETCH(QString, detalhe);
        const bool rpp = tipo.startsWith(u"rpp");
        QString n = nome(tipo + (rpp ? QStringLiteral(".rpp") : QStringLiteral(".tlv")));
        const QByteArray caminho = QFile::encodeName(n);
        bool semPrivilegio = false;
        if (tipo.endsWith(u"fifo")) {
            QVERIFY(mkfifo(caminho.constData(), 0666) == 0);
        } else if (tipo == u"socket") {
            QVERIFY(CriarSocket(n));
        } else if (tipo == u"zero") {
            n = QStringLiteral("/dev/zero");
        } else if (tipo == u"pasta") {
            QVERIFY(QDir().mkpath(n));
        } else if (tipo == u"tlv2g") {
            QVERIFY(Esparso(n, qint64(2) << 30, Bytes(ProjetoValido())));
        } else if (tipo == u"tlv1m") {
            QVERIFY(Esparso(n, (qint64(1) << 20) + 1, Bytes(ProjetoValido())));
        } else if (tipo == u"rpp1g") {
            QVERIFY(Esparso(n, qint64(1) << 30, QByteArray(1, '\0')));
        } else if (tipo == u"semleitura") {
            QVERIFY(Escrever(n, Bytes(ProjetoValido())));
            QVERIFY(chmod(caminho.constData(), 0200) == 0);
            semPrivilegio = true;
        } else if (tipo == u"removido") {
            QVERIFY(Escrever(n, Bytes(ProjetoValido())));
            QVERIFY(QFile::remove(n)); // gone between the dialog and the read
        } else if (tipo == u"gamma1") {
            QVERIFY(Escrever(n, ComCampo(72, 1 + std::ldexp(1.0, -40))));
        } else if (tipo == u"gamma2135") {
            TProjeto p = ProjetoValido();
            p.D1 = 1e6;
            p.fD1 = 468000;
            p.gamma = 2.135;
            p.DDi = p.DDe = p.SSDe; // the baffle lengths stay below f1
            QVERIFY(Escrever(n, Bytes(p)));
        } else if (tipo == u"f1grande") {
            TProjeto p = ProjetoValido();
            p.D1 = 4e6;
            p.fD1 = 1e6;
            QVERIFY(Escrever(n, Bytes(p)));
        } else {
            // "<nan|inf|-inf|big|neg><offset>": one double field replaced.
            double valor = 0;
            QString resto = tipo;
            const std::pair<const char*, double> valores[] = {
                {"nan", std::numeric_limits<double>::quiet_NaN()},
                {"-inf", -std::numeric_limits<double>::infinity()},
                {"inf", std::numeric_limits<double>::infinity()},
                {"big", 1e300},
                {"neg", -1e13}};
            for (const auto& [prefixo, v] : valores)
                if (resto.startsWith(QLatin1String(prefixo))) {
                    valor = v;
                    resto = resto.mid(qsizetype(std::strlen(prefixo)));
                    break;
                }
            QVERIFY(Escrever(n, ComCampo(resto.toInt(), valor)));
        }
        const Desfecho d = EmFilho([&](TProjeto& p) {
            if (semPrivilegio) Ordinario();
            if (rpp) {
                TrpPreparedPages paginas;
                paginas.loadFromFile(n);
            } else {
                LerArquivo(p, n);
            }
        });
        QVERIFY2(d.terminou, "the read blocked");
        QVERIFY2(d.erro, "the file was accepted");
        QVERIFY2(d.intacto, "the record changed");
        QVERIFY2(d.mensagem.contains(QDir::toNativeSeparators(n)), qPrintable(d.mensagem));
        QVERIFY2(d.mensagem.contains(causa), qPrintable(d.mensagem));
        QVERIFY2(d.mensagem.contains(detalhe), qPrintable(d.mensagem));
        QVERIFY2(!d.mensagem.contains(u"NAN") && !d.mensagem.contains(u"INF"),
                 qPrintable(d.mensagem));
        if (tipo.endsWith(u"fifo")) {
            struct stat st {};
            QVERIFY(stat(caminho.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
        }
    }

    // The sound design and values at the edge of the accepted range still load, and everything
    // computed from them is finite and written in at most 19 characters.
    void aceitos_data() {
        QTest::addColumn<int>("deslocamento");
        QTest::addColumn<double>("valor");
        QTest::newRow("válido") << 0 << 200.0;
        QTest::newRow("Reservado = 999 999 999 999") << 472 << 999999999999.0;
        QTest::newRow("D1 = 1e5") << 0 << 1e5;
        QTest::newRow("Tx = -1e11 (recomputed)") << 128 << -1e11;
        QTest::newRow("gamma = 1 (guarded)") << 72 << 1.0;
        QTest::newRow("gamma = -1 (guarded)") << 72 << -1.0;
        QTest::newRow("D1 = 0") << 0 << 0.0;
        QTest::newRow("e = -0") << 48 << -0.0;
    }
    void aceitos() {
        QFETCH(int, deslocamento);
        QFETCH(double, valor);
        const QString n = nome(QStringLiteral("aceito.tlv"));
        const QByteArray bytes = ComCampo(deslocamento, valor);
        QVERIFY(Escrever(n, bytes));
        TProjeto p;
        LerArquivo(p, n);
        QCOMPARE(Bytes(p), bytes);
        QStringList textos;
        for (const QString& rotulo : CalcularProjeto(p, u',', u'.').textos)
            textos << rotulo;
        const Resultados res = MostrarResultados(p);
        for (const LinhaResultado& l : res.resultados)
            textos << l.valor;
        for (const LinhaComparacao& l : res.comparacao)
            textos << l.classico << l.dallKirkham << l.ritcheyChretien;
        for (const QString& rotulo : CalcularDefletor(p).textos)
            textos << rotulo;
        for (const LinhaResultado& l : CriteriosDefletor(p))
            textos << l.valor;
        for (const QString& t : std::as_const(textos)) {
            QVERIFY2(!t.contains(u"NAN") && !t.contains(u"INF"), qPrintable(t));
            // The longest number text is "-999.999.999.999,99" inside a label's own words.
            QVERIFY2(t.size() < 60, qPrintable(t));
        }
    }

    // Saving: a pipe, a folder or a full disk give the error box with the cause, and the old
    // file stays as it was.
    void gravar_data() {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("causa");
        QTest::addColumn<QString>("detalhe");
        const QString naoRegular = Fixo(TextosArquivo::NaoRegular);
        QTest::newRow("sobre pipe nomeado") << "fifo" << naoRegular << r(TextosArquivo::TipoPipe);
        QTest::newRow("sobre pasta") << "pasta" << naoRegular << r(TextosArquivo::TipoPasta);
        QTest::newRow("sobre ligação para /dev/full")
            << "full" << naoRegular << r(TextosArquivo::TipoDispositivo);
        QTest::newRow("disco cheio (tmpfs)") << "tmpfs" << r(TextosArquivo::DiscoCheio) << "";
        QTest::newRow("disco cheio (write falha)")
            << "injetado" << r(TextosArquivo::DiscoCheio) << "";
        QTest::newRow("sem permissão") << "semgravar" << r(TextosArquivo::SemGravacao) << "";
        QTest::newRow("pasta inexistente") << "sempasta" << r(TextosArquivo::PastaNaoExiste) << "";
    }
    void gravar() {
        QFETCH(QString, tipo);
        QFETCH(QString, causa);
        QFETCH(QString, detalhe);
        QString n = nome(QStringLiteral("gravar-%1.tlv").arg(tipo));
        const QByteArray caminho = QFile::encodeName(n);
        QByteArray antigo(700, '\0');
        for (int k = 0; k < antigo.size(); ++k)
            antigo[k] = char(k * 13 + 7);
        bool comparar = true, semPrivilegio = false;
        const char* falharEm = nullptr;
        if (tipo == u"fifo") {
            QVERIFY(mkfifo(caminho.constData(), 0666) == 0);
            comparar = false;
        } else if (tipo == u"pasta") {
            QVERIFY(QDir().mkpath(n));
            comparar = false;
        } else if (tipo == u"full") {
            // Through a link, so that a save that replaced the name would replace only the link.
            QVERIFY(QFile::link(QStringLiteral("/dev/full"), n));
            comparar = false;
        } else if (tipo == u"tmpfs") {
            const QString ponto = nome(QStringLiteral("tmpfs"));
            QVERIFY(QDir().mkpath(ponto));
            if (geteuid() != 0 ||
                mount("tmpfs", QFile::encodeName(ponto).constData(), "tmpfs", 0, "size=64k") != 0)
                QSKIP("no tmpfs can be mounted here; the injected write failure covers the case");
            m_montado = ponto;
            n = ponto + QStringLiteral("/antigo.tlv");
            QVERIFY(Escrever(n, antigo));
            // Fill the rest of the disk.
            QFile enchimento(ponto + QStringLiteral("/enchimento"));
            QVERIFY(enchimento.open(QIODevice::WriteOnly));
            const QByteArray bloco(4096, 'x');
            while (enchimento.write(bloco) == bloco.size() && enchimento.flush()) {
            }
        } else if (tipo == u"injetado") {
            QVERIFY(Escrever(n, antigo));
            falharEm = "gravar-injetado";
        } else if (tipo == u"semgravar") {
            const QString pasta = nome(QStringLiteral("travada"));
            QVERIFY(QDir().mkpath(pasta));
            n = pasta + QStringLiteral("/antigo.tlv");
            QVERIFY(Escrever(n, antigo));
            QVERIFY(chmod(QFile::encodeName(n).constData(), 0444) == 0);
            QVERIFY(chmod(QFile::encodeName(pasta).constData(), 0555) == 0);
            semPrivilegio = true;
        } else if (tipo == u"sempasta") {
            n = nome(QStringLiteral("nao/existe/projeto.tlv"));
            comparar = false;
        }
        const Desfecho d = EmFilho([&](TProjeto& p) {
            if (semPrivilegio) Ordinario();
            g_falharEscritaEm = falharEm;
            GravarArquivo(p, n);
        });
        QVERIFY2(d.terminou, "the save blocked");
        QVERIFY2(d.erro, "the save did not fail");
        QVERIFY2(d.mensagem.contains(QDir::toNativeSeparators(n)), qPrintable(d.mensagem));
        QVERIFY2(d.mensagem.contains(causa), qPrintable(d.mensagem));
        QVERIFY2(d.mensagem.contains(detalhe), qPrintable(d.mensagem));
        if (comparar) {
            QCOMPARE(Ler(n), antigo);
            // Nothing else was left beside it.
            const QStringList resto =
                QFileInfo(n).dir().entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
            for (const QString& f : resto)
                QVERIFY2(!f.contains(u"salvando") && !f.contains(u".tlv."), qPrintable(f));
        }
    }
};

QTEST_APPLESS_MAIN(TestArquivosRuins)
#include "test_arquivos_ruins.moc"
