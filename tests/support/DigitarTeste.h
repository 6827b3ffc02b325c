// Test helpers: replace a field's whole text by typing, as a user does.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QTest>

// Clicks into the field, selects its text with Ctrl+A and types over it.
inline void digitarSobre(QWidget* campo, const QString& texto) {
    QTest::mouseClick(campo, Qt::LeftButton);
    QTest::keyClick(campo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(campo, texto);
}

// Selects the text and erases it with Backspace (the field sees it empty), then types.
inline void apagarEDigitar(QLineEdit* campo, const QString& texto) {
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Backspace);
    QTest::keyClicks(campo, texto);
}
