// Report preparation: bands output over data sets, bracketed expressions, page breaks.
#include "rpPrepare.h"

#include "Cp1252.h"

#include "rpCursor.h"
#include "rpDraw.h"
#include "rpFormat.h"
#include "rpModel.h"

#include <QDateTime>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace {

// An error while an object is evaluated.
struct ErroAvaliacao : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// Stops the preparation (error recorded, or cancelled).
struct Parada {};

[[noreturn]] void simboloIndefinido(const QString& nome) {
    throw ErroAvaliacao(
        (rpIngles(rpTexto::SimboloIndefinido) + nome + QLatin1Char('"')).toStdString());
}

// A piece of a memo line: literal text, or a bracketed expression (with an inline format).
struct Trecho {
    bool expressao = false;
    QString texto;
    // A data field resolved in advance: `DataSet."Field"`.
    TrpCursor* dataSet = nullptr;
    int campo = -1;
    bool temFormato = false;
    std::uint32_t formato = 0;
    QString padrao;
};

Trecho literal(const QString& texto) {
    Trecho t;
    t.texto = texto;
    return t;
}

struct LinhaAnalisada {
    bool temExpressao = false;
    QString original;
    std::vector<Trecho> trechos;
};

// `Name."Field"` split into its two names.
bool partirCampo(const QString& e, QString& dataSet, QString& campo) {
    const qsizetype ponto = e.indexOf(QLatin1String(".\""));
    if (ponto <= 0 || !e.endsWith(QLatin1Char('"')) || e.size() < ponto + 3) return false;
    dataSet = e.left(ponto).trimmed();
    campo = e.mid(ponto + 2, e.size() - ponto - 3);
    if (campo.contains(QLatin1Char('"'))) return false;
    for (QChar c : dataSet)
        if (!c.isLetterOrNumber() && c != QLatin1Char('_')) return false;
    return !dataSet.isEmpty();
}

// The inline format "expr #N0.00": N number, D date, T time, B boolean.
void separarFormato(Trecho& t) {
    const qsizetype pos = t.texto.lastIndexOf(QLatin1String(" #"));
    if (pos < 0 || pos + 2 >= t.texto.size()) return;
    const QChar letra = t.texto[pos + 2].toUpper();
    int categoria = -1;
    if (letra == QLatin1Char('N'))
        categoria = TrpFormat::Number;
    else if (letra == QLatin1Char('D'))
        categoria = TrpFormat::Date;
    else if (letra == QLatin1Char('T'))
        categoria = TrpFormat::Time;
    else if (letra == QLatin1Char('B'))
        categoria = TrpFormat::Boolean;
    if (categoria < 0) return;
    t.temFormato = true;
    t.padrao = t.texto.mid(pos + 3);
    t.formato = TrpFormat::make(categoria, 4, 2, 0);
    t.texto = t.texto.left(pos);
}

// A small expression evaluator for what is not a field, a built-in name or a variable:
// numbers, 'texts', names, + - * / and parentheses.
class Avaliador {
public:
    Avaliador(const QString& texto, const std::function<QVariant(const QString&)>& nome,
              const TrpSeparadores& sep)
        : m_t(texto), m_nome(nome), m_sep(sep) {}

