#pragma once

#include <QWidget>

class QLabel;

/// The strip under a filtered grid: what the header filters keep, and a button that
/// clears them all.
class GridFilterBar : public QWidget
{
    Q_OBJECT

public:
    explicit GridFilterBar(QWidget* parent = nullptr);

    void setDescription(const QString& text);
    QString description() const;

signals:
    void clearRequested();

private:
    QLabel* m_label;
};
