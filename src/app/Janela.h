// Helpers shared by every window: font, error box, hourglass cursor, SVG pictures, labels.
#pragma once

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <exception>
#include <functional>
#include <utility>

class QSvgRenderer;
class QTreeWidget;

// Makes the pictures compiled into the program available (safe to call more than once).
void IniciarRecursos();

// The application's fonts: the window font (the 8-point sans-serif the layouts were drawn
// for, 11 pixels) is set once for the whole application by AplicarFonte.
QFont FonteJanela();
QFont FonteRotulo();                                // red diagram labels: serif, bold italic
QFont FonteArial(int pixels, bool negrito = false); // the About box texts
void AplicarFonte(QApplication& app);

// Error box. TextoErro adds the final "." the box shows; MostrarErro shows the box through the
// current handler (the real message box unless a test replaced it).
QString TextoErro(const QString& mensagem);
using ManipuladorErro = std::function<void(const QString& texto)>;
void MostrarErro(const QString& mensagem);
// Replaces the handler; an empty function restores the real box. Returns the previous one.
ManipuladorErro DefinirManipuladorErro(ManipuladorErro manipulador);
// The real box: caption "Projeto Teluvar", error icon, one OK button.
void CaixaErro(const QString& texto);
// The text of any exception that reaches a handler.
QString MensagemExcecao(const std::exception& erro);

// Runs one event handler; an exception abandons the rest of it and reaches the error box.
template <class F> void Proteger(F&& manipulador) {
    try {
        std::forward<F>(manipulador)();
    } catch (const std::exception& erro) {
        MostrarErro(MensagemExcecao(erro));
    }
}

// A handler method bound to its object, run through Proteger: what a signal is connected to.
template <class T> auto Protegido(T* objeto, void (T::*metodo)()) {
    return [objeto, metodo] { Proteger([objeto, metodo] { (objeto->*metodo)(); }); };
}

// The application object: a safety net that shows any exception escaping an event handler.
class TAplicacao : public QApplication {
public:
    TAplicacao(int& argc, char** argv);
    bool notify(QObject* receptor, QEvent* evento) override;
};

// The hourglass for the lifetime of the object; the destructor restores the cursor, also
// when the work in between fails.
class CursorAmpulheta {
public:
    CursorAmpulheta();
    ~CursorAmpulheta();
    CursorAmpulheta(const CursorAmpulheta&) = delete;
    CursorAmpulheta& operator=(const CursorAmpulheta&) = delete;
};

// SVG pictures: an icon (drawn at whatever size is asked, so it stays sharp on any screen),
// a pixmap of a given logical size at a device pixel ratio, and a drawing onto a painter.
QIcon IconeSvg(const QString& recurso);
QPixmap PixmapSvg(const QString& recurso, QSize tamanho, qreal razaoPixel = 1.0);
void DesenharSvg(QPainter& pintor, const QString& recurso, const QRectF& destino);

// A picture that paints an SVG resource scaled to its rectangle.
class TImagemSvg : public QWidget {
public:
    TImagemSvg(const QString& recurso, QWidget* parent);
    const QString& recurso() const { return m_recurso; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QString m_recurso;
    QSvgRenderer* m_renderer;
    QPixmap m_cache; // the drawing at the current size and device pixel ratio
};

// A panel with a raised inner and a lowered outer bevel, one pixel each.
class TPainelChanfrado : public QWidget {
public:
    explicit TPainelChanfrado(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* evento) override;
};

// A label over a picture: transparent, and either of fixed width (text aligned in it) or of
// automatic width that keeps its left edge or its right edge when the text changes.
class TRotulo : public QLabel {
public:
    enum class Largura { Fixa, AutoEsquerda, AutoDireita };
    // For Fixa, x is the left edge and largura the width; for AutoEsquerda x is the left
    // edge; for AutoDireita x is the right edge (one past the last pixel).
    TRotulo(QWidget* parent, const char* nome, Largura modo, int x, int y, int altura,
            int largura = 0, Qt::Alignment alinhamento = Qt::AlignLeft);
    void definirTexto(const QString& texto);

private:
    Largura m_modo;
    int m_x;
};

// A list in report style: grid lines, read-only, one selected row at a time, column headings
// that do nothing when clicked; each column with its heading, width and alignment.
struct ColunaLista {
    QString titulo;
    int largura;
    Qt::Alignment alinhamento;
};
void ConfigurarListaRelatorio(QTreeWidget* lista, const QList<ColunaLista>& colunas);
