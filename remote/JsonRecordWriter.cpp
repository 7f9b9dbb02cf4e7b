#include "JsonRecordWriter.h"

#include "TAcilisEkran.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cmath>

struct JsonRecordWriter::Impl
{
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer{buffer};
    int nextId = 1;

    void key(const char* name) { writer.Key(name); }
};

JsonRecordWriter::JsonRecordWriter() : d(std::make_unique<Impl>()) {}
JsonRecordWriter::~JsonRecordWriter() = default;

void JsonRecordWriter::beginRecord(const char* type)
{
    d->writer.StartObject();
    d->key("type");
    d->writer.String(type);
    d->key("id");
    d->writer.Int(d->nextId++);
    d->key("fields");
    d->writer.StartObject();
}

void JsonRecordWriter::endRecord()
{
    d->writer.EndObject();
    d->writer.EndObject();
}

QByteArray JsonRecordWriter::take()
{
    return QByteArray(d->buffer.GetString(), static_cast<qsizetype>(d->buffer.GetSize()));
}

void JsonRecordWriter::field(const char* name, QString& value)
{
    d->key(name);
    const QByteArray utf8 = value.toUtf8();
    d->writer.String(utf8.constData(), static_cast<rapidjson::SizeType>(utf8.size()));
}

void JsonRecordWriter::field(const char* name, int& value)
{
    d->key(name);
    d->writer.Int(value);
}

void JsonRecordWriter::field(const char* name, double& value)
{
    d->key(name);
    // JSON has no NaN or infinity; such a value is sent as 0.
    d->writer.Double(std::isfinite(value) ? value : 0.0);
}

void JsonRecordWriter::field(const char* name, bool& value)
{
    d->key(name);
    d->writer.Bool(value);
}

void JsonRecordWriter::field(const char* name, std::vector<TAcilisEkran>& value)
{
    d->key(name);
    d->writer.StartArray();
    for (auto& element : value) {
        beginRecord(TAcilisEkran::TypeName);
        element.visit(*this);
        endRecord();
    }
    d->writer.EndArray();
}
