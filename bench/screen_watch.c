/* Times a program from its start until its window shows its final frame,
 * watching the X server rather than the program: the window's map and every
 * drawing into it (DAMAGE extension). The program is done when it has drawn
 * nothing for a quiet spell (it is then killed), or when it ends by itself.
 *
 *   screen_watch [-q QUIET_MS] [-t TIMEOUT_MS] -- PROGRAM [ARG...]
 *
 * Prints one line:
 *   map_ms M first_frame_ms F final_frame_ms L frames N maxrss_kb R exit E
 * times in milliseconds from the moment before the program was started;
 * -1 for what never happened. The peak memory is the program's own (wait4). */
#define _GNU_SOURCE
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

int main(int argc, char **argv)
{
    int quiet_ms = 400, timeout_ms = 20000, first = 1;
    while (first < argc && argv[first][0] == '-') {
        if (!strcmp(argv[first], "--")) {
            ++first;
            break;
        }
        if (first + 1 >= argc)
            break;
        if (!strcmp(argv[first], "-q"))
            quiet_ms = atoi(argv[first + 1]);
        else if (!strcmp(argv[first], "-t"))
            timeout_ms = atoi(argv[first + 1]);
        else
            break;
        first += 2;
    }
    if (first >= argc) {
        fprintf(stderr, "usage: screen_watch [-q QUIET_MS] [-t TIMEOUT_MS] -- PROGRAM [ARG...]\n");
        return 2;
    }

    xcb_connection_t *x = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(x)) {
        fprintf(stderr, "screen_watch: no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present) {
        fprintf(stderr, "screen_watch: the X server has no DAMAGE extension\n");
        return 2;
    }
    free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), NULL));
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    /* Drawing into any window shows as damage of the root: windows that
     * map and vanish again before the watcher could ask about them count. */
    xcb_damage_damage_t root_damage = xcb_generate_id(x);
    xcb_damage_create(x, root_damage, root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), NULL));

    const double start = now_ms();
    pid_t child = fork();
    if (child < 0) {
        perror("fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[first], argv + first);
        perror(argv[first]);
        _exit(127);
    }
    /* Readable when the program ends. */
    const int child_fd = (int)syscall(SYS_pidfd_open, child, 0);

    double map_at = -1, first_frame = -1, last_frame = -1;
    long frames = 0;
    int status = 0, ended = 0;
    struct rusage usage;
    memset(&usage, 0, sizeof usage);
    for (;;) {
        xcb_generic_event_t *event;
        while ((event = xcb_poll_for_event(x))) {
            const double t = now_ms() - start;
            const int type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY) {
                if (map_at < 0)
                    map_at = t;
            } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && map_at >= 0) {
                if (first_frame < 0)
                    first_frame = t;
                last_frame = t;
                ++frames;
            }
            free(event);
        }
        if (xcb_connection_has_error(x)) {
            fprintf(stderr, "screen_watch: lost the X display\n");
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            return 2;
        }
        if (!ended) {
            pid_t done = wait4(child, &status, WNOHANG, &usage);
            if (done == child)
                ended = 1;
        }
        const double t = now_ms() - start;
        if (ended)
            break;
        if (last_frame >= 0 && t - last_frame >= quiet_ms)
            break;
        if (t >= timeout_ms)
            break;
        double wait = timeout_ms - t;
        if (last_frame >= 0 && quiet_ms - (t - last_frame) < wait)
            wait = quiet_ms - (t - last_frame);
        struct pollfd fds[2] = {{xcb_get_file_descriptor(x), POLLIN, 0}, {child_fd, POLLIN, 0}};
        poll(fds, child_fd >= 0 ? 2 : 1, child_fd >= 0 ? (int)wait + 1 : 2);
    }
    if (!ended) {
        kill(child, SIGKILL);
        wait4(child, &status, 0, &usage);
    } else {
        /* The last frames a program drew before it ended may still be on
         * their way to the watcher. */
        free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), NULL));
        xcb_generic_event_t *event;
        while ((event = xcb_poll_for_event(x))) {
            const double t = now_ms() - start;
            const int type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && map_at < 0)
                map_at = t;
            if (type == damage->first_event + XCB_DAMAGE_NOTIFY && map_at >= 0) {
                if (first_frame < 0)
                    first_frame = t;
                last_frame = t;
                ++frames;
            }
            free(event);
        }
    }
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : (ended ? 128 + WTERMSIG(status) : -1);
    printf("map_ms %.2f first_frame_ms %.2f final_frame_ms %.2f frames %ld maxrss_kb %ld exit %d\n",
           map_at, first_frame, last_frame, frames, usage.ru_maxrss, code);
    xcb_damage_destroy(x, root_damage);
    xcb_disconnect(x);
    return 0;
}
