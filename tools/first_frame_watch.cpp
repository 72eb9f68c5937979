// Starts a program on an X display and measures how long it takes until
// the screen shows a given picture: the first frame as a person sees it,
// measured from outside in the same way for any program (a card of the
// suite or a plain image viewer), not as the program reports it.
//
//   first_frame_watch EXPECTED.png [--linger MS] [--timeout MS] -- PROGRAM [ARGUMENTS...]
//
// Every window created on the display is watched with the DAMAGE
// extension; after each change a set of whole rows of the screen is read
// back and compared with the same rows of EXPECTED.png (the size of the
// screen, drawn at 0,0). On a match it prints "first frame after <ms> ms",
// waits --linger milliseconds (for work the program does after its first
// frame), then ends the program. Exit status 0 on a match, 1 otherwise.
// With FIRST_FRAME_WATCH_VERBOSE set, each window and change goes to stderr.

#include <QImage>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

// Rows spread over the screen, and the rows through the middle of the
// card's title lines, where the text is.
std::vector<int> sampleRows(int height)
{
    std::vector<int> rows;
    for (int k = 1; k <= 9; ++k)
        rows.push_back(height * k / 10);
    for (int percent : {32, 40, 52, 60, 72})
        rows.push_back(height * percent / 100);
    return rows;
}

bool rowsMatch(xcb_connection_t *c, xcb_window_t root, const QImage &expected, const std::vector<int> &rows)
{
    for (int y : rows) {
        auto cookie = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, 0, static_cast<int16_t>(y),
                                    static_cast<uint16_t>(expected.width()), 1, ~0u);
        std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
            xcb_get_image_reply(c, cookie, nullptr), &std::free);
        if (!reply || reply->depth != 24)
            return false;
        const auto *got = reinterpret_cast<const uint32_t *>(xcb_get_image_data(reply.get()));
        const auto *want = reinterpret_cast<const uint32_t *>(expected.constScanLine(y));
        if (xcb_get_image_data_length(reply.get()) < expected.width() * 4)
            return false;
        for (int x = 0; x < expected.width(); ++x)
            if ((got[x] ^ want[x]) & 0xFFFFFF)
                return false;
    }
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: first_frame_watch EXPECTED.png [--linger MS] [--timeout MS] -- PROGRAM [ARGS...]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4)
        return usage();
    const QImage expected = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    int linger = 0;
    const bool verbose = qEnvironmentVariableIsSet("FIRST_FRAME_WATCH_VERBOSE");
    int timeout = 20000;
    int i = 2;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (i + 1 >= argc)
            return usage();
        if (std::strcmp(argv[i], "--linger") == 0)
            linger = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--timeout") == 0)
            timeout = std::atoi(argv[++i]);
        else
            return usage();
    }
    if (expected.isNull() || i + 1 >= argc)
        return usage();
    char **program = argv + i + 1;

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "first_frame_watch: no display\n");
        return 1;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (screen->width_in_pixels != expected.width() || screen->height_in_pixels != expected.height()) {
        std::fprintf(stderr, "first_frame_watch: the screen is %dx%d, the picture %dx%d\n", screen->width_in_pixels,
                     screen->height_in_pixels, expected.width(), expected.height());
        return 1;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "first_frame_watch: the display has no DAMAGE extension\n");
        return 1;
    }
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(c);
    const std::vector<int> rows = sampleRows(expected.height());
    if (rowsMatch(c, screen->root, expected, rows)) {
        std::fprintf(stderr, "first_frame_watch: the screen already shows the picture\n");
        return 1;
    }

    pid_t pid = 0;
    const double start = nowMs();
    if (posix_spawnp(&pid, program[0], nullptr, nullptr, program, environ) != 0) {
        std::fprintf(stderr, "first_frame_watch: cannot start %s\n", program[0]);
        return 1;
    }

    double matched = -1;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (matched < 0 && nowMs() - start < timeout) {
        xcb_generic_event_t *event = xcb_poll_for_event(c);
        if (!event) {
            if (xcb_connection_has_error(c))
                break;
            poll(&fd, 1, 50);
            continue;
        }
        const uint8_t type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            xcb_damage_create(c, xcb_generate_id(c), created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(c);
            if (verbose)
                std::fprintf(stderr, "%.1f ms: window %u created\n", nowMs() - start, created->window);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            auto *notify = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            // Cleared first, so a change made while we read is reported again.
            xcb_damage_subtract(c, notify->damage, XCB_NONE, XCB_NONE);
            if (rowsMatch(c, screen->root, expected, rows))
                matched = nowMs() - start;
            else if (verbose)
                std::fprintf(stderr, "%.1f ms: a change, not the picture yet\n", nowMs() - start);
        }
        std::free(event);
    }

    if (matched >= 0) {
        std::printf("first frame after %.1f ms\n", matched);
        std::fflush(stdout);
    } else {
        std::fprintf(stderr, "first_frame_watch: no matching frame within %d ms\n", timeout);
    }
    bool ended = false;
    const double until = nowMs() + (matched >= 0 ? linger : 0);
    while (!ended && nowMs() < until) {
        ended = waitpid(pid, nullptr, WNOHANG) == pid;
        poll(nullptr, 0, 10);
    }
    if (!ended) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    xcb_disconnect(c);
    return matched >= 0 ? 0 : 1;
}
