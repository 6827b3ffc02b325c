// The numeric input field: typing rules, display pattern, range rule and change notification.
#include "NumberEdit.h"

#include "NumberFormat.h"
#include "Numeros.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include <algorithm>

namespace {

// Text changes made while it lives fire no change notification.
class Silencio {
public:
    explicit Silencio(bool& flag) : m_flag(flag), m_antes(flag) { m_flag = true; }
    ~Silencio() { m_flag = m_antes; }
    Silencio(const Silencio&) = delete;
    Silencio& operator=(const Silencio&) = delete;

private:
    bool& m_flag;
    bool m_antes;
};

// Line breaks and tabs of a pasted text become blanks; the text stays one line.
QString umaLinha(QString t) {
    for (QChar& c : t)
        if (c == u'\n' || c == u'\r' || c == u'\t') c = u' ';
    return t;
}

} // namespace

using namespace NumberFormat;

TNumberEdit::TNumberEdit(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(false); // dropped text would bypass the typing rules
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!m_silencio) emit changed();
    });
}

QChar TNumberEdit::separadorDecimal() const {
    return SeparadoresDoUsuario().decimal;
}

QChar TNumberEdit::separadorMilhar() const {
    return SeparadoresDoUsuario().milhar;
}

double TNumberEdit::Value() {
    const QChar dec = separadorDecimal();
    double v = 0;
    if (analisarTexto(limparTexto(text(), dec, separadorMilhar()), dec, &v))
        m_valor = aplicarFaixa(v, m_min, m_max);
    else
        m_valor = m_min;
    return m_valor;
}

void TNumberEdit::setValue(double valor) {
    m_valor = aplicarFaixa(valor, m_min, m_max);
    const QString t = textoEdicao(m_valor, m_decimalPlaces, m_zeroEmpty, separadorDecimal());
    if (t != text()) setText(t); // fires changed()
    update();
}

void TNumberEdit::setDisplayFormat(const QString& formato) {
    m_displayFormat = formato;
    update();
}

void TNumberEdit::setMinValue(double v) {
    m_min = v;
    setValue(Value());
}

void TNumberEdit::setMaxValue(double v) {
    m_max = v;
    setValue(Value());
}

void TNumberEdit::setZeroEmpty(bool on) {
    m_zeroEmpty = on;
    if (!m_editando) setValue(m_valor);
}

void TNumberEdit::setDisplayAlignment(Qt::Alignment a) {
    m_alignment = a;
    update();
}

QString TNumberEdit::shownText() const {
    if (m_editando) return text();
    return formatarPadrao(m_valor, m_displayFormat, separadorDecimal(), separadorMilhar());
}

void TNumberEdit::reformatarSemAviso(double valor) {
    Silencio s(m_silencio);
    setText(textoEdicao(valor, m_decimalPlaces, m_zeroEmpty, separadorDecimal()));
}

void TNumberEdit::recusar() {
    if (!m_beepOnError) return;
    BeepHandler();
}

void TNumberEdit::digitarTexto(const QString& texto) {
    const QChar dec = separadorDecimal();
    const QChar mil = separadorMilhar();
    const bool aceitaNegativo = !(m_min >= 0 && m_max > 0);
    for (QChar c : texto) {
        const QString inserido(mapearSeparador(c, dec, mil));
        const QString atual = text();
        const int inicio = hasSelectedText() ? selectionStart() : cursorPosition();
        const int tamanho = hasSelectedText() ? selectionLength() : 0;
        const QString candidato = atual.left(inicio) + inserido + atual.mid(inicio + tamanho);
        if (textoDigitavel(candidato, dec, mil, m_decimalPlaces, aceitaNegativo))
            insert(inserido); // fires changed()
        else
            recusar();
    }
}

