// Large models: the host model's compact store, the model browser and the
// variable finder as views over it (rows made on demand, none stored per
// variable), and the model file read block by block.

#include "support/projecttest.h"
#include "workbench/app/modelbrowser.h"
#include "workbench/app/variablefinder.h"
#include "workbench/app/variablefindermodel.h"
#include "workbench/model/modelfile.h"

#include "host/interfaces/modelvariable.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString PathFormat = QStringLiteral("Lumen Variable Path Format");

// Blocks "Area<b/10>.Unit<b>" of `perBlock` variables V0.. cycling through a
// scalar, a widenable T(20), an array of 1500 and a 20 x 3 array.
QByteArray GeneratedModel(int blocks, int perBlock)
{
    QByteArray text = "{\"blocks\": [";
    for (int b = 0; b < blocks; ++b) {
        text += (b == 0 ? "" : ",\n") + QByteArray("{\"path\": \"Area") + QByteArray::number(b / 10) + ".Unit"
            + QByteArray::number(b) + "\", \"variables\": [";
        for (int v = 0; v < perBlock; ++v) {
            static const char* const kinds[]
                = {"", ", \"extents\": [20], \"widenable\": true", ", \"extents\": [1500]", ", \"extents\": [20, 3]"};
            text += (v == 0 ? "" : ",") + QByteArray("{\"name\": \"V") + QByteArray::number(v) + "\"" + kinds[v % 4]
                + "}";
        }
        text += "]}";
    }
    return text + "]}";
}

WorkbenchModel Read(const QByteArray& text)
{
    WorkbenchModel model;
    QString error;
    if (!ReadModelFile(text, model, error))
        qFatal("the model does not load: %s", qPrintable(error));
    return model;
}

const QByteArray SmallModel = R"j({"blocks": [
    {"path": "Column", "variables": [
        {"name": "T", "extents": [20], "widenable": true}, {"name": "x", "extents": [2, 3]}, {"name": "R"},
        {"name": "Long", "extents": [1500]}]},
    {"path": "Reactor.Jacket", "variables": [{"name": "Überhitzer"}, {"name": "T", "extents": [50]}]}]})j";

QByteArray Payload(QMimeData* data)
{
    std::unique_ptr<QMimeData> owned(data);
    return owned ? owned->data(PathFormat) : QByteArray("(no data)");
}

} // namespace

class WorkbenchLargeModelTest : public QObject {
    Q_OBJECT
private slots:
    void copiesShareTheModelUntilOneChanges()
    {
        HostModel original;
        QVERIFY(original.AddBlock("B"));
        // Enough variables for the table of names to grow several times.
        for (int v = 0; v < 5000; ++v)
            QVERIFY(original.AddVariable("B", {CString(("V" + std::to_string(v)).c_str()), 0, {}}));
        HostModel copy = original;
        QVERIFY(copy == original);
        QVERIFY(copy.AddVariable("B", {"W", ModelVariableWidenableAttribute, {4}}));
        QVERIFY(!copy.AddVariable("B", {"v4999", 0, {}}));
        QVERIFY(copy != original);
        QCOMPARE(original.variableCount(), 5000);
        QCOMPARE(copy.variableCount(), 5001);
        QVERIFY(!original.FindVariable("B.W"));
        QCOMPARE(copy.FindVariable("b.w(4)")->variable.attributes, ModelVariableWidenableAttribute);
        for (const char* name : {"B.V0", "B.v2500", "B.V4999"})
            QVERIFY2(original.FindVariable(name) && copy.FindVariable(name), name);
        // Case is ignored beyond ASCII too, and only the path's own block is searched.
        const WorkbenchModel small = Read(SmallModel);
        QCOMPARE(small.blocks.FindVariable("reactor.jacket.ÜBERHITZER")->path, CString("Reactor.Jacket.Überhitzer"));
        QVERIFY(!small.blocks.FindVariable("Column.Überhitzer"));
    }

