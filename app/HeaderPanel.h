#pragma once

#include <QWidget>

class AnimatedPicture;
class PictureBox;
class QAction;
class QLabel;
class QMenu;
class QToolButton;

/// The main window's header `Panel1` (100 pixels high): the logo, the session's user,
/// customer and salesman in a three-row grid, the animated header banner, and the button
/// whose drop-down is the general menu `Genelmenu`.
class HeaderPanel : public QWidget
{
    Q_OBJECT

public:
    explicit HeaderPanel(QWidget* parent = nullptr);

    PictureBox* Image1;
    QWidget* GridPanel1;
    QLabel* kullanicilbl;
    QLabel* cariadilbl;
    QLabel* saticilbl;
    AnimatedPicture* RxGIFAnimator1;
    QToolButton* Button3;

    // The general menu, items in order with separators between them.
    QMenu* Genelmenu;
    QAction* M1;
    QAction* N4;
    QAction* WebSitesi1;
    QAction* G1;
    QAction* R1;

private:
    QWidget* buildLabels();
    void buildMenu();
};
