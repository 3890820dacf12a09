// The shared dialogs and the exit dialog, driven as real widgets on the
// offscreen platform: texts, placement, dragging, buttons; and the skin
// resources they (and every other widget) name.

#include "dialogs/formmessage.h"
#include "dialogs/myexit.h"
#include "dialogs/prompt.h"
#include "shell/utils.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

// Sends one mouse event with explicit positions, as the window system would.
void sendMouse(QWidget *w, QEvent::Type type, const QPoint &local, Qt::MouseButton button)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(local), QPointF(w->mapToGlobal(local)), type == QEvent::MouseMove ? Qt::NoButton : button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// A press at `from`, a move by `delta`, a release; returns how far the window moved.
QPoint dragBy(QWidget *w, Qt::MouseButton button, const QPoint &from, const QPoint &delta)
{
    const QPoint before = w->pos();
    sendMouse(w, QEvent::MouseButtonPress, from, button);
    // The move is expressed in global coordinates the cursor reaches.
    const QPoint global = w->mapToGlobal(from) + delta;
    QMouseEvent move(QEvent::MouseMove, QPointF(w->mapFromGlobal(global)), QPointF(global), Qt::NoButton,
                     Qt::MouseButtons(button), Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    sendMouse(w, QEvent::MouseButtonRelease, w->mapFromGlobal(global), button);
    return w->pos() - before;
}

QString pieces(const QString &name)
{
    return QStringLiteral("<p style='line-height:120% '>") + name + QStringLiteral("</p>");
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void cutName_data();
    void cutName();
    void setMessageShowsPieces();
    void setMessageShowsMarkupAsText_data();
    void setMessageShowsMarkupAsText();
    void setMessageWithFewerEntries_data();
    void setMessageWithFewerEntries();

    void placementOverMainWindow_data();
    void placementOverMainWindow();
    void placementWithoutMainWindow_data();
    void placementWithoutMainWindow();

    void dragging_data();
    void dragging();
    void doubleClickDoesNotDrag();

    void promptButtons_data();
    void promptButtons();
    void formMessageButtonsClose_data();
    void formMessageButtonsClose();

    void exitBackgroundClosesThenSignals();
    void exitCloseOnlyCloses();
    void exitQuitEndsTheEventLoop();
    void dialogForms_data();
    void dialogForms();

    void skinResources_data();
    void skinResources();
    void filesBesideTheExecutable_data();
    void filesBesideTheExecutable();
    void everyListedResourceExists();
    void openSourceNotices();
    void designFontsFallBack_data();
    void designFontsFallBack();

private:
    QTemporaryDir dataDir;
};

void TestDialogs::initTestCase()
{
    QVERIFY(dataDir.isValid());
    qputenv("XDG_DATA_HOME", dataDir.path().toUtf8());
    QVERIFY(Utils::instance().getPrompt());
    QVERIFY(Utils::instance().getFormMessage());
}

void TestDialogs::cleanup()
{
    Utils::instance().setMainWidget(nullptr);
}

void TestDialogs::cutName_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("pieceLengths");
    QTest::newRow("80 characters") << 80 << QList<int>{36, 36, 8};
    QTest::newRow("exactly 36") << 36 << QList<int>{36};
    QTest::newRow("37") << 37 << QList<int>{36, 1};
    QTest::newRow("72") << 72 << QList<int>{36, 36};
    QTest::newRow("one") << 1 << QList<int>{1};
    QTest::newRow("empty") << 0 << QList<int>{};
}

void TestDialogs::cutName()
{
    QFETCH(int, length);
    QFETCH(QList<int>, pieceLengths);
    QString name;
    for (int i = 0; i < length; ++i)
        name += QChar(u'a' + i % 26);
    const QString text = FormMessage::cutName(name);
    if (pieceLengths.isEmpty()) {
        QCOMPARE(text, QString());
        return;
    }
    QVERIFY(text.endsWith(QLatin1Char('\n')));
    const QStringList lines = text.left(text.size() - 1).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), pieceLengths.size());
    int at = 0;
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(lines.at(i).size(), pieceLengths.at(i));
        QCOMPARE(lines.at(i), name.mid(at, pieceLengths.at(i)));
        at += pieceLengths.at(i);
    }
}