void TNumberEdit::pasteChecked() {
    if (isReadOnly()) return;
    colarTexto(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

void TNumberEdit::colarTexto(const QString& texto) {
    const QString antes = text();
    {
        Silencio s(m_silencio);
        insert(umaLinha(texto));
    }
    const QChar dec = separadorDecimal();
    if (!analisarTexto(limparTexto(text(), dec, separadorMilhar()), dec, nullptr)) {
        {
            Silencio s(m_silencio);
            setText(antes);
        }
        setFocus(Qt::OtherFocusReason);
        selectAll();
        recusar();
        return;
    }
    if (text() != antes) emit changed();
}

void TNumberEdit::keyPressEvent(QKeyEvent* e) {
    const int tecla = e->key();
    if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
        e->ignore(); // goes on to the window, which may press its default button
        return;
    }
    if (tecla == Qt::Key_Escape) {
        // The window sees Esc first (a dialog's cancel button); then the text is reset.
        QPointer<TNumberEdit> vivo(this);
        if (QWidget* pai = parentWidget()) {
            QKeyEvent copia(e->type(), tecla, e->modifiers(), e->text());
            QCoreApplication::sendEvent(pai, &copia);
        }
        if (!vivo) return;
        setValue(m_valor);
        selectAll();
        e->accept();
        return;
    }
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        pasteChecked();
        e->accept();
        return;
    }
    const QString t = e->text();
    const bool imprimivel =
        !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c.isPrint(); });
    if (imprimivel) {
        if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            // A shortcut, never text: the edit acts on the key alone.
            QKeyEvent semTexto(e->type(), tecla, e->modifiers(), QString(), e->isAutoRepeat(),
                               ushort(e->count()));
            QLineEdit::keyPressEvent(&semTexto);
            e->setAccepted(semTexto.isAccepted());
            return;
        }
        digitarTexto(t);
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e); // Backspace, Delete, movement, undo, cut: unchecked
}

void TNumberEdit::inputMethodEvent(QInputMethodEvent* e) {
    if (isReadOnly()) {
        QLineEdit::inputMethodEvent(e);
        return;
    }
    // Composed text goes through the typing rules; what is still being composed is not shown.
    if (!e->commitString().isEmpty()) digitarTexto(e->commitString());
    e->accept();
}

void TNumberEdit::focusInEvent(QFocusEvent* e) {
    if (!m_editando) {
        m_editando = true;
        reformatarSemAviso(m_valor);
    }
    QLineEdit::focusInEvent(e);
    update();
}

void TNumberEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // Another window, a popup or the menu bar taking the focus doesn't leave the field.
    const Qt::FocusReason motivo = e->reason();
    if (motivo == Qt::ActiveWindowFocusReason || motivo == Qt::PopupFocusReason ||
        motivo == Qt::MenuBarFocusReason)
        return;
    if (!m_editando) return;
    const QChar dec = separadorDecimal();
    const QString limpo = limparTexto(text(), dec, separadorMilhar());
    double v = 0;
    if (analisarTexto(limpo, dec, &v)) {
        m_valor = aplicarFaixa(v, m_min, m_max);
        m_editando = false;
        reformatarSemAviso(m_valor);
        setCursorPosition(0);
        update();
    } else {
        // Leaving fails: the focus comes back once the focus change in progress is over.
        QTimer::singleShot(0, this, [this, limpo] { reterFoco(limpo); });
    }
}

void TNumberEdit::reterFoco(const QString& limpo) {
    if (!isVisible() || !isEnabled()) {
        m_editando = false; // the field went away with its window; nothing to keep
        update();
        return;
    }
    setFocus(Qt::OtherFocusReason);
    selectAll();
    const QString mensagem = QString::fromLatin1(MensagemConversao).arg(limpo);
    emit conversionError(mensagem);
    if (ErrorHandler) ErrorHandler(this, mensagem);
}

void TNumberEdit::paintEvent(QPaintEvent* e) {
    if (m_editando) {
        QLineEdit::paintEvent(e);
        return;
    }
    QPainter p(this);
    QStyleOptionFrame opcao;
    initStyleOption(&opcao);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &opcao, &p, this);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &opcao, this);
    area = area.marginsRemoved(textMargins()).adjusted(2, 0, -2, 0);
    p.setClipRect(area);
    p.setPen(palette().color(QPalette::Text));
    p.drawText(area, int(Qt::AlignVCenter | (m_alignment & Qt::AlignHorizontal_Mask)), shownText());
}

void TNumberEdit::mouseReleaseEvent(QMouseEvent* e) {
    QClipboard* area = QGuiApplication::clipboard();
    if (e->button() == Qt::MiddleButton && area->supportsSelection()) {
        if (!isReadOnly()) {
            setCursorPosition(cursorPositionAt(e->position().toPoint()));
            colarTexto(area->text(QClipboard::Selection));
        }
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void TNumberEdit::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto acoes = menu->actions();
    for (QAction* a : acoes) {
        if (a->menu()) {
            menu->removeAction(a); // inserting control characters would bypass the typing rules
        } else if (a->objectName() == QLatin1String("edit-paste")) {
            disconnect(a, &QAction::triggered, nullptr, nullptr);
            connect(a, &QAction::triggered, this, &TNumberEdit::pasteChecked);
        }
    }
    menu->popup(e->globalPos());
}
