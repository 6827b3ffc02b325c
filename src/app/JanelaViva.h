// The base of the live windows: modeless, with the report tool bar and a variant choice, following
// every change of the design and computing off the interface thread with stale results dropped.
#pragma once

#include <QFutureWatcher>
#include <QPointer>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>
#include <functional>
#include <memory>

class QComboBox;
class QHBoxLayout;
class QToolBar;
class QToolButton;
class QVBoxLayout;
class TrpReport;

class TJanelaViva : public QWidget {
    Q_OBJECT
public:
    // A window of its own (Qt::Window) owned by `owner`; objectName and caption given.
    TJanelaViva(QWidget* owner, const char* nome, const QString& titulo);

    QToolBar* ToolBar1 = nullptr;
    QToolButton* btnImprimir = nullptr;
    QToolButton* btnPreview = nullptr;
    QToolButton* btnPdf = nullptr;
    // The variant shown: 0 classical, 1 Dall-Kirkham, 2 Ritchey-Chrétien (the default).
    QComboBox* cmbVariante = nullptr;
    int variante() const;

    // The generation of the newest computation asked for; a result of an older one is dropped.
    unsigned geracao() const { return m_geracao; }

public slots:
    // Called on every change of the design (connected to the main window's projetoAlterado).
    virtual void Recalcular() = 0;
    void btnImprimirClick();
    void btnPreviewClick();
    void btnPdfClick();

protected:
    // The layout under the tool bar where a window puts its controls.
    QVBoxLayout* corpo() const { return m_corpo; }
    // The row of the variant choice, where a window may add controls of its own after it.
    QHBoxLayout* linhaVariante() const { return m_linhaVariante; }
    // Hides the variant choice, for a window that shows every variant at once.
    void OcultarVariante();
    // Hides the report tool bar, for a window that has no report.
    void OcultarBarraRelatorio();
    // The window's report and its preview caption, for the tool bar's flows (none: buttons off).
    virtual TrpReport* relatorio() { return nullptr; }
    virtual QString tituloPreview() const { return windowTitle(); }
    // Brings the report's data up to date before print, preview or PDF (by default Recalcular).
    virtual void PrepararImpressao() { Recalcular(); }

    // Runs `calcular` on a worker thread and hands its result to `mostrar` on the interface
    // thread, unless another Calcular was asked for in the meantime (then the result is dropped).
    template <class R>
    void Calcular(std::function<R()> calcular, std::function<void(const R&)> mostrar) {
        const unsigned minha = ++m_geracao;
        auto* vigia = new QFutureWatcher<R>(this);
        QPointer<TJanelaViva> eu(this);
        connect(vigia, &QFutureWatcherBase::finished, this, [this, vigia, minha, mostrar, eu] {
            vigia->deleteLater();
            if (!eu || minha != m_geracao) return; // stale
            mostrar(vigia->result());
            emit calculado();
        });
        ++m_emCurso;
        connect(vigia, &QFutureWatcherBase::finished, this, [this] { --m_emCurso; });
        vigia->setFuture(QtConcurrent::run(std::move(calcular)));
    }
    // True while a computation started by Calcular has not finished.
    bool calculando() const { return m_emCurso > 0; }

signals:
    // A result was shown (the newest).
    void calculado();
    // The variant choice changed.
    void varianteAlterada(int variante);

private:
    QVBoxLayout* m_corpo = nullptr;
    QHBoxLayout* m_linhaVariante = nullptr;
    unsigned m_geracao = 0;
    int m_emCurso = 0;
};
