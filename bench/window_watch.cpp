// Times a program's window from outside the program, as the X server sees it.
//
//   quillmark_window_watch [--quiet-ms N] [--snapshot FILE.ppm] -- PROGRAM [ARGS...]
//
// Starts PROGRAM on $DISPLAY, waits for its first top-level window to be mapped, and follows
// every change to that window's pixels with the DAMAGE extension. Once the window has not
// changed for N ms (default 300) it is complete: the program is ended (SIGKILL, so it does no
// more work) and one line is printed, every time from just before the program started:
//
//   mapped <ms> first-frame <ms> complete <ms> damage-events <n> cpu <ms> peak-rss <KiB>
//
// cpu and peak-rss are the program's own (user+system time and the most resident memory),
// as the kernel reports them for the ended process. --snapshot saves the complete window.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kGiveUpMs = 10000;

struct Options {
  int quiet_ms = 300;
  std::string snapshot;
  std::vector<char*> command;
};

struct Timeline {
  std::optional<double> mapped, first_frame, last_change;
  int damage_events = 0;
};

pid_t program = 0;  // ended with the watch, however the watch ends

[[noreturn]] void Fail(const char* message) {
  if (program != 0)
    kill(program, SIGKILL);
  std::fprintf(stderr, "quillmark_window_watch: %s\n", message);
  std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  int i = 1;
  for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    if (std::strcmp(argv[i], "--quiet-ms") == 0 && i + 1 < argc)
      options.quiet_ms = std::atoi(argv[++i]);
    else if (std::strcmp(argv[i], "--snapshot") == 0 && i + 1 < argc)
      options.snapshot = argv[++i];
    else
      Fail("usage: quillmark_window_watch [--quiet-ms N] [--snapshot FILE] -- PROGRAM [ARGS...]");
  }
  for (++i; i < argc; ++i)
    options.command.push_back(argv[i]);
  if (options.command.empty())
    Fail("no program to start");
  options.command.push_back(nullptr);
  return options;
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

// The window's pixels as a binary PPM, read from the screen: what a person sees. A part of
// the window beyond the screen's edges (a large scale on a small screen) is left black.
void SaveSnapshot(xcb_connection_t* connection, xcb_window_t window, const std::string& path) {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const ReplyPointer<xcb_get_geometry_reply_t> geometry(
      xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
      &std::free);
  const ReplyPointer<xcb_translate_coordinates_reply_t> origin(
      xcb_translate_coordinates_reply(
          connection, xcb_translate_coordinates(connection, window, screen->root, 0, 0), nullptr),
      &std::free);
  if (!geometry || !origin)
    Fail("cannot find the window on the screen");
  const int width = geometry->width, height = geometry->height;
  const int left = std::max<int>(origin->dst_x, 0), top = std::max<int>(origin->dst_y, 0);
  const int right = std::min<int>(origin->dst_x + width, screen->width_in_pixels);
  const int bottom = std::min<int>(origin->dst_y + height, screen->height_in_pixels);
  const ReplyPointer<xcb_get_image_reply_t> image(
      xcb_get_image_reply(connection,
                          xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, left,
                                        top, right - left, bottom - top, ~0u),
                          nullptr),
      &std::free);
  if (!image || right <= left || bottom <= top || image->depth != 24)
    Fail("cannot read the window's pixels (a 24-bit screen is needed)");
  std::vector<uint8_t> rgb(3 * width * height, 0);
  const uint8_t* pixels = xcb_get_image_data(image.get());  // B, G, R, pad per pixel
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const uint8_t* from = pixels + 4 * ((y - top) * (right - left) + (x - left));
      uint8_t* to = &rgb[3 * ((y - origin->dst_y) * width + (x - origin->dst_x))];
      to[0] = from[2], to[1] = from[1], to[2] = from[0];
    }
  }
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr)
    Fail("cannot write the snapshot");
  std::fprintf(file, "P6\n%d %d\n255\n", width, height);
  std::fwrite(rgb.data(), 1, rgb.size(), file);
  std::fclose(file);
}

pid_t Start(const Options& options) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  if (posix_spawnp(&pid, options.command[0], &actions, nullptr, options.command.data(), environ) !=
      0)
    Fail("cannot start the program");
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// Follows the server's events until the watched window has been quiet for `quiet_ms`.
Timeline Watch(xcb_connection_t* connection, uint8_t damage_event, const Options& options,
               Clock::time_point start, xcb_window_t& window) {
  Timeline timeline;
  pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
  for (;;) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      const uint8_t type = event->response_type & 0x7f;
      const double now = MillisecondsSince(start);
      if (type == XCB_MAP_NOTIFY && !timeline.mapped) {
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
        if (!map->override_redirect) {
          window = map->window;
          timeline.mapped = now;
          xcb_damage_create(connection, xcb_generate_id(connection), window,
                            XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
          xcb_flush(connection);
        }
      } else if (type == damage_event + XCB_DAMAGE_NOTIFY) {
        ++timeline.damage_events;
        if (!timeline.first_frame)
          timeline.first_frame = now;
        timeline.last_change = now;
      }
      std::free(event);
    }
    if (xcb_connection_has_error(connection))
      Fail("lost the display");
    const double now = MillisecondsSince(start);
    if (timeline.last_change && now - *timeline.last_change >= options.quiet_ms)
      return timeline;
    if (now > kGiveUpMs)
      Fail("the program showed no complete window in time");
    const double since = timeline.last_change ? *timeline.last_change : now;
    poll(&descriptor, 1, static_cast<int>(options.quiet_ms - (now - since)) + 1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection))
    Fail("cannot open the display");
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection, &xcb_damage_id);
  if (damage == nullptr || !damage->present)
    Fail("the display has no DAMAGE extension");
  std::free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                           nullptr));
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);

  const Clock::time_point start = Clock::now();
  const pid_t pid = program = Start(options);
  xcb_window_t window = XCB_NONE;
  const Timeline timeline = Watch(connection, damage->first_event, options, start, window);
  if (!options.snapshot.empty())
    SaveSnapshot(connection, window, options.snapshot);
  kill(pid, SIGKILL);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const double cpu_ms = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                        (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
  std::printf("mapped %.2f first-frame %.2f complete %.2f damage-events %d cpu %.2f peak-rss %ld\n",
              *timeline.mapped, *timeline.first_frame, *timeline.last_change,
              timeline.damage_events, cpu_ms, usage.ru_maxrss);
  xcb_disconnect(connection);
  return 0;
}
