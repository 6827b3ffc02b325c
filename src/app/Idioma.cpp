// The language of the program's texts, chosen from the user's interface languages.
#include "Idioma.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>

namespace {
// The language code of an entry ("pt-BR" -> "pt", "en_US" -> "en", "C" -> "c").
QString Codigo(const QString& idioma) {
    const qsizetype fim = idioma.indexOf(QRegularExpression(QStringLiteral("[-_.@]")));
    return (fim < 0 ? idioma : idioma.left(fim)).toLower();
}

std::unique_ptr<QTranslator>& TradutorInstalado() {
    static std::unique_ptr<QTranslator> tradutor;
    return tradutor;
}
} // namespace

Idioma IdiomaDasPreferencias(const QStringList& idiomas) {
    for (const QString& idioma : idiomas) {
        const QString codigo = Codigo(idioma.trimmed());
        if (codigo == QLatin1String("pt")) return Idioma::Portugues;
        if (codigo == QLatin1String("en")) return Idioma::Ingles;
    }
    return Idioma::Ingles;
}

Idioma IdiomaDoUsuario() {
    return IdiomaDasPreferencias(QLocale::system().uiLanguages());
}

bool InstalarIdioma(Idioma idioma) {
    std::unique_ptr<QTranslator>& instalado = TradutorInstalado();
    if (instalado) {
        QCoreApplication::removeTranslator(instalado.get());
        instalado.reset();
    }
    if (idioma == Idioma::Portugues) return true;
    auto tradutor = std::make_unique<QTranslator>();
    if (!tradutor->load(QStringLiteral(":/i18n/teluvar_en.qm"))) return false;
    QCoreApplication::installTranslator(tradutor.get());
    instalado = std::move(tradutor);
    return true;
}
