// Build tool: writes the three report drawings as placeable metafiles into a folder.
//
// Usage: gerar_desenhos <output folder>  (writes optica.wmf, flechas.wmf, defletor.wmf)
#include "Desenhos.h"

#include <QByteArray>
#include <QDir>
#include <QSaveFile>
#include <QString>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gerar_desenhos <output folder>\n");
        return 2;
    }
    const QString pasta = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(pasta)) {
        std::fprintf(stderr, "gerar_desenhos: cannot create %s\n", argv[1]);
        return 1;
    }
    struct Saida {
        const char* nome;
        QByteArray (*desenhar)();
    };
    const Saida saidas[] = {{"optica.wmf", Desenhos::DesenharOptica},
                            {"flechas.wmf", Desenhos::DesenharFlechas},
                            {"defletor.wmf", Desenhos::DesenharDefletor}};
    try {
        for (const Saida& s : saidas) {
            QSaveFile f(QDir(pasta).filePath(QString::fromLatin1(s.nome)));
            if (!f.open(QIODevice::WriteOnly) || f.write(s.desenhar()) < 0 || !f.commit()) {
                std::fprintf(stderr, "gerar_desenhos: cannot write %s\n", s.nome);
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gerar_desenhos: %s\n", e.what());
        return 1;
    }
    return 0;
}
