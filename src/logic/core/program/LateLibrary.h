#pragma once

#include <QString>

#include <optional>

// A C library the program opens the first time it needs it rather than at every start. Most
// runs never need libpq (an office server), libcurl (a mail) or the ODBC driver manager (the
// news), yet loading each with everything it links was most of a command's start. The library
// stays loaded for the rest of the run.
class LateLibrary {
public:
    // fileName is the library's soname ("libpq.so.5"), as the package installs it.
    explicit LateLibrary(const char* fileName);

    // Sets function to the library's function of that name; a function the library lacks
    // leaves it null and the library is not loaded.
    template <typename Function> void bind(Function*& function, const char* name) {
        function = reinterpret_cast<Function*>(symbol(name));
    }

    // Whether the library was opened and had every function asked of it.
    bool isLoaded() const { return m_failure.isEmpty(); }
    // Why not, in Greek, with the loader's own words; empty when it is loaded.
    const QString& failure() const { return m_failure; }

private:
    void* symbol(const char* name);

    void* m_handle = nullptr;
    QString m_fileName;
    QString m_failure;
};

// The table of a library's functions, made by Bind on first use and kept for the run; nullptr
// when the library or one of its functions is missing, *failure then saying why.
template <typename Functions, void (*Bind)(LateLibrary&, Functions&)>
const Functions* LateFunctions(const char* fileName, QString* failure) {
    struct Loaded {
        std::optional<Functions> functions;
        QString failure;
    };
    static const Loaded loaded = [fileName] {
        LateLibrary library(fileName);
        Functions functions;
        Bind(library, functions);
        if (!library.isLoaded())
            return Loaded{std::nullopt, library.failure()};
        return Loaded{functions, {}};
    }();
    if (failure)
        *failure = loaded.failure;
    return loaded.functions ? &*loaded.functions : nullptr;
}