void TestDialogs::setMessageShowsPieces()
{
    FormMessage *message = Utils::instance().getFormMessage();
    const QString name = QString(36, QLatin1Char('x')) + QString(36, QLatin1Char('y')) + QStringLiteral("12345678");
    message->setMessage({QStringLiteral("not video file"), name});
    QCOMPARE(message->messageText(), QStringLiteral("not video file"));
    QCOMPARE(message->promptText(), pieces(QString(36, QLatin1Char('x')) + QLatin1Char('\n') + QString(36, QLatin1Char('y'))
                                           + QLatin1Char('\n') + QStringLiteral("12345678\n")));
    auto *label = message->findChild<QLabel *>(QStringLiteral("lbPromptText"));
    QVERIFY(label);
    QCOMPARE(label->textFormat(), Qt::RichText);
}

void TestDialogs::setMessageShowsMarkupAsText_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("angle brackets") << QStringLiteral("holiday <1080p> final.mp4");
    QTest::newRow("ampersand") << QStringLiteral("Tom &amp; Jerry & friends.mkv");
    QTest::newRow("tag") << QStringLiteral("<b>bold</b>.avi");
    QTest::newRow("long") << QStringLiteral("<%1>.mp4").arg(QString(40, QLatin1Char('z')));
}

void TestDialogs::setMessageShowsMarkupAsText()
{
    QFETCH(QString, name);
    FormMessage *message = Utils::instance().getFormMessage();
    message->setMessage({QStringLiteral("not video file"), name});
    // What the label shows is the name, its pieces apart where the breaks are.
    QTextDocument shown;
    shown.setHtml(message->promptText());
    QCOMPARE(shown.toPlainText().trimmed(), FormMessage::cutName(name).replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed());
}

void TestDialogs::setMessageWithFewerEntries_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty list") << QStringList() << QString();
    QTest::newRow("message only") << QStringList{QStringLiteral("already add the video")}
                                  << QStringLiteral("already add the video");
}

void TestDialogs::setMessageWithFewerEntries()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    FormMessage *dialog = Utils::instance().getFormMessage();
    dialog->setMessage({QStringLiteral("old"), QStringLiteral("old name")});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("FormMessage::setMessage")));
    dialog->setMessage(entries);
    QCOMPARE(dialog->messageText(), message);
    QCOMPARE(dialog->promptText(), pieces(QString()));
}

void TestDialogs::placementOverMainWindow_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QPoint>("parentPos");
    QTest::addColumn<QSize>("parentSize");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("prompt 380x220 over 1024x768 at 100,100") << "prompt" << QPoint(100, 100) << QSize(1024, 768) << QPoint(422, 374);
    // (1024 - 510) / 2 = 257, (768 - 331) / 2 = 218 (truncated)
    QTest::newRow("message 510x331 over 1024x768 at 100,100") << "message" << QPoint(100, 100) << QSize(1024, 768) << QPoint(357, 318);
    // Odd differences truncate toward zero: (801 - 380) / 2 = 210, (601 - 220) / 2 = 190
    QTest::newRow("prompt over 801x601 at 0,0") << "prompt" << QPoint(0, 0) << QSize(801, 601) << QPoint(210, 190);
    // A parent smaller than the dialog: negative halves truncate toward zero too.
    QTest::newRow("prompt over 301x201 at 50,60") << "prompt" << QPoint(50, 60) << QSize(301, 201) << QPoint(50 - 39, 60 - 9);
}

void TestDialogs::placementOverMainWindow()
{
    QFETCH(QString, dialog);
    QFETCH(QPoint, parentPos);
    QFETCH(QSize, parentSize);
    QFETCH(QPoint, expected);

    QWidget parent;
    parent.move(parentPos);
    parent.resize(parentSize);
    auto *container = new QWidget(&parent);
    Utils::instance().setMainWidget(container);
    QCOMPARE(parent.mapToGlobal(QPoint(0, 0)), parentPos);

    if (dialog == QLatin1String("prompt")) {
        Prompt *prompt = Utils::instance().getPrompt();
        prompt->setPromptText(QStringLiteral("File is adding , please wait for a  moment !"));
        QCOMPARE(prompt->size(), QSize(380, 220));
        QCOMPARE(prompt->pos(), expected);
        QCOMPARE(prompt->promptText(), QStringLiteral("File is adding , please wait for a  moment !"));
        QCOMPARE(prompt->findChild<QLabel *>(QStringLiteral("lbPromptText"))->text(), prompt->promptText());
    } else {
        FormMessage *message = Utils::instance().getFormMessage();
        message->setMessage({QStringLiteral("not video file"), QStringLiteral("a.txt")});
        QCOMPARE(message->size(), QSize(510, 331));
        QCOMPARE(message->pos(), expected);
    }
}

