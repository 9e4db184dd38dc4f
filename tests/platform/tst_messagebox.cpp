// The message-box service as tests use it: every box recorded, answers scripted.

#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"

#include <QTest>
#include <QWidget>

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void responderRecordsBoxesAndBeepsInOrder();
    void answersComeFromTheScriptThenTheDefaultButton();
    void responderRestoresThePreviousServiceWhenItGoes();
};

void MessageBoxTest::responderRecordsBoxesAndBeepsInOrder()
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

void MessageBoxTest::answersComeFromTheScriptThenTheDefaultButton()
{
    ScriptedMessageBoxResponder responder;
    responder.Answer(IDNO);
    QCOMPARE(MessageBox(nullptr, "Delete?", "Profile Editor", MB_YESNO | MB_ICONQUESTION | MB_TOPMOST), IDNO);
    QCOMPARE(MessageBox(nullptr, "Delete?", "Profile Editor", MB_YESNO | MB_ICONQUESTION | MB_TOPMOST), IDYES);
    QCOMPARE(MessageBox(nullptr, "Note", "Profile Editor", MB_OK), IDOK);
}

void MessageBoxTest::responderRestoresThePreviousServiceWhenItGoes()
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

PE_TEST_MAIN(MessageBoxTest)
#include "tst_messagebox.moc"
