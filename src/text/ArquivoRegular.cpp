// Checked access to the files the program opens and saves (POSIX calls under the Qt names).
#include "ArquivoRegular.h"

#include "TextosArquivo.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <initializer_list>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

QString TextoArquivo(const char* texto) {
    return QCoreApplication::translate("ArquivoRegular", texto);
}

namespace {

enum class Operacao { Ler, Gravar };

QString CausaSistema(int erro, Operacao op) {
    switch (erro) {
    case ENOENT:
        return TextoArquivo(op == Operacao::Ler ? TextosArquivo::NaoExiste
                                                : TextosArquivo::PastaNaoExiste);
    case ENOTDIR:
        return TextoArquivo(TextosArquivo::PastaNaoExiste);
    case EACCES:
    case EPERM:
    case EROFS:
        return TextoArquivo(op == Operacao::Ler ? TextosArquivo::SemLeitura
                                                : TextosArquivo::SemGravacao);
    case ENOSPC:
    case EDQUOT:
        return TextoArquivo(TextosArquivo::DiscoCheio);
    default:
        return TextoArquivo(TextosArquivo::ErroSistema)
            .arg(QString::fromLocal8Bit(std::strerror(erro)));
    }
}

[[noreturn]] void Falhar(const QString& nome, int erro, Operacao op) {
    throw ErroArquivo(MensagemArquivo(nome, CausaSistema(erro, op)));
}

[[noreturn]] void NaoRegular(const QString& nome, mode_t modo) {
    const char* tipo = S_ISDIR(modo)                    ? TextosArquivo::TipoPasta
                       : S_ISFIFO(modo)                 ? TextosArquivo::TipoPipe
                       : S_ISSOCK(modo)                 ? TextosArquivo::TipoSocket
                       : S_ISCHR(modo) || S_ISBLK(modo) ? TextosArquivo::TipoDispositivo
                                                        : TextosArquivo::TipoDesconhecido;
    throw ErroArquivo(
        MensagemArquivo(nome, TextoArquivo(TextosArquivo::NaoRegular).arg(TextoArquivo(tipo))));
}

[[noreturn]] void GrandeDemais(const QString& nome, qint64 tamanho, qint64 limite,
                               const QString& formato) {
    throw ErroArquivo(MensagemArquivo(
        nome, TextoArquivo(TextosArquivo::GrandeDemais).arg(tamanho).arg(limite).arg(formato)));
}

// Checks the kind and size of an open file or of a name.
void Conferir(const QString& nome, const struct stat& st, qint64 limite, const QString& formato) {
    if (!S_ISREG(st.st_mode)) NaoRegular(nome, st.st_mode);
    if (st.st_size > limite) GrandeDemais(nome, st.st_size, limite, formato);
}

// Closes a descriptor when the block ends.
class Descritor {
public:
    explicit Descritor(int fd = -1) : m_fd(fd) {}
    ~Descritor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descritor(const Descritor&) = delete;
    Descritor& operator=(const Descritor&) = delete;
    int fd() const { return m_fd; }
    int soltar() { return std::exchange(m_fd, -1); }
    int fechar() {
        const int r = ::close(m_fd);
        m_fd = -1;
        return r;
    }

private:
    int m_fd;
};

// Opens an existing name without waiting on it (a pipe with no writer would block an ordinary
// open) and checks what it is before anything is read.
int AbrirSemBloquear(const QString& nome, const QByteArray& caminho, int modo, qint64 limite,
                     const QString& formato, Operacao op, struct stat& st) {
    if (::stat(caminho.constData(), &st) != 0) Falhar(nome, errno, op);
    Conferir(nome, st, limite, formato);
    const int fd = ::open(caminho.constData(), modo | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) Falhar(nome, errno, op);
    Descritor guarda(fd);
    // The name may have been replaced between the check and the open.
    if (::fstat(fd, &st) != 0) Falhar(nome, errno, op);
    Conferir(nome, st, limite, formato);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return guarda.soltar();
}

// Reads from `posicao` to the end, in blocks, refusing to go past `limite` bytes in all.
QByteArray LerAteOFim(const QString& nome, int fd, qint64 posicao, qint64 tamanho, qint64 limite,
                      const QString& formato, Operacao op) {
    QByteArray dados;
    if (tamanho > posicao) dados.reserve(tamanho - posicao);
    char bloco[1 << 16];
    for (;;) {
        const ssize_t n = ::pread(fd, bloco, sizeof bloco, posicao);
        if (n < 0) {
            if (errno == EINTR) continue;
            Falhar(nome, errno, op);
        }
        if (n == 0) break;
        posicao += n;
        if (posicao > limite) GrandeDemais(nome, posicao, limite, formato); // it grew
        dados.append(bloco, n);
    }
    return dados;
}

void EscreverTudo(const QString& nome, int fd, const QByteArray& dados) {
    const char* p = dados.constData();
    qint64 falta = dados.size();
    while (falta > 0) {
        const ssize_t n = ::write(fd, p, size_t(falta));
        if (n < 0) {
            if (errno == EINTR) continue;
            Falhar(nome, errno, Operacao::Gravar);
        }
        if (n == 0) Falhar(nome, EIO, Operacao::Gravar);
        p += n;
        falta -= n;
    }
}

bool EhTemporario(const char* nome) {
    const char* sufixo = std::strstr(nome, SufixoTemporario);
    return nome[0] == '.' && sufixo && std::strlen(sufixo) == std::strlen(SufixoTemporario) + 6;
}

// Removes the temporaries of interrupted saves: a save holds a lock on its temporary until the
// rename, so one that can be locked belongs to nobody.
void LimparTemporarios(const QByteArray& pasta) {
    DIR* d = ::opendir(pasta.constData());
    if (!d) return;
    const int dfd = ::dirfd(d);
    while (const dirent* e = ::readdir(d)) {
        if (!EhTemporario(e->d_name)) continue;
        const int fd =
            ::openat(dfd, e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dfd, e->d_name, 0);
        ::close(fd);
    }
    ::closedir(d);
}

// Writes the parts to a temporary file beside `alvo` (mode `modo`), syncs it and renames it over
// `alvo`; on any failure the temporary is removed and the file is left as it was.
void SubstituirArquivo(const QString& nome, const QByteArray& alvo, mode_t modo,
                       std::initializer_list<const QByteArray*> partes) {
    const qsizetype barra = alvo.lastIndexOf('/');
    const QByteArray pasta = barra < 0    ? QByteArray(".")
                             : barra == 0 ? QByteArray("/")
                                          : alvo.left(barra);
    const QByteArray base = alvo.mid(barra + 1);
    LimparTemporarios(pasta);
    QByteArray temporario = pasta + "/." + base.left(200) + SufixoTemporario + QByteArray("XXXXXX");
    const int criado = ::mkostemp(temporario.data(), O_CLOEXEC);
    if (criado < 0) Falhar(nome, errno, Operacao::Gravar);
    Descritor fd(criado);
    ::flock(fd.fd(), LOCK_EX); // held until the rename: no other save takes it for a leftover
    bool renomeado = false;
    try {
        if (::fchmod(fd.fd(), modo) != 0) Falhar(nome, errno, Operacao::Gravar);
        for (const QByteArray* parte : partes)
            EscreverTudo(nome, fd.fd(), *parte);
        if (::fsync(fd.fd()) != 0) Falhar(nome, errno, Operacao::Gravar);
        if (::rename(temporario.constData(), alvo.constData()) != 0)
            Falhar(nome, errno, Operacao::Gravar);
        renomeado = true;
        if (fd.fechar() != 0) Falhar(nome, errno, Operacao::Gravar);
    } catch (...) {
        if (!renomeado) ::unlink(temporario.constData());
        throw;
    }
    // The rename itself reaches the disk with the folder.
    const int dfd = ::open(pasta.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

} // namespace

// The length of the valid UTF-8 sequence at `p` (RFC 3629: no overlong forms, no surrogates,
// nothing past U+10FFFF), 0 when there is none.
int SequenciaUtf8(const unsigned char* p, qsizetype resta) {
    const unsigned c = p[0];
    if (c < 0x80) return 1;
    int n = 0;
    unsigned minimo = 0x80, maximo = 0xBF; // range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) minimo = 0xA0;
        if (c == 0xED) maximo = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) minimo = 0x90;
        if (c == 0xF4) maximo = 0x8F;
    } else {
        return 0;
    }
    if (resta < n || p[1] < minimo || p[1] > maximo) return 0;
    for (int k = 2; k < n; ++k)
        if (p[k] < 0x80 || p[k] > 0xBF) return 0;
    return n;
}

