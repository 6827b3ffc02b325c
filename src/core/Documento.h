// The design document: the one design record of the run, written through it, and one change
// signal for everything that follows the design (live windows, the main window's labels).
#pragma once

#include "Global.h"

#include <QObject>
#include <cstdint>

class TDocumento : public QObject {
    Q_OBJECT
public:
    // The document of the run, over the one design record.
    static TDocumento& Atual();
    explicit TDocumento(TProjeto& registro, QObject* parent = nullptr);

    TProjeto& Registro() { return m_registro; }
    const TProjeto& Registro() const { return m_registro; }
    // Every value the record's inputs decide, as they stand now (ValoresDerivados): computed
    // again only when the record changed since the last call, however it was written.
    const TProjeto& Derivado() const;

    // Empties the record as "&Novo" does (LimparProjeto) and tells of the change.
    void Limpar();
    // Writes one input (of the design or of its baffle) and tells of the change.
    void DefinirEntrada(double TProjeto::*campo, double valor);
    void DefinirContagemGlares(std::int16_t nG);
    // The record changed: alterado() now, or once when the outermost change in progress ends.
    void Alterado();

    // A change of several steps (opening a design, "&Novo", an input and its recomputation):
    // while one lives, the signal waits, and it is emitted once when the last one ends if
    // anything changed.
    class Mudanca {
    public:
        explicit Mudanca(TDocumento& documento = Atual());
        ~Mudanca();
        Mudanca(const Mudanca&) = delete;
        Mudanca& operator=(const Mudanca&) = delete;

    private:
        TDocumento& m_documento;
    };

signals:
    void alterado();

private:
    TProjeto& m_registro;
    mutable TProjeto m_base{};     // the record Derivado was last computed from
    mutable TProjeto m_derivado{}; // and what it gave
    mutable bool m_temDerivado = false;
    int m_mudancas = 0;
    bool m_pendente = false;
};
