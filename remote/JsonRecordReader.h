#pragma once

#include "RecordFields.h"

#include <QByteArrayView>
#include <memory>

/// Reads a record from its wire form. The "type" must name the expected class; fields are
/// found by their exact names, so a member "CARINO" is not the field "FCARINO". A field
/// missing from the message keeps its default. Malformed text raises a protocol error.
class JsonRecordReader : public FieldVisitor
{
public:
    ~JsonRecordReader() override;

    /// The record, or nullptr when the message holds JSON null (no object).
    template <class T>
    static std::unique_ptr<T> read(QByteArrayView json)
    {
        JsonRecordReader r(json, T::TypeName);
        if (r.isNull())
            return nullptr;
        auto record = std::make_unique<T>();
        record->visit(r);
        return record;
    }

    void field(const char* name, QString& value) override;
    void field(const char* name, int& value) override;
    void field(const char* name, double& value) override;
    void field(const char* name, bool& value) override;
    void field(const char* name, std::vector<TAcilisEkran>& value) override;

private:
    JsonRecordReader(QByteArrayView json, const char* expectedType);
    bool isNull() const;

    struct Impl;
    std::unique_ptr<Impl> d;
};
