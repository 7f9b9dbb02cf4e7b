#pragma once

#include "RecordFields.h"

#include <QByteArray>
#include <memory>

/// Writes records in their wire form: {"type": unit.class, "id": n, "fields": {...}}, ids
/// counted from 1 in writing order, nested records included.
class JsonRecordWriter : public FieldVisitor
{
public:
    JsonRecordWriter();
    ~JsonRecordWriter() override;

    template <class T>
    static QByteArray write(const T& record)
    {
        JsonRecordWriter w;
        w.beginRecord(T::TypeName);
        // Visiting only reads the fields; the visitor interface is shared with the reader.
        const_cast<T&>(record).visit(w);
        w.endRecord();
        return w.take();
    }

    void field(const char* name, QString& value) override;
    void field(const char* name, int& value) override;
    void field(const char* name, double& value) override;
    void field(const char* name, bool& value) override;
    void field(const char* name, std::vector<TAcilisEkran>& value) override;

private:
    void beginRecord(const char* type);
    void endRecord();
    QByteArray take();

    struct Impl;
    std::unique_ptr<Impl> d;
};