    QVariant avaliar() {
        QVariant v = soma();
        pularBrancos();
        if (m_p < m_t.size()) simboloIndefinido(m_t.trimmed());
        return v;
    }

private:
    void pularBrancos() {
        while (m_p < m_t.size() && m_t[m_p].isSpace())
            ++m_p;
    }
    bool aceitar(QChar c) {
        pularBrancos();
        if (m_p < m_t.size() && m_t[m_p] == c) {
            ++m_p;
            return true;
        }
        return false;
    }
    static bool ehNumero(const QVariant& v) {
        const int t = v.typeId();
        return t == QMetaType::Double || t == QMetaType::Int || t == QMetaType::LongLong ||
               t == QMetaType::Short || t == QMetaType::UInt || t == QMetaType::Bool;
    }
    QVariant soma() {
        QVariant a = produto();
        for (;;) {
            if (aceitar(QLatin1Char('+'))) {
                const QVariant b = produto();
                if (ehNumero(a) && ehNumero(b))
                    a = a.toDouble() + b.toDouble();
                else
                    a = TextoSimples(a, m_sep) + TextoSimples(b, m_sep);
            } else if (aceitar(QLatin1Char('-'))) {
                a = numero(a) - numero(produto());
            } else {
                return a;
            }
        }
    }
    QVariant produto() {
        QVariant a = fator();
        for (;;) {
            if (aceitar(QLatin1Char('*'))) {
                a = numero(a) * numero(fator());
            } else if (aceitar(QLatin1Char('/'))) {
                const double b = numero(fator());
                if (b == 0) throw ErroAvaliacao("Division by zero");
                a = numero(a) / b;
            } else {
                return a;
            }
        }
    }
    double numero(const QVariant& v) {
        if (ehNumero(v)) return v.toDouble();
        throw ErroAvaliacao(
            ("Could not convert variant \"" + TextoSimples(v, m_sep) + "\" into a number")
                .toStdString());
    }
    QVariant fator() {
        if (++m_profundidade > 200) throw ErroAvaliacao("Expression too deep");
        struct Saida {
            int& p;
            ~Saida() { --p; }
        } saida{m_profundidade};
        pularBrancos();
        if (m_p >= m_t.size()) simboloIndefinido(m_t.trimmed());
        const QChar c = m_t[m_p];
        if (c == QLatin1Char('(')) {
            ++m_p;
            QVariant v = soma();
            if (!aceitar(QLatin1Char(')'))) simboloIndefinido(m_t.trimmed());
            return v;
        }
        if (c == QLatin1Char('-')) {
            ++m_p;
            return -numero(fator());
        }
        if (c == QLatin1Char('\'')) {
            QString s;
            ++m_p;
            for (;;) {
                if (m_p >= m_t.size()) simboloIndefinido(m_t.trimmed());
                if (m_t[m_p] == QLatin1Char('\'')) {
                    if (m_p + 1 < m_t.size() && m_t[m_p + 1] == QLatin1Char('\'')) {
                        s += QLatin1Char('\'');
                        m_p += 2;
                        continue;
                    }
                    ++m_p;
                    break;
                }
                s += m_t[m_p++];
            }
            return s;
        }
        if (c.isDigit()) {
            const qsizetype inicio = m_p;
            while (m_p < m_t.size() && (m_t[m_p].isDigit() || m_t[m_p] == QLatin1Char('.')))
                ++m_p;
            bool ok = false;
            const double v = m_t.mid(inicio, m_p - inicio).toDouble(&ok);
            if (!ok) simboloIndefinido(m_t.mid(inicio, m_p - inicio));
            return v;
        }
        // A name: letters, digits, '_', '#', and a quoted field after a point.
        const qsizetype inicio = m_p;
        while (m_p < m_t.size()) {
            const QChar d = m_t[m_p];
            if (d.isLetterOrNumber() || d == QLatin1Char('_') || d == QLatin1Char('#')) {
                ++m_p;
            } else if (d == QLatin1Char('.') && m_p + 1 < m_t.size() &&
                       m_t[m_p + 1] == QLatin1Char('"')) {
                const qsizetype fim = m_t.indexOf(QLatin1Char('"'), m_p + 2);
                if (fim < 0) simboloIndefinido(m_t.mid(inicio));
                m_p = fim + 1;
            } else {
                break;
            }
        }
        if (m_p == inicio) simboloIndefinido(m_t.mid(inicio).trimmed());
        return m_nome(m_t.mid(inicio, m_p - inicio));
    }

    QString m_t;
    qsizetype m_p = 0;
    const std::function<QVariant(const QString&)>& m_nome;
    const TrpSeparadores& m_sep;
    int m_profundidade = 0;
};

// An object of a band, with its memo analysed once per preparation.
struct ObjetoDaBanda {
    const TrpView* view = nullptr;
    QStringList memo; // the lines prepared: the template's, or what OnMemoLine made of them
    std::vector<LinhaAnalisada> linhas;
    bool temExpressao = false;
};

