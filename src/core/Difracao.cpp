// Diffraction image quality of the three variants: wavefront, Strehl ratio, PSF, MTF and
// encircled energy over the annular (centrally obstructed) pupil, from the exact ray trace.
#include "Difracao.h"

#include "NumeroTexto.h"
#include "Recursos.h"

#include <QJsonArray>
#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <future>
#include <map>
#include <memory>
#include <mutex>

// Optical path to a reference sphere, piston and tilt, RMS and Strehl ratio (extended Maréchal):
// Born & Wolf, Principles of Optics, ch. 9.1-9.3; the PSF as the squared modulus of the pupil's
// Fourier transform and the OTF as its autocorrelation: Goodman, Introduction to Fourier Optics,
// ch. 6; the annular aperture's MTF and encircled energy: O'Neill, JOSA 46 (1956) 285, and
// Mahajan, Optical Imaging and Aberrations, part II, ch. 2.

namespace {
double Distancia(const Vetor3& a, const Vetor3& b) {
    return Norma(a - b);
}

// FFTW plans for one transform size, made once under a lock (the planner is not thread-safe;
// executing a plan on new arrays is).
struct Planos {
    fftw_plan direto = nullptr; // complex M × M, in place
    fftw_plan real = nullptr;   // real M × M to its half spectrum M × (M/2 + 1)
};
std::mutex TravaPlanos;
const Planos& PlanosDe(int m) {
    static std::map<int, Planos> planos;
    std::lock_guard<std::mutex> trava(TravaPlanos);
    auto it = planos.find(m);
    if (it != planos.end()) return it->second;
    Planos p;
    const std::size_t nn = static_cast<std::size_t>(m) * static_cast<std::size_t>(m);
    auto* c = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * nn));
    auto* r = static_cast<double*>(fftw_malloc(sizeof(double) * nn));
    auto* s = static_cast<fftw_complex*>(
        fftw_malloc(sizeof(fftw_complex) * static_cast<std::size_t>(m) * (m / 2 + 1)));
    p.direto = fftw_plan_dft_2d(m, m, c, c, FFTW_FORWARD, FFTW_ESTIMATE);
    p.real = fftw_plan_dft_r2c_2d(m, m, r, s, FFTW_ESTIMATE);
    fftw_free(c);
    fftw_free(r);
    fftw_free(s);
    return planos.emplace(m, p).first->second;
}

struct LiberarFftw {
    void operator()(void* p) const { fftw_free(p); }
};
template <typename T> std::unique_ptr<T[], LiberarFftw> AlocarFftw(std::size_t n) {
    return std::unique_ptr<T[], LiberarFftw>(static_cast<T*>(fftw_malloc(sizeof(T) * n)));
}

// The encircled-energy kernel r·J1(2πr√m/n)/(n·√m) for the radii of RaiosEnergia() and the
// values m = kx² + ky² ≤ n² that occur, made once per grid size.
struct NucleoEnergia {
    std::vector<int> ms;       // the m that occur, ascending
    std::vector<double> pesos; // [radius][index of m]
};
double Nucleo(int m, int n, double r) {
    if (m == 0) return Pi * r * r / (static_cast<double>(n) * n);
    const double k = std::sqrt(static_cast<double>(m));
    // The C library's first-order Bessel function (the same to about 1e-15, many times faster
    // than the general-order std::cyl_bessel_j, which made this table the larger part of a run).
    return r * j1(2 * Pi * r * k / n) / (n * k);
}
std::mutex TravaNucleos;
const NucleoEnergia& NucleoDe(int n) {
    static std::map<int, std::unique_ptr<NucleoEnergia>> nucleos;
    std::lock_guard<std::mutex> trava(TravaNucleos);
    auto& p = nucleos[n];
    if (p) return *p;
    p = std::make_unique<NucleoEnergia>();
    std::vector<char> ocorre(static_cast<std::size_t>(n) * n + 1, 0);
    for (int kx = 0; kx <= n; ++kx)
        for (int ky = 0; kx * kx + ky * ky <= n * n; ++ky)
            ocorre[static_cast<std::size_t>(kx * kx + ky * ky)] = 1;
    for (int m = 0; m <= n * n; ++m)
        if (ocorre[static_cast<std::size_t>(m)]) p->ms.push_back(m);
    const std::vector<double>& raios = RaiosEnergia();
    p->pesos.resize(raios.size() * p->ms.size());
    for (std::size_t i = 0; i < raios.size(); ++i)
        for (std::size_t j = 0; j < p->ms.size(); ++j)
            p->pesos[i * p->ms.size() + j] = Nucleo(p->ms[j], n, raios[i]);
    return *p;
}

