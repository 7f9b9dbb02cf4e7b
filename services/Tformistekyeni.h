#pragma once

#include <QDialog>

class QPushButton;
class QWebEngineView;

/// Web request window: an embedded browser above a bottom panel with "Kapat". The caller
/// sets the caption and the page (the login shows the registration request form here for a
/// workstation the server does not know).
class Tformistekyeni : public QDialog
{
    Q_OBJECT

public:
    explicit Tformistekyeni(QWidget* owner = nullptr);

    // Components, named as the window was designed.
    QWebEngineView* sitem;
    QWidget* Panel1;
    QPushButton* Button1;
};
