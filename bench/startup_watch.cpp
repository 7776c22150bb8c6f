// Starts a program and watches, from outside and through the X server alone,
// for its first top-level window to be mapped and painted.
//
//   quorvane_startup_watch [--quiet-ms N] [--timeout-ms N] [--verbose] -- program [args...]
//
// "Painted" means: the window is mapped, the server has sent it an Expose
// (the watcher selects Expose on every new top-level window, as the program
// does), and since that Expose every one of its pixels has been drawn, as the
// server's DAMAGE extension reports the rectangles drawn into the window.
// Counting from the Expose matters: a damage object made on a window that is
// already mapped reports the whole window at once, whatever it shows (black,
// here), and only drawing after the Expose can be the program's answer to it.
// The watcher then waits until the window has been quiet for a while, reads
// the process's peak resident memory and its mapped libraries, checks that
// the window shows a picture (not a flat fill) and stops the program.
//
// Prints one line of key=value pairs; times are milliseconds since the fork.
#include <X11/extensions/damagewire.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <sys/uio.h>
#include <sys/wait.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "startup_watch: %s\n", why.c_str());
    std::exit(2);
}

double msSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// DAMAGE has no xcb binding among the packages the build relies on, but its
// two requests and one event are small enough to speak directly.
xcb_extension_t damageExtension = {DAMAGE_NAME, 0};

struct DamageQueryVersion {
    uint8_t major, minor;
    uint16_t length;
    uint32_t clientMajor, clientMinor;
};
struct DamageCreate {
    uint8_t major, minor;
    uint16_t length;
    uint32_t damage, drawable;
    uint8_t level, pad[3];
};
struct Rectangle {
    int16_t x, y;
    uint16_t width, height;
};
struct DamageNotify {
    uint8_t type, level;
    uint16_t sequence;
    uint32_t drawable, damage, timestamp;
    Rectangle area, geometry;
};
static_assert(sizeof(DamageQueryVersion) == 12 && sizeof(DamageCreate) == 16 && sizeof(DamageNotify) == 32);

template <class Request>
unsigned sendDamageRequest(xcb_connection_t* c, uint8_t opcode, Request& body, bool hasReply)
{
    const xcb_protocol_request_t request = {1, &damageExtension, opcode, uint8_t(hasReply ? 0 : 1)};
    iovec parts[4] = {};
    parts[2].iov_base = &body;
    parts[2].iov_len = sizeof body;
    return xcb_send_request(c, 0, parts + 2, &request);
}

uint8_t initDamage(xcb_connection_t* c)
{
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &damageExtension);
    if (!ext || !ext->present)
        fail("the X server has no DAMAGE extension");
    // The server refuses every other DAMAGE request until the version is agreed.
    DamageQueryVersion q{0, X_DamageQueryVersion, 0, DAMAGE_MAJOR, DAMAGE_MINOR};
    xcb_generic_error_t* error = nullptr;
    void* reply = xcb_wait_for_reply(c, sendDamageRequest(c, X_DamageQueryVersion, q, true), &error);
    if (!reply)
        fail("DAMAGE version query failed");
    std::free(reply);
    return ext->first_event;
}

void watchDamage(xcb_connection_t* c, xcb_window_t window)
{
    DamageCreate d{0, X_DamageCreate, 0, xcb_generate_id(c), window, XDamageReportRawRectangles, {}};
    sendDamageRequest(c, X_DamageCreate, d, false);
}

std::string property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t atom, xcb_atom_t type, uint32_t longs)
{
    xcb_get_property_reply_t* r = xcb_get_property_reply(c, xcb_get_property(c, 0, w, atom, type, 0, longs), nullptr);
    if (!r)
        return {};
    std::string out(static_cast<const char*>(xcb_get_property_value(r)), size_t(xcb_get_property_value_length(r)));
    std::free(r);
    return out;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    if (!r)
        fail(std::string("cannot intern ") + name);
    const xcb_atom_t a = r->atom;
    std::free(r);
    return a;
}

// The pixels of the window that no damage has reached yet.
class Coverage {
public:
    void reset(int w, int h)
    {
        width_ = w;
        height_ = h;
        covered_.assign(size_t(w) * size_t(h), 0);
        left_ = long(w) * h;
    }
    void add(const Rectangle& r)
    {
        const int x0 = std::max(0, int(r.x)), y0 = std::max(0, int(r.y));
        const int x1 = std::min(width_, r.x + int(r.width)), y1 = std::min(height_, r.y + int(r.height));
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                uint8_t& cell = covered_[size_t(y) * size_t(width_) + size_t(x)];
                left_ -= cell == 0;
                cell = 1;
            }
    }
    bool sized(int w, int h) const { return w == width_ && h == height_; }
    bool complete() const { return width_ > 0 && left_ == 0; }