// The radius where a rising curve first reaches `nivel`, by linear interpolation (0 if never).
double RaioNivel(const std::vector<double>& raios, const std::vector<double>& e, double nivel) {
    for (std::size_t i = 1; i < e.size(); ++i)
        if (e[i] >= nivel) {
            const double a = e[i - 1], b = e[i];
            const double t = b > a ? (nivel - a) / (b - a) : 0;
            return raios[i - 1] + std::clamp(t, 0.0, 1.0) * (raios[i] - raios[i - 1]);
        }
    return 0;
}
} // namespace

FrenteOnda GradeAnular(int n, double raio, double raioInterno) {
    FrenteOnda f;
    f.n = n;
    f.raio = raio;
    const std::size_t nn = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    f.opd.assign(nn, 0);
    f.dentro.assign(nn, 0);
    const double passo = 2 * raio / n;
    for (int iy = 0; iy < n; ++iy)
        for (int ix = 0; ix < n; ++ix) {
            const double x = (ix + 0.5 - n / 2.0) * passo, y = (iy + 0.5 - n / 2.0) * passo;
            const double rho = std::sqrt(x * x + y * y);
            if (rho <= raio && rho >= raioInterno) {
                f.dentro[static_cast<std::size_t>(iy) * n + ix] = 1;
                ++f.celulas;
            }
        }
    return f;
}

bool RemoverPistaoInclinacao(FrenteOnda& f) {
    // Least squares W ≈ a + b·x + c·y over the cells that pass light (normal equations).
    double s[3][3] = {}, t[3] = {};
    int celulas = 0;
    for (int iy = 0; iy < f.n; ++iy)
        for (int ix = 0; ix < f.n; ++ix) {
            const std::size_t i = static_cast<std::size_t>(iy) * f.n + ix;
            if (!f.dentro[i]) continue;
            const double base[3] = {1, ix + 0.5 - f.n / 2.0, iy + 0.5 - f.n / 2.0};
            for (int a = 0; a < 3; ++a) {
                t[a] += base[a] * f.opd[i];
                for (int b = 0; b < 3; ++b)
                    s[a][b] += base[a] * base[b];
            }
            ++celulas;
        }
    f.celulas = celulas;
    f.rms = f.pv = 0;
    if (celulas == 0) return false;
    // Gaussian elimination with partial pivoting on the 3 × 3 system; a singular system (all
    // cells on one line) keeps the tilt it cannot determine.
    double m[3][4];
    for (int a = 0; a < 3; ++a) {
        for (int b = 0; b < 3; ++b)
            m[a][b] = s[a][b];
        m[a][3] = t[a];
    }
    double coef[3] = {0, 0, 0};
    bool usar[3] = {true, true, true};
    for (int c = 0; c < 3; ++c) {
        int p = c;
        for (int a = c + 1; a < 3; ++a)
            if (std::fabs(m[a][c]) > std::fabs(m[p][c])) p = a;
        if (std::fabs(m[p][c]) < 1e-12 * std::max(1.0, s[0][0])) {
            usar[c] = false;
            continue;
        }
        std::swap(m[p], m[c]);
        for (int a = 0; a < 3; ++a) {
            if (a == c) continue;
            const double k = m[a][c] / m[c][c];
            for (int b = c; b < 4; ++b)
                m[a][b] -= k * m[c][b];
        }
    }
    for (int c = 0; c < 3; ++c)
        if (usar[c]) coef[c] = m[c][3] / m[c][c];
    double soma2 = 0, minimo = INFINITY, maximo = -INFINITY;
    for (int iy = 0; iy < f.n; ++iy)
        for (int ix = 0; ix < f.n; ++ix) {
            const std::size_t i = static_cast<std::size_t>(iy) * f.n + ix;
            if (!f.dentro[i]) {
                f.opd[i] = 0;
                continue;
            }
            f.opd[i] -=
                coef[0] + coef[1] * (ix + 0.5 - f.n / 2.0) + coef[2] * (iy + 0.5 - f.n / 2.0);
            soma2 += f.opd[i] * f.opd[i];
            minimo = std::min(minimo, f.opd[i]);
            maximo = std::max(maximo, f.opd[i]);
        }
    // The fit leaves the mean at zero, so the RMS is about the mean.
    f.rms = std::sqrt(soma2 / celulas);
    f.pv = maximo - minimo;
    return true;
}

