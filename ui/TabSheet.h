#pragma once

#include <QWidget>

/// One page of the main window's work area. It carries its tab's caption, picture and
/// visibility, holds the content a tab's class puts on it, and announces when it is shown
/// and hidden, which is where a tab's class starts its fetch.
class TabSheet : public QWidget
{
    Q_OBJECT

public:
    TabSheet(const QString& caption, int imageIndex, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    /// Rewrites the tab's caption (a count such as "12=Sepet" is shown as written).
    void setCaption(const QString& caption);
    int imageIndex() const { return m_imageIndex; }
    bool isTabVisible() const { return m_tabVisible; }
    void setTabVisible(bool visible);

    /// Puts `content` on the page, filling it; the page owns it.
    void setContent(QWidget* content);
    QWidget* content() const { return m_content; }

signals:
    /// The page became the active one.
    void Show();
    /// The page stopped being the active one.
    void Hide();
    /// The caption or the visibility of the tab changed.
    void tabChanged();

private:
    QString m_caption;
    int m_imageIndex;
    bool m_tabVisible = true;
    QWidget* m_content = nullptr;
};
