// Prescriptions that other optical programs open: a variant written as a sequential lens file
// (Zemax .zmx, CODE V .seq, a .csv table), and two-mirror .zmx files read back as the inputs.
#include "Prescricao.h"

#include "ArquivoProjeto.h"
#include "ArquivoRegular.h"
#include "Calculo.h"
#include "Cp1252.h"
#include "Recursos.h"
#include "TextosArquivo.h"

#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr double Infinito = std::numeric_limits<double>::infinity();

// ---- writing --------------------------------------------------------------------------------

// 10 significant digits, a dot, an upper-case exponent: the same text in every locale.
QByteArray num(double v) {
    if (v == 0) return QByteArrayLiteral("0"); // no "-0"
    return QByteArray::number(v, 'G', 10);
}

// A text as plain ASCII: accented letters as their base letter, anything else as '?'.
QByteArray Ascii(const QString& texto) {
    QByteArray ascii;
    for (const QChar c : texto.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing) continue;
        const char16_t u = c.unicode();
        ascii += (u >= 0x20 && u < 0x7F) ? char(u) : '?';
    }
    return ascii;
}

double Curvatura(double raio) {
    return raio == 0 ? 0.0 : 1.0 / raio;
}

// A radius for the .seq and the table: 0 stands for a plane there.
double Raio(double curvatura) {
    return curvatura == 0 ? 0.0 : 1.0 / curvatura;
}

class Linhas {
public:
    Linhas& operator<<(const QByteArray& linha) {
        m_texto += linha;
        m_texto += "\r\n";
        return *this;
    }
    QByteArray texto() const { return m_texto; }

private:
    QByteArray m_texto;
};

QByteArray Lista(const std::vector<double>& valores) {
    QByteArray texto;
    for (const double v : valores)
        texto += ' ' + num(v);
    return texto;
}

// ---- reading --------------------------------------------------------------------------------

[[noreturn]] void Recusar(const QString& nomeArquivo, const QString& causa) {
    throw ErroArquivo(MensagemArquivo(nomeArquivo, causa));
}

[[noreturn]] void RecusarLinha(const QString& nomeArquivo, int linha, const QString& causa) {
    Recusar(nomeArquivo, TextoRecurso(Recursos::PrescricaoLinha).arg(linha).arg(causa));
}

QString Decodificar(const QByteArray& bytes, const QString& nomeArquivo) {
    auto decodificar = [&](QStringConverter::Encoding codificacao, qsizetype inicio) {
        QStringDecoder decodificador(codificacao, QStringConverter::Flag::Stateless);
        QString texto = decodificador.decode(QByteArrayView(bytes).sliced(inicio));
        if (decodificador.hasError())
            Recusar(nomeArquivo, TextoRecurso(Recursos::PrescricaoTextoInvalido));
        return texto;
    };
    const bool le = bytes.startsWith("\xFF\xFE"), be = bytes.startsWith("\xFE\xFF");
    QString texto;
    if (le || be) {
        if (bytes.size() % 2 != 0)
            Recusar(nomeArquivo, TextoRecurso(Recursos::PrescricaoUtf16Truncado));
        texto = decodificar(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, 2);
    } else if (bytes.startsWith("\xEF\xBB\xBF")) {
        texto = decodificar(QStringConverter::Utf8, 3);
    } else {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        texto = utf8.decode(bytes);
        if (utf8.hasError()) texto = Cp1252::Decodificar(bytes);
    }
    if (texto.contains(QChar(0))) Recusar(nomeArquivo, TextoRecurso(Recursos::PrescricaoNulo));
    return texto;
}

// One line cut into its command and arguments.
struct Comando {
    int linha = 0;
    QString nome;
    QStringList argumentos;
    QString resto; // the line after the command, trimmed (a title)
};

class Leitor {
public:
    Leitor(const QString& nomeArquivo, Comando comando)
        : m_nome(nomeArquivo), m_c(std::move(comando)) {}

