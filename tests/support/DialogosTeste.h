// Test helper: the dialog steps given to an object (qApp: every window's) replaced for a scope.
#pragma once

#include "Dialogos.h"

#include <QObject>

class SubstituirDialogos {
public:
    SubstituirDialogos(QObject* dono, const TDialogos& dialogos)
        : m_dono(dono), m_anterior(DialogosDe(dono)) {
        DefinirDialogos(dono, dialogos);
    }
    ~SubstituirDialogos() { DefinirDialogos(m_dono, m_anterior); }
    SubstituirDialogos(const SubstituirDialogos&) = delete;
    SubstituirDialogos& operator=(const SubstituirDialogos&) = delete;

private:
    QObject* m_dono;
    TDialogos m_anterior;
};
