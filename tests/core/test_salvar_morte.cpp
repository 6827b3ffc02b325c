// Saves that survive a kill: a child saves designs over one file in a loop and is killed with
// SIGKILL at random moments; the file must always hold exactly the old or the new design.
#include "ArquivoProjeto.h"
#include "Calculo.h"
#include "Global.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

QByteArray Bytes(const TProjeto& p) {
    return QByteArray(reinterpret_cast<const char*>(&p), sizeof p);
}

TProjeto Desenho(double D1, const char* titulo) {
    TProjeto p;
    std::memset(&p, 0, sizeof p);
    LimparProjeto(p);
    p.D1 = D1;
    p.fD1 = 4;
    p.gamma = 4;
    p.e = 200;
    p.i = 20;
    DefinirTitulo(p, QString::fromLatin1(titulo));
    CalcularProjeto(p, u',', u'.');
    return p;
}

QByteArray Ler(const QString& nome) {
    QFile f(nome);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

QStringList Temporarios(const QString& pasta) {
    return QDir(pasta)
        .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)
        .filter(QStringLiteral(".salvando-"));
}

} // namespace

class TestSalvarMorte : public QObject {
    Q_OBJECT

private slots:
    void morteNoMeioDaGravacao_data() {
        QTest::addColumn<int>("mortes");
        QTest::addColumn<int>("cauda"); // bytes after the record, carried over by every save
        QTest::addColumn<quint32>("semente");
        QTest::newRow("200 mortes, cauda de 300 bytes") << 200 << 300 << 20240611u;
        QTest::newRow("50 mortes, sem cauda") << 50 << 0 << 7u;
    }
    void morteNoMeioDaGravacao() {
        QFETCH(int, mortes);
        QFETCH(int, cauda);
        QFETCH(quint32, semente);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString nome = dir.filePath(QStringLiteral("projeto.tlv"));
        const TProjeto a = Desenho(200, "antigo"), b = Desenho(300, "novo");
        QByteArray resto(cauda, '\0');
        for (int k = 0; k < cauda; ++k)
            resto[k] = char(k * 31 + 5);
        {
            QFile f(nome);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(Bytes(a) + resto), qint64(544 + cauda));
        }
        const QByteArray antigo = Bytes(a) + resto, novo = Bytes(b) + resto;
        QRandomGenerator acaso(semente);
        int inteiros = 0, comTemporario = 0, antigos = 0, novos = 0;
        for (int k = 0; k < mortes; ++k) {
            const pid_t filho = fork();
            QVERIFY(filho >= 0);
            if (filho == 0) {
                for (int n = 0;; ++n) {
                    try {
                        GravarArquivo((n % 2) ? a : b, nome);
                    } catch (...) {
                        _exit(3);
                    }
                }
            }
            // A moment between 0 and 4 ms after the start, so most kills land inside a save.
            const long espera = long(acaso.bounded(4000)) * 1000;
            const timespec t{0, espera};
            nanosleep(&t, nullptr);
            kill(filho, SIGKILL);
            int status = 0;
            waitpid(filho, &status, 0);
            QVERIFY2(WIFSIGNALED(status), "the saving child stopped by itself");
            const QByteArray agora = Ler(nome);
            if (agora == antigo)
                ++antigos;
            else if (agora == novo)
                ++novos;
            else
                QFAIL(
                    qPrintable(QStringLiteral("kill %1: the file holds %2 bytes of neither design")
                                   .arg(k + 1)
                                   .arg(agora.size())));
            ++inteiros;
            if (!Temporarios(dir.path()).isEmpty()) ++comTemporario;
        }
        QCOMPARE(inteiros, mortes);
        qInfo("%d of %d kills left a whole design (%d old, %d new); %d left a temporary file",
              inteiros, mortes, antigos, novos, comTemporario);
        // A kill leaves at most a recognisable temporary beside the file, and the next save
        // there removes it.
        for (const QString& t : Temporarios(dir.path()))
            QVERIFY2(t.startsWith(QStringLiteral(".projeto.tlv.salvando-")), qPrintable(t));
        GravarArquivo(a, nome);
        QCOMPARE(Ler(nome), antigo);
        QCOMPARE(Temporarios(dir.path()), QStringList());
    }

    // Leftovers of interrupted saves go with the next save in the folder; the temporary of a
    // save still running (it holds its lock) and files merely named alike stay.
    void restosRemovidos() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const auto criar = [&](const char* n) {
            QFile f(dir.filePath(QString::fromLatin1(n)));
            return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
        };
        QVERIFY(criar(".outro.tlv.salvando-a1B2c3"));
        QVERIFY(criar(".projeto.tlv.salvando-zzzzzz"));
        QVERIFY(criar("projeto.tlv.salvando-zzzzzz")); // not hidden: not one of ours
        QVERIFY(criar(".projeto.tlv.salvando-curto")); // not six characters
        QVERIFY(criar(".projeto.tlv.salvando-emuso"));
        QFile emUso(dir.filePath(QStringLiteral(".projeto.tlv.salvando-emuso")));
        QVERIFY(
            QFile::rename(emUso.fileName(), dir.filePath(QStringLiteral(".x.salvando-EMUSO1"))));
        emUso.setFileName(dir.filePath(QStringLiteral(".x.salvando-EMUSO1")));
        QVERIFY(emUso.open(QIODevice::ReadOnly));
        QVERIFY(flock(emUso.handle(), LOCK_EX) == 0);
        GravarArquivo(Desenho(200, "a"), dir.filePath(QStringLiteral("projeto.tlv")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{".projeto.tlv.salvando-curto", ".x.salvando-EMUSO1", "projeto.tlv",
                              "projeto.tlv.salvando-zzzzzz"}));
    }
};

QTEST_APPLESS_MAIN(TestSalvarMorte)
#include "test_salvar_morte.moc"
