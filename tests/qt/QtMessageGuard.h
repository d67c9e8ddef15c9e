#pragma once

// Fails the running test on any critical or fatal message from Qt or the
// program while the guard lives; warnings and debug output pass through.
// One guard at a time, installed by a test fixture.

#include <QtGlobal>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

class QtMessageGuard {
public:
    QtMessageGuard() { s_previous = qInstallMessageHandler(&QtMessageGuard::Handle); }
    ~QtMessageGuard() { qInstallMessageHandler(s_previous); }
    QtMessageGuard(const QtMessageGuard&) = delete;
    QtMessageGuard& operator=(const QtMessageGuard&) = delete;

private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        const std::string text = message.toStdString();
        if (type != QtCriticalMsg && type != QtFatalMsg) {
            if (s_previous != nullptr) {
                s_previous(type, context, message);
            }
            return;
        }
        // A fatal message aborts right after this returns, before the test
        // could report it, so it is printed as well.
        std::fprintf(stderr, "Qt %s: %s\n", type == QtFatalMsg ? "fatal" : "critical",
                     text.c_str());
        ADD_FAILURE() << "Qt critical message: " << text;
    }

    static inline QtMessageHandler s_previous = nullptr;
};