struct BandaPreparada {
    const TrpBandView* banda = nullptr;
    std::vector<ObjetoDaBanda> objetos;
    bool temMemos = false;
};

class Preparador {
public:
    Preparador(TrpReport& r, TrpPreparedPages& saida, QString& erro, TrpProgresso& progresso,
               QDate data, QTime hora, int totalPaginas, const char* rotulo)
        : m_r(r), m_saida(saida), m_erro(erro), m_progresso(progresso), m_data(data), m_hora(hora),
          m_sep(SeparadoresDoLocale()), m_totalPaginas(totalPaginas), m_rotulo(rotulo) {}

    void construir() {
        for (const TrpPage& pagina : m_r.pages)
            construirPagina(pagina);
        if (!m_saida.pages().empty()) m_saida.pages().back().stream.squeeze();
    }
    int paginas() const { return m_pagina; }

private:
    void analisarBanda(BandaPreparada& b, const TrpPage& pagina, const TrpBandView* banda) {
        b.banda = banda;
        for (const auto& objeto : pagina.objects) {
            if (!objeto || objeto->kind() == TrpKind::Band || !objeto->visible) continue;
            if (pagina.bandOf(*objeto) != banda) continue;
            ObjetoDaBanda o;
            o.view = objeto.get();
            if (objeto->kind() == TrpKind::Memo) {
                b.temMemos = true;
                for (const QString& original : objeto->memo) {
                    o.memo << (m_r.OnMemoLine ? m_r.OnMemoLine(original) : original);
                    o.linhas.push_back(analisarLinha(o.memo.back()));
                    o.temExpressao = o.temExpressao || o.linhas.back().temExpressao;
                }
            }
            b.objetos.push_back(std::move(o));
        }
    }

    LinhaAnalisada analisarLinha(const QString& linha) {
        LinhaAnalisada l;
        l.original = linha;
        if (!linha.contains(QLatin1Char('['))) return l;
        qsizetype p = 0;
        while (p < linha.size()) {
            const qsizetype abre = linha.indexOf(QLatin1Char('['), p);
            const qsizetype fecha = abre < 0 ? -1 : linha.indexOf(QLatin1Char(']'), abre + 1);
            if (abre < 0 || fecha < 0) {
                l.trechos.push_back(literal(linha.mid(p)));
                break;
            }
            if (abre > p) l.trechos.push_back(literal(linha.mid(p, abre - p)));
            Trecho t;
            t.expressao = true;
            t.texto = linha.mid(abre + 1, fecha - abre - 1);
            separarFormato(t);
            QString nomeDataSet, nomeCampo;
            if (partirCampo(t.texto.trimmed(), nomeDataSet, nomeCampo)) {
                if (TrpCursor* ds = m_r.findDataSet(nomeDataSet)) {
                    t.dataSet = ds;
                    t.campo = ds->FieldIndex(nomeCampo);
                }
            }
            l.trechos.push_back(std::move(t));
            l.temExpressao = true;
            p = fecha + 1;
        }
        return l;
    }