    [[noreturn]] void recusar(const QString& causa) const {
        RecusarLinha(m_nome, m_c.linha, causa);
    }
    // The k-th argument as a finite number.
    double numero(int k) const {
        const QString texto = m_c.argumentos.value(k);
        const QByteArray latin = texto.toLatin1();
        double v = 0;
        const char* fim = latin.constData() + latin.size();
        const auto [p, erro] = std::from_chars(latin.constData(), fim, v);
        if (texto.isEmpty() || erro != std::errc() || p != fim || !std::isfinite(v))
            recusar(TextoRecurso(Recursos::PrescricaoNumero).arg(m_c.nome));
        return v;
    }
    // Every argument from the k-th on as numbers.
    std::vector<double> numeros(int k = 0) const {
        std::vector<double> v;
        for (int j = k; j < m_c.argumentos.size(); ++j)
            v.push_back(numero(j));
        return v;
    }
    QString palavra(int k) const { return m_c.argumentos.value(k).toUpper(); }
    const Comando& comando() const { return m_c; }

private:
    const QString& m_nome;
    Comando m_c;
};

QStringList Palavras(const QString& texto) {
    QStringList palavras;
    qsizetype inicio = -1;
    for (qsizetype k = 0; k <= texto.size(); ++k) {
        const bool espaco = k == texto.size() || texto[k].isSpace();
        if (!espaco && inicio < 0) inicio = k;
        if (espaco && inicio >= 0) {
            palavras << texto.mid(inicio, k - inicio);
            inicio = -1;
        }
    }
    return palavras;
}

double Escala(const Leitor& l) {
    const QString unidade = l.palavra(0);
    if (unidade == u"MM") return 1;
    if (unidade == u"CM") return 10;
    if (unidade == u"IN") return 25.4;
    if (unidade == u"METER") return 1000;
    l.recusar(TextoRecurso(Recursos::PrescricaoUnidade).arg(l.comando().argumentos.value(0)));
}

} // namespace

// ---- the prescription of a design ------------------------------------------------------------

// two-mirror layout and conics: Rutten & van Venrooij, Telescope Optics, ch. 21
Prescricao PrescricaoDoProjeto(const TProjeto& p, std::int16_t variante) {
    Prescricao r;
    r.titulo = TituloTexto(p);
    r.diametroPupila = p.D1;
    const double meioCampo = p.F == 0 ? 0.0 : std::atan(p.i / 2 / p.F) * 180 / Pi;
    r.campos = {0.0, 0.7 * meioCampo, meioCampo};
    const double obscuracao = (p.SSDe > 0 ? p.SSDe : p.D2) / 2;

    SuperficiePrescricao objeto;
    objeto.espessura = Infinito;
    SuperficiePrescricao obstrucao;
    obstrucao.espessura = p.d;
    obstrucao.semiDiametro = p.D1 / 2;
    obstrucao.obscuracao = obscuracao;
    SuperficiePrescricao primario;
    primario.curvatura = -Curvatura(p.r1);
    primario.conica = DeformacaoPrimario(variante, p.r1, p.r2, p.gamma, p.d, p.p);
    primario.espessura = -p.d;
    primario.semiDiametro = p.D1 / 2;
    primario.raioMinimo = obscuracao;
    primario.espelho = primario.abertura = true;
    SuperficiePrescricao secundario;
    secundario.curvatura = -Curvatura(p.r2);
    secundario.conica = DeformacaoSecundario(variante, p.r1, p.gamma, p.d);
    secundario.espessura = p.d + p.e;
    secundario.semiDiametro = p.D2 / 2;
    secundario.espelho = true;
    SuperficiePrescricao imagem;
    imagem.semiDiametro = p.i / 2;
    r.superficies = {objeto, obstrucao, primario, secundario, imagem};
    return r;
}

QByteArray EscreverZmx(const Prescricao& r) {
    Linhas l;
    l << "MODE SEQ"
      << "NAME " + Ascii(r.titulo) << "UNIT MM X W X CM MR CPMM"
      << "ENPD " + num(r.diametroPupila);
    const std::size_t n = r.campos.size();
    l << "FTYP 0 0 " + QByteArray::number(n) + " 1 0 0 0"
      << "XFLN" + Lista(std::vector<double>(n, 0.0)) << "YFLN" + Lista(r.campos)
      << "FWGN" + Lista(std::vector<double>(n, 1.0)) << "WAVM 1 " + num(r.comprimentoOnda) + " 1"
      << "PWAV 1";
    for (std::size_t k = 0; k < r.superficies.size(); ++k) {
        const SuperficiePrescricao& s = r.superficies[k];
        l << "SURF " + QByteArray::number(k);
        if (s.abertura) l << "  STOP";
        l << "  TYPE STANDARD"
          << "  CURV " + num(s.curvatura);
        if (s.conica != 0) l << "  CONI " + num(s.conica);
        l << "  DISZ " + (std::isinf(s.espessura) ? QByteArray("INFINITY") : num(s.espessura));
        if (s.espelho) l << "  GLAS MIRROR 0 0";
        if (s.semiDiametro != 0) l << "  DIAM " + num(s.semiDiametro) + " 1 0 0 1 \"\"";
        if (s.raioMinimo != 0)
            l << "  CLAP " + num(s.raioMinimo) + ' ' + num(s.semiDiametro) + " 0";
        if (s.obscuracao != 0) l << "  OBSC 0 " + num(s.obscuracao) + " 0";
    }
    return l.texto();
}

