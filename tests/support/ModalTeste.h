// Test helper: acts on the next modal dialog that opens, as a user answering it would.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `acao` on the next modal dialog that opens (polled from a timer).
inline void quandoModalAbrir(std::function<void(QWidget*)> acao) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, acao] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            const QPointer<QWidget> aberto(modal);
            acao(modal);
            // A dialog the action failed to close is closed anyway, so a failure can't hang.
            QTimer::singleShot(3000, [aberto] {
                if (aberto && aberto->isVisible()) aberto->close();
            });
        }
    });
    timer->start();
}
