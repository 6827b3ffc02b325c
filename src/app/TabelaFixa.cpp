// The read-only result tables of the live windows, sized once.
#include "TabelaFixa.h"

#include "Recursos.h"

#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

QTableWidget* CriarTabelaLeitura(QWidget* pai, const QString& nome, int linhas,
                                 const QStringList& titulos) {
    auto* t = new QTableWidget(linhas, static_cast<int>(titulos.size()), pai);
    t->setObjectName(nome);
    t->setHorizontalHeaderLabels(titulos);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    return t;
}

QTableWidget* CriarTabelaFixa(QWidget* pai, const QString& nome, int linhas,
                              const QStringList& titulos, const QString& modeloNumero) {
    const int colunas = static_cast<int>(titulos.size());
    QTableWidget* t = CriarTabelaLeitura(pai, nome, linhas, titulos);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics fm(t->font());
    const int numero = fm.horizontalAdvance(modeloNumero) + 12;
    const int nome0 = fm.horizontalAdvance(TextoRecurso(Recursos::RitcheyChretien)) + 12;
    int largura = 2 * t->frameWidth();
    for (int c = 0; c < colunas; ++c) {
        for (int l = 0; l < linhas; ++l) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(l, c, item);
        }
        const int w = std::max(fm.horizontalAdvance(titulos[c]) + 16, c == 0 ? nome0 : numero);
        t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
        t->setColumnWidth(c, w);
        largura += w;
    }
    int altura = t->horizontalHeader()->sizeHint().height() + 2 * t->frameWidth();
    for (int l = 0; l < linhas; ++l)
        altura += t->rowHeight(l);
    t->setFixedSize(largura, altura);
    return t;
}

QTableWidget* CriarTabelaFixa(QWidget* pai, const QString& nome, int linhas,
                              const char* const* colunas, int nColunas,
                              const QString& modeloNumero) {
    QStringList titulos;
    for (int c = 0; c < nColunas; ++c)
        titulos << TextoRecurso(colunas[c]);
    return CriarTabelaFixa(pai, nome, linhas, titulos, modeloNumero);
}
