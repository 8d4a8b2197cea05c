#include "logic/core/program/LateLibrary.h"

#include <dlfcn.h>

using namespace Qt::StringLiterals;

LateLibrary::LateLibrary(const char* fileName) : m_fileName(QString::fromUtf8(fileName)) {
    m_handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (!m_handle)
        m_failure = u"Η βιβλιοθήκη %1 δεν φορτώθηκε: %2"_s.arg(m_fileName, QString::fromUtf8(dlerror()));
}

void* LateLibrary::symbol(const char* name) {
    if (!m_handle)
        return nullptr;
    void* found = dlsym(m_handle, name);
    if (!found && m_failure.isEmpty())
        m_failure = u"Η βιβλιοθήκη %1 δεν έχει τη συνάρτηση %2."_s.arg(m_fileName, QString::fromUtf8(name));
    return found;
}