void TestDialogs::placementWithoutMainWindow_data()
{
    QTest::addColumn<bool>("registerOrphan");
    QTest::newRow("nothing registered") << false;
    QTest::newRow("registered container without parent") << true;
}

void TestDialogs::placementWithoutMainWindow()
{
    QFETCH(bool, registerOrphan);
    QWidget orphan;
    if (registerOrphan)
        Utils::instance().setMainWidget(&orphan);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(screen.width() > 380 && screen.height() > 331);
    Prompt *prompt = Utils::instance().getPrompt();
    prompt->setPromptText(QStringLiteral("net error"));
    QCOMPARE(prompt->pos(), QPoint((screen.width() - 380) / 2, (screen.height() - 220) / 2));
    FormMessage *message = Utils::instance().getFormMessage();
    message->setMessage({QStringLiteral("m"), QStringLiteral("n")});
    QCOMPARE(message->pos(), QPoint((screen.width() - 510) / 2, (screen.height() - 331) / 2));
}

void TestDialogs::dragging_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    for (const char *name : {"prompt", "message", "exit"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 left").arg(QLatin1String(name)))) << name << int(Qt::LeftButton) << true;
        QTest::newRow(qPrintable(QStringLiteral("%1 right").arg(QLatin1String(name)))) << name << int(Qt::RightButton) << false;
        QTest::newRow(qPrintable(QStringLiteral("%1 middle").arg(QLatin1String(name)))) << name << int(Qt::MiddleButton) << false;
    }
}

void TestDialogs::dragging()
{
    QFETCH(QString, dialog);
    QFETCH(int, button);
    QFETCH(bool, moves);
    myExit exitDialog;
    QWidget *w = dialog == QLatin1String("prompt")    ? static_cast<QWidget *>(Utils::instance().getPrompt())
                 : dialog == QLatin1String("message") ? static_cast<QWidget *>(Utils::instance().getFormMessage())
                                                       : static_cast<QWidget *>(&exitDialog);
    w->move(200, 150);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QPoint delta(37, -21);
    const QPoint moved = dragBy(w, Qt::MouseButton(button), QPoint(20, 30), delta);
    QCOMPARE(moved, moves ? delta : QPoint(0, 0));
    // After the release, moving the mouse carries nothing along.
    const QPoint before = w->pos();
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 60), QPointF(w->mapToGlobal(QPoint(60, 60)) + QPoint(50, 50)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QCOMPARE(w->pos(), before);
    w->hide();
}

void TestDialogs::doubleClickDoesNotDrag()
{
    Prompt *prompt = Utils::instance().getPrompt();
    prompt->move(100, 100);
    prompt->show();
    QVERIFY(QTest::qWaitForWindowExposed(prompt));
    // A double click arrives as press, release, double-click; the double
    // click alone must leave the dialog not grabbed.
    sendMouse(prompt, QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton);
    sendMouse(prompt, QEvent::MouseButtonRelease, QPoint(20, 20), Qt::LeftButton);
    sendMouse(prompt, QEvent::MouseButtonDblClick, QPoint(20, 20), Qt::LeftButton);
    const QPoint global = prompt->mapToGlobal(QPoint(20, 20)) + QPoint(40, 40);
    QMouseEvent move(QEvent::MouseMove, QPointF(prompt->mapFromGlobal(global)), QPointF(global), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(prompt, &move);
    QCOMPARE(prompt->pos(), QPoint(100, 100));
    prompt->hide();
}

void TestDialogs::promptButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("ok accepts") << "btnOk" << int(QDialog::Accepted);
    QTest::newRow("close rejects") << "btnClose" << int(QDialog::Rejected);
}

void TestDialogs::promptButtons()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    Prompt *prompt = Utils::instance().getPrompt();
    prompt->setPromptText(QStringLiteral("it is the latest version"));
    bool clicked = false;
    QTimer::singleShot(0, prompt, [&] {
        auto *b = prompt->findChild<QPushButton *>(button);
        if (b && prompt->isVisible()) {
            clicked = true;
            b->click();
        } else {
            prompt->done(-1);
        }
    });
    const int code = prompt->exec();
    QVERIFY(clicked);
    QCOMPARE(code, result);
    QVERIFY(!prompt->isVisible());
}

void TestDialogs::formMessageButtonsClose_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("ok") << "btnOk";
    QTest::newRow("close") << "btnClose";
}

