#include "MesajDialog.h"

#include "MesajGoster.h"
#include "MessageSound.h"

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int buttonCount = 11;

int pointSize = 0; // 0: the application's font size

QStyle::StandardPixmap iconOf(std::uint8_t kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MessageKind::Error:
        return QStyle::SP_MessageBoxCritical;
    case MessageKind::Information:
        return QStyle::SP_MessageBoxInformation;
    default:
        return QStyle::SP_MessageBoxQuestion;
    }
}

} // namespace

MesajDialog::MesajDialog(const QString& text, std::uint8_t kind, std::uint16_t buttons,
                         std::uint8_t defaultButton, QWidget* mainWindow)
    : QDialog(mainWindow), m_text(new QLabel), m_mainWindow(mainWindow), m_kind(kind)
{
    setObjectName(QStringLiteral("MesajDialog"));
    QFont font = QApplication::font();
    if (messagePointSize() > 0)
        font.setPointSize(messagePointSize());
    setFont(font);
    const QString title = caption(kind);
    if (!title.isNull())
        setWindowTitle(title);

    m_text->setTextFormat(Qt::PlainText); // server texts are shown as written
    m_text->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* icon = new QLabel;
    if (kind <= MessageKind::Confirmation)
        icon->setPixmap(style()->standardIcon(iconOf(kind)).pixmap(48, 48));
    auto* body = new QHBoxLayout;
    body->addWidget(icon, 0, Qt::AlignTop);
    body->addWidget(m_text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(body);
    addButtons(buttons, defaultButton);
}

void MesajDialog::addButtons(std::uint16_t buttons, std::uint8_t defaultButton)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* first = nullptr;
    for (int number = 0; number < buttonCount; ++number) {
        if (!(buttons >> number & 1) || buttonCaption(number).isEmpty())
            continue;
        auto* b = new QPushButton(buttonCaption(number));
        b->setObjectName(QStringLiteral("button%1").arg(number));
        row->addWidget(b);
        m_buttons << b;
        m_numbers << number;
        if (number == defaultButton)
            first = b;
        if (const int result = resultOf(number))
            connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
    }
    row->addStretch();
    static_cast<QBoxLayout*>(layout())->addLayout(row);

    m_enter = firstOf({MessageButton::Ok, MessageButton::Yes, MessageButton::Retry});
    m_escape = firstOf({MessageButton::Cancel, MessageButton::No, MessageButton::Ok});
    // Enter presses the focused button, which is the Enter button when the dialog opens.
    if (m_enter)
        m_enter->setDefault(true);
    // Tab order: the default button first, the others in number order after it.
    QList<QPushButton*> order = m_buttons;
    if (first)
        order.move(order.indexOf(first), 0);
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

QPushButton* MesajDialog::firstOf(std::initializer_list<int> numbers) const
{
    for (int number : numbers) {
        if (QPushButton* b = button(number))
            return b;
    }
    return nullptr;
}

QPushButton* MesajDialog::button(int number) const
{
    const int i = m_numbers.indexOf(number);
    return i < 0 ? nullptr : m_buttons[i];
}

QString MesajDialog::caption(std::uint8_t kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("Uyarı");
    case MessageKind::Error:
        return QStringLiteral("Hata");
    case MessageKind::Information:
        return QStringLiteral("Bilgi");
    case MessageKind::Confirmation:
        return QStringLiteral("Soru");
    }
    return {};
}

QString MesajDialog::buttonCaption(int number)
{
    static const char* const captions[buttonCount] = {
        "Evet", "Hayır", "Tamam",        "Vazgeç",      "İptal", "Tekrar",
        "Atla", "",      "Tümüne Hayır", "Tümüne Evet", "Yardım"};
    return number >= 0 && number < buttonCount ? QString::fromUtf8(captions[number]) : QString();
}

int MesajDialog::resultOf(int number)
{
    static const int results[buttonCount] = {6, 7, 1, 2, 3, 4, 5, 0, 13, 14, 0};
    return number >= 0 && number < buttonCount ? results[number] : 0;
}

void MesajDialog::setMessagePointSize(int points)
{
    pointSize = points;
}

int MesajDialog::messagePointSize()
{
    return pointSize;
}

void MesajDialog::centreOver(const QWidget* mainWindow)
{
    adjustSize();
    QRect area;
    if (mainWindow && mainWindow->isVisible())
        area = mainWindow->frameGeometry();
    else if (const QScreen* screen = QApplication::primaryScreen())
        area = screen->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

int MesajDialog::run()
{
    if (const unsigned sound = MessageSound::typeOf(m_kind))
        MessageSound::current().play(sound);
    centreOver(m_mainWindow);
    return exec();
}

void MesajDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_enter)
        m_enter->setFocus(Qt::OtherFocusReason);
}

void MesajDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_escape)
            m_escape->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MesajDialog::reject()
{
    done(MessageResult::Cancel); // the close box
}
