#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

// Whole-file reading and writing for tests that prepare or inspect files.

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Writes `bytes` to `path`, creating the folders on the way.
inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}
