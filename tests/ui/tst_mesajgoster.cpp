// The message dialog: captions, sounds, buttons in number order with their captions,
// results for Enter, Escape and the close box, the default button's tab order, the message
// font, centring over the main window, and the presenter seam.
#include "DialogPresenter.h"
#include "MesajDialog.h"
#include "MesajGoster.h"
#include "MessageSound.h"
#include "ScriptedPresenter.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

/// Records the sounds asked for.
class SoundRecorder : public MessageSound
{
public:
    SoundRecorder() { install(this); }
    ~SoundRecorder() override { install(nullptr); }
    void play(unsigned type) override { played << type; }
    QList<unsigned> played;
};

QStringList captions(const MesajDialog& dialog)
{
    QStringList list;
    for (QPushButton* b : dialog.buttonsInOrder())
        list << b->text();
    return list;
}

/// Shows the dialog, lets `act` answer it, and returns the result code.
int answer(MesajDialog& dialog, const std::function<void(MesajDialog&)>& act)
{
    dialog.open();
    if (!QTest::qWaitForWindowActive(&dialog))
        return -1;
    act(dialog);
    return dialog.isVisible() ? -2 : dialog.result();
}

void press(MesajDialog& dialog, int key)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
    QTest::keyClick(target, Qt::Key(key));
}

} // namespace