QString NomeDeBytes(const QByteArray& bytes) {
    QString nome;
    nome.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype k = 0; k < n;) {
        const int tamanho = SequenciaUtf8(p + k, n - k);
        if (tamanho == 0) {
            nome += QChar(char16_t(0xDC00 + p[k]));
            ++k;
        } else {
            nome += QUtf8StringView(bytes.constData() + k, tamanho).toString();
            k += tamanho;
        }
    }
    return nome;
}

namespace {
bool EhEscape(const QString& nome, qsizetype k) {
    const char16_t c = nome[k].unicode();
    return c >= 0xDC80 && c <= 0xDCFF && (k == 0 || !nome[k - 1].isHighSurrogate());
}
} // namespace

QByteArray BytesDoNome(const QString& nome) {
    QByteArray bytes;
    bytes.reserve(nome.size());
    qsizetype inicio = 0; // of the run of ordinary characters not yet written
    for (qsizetype k = 0; k < nome.size(); ++k) {
        if (!EhEscape(nome, k)) continue;
        bytes += QStringView(nome).mid(inicio, k - inicio).toUtf8();
        bytes += char(nome[k].unicode() - 0xDC00);
        inicio = k + 1;
    }
    bytes += QStringView(nome).mid(inicio).toUtf8();
    return bytes;
}

