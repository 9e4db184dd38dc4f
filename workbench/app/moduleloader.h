#pragma once

// Loads the editor module as the host does: dlopen, the entry KDInitDll, and
// the document template it registers with the application.

#include <QString>
#include <QStringList>

class CKDocTemplate;
class CWinApp;
class QIODevice;

// Where the module is looked for when no path is given: the build tree's
// module first, then libprofileeditor.so beside the executable (an installed
// layout).
QStringList DefaultModulePaths();

struct LoadedModule {
    QString path;
    void* handle = nullptr;
    CKDocTemplate* docTemplate = nullptr; // owned by the application
};

// Whether `file` (open for reading) is a 64-bit little-endian shared library
// for this machine whose program headers and load segments lie inside it;
// else false with the reason. A truncated library passes dlopen's own checks
// and then faults when a missing page is touched.
bool CheckLoadableElf(QIODevice& file, QString& reason);

// Loads the module at `path` (made absolute, so that a bare name is not
// searched for on the library path; or, when empty, the first default path
// that exists), checks it with CheckLoadableElf, calls KDInitDll(0), checks that it answered 1 and finds the Profile
// Editor template in `app`. On failure returns false with a message naming the
// path and the cause. The module is never unloaded: the application owns
// objects made by its code.
bool LoadEditorModule(const QString& path, CWinApp& app, LoadedModule& loaded, QString& error);

// The application's template for the Profile Editor document type, or null.
CKDocTemplate* FindEditorTemplate(const CWinApp& app);
