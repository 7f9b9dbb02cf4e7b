#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

/// A simple printed document (receipts, reports): a title, lines of text and tables,
/// rendered as PDF on A4 pages.
class PdfDocument
{
public:
    explicit PdfDocument(QString title);

    void addLine(const QString& text, bool bold = false);
    void addTable(const QStringList& headers, const QList<QStringList>& rows);
    QByteArray render() const;

private:
    struct Block
    {
        QStringList cells; // one cell: a line of text; several: a table row
        bool bold = false;
    };

    QString m_title;
    QList<Block> m_blocks;
};