class MesajGosterTest : public QObject
{
    Q_OBJECT

private slots:
    void kindsGiveCaptionIconAndSound_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QList<unsigned>>("sounds");
        QTest::newRow("warning") << 0 << "Uyarı" << QList<unsigned>{48};
        QTest::newRow("error") << 1 << "Hata" << QList<unsigned>{16};
        QTest::newRow("information") << 2 << "Bilgi" << QList<unsigned>{64};
        QTest::newRow("confirmation") << 3 << "Soru" << QList<unsigned>{32};
        QTest::newRow("unknown kind") << 7 << "" << QList<unsigned>{};
    }

    void kindsGiveCaptionIconAndSound()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(QList<unsigned>, sounds);
        SoundRecorder sound;
        MesajDialog dialog("Satır silindi !", kind, MessageButton::OkOnly, MessageButton::Ok);
        QList<unsigned> whenShown;
        QTimer::singleShot(0, &dialog, [&] {
            whenShown = sound.played;
            dialog.enterButton()->click();
        });
        QCOMPARE(dialog.run(), 1);
        QCOMPARE(whenShown, sounds); // played before the dialog opened
        QCOMPARE(dialog.windowTitle(), caption);
        QCOMPARE(sound.played, sounds);
    }

    void buttonsInNumberOrder_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("enter");
        QTest::addColumn<QString>("escape");
        QTest::newRow("OK alone") << 4 << QStringList{"Tamam"} << "Tamam"
                                  << "Tamam";
        QTest::newRow("Yes and No") << 3 << QStringList{"Evet", "Hayır"} << "Evet"
                                    << "Hayır";
        QTest::newRow("every button")
            << 0x77f << QStringList{"Evet",   "Hayır", "Tamam",        "Vazgeç",      "İptal",
                                    "Tekrar", "Atla",  "Tümüne Hayır", "Tümüne Evet", "Yardım"}
            << "Tamam"
            << "Vazgeç";
        QTest::newRow("abort retry ignore")
            << 0x70 << QStringList{"İptal", "Tekrar", "Atla"} << "Tekrar"
            << "";
        QTest::newRow("numbers 7 and 11 are not offered") << 0x880 << QStringList{} << ""
                                                          << "";
    }

    void buttonsInNumberOrder()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, captions);
        QFETCH(QString, enter);
        QFETCH(QString, escape);
        MesajDialog dialog("?", 3, buttons, 0);
        QCOMPARE(::captions(dialog), captions);
        QCOMPARE(dialog.enterButton() ? dialog.enterButton()->text() : QString(), enter);
        QCOMPARE(dialog.escapeButton() ? dialog.escapeButton()->text() : QString(), escape);
    }

    void results_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("key"); // 0: the close box
        QTest::addColumn<int>("result");
        QTest::newRow("OK, Enter") << 4 << 2 << int(Qt::Key_Return) << 1;
        QTest::newRow("OK, Escape") << 4 << 2 << int(Qt::Key_Escape) << 1;
        QTest::newRow("OK, close box") << 4 << 2 << 0 << 2;
        QTest::newRow("Yes/No default No, Enter") << 3 << 1 << int(Qt::Key_Return) << 6;
        QTest::newRow("Yes/No default No, Escape") << 3 << 1 << int(Qt::Key_Escape) << 7;
        QTest::newRow("Yes/No, close box") << 3 << 0 << 0 << 2;
        QTest::newRow("Yes/No/Cancel, Escape") << 11 << 0 << int(Qt::Key_Escape) << 2;
        QTest::newRow("Retry, Enter") << 0x70 << 4 << int(Qt::Key_Enter) << 4;
        QTest::newRow("no Escape button: stays open") << 0x70 << 4 << int(Qt::Key_Escape) << -2;
    }

    void results()
    {
        QFETCH(int, buttons);
        QFETCH(int, defaultButton);
        QFETCH(int, key);
        QFETCH(int, result);
        MesajDialog dialog("Satırı silmek istiyor musunuz ", 3, buttons, defaultButton);
        QCOMPARE(answer(dialog,
                        [key](MesajDialog& d) {
                            if (key == 0)
                                d.close();
                            else
                                press(d, key);
                        }),
                 result);
    }

    void helpAnswersNothing()
    {
        MesajDialog dialog("?", 2, 1 << 10 | 1 << 2, 2);
        QCOMPARE(answer(dialog, [](MesajDialog& d) { d.button(10)->click(); }), -2);
        QCOMPARE(answer(dialog, [](MesajDialog& d) { d.button(2)->click(); }), 1);
    }

    void defaultButtonFirstInTabOrder_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<QStringList>("focusAfterTabs");
        QTest::newRow("Yes/No default No") << 3 << 1 << QStringList{"Evet", "Hayır", "Evet"};
        QTest::newRow("Yes/No/Cancel default Cancel")
            << 11 << 3 << QStringList{"Evet", "Hayır", "Vazgeç", "Evet"};
        QTest::newRow("default OK")
            << 15 << 2 << QStringList{"Tamam", "Evet", "Hayır", "Vazgeç", "Tamam"};
        QTest::newRow("default not in the set") << 3 << 5 << QStringList{"Evet", "Hayır"};
    }

    void defaultButtonFirstInTabOrder()
    {
        QFETCH(int, buttons);
        QFETCH(int, defaultButton);
        QFETCH(QStringList, focusAfterTabs);
        MesajDialog dialog("?", 3, buttons, defaultButton);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QStringList seen;
        for (int i = 0; i < focusAfterTabs.size(); ++i) {
            seen << static_cast<QPushButton*>(QApplication::focusWidget())->text();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(seen, focusAfterTabs); // the Enter button has the focus at first
        dialog.close();
    }

    void textFontAndLines()
    {
        MesajDialog::setMessagePointSize(15);
        MesajDialog dialog("Birinci satır\r\n<b>ikinci</b> satır", 2, 4, 2);
        QCOMPARE(dialog.textLabel()->text(), QStringLiteral("Birinci satır\n<b>ikinci</b> satır"));
        QCOMPARE(dialog.textLabel()->textFormat(), Qt::PlainText);
        QCOMPARE(dialog.textLabel()->font().pointSize(), 15);
        QCOMPARE(dialog.button(2)->font().pointSize(), 15);
        MesajDialog::setMessagePointSize(0);
    }

    void centredOverTheMainWindow()
    {
        QWidget main;
        main.setGeometry(100, 80, 900, 600);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        MesajDialog dialog("Programdan Çıkmak İstiyor musunuz ?", 3, 3, 0, &main);
        QPoint offset;
        QTimer::singleShot(0, &dialog, [&] {
            offset = dialog.frameGeometry().center() - main.frameGeometry().center();
            dialog.button(1)->click();
        });
        QCOMPARE(dialog.run(), 7);
        QVERIFY2(offset.manhattanLength() <= 4, // rounding of odd sizes
                 qPrintable(QString("offset %1,%2").arg(offset.x()).arg(offset.y())));
    }

    void presenterShowsTheRealDialog()
    {
        DialogPresenter presenter;
        MessagePresenter::install(&presenter);
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<MesajDialog*>(QApplication::activeModalWidget()))
                dialog->button(0)->click();
        });
        QCOMPARE(MesajGoster("Tüm Sepeti Silmek İstiyor musunuz ", 3, 3, 1), 6);
        MessagePresenter::install(nullptr);
    }

    void mesajGosterGoesThroughTheSeam()
    {
        ScriptedPresenter scripted;
        scripted.answer({7});
        QCOMPARE(MesajGoster("Satırı silmek istiyor musunuz ", MessageKind::Confirmation,
                             MessageButton::YesNo, MessageButton::No),
                 7);
        QCOMPARE(scripted.entries().size(), 1);
        const auto& e = scripted.entries().front();
        QCOMPARE(e.kind, 3);
        QCOMPARE(e.buttons, 3);
        QCOMPARE(e.defaultButton, 1);
    }
};

QTEST_MAIN(MesajGosterTest)
#include "tst_mesajgoster.moc"
