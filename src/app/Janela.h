// Helpers shared by every window: fonts, error box, guarded handlers, cursor, pictures, labels.
#pragma once

#include "Recursos.h" // TextoRecurso, the texts of every window

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <exception>
#include <functional>
#include <utility>

class QComboBox;
class QSvgRenderer;
class QTreeWidget;
class QTreeWidgetItem;

// The application's fonts: the window font (the 8-point sans-serif the layouts were drawn
// for, 11 pixels) is set once for the whole application by TAplicacao.
QFont FonteJanela();
QFont FonteArial(int pixels, bool negrito = false); // the About box texts

// Error box. TextoErro adds the final "." the box shows; MostrarErro shows it through the error
// step of `origem`'s window (DialogosDe: by default the real box, caption "Projeto Teluvar",
// error icon, one OK button).
QString TextoErro(const QString& mensagem);
void MostrarErro(const QObject* origem, const QString& mensagem);
// The text of any exception that reaches a handler.
QString MensagemExcecao(const std::exception& erro);

// Runs one event handler of `origem`; an exception abandons the rest of it and reaches the error
// box of `origem`'s window.
template <class F> void Proteger(const QObject* origem, F&& manipulador) {
    try {
        std::forward<F>(manipulador)();
    } catch (const std::exception& erro) {
        MostrarErro(origem, MensagemExcecao(erro));
    }
}

// A handler method bound to its object, run through Proteger: what every signal of a window
// is connected to.
template <class T, class... A> auto Protegido(T* objeto, void (T::*metodo)(A...)) {
    return [objeto, metodo](A... argumentos) {
        Proteger(objeto, [&] { (objeto->*metodo)(argumentos...); });
    };
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

// The warning line of a window, `lblAviso`: what makes the design impossible to build
// (AvisosProjeto), one cause a line, red on pale yellow, its lower edge at `base` in `pai` (or,
// with `topo` >= 0, its upper edge at `topo`), as tall as its lines; hidden when there is nothing
// to say. MostrarAvisos sets its lines.
QLabel* CriarAviso(QWidget* pai, int x, int base, int largura, int topo = -1);
void MostrarAvisos(QLabel* aviso, const QStringList& avisos);

// Gives a resizable window the size it was drawn for, or less where the screen's free area
// (without task bars) is smaller, its title bar and frame included.
void AjustarATela(QWidget* janela, QSize desejado);

// The folder the design-file dialogs start in: the program's own folder when the user may write
// there, otherwise the user's documents folder (the home folder when there is none).
QString PastaInicialDialogos(const QString& pastaPrograma);
QString PastaInicialDialogos(); // of QCoreApplication::applicationDirPath()

// An SVG picture as an icon, drawn at whatever size is asked, so it stays sharp on any screen.
QIcon IconeSvg(const QString& recurso);

// The choice of variant every window offers: classical, Dall-Kirkham, Ritchey-Chrétien (the one
// chosen at first), named `cmbVariante` unless another name is given.
QComboBox* CriarComboVariante(QWidget* pai, const char* nome = "cmbVariante");

// A picture that paints an SVG resource scaled to its rectangle.
class TImagemSvg : public QWidget {
public:
    TImagemSvg(const QString& recurso, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
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

// A red diagram label over a picture (serif, bold italic, 14 pixels high): transparent, and
// either of fixed width (text aligned in it) or of automatic width that keeps its left edge or
// its right edge when the text changes.
class TRotulo : public QLabel {
public:
    enum class Largura { Fixa, AutoEsquerda, AutoDireita };
    // For Fixa, x is the left edge and largura the width (a longer text widens it, about its
    // centre when centred); for AutoEsquerda x is the left edge; for AutoDireita x is the right
    // edge (one past the last pixel).
    TRotulo(QWidget* parent, const char* nome, Largura modo, int x, int y, int largura = 0,
            Qt::Alignment alinhamento = Qt::AlignLeft);
    void definirTexto(const QString& texto);

private:
    Largura m_modo;
    int m_x;
    int m_largura; // Fixa: the width it was given
};

// Writes label texts computed by the core into the labels, given in the order of its enum.
template <class Textos, std::size_t N>
void EscreverRotulos(const std::array<TRotulo*, N>& rotulos, const Textos& textos) {
    for (std::size_t k = 0; k < N; ++k)
        rotulos[k]->definirTexto(textos.textos[k]);
}

// A list in report style: grid lines, read-only, one selected row at a time, column headings
// that do nothing when clicked; each column with its heading, width and alignment.
struct ColunaLista {
    QString titulo;
    int largura;
    Qt::Alignment alinhamento;
};
void ConfigurarListaRelatorio(QTreeWidget* lista, const QList<ColunaLista>& colunas);

// The small fixed-size windows: a tool window (narrow caption bar, close box only, no
// resizing). The window systems the program runs on, the offscreen one included, activate a
// tool window like any dialog, so it takes the keyboard when it opens.
inline constexpr Qt::WindowFlags JanelaFerramenta =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

// Puts a small window in the middle of the window of its owner (none: where it is).
void CentrarNoDono(QWidget* janela, QWidget* dono);

// Calls `selecionar` with each row whose selection changed: the row left first, then the row
// chosen.
void ConectarSelecao(QTreeWidget* lista, std::function<void(QTreeWidgetItem*)> selecionar);

// Empties a list without reporting the deselection of its rows (they are gone, not unselected);
// returns whether the list has the focus, so its window can empty the status bar.
bool EsvaziarLista(QTreeWidget* lista);

// Focus coming to a control from another control of its window, or leaving it for one; a window
// or a popup coming and going is neither, and neither is the menu bar taking the keyboard (Alt,
// F10) or giving it back.
enum class Foco { Nenhum, Entrada, Saida };
Foco FocoEntreControles(const QEvent* evento);