QByteArray EscreverSeq(const Prescricao& r) {
    Linhas l;
    QByteArray titulo = Ascii(r.titulo);
    titulo.replace('\'', "''");
    l << "LEN"
      << "TIT '" + titulo + '\'' << "RDM"
      << "DIM M"
      << "EPD " + num(r.diametroPupila) << "WL " + num(r.comprimentoOnda * 1000) << "REF 1"
      << "WTW 1"
      << "YAN" + Lista(r.campos);
    for (std::size_t k = 0; k < r.superficies.size(); ++k) {
        const SuperficiePrescricao& s = r.superficies[k];
        const QByteArray espessura = std::isinf(s.espessura) ? "1E+11" : num(s.espessura);
        const QByteArray raio = num(Raio(s.curvatura));
        if (k == 0)
            l << "SO " + raio + ' ' + espessura;
        else if (k + 1 == r.superficies.size())
            l << "SI " + raio + ' ' + espessura;
        else
            l << "S " + raio + ' ' + espessura + (s.espelho ? " REFL" : "");
        if (s.abertura) l << "  STO";
        if (s.conica != 0)
            l << "  CON"
              << "  K " + num(s.conica);
        // One CIR a surface: a second one would replace the first in some readers, so the
        // dummy surface carries its obscuration alone.
        if (s.obscuracao != 0)
            l << "  CIR OBS " + num(s.obscuracao);
        else if (s.semiDiametro != 0 && k > 0)
            l << "  CIR " + num(s.semiDiametro);
    }
    l << "GO";
    return l.texto();
}

QByteArray EscreverCsv(const Prescricao& r) {
    Linhas l;
    QByteArray cabecalho;
    for (const char* coluna : Recursos::PrescricaoColunas)
        cabecalho += (cabecalho.isEmpty() ? "" : ",") + Ascii(TextoRecurso(coluna));
    l << cabecalho;
    const std::size_t n = r.superficies.size();
    for (std::size_t k = 0; k < n; ++k) {
        const SuperficiePrescricao& s = r.superficies[k];
        // Named by their role when the prescription has the five surfaces of a design.
        const QByteArray nome = n == 5 ? Ascii(TextoRecurso(Recursos::PrescricaoSuperficies[k]))
                                       : QByteArray::number(k);
        const QByteArray infinito = Ascii(TextoRecurso(Recursos::PrescricaoInfinito));
        l << nome + ',' + (s.curvatura == 0 ? infinito : num(1 / s.curvatura)) + ',' +
                 num(s.conica) + ',' + (std::isinf(s.espessura) ? infinito : num(s.espessura)) +
                 ',' + num(s.semiDiametro) + ',' + num(std::max(s.obscuracao, s.raioMinimo));
    }
    return l.texto();
}

QByteArray EscreverPrescricao(const Prescricao& prescricao, FormatoPrescricao formato) {
    switch (formato) {
    case FormatoPrescricao::CodeV:
        return EscreverSeq(prescricao);
    case FormatoPrescricao::Tabela:
        return EscreverCsv(prescricao);
    case FormatoPrescricao::Zemax:
        break;
    }
    return EscreverZmx(prescricao);
}

bool FormatoDoNome(const QString& nome, FormatoPrescricao& formato) {
    const QString minusculo = nome.toLower();
    if (minusculo.endsWith(u".zmx"))
        formato = FormatoPrescricao::Zemax;
    else if (minusculo.endsWith(u".seq"))
        formato = FormatoPrescricao::CodeV;
    else if (minusculo.endsWith(u".csv"))
        formato = FormatoPrescricao::Tabela;
    else
        return false;
    return true;
}

// ---- reading a .zmx -------------------------------------------------------------------------

