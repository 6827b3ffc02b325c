// Checks the design file: reading, writing, the byte image, and that failures keep data safe.
#include "ArquivoProjeto.h"
#include "Calculo.h"
#include "Global.h"
#include "ProjetoTeste.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <sys/fsuid.h>
#include <unistd.h>

namespace {
QByteArray Bytes(const TProjeto& p) {
    return QByteArray(reinterpret_cast<const char*>(&p), sizeof p);
}

void Escrever(const QString& nome, const QByteArray& bytes) {
    QFile f(nome);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray Ler(const QString& nome) {
    QFile f(nome);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QByteArray Padrao(int n, char semente) {
    QByteArray b(n, '\0');
    for (int k = 0; k < n; ++k)
        b[k] = static_cast<char>(semente + k * 7);
    return b;
}

// The bytes of a sound design (200 mm f/4, gamma 4) followed by `n` - 544 bytes of pattern.
QByteArray ProjetoCom(int n, char semente) {
    TProjeto p;
    std::memset(&p, 0, sizeof p);
    LimparProjeto(p);
    p.D1 = 200;
    p.fD1 = 4;
    p.gamma = 4;
    p.e = 200;
    p.i = 20 + semente;
    CalcularProjeto(p, u',', u'.');
    return Bytes(p) + Padrao(n - int(sizeof p), semente);
}

// Runs a block with the file-system rights of an ordinary user, even when the tests run as root.
class SemPrivilegios {
public:
    SemPrivilegios() {
        if (geteuid() == 0) {
            setfsgid(65534);
            setfsuid(65534);
        }
    }
    ~SemPrivilegios() {
        if (geteuid() == 0) {
            setfsuid(0);
            setfsgid(0);
        }
    }
};
} // namespace

class TestArquivo : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString nome(const char* n) const { return dir.filePath(QString::fromLatin1(n)); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::WriteOther |
                                              QFile::ExeOther);
    }

    void curtoERecusadoSemMudarORegistro() {
        for (int tamanho : {0, 543}) {
            const QString n = nome("curto.tlv");
            Escrever(n, Padrao(tamanho, 3));
            TProjeto p;
            std::memset(&p, 0x11, sizeof p);
            const QByteArray antes = Bytes(p);
            bool erro = false;
            try {
                LerArquivo(p, n);
            } catch (const ErroArquivo& e) {
                erro = true;
                QVERIFY2(e.mensagem().contains(QStringLiteral("curto.tlv")),
                         qPrintable(e.mensagem()));
            }
            QVERIFY2(erro, "a file shorter than a design must be refused");
            QCOMPARE(Bytes(p), antes);
        }
    }

    void leOsPrimeiros544Bytes() {
        for (int tamanho : {544, 600, 1000}) {
            const QString n = nome("longo.tlv");
            const QByteArray dados = ProjetoCom(tamanho, 9);
            Escrever(n, dados);
            TProjeto p;
            LerArquivo(p, n);
            QCOMPARE(Bytes(p), dados.left(544));
        }
    }

    void inexistenteDizACausa() {
        TProjeto p;
        std::memset(&p, 0x22, sizeof p);
        const QByteArray antes = Bytes(p);
        try {
            LerArquivo(p, nome("nao-existe.tlv"));
            QFAIL("no error for a missing file");
        } catch (const ErroArquivo& e) {
            QVERIFY(e.mensagem().contains(QStringLiteral("nao-existe.tlv")));
            QVERIFY(e.mensagem().size() > QStringLiteral("nao-existe.tlv").size() + 5);
        }
        QCOMPARE(Bytes(p), antes);
    }