    // The value of a name: a data field, a built-in name, a report variable; nothing when the
    // name is none of these.
    std::optional<QVariant> valorDoNome(const QString& nome) {
        const QString e = nome.trimmed();
        QString nomeDataSet, nomeCampo;
        if (partirCampo(e, nomeDataSet, nomeCampo)) {
            if (TrpCursor* ds = m_r.findDataSet(nomeDataSet)) {
                const int campo = ds->FieldIndex(nomeCampo);
                if (campo >= 0) {
                    if (!ds->Active()) ds->Open();
                    return ds->FieldValue(campo);
                }
            }
            simboloIndefinido(e);
        }
        const QString u = e.toUpper();
        if (u == QLatin1String("VALUE")) return QVariant();
        if (u == QLatin1String("PAGE#")) return m_pagina;
        if (u == QLatin1String("DATE")) return m_data;
        if (u == QLatin1String("TIME")) return m_hora;
        if (u == QLatin1String("LINE#")) return m_linha;
        if (u == QLatin1String("LINETHROUGH#")) return m_linhaGeral;
        if (u == QLatin1String("COLUMN#")) return 1;
        if (u == QLatin1String("CURRENT#")) return m_dataSetAtual ? m_dataSetAtual->RecNo() + 1 : 0;
        if (u == QLatin1String("TOTALPAGES")) return m_totalPaginas;
        for (const TrpValue& v : m_r.values) {
            if (v.name.compare(e, Qt::CaseInsensitive) != 0) continue;
            if (!v.dataSet.isEmpty() && !v.field.isEmpty())
                return valorDoNome(v.dataSet + QStringLiteral(".\"") + v.field + QLatin1Char('"'));
            // A variable holding an expression: one that refers to itself is undefined.
            if (m_emAvaliacao.contains(e, Qt::CaseInsensitive) || v.field.isEmpty())
                simboloIndefinido(e);
            m_emAvaliacao << e;
            struct Saida {
                QStringList& l;
                ~Saida() { l.removeLast(); }
            } saida{m_emAvaliacao};
            return avaliarExpressao(v.field);
        }
        return std::nullopt;
    }

    QVariant avaliarExpressao(const QString& texto) {
        const std::function<QVariant(const QString&)> nome = [this](const QString& n) {
            std::optional<QVariant> v = valorDoNome(n);
            if (!v) simboloIndefinido(n.trimmed());
            return *v;
        };
        Avaliador a(texto, nome, m_sep);
        return a.avaliar();
    }

    QVariant avaliarTrecho(const Trecho& t) {
        if (t.dataSet && t.campo >= 0) {
            if (!t.dataSet->Active()) t.dataSet->Open();
            return t.dataSet->FieldValue(t.campo);
        }
        return avaliarExpressao(t.texto);
    }

    QStringList expandir(const ObjetoDaBanda& o) {
        if (!o.temExpressao) return o.memo;
        QStringList saida;
        saida.reserve(static_cast<qsizetype>(o.linhas.size()));
        for (const LinhaAnalisada& l : o.linhas) {
            if (!l.temExpressao) {
                saida << l.original;
                continue;
            }
            QString linha;
            for (const Trecho& t : l.trechos) {
                if (!t.expressao) {
                    linha += t.texto;
                    continue;
                }
                const QVariant valor = avaliarTrecho(t);
                linha += t.temFormato
                             ? FormatarValor(valor, t.formato, t.padrao, m_sep)
                             : FormatarValor(valor, o.view->format, o.view->formatStr, m_sep);
            }
            saida << linha;
        }
        return saida;
    }

    [[noreturn]] void falhar(const QStringList& linhas, const TrpBandView* banda) {
        QString texto = rpIngles(rpTexto::ErroCalculo);
        for (const QString& l : linhas)
            texto += QLatin1Char('\r') + l;
        texto += QLatin1Char('\r') + rpIngles(rpTexto::Relatorio) + QLatin1Char(' ') + m_r.name;
        texto += QLatin1Char('\r') + rpIngles(rpTexto::Banda) + QLatin1Char(' ') +
                 BandKindName(banda ? banda->bandKind() : int(TrpBandKind::None));
        m_erro = texto;
        throw Parada{};
    }

    // Expanded texts and the band's height (stretched bands grow to their memos).
    double prepararBanda(const BandaPreparada& b, bool rodape) {
        m_textos.resize(b.objetos.size());
        const bool esticada = !rodape && (b.banda->flags & rpFlags::BandStretched);
        double altura = b.banda->dy;
        for (std::size_t k = 0; k < b.objetos.size(); ++k) {
            const ObjetoDaBanda& o = b.objetos[k];
            if (o.view->kind() != TrpKind::Memo) continue;
            try {
                m_textos[k] = expandir(o);
                // The pages keep their texts in the code page: a separator of the user's locale
                // that has no byte there prints as its nearest one, never as '?'.
                for (QString& linha : m_textos[k])
                    linha = Cp1252::SeparadoresImprimiveis(std::move(linha));
            } catch (const Parada&) {
                throw;
            } catch (const std::exception&) {
                falhar(o.view->memo, b.banda);
            }
            if (esticada) {
                const auto& memo = static_cast<const TrpMemoView&>(*o.view);
                const double conteudo = AlturaConteudo(memo, m_textos[k], memo.dx, TrpEscala{});
                altura = std::max(altura, (o.view->y - b.banda->y) + conteudo);
            }
        }
        return std::ceil(altura - 1e-9);
    }

