#pragma once

#include <QWidget>

class QGridLayout;
class QLabel;
struct CartTotals;

/// The cart's totals `Panel6`: five caption and value pairs, the grand total in bold,
/// values right-aligned in the amount format.
class CartTotalsPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PanelWidth = 280;

    explicit CartTotalsPanel(QWidget* parent = nullptr);

    /// Writes the totals, each as "#,###,##0.00" in the user's locale.
    void goster(const CartTotals& totals);

    QLabel* aratoplaml;
    QLabel* indiriml;
    QLabel* nettutarl;
    QLabel* vergil;
    QLabel* geneltoplaml;

private:
    QLabel* addPair(const QString& caption, bool bold);

    QGridLayout* m_layout;
};