    void browserRowsAreMadeFromTheModel_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name"); // empty: no row
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("children");
        QTest::addColumn<QByteArray>("dragged"); // empty: not draggable

        const auto row = [](const char* path, const char* name, const char* size, int children, const char* dragged) {
            QTest::newRow(path) << QString::fromLatin1(path) << QString::fromLatin1(name) << QString::fromLatin1(size)
                                << children << QByteArray(dragged);
        };
        row("Column", "Column", "", 4, "");
        row("Column.R", "R", "scalar", 0, "Column.R");
        row("column.t(*)", "T", "20", 20, "Column.T(*)");
        row("Column.T(3)", "T(3)", "", 0, "Column.T(3)"); // an element of a widenable array
        row("Column.x(2,1)", "x(2,1)", "", 0, "Column.x(2,1)"); // two subscripts, the last fastest
        row("Column.Long", "Long", "1500", 1001, "Column.Long(*)"); // past the listed elements
        row("Column.Long(1000)", "Long(1000)", "", 0, "Column.Long(1000)"); // the last listed element
        row("Column.Long(1001)", "", "", 0, "");
        row("Column.x(*,1)", "", "", 0, ""); // a slice is no row
        row("Column.Q", "", "", 0, "");
    }

    void browserRowsAreMadeFromTheModel()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(QString, size);
        QFETCH(int, children);
        QFETCH(QByteArray, dragged);
        ModelBrowserModel model;
        model.SetBlocks(Read(SmallModel).blocks);
        const QModelIndex index = model.FindPath(path);
        QCOMPARE(index.isValid(), !name.isEmpty());
        if (!index.isValid())
            return;
        QCOMPARE(index.data().toString(), name);
        QCOMPARE(index.siblingAtColumn(1).data().toString(), size);
        QCOMPARE(model.rowCount(index), children);
        QCOMPARE(model.flags(index).testFlag(Qt::ItemIsDragEnabled), !dragged.isEmpty());
        QCOMPARE(model.index(index.row(), 0, model.parent(index)), index);
        if (!dragged.isEmpty())
            QCOMPARE(Payload(model.mimeData({index, index.siblingAtColumn(1)})), "Flowsheet\r\n" + dragged + '\0');
        if (children > 1000) {
            const QModelIndex more = model.index(1000, 0, index);
            QCOMPARE(more.data().toString(), QStringLiteral("\u2026 500 more (drag the variable for all)"));
            QVERIFY(!model.flags(more).testFlag(Qt::ItemIsSelectable));
            QVERIFY(!model.mimeData({more}));
        }
    }

    void finderFiltersWithoutARowPerVariable_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("visible");

        const QStringList all {"Column.T(*)", "Column.x(*,*)", "Column.R", "Column.Long(*)",
            "Reactor.Jacket.Überhitzer", "Reactor.Jacket.T(*)"};
        QTest::newRow("none") << "" << all;
        QTest::newRow("blank") << "  " << all;
        QTest::newRow("owner prefix, trimmed") << " Column " << all.mid(0, 4);
        QTest::newRow("across the dot and subscripts") << "JACKET.T(" << QStringList {"Reactor.Jacket.T(*)"};
        QTest::newRow("non-ASCII case") << "überHITZER" << QStringList {"Reactor.Jacket.Überhitzer"};
        QTest::newRow("nothing") << "Column.Q" << QStringList();
    }

    void finderFiltersWithoutARowPerVariable()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, visible);
        VariableFinder finder;
        finder.SetModel(Read(SmallModel));
        finder.SetFilter(filter);
        QCOMPARE(finder.VisiblePaths(), visible);
        VariableFinderModel* model = finder.finderModel();
        QCOMPARE(model->rowCount(), visible.size());
        if (visible.size() >= 2) {
            // Dragged in row order, whatever the order of the selection.
            const QByteArray payload = Payload(model->mimeData({model->index(1), model->index(0), model->index(1)}));
            QCOMPARE(payload, ("Flowsheet\r\n" + visible[0] + "\r\n" + visible[1]).toUtf8() + '\0');
        }
    }

    // Defined after the class: moc misreads the escaped quotes in its raw strings.
    void fileOrderAndSpellingReadAsOneDocumentWould_data();

    void fileOrderAndSpellingReadAsOneDocumentWould()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, lastVariable);
        const WorkbenchModel model = Read(text);
        const std::vector<HostModel::Block>& blocks = model.blocks.blocks();
        QString last;
        for (const HostModel::Block& block : blocks) {
            for (size_t v = 0; v < block.variableCount(); ++v)
                last = block.path.ToQString() + QLatin1Char('.') + QString::fromStdString(std::string(block.NameAt(v)));
        }
        QCOMPARE(last, lastVariable);
        // The direct reading gives what the one-document reading gives.
        WorkbenchModel whole;
        QString error;
        QVERIFY2(ReadModelFileAsOneDocument(text, whole, error), qPrintable(error));
        QVERIFY(whole == model);
        // What is written reads back as the same model.
        QVERIFY(Read(WriteModelFile(model)) == model);
    }

    void largeModelIsBrowsedDeepWithoutItemObjects()
    {
        const WorkbenchModel model = Read(GeneratedModel(200, 1000));
        QCOMPARE(model.blocks.variableCount(), 200000);

        ModelBrowser browser;
        browser.SetModel(model);
        // The tree is a view over the model: no item per variable.
        QVERIFY(qobject_cast<ModelBrowserModel*>(browser.model()));
        const QModelIndex lastBlock = browser.model()->index(199, 0);
        QCOMPARE(lastBlock.data().toString(), QStringLiteral("Area19.Unit199"));
        QCOMPARE(browser.model()->rowCount(lastBlock), 1000);
        const QModelIndex array = browser.model()->index(998, 0, lastBlock);
        QCOMPARE(array.data().toString(), QStringLiteral("V998"));
        QCOMPARE(browser.model()->rowCount(array), 1001);
        const QModelIndex element = browser.model()->index(999, 0, array);
        QCOMPARE(element.data().toString(), QStringLiteral("V998(1000)"));
        QCOMPARE(browser.FindPath(QStringLiteral("area19.unit199.v998(1000)")), element);
        QCOMPARE(
            Payload(browser.model()->mimeData({element})), QByteArray("Flowsheet\r\nArea19.Unit199.V998(1000)") + '\0');

        VariableFinder finder;
        finder.SetModel(model);
        QCOMPARE(finder.finderModel()->rowCount(), 200000);
        QCOMPARE(finder.finderModel()->PathAt(199999), QStringLiteral("Area19.Unit199.V999(*,*)"));
        finder.SetFilter(QStringLiteral("Unit199.V99"));
        QCOMPARE(finder.VisiblePaths(),
            (QStringList {"Area19.Unit199.V99(*,*)", "Area19.Unit199.V990(*)", "Area19.Unit199.V991(*,*)",
                "Area19.Unit199.V992", "Area19.Unit199.V993(*)", "Area19.Unit199.V994(*)", "Area19.Unit199.V995(*,*)",
                "Area19.Unit199.V996", "Area19.Unit199.V997(*)", "Area19.Unit199.V998(*)",
                "Area19.Unit199.V999(*,*)"}));
    }

    void longBlockPathLoadsInLinearTime()
    {
        // A path of 4 MB in a block of 4000 variables: a step that copied the
        // path for each variable would copy 16 GB.
        const QByteArray path = QByteArray("Area.").repeated(800000) + "Unit";
        QByteArray text = "{\"blocks\": [{\"path\": \"" + path + "\", \"variables\": [";
        for (int v = 0; v < 4000; ++v)
            text += (v == 0 ? "{\"name\": \"V" : ", {\"name\": \"V") + QByteArray::number(v) + "\"}";
        text += "]}]}";
        QElapsedTimer timer;
        timer.start();
        const WorkbenchModel model = Read(text);
        ModelBrowser browser;
        browser.SetModel(model);
        VariableFinder finder;
        finder.SetModel(model);
        finder.SetFilter(QStringLiteral("V3999"));
        QCOMPARE(finder.finderModel()->rowCount(), 1);
        QVERIFY(model.blocks.FindVariable((path + ".V3999").constData()));
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    }

    void largeFileIsReportedAsTheWholeTextWould()
    {
        // Loading gives the text it has read back to the system; a fault after
        // more than that is still reported from the whole file, and a file
        // without fault reads as its text does.
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("large.json"));
        // A first block of 12 MB: more than is given back at a time.
        const QByteArray valid = "{\"blocks\": [{\"path\": \"" + QByteArray("Area.").repeated(2400000)
            + "Unit\"}, {\"path\": \"B\", \"variables\": [{\"name\": \"T\"}]}]}";
        for (const QByteArray& text :
            {valid, valid.chopped(2) + R"j(, {"path": "Bad", "variables": [{"name": 3}]}]})j"}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
            file.close();
            WorkbenchModel loaded;
            WorkbenchModel read;
            QString loadError;
            QString readError;
            const bool readOk = ReadModelFile(text, read, readError);
            QCOMPARE(LoadModelFile(path, loaded, loadError), readOk);
            if (readOk) {
                QVERIFY(loaded == read);
                QVERIFY(loaded.blocks.FindVariable("B.T"));
            } else {
                QCOMPARE(readError, QStringLiteral("blocks[2].variables[0].name: expected a string, found a number"));
                QVERIFY2(loadError.endsWith(QStringLiteral("is not valid: ") + readError), qPrintable(loadError));
            }
        }
    }
};