bool PupilaSaida(const SistemaDoisEspelhos& sistema, double& zPupila) {
    // A ray from the primary's vertex at a small angle towards the secondary, reflected, then
    // extended to the axis: the image of the primary (the stop) by the secondary.
    const double alfa = 1e-6;
    const Raio r{{0, 0, sistema.primario.zVertice}, {0, std::sin(alfa), std::cos(alfa)}};
    double t = 0;
    const Espelho& s = sistema.secundario;
    if (!IntersectarConica(s.forma, {r.origem.x, r.origem.y, r.origem.z - s.zVertice}, r.direcao,
                           t))
        return false;
    const Vetor3 p{0, t * r.direcao.y, r.origem.z + t * r.direcao.z};
    const Vetor3 u = Refletir(r.direcao, NormalConica(s.forma, {p.x, p.y, p.z - s.zVertice}));
    if (u.y == 0) return false;
    zPupila = p.z - p.y / u.y * u.z;
    return Finito(zPupila);
}

bool FrenteDoFeixe(const SistemaDoisEspelhos& sistema, double theta, double zInicio,
                   const ReferenciaFrente& ref, FrenteOnda& f) {
    return FrenteDoFeixe(sistema, theta, zInicio, ref, f,
                         [&sistema](const Raio& r) { return TracarRaio(sistema, r); });
}

double StrehlMarechal(double rms) {
    return std::exp(-(2 * Pi * rms) * (2 * Pi * rms));
}

bool FrenteDoFeixe(const SistemaDoisEspelhos& sistema, double theta, double zInicio,
                   const ReferenciaFrente& ref, FrenteOnda& f, const TracadorRaio& tracar) {
    // The chief ray fixes the reference point Q in the plane z = ref.zImagem; the reference
    // sphere is centred on Q and passes through the exit pupil's centre E.
    Raio principal;
    if (!RaioDoFeixe(sistema, theta, 0, 0, zInicio, principal)) return false;
    const TracadoRaio tp = tracar(principal);
    if (!tp.chegou() || tp.direcao.z == 0) return false;
    const double tq = (ref.zImagem - tp.final().z) / tp.direcao.z;
    const Vetor3 q{tp.final().x + tq * tp.direcao.x, tp.final().y + tq * tp.direcao.y, ref.zImagem};
    const double raioEsfera = Distancia(q, {0, 0, ref.zPupila});
    const Vetor3 u0{0, std::sin(theta), -std::cos(theta)};

    // Optical path from the plane through the origin perpendicular to the bundle, along the
    // traced segments, then back along the last segment to the reference sphere.
    auto caminho = [&](const TracadoRaio& tr, double& opl) {
        opl = Escalar(u0, tr.pontos[0]);
        for (int k = 1; k < tr.nPontos; ++k)
            opl += Distancia(tr.pontos[k], tr.pontos[k - 1]);
        const Vetor3 v = tr.final() - q;
        const double b = Escalar(tr.direcao, v);
        const double disc = b * b - (Escalar(v, v) - raioEsfera * raioEsfera);
        if (!(disc >= 0)) return false;
        opl += -b - std::sqrt(disc);
        return Finito(opl);
    };
    double oplPrincipal = 0;
    if (!caminho(tp, oplPrincipal)) return false;

    const double passo = 2 * f.raio / f.n;
    for (int iy = 0; iy < f.n; ++iy)
        for (int ix = 0; ix < f.n; ++ix) {
            const std::size_t i = static_cast<std::size_t>(iy) * f.n + ix;
            if (!f.dentro[i]) continue;
            const double x = (ix + 0.5 - f.n / 2.0) * passo, y = (iy + 0.5 - f.n / 2.0) * passo;
            Raio raio;
            double opl = 0;
            if (!RaioDoFeixe(sistema, theta, x, y, zInicio, raio)) {
                f.dentro[i] = 0;
                continue;
            }
            const TracadoRaio tr = tracar(raio);
            if (!tr.chegou() || !caminho(tr, opl)) {
                f.dentro[i] = 0;
                continue;
            }
            // Positive where the wavefront leads the reference sphere (a shorter path).
            f.opd[i] = (oplPrincipal - opl) / ref.lambda;
        }
    return RemoverPistaoInclinacao(f);
}

