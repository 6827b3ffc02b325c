// The batch ray trace: the optics kernel's closed forms over arrays, branch-free, vectorised.
#include "TracadoLote.h"

#include <cmath>

// exact ray trace through conic surfaces: Welford, Aberrations of Optical Systems, ch. 4 (ray
// tracing); the intersection and the reflection are the kernel's RaizConica and RefletirConica.
//
// Every loop below is straight-line code over one ray: each test becomes a mask and each
// choice a select, so GCC vectorises it (this file is compiled with -fno-math-errno, so the
// square root is an instruction). The same template is instantiated once for the baseline and
// once for AVX2, and the entry point picks one when the processor is known.

namespace {

#define TELUVAR_INLINE inline __attribute__((always_inline))

struct Dados {
    double* __restrict ox;
    double* __restrict oy;
    double* __restrict oz;
    double* __restrict ux;
    double* __restrict uy;
    double* __restrict uz;
    double* __restrict caminho;
    double* __restrict fim;
    std::size_t n;
};

constexpr double Vivo = CodigoFim(FimRaio::Imagem);

// One mirror for every ray still alive: hit point, rim and hole, normal, reflection.
template <bool ComCaminho>
TELUVAR_INLINE void Espelhar(const Espelho& s, double perda, double semSuperficie,
                             double* __restrict vox, double* __restrict voy, double* __restrict voz,
                             double* __restrict vux, double* __restrict vuy, double* __restrict vuz,
                             double* __restrict vcaminho, double* __restrict vfim, std::size_t n) {
    const double c = Curvatura(s.forma), k1 = 1 + s.forma.b, zV = s.zVertice;
    const double externo = s.raioExterno * (1 + FolgaBorda);
    const double furo = s.raioFuro * (1 - FolgaBorda);
    const double externo2 = externo * externo, furo2 = furo * furo;
    for (std::size_t i = 0; i < n; ++i) {
        const double ox = vox[i], oy = voy[i], oz = voz[i];
        const double ux = vux[i], uy = vuy[i], uz = vuz[i];
        const double t = RaizConica(c, k1, ox, oy, oz - zV, ux, uy, uz);
        const double px = ox + t * ux, py = oy + t * uy, pz = oz + t * uz;
        const double rho2 = px * px + py * py;
        const bool raiz = t == t; // not NaN
        const bool acerta = raiz & !(rho2 > externo2) & !(rho2 < furo2);
        double rx = ux, ry = uy, rz = uz;
        RefletirConica(c, k1, px, py, pz - zV, rx, ry, rz);
        const double f = vfim[i];
        const bool vivo = f == Vivo;
        const bool segue = vivo & acerta;
        vfim[i] = vivo & !acerta ? (raiz ? perda : semSuperficie) : f;
        vox[i] = segue ? px : ox;
        voy[i] = segue ? py : oy;
        voz[i] = segue ? pz : oz;
        vux[i] = segue ? rx : ux;
        vuy[i] = segue ? ry : uy;
        vuz[i] = segue ? rz : uz;
        if constexpr (ComCaminho) vcaminho[i] += segue ? t : 0.0;
    }
}

// The image plane z = zImagem, ahead of the ray.
template <bool ComCaminho>
TELUVAR_INLINE void AoPlano(double zImagem, double* __restrict vox, double* __restrict voy,
                            double* __restrict voz, double* __restrict vux, double* __restrict vuy,
                            double* __restrict vuz, double* __restrict vcaminho,
                            double* __restrict vfim, std::size_t n) {
    const double perda = CodigoFim(FimRaio::PerdeuSecundario);
    for (std::size_t i = 0; i < n; ++i) {
        const double ox = vox[i], oy = voy[i], oz = voz[i];
        const double ux = vux[i], uy = vuy[i], uz = vuz[i];
        const double t = (zImagem - oz) / uz;
        const bool acerta = (uz != 0) & (t > 0);
        const double f = vfim[i];
        const bool vivo = f == Vivo;
        const bool segue = vivo & acerta;
        vfim[i] = vivo & !acerta ? perda : f;
        vox[i] = segue ? ox + t * ux : ox;
        voy[i] = segue ? oy + t * uy : oy;
        voz[i] = segue ? oz + t * uz : oz;
        if constexpr (ComCaminho) vcaminho[i] += segue ? t : 0.0;
    }
}

template <bool ComCaminho>
TELUVAR_INLINE void Tracar(const SistemaDoisEspelhos& s, double semPrimario, double semSecundario,
                           const Dados& d) {
#define TELUVAR_ARRAYS d.ox, d.oy, d.oz, d.ux, d.uy, d.uz, d.caminho, d.fim, d.n
    Espelhar<ComCaminho>(s.primario, CodigoFim(FimRaio::PerdeuPrimario), semPrimario,
                         TELUVAR_ARRAYS);
    Espelhar<ComCaminho>(s.secundario, CodigoFim(FimRaio::PerdeuSecundario), semSecundario,
                         TELUVAR_ARRAYS);
    AoPlano<ComCaminho>(s.zImagem, TELUVAR_ARRAYS);
#undef TELUVAR_ARRAYS
}

void TracarSse2(const SistemaDoisEspelhos& s, double a, double b, const Dados& d, bool caminho) {
    caminho ? Tracar<true>(s, a, b, d) : Tracar<false>(s, a, b, d);
}

__attribute__((target("avx2"))) void TracarAvx2(const SistemaDoisEspelhos& s, double a, double b,
                                                const Dados& d, bool caminho) {
    caminho ? Tracar<true>(s, a, b, d) : Tracar<false>(s, a, b, d);
}

// A mirror whose conic ends inside its rim: a ray with no root there met it where it is not a
// surface.
double SemSuperficie(const Espelho& s, FimRaio perda) {
    const bool indefinida = AlturaMaximaConica(s.forma) < s.raioExterno;
    return CodigoFim(indefinida ? FimRaio::SuperficieIndefinida : perda);
}

} // namespace

void LoteRaios::redimensionar(std::size_t n) {
    for (auto* v : {&ox, &oy, &oz, &ux, &uy, &uz})
        v->resize(n);
    fim.assign(n, Vivo);
}

bool Avx2Disponivel() {
    static const bool tem = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return tem;
}

void TracarLote(const SistemaDoisEspelhos& sistema, LoteRaios& lote, bool comCaminho,
                NivelVetor nivel) {
    const std::size_t n = lote.tamanho();
    lote.fim.assign(n, Vivo);
    if (comCaminho) lote.caminho.assign(n, 0.0);
    const Dados d{lote.ox.data(),
                  lote.oy.data(),
                  lote.oz.data(),
                  lote.ux.data(),
                  lote.uy.data(),
                  lote.uz.data(),
                  comCaminho ? lote.caminho.data() : nullptr,
                  lote.fim.data(),
                  n};
    const double a = SemSuperficie(sistema.primario, FimRaio::PerdeuPrimario);
    const double b = SemSuperficie(sistema.secundario, FimRaio::PerdeuSecundario);
    const bool avx2 =
        nivel == NivelVetor::Avx2 || (nivel == NivelVetor::Automatico && Avx2Disponivel());
    if (avx2 && Avx2Disponivel())
        TracarAvx2(sistema, a, b, d, comCaminho);
    else
        TracarSse2(sistema, a, b, d, comCaminho);
}
