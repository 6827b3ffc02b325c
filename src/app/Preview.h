// The preview window: tool bar, zoom box and the preview control showing a report's pages.
#pragma once

#include "UpDown.h"

#include <QDialog>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;
class TrpPreview;

class TfrmPreview : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPreview(QWidget* owner);

    // Stores the caption and shows it.
    void definirTitulo(const QString& titulo);
    const QString& titulo() const { return m_titulo; }

    TrpPreview* rpPreview1 = nullptr;
    QWidget* ToolBar1 = nullptr;
    QToolButton* btnAbrir = nullptr;
    QToolButton* btnSalvar = nullptr;
    QToolButton* btnConfigurarImpressora = nullptr;
    QToolButton* btnImprimir = nullptr;
    QToolButton* btnPdf = nullptr;
    QToolButton* btnZoomIn = nullptr;
    QWidget* Panel1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    TUpDown* UpDown1 = nullptr;
    QLabel* Label1 = nullptr;
    QToolButton* btnZoomOut = nullptr;
    QToolButton* btnAjustarAPagina = nullptr;
    QToolButton* btnAjustarALargura = nullptr;
    QToolButton* btnSair = nullptr;

    // Handlers.
    void FormShow();
    void UpDown1ChangingEx(int novoValor);
    void btnZoomInClick();
    void btnZoomOutClick();
    bool Edit1KeyPress(QChar tecla); // true when the key is swallowed or consumed
    void btnAjustarAPaginaClick();
    void btnAjustarALarguraClick();
    void btnAbrirClick();
    void btnSalvarClick();
    void btnImprimirClick();
    void btnPdfClick();
    void btnConfigurarImpressoraClick();
    void btnSairClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QToolButton* criarBotao(const char* nome, int esquerda, const char* glifo, const QString& dica);
    void criarSeparador(int esquerda);

    QString m_titulo;
};