void TestDialogs::formMessageButtonsClose()
{
    QFETCH(QString, button);
    FormMessage *message = Utils::instance().getFormMessage();
    message->setMessage({QStringLiteral("not video file"), QStringLiteral("notes.txt")});
    bool clicked = false;
    QTimer::singleShot(0, message, [&] {
        auto *b = message->findChild<QPushButton *>(button);
        if (b && message->isVisible()) {
            clicked = true;
            b->click();
        } else {
            message->done(-1);
        }
    });
    message->exec();
    QVERIFY(clicked);
    QVERIFY(!message->isVisible());
}

void TestDialogs::exitBackgroundClosesThenSignals()
{
    myExit exitDialog;
    exitDialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&exitDialog));
    QList<bool> visibleAtSignal;
    connect(&exitDialog, &myExit::sglRunBack, this, [&] { visibleAtSignal << exitDialog.isVisible(); });
    QTest::mouseClick(exitDialog.findChild<QPushButton *>(QStringLiteral("pb_background")), Qt::LeftButton);
    QCOMPARE(visibleAtSignal, QList<bool>{false});
    QVERIFY(!exitDialog.isVisible());
}

void TestDialogs::exitCloseOnlyCloses()
{
    myExit exitDialog;
    exitDialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&exitDialog));
    QSignalSpy runBack(&exitDialog, &myExit::sglRunBack);
    QTest::mouseClick(exitDialog.findChild<QToolButton *>(QStringLiteral("tb_close")), Qt::LeftButton);
    QVERIFY(!exitDialog.isVisible());
    QCOMPARE(runBack.count(), 0);
}

void TestDialogs::exitQuitEndsTheEventLoop()
{
    myExit exitDialog;
    exitDialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&exitDialog));
    QEventLoop loop;
    QTimer::singleShot(0, &exitDialog, [&] {
        QTest::mouseClick(exitDialog.findChild<QPushButton *>(QStringLiteral("pb_Exit")), Qt::LeftButton);
    });
    // Without the quit, the safety timer ends the loop with 1.
    QTimer::singleShot(20000, &loop, [&] { loop.exit(1); });
    QCOMPARE(loop.exec(), 0);
    // quit() leaves the application's quit flag set, and every later event
    // loop (dialogs, QTRY waits) would return at once. An application exec
    // clears it when it ends.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QEventLoop later;
    QTimer::singleShot(0, &later, [&] { later.exit(7); });
    QCOMPARE(later.exec(), 7);
}

void TestDialogs::dialogForms_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QStringList>("children");
    QTest::newRow("FormMessage") << "message" << "fmrMessage" << QSize(510, 331) << "widget"
                                 << QStringList{"widget", "btnClose", "label", "lbPromptText", "btnOk"};
    QTest::newRow("Prompt") << "prompt" << "dlgPrompt" << QSize(380, 220) << "widget"
                            << QStringList{"widget", "lbPromptText", "btnOk", "btnClose"};
    QTest::newRow("myExit") << "exit" << "frmExit" << QSize(510, 330) << "widget_del_bj"
                            << QStringList{"widget_del_bj", "label_title", "label_hint", "pb_Exit", "pb_background", "tb_close"};
}

void TestDialogs::dialogForms()
{
    QFETCH(QString, dialog);
    QFETCH(QString, objectName);
    QFETCH(QSize, size);
    QFETCH(QString, background);
    QFETCH(QStringList, children);
    myExit exitDialog;
    QWidget *w = dialog == QLatin1String("prompt")    ? static_cast<QWidget *>(Utils::instance().getPrompt())
                 : dialog == QLatin1String("message") ? static_cast<QWidget *>(Utils::instance().getFormMessage())
                                                       : static_cast<QWidget *>(&exitDialog);
    QCOMPARE(w->objectName(), objectName);
    QCOMPARE(w->size(), size);
    QCOMPARE(w->windowTitle(), QStringLiteral("Corvane"));
    QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(w->testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(!w->windowIcon().isNull());
    for (const QString &child : children)
        QVERIFY2(w->findChild<QWidget *>(child), qPrintable(child));
    QVERIFY(w->findChild<QWidget *>(background)->styleSheet().contains(QLatin1String(":/Corvane/Skin/new/")));
    if (dialog == QLatin1String("exit")) {
        QCOMPARE(w->windowModality(), Qt::ApplicationModal);
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("label_hint"))->text(), QStringLiteral("quit?"));
        QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("pb_Exit"))->text(), QStringLiteral("quit"));
        QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("pb_background"))->text(), QStringLiteral("background"));
    } else {
        QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("btnOk"))->text(), QStringLiteral("ok"));
    }
}

