#include "JsonRecordReader.h"

#include "RemoteError.h"
#include "TAcilisEkran.h"

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

[[noreturn]] void fail(const QString& text)
{
    throw RemoteError(RemoteError::Kind::Protocol, QStringLiteral("Geçersiz kayıt: ") + text);
}

} // namespace

struct JsonRecordReader::Impl
{
    rapidjson::Document document;
    const rapidjson::Value* fields = nullptr; // the "fields" object being read

    /// Checks the three-member shape and the type, and returns the record's fields.
    static const rapidjson::Value& open(const rapidjson::Value& object, const char* type)
    {
        if (!object.IsObject())
            fail(QStringLiteral("nesne bekleniyordu"));
        const auto t = object.FindMember("type");
        if (t == object.MemberEnd() || !t->value.IsString())
            fail(QStringLiteral("\"type\" eksik"));
        if (std::strcmp(t->value.GetString(), type) != 0)
            fail(QStringLiteral("%1 yerine %2 geldi")
                     .arg(QString::fromUtf8(type), QString::fromUtf8(t->value.GetString())));
        const auto f = object.FindMember("fields");
        if (f == object.MemberEnd() || !f->value.IsObject())
            fail(QStringLiteral("\"fields\" eksik"));
        return f->value;
    }

    const rapidjson::Value* member(const char* name) const
    {
        const auto m = fields->FindMember(name);
        return m == fields->MemberEnd() ? nullptr : &m->value;
    }

    static void wrongType(const char* name)
    {
        fail(QStringLiteral("%1 alanının türü yanlış").arg(QString::fromUtf8(name)));
    }
};

JsonRecordReader::JsonRecordReader(QByteArrayView json, const char* expectedType)
    : d(std::make_unique<Impl>())
{
    d->document.Parse<rapidjson::kParseIterativeFlag>(json.data(), static_cast<size_t>(json.size()));
    if (d->document.HasParseError())
        fail(QString::fromUtf8(rapidjson::GetParseError_En(d->document.GetParseError())));
    if (!d->document.IsNull())
        d->fields = &Impl::open(d->document, expectedType);
}

JsonRecordReader::~JsonRecordReader() = default;

bool JsonRecordReader::isNull() const
{
    return d->document.IsNull();
}

void JsonRecordReader::field(const char* name, QString& value)
{
    if (const auto* v = d->member(name)) {
        if (!v->IsString())
            Impl::wrongType(name);
        value = QString::fromUtf8(v->GetString(), static_cast<qsizetype>(v->GetStringLength()));
    }
}

void JsonRecordReader::field(const char* name, int& value)
{
    if (const auto* v = d->member(name)) {
        if (v->IsInt())
            value = v->GetInt();
        else if (v->IsDouble() && std::trunc(v->GetDouble()) == v->GetDouble() &&
                 std::fabs(v->GetDouble()) <= std::numeric_limits<int>::max())
            value = static_cast<int>(v->GetDouble());
        else
            Impl::wrongType(name);
    }
}

void JsonRecordReader::field(const char* name, double& value)
{
    if (const auto* v = d->member(name)) {
        if (!v->IsNumber())
            Impl::wrongType(name);
        value = v->GetDouble();
    }
}

void JsonRecordReader::field(const char* name, bool& value)
{
    if (const auto* v = d->member(name)) {
        if (!v->IsBool())
            Impl::wrongType(name);
        value = v->GetBool();
    }
}

void JsonRecordReader::field(const char* name, std::vector<TAcilisEkran>& value)
{
    const auto* v = d->member(name);
    if (!v)
        return;
    if (!v->IsArray())
        Impl::wrongType(name);
    std::vector<TAcilisEkran> screens;
    const rapidjson::Value* outer = d->fields;
    for (const auto& element : v->GetArray()) {
        d->fields = &Impl::open(element, TAcilisEkran::TypeName);
        screens.emplace_back();
        screens.back().visit(*this);
    }
    d->fields = outer;
    value = std::move(screens);
}