const std::vector<double>& RaiosEnergia() {
    static const std::vector<double> raios = [] {
        std::vector<double> r;
        for (int i = 0; i <= 80; ++i)
            r.push_back(0.05 * i);
        for (int i = 1; i <= 24; ++i)
            r.push_back(4 + 0.25 * i);
        for (int i = 1; i <= 30; ++i)
            r.push_back(10.0 + i);
        return r;
    }();
    return raios;
}

bool ImagemDaFrente(const FrenteOnda& f, int preenchimento, ImagemDifracao& im) {
    im = {};
    if (f.celulas <= 0 || f.n <= 0 || preenchimento < 2) return false;
    const int n = f.n;
    const int m = n * preenchimento;
    const std::size_t mm = static_cast<std::size_t>(m) * static_cast<std::size_t>(m);
    const Planos& planos = PlanosDe(m);

    // Pupil function: amplitude 1 on the cells that pass light, phase 2π·OPD.
    auto campo = AlocarFftw<fftw_complex>(mm);
    std::fill_n(&campo[0][0], 2 * mm, 0.0);
    for (int iy = 0; iy < n; ++iy)
        for (int ix = 0; ix < n; ++ix) {
            const std::size_t i = static_cast<std::size_t>(iy) * n + ix;
            if (!f.dentro[i]) continue;
            const double fase = 2 * Pi * f.opd[i];
            fftw_complex& c = campo[static_cast<std::size_t>(iy) * m + ix];
            c[0] = std::cos(fase);
            c[1] = std::sin(fase);
        }
    fftw_execute_dft(planos.direto, campo.get(), campo.get());

    // PSF = |transform|²; its value at the origin for a perfect pupil is (cells)².
    auto psf = AlocarFftw<double>(mm);
    double pico = 0;
    for (std::size_t i = 0; i < mm; ++i) {
        psf[i] = campo[i][0] * campo[i][0] + campo[i][1] * campo[i][1];
        pico = std::max(pico, psf[i]);
    }
    const double celulas = f.celulas;
    im.strehlMarechal = StrehlMarechal(f.rms);
    im.strehlPsf = pico / (celulas * celulas);

    // The picture, normalised to the peak of the whole disc of cells (no obstruction).
    const double rc = n / 2.0;
    double cheio = 0;
    for (int iy = 0; iy < n; ++iy)
        for (int ix = 0; ix < n; ++ix) {
            const double x = ix + 0.5 - rc, y = iy + 0.5 - rc;
            if (x * x + y * y <= rc * rc) ++cheio;
        }
    const int meio = std::min(m / 2 - 1, 32 * preenchimento);
    im.lado = 2 * meio + 1;
    im.passo = 1.0 / preenchimento;
    im.psf.resize(static_cast<std::size_t>(im.lado) * im.lado);
    // A wavefront whose OPD falls towards +y (the path to the reference sphere grows there)
    // images towards +y, while the forward transform of exp(+2πi·OPD) puts it towards −y: the
    // sample of image point (b, a) is the transform's (−b, −a).
    for (int a = -meio; a <= meio; ++a)
        for (int b = -meio; b <= meio; ++b) {
            const std::size_t origem =
                static_cast<std::size_t>((m - a) % m) * m + static_cast<std::size_t>((m - b) % m);
            im.psf[static_cast<std::size_t>(a + meio) * im.lado + (b + meio)] =
                static_cast<float>(psf[origem] / (cheio * cheio));
        }

    // OTF = transform of the PSF (the pupil's autocorrelation), normalised at zero frequency.
    const int meiaLargura = m / 2 + 1;
    auto otf = AlocarFftw<fftw_complex>(static_cast<std::size_t>(m) * meiaLargura);
    fftw_execute_dft_r2c(planos.real, psf.get(), otf.get());
    const double otf0 = otf[0][0];
    if (!(otf0 > 0)) return false;
    im.mtfTangencial.resize(static_cast<std::size_t>(n) + 1);
    im.mtfSagital.resize(static_cast<std::size_t>(n) + 1);
    for (int k = 0; k <= n; ++k) {
        const fftw_complex& t = otf[static_cast<std::size_t>(k) * meiaLargura];
        const fftw_complex& s = otf[static_cast<std::size_t>(k)];
        im.mtfTangencial[static_cast<std::size_t>(k)] = std::hypot(t[0], t[1]) / otf0;
        im.mtfSagital[static_cast<std::size_t>(k)] = std::hypot(s[0], s[1]) / otf0;
    }

    // Encircled energy: Re OTF summed by |k|² (the half spectrum kx ≥ 0 counts kx > 0 twice,
    // as OTF(−k) is the conjugate of OTF(k)); the support ends at |k| = n.
    std::vector<double> porM(static_cast<std::size_t>(n) * n + 1, 0.0);
    for (int j = 0; j < m; ++j) {
        const int ky = j <= m / 2 ? j : j - m;
        if (std::abs(ky) > n) continue;
        for (int kx = 0; kx <= n && kx < meiaLargura; ++kx) {
            const int q = kx * kx + ky * ky;
            if (q > n * n) break;
            porM[static_cast<std::size_t>(q)] +=
                (kx == 0 ? 1.0 : 2.0) * otf[static_cast<std::size_t>(j) * meiaLargura + kx][0] /
                otf0;
        }
    }
    const NucleoEnergia& nucleo = NucleoDe(n);
    const std::vector<double>& raios = RaiosEnergia();
    const std::size_t nm = nucleo.ms.size();
    im.energia.resize(raios.size());
    for (std::size_t i = 0; i < raios.size(); ++i) {
        double e = 0;
        const double* peso = &nucleo.pesos[i * nm];
        for (std::size_t j = 0; j < nm; ++j)
            e += peso[j] * porM[static_cast<std::size_t>(nucleo.ms[j])];
        im.energia[i] = e;
    }
    im.ee50 = RaioNivel(raios, im.energia, 0.5);
    im.ee80 = RaioNivel(raios, im.energia, 0.8);
    return true;
}

