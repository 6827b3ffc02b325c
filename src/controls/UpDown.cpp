// The up-down control bound to an edit, and the integer conversion it reads the edit with.
#include "UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <limits>

bool ConverterInteiro(const QString& texto, int& valor) {
    if (texto.isEmpty()) return false;
    qsizetype i = 0;
    bool negativo = false;
    int base = 10;
    if (texto[0] == u'-') {
        negativo = true;
        i = 1;
    } else if (texto[0] == u'$') {
        base = 16;
        i = 1;
    }
    if (i >= texto.size()) return false;
    qint64 acumulado = 0;
    for (; i < texto.size(); ++i) {
        const int d = QChar(texto[i]).isDigit() && texto[i].unicode() < 128
                          ? texto[i].unicode() - '0'
                      : (base == 16 && QStringLiteral("abcdefABCDEF").contains(texto[i]))
                          ? texto[i].toLower().unicode() - 'a' + 10
                          : -1;
        if (d < 0) return false;
        acumulado = acumulado * base + d;
        if (acumulado > qint64(std::numeric_limits<int>::max()) + 1) return false;
    }
    if (negativo) acumulado = -acumulado;
    if (acumulado > std::numeric_limits<int>::max() || acumulado < std::numeric_limits<int>::min())
        return false;
    valor = int(acumulado);
    return true;
}

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    m_cima = new QToolButton(this);
    m_cima->setObjectName(QStringLiteral("btnCima"));
    m_cima->setArrowType(Qt::UpArrow);
    m_cima->setFocusPolicy(Qt::NoFocus);
    m_baixo = new QToolButton(this);
    m_baixo->setObjectName(QStringLiteral("btnBaixo"));
    m_baixo->setArrowType(Qt::DownArrow);
    m_baixo->setFocusPolicy(Qt::NoFocus);
    connect(m_cima, &QToolButton::clicked, this, &TUpDown::subir);
    connect(m_baixo, &QToolButton::clicked, this, &TUpDown::descer);
}

// The two arrows share the height: up above, down below.
void TUpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int metade = height() / 2;
    m_cima->setGeometry(0, 0, width(), metade);
    m_baixo->setGeometry(0, metade, width(), height() - metade);
}

void TUpDown::setAssociate(QLineEdit* edit) {
    m_edit = edit;
    if (m_edit) m_edit->setText(QString::number(m_position));
}

void TUpDown::setRange(int minimo, int maximo) {
    m_min = minimo;
    m_max = maximo;
    m_position = std::clamp(m_position, m_min, m_max);
}

void TUpDown::setPosition(int valor) {
    if (valor != m_position) emit changingEx(valor);
    m_position = std::clamp(valor, m_min, m_max);
    if (m_edit) m_edit->setText(QString::number(m_position));
}

void TUpDown::lerDoEdit() {
    int valor = 0;
    if (m_edit && ConverterInteiro(m_edit->text(), valor))
        m_position = std::clamp(valor, m_min, m_max);
}

void TUpDown::subir() {
    lerDoEdit();
    if (m_position < m_max) setPosition(m_position + 1);
}

void TUpDown::descer() {
    lerDoEdit();
    if (m_position > m_min) setPosition(m_position - 1);
}
