// The message-box service as tests use it: every box recorded, answers
// scripted; and Qt's boxes as people see them.

#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void responderRecordsBoxesAndBeepsInOrder()
    {
        QWidget owner;
        ScriptedMessageBoxResponder responder;
        MessageBeep(0);
        MessageBox(&owner, "The profile P contains no variables.", "Profile Editor", 0x40030);
        QCOMPARE(responder.beeps(), 1);
        QCOMPARE(static_cast<int>(responder.boxes().size()), 1);
        const auto& box = responder.boxes().front();
        QCOMPARE(box.owner, &owner);
        QCOMPARE(box.text, CString("The profile P contains no variables."));
        QCOMPARE(box.title, CString("Profile Editor"));
        QCOMPARE(box.style, 0x40030u);
        QCOMPARE(static_cast<int>(responder.events().size()), 2);
        QVERIFY(responder.events()[0].isBeep);
        QVERIFY(!responder.events()[1].isBeep);
    }

    void answersComeFromTheScriptThenTheDefaultButton()
    {
        ScriptedMessageBoxResponder responder;
        responder.Answer(IDNO);
        QCOMPARE(MessageBox(nullptr, "Delete?", "Profile Editor", MB_YESNO | MB_ICONQUESTION | MB_TOPMOST), IDNO);
        QCOMPARE(MessageBox(nullptr, "Delete?", "Profile Editor", MB_YESNO | MB_ICONQUESTION | MB_TOPMOST), IDYES);
        QCOMPARE(MessageBox(nullptr, "Note", "Profile Editor", MB_OK), IDOK);
    }

    void responderRestoresThePreviousServiceWhenItGoes()
    {
        ScriptedMessageBoxResponder outer;
        {
            ScriptedMessageBoxResponder inner;
            MessageBox(nullptr, "inner", "t", MB_OK);
            QCOMPARE(static_cast<int>(inner.boxes().size()), 1);
        }
        MessageBox(nullptr, "outer", "t", MB_OK);
        QCOMPARE(static_cast<int>(outer.boxes().size()), 1);
        QCOMPARE(outer.boxes().front().text, CString("outer"));
    }

    void aBoxWithoutAResponderFailsTheTestAtOnce()
    {
        QEXPECT_FAIL("", "the box below is the failure this test expects", Continue);
        QCOMPARE(MessageBox(nullptr, "Nobody scripted this", "Profile Editor", MB_YESNO), IDNO);
    }

    void qtBoxesShowTheirTextAsWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("style");
        QTest::addColumn<int>("answer");
        QTest::newRow("profile without variables")
            << "The profile <b>x</b> contains no variables." << (MB_ICONEXCLAMATION | MB_TOPMOST) << IDOK;
        QTest::newRow("delete question") << "Delete the profile <i>y</i>&amp;<br>z?"
                                         << (MB_YESNO | MB_ICONQUESTION | MB_TOPMOST) << IDNO;
    }

    void qtBoxesShowTheirTextAsWritten()
    {
        QFETCH(QString, text);
        QFETCH(uint, style);
        QFETCH(int, answer);
        QVERIFY(Qt::mightBeRichText(text));
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QtMessageBoxService qtBoxes;
        MessageBoxService* const previous = MessageBoxService::Install(&qtBoxes);
        // The box runs its own loop: read it and answer from inside that loop.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            shown = label->text();
            format = label->textFormat();
            box->button(answer == IDNO ? QMessageBox::No : QMessageBox::Ok)->click();
        });
        const int answered = MessageBox(nullptr, text.toLatin1().constData(), "Profile Editor", style);
        MessageBoxService::Install(previous);
        QCOMPARE(answered, answer);
        QCOMPARE(shown, text);
        QCOMPARE(format, Qt::PlainText);
    }
};

PE_TEST_MAIN(MessageBoxTest)
#include "tst_messagebox.moc"