double MtfAnular(double nu, double eps) {
    nu = std::fabs(nu);
    if (nu >= 1) return 0;
    eps = std::clamp(eps, 0.0, 0.999);
    const double e2 = eps * eps;
    auto circulo = [](double v) { return 2 / Pi * (std::acos(v) - v * std::sqrt(1 - v * v)); };
    const double a = circulo(nu);
    const double b = eps > 0 && nu <= eps ? e2 * circulo(nu / eps) : 0;
    double c = 0;
    if (eps > 0) {
        if (nu <= (1 - eps) / 2) {
            c = -2 * e2;
        } else if (nu < (1 + eps) / 2) {
            const double fi = std::acos(std::clamp((1 + e2 - 4 * nu * nu) / (2 * eps), -1.0, 1.0));
            c = -2 * e2 + 2 * eps / Pi * std::sin(fi) + (1 + e2) / Pi * fi -
                2 * (1 - e2) / Pi * std::atan((1 + eps) / (1 - eps) * std::tan(fi / 2));
        }
    }
    return (a + b + c) / (1 - e2);
}

ResultadoDifracao AnalisarDifracao(const TProjeto& P, const ResultadoAnalise& analise,
                                   bool melhorFoco) {
    ResultadoDifracao r;
    r.melhorFoco = melhorFoco;
    r.motivoAnalise = analise.motivo;
    if (!analise.valida()) {
        r.motivo = MotivoDifracao::Analise;
        return r;
    }
    r.lambdaN = ComprimentoOnda * P.F / P.D1;
    r.obstrucao = std::min(P.D2, P.D1) / P.D1;
    r.corte = 1 / r.lambdaN;
    r.raioAiry = analise.raioAiry;
    FrenteOnda perfeita = GradeAnular(DifracaoAmostras, P.D1 / 2, std::min(P.D2, P.D1) / 2);
    if (!RemoverPistaoInclinacao(perfeita) ||
        !ImagemDaFrente(perfeita, DifracaoPreenchimento, r.perfeita)) {
        r.motivo = MotivoDifracao::FeixePerdido;
        return r;
    }
    // One variant's three bundles; the variants run in parallel (the rays, the transforms on
    // their own arrays and the cached plans and kernels are safe to share).
    auto variante = [&](int v) {
        const VarianteAnalise& va = analise.variantes[v];
        const SistemaDoisEspelhos sistema = SistemaDoProjeto(P, va.b1, va.b2);
        ReferenciaFrente ref;
        ref.lambda = ComprimentoOnda;
        if (!PupilaSaida(sistema, ref.zPupila)) return MotivoDifracao::PupilaSaida;
        for (int k = 0; k < 3; ++k) {
            const FeixeAnalise& fa = va.feixes[k];
            FeixeDifracao& fd = r.feixes[v][k];
            fd.h = fa.h;
            ref.zImagem = sistema.zImagem + (melhorFoco ? fa.estatistica.focoOtimo : 0);
            fd.frente = GradeAnular(DifracaoAmostras, P.D1 / 2, std::min(P.D2, P.D1) / 2);
            if (!FrenteDoFeixe(sistema, fa.theta, P.d, ref, fd.frente) ||
                !ImagemDaFrente(fd.frente, DifracaoPreenchimento, fd.imagem))
                return MotivoDifracao::FeixePerdido;
            const ImagemDifracao& im = fd.imagem;
            if (!Finito(fd.frente.rms) || !Finito(fd.frente.pv) || !Finito(im.strehlMarechal) ||
                !Finito(im.strehlPsf) || !Finito(im.ee50) || !Finito(im.ee80))
                return MotivoDifracao::NaoFinito;
        }
        return MotivoDifracao::Valida;
    };
    std::future<MotivoDifracao> outras[2] = {std::async(std::launch::async, variante, 1),
                                             std::async(std::launch::async, variante, 2)};
    const MotivoDifracao motivos[3] = {variante(0), outras[0].get(), outras[1].get()};
    for (MotivoDifracao m : motivos)
        if (m != MotivoDifracao::Valida) {
            r.motivo = m;
            return r;
        }
    r.motivo = MotivoDifracao::Valida;
    return r;
}

