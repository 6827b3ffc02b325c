// The batch ray trace: many rays through a two-mirror telescope at once, as structure-of-arrays,
// with the optics kernel's closed forms written without branches so the compiler vectorises
// them (SSE2 on every x86-64, AVX2 where the processor has it, chosen at run time).
#pragma once

#include "TracadoRaios.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The rays, one array per coordinate. Before a trace: each ray's origin and unit direction.
// After it: for a ray that reached the image plane (fim == FimRaio::Imagem), its point there and
// its last direction; a lost ray keeps the last point it reached on a mirror (or its origin)
// and the direction it had there, and fim says where it was lost, as TracarRaio does
// (obstructions are not traced here).
struct LoteRaios {
    std::vector<double> ox, oy, oz;
    std::vector<double> ux, uy, uz;
    // Only when the trace is asked for it: the geometric path length (mm) of each ray from its
    // origin to where it ended, summed over its segments (the optical path length in air, for
    // the wavefront: compare rays from one plane of equal phase to one reference surface).
    std::vector<double> caminho;
    // How each ray ended, a FimRaio as a number (a double, so the mask lives in the same vector
    // lanes as the coordinates): 0 for Imagem; read it with fimDoRaio.
    std::vector<double> fim;
    FimRaio fimDoRaio(std::size_t i) const {
        return static_cast<FimRaio>(static_cast<int>(fim[i]));
    }
    std::size_t tamanho() const { return ox.size(); }
    void redimensionar(std::size_t n);
};

constexpr double CodigoFim(FimRaio f) {
    return static_cast<double>(static_cast<int>(f));
}

// The code path of the trace: Automatico takes the best the processor has.
enum class NivelVetor { Automatico, Sse2, Avx2 };
bool Avx2Disponivel();

// Traces every ray of the batch through primary, secondary and image plane. comCaminho
// accumulates the path length into lote.caminho (resized and zeroed). The result lands on the
// same points as TracarRaio within rounding (the same closed forms in the same order).
void TracarLote(const SistemaDoisEspelhos& sistema, LoteRaios& lote, bool comCaminho = false,
                NivelVetor nivel = NivelVetor::Automatico);