    void escreverBanda(const BandaPreparada& b, int altura, int topo) {
        const bool cresceu = altura > b.banda->dy;
        QByteArray& stream = m_saida.pages().back().stream;
        for (std::size_t k = 0; k < b.objetos.size(); ++k) {
            const TrpView& v = *b.objetos[k].view;
            int x = v.x, dx = v.dx, dy = v.dy;
            const int deslocamento = v.y - b.banda->y;
            if (cresceu && (v.flags & 1)) dy = altura - deslocamento; // stretched objects
            if (v.kind() == TrpKind::Memo) {
                const auto& memo = static_cast<const TrpMemoView&>(v);
                CalcularAutoTamanho(memo, m_textos[k], x, dx);
                rpOutput::escreverObjeto(stream, v, QRect(x, topo + deslocamento, dx, dy),
                                         m_textos[k]);
            } else {
                rpOutput::escreverObjeto(stream, v, QRect(x, topo + deslocamento, dx, dy), v.memo);
            }
        }
    }

    void novaPagina(const TrpPage& pagina) {
        if (!m_saida.pages().empty()) m_saida.pages().back().stream.squeeze();
        TrpPreparedPage p;
        p.paperCode = pagina.paperCode;
        p.width = pagina.width;
        p.height = pagina.height;
        p.orientation = pagina.orientation;
        p.useMargins = pagina.useMargins;
        p.printable = AreaImprimivel(p.papel(), m_r.metricasImpressora);
        p.stream.reserve(4096);
        p.stream.append(static_cast<char>(rpOutput::VersaoPagina));
        m_saida.pages().push_back(std::move(p));
        ++m_pagina;
        ++m_paginaDoModelo;
        m_y = pagina.topEdge(m_r.metricasImpressora);
        m_paginaVazia = true;
        m_progresso.mostrar(rpIngles(m_rotulo) + QString::number(m_pagina));
        if (m_progresso.cancelado()) throw Parada{};
    }

    void imprimirRodape() {
        if (!m_rodape.banda || m_rodape.objetos.empty()) return;
        prepararBanda(m_rodape, true);
        escreverBanda(m_rodape, m_rodape.banda->dy, m_limite);
    }

    void imprimirBanda(const BandaPreparada& b, const TrpPage& pagina) {
        int altura = static_cast<int>(prepararBanda(b, false));
        if (m_y + altura > m_limite && !m_paginaVazia) {
            const bool primeira = m_paginaDoModelo == 1;
            if (!(primeira &&
                  !(m_rodape.banda && (m_rodape.banda->flags & rpFlags::BandOnFirstPage))))
                imprimirRodape();
            novaPagina(pagina);
            altura = static_cast<int>(prepararBanda(b, false)); // PAGE# has changed
        }
        escreverBanda(b, altura, m_y);
        m_y += altura;
        m_paginaVazia = false;
    }

    void construirPagina(const TrpPage& pagina) {
        BandaPreparada titulo;
        std::vector<BandaPreparada> mestres;
        m_rodape = {};
        for (TrpBandView* banda : pagina.bands()) {
            switch (static_cast<TrpBandKind>(banda->bandKind())) {
            case TrpBandKind::ReportTitle:
                if (!titulo.banda) analisarBanda(titulo, pagina, banda);
                break;
            case TrpBandKind::PageFooter:
                if (!m_rodape.banda) analisarBanda(m_rodape, pagina, banda);
                break;
            case TrpBandKind::MasterData:
                mestres.emplace_back();
                analisarBanda(mestres.back(), pagina, banda);
                break;
            default:
                break;
            }
        }
        const int alturaRodape =
            (m_rodape.banda && !m_rodape.objetos.empty()) ? m_rodape.banda->dy : 0;
        m_limite = pagina.bottomEdge(m_r.metricasImpressora) - alturaRodape;
        m_paginaDoModelo = 0;
        novaPagina(pagina);
        if (titulo.banda) imprimirBanda(titulo, pagina);
        for (const BandaPreparada& mestre : mestres)
            imprimirMestre(mestre, pagina);
        if (m_rodape.banda && (m_rodape.banda->flags & rpFlags::BandOnLastPage)) imprimirRodape();
    }

