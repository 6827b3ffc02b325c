// The design document: the one design record of the run and its change signal.
#include "Documento.h"

#include "Calculo.h"

#include <cstring>

TDocumento& TDocumento::Atual() {
    static TDocumento documento(Projeto);
    return documento;
}

TDocumento::TDocumento(TProjeto& registro, QObject* parent)
    : QObject(parent), m_registro(registro) {}

const TProjeto& TDocumento::Derivado() const {
    // Compared byte for byte, so a change made behind the document's back is seen too.
    if (!m_temDerivado || std::memcmp(&m_base, &m_registro, sizeof(TProjeto)) != 0) {
        std::memcpy(&m_base, &m_registro, sizeof(TProjeto));
        m_derivado = ValoresDerivados(m_registro);
        m_temDerivado = true;
    }
    return m_derivado;
}

void TDocumento::Limpar() {
    LimparProjeto(m_registro);
    Alterado();
}

void TDocumento::DefinirEntrada(double TProjeto::*campo, double valor) {
    m_registro.*campo = valor;
    Alterado();
}

void TDocumento::DefinirContagemGlares(std::int16_t nG) {
    m_registro.nG = nG;
    Alterado();
}

void TDocumento::Alterado() {
    if (m_mudancas > 0) {
        m_pendente = true;
        return;
    }
    emit alterado();
}

TDocumento::Mudanca::Mudanca(TDocumento& documento) : m_documento(documento) {
    ++m_documento.m_mudancas;
}

TDocumento::Mudanca::~Mudanca() {
    if (--m_documento.m_mudancas > 0 || !m_documento.m_pendente) return;
    m_documento.m_pendente = false;
    emit m_documento.alterado();
}
