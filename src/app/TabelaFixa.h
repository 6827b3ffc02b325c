// The read-only result tables of the live windows, sized once so that a keystroke measures no
// text.
#pragma once

#include <QString>
#include <QStringList>

class QTableWidget;
class QWidget;

// A new read-only table: `linhas` rows under the headings `titulos`, not editable, not
// selectable, without focus or row headings, its rows as tall as a line of text.
QTableWidget* CriarTabelaLeitura(QWidget* pai, const QString& nome, int linhas,
                                 const QStringList& titulos);

// A table of `linhas` rows under the headings `titulos` (the first column left-aligned, the
// others right-aligned), not editable, not selectable, without focus, row headings or scroll
// bars. Each column is as wide as its heading and as the widest text it is meant for (the
// variant names for the first column, `modeloNumero` for the others), fixed; the table is as
// large as its rows and columns, so the whole of it shows.
QTableWidget* CriarTabelaFixa(QWidget* pai, const QString& nome, int linhas,
                              const QStringList& titulos, const QString& modeloNumero);
// The same with the headings read from the table of texts.
QTableWidget* CriarTabelaFixa(QWidget* pai, const QString& nome, int linhas,
                              const char* const* colunas, int nColunas,
                              const QString& modeloNumero);
