#pragma once

#include <QHash>
#include <QWidget>

class QTableView;
class DataSetModel;

/// The footer row under a grid: each column's summaries, placed under the column and
/// scrolled with it; columns that are hidden show nothing.
class GridFooter : public QWidget
{
    Q_OBJECT

public:
    GridFooter(QTableView* view, const DataSetModel* model, QWidget* parent = nullptr);

    /// Summary texts by column; several summaries of one column are separated by '\n'.
    void setTexts(QHash<int, QString> texts);
    const QHash<int, QString>& texts() const { return m_texts; }
    /// Horizontal alignment of a column's summaries (the column's own when not given).
    void setAlignments(QHash<int, Qt::Alignment> alignments);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int lineCount() const;
    Qt::Alignment alignmentOf(int column) const;
    /// The footer font, made smaller where `text` would not fit `width` whole.
    QFont fittingFont(const QString& text, int width) const;

    QTableView* m_view;
    const DataSetModel* m_model;
    QHash<int, QString> m_texts;
    QHash<int, Qt::Alignment> m_alignments;
};