    void imprimirMestre(const BandaPreparada& b, const TrpPage& pagina) {
        const QString nome = b.banda->dataSourceName();
        TrpDBDataSet* fonte = nome.isEmpty() ? m_r.dataSource : m_r.findDataSource(nome);
        if (!fonte) fonte = b.banda->dataSource;
        TrpCursor* ds = fonte ? fonte->dataSet : nullptr;
        if (!ds) falhar({rpIngles(rpTexto::SemDataSet) + (fonte ? fonte->name : nome)}, b.banda);
        if (!ds->Active()) ds->Open();
        // The data set goes back to the record it was on, whatever happens.
        struct Restaurar {
            TrpCursor* ds;
            int registro;
            ~Restaurar() { ds->SetRecNo(registro); }
        } restaurar{ds, ds->RecNo()};
        TrpCursor* anterior = m_dataSetAtual;
        m_dataSetAtual = ds;
        m_linha = 0;
        ds->First();
        while (!ds->Eof()) {
            ++m_linha;
            ++m_linhaGeral;
            imprimirBanda(b, pagina);
            ds->Next();
        }
        m_dataSetAtual = anterior;
    }

    TrpReport& m_r;
    TrpPreparedPages& m_saida;
    QString& m_erro;
    TrpProgresso& m_progresso;
    QDate m_data;
    QTime m_hora;
    TrpSeparadores m_sep;
    int m_totalPaginas = 0;
    const char* m_rotulo;
    int m_pagina = 0, m_paginaDoModelo = 0;
    int m_linha = 0, m_linhaGeral = 0;
    int m_y = 0, m_limite = 0;
    bool m_paginaVazia = true;
    BandaPreparada m_rodape;
    TrpCursor* m_dataSetAtual = nullptr;
    std::vector<QStringList> m_textos;
    QStringList m_emAvaliacao;
};

} // namespace

TrpBuildResult BuildReport(TrpReport& report, const TrpExecutor& executor) {
    const QDateTime agora = QDateTime::currentDateTime();
    if (report.OnBeginDoc) report.OnBeginDoc();
    TrpBuildResult resultado;
    resultado.pages = std::make_unique<TrpPreparedPages>();
    TrpPreparedPages& paginas = *resultado.pages;
    const QString titulo = report.title.isEmpty() ? rpIngles(rpTexto::SemTitulo) : report.title;
    const auto trabalho = [&](TrpProgresso& progresso) {
        try {
            int total = 0;
            if (report.doublePass) {
                Preparador primeira(report, paginas, resultado.error, progresso, agora.date(),
                                    agora.time(), 0, rpTexto::PrimeiraPassagem);
                primeira.construir();
                total = primeira.paginas();
                paginas.clear();
            }
            Preparador p(report, paginas, resultado.error, progresso, agora.date(), agora.time(),
                         total, rpTexto::Processando);
            p.construir();
        } catch (const Parada&) {
        }
    };
    bool concluido = true;
    if (executor) {
        concluido = executor(titulo, trabalho);
    } else {
        TrpProgresso semJanela;
        trabalho(semJanela);
    }
    if (!concluido) {
        resultado.outcome = TrpBuildResult::Cancelled;
        resultado.error.clear();
    } else if (!resultado.error.isEmpty()) {
        resultado.outcome = TrpBuildResult::Failed;
    }
    if (resultado.outcome != TrpBuildResult::Built) paginas.clear();
    return resultado;
}