TextosDifracao TextosDaDifracao(const ResultadoDifracao& r, QChar decimal, QChar milhar) {
    TextosDifracao t;
    const char* nomes[3] = {Recursos::Classico, Recursos::DallKirkham, Recursos::RitcheyChretien};
    for (int v = 0; v < 3; ++v)
        for (int k = 0; k < 3; ++k)
            t.linhas[v * 3 + k].variante = TextoRecurso(nomes[v]);
    t.valida = r.valida();
    switch (r.motivo) {
    case MotivoDifracao::Valida:
        break;
    case MotivoDifracao::Analise: {
        ResultadoAnalise a;
        a.motivo = r.motivoAnalise;
        t.mensagem = TextosDaAnalise(a, decimal, milhar).airy;
        return t;
    }
    case MotivoDifracao::PupilaSaida:
        t.mensagem = TextoRecurso(Recursos::DifracaoPupilaSaida);
        return t;
    case MotivoDifracao::FeixePerdido:
        t.mensagem = TextoRecurso(Recursos::DifracaoFeixePerdido);
        return t;
    case MotivoDifracao::NaoFinito:
        t.mensagem = TextoRecurso(Recursos::DifracaoNaoFinita);
        return t;
    }
    const double micrometros = r.lambdaN * 1000;
    const double ultimo = RaiosEnergia().back() * micrometros;
    auto casas3 = [&](double x) { return NumeroTextoCasas(x, 3, decimal, milhar); };
    auto raio = [&](double x) {
        if (x > 0) return NumeroTexto(x * micrometros, decimal, milhar);
        return FormatarN(TextoRecurso(Recursos::FmtAlemDe), ultimo, decimal, milhar);
    };
    for (int v = 0; v < 3; ++v)
        for (int k = 0; k < 3; ++k) {
            const FeixeDifracao& f = r.feixes[v][k];
            LinhaDifracao& l = t.linhas[v * 3 + k];
            l.campo = NumeroTexto(f.h, decimal, milhar);
            l.rms = casas3(f.frente.rms);
            l.pv = casas3(f.frente.pv);
            l.strehlMarechal = casas3(f.imagem.strehlMarechal);
            l.strehlPsf = casas3(f.imagem.strehlPsf);
            l.ee50 = raio(f.imagem.ee50);
            l.ee80 = raio(f.imagem.ee80);
        }
    return t;
}