void TestDialogs::skinResources_data()
{
    // Every resource path the program's widgets and style sheets name.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const QSize any;
    const struct { const char *path; QSize size; } table[] = {
        {":/Corvane/Skin/ico/logo_16X16.png", QSize(16, 16)},
        {":/Corvane/Skin/ico/logo_32X32.png", QSize(32, 32)},
        {":/Corvane/Skin/ico/logo_48X48.png", QSize(48, 48)},
        {":/Corvane/Skin/ico/logo_64X64.png", QSize(64, 64)},
        {":/Corvane/Skin/new/bt_minimize_normal.png", any}, {":/Corvane/Skin/new/bt_minimize_selected.png", any},
        {":/Corvane/Skin/new/bt_minimize_press.png", any}, {":/Corvane/Skin/new/bt_close_normal.png", any},
        {":/Corvane/Skin/new/bt_close_selected.png", any}, {":/Corvane/Skin/new/bt_close_press.png", any},
        {":/Corvane/Skin/new/home_normal_1.png", any}, {":/Corvane/Skin/new/home_hover_1.png", any},
        {":/Corvane/Skin/new/home_press_1.png", any}, {":/Corvane/Skin/new/guide_normal_1.png", any},
        {":/Corvane/Skin/new/guide_hover_1.png", any}, {":/Corvane/Skin/new/guide_press_1.png", any},
        {":/Corvane/Skin/new/about_normal_1.png", any}, {":/Corvane/Skin/new/about_hover_1.png", any},
        {":/Corvane/Skin/new/about_press_1.png", any}, {":/Corvane/Skin/new/my_bg.png", any},
        {":/Corvane/Skin/new/Add-video.png", QSize(236, 236)},
        {":/Corvane/Skin/new/add_normal.png", QSize(64, 64)}, {":/Corvane/Skin/new/add_hover.png", QSize(64, 64)},
        {":/Corvane/Skin/new/add_press.png", QSize(64, 64)}, {":/Corvane/Skin/new/delete_normal.png", QSize(64, 64)},
        {":/Corvane/Skin/new/delete_hover.png", QSize(64, 64)}, {":/Corvane/Skin/new/delete_press.png", QSize(64, 64)},
        {":/Corvane/Skin/new/delete_select_normal.png", QSize(20, 20)},
        {":/Corvane/Skin/new/delete_select_hover.png", QSize(20, 20)},
        {":/Corvane/Skin/new/delete_select_Press.png", QSize(20, 20)},
        {":/Corvane/Skin/new/delvideo.png", QSize(212, 28)}, {":/Corvane/Skin/new/delvideo_us.png", QSize(212, 28)},
        {":/Corvane/Skin/new/delvideo_jp.png", QSize(212, 28)}, {":/Corvane/Skin/new/delvideo_fr.png", QSize(212, 28)},
        {":/Corvane/Skin/new/delvideo_it.png", QSize(212, 28)}, {":/Corvane/Skin/new/delvideo_de.png", QSize(212, 28)},
        {":/Corvane/Skin/new/delvideo_es.png", QSize(212, 28)},
        {":/Corvane/Skin/new/DefaultPoster.png", any},
        {":/Corvane/Skin/new/update_popup.png", QSize(510, 330)},
        {":/Corvane/Skin/new/popup_Version-update-prompt.png", QSize(380, 220)},
        {":/Corvane/Skin/new/Button_normal.png", QSize(150, 40)}, {":/Corvane/Skin/new/Button_selected.png", QSize(150, 40)},
        {":/Corvane/Skin/new/Button_press.png", QSize(150, 40)}, {":/Corvane/Skin/new/red-Button_press.png", QSize(150, 40)},
        {":/Corvane/Skin/new/Button_normal_200.png", QSize(200, 40)},
        {":/Corvane/Skin/new/Button_selected_200.png", QSize(200, 40)},
        {":/Corvane/Skin/new/Button_press_200.png", QSize(200, 40)},
        {":/Corvane/Skin/Button_normal_200.png", QSize(200, 40)}, {":/Corvane/Skin/Button_selected_200.png", QSize(200, 40)},
        {":/Corvane/Skin/Button_press_200.png", QSize(200, 40)},
        {":/Corvane/Skin/new/top_close_normal.png", QSize(48, 19)}, {":/Corvane/Skin/new/top_close_selected.png", QSize(48, 19)},
        {":/Corvane/Skin/new/top_close_pressed.png", QSize(48, 19)},
        {":/Corvane/Skin/new/bt_close_normal_1.png", QSize(50, 20)}, {":/Corvane/Skin/new/bt_close_selected_1.png", QSize(50, 20)},
        {":/Corvane/Skin/new/Download-progress_background.png", any}, {":/Corvane/Skin/new/Download-progress.png", any},
        {":/Corvane/Skin/new/Download-failed.png", any},
        {":/Corvane/Skin/new/QR-Code-background.png", any},
        {":/Corvane/Skin/new/wifi.png", any}, {":/Corvane/Skin/new/wifi_not-connected.png", any},
        {":/Corvane/Skin/new/network_unusual.png", QSize(300, 229)},
    };
    for (const auto &entry : table)
        QTest::newRow(entry.path) << QString::fromLatin1(entry.path) << entry.size;
}

