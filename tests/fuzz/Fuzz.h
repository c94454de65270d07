#pragma once
// Shared by the fuzz targets (libFuzzer; see CONTRIBUTING.md). A target checks
// properties with FUZZ_CHECK, which aborts so that libFuzzer keeps the input.
// fuzz::app() makes the one application (offscreen, its messages dropped);
// fuzz::put() writes a file into the process's own folder for the readers
// that take a path.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <sanitizer/common_interface_defs.h>

#define FUZZ_CHECK(cond) ((cond) ? void() : fuzz::fail(#cond, __FILE__, __LINE__))

namespace fuzz {

[[noreturn]] inline void fail(const char* what, const char* file, int line)
{
    char text[512];
    std::snprintf(text, sizeof text, "%s:%d: property broken: %s", file, line, what);
    std::fprintf(stderr, "%s\n", text);
    __sanitizer_report_error_summary(text); // also where libFuzzer keeps its output
    std::abort();
}

inline QApplication& app()
{
    static QApplication* a = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("SDL_AUDIODRIVER", "dummy");
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *a;
}

// The folder for files handed to readers, with "/" at its end.
inline QString dir()
{
    static const QTemporaryDir d;
    return d.path() + u'/';
}

inline QString put(const QString& name, QByteArrayView bytes)
{
    QFile f(dir() + name);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(bytes.data(), bytes.size()) != bytes.size())
        fail("scratch file written", __FILE__, __LINE__);
    return f.fileName();
}

inline QByteArray get(const QString& name)
{
    QFile f(dir() + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace fuzz