Prescricao LerZmx(const QByteArray& bytes, const QString& nomeArquivo) {
    if (bytes.size() > LimitePrescricao)
        Recusar(nomeArquivo, TextoArquivo(TextosArquivo::GrandeDemais)
                                 .arg(bytes.size())
                                 .arg(LimitePrescricao)
                                 .arg(TextoRecurso(Recursos::FormatoPrescricaoZmx)));
    const QString texto = Decodificar(bytes, nomeArquivo);

    Prescricao r;
    double escala = 1;
    int nCampos = -1; // FTYP's count of fields, when given
    int espelhos = 0;
    const QStringList linhas = texto.split(u'\n');
    for (int k = 0; k < linhas.size(); ++k) {
        Comando c;
        c.linha = k + 1;
        const QString linha = linhas[k].trimmed();
        qsizetype espaco = 0;
        while (espaco < linha.size() && !linha[espaco].isSpace())
            ++espaco;
        c.nome = linha.left(espaco).toUpper();
        if (c.nome.isEmpty()) continue;
        c.resto = linha.mid(espaco).trimmed();
        c.argumentos = Palavras(c.resto);
        const Leitor l(nomeArquivo, c);
        const QString& nome = c.nome;

        // Commands of the whole system.
        if (nome == u"MODE") {
            if (l.palavra(0) != u"SEQ")
                l.recusar(TextoRecurso(Recursos::PrescricaoModo).arg(c.argumentos.value(0)));
            continue;
        }
        if (nome == u"NAME") {
            r.titulo = c.resto;
            if (r.titulo.size() >= 2 && r.titulo.startsWith(u'"') && r.titulo.endsWith(u'"'))
                r.titulo = r.titulo.mid(1, r.titulo.size() - 2);
            continue;
        }
        if (nome == u"UNIT") {
            escala = Escala(l);
            continue;
        }
        if (nome == u"ENPD") {
            r.diametroPupila = l.numero(0);
            continue;
        }
        if (nome == u"FTYP") {
            const double tipo = l.numero(0);
            if (tipo != 0)
                l.recusar(TextoRecurso(Recursos::PrescricaoTipoCampo).arg(c.argumentos.value(0)));
            if (c.argumentos.size() > 2) nCampos = int(std::clamp(l.numero(2), 0.0, 1000.0));
            continue;
        }
        if (nome == u"YFLN" || nome == u"YFLD") {
            r.campos = l.numeros();
            continue;
        }
        if (nome == u"XFLN" || nome == u"XFLD") {
            r.camposX = l.numeros();
            continue;
        }
        if (nome == u"WAVM" || nome == u"WAVL") continue;

        // Commands of a surface.
        if (nome == u"SURF") {
            const double numero = l.numero(0);
            if (numero != double(r.superficies.size()))
                l.recusar(TextoRecurso(Recursos::PrescricaoOrdem)
                              .arg(c.argumentos.value(0))
                              .arg(r.superficies.size()));
            SuperficiePrescricao s;
            s.linha = c.linha;
            r.superficies.push_back(s);
            continue;
        }
        static const QStringList DaSuperficie = {QStringLiteral("TYPE"), QStringLiteral("CURV"),
                                                 QStringLiteral("CONI"), QStringLiteral("DISZ"),
                                                 QStringLiteral("GLAS"), QStringLiteral("DIAM"),
                                                 QStringLiteral("STOP"), QStringLiteral("CLAP"),
                                                 QStringLiteral("OBSC"), QStringLiteral("SCBD")};
        if (!DaSuperficie.contains(nome)) continue; // not needed
        if (r.superficies.empty())
            l.recusar(TextoRecurso(Recursos::PrescricaoForaDeSuperficie).arg(nome));
        SuperficiePrescricao& s = r.superficies.back();
        if (nome == u"TYPE") {
            const QString tipo = l.palavra(0);
            if (tipo == u"COORDBRK")
                l.recusar(TextoRecurso(Recursos::PrescricaoInclinada).arg(tipo));
            if (tipo != u"STANDARD")
                l.recusar(TextoRecurso(Recursos::PrescricaoTipo).arg(c.argumentos.value(0)));
        } else if (nome == u"CURV") {
            s.curvatura = l.numero(0);
        } else if (nome == u"CONI") {
            s.conica = l.numero(0);
        } else if (nome == u"DISZ") {
            if (l.palavra(0) == u"INFINITY") {
                if (r.superficies.size() != 1)
                    l.recusar(TextoRecurso(Recursos::PrescricaoEspessuraInfinita));
                s.espessura = Infinito;
            } else {
                s.espessura = l.numero(0);
            }
        } else if (nome == u"GLAS") {
            const QString material = l.palavra(0);
            if (material == u"MIRROR") {
                if (!s.espelho && ++espelhos > 2)
                    l.recusar(TextoRecurso(Recursos::PrescricaoTerceiroEspelho));
                s.espelho = true;
            } else if (!material.isEmpty() && material != u"AIR") {
                l.recusar(TextoRecurso(Recursos::PrescricaoLente).arg(c.argumentos.value(0)));
            }
        } else if (nome == u"DIAM") {
            s.semiDiametro = l.numero(0);
        } else if (nome == u"STOP") {
            s.abertura = true;
        } else if (nome == u"CLAP") {
            s.raioMinimo = l.numero(0);
            l.numero(1);
        } else if (nome == u"OBSC") {
            l.numero(0);
            s.obscuracao = l.numero(1);
        } else if (nome == u"SCBD") {
            // Its first number is an order flag; any other not 0 moves the surface.
            const std::vector<double> v = l.numeros();
            if (std::any_of(v.begin() + std::min<std::ptrdiff_t>(1, std::ssize(v)), v.end(),
                            [](double x) { return x != 0; }))
                l.recusar(TextoRecurso(Recursos::PrescricaoInclinada).arg(nome));
        }
    }

    if (r.superficies.empty())
        Recusar(nomeArquivo, TextoRecurso(Recursos::PrescricaoSemSuperficies));
    if (!std::isinf(r.superficies.front().espessura))
        RecusarLinha(nomeArquivo, r.superficies.front().linha,
                     TextoRecurso(Recursos::PrescricaoObjeto));
    if (espelhos != 2)
        Recusar(nomeArquivo, TextoRecurso(Recursos::PrescricaoEspelhos).arg(espelhos));
    if (r.superficies.back().espelho)
        RecusarLinha(nomeArquivo, r.superficies.back().linha,
                     TextoRecurso(Recursos::PrescricaoSemImagem));
    if (nCampos >= 0) {
        if (std::ssize(r.campos) > nCampos) r.campos.resize(std::size_t(nCampos));
        if (std::ssize(r.camposX) > nCampos) r.camposX.resize(std::size_t(nCampos));
    }
    // Lengths in mm.
    r.diametroPupila *= escala;
    for (SuperficiePrescricao& s : r.superficies) {
        s.curvatura /= escala;
        s.espessura *= escala;
        s.semiDiametro *= escala;
        s.obscuracao *= escala;
        s.raioMinimo *= escala;
    }
    return r;
}

