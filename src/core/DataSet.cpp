// An in-memory table with named, typed fields and a current record.
#include "DataSet.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

TMemDataSet::TMemDataSet(QString nome) : m_nome(std::move(nome)) {}

void TMemDataSet::adicionarCampo(const QString& nome, TipoCampo tipo, int tamanho) {
    if (m_aberto) throw std::runtime_error("Cannot define fields of an open data set");
    m_campos.push_back({nome, tipo, tamanho});
}

int TMemDataSet::FieldIndex(const QString& nome) const {
    for (std::size_t k = 0; k < m_campos.size(); ++k)
        if (m_campos[k].nome.compare(nome, Qt::CaseInsensitive) == 0) return static_cast<int>(k);
    return -1;
}

void TMemDataSet::Open() {
    if (m_aberto) return;
    m_aberto = true;
    m_atual = 0;
}

void TMemDataSet::Close() {
    m_aberto = false;
    m_linhas.clear();
    m_edicao.clear();
    m_editando = false;
    m_atual = 0;
}

void TMemDataSet::EmptyTable() {
    m_linhas.clear();
    m_edicao.clear();
    m_editando = false;
    m_atual = 0;
}

void TMemDataSet::Append() {
    if (!m_aberto) throw std::runtime_error("Data set is not open: " + m_nome.toStdString());
    if (m_editando) Post();
    m_edicao.assign(m_campos.size(), QVariant());
    m_editando = true;
}

QVariant TMemDataSet::converter(int indice, const QVariant& valor) const {
    if (!valor.isValid() || valor.isNull()) return QVariant();
    const Campo& campo = m_campos[static_cast<std::size_t>(indice)];
    switch (campo.tipo) {
    case TipoCampo::Texto: {
        QString texto = valor.toString();
        if (campo.tamanho > 0 && texto.size() > campo.tamanho) texto.truncate(campo.tamanho);
        return texto;
    }
    case TipoCampo::Inteiro16: {
        bool ok = false;
        const double numero = valor.toDouble(&ok);
        if (!ok || std::isnan(numero))
            throw std::runtime_error("Invalid value for field " + campo.nome.toStdString());
        const double truncado = std::trunc(numero);
        if (truncado < std::numeric_limits<std::int16_t>::min() ||
            truncado > std::numeric_limits<std::int16_t>::max())
            throw std::runtime_error("Value out of range for field " + campo.nome.toStdString());
        return QVariant::fromValue<qint16>(static_cast<qint16>(truncado));
    }
    case TipoCampo::Real: {
        bool ok = false;
        const double numero = valor.toDouble(&ok);
        if (!ok) throw std::runtime_error("Invalid value for field " + campo.nome.toStdString());
        return numero;
    }
    }
    return QVariant();
}

void TMemDataSet::SetField(const QString& campo, const QVariant& valor) {
    if (!m_editando)
        throw std::runtime_error("Data set is not in edit mode: " + m_nome.toStdString());
    const int indice = FieldIndex(campo);
    if (indice < 0) throw std::runtime_error("Field not found: " + campo.toStdString());
    m_edicao[static_cast<std::size_t>(indice)] = converter(indice, valor);
}

void TMemDataSet::Post() {
    if (!m_editando) return;
    m_linhas.push_back(std::move(m_edicao));
    m_edicao.clear();
    m_editando = false;
    m_atual = static_cast<int>(m_linhas.size()) - 1;
}

void TMemDataSet::First() {
    if (m_editando) Post();
    m_atual = 0;
}

void TMemDataSet::Next() {
    if (m_editando) Post();
    if (m_atual < RecordCount()) ++m_atual;
}

bool TMemDataSet::Eof() const {
    return m_atual >= RecordCount();
}

void TMemDataSet::SetRecNo(int recno) {
    m_atual = std::clamp(recno, 0, RecordCount());
}

QVariant TMemDataSet::FieldValue(int indice) const {
    if (indice < 0 || indice >= static_cast<int>(m_campos.size())) return QVariant();
    if (m_editando) return m_edicao[static_cast<std::size_t>(indice)];
    if (m_atual < 0 || m_atual >= RecordCount()) return QVariant();
    return m_linhas[static_cast<std::size_t>(m_atual)][static_cast<std::size_t>(indice)];
}

QVariant TMemDataSet::FieldValue(const QString& campo) const {
    const int indice = FieldIndex(campo);
    if (indice < 0) throw std::runtime_error("Field not found: " + campo.toStdString());
    return FieldValue(indice);
}
