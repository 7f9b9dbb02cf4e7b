#pragma once

#include <QString>
#include <cstdint>

/// Column types of record sets and data packets, exactly as the server declares them.
/// Float, Currency and Bcd are all held as doubles but stay distinguishable: the amount
/// display format applies to Float columns only.
enum class FieldType : std::uint8_t {
    Integer = 1,  // signed 32-bit
    LargeInt = 2, // signed 64-bit
    Float = 3,    // 64-bit floating point
    Currency = 4, // money column
    Bcd = 5,      // fixed-point decimal
    String = 6,
    Memo = 7,
    Date = 8,     // day number since 30 December 1899
    DateTime = 9, // day number with the time as fraction
    Boolean = 10,
    Blob = 11,
};

/// True for the types whose cells are stored as doubles.
constexpr bool isDoubleType(FieldType t)
{
    return t == FieldType::Float || t == FieldType::Currency || t == FieldType::Bcd ||
           t == FieldType::Date || t == FieldType::DateTime;
}

/// True for the types whose cells are stored as byte runs (UTF-8 text or raw bytes).
constexpr bool isBytesType(FieldType t)
{
    return t == FieldType::String || t == FieldType::Memo || t == FieldType::Blob;
}

/// True for a valid wire code of a field type.
constexpr bool isKnownFieldType(std::uint8_t code)
{
    return code >= 1 && code <= 11;
}

QString fieldTypeName(FieldType t);
