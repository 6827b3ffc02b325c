// Test fixtures: the empty design record and the worked examples of the layout and the baffle.
#pragma once

#include "Global.h"

#include <cstring>

// All bytes zero, then reset as the program resets it.
inline TProjeto ProjetoVazio() {
    TProjeto p;
    std::memset(&p, 0, sizeof p);
    LimparProjeto(p);
    return p;
}

// The worked example of the layout: D1 = 200, f/4 primary, magnification 4, e = 200, i = 20.
inline TProjeto ProjetoExemplo() {
    TProjeto p = ProjetoVazio();
    p.D1 = 200;
    p.fD1 = 4;
    p.gamma = 4;
    p.e = 200;
    p.i = 20;
    return p;
}

// The worked example of the baffle: a layout with D2 = 50, d = 600, e = 150, i = 20, f1 = 800,
// a tube 40 × 44 mm and 400 mm long, four stops, the secondary's support 60 mm across.
inline TProjeto DefletorExemplo() {
    TProjeto p = ProjetoVazio();
    p.D2 = 50;
    p.d = 600;
    p.e = 150;
    p.i = 20;
    p.f1 = 800;
    p.DDi = 40;
    p.DDe = 44;
    p.LTotal = 400;
    p.nG = 4;
    p.SSDe = 60;
    return p;
}
