// parlevox-headless: the client's core with no GUI.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "ConsoleUserInterface.h"
#include "HeadlessClient.h"
#include "HeadlessOptions.h"
#include "platform/PollEventLoop.h"

int main(int argc, char** argv) {
    using namespace parlevox;
    std::vector<std::string> args(argv + 1, argv + argc);
    HeadlessOptions options;
    if (auto error = ParseHeadlessOptions(args, options)) {
        std::fprintf(stderr, "parlevox-headless: %s\n%s", error->c_str(), HeadlessUsage());
        return 2;
    }
    if (options.help) {
        std::fputs(HeadlessUsage(), stdout);
        return 0;
    }
    std::signal(SIGPIPE, SIG_IGN);  // a closed stdout must not kill the connection
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    ConsoleUserInterface console(options.password);
    UserInterface::SetCurrent(&console);  // for the internal error report

    PollEventLoop loop;
    int exitCode = 1;
    {
        HeadlessClient client(loop, options, console);
        if (client.Started()) exitCode = client.Run();
    }
    UserInterface::SetCurrent(nullptr);
    return exitCode;
}

// fontconfig keeps its configuration cache for the life of the process by
// design; in sanitizer builds the leak checker is told so.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
