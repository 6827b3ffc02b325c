// The language of the program's texts, chosen from the user's interface languages.
#include "Idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
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

// Qt's own texts (file and print dialogs, standard buttons) in Portuguese, from the translations
// installed with Qt; without them those texts stay in English.
std::unique_ptr<QTranslator>& TradutorQt() {
    static std::unique_ptr<QTranslator> tradutor;
    return tradutor;
}

// The report engine's English texts (preview control, print and progress dialogs, its messages)
// in Portuguese.
std::unique_ptr<QTranslator>& TradutorMotor() {
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
    std::unique_ptr<QTranslator>& qt = TradutorQt();
    if (qt) {
        QCoreApplication::removeTranslator(qt.get());
        qt.reset();
    }
    std::unique_ptr<QTranslator>& motor = TradutorMotor();
    if (motor) {
        QCoreApplication::removeTranslator(motor.get());
        motor.reset();
    }
    if (idioma == Idioma::Portugues) {
        auto doMotor = std::make_unique<QTranslator>();
        if (!doMotor->load(QStringLiteral(":/i18n/teluvar_pt.qm"))) return false;
        QCoreApplication::installTranslator(doMotor.get());
        motor = std::move(doMotor);
        auto tradutor = std::make_unique<QTranslator>();
        if (tradutor->load(QStringLiteral("qtbase_pt_BR"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(tradutor.get());
            qt = std::move(tradutor);
        }
        return true;
    }
    auto tradutor = std::make_unique<QTranslator>();
    if (!tradutor->load(QStringLiteral(":/i18n/teluvar_en.qm"))) return false;
    QCoreApplication::installTranslator(tradutor.get());
    instalado = std::move(tradutor);
    return true;
}
