#pragma once

#include <QString>
#include <vector>

class TAcilisEkran;

/// Walks the fields of a record in declared order; the JSON reader and writer implement it.
/// Every record class lists its fields once (an X-macro list) and builds its properties and
/// its `visit` from that one list, so the wire order cannot drift from the declaration.
class FieldVisitor
{
public:
    virtual ~FieldVisitor() = default;
    virtual void field(const char* name, QString& value) = 0;
    virtual void field(const char* name, int& value) = 0;
    virtual void field(const char* name, double& value) = 0;
    virtual void field(const char* name, bool& value) = 0;
    virtual void field(const char* name, std::vector<TAcilisEkran>& value) = 0;
};

// Declares the private field F<Name> with its default, the read property <Name>() and the
// setter Set<Name>(), which only assigns.
#define OK_RECORD_PROPERTY(Type, Name, Default)                                              \
public:                                                                                      \
    const Type& Name() const { return F##Name; }                                             \
    void Set##Name(const Type& value) { F##Name = value; }                                   \
                                                                                             \
private:                                                                                     \
    Type F##Name = Default;

#define OK_RECORD_VISIT(Type, Name, Default) visitor.field("F" #Name, F##Name);

// Inside a record class: properties, fields and visit() from the class's field list.
#define OK_RECORD_BODY(FIELDS)                                                               \
    FIELDS(OK_RECORD_PROPERTY)                                                               \
public:                                                                                      \
    void visit(FieldVisitor& visitor) { FIELDS(OK_RECORD_VISIT) }
