#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

/// The strip `panelsec` under the cart grid: "Hepsini Seç" and "Seçimleri Kaldır", and the
/// account's overdue warning `lbluyarbakiye` in red filling the rest.
class CartSelectionStrip : public QWidget
{
    Q_OBJECT

public:
    static constexpr int StripHeight = 41;
    static constexpr int ButtonWidth = 150;

    explicit CartSelectionStrip(QWidget* parent = nullptr);

    QPushButton* Button4;
    QPushButton* Button5;
    QLabel* lbluyarbakiye;

private:
    QPushButton* selectButton(const QString& text, const QPixmap& picture);
};