TextosDifracao TextosDaDifracao(const ResultadoDifracao& r) {
    QChar decimal, milhar;
    SeparadoresLocal(decimal, milhar);
    return TextosDaDifracao(r, decimal, milhar);
}

namespace {
const char* NomeMotivoDifracao(MotivoDifracao m) {
    switch (m) {
    case MotivoDifracao::Valida:
        return "Valida";
    case MotivoDifracao::Analise:
        return "Analise";
    case MotivoDifracao::PupilaSaida:
        return "PupilaSaida";
    case MotivoDifracao::FeixePerdido:
        return "FeixePerdido";
    case MotivoDifracao::NaoFinito:
        break;
    }
    return "NaoFinito";
}
} // namespace

QJsonObject DifracaoJson(const ResultadoDifracao& r) {
    QJsonObject o;
    o[QStringLiteral("motivo")] = QString::fromLatin1(NomeMotivoDifracao(r.motivo));
    QJsonArray variantes;
    if (r.valida()) {
        o[QStringLiteral("corte")] = r.corte;
        const char* nomes[3] = {"Classico", "DallKirkham", "RitcheyChretien"};
        const double micrometros = r.lambdaN * 1000;
        auto raio = [&](double x) {
            return x > 0 ? QJsonValue(x * micrometros) : QJsonValue(QJsonValue::Null);
        };
        for (int v = 0; v < 3; ++v) {
            QJsonArray feixes;
            for (const FeixeDifracao& f : r.feixes[v]) {
                QJsonArray tan, sag;
                const int passo = DifracaoAmostras / 10;
                for (int k = 0; k <= 10; ++k) {
                    tan.append(f.imagem.mtfTangencial[static_cast<std::size_t>(k * passo)]);
                    sag.append(f.imagem.mtfSagital[static_cast<std::size_t>(k * passo)]);
                }
                feixes.append(
                    QJsonObject{{QStringLiteral("h"), f.h},
                                {QStringLiteral("rmsOnda"), f.frente.rms},
                                {QStringLiteral("pvOnda"), f.frente.pv},
                                {QStringLiteral("strehlMarechal"), f.imagem.strehlMarechal},
                                {QStringLiteral("strehlPsf"), f.imagem.strehlPsf},
                                {QStringLiteral("ee50"), raio(f.imagem.ee50)},
                                {QStringLiteral("ee80"), raio(f.imagem.ee80)},
                                {QStringLiteral("mtfTangencial"), tan},
                                {QStringLiteral("mtfSagital"), sag}});
            }
            variantes.append(
                QJsonObject{{QStringLiteral("variante"), QString::fromLatin1(nomes[v])},
                            {QStringLiteral("feixes"), feixes}});
        }
    }
    o[QStringLiteral("variantes")] = variantes;
    return o;
}