    void gravaCresceENuncaEncurta() {
        TProjeto p = ProjetoVazio();
        CalcularProjeto(p);

        const QString novo = nome("novo.tlv");
        GravarArquivo(p, novo);
        const QByteArray img = Ler(novo);
        QCOMPARE(img.size(), 544);
        // The empty design: every double zero (r2 and Sag2 negative zero), nG = 2, no title.
        for (int off = 0; off < 544; ++off) {
            const unsigned char b = static_cast<unsigned char>(img[off]);
            if (off == 104 + 7 || off == 536 + 7)
                QCOMPARE(int(b), 0x80);
            else if (off == 496)
                QCOMPARE(int(b), 2);
            else
                QCOMPARE(int(b), 0);
        }

        const QString mil = nome("mil.tlv");
        const QByteArray antigo = Padrao(1000, 5);
        Escrever(mil, antigo);
        GravarArquivo(p, mil);
        const QByteArray depois = Ler(mil);
        QCOMPARE(depois.size(), 1000);
        QCOMPARE(depois.left(544), img);
        QCOMPARE(depois.mid(544), antigo.mid(544));

        const QString cem = nome("cem.tlv");
        Escrever(cem, Padrao(100, 1));
        GravarArquivo(p, cem);
        QCOMPARE(Ler(cem), img);
        QCOMPARE(QDir(dir.path())
                     .entryList(QDir::Files | QDir::Hidden)
                     .filter(QStringLiteral("cem"))
                     .size(),
                 1);
    }

    void tituloDe255() {
        TProjeto p;
        std::memset(&p, 0, sizeof p);
        DefinirTitulo(p, QString(255, QChar(0xE7))); // ç
        const QString n = nome("titulo.tlv");
        GravarArquivo(p, n);
        const QByteArray b = Ler(n);
        QCOMPARE(int(static_cast<unsigned char>(b[184])), 255);
        QCOMPARE(int(static_cast<unsigned char>(b[185])), 0xE7);
        TProjeto q;
        std::memset(&q, 0, sizeof q);
        LerArquivo(q, n);
        QCOMPARE(TituloTexto(q), QString(255, QChar(0xE7)));
        DefinirTitulo(p, QString());
        GravarArquivo(p, n);
        QCOMPARE(int(Ler(n)[184]), 0);
    }

    void somenteLeituraAbre() {
        const QString n = nome("leitura.tlv");
        const QByteArray dados = ProjetoCom(544, 4);
        Escrever(n, dados);
        QFile::setPermissions(n, QFile::ReadOwner | QFile::ReadOther | QFile::ReadGroup);
        SemPrivilegios usuario;
        TProjeto p;
        LerArquivo(p, n);
        QCOMPARE(Bytes(p), dados);
    }

    void gravacaoFalhaSemEstragarOAntigo() {
        // A folder the user may not write: the old file stays as it was, no temporary is left.
        const QString pasta = dir.filePath(QStringLiteral("travada"));
        QVERIFY(QDir().mkpath(pasta));
        const QString n = pasta + QStringLiteral("/antigo.tlv");
        const QByteArray antigo = Padrao(700, 8);
        Escrever(n, antigo);
        QFile::setPermissions(n, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                     QFile::WriteOther);
        QFile::setPermissions(pasta, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                         QFile::ExeOther);
        TProjeto p;
        std::memset(&p, 0x33, sizeof p);
        {
            SemPrivilegios usuario;
            QVERIFY_THROWS_EXCEPTION(ErroArquivo, GravarArquivo(p, n));
        }
        QCOMPARE(Ler(n), antigo);
        QCOMPARE(QDir(pasta).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 1);

        // A file the user may read but not write is refused, not replaced.
        QFile::setPermissions(pasta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
        QFile::setPermissions(n, QFile::ReadOwner | QFile::ReadOther);
        {
            SemPrivilegios usuario;
            QVERIFY_THROWS_EXCEPTION(ErroArquivo, GravarArquivo(p, n));
        }
        QCOMPARE(Ler(n), antigo);

        // A name in a folder that does not exist.
        QVERIFY_THROWS_EXCEPTION(ErroArquivo,
                                 GravarArquivo(p, dir.filePath(QStringLiteral("nada/x.tlv"))));
    }

    void idaEVolta() {
        TProjeto p = ProjetoVazio();
        p.D1 = 200.004;
        p.Reservado = 12.5;
        p.nG = 7;
        DefinirTitulo(p, QStringLiteral("Teste"));
        const QString n = nome("volta.tlv");
        GravarArquivo(p, n);
        TProjeto q;
        std::memset(&q, 0xFF, sizeof q);
        LerArquivo(q, n);
        QCOMPARE(Bytes(q), Bytes(p));
    }
};

QTEST_APPLESS_MAIN(TestArquivo)
#include "test_arquivo.moc"
