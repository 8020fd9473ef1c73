// Starts a program on the current X display and measures, as a person sees
// it, how long it takes until its first window is mapped; then waits for its
// second window (Kadrel's main window, after the splash) and reads its
// resident memory. Prints the median of several runs.
//
//   kadrel_startup_probe PROGRAM [RUNS]

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for the next top-level window to be mapped; false on timeout.
bool WaitForMap(xcb_connection_t* connection, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & ~0x80) == XCB_MAP_NOTIFY &&
                                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
            std::free(event);
            if (mapped)
                return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
}

long ResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "%s: cannot connect to the X display\n", argv[0]);
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    std::vector<double> mapMs, residentMiB;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execl(argv[1], argv[1], static_cast<char*>(nullptr));
            _exit(127);
        }
        if (!WaitForMap(connection, 10000)) {
            std::fprintf(stderr, "run %d: no window within 10 s\n", run);
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return 1;
        }
        mapMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (WaitForMap(connection, 10000)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            residentMiB.push_back(ResidentKiB(pid) / 1024.0);
        }
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        std::printf("run %d: first window mapped after %.1f ms\n", run, mapMs.back());
    }
    std::printf("median: first window mapped after %.1f ms", Median(mapMs));
    if (!residentMiB.empty())
        std::printf("; resident memory with the second window up %.1f MiB", Median(residentMiB));
    std::printf("\n");
    xcb_disconnect(connection);
    return 0;
}
