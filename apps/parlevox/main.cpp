// parlevox: the desktop client.
#include <QApplication>
#include <pthread.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "DesktopClient.h"
#include "DesktopOptions.h"
#include "platform/Clock.h"
#include "ui/qt/QtEventLoop.h"

int main(int argc, char** argv) {
    using namespace parlevox;
    std::vector<std::string> args(argv + 1, argv + argc);
    DesktopOptions options;
    options.startedMs = Clock::TickCount();
    options.reportStartup = std::getenv("PARLEVOX_REPORT_STARTUP") != nullptr;
    options.exitAfterStart = std::getenv("PARLEVOX_EXIT_AFTER_START") != nullptr;
    if (auto error = ParseDesktopOptions(args, options)) {
        std::fprintf(stderr, "parlevox: %s\n%s", error->c_str(), DesktopUsage());
        return 2;
    }
    if (options.help) {
        std::fputs(DesktopUsage(), stdout);
        return 0;
    }
    std::signal(SIGPIPE, SIG_IGN);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // Blocked before Qt starts its threads, so that every thread inherits the
    // mask and SIGTERM/SIGINT reach only the client's signal descriptor.
    sigset_t endSignals;
    sigemptyset(&endSignals);
    sigaddset(&endSignals, SIGINT);
    sigaddset(&endSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Parlevox");
    QApplication::setDesktopFileName("parlevox");
    QApplication::setQuitOnLastWindowClosed(false);  // the client decides when it ends
    QtEventLoop loop;
    DesktopClient client(loop, options);
    return client.Started() ? client.Run() : 1;
}

// fontconfig keeps its configuration cache for the life of the process by
// design; in sanitizer builds the leak checker is told so.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