private:
    int width_ = 0, height_ = 0;
    long left_ = 0;
    std::vector<uint8_t> covered_;
};

long statusKib(pid_t pid, std::string_view key)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);)
        if (line.compare(0, key.size(), key) == 0 && line.size() > key.size() && line[key.size()] == ':')
            return std::atol(line.c_str() + key.size() + 1);
    return -1;
}

// CPU time the process's threads have used so far, in milliseconds: the
// scheduler's own count in nanoseconds (/proc/PID/task/TID/schedstat), where
// the clock ticks of /proc/PID/stat would round to 10 ms.
double cpuMs(pid_t pid)
{
    double ns = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream in(task.path() / "schedstat");
        double onCpu = 0;
        if (in >> onCpu)
            ns += onCpu;
    }
    return ns / 1e6;
}

// OpenGL libraries mapped into the process, by file name: the dispatch
// libraries Qt links, and the drivers they may load (Mesa's vendor
// libraries, its DRI drivers and the LLVM they use).
std::string glLibraries(pid_t pid)
{
    static const char* const names[] = {"libGL.so", "libGLX.so", "libGLX_", "libEGL.so", "libEGL_", "libOpenGL.so",
                                        "libGLdispatch.so", "libLLVM"};
    std::set<std::string> found;
    std::ifstream in("/proc/" + std::to_string(pid) + "/maps");
    for (std::string line; std::getline(in, line);) {
        const size_t slash = line.rfind('/');
        if (slash == std::string::npos)
            continue;
        const std::string file = line.substr(slash + 1);
        for (const char* n : names)
            if (file.rfind(n, 0) == 0)
                found.insert(file);
        if (file.size() > 7 && file.compare(file.size() - 7, 7, "_dri.so") == 0)
            found.insert(file);
    }
    std::string out;
    for (const std::string& f : found)
        out += (out.empty() ? "" : ",") + f;
    return out.empty() ? "none" : out;
}

// The window's pixels, 0x00RRGGBB, row by row; empty if they cannot be read.
std::vector<uint32_t> snapshot(xcb_connection_t* c, xcb_window_t w, int width, int height)
{
    xcb_get_image_reply_t* r = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 0, 0, uint16_t(width), uint16_t(height), ~0u), nullptr);
    if (!r)
        return {};
    const auto* pixels = reinterpret_cast<const uint32_t*>(xcb_get_image_data(r));
    std::vector<uint32_t> out(pixels, pixels + size_t(xcb_get_image_data_length(r)) / 4);
    std::free(r);
    for (uint32_t& p : out)
        p &= 0xffffffu;
    return out;
}

// A window of one or two colours is a background fill, not a picture.
size_t distinctColours(const std::vector<uint32_t>& pixels)
{
    return std::unordered_set<uint32_t>(pixels.begin(), pixels.end()).size();
}

} // namespace