QString NomeLegivel(const QString& nome) {
    QString legivel = nome;
    for (qsizetype k = 0; k < legivel.size(); ++k)
        if (EhEscape(nome, k)) legivel[k] = QChar::ReplacementCharacter;
    return legivel;
}

QString MensagemArquivo(const QString& nome, const QString& causa) {
    return TextoArquivo(TextosArquivo::Causa)
        .arg(QDir::toNativeSeparators(NomeLegivel(nome)), causa);
}

QByteArray LerArquivoRegular(const QString& nome, qint64 limite, const QString& formato) {
    const QByteArray caminho = BytesDoNome(nome);
    struct stat st {};
    Descritor fd(AbrirSemBloquear(nome, caminho, O_RDONLY, limite, formato, Operacao::Ler, st));
    return LerAteOFim(nome, fd.fd(), 0, st.st_size, limite, formato, Operacao::Ler);
}

void GravarInicioArquivo(const QString& nome, const QByteArray& inicio, qint64 limite,
                         const QString& formato) {
    QByteArray alvo = BytesDoNome(nome);
    QByteArray resto;
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    mode_t modo = 0666 & ~mascara;
    struct stat st {};
    if (::stat(alvo.constData(), &st) == 0) {
        // The file behind a link is replaced, not the link.
        if (char* real = ::realpath(alvo.constData(), nullptr)) {
            alvo = real;
            std::free(real);
        }
        // Opened for writing too, so a file the user may not write is refused, not replaced.
        Descritor fd(AbrirSemBloquear(nome, alvo, O_RDWR, limite, formato, Operacao::Gravar, st));
        resto =
            LerAteOFim(nome, fd.fd(), inicio.size(), st.st_size, limite, formato, Operacao::Gravar);
        modo = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        Falhar(nome, errno, Operacao::Gravar);
    }

    SubstituirArquivo(nome, alvo, modo, {&inicio, &resto});
}

void GravarArquivoInteiro(const QString& nome, const QByteArray& dados) {
    QByteArray alvo = BytesDoNome(nome);
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    mode_t modo = 0666 & ~mascara;
    struct stat st {};
    if (::stat(alvo.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) NaoRegular(nome, st.st_mode);
        if (char* real = ::realpath(alvo.constData(), nullptr)) {
            alvo = real;
            std::free(real);
        }
        // A file the user may not write is refused, not replaced.
        if (::access(alvo.constData(), W_OK) != 0) Falhar(nome, errno, Operacao::Gravar);
        modo = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        Falhar(nome, errno, Operacao::Gravar);
    }
    SubstituirArquivo(nome, alvo, modo, {&dados});
}