void WorkbenchLargeModelTest::fileOrderAndSpellingReadAsOneDocumentWould_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("lastVariable");

    const QByteArray blocks = R"j("blocks": [{"path": "B", "variables": [{"name": "T", "extents": [3]}]},
        {"path": "C", "variables": []}, {"path": "D"}, {"path": "E", "variables": [{"name": "[{\"}]"}]}])j";
    const QByteArray plots = R"j("plots": [{"name": "P", "owner": "D", "context": "D.P", "access": "host",
        "definition": {"timeMode": 0, "timeEntries": ["L"]}}])j";
    const auto row = [](const char* name, const QByteArray& text, const char* lastVariable = "B.T") {
        QTest::newRow(name) << text << QString::fromUtf8(lastVariable);
    };
    const auto oneBlock = [](const QByteArray& variables) {
        return R"j({"blocks": [{"path": "B", "variables": [)j" + variables + "]}]}";
    };
    row("blocks then plots", "{" + blocks + ", " + plots + "}", R"j(E.[{"}])j");
    row("plots before the blocks they name", "{" + plots + ",\r\n\t" + blocks + "}", R"j(E.[{"}])j");
    row("escaped key", R"j({"bl\u006fcks": [{"path": "B", "variables": [{"name": "T"}]}]})j");
    row("byte order mark", "\xEF\xBB\xBF" + oneBlock(R"j({"name": "T"})j"));
    row("empty blocks", R"j( {"blocks": []} )j", "");
    row("keys of a variable in another order",
        oneBlock(R"j({"widenable": false, "extents": [1000000], "name": "T"})j"));
    row("escapes and non-ASCII in names",
        R"j({"blocks": [{"path": "K\u00fchler", "variables": [{"name": "Ü\ud834\udd1e\/\""}]}]})j",
        "K\u00fchler.\u00dc\U0001D11E/\"");
    row("elements up to a signed 64-bit count",
        oneBlock(R"j({"name": "T", "extents": [1000000, 1000000, 1000000, 9]})j"));
    row("numbers the parser reads as whole", oneBlock(R"j({"name": "T", "extents": [2.0, 3e0, 1E1]})j"));
    row("variables before the path", R"j({"blocks": [{"variables": [{"name": "T"}], "path": "B"}]})j");
}

PE_TEST_MAIN(WorkbenchLargeModelTest)
#include "tst_workbenchlargemodel.moc"
