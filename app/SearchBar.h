#pragma once

#include <QWidget>

class AnimatedPicture;
class PictureBox;
class QLineEdit;
class QPushButton;
class QToolButton;

/// The main window's search bar `Panel2` (35 pixels high): the search box with its "Ara"
/// and "Temizle" buttons, the salesman's "Başka Cari Seç" button, and the busy animations
/// of the tabs, each hidden except while its tab fetches.
class SearchBar : public QWidget
{
    Q_OBJECT

public:
    explicit SearchBar(QWidget* parent = nullptr);

    /// The busy animations in their order on the bar.
    QList<AnimatedPicture*> busyAnimations() const;

    PictureBox* Image2;
    QLineEdit* araedit;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton1;
    QPushButton* musteritus;
    AnimatedPicture* gifstokara;
    AnimatedPicture* gifyeniler;
    AnimatedPicture* gifkampanyali;
    AnimatedPicture* gifduyuru;
    AnimatedPicture* gifoncekiler;
    AnimatedPicture* gifsepet;
    AnimatedPicture* gifekstre;

private:
    QToolButton* speedButton(const QString& hint, const QString& text);
    AnimatedPicture* busyAnimation(const QString& name);
};
