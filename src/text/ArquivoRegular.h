// Checked access to the files the program opens and saves: regular files only, bounded reads,
// saves that replace a file whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <stdexcept>

// A file that could not be read or written; the message names the file and the cause.
class ErroArquivo : public std::runtime_error {
public:
    explicit ErroArquivo(const QString& mensagem)
        : std::runtime_error(mensagem.toStdString()), m_mensagem(mensagem) {}
    const QString& mensagem() const { return m_mensagem; }

private:
    QString m_mensagem;
};

// Largest design file read: the record is 544 bytes and anything after it is carried along
// untouched, but no design needs more than a few bytes of tail; 1 MiB reads in a moment.
inline constexpr qint64 LimiteProjeto = qint64(1) << 20;
// Largest prepared-report file read: the longest report the program prepares (the baffle report
// with the most glare stops a design can hold, 32767) takes under 8 MiB; four times that.
inline constexpr qint64 LimiteRelatorio = qint64(32) << 20;

// A file name as the system gives it (bytes, UTF-8 where valid) and back, losslessly: each byte
// that is not part of valid UTF-8 becomes the lone surrogate U+DC80 + (byte - 0x80), which valid
// UTF-8 never yields, and turns back into that byte; BytesDoNome(NomeDeBytes(b)) == b for every
// b. Every file the program opens or writes goes through BytesDoNome.
QString NomeDeBytes(const QByteArray& bytes);
QByteArray BytesDoNome(const QString& nome);
// The name for people to read: each escaped byte shown as U+FFFD.
QString NomeLegivel(const QString& nome);

// "<file>: <cause>", the file in native separators.
[[nodiscard]] QString MensagemArquivo(const QString& nome, const QString& causa);

// Reads a whole file. Anything that is not a regular file (a pipe, socket, device or folder) is
// refused before it is opened for reading, and so is a file larger than `limite` bytes;
// `formato` (translated) says what the file should be. Never blocks on the file's kind.
QByteArray LerArquivoRegular(const QString& nome, qint64 limite, const QString& formato);

// Writes `inicio` over the start of the named file and keeps the bytes after it (a new file holds
// `inicio` alone). The new contents go to a temporary file beside it, named
// ".<name>.salvando-XXXXXX", which is synced and renamed over the file: a crash leaves the old
// file or the new one, never a mix. Temporaries that an interrupted save left in the folder are
// removed by the next save there. A file that is not regular, or larger than `limite`, is refused.
void GravarInicioArquivo(const QString& nome, const QByteArray& inicio, qint64 limite,
                         const QString& formato);

// Replaces the named file whole (or creates it) with `dados`, through a temporary file beside it
// as above: a failed write leaves the old file, or no file, never a partial one. An existing name
// that is not a regular file, or that the user may not write, is refused.
void GravarArquivoInteiro(const QString& nome, const QByteArray& dados);

// The part of a temporary file's name after the name it stands in for.
inline constexpr const char* SufixoTemporario = ".salvando-";
