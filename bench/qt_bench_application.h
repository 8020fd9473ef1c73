#pragma once

#include <QApplication>
#include <QByteArray>

// Widget benchmarks need one QApplication for the whole benchmark program.
// It runs offscreen unless QT_QPA_PLATFORM says otherwise, and is never
// destroyed: it must outlive every benchmark, and main belongs to the
// benchmark library.
inline void EnsureQtApplication()
{
    if (QApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    }
    static int argc = 1;
    static char name[] = "kadrel_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}