// ---- the inputs of a prescription -----------------------------------------------------------

// two-mirror Gaussian layout (the secondary's conjugates): Wilson, Reflecting Telescope Optics I,
// ch. 2
ImportacaoPrescricao ImportarPrescricao(const Prescricao& r, const QString& nomeArquivo) {
    std::vector<std::size_t> espelhos;
    for (std::size_t k = 0; k < r.superficies.size(); ++k)
        if (r.superficies[k].espelho) espelhos.push_back(k);
    if (espelhos.size() != 2 || espelhos[1] + 1 >= r.superficies.size())
        Recusar(nomeArquivo, TextoRecurso(Recursos::PrescricaoEspelhos).arg(espelhos.size()));
    const SuperficiePrescricao& m1 = r.superficies[espelhos[0]];
    const SuperficiePrescricao& m2 = r.superficies[espelhos[1]];
    if (!(m1.curvatura < 0))
        RecusarLinha(nomeArquivo, m1.linha,
                     TextoRecurso(Recursos::PrescricaoPrimario).arg(m1.curvatura));
    if (!(m2.curvatura < 0))
        RecusarLinha(nomeArquivo, m2.linha,
                     TextoRecurso(Recursos::PrescricaoSecundario).arg(m2.curvatura));

    ImportacaoPrescricao im;
    im.titulo = r.titulo;
    im.r1 = -1 / m1.curvatura;
    im.r2 = -1 / m2.curvatura;
    im.b1 = m1.conica;
    im.b2 = m2.conica;
    double entre = 0;
    for (std::size_t k = espelhos[0]; k < espelhos[1]; ++k)
        entre += r.superficies[k].espessura;
    for (std::size_t k = espelhos[1]; k + 1 < r.superficies.size(); ++k)
        im.imagemArquivo += r.superficies[k].espessura;
    im.d = -entre;
    if (!(im.d > 0))
        RecusarLinha(nomeArquivo, m2.linha, TextoRecurso(Recursos::PrescricaoSeparacao).arg(im.d));
    for (const SuperficiePrescricao& s : r.superficies)
        im.obscuracao = std::max({im.obscuracao, s.obscuracao, s.raioMinimo});

    im.D1 = r.diametroPupila > 0 ? r.diametroPupila : 2 * m1.semiDiametro;
    if (!(im.D1 > 0)) Recusar(nomeArquivo, TextoRecurso(Recursos::PrescricaoPupila));
    const double f1 = im.r1 / 2;
    const double p = f1 - im.d;
    // The secondary images the primary's focus, p beyond it, at p' = p·gamma:
    // 1/p − 1/p' = 2/r2, so gamma = r2 / (r2 − 2p).
    const double divisor = im.r2 - 2 * p;
    if (!(p > 0) || !(divisor > 0))
        Recusar(nomeArquivo, TextoRecurso(Recursos::PrescricaoNaoCassegrain));
    im.gamma = im.r2 / divisor;
    if (!(im.gamma > 1)) Recusar(nomeArquivo, TextoRecurso(Recursos::PrescricaoNaoCassegrain));
    im.focoParaxial = p * im.gamma;
    im.e = im.focoParaxial - im.d;
    im.fD1 = f1 / im.D1;

    double campo = 0;
    for (std::size_t k = 0; k < std::max(r.campos.size(), r.camposX.size()); ++k) {
        const double y = k < r.campos.size() ? r.campos[k] : 0.0;
        const double x = k < r.camposX.size() ? r.camposX[k] : 0.0;
        campo = std::max(campo, std::hypot(x, y));
    }
    if (!(campo < 90))
        Recusar(nomeArquivo, TextoRecurso(Recursos::PrescricaoCampoGrande).arg(campo));
    im.i = 2 * f1 * im.gamma * std::tan(campo * Pi / 180);

    for (std::int16_t v : {VarianteClassico, VarianteDallKirkham, VarianteRitcheyChretien}) {
        im.b1Variantes[std::size_t(v)] = DeformacaoPrimario(v, im.r1, im.r2, im.gamma, im.d, p);
        im.b2Variantes[std::size_t(v)] = DeformacaoSecundario(v, im.r1, im.gamma, im.d);
    }
    double melhor = Infinito;
    for (int v = 0; v < 3; ++v) {
        // Deviation in units of the tolerance: 1 % of the variant's conic, at least 0,0001.
        auto desvio = [](double arquivo, double variante) {
            return std::fabs(arquivo - variante) / std::max(0.01 * std::fabs(variante), 1e-4);
        };
        const double pior = std::max(desvio(im.b1, im.b1Variantes[std::size_t(v)]),
                                     desvio(im.b2, im.b2Variantes[std::size_t(v)]));
        if (pior <= 1 && pior < melhor) {
            melhor = pior;
            im.variante = v;
        }
    }
    // The design must be one the program opens, and stand for the file's mirrors.
    const TProjeto projeto = ProjetoDaImportacao(im);
    TProjeto conferido;
    LerProjeto(conferido, QByteArray(reinterpret_cast<const char*>(&projeto), sizeof projeto),
               nomeArquivo);
    auto igual = [](double a, double b) { return std::fabs(a - b) <= 1e-6 * std::fabs(b); };
    if (!igual(projeto.r1, im.r1) || !igual(projeto.r2, im.r2) || !igual(projeto.d, im.d))
        Recusar(nomeArquivo, TextoRecurso(Recursos::PrescricaoImprecisa));
    return im;
}

TProjeto ProjetoDaImportacao(const ImportacaoPrescricao& im) {
    TProjeto p{};
    LimparProjeto(p);
    p.D1 = im.D1;
    p.fD1 = im.fD1;
    p.gamma = im.gamma;
    p.e = im.e;
    p.i = im.i;
    p.SSDe = 2 * im.obscuracao;
    DefinirTitulo(p, im.titulo);
    CalcularProjeto(p, u',', u'.');
    MostrarResultados(p);
    return p;
}

ImportacaoPrescricao LerArquivoPrescricao(const QString& nomeArquivo) {
    const QByteArray bytes = LerArquivoRegular(nomeArquivo, LimitePrescricao,
                                               TextoRecurso(Recursos::FormatoPrescricaoZmx));
    return ImportarPrescricao(LerZmx(bytes, nomeArquivo), nomeArquivo);
}
