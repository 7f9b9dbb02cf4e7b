#pragma once

#include <QWidget>

class CartTotalsPanel;
class QGroupBox;
class QPushButton;

/// The cart's bottom panel `Panel4`: the group box "Mesaj" holding the totals `Panel6` on
/// the right and, right of them, "Gönder" above "Excel Kaydet".
class CartBottomPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PanelHeight = 131;

    explicit CartBottomPanel(QWidget* parent = nullptr);

    QGroupBox* mesaj;
    CartTotalsPanel* Panel6;
    QPushButton* Button1;
    QPushButton* Button2;
};
