// The language of the program's texts: Portuguese (the texts of the table as they are) or
// English (the translation embedded as ":/i18n/teluvar_en.qm"), chosen at start.
#pragma once

#include <QStringList>

enum class Idioma { Portugues, Ingles };

// The first of the user's interface languages (most wanted first, as
// QLocale::uiLanguages() gives them: "pt-BR", "en-US", "C", ...) that the program speaks:
// Portuguese for any "pt", English for any "en"; English when none is either.
Idioma IdiomaDasPreferencias(const QStringList& idiomas);
// The same from the system's locale, so LANGUAGE, LC_ALL, LC_MESSAGES and LANG count as usual.
Idioma IdiomaDoUsuario();

// Installs the language's translation in the application (Portuguese installs none and removes
// one installed before); false when the translation could not be loaded. Numbers keep the
// separators of QLocale() whatever the language.
bool InstalarIdioma(Idioma idioma);
