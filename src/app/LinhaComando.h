// The command line: its options, batch work without a window, a design named at start-up.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>

class TfrmTeluvar;

// Exit statuses of the program.
enum StatusSaida : int { SaidaSucesso = 0, SaidaUso = 1, SaidaEntrada = 2, SaidaGravacao = 3 };

// What the command line asks for.
struct PedidoLinha {
    enum Modo { Janela, Ajuda, Versao, Pdf, Json, Prescricao, Erro } modo = Janela;
    QString projeto;          // PROJETO.tlv (Janela: empty when none was given)
    QString saida;            // --pdf SAIDA.pdf
    bool defletor = false;    // --relatorio defletor
    bool iluminacao = false;  // --relatorio iluminacao (Ritchey-Chrétien, the field i kept lit)
    bool tolerancias = false; // --relatorio tolerancias
    bool semEstudos = false;  // --json --sem-estudos
    QString erro;             // Erro: why the usage is bad (Portuguese, one line)
    QString textoAjuda;       // Ajuda: the help text
    // Prescricao: the variant code (Ritchey-Chrétien unless --variante names another)
    std::int16_t variante = 2;
};

// Before the application object exists: true when the arguments ask for work that needs no
// display (any option at all); main then selects the offscreen platform itself.
bool PedeTrabalhoSemJanela(int argc, char** argv);

// Parses the arguments (the program's name first) with QCommandLineParser.
PedidoLinha AnalisarLinha(const QStringList& argumentos);

// Runs what a request other than Janela asks for and returns the exit status: help and version
// to `saida`; --json to `saida`; --pdf to its file; one line "teluvar: <why>" on `erros` when it
// fails. Needs the application object (a QGuiApplication at least: no widget is created).
int ExecutarSemJanela(const PedidoLinha& pedido, std::FILE* saida, std::FILE* erros);

// Opens a design named at start-up in the main window as "&Abrir" opens it; a file that cannot
// be opened reaches the error box and the window stays as it was.
void AbrirDaLinhaDeComando(TfrmTeluvar& frmTeluvar, const QString& nome);
