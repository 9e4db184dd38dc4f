// Run under a real X server by scripts/check-drag-clipboard.sh: while a real
// drag from the profiles list runs, another program (xclip) reads "Lumen
// Variable Path Format" from the clipboard by its name; after the drag the
// clipboard no longer offers it. Prints what it saw; exits 0 when both hold.

#include "editorfixture.h"

#include "host/sharedids/sharedids.h"
#include "resources/formcontrolids.h"

#include <QApplication>
#include <QDrag>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <cstdio>

namespace {

QByteArray ReadClipboardByName(const char* format, int* exitCode)
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {"-selection", "clipboard", "-t", QString::fromLatin1(format), "-o"});
    if (!xclip.waitForStarted()) {
        std::fprintf(stderr, "xclip did not start: %s\n", qPrintable(xclip.errorString()));
        *exitCode = -1;
        return {};
    }
    // The clipboard's owner is this program: keep its events running meanwhile,
    // for ten seconds at most.
    QElapsedTimer waited;
    waited.start();
    while (!xclip.waitForFinished(20) && waited.elapsed() < 10000)
        QCoreApplication::processEvents();
    if (xclip.state() != QProcess::NotRunning) {
        std::fprintf(stderr, "xclip did not finish within ten seconds.\n");
        xclip.kill();
        xclip.waitForFinished();
        *exitCode = -1;
        return {};
    }
    *exitCode = xclip.exitStatus() == QProcess::NormalExit ? xclip.exitCode() : -1;
    return xclip.readAllStandardOutput();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "Needs a real X server (QT_QPA_PLATFORM=xcb), not %s.\n",
            qPrintable(QGuiApplication::platformName()));
        return 2;
    }
    SharedIds::RegisterAll();
    EditorFixture editor;
    PlotDefinition definition;
    AddUnassigned(definition, "Top", 1, {"T(1)", "T(2)"});
    if (!editor.Open(definition, Access::Direct))
        return 2;
    editor.SelectProfileRows({0});
    QApplication::processEvents();

    QByteArray during;
    int duringExit = -1;
    bool dragRan = false;
    // Read while the drag runs, then end the drag as Escape would.
    QTimer::singleShot(300, [&] {
        dragRan = editor.view()->DragDropPart().IsDraggingProfile();
        during = ReadClipboardByName("Lumen Variable Path Format", &duringExit);
        QDrag::cancel();
    });
    NMLISTVIEW info {};
    info.hdr.hwndFrom = editor.Widget(FormControl::ProfilesList);
    info.hdr.idFrom = FormControl::ProfilesList;
    info.hdr.code = LVN_BEGINDRAG;
    editor.view()->SendMessage(WM_NOTIFY, FormControl::ProfilesList, reinterpret_cast<LPARAM>(&info));

    int afterExit = -1;
    const QByteArray after = ReadClipboardByName("Lumen Variable Path Format", &afterExit);
    const QByteArray expected("Flowsheet\r\nT(1)\r\nT(2)\0", 22);
    std::printf("drag running when read: %s\n", dragRan ? "yes" : "no");
    std::printf("xclip during the drag: exit %d, %lld bytes: %s\n", duringExit, static_cast<long long>(during.size()),
        during.toPercentEncoding("\\", "").constData());
    std::printf("xclip after the drag: exit %d, %lld bytes\n", afterExit, static_cast<long long>(after.size()));
    const bool ok = dragRan && duringExit == 0 && during == expected && (afterExit != 0 || after.isEmpty());
    std::printf("%s\n", ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}
