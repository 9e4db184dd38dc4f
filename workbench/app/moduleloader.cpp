#include "workbench/app/moduleloader.h"

#include "host/interfaces/editorcontract.h"
#include "host/services/kdoctemplate.h"
#include "platform/docview/application.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace {

constexpr const char* ModuleFileName = "libprofileeditor.so";

QString ChooseModule(const QString& path, QString& error)
{
    if (!path.isEmpty()) {
        if (!QFileInfo(path).isFile()) {
            error = QStringLiteral("The editor module \"%1\" does not exist.").arg(path);
            return QString();
        }
        return path;
    }
    const QStringList candidates = DefaultModulePaths();
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    error = QStringLiteral("The editor module was not found; looked for %1. Give its path with --module.")
                .arg(candidates.join(QStringLiteral(" and ")));
    return QString();
}

} // namespace

QStringList DefaultModulePaths()
{
    QStringList paths {QStringLiteral(PE_MODULE_PATH)};
    if (QCoreApplication::instance())
        paths << QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(ModuleFileName);
    return paths;
}

CKDocTemplate* FindEditorTemplate(const CWinApp& app)
{
    for (const auto& docTemplate : app.GetDocTemplates()) {
        auto* hostTemplate = dynamic_cast<CKDocTemplate*>(docTemplate.get());
        if (hostTemplate && hostTemplate->GetDocumentType() == ProfileEditorDocumentType)
            return hostTemplate;
    }
    return nullptr;
}

bool LoadEditorModule(const QString& path, CWinApp& app, LoadedModule& loaded, QString& error)
{
    const QString chosen = ChooseModule(path, error);
    if (chosen.isEmpty())
        return false;
    void* handle = dlopen(QFile::encodeName(chosen).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        error = QStringLiteral("Cannot load the editor module \"%1\": %2")
                    .arg(chosen, QString::fromLocal8Bit(reason ? reason : "unknown error"));
        return false;
    }
    dlerror();
    auto init = reinterpret_cast<KDInitDllFunction>(dlsym(handle, KDInitDllSymbol));
    if (!init) {
        error = QStringLiteral("\"%1\" is not an editor module: it has no entry KDInitDll.").arg(chosen);
        return false; // left loaded: unloading code of unknown static state is not safe
    }
    const int answer = init(0);
    if (answer != 1) {
        error = QStringLiteral("The editor module \"%1\" refused to start: KDInitDll answered %2 instead of 1.")
                    .arg(chosen)
                    .arg(answer);
        return false;
    }
    CKDocTemplate* docTemplate = FindEditorTemplate(app);
    if (!docTemplate) {
        error = QStringLiteral("The editor module \"%1\" registered no Profile Editor document type %2.")
                    .arg(chosen, QString::fromStdString(GuidToString(ProfileEditorDocumentType)));
        return false;
    }
    loaded.path = chosen;
    loaded.handle = handle;
    loaded.docTemplate = docTemplate;
    return true;
}