void TestDialogs::skinResources()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    if (size.isValid())
        QCOMPARE(image.size(), size);
    // Not a blank placeholder: the image has some visible pixels and not
    // all of them are the same colour.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += qMax(1, image.height() / 16))
        for (int x = 0; x < image.width(); x += qMax(1, image.width() / 16))
            colours.insert(image.pixel(x, y));
    if (!path.endsWith(QLatin1String("my_bg.png")))
        QVERIFY2(colours.size() > 1, qPrintable(path));
}

void TestDialogs::filesBesideTheExecutable_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("default poster") << "DefaultPoster/DefaultPoster.png";
    QTest::newRow("style sheet") << "qss/public.qss";
}

void TestDialogs::filesBesideTheExecutable()
{
    QFETCH(QString, relative);
    const QString path = QStringLiteral(CORVANE_APP_DIR) + QLatin1Char('/') + relative;
    QVERIFY2(QFile::exists(path), qPrintable(path));
    if (relative.endsWith(QLatin1String(".png"))) {
        const QImage image(path);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 212 && image.height() * 16 == image.width() * 9);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("#widgetBG"));
    }
}

void TestDialogs::everyListedResourceExists()
{
    // Every url(...) in the .ui forms and the style sheet resolves.
    QStringList sources;
    QDirIterator it(QStringLiteral(CORVANE_SOURCE_DIR "/src/ui"), {QStringLiteral("*.ui"), QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        sources << it.next();
    sources << QStringLiteral(CORVANE_SOURCE_DIR "/resources/qss/public.qss");
    const QRegularExpression url(QStringLiteral("url\\((:/Corvane/[^)%]+\\.png)\\)"));
    int found = 0;
    for (const QString &source : sources) {
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        auto matches = url.globalMatch(text);
        while (matches.hasNext()) {
            const QString path = matches.next().captured(1);
            ++found;
            QVERIFY2(QFile::exists(path), qPrintable(source + QStringLiteral(": ") + path));
        }
    }
    QVERIFY(found > 20);
}

void TestDialogs::openSourceNotices()
{
    QFile file(QStringLiteral(":/Corvane/openSource.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (const char *needle : {"Qt 5", "FFmpeg", "OpenSSL", "GNU LESSER GENERAL PUBLIC LICENSE", "Version 2.1",
                               "Version 3, 29 June 2007", "Apache License", "</html>"})
        QVERIFY2(html.contains(QLatin1String(needle)), needle);
    // The licence texts are escaped, so the page stays well-formed rich text.
    QVERIFY(!html.contains(QLatin1String("<http")));
}

void TestDialogs::designFontsFallBack_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("Microsoft YaHei") << QStringLiteral("Microsoft YaHei");
    QTest::newRow("weiruan yahei") << QString::fromUtf8("微软雅黑");
}

void TestDialogs::designFontsFallBack()
{
    QFETCH(QString, family);
    Utils::installFontSubstitutes();
    QFont font(family);
    font.setPixelSize(18);
    const QFontInfo info(font);
    // A sans serif that has Latin and CJK glyphs, so no label shows boxes.
    QCOMPARE(info.family(), QStringLiteral("Noto Sans CJK SC"));
    const QFontMetrics metrics(font);
    QVERIFY(metrics.inFont(QChar(0x89c6))); // 视
    QVERIFY(metrics.inFont(QChar(u'A')));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
