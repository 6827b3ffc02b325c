// The engine's view of a data set: a named cursor over records with named fields.
#pragma once

#include <QString>
#include <QVariant>

class TrpCursor {
public:
    virtual ~TrpCursor() = default;

    virtual QString Name() const = 0;                      // as templates name it: Name."Field"
    virtual int FieldIndex(const QString& name) const = 0; // -1 when absent
    virtual QVariant FieldValue(int index) const = 0;      // of the current record

    virtual bool Active() const = 0;
    virtual void Open() = 0;
    virtual void First() = 0;
    virtual void Next() = 0;
    virtual bool Eof() const = 0;
    // The position, remembered before a walk and restored after it (0-based record number).
    virtual int RecNo() const = 0;
    virtual void SetRecNo(int recno) = 0;
};