int main(int argc, char* argv[])
{
    int quietMs = 500, timeoutMs = 30000;
    bool verbose = false;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string a = argv[first];
        if (a == "--quiet-ms" && first + 1 < argc)
            quietMs = std::atoi(argv[++first]);
        else if (a == "--timeout-ms" && first + 1 < argc)
            timeoutMs = std::atoi(argv[++first]);
        else if (a == "--verbose")
            verbose = true;
        else if (a == "--") {
            ++first;
            break;
        } else
            break;
    }
    if (first >= argc)
        fail("usage: quorvane_startup_watch [--quiet-ms N] [--timeout-ms N] [--verbose] -- program [args...]");

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        fail("cannot open the display");
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint8_t damageEvent = initDamage(c) + XDamageNotify;
    const xcb_atom_t netWmPid = atom(c, "_NET_WM_PID");
    const xcb_atom_t netWmName = atom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(c, "UTF8_STRING");

    // Every new top-level window is reported before the program can draw in it.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));  // the selection is in force

    const Clock::time_point t0 = Clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork failed");
    if (pid == 0) {
        close(xcb_get_file_descriptor(c));
        execvp(argv[first], argv + first);
        std::fprintf(stderr, "startup_watch: cannot run %s: %s\n", argv[first], std::strerror(errno));
        _exit(127);
    }

    xcb_window_t target = XCB_NONE;
    bool exposed = false;
    double mapMs = -1, readyMs = -1, lastDamageMs = -1;
    int damages = 0, width = 0, height = 0;
    Coverage coverage;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};

    // No request here waits for a reply: a round trip can wait for the server
    // to finish a slice of the program's requests, and every event queued
    // meanwhile would be stamped late.
    for (;;) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
            const double now = msSince(t0);
            const uint8_t type = e->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* cn = reinterpret_cast<xcb_create_notify_event_t*>(e);
                if (cn->parent == root) {
                    // Damage first: should both come too late, the Expose is missed and the
                    // run fails, rather than a whole-window report passing for a frame.
                    watchDamage(c, cn->window);
                    const uint32_t exposure = XCB_EVENT_MASK_EXPOSURE;
                    xcb_change_window_attributes(c, cn->window, XCB_CW_EVENT_MASK, &exposure);
                    xcb_flush(c);
                }
            } else if (type == XCB_MAP_NOTIFY && target == XCB_NONE) {
                // Nothing else draws on this display: the first window mapped is the program's.
                target = reinterpret_cast<xcb_map_notify_event_t*>(e)->window;
                mapMs = now;
                if (verbose)
                    std::fprintf(stderr, "%8.1f ms mapped\n", now);
            } else if (type == XCB_EXPOSE && reinterpret_cast<xcb_expose_event_t*>(e)->window == target) {
                // The program is asked to draw now; what was drawn before, by anyone, no longer counts.
                if (reinterpret_cast<xcb_expose_event_t*>(e)->count == 0) {
                    exposed = true;
                    coverage = Coverage();
                    if (verbose)
                        std::fprintf(stderr, "%8.1f ms exposed\n", now);
                }
            } else if (type == damageEvent) {
                const auto* dn = reinterpret_cast<DamageNotify*>(e);
                if (dn->drawable == target) {
                    ++damages;
                    lastDamageMs = now;
                    width = dn->geometry.width;
                    height = dn->geometry.height;
                    if (exposed) {
                        if (!coverage.sized(width, height))
                            coverage.reset(width, height);  // resized: only what is drawn from now on counts
                        coverage.add(dn->area);
                        if (readyMs < 0 && coverage.complete())
                            readyMs = now;
                    }
                    if (verbose)
                        std::fprintf(stderr, "%8.1f ms damage %d,%d %dx%d%s\n", now, dn->area.x, dn->area.y,
                                     dn->area.width, dn->area.height,
                                     exposed ? "" : " (before the Expose: not the program's drawing)");
                }
            } else if (type == 0) {
                const auto* err = reinterpret_cast<xcb_generic_error_t*>(e);
                // A window already gone, or one that cannot be drawn in (an input-only
                // window, which Qt makes on a fresh server: BadMatch on its DamageCreate).
                const bool harmless = err->error_code == XCB_WINDOW || err->error_code == XCB_DRAWABLE
                                      || (err->error_code == XCB_MATCH && err->resource_id != target);
                if (!harmless)
                    fail("X error " + std::to_string(err->error_code));
            }
            std::free(e);
        }
        if (xcb_connection_has_error(c))
            fail("lost the display");

        const double now = msSince(t0);
        if (target && now - std::max(mapMs, lastDamageMs) >= quietMs) {
            if (readyMs >= 0)
                break;
            kill(pid, SIGKILL);
            fail(exposed ? "the window went quiet before it was fully painted"
                         : "no Expose seen for the window: it was mapped before the watcher could select it");
        }
        if (now > timeoutMs) {
            kill(pid, SIGKILL);
            fail(target ? "timed out: the window was never fully painted" : "timed out: no window was mapped");
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            fail("the program ended before its window was ready");
        const int wait = target ? int(quietMs - (now - std::max(mapMs, lastDamageMs))) + 1 : 100;
        if (poll(&fd, 1, std::max(1, wait)) < 0 && errno != EINTR)
            fail("poll failed");
    }

    const std::string owner = property(c, target, netWmPid, XCB_ATOM_CARDINAL, 1);
    if (owner.size() != 4 || *reinterpret_cast<const uint32_t*>(owner.data()) != uint32_t(pid))
        fail("the first window mapped is not the program's");
    const std::string title = property(c, target, netWmName, utf8, 64);
    const long hwm = statusKib(pid, "VmHWM"), rss = statusKib(pid, "VmRSS");
    const double cpu = cpuMs(pid);
    const std::string gl = glLibraries(pid);
    const size_t colours = distinctColours(snapshot(c, target, width, height));
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    xcb_disconnect(c);

    std::printf("map_ms=%.1f ready_ms=%.1f settle_ms=%.1f hwm_kib=%ld rss_kib=%ld size=%dx%d damages=%d colours=%zu "
                "gl=%s title=\"%s\" cpu_ms=%.1f\n",
                mapMs, readyMs, lastDamageMs, hwm, rss, width, height, damages, colours, gl.c_str(), title.c_str(), cpu);
    return colours > 2 ? 0 : 3;  // one or two colours are a fill, not a picture
}
