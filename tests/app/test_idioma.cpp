// The program's languages: every text of the table goes through the translation, the English
// translation is complete, and the windows and reports read in English or, byte for byte, in
// Portuguese.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#ifndef TELUVAR_FONTE
#error "TELUVAR_FONTE: the source tree of the program"
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
QStringList Desvios(const QString& texto) {
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

} // namespace

class TestIdioma : public QObject {
    Q_OBJECT
private slots:
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
        QCOMPARE(!Desvios(linha).isEmpty(), desvio);
    }

    // No source of the program converts a text of the table but through TextoRecurso.
    void fontesTraduzem_data() {
        QTest::addColumn<QString>("pasta");
        QTest::addColumn<int>("minimoArquivos");
        QTest::addColumn<int>("minimoUsos"); // uses of TextoRecurso found there
        QTest::newRow("src/app") << "src/app" << 20 << 100;
        QTest::newRow("src/core") << "src/core" << 15 << 40;
        QTest::newRow("src/text") << "src/text" << 8 << 10;
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
            for (const QString& a : Desvios(texto))
                achados << QDir(QStringLiteral(TELUVAR_FONTE)).relativeFilePath(nome) + u':' + a;
        }
        QVERIFY2(arquivos >= minimoArquivos, qPrintable(QString::number(arquivos)));
        QVERIFY2(usos >= minimoUsos, qPrintable(QString::number(usos)));
        QVERIFY2(achados.isEmpty(), qPrintable(achados.join(u'\n')));
    }
};

QTEST_MAIN(TestIdioma)
#include "test_idioma.moc"
