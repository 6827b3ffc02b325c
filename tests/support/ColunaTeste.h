// Test helper: one column of a list checked as a user sees it: heading, width, headings not
// clickable, and the same horizontal alignment in the heading and in every row.
#pragma once

#include <QHeaderView>
#include <QTreeWidget>
#include <QtTest>

inline void ConferirColuna(QTreeWidget* arvore, int coluna, const QString& titulo, int largura,
                           int alinhamento) {
    QVERIFY(arvore);
    QCOMPARE(arvore->headerItem()->text(coluna), titulo);
    QCOMPARE(arvore->columnWidth(coluna), largura);
    QVERIFY(!arvore->header()->sectionsClickable());
    // No horizontal flag is the left alignment.
    auto horizontal = [](int a) {
        a &= Qt::AlignHorizontal_Mask;
        return a == 0 ? int(Qt::AlignLeft) : a;
    };
    QCOMPARE(horizontal(arvore->headerItem()->textAlignment(coluna)), alinhamento);
    QVERIFY(arvore->topLevelItemCount() > 0);
    for (int k = 0; k < arvore->topLevelItemCount(); ++k)
        QCOMPARE(horizontal(arvore->topLevelItem(k)->textAlignment(coluna)), alinhamento);
}
