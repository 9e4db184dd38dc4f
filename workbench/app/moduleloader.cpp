#include "workbench/app/moduleloader.h"

#include "host/interfaces/editorcontract.h"
#include "host/services/kdoctemplate.h"
#include "platform/docview/application.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <dlfcn.h>
#include <elf.h>

namespace {

constexpr const char* ModuleFileName = "libprofileeditor.so";

#if defined(__x86_64__)
constexpr Elf64_Half ThisElfMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr Elf64_Half ThisElfMachine = EM_AARCH64;
#else
#error "Name this machine's ELF e_machine value"
#endif

QString ChooseModule(const QString& path, QString& error)
{
    if (!path.isEmpty()) {
        // Checked and loaded by the same absolute path: dlopen would search the
        // library path for a bare name that the check found in this folder.
        const QFileInfo info(path);
        const QString absolute = info.absoluteFilePath();
        if (!info.exists()) {
            error = QStringLiteral("The editor module \"%1\" does not exist.").arg(absolute);
            return QString();
        }
        if (!info.isFile()) {
            error = QStringLiteral("The editor module \"%1\" is not a regular file.").arg(absolute);
            return QString();
        }
        return absolute;
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

bool CheckLoadableElf(QIODevice& file, QString& reason)
{
    const qint64 size = file.size();
    Elf64_Ehdr header {};
    if (!file.seek(0) || file.read(reinterpret_cast<char*>(&header), sizeof header) != sizeof header
        || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) {
        reason = QStringLiteral("it is not an ELF file");
        return false;
    }
    if (header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB || header.e_type != ET_DYN
        || header.e_machine != ThisElfMachine) {
        reason = QStringLiteral("it is not a shared library for this machine");
        return false;
    }
    const quint64 tableEnd = header.e_phoff + quint64(header.e_phnum) * sizeof(Elf64_Phdr);
    if (header.e_phentsize != sizeof(Elf64_Phdr) || header.e_phnum == 0 || header.e_phoff > quint64(size)
        || tableEnd > quint64(size)) {
        reason = QStringLiteral("its program header table is missing or lies outside the file (%1 bytes)").arg(size);
        return false;
    }
    if (!file.seek(static_cast<qint64>(header.e_phoff))) {
        reason = file.errorString();
        return false;
    }
    for (int i = 0; i < header.e_phnum; ++i) {
        Elf64_Phdr segment {};
        if (file.read(reinterpret_cast<char*>(&segment), sizeof segment) != sizeof segment) {
            reason = QStringLiteral("its program header table cannot be read");
            return false;
        }
        if (segment.p_type == PT_LOAD
            && (segment.p_offset > quint64(size) || segment.p_filesz > quint64(size) - segment.p_offset)) {
            reason = QStringLiteral("it is truncated: a load segment ends at byte %1, the file has %2")
                         .arg(segment.p_offset + segment.p_filesz)
                         .arg(size);
            return false;
        }
    }
    return true;
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
    // dlopen maps a truncated file and faults on the missing pages; such a
    // file is refused before it gets there.
    QFile file(chosen);
    QString fault;
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot read the editor module \"%1\": %2").arg(chosen, file.errorString());
        return false;
    }
    if (!CheckLoadableElf(file, fault)) {
        error = QStringLiteral("\"%1\" is not a loadable editor module: %2").arg(chosen, fault);
        return false;
    }
    file.close();
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
