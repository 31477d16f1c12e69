// kestrova-screenobserver: watches an X display from outside the program and writes, on the
// monotonic clock, each change of the attention task's stimuli as the screen shows them.
//
//   kestrova-screenobserver [--seconds S]        (DISPLAY chooses the display)
//
// It asks the server for a damage notification on every drawing to the root window (and so to
// every window on it), stamps each batch of notifications on CLOCK_MONOTONIC the moment it
// takes them in, then reads a few pixels: the centre of the screen (fixation cross, alerting
// asterisk, orienting arrow or nothing) and the middle of the eight target places. Whenever
// what is up changes it writes one line to standard output:
//
//   <ms on CLOCK_MONOTONIC, 3 decimals> <centre: none|cross|asterisk|arrow> <target: -|E|SE|…>
//
// Lines starting with '#' are comments (the screen's size, the end of the watch). It stops
// after S seconds, on SIGTERM / SIGINT, or when the display goes away.

#include <poll.h>
#include <signal.h>
#include <time.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include "tasks/test2/targetplaces.h"

namespace {

volatile sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

double monotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// A block of the screen read with GetImage (32 bits a pixel, blue green red in the low bytes).
struct Block
{
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    std::vector<uint32_t> pixels;

    int brightness(int px, int py) const
    {
        if (px < 0 || py < 0 || px >= w || py >= h || pixels.empty())
            return 0;
        const uint32_t p = pixels[std::size_t(py) * std::size_t(w) + std::size_t(px)];
        const int r = (p >> 16) & 0xff;
        const int g = (p >> 8) & 0xff;
        const int b = p & 0xff;
        return std::max(r, std::max(g, b));
    }
    // Whether any pixel within two pixels of (dx, dy) from the block's middle is at least `level`.
    bool litNear(int dx, int dy, int level) const
    {
        for (int oy = -2; oy <= 2; ++oy)
            for (int ox = -2; ox <= 2; ++ox)
                if (brightness(w / 2 + dx + ox, h / 2 + dy + oy) >= level)
                    return true;
        return false;
    }
    bool anyLit(int level) const
    {
        for (int py = 0; py < h; ++py)
            for (int px = 0; px < w; ++px)
                if (brightness(px, py) >= level)
                    return true;
        return false;
    }
};

class Observer
{
public:
    explicit Observer(xcb_connection_t *connection)
        : c(connection)
    {
        screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        centreX = screen->width_in_pixels / 2;
        centreY = screen->height_in_pixels / 2;
    }

    bool start()
    {
        const xcb_query_extension_reply_t *ext = xcb_get_extension_data(c, &xcb_damage_id);
        if (!ext || !ext->present) {
            std::fprintf(stderr, "kestrova-screenobserver: the display has no DAMAGE extension\n");
            return false;
        }
        damageEvent = ext->first_event + XCB_DAMAGE_NOTIFY;
        xcb_damage_query_version_reply_t *version =
            xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr);
        if (!version) {
            std::fprintf(stderr, "kestrova-screenobserver: DAMAGE did not answer\n");
            return false;
        }
        std::free(version);
        // Every drawing operation is reported as it is done, never merged with earlier damage.
        const xcb_damage_damage_t damage = xcb_generate_id(c);
        xcb_damage_create(c, damage, screen->root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(c);
        std::printf("# screen %dx%d centre %d %d\n", screen->width_in_pixels, screen->height_in_pixels, centreX,
                    centreY);
        look(monotonicMs(), true);
        return true;
    }

