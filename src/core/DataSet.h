// An in-memory table with named, typed fields and a current record: the report data sets.
#pragma once

#include "rpCursor.h"

#include <QString>
#include <QVariant>
#include <vector>

class TMemDataSet : public TrpCursor {
public:
    enum class TipoCampo { Texto, Inteiro16, Real };
    struct Campo {
        QString nome;
        TipoCampo tipo;
        int tamanho; // characters, for text fields (longer texts are cut)
    };

    explicit TMemDataSet(QString nome = {});

    QString Name() const override { return m_nome; }
    void setNome(const QString& nome) { m_nome = nome; }

    // Field definitions; set while the data set is closed.
    void adicionarCampo(const QString& nome, TipoCampo tipo, int tamanho = 0);
    const std::vector<Campo>& campos() const { return m_campos; }
    int FieldIndex(const QString& nome) const override; // -1 when absent

    void Open() override;
    void Close(); // discards every record
    bool Active() const override { return m_aberto; }
    void EmptyTable(); // discards every record, stays open

    // Editing: Append starts a new record at the end; SetField writes it; Post stores it.
    void Append();
    void SetField(const QString& campo, const QVariant& valor); // throws std::runtime_error
    void Post();

    // Walking.
    void First() override;
    void Next() override;
    bool Eof() const override;
    int RecordCount() const { return static_cast<int>(m_linhas.size()); }
    int RecNo() const override { return m_atual; }   // 0-based; equals RecordCount() at the end
    void SetRecNo(int recno) override;               // clamped into [0, RecordCount()]
    QVariant FieldValue(const QString& campo) const; // of the current (or edited) record
    QVariant FieldValue(int indice) const override;

private:
    QVariant converter(int indice, const QVariant& valor) const;

    QString m_nome;
    std::vector<Campo> m_campos;
    std::vector<std::vector<QVariant>> m_linhas;
    std::vector<QVariant> m_edicao;
    bool m_editando = false;
    bool m_aberto = false;
    int m_atual = 0;
};
