// The design document: the one design record of the run and its change signal.
#include "Documento.h"

TDocumento& TDocumento::Atual() {
    static TDocumento documento(Projeto);
    return documento;
}

TDocumento::TDocumento(TProjeto& registro, QObject* parent)
    : QObject(parent), m_registro(registro) {}

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