    // Takes in damage notifications until told to stop; returns the exit status.
    int run(double seconds)
    {
        const double end = seconds > 0 ? monotonicMs() + seconds * 1e3 : 0;
        const int fd = xcb_get_file_descriptor(c);
        while (!stopRequested && (end == 0 || monotonicMs() < end)) {
            xcb_generic_event_t *event = xcb_poll_for_event(c);
            if (!event) {
                if (xcb_connection_has_error(c))
                    break;
                pollfd p{fd, POLLIN, 0};
                poll(&p, 1, 200);
                continue;
            }
            // The batch is stamped when its first notification is taken in.
            const double stamp = monotonicMs();
            bool damaged = false;
            for (; event; event = xcb_poll_for_event(c)) {
                if ((event->response_type & 0x7f) == damageEvent) {
                    damaged = true;
                    ++damageCount;
                }
                std::free(event);
            }
            if (damaged)
                look(stamp, false);
        }
        std::printf("# end: %ld damage notifications, %ld changes\n", damageCount, changeCount);
        std::fflush(stdout);
        return xcb_connection_has_error(c) && !stopRequested ? 1 : 0;
    }

private:
    // Reads the centre and the eight target places in one round trip and writes a line when
    // what is up differs from the last line.
    void look(double stamp, bool first)
    {
        constexpr int half = 30;
        Block centre{centreX - half, centreY - half, 2 * half + 1, 2 * half + 1, {}};
        std::vector<Block> places;
        for (int k = 0; k < TargetPlaces::count; ++k) {
            const QPoint topLeft = TargetPlaces::topLeft(centreX, centreY, k);
            const int middle = TargetPlaces::targetSize / 2;
            places.push_back(Block{topLeft.x() + middle - 2, topLeft.y() + middle - 2, 5, 5, {}});
        }
        std::vector<xcb_get_image_cookie_t> cookies;
        cookies.push_back(request(centre));
        for (const Block &place : places)
            cookies.push_back(request(place));
        fetch(cookies[0], centre);
        for (std::size_t k = 0; k < places.size(); ++k)
            fetch(cookies[k + 1], places[k]);

        const std::string centreState = classifyCentre(centre);
        std::string targetState = "-";
        for (int k = 0; k < TargetPlaces::count; ++k) {
            // The target is white; the grey squares of the instructions are not.
            if (places[std::size_t(k)].litNear(0, 0, 200) && places[std::size_t(k)].anyLit(200))
                targetState = targetState == "-" ? TargetPlaces::name(k)
                                                 : targetState + "+" + TargetPlaces::name(k);
        }
        const std::string state = centreState + " " + targetState;
        if (!first && state == lastState)
            return;
        lastState = state;
        ++changeCount;
        std::printf("%.3f %s\n", stamp, state.c_str());
        std::fflush(stdout);
    }

    xcb_get_image_cookie_t request(const Block &block)
    {
        return xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, int16_t(block.x), int16_t(block.y),
                             uint16_t(block.w), uint16_t(block.h), ~0u);
    }

    void fetch(xcb_get_image_cookie_t cookie, Block &block)
    {
        xcb_get_image_reply_t *reply = xcb_get_image_reply(c, cookie, nullptr);
        if (!reply)
            return;
        const int length = xcb_get_image_data_length(reply);
        if (length >= block.w * block.h * 4) {
            block.pixels.resize(std::size_t(block.w) * std::size_t(block.h));
            std::memcpy(block.pixels.data(), xcb_get_image_data(reply), block.pixels.size() * 4);
        }
        std::free(reply);
    }

    // The fixation cross has four arms on the axes and nothing on the diagonals; the asterisk
    // has eight arms; the orienting arrow is a single shaft through the centre.
    static std::string classifyCentre(const Block &centre)
    {
        constexpr int level = 100;
        const bool axes = centre.litNear(15, 0, level) && centre.litNear(-15, 0, level) &&
                          centre.litNear(0, 15, level) && centre.litNear(0, -15, level);
        int diagonals = 0;
        for (const auto &[dx, dy] : {std::pair{9, 9}, {-9, 9}, {9, -9}, {-9, -9}})
            diagonals += centre.litNear(dx, dy, level) ? 1 : 0;
        if (axes && diagonals == 4)
            return "asterisk";
        if (axes && diagonals == 0)
            return "cross";
        return centre.anyLit(level) ? "arrow" : "none";
    }

    xcb_connection_t *c;
    xcb_screen_t *screen = nullptr;
    int centreX = 0;
    int centreY = 0;
    uint8_t damageEvent = 0;
    std::string lastState;
    long damageCount = 0;
    long changeCount = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    double seconds = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
            seconds = std::atof(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: kestrova-screenobserver [--seconds S]   (DISPLAY chooses the display)\n");
            return 2;
        }
    }
    signal(SIGTERM, requestStop);
    signal(SIGINT, requestStop);

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "kestrova-screenobserver: cannot open the display\n");
        return 1;
    }
    Observer observer(connection);
    const int status = observer.start() ? observer.run(seconds) : 1;
    xcb_disconnect(connection);
    return status;
}
