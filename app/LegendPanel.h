#pragma once

#include <QWidget>

/// The legend `Panel3` at the bottom of the main window (27 pixels high): the stock status
/// icons of the stock list with what each means.
class LegendPanel : public QWidget
{
    Q_OBJECT

public:
    explicit LegendPanel(QWidget* parent = nullptr);
};
