/* maptime TITLE CMD [ARGS...]: start CMD on the current X display and print
   the milliseconds until a top-level window named TITLE is mapped; then end
   CMD. Each map is timed when its event arrives and its window's name read
   afterwards, so a window mapped earlier (a splash) delays no later one. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#define MAX_MAPS 256

static double now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static int named(Display *d, Window w, const char *title) {
  char *name = NULL;
  int hit = 0;
  if (XFetchName(d, w, &name) && name) {
    hit = strcmp(name, title) == 0;
    XFree(name);
  }
  return hit;
}

/* A window gone before its name is read is simply not the one. */
static int ignore_error(Display *d, XErrorEvent *e) { (void)d; (void)e; return 0; }

int main(int argc, char **argv) {
  if (argc < 3) { fprintf(stderr, "usage: maptime TITLE CMD [ARGS...]\n"); return 2; }
  Display *d = XOpenDisplay(NULL);
  if (!d) { fprintf(stderr, "no display\n"); return 2; }
  XSetErrorHandler(ignore_error);
  XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
  XSync(d, False);
  double t0 = now_ms();
  pid_t pid = fork();
  if (pid == 0) { setpgid(0, 0); execvp(argv[2], argv + 2); _exit(127); }

  Window maps[MAX_MAPS];
  double at[MAX_MAPS];
  int count = 0;
  double found = -1, looked = 0;
  while (found < 0) {
    while (!XPending(d)) {
      int st;
      if (waitpid(pid, &st, WNOHANG) == pid) { fprintf(stderr, "command ended first\n"); return 1; }
      if (now_ms() - t0 > 30000) { fprintf(stderr, "timeout\n"); kill(-pid, SIGKILL); return 1; }
      /* A title set after its map: now and then, look again at the windows
         mapped so far. */
      if (now_ms() - looked > 5) {
        for (int i = 0; i < count && found < 0; i++)
          if (named(d, maps[i], argv[1])) found = at[i];
        looked = now_ms();
        if (found >= 0) break;
      }
      usleep(200);
    }
    if (found >= 0) break;
    XEvent e;
    XNextEvent(d, &e);
    if (e.type == MapNotify && count < MAX_MAPS) {
      maps[count] = e.xmap.window;
      at[count] = now_ms() - t0;
      if (named(d, maps[count], argv[1])) found = at[count];
      count++;
    }
  }
  printf("%.1f\n", found);
  kill(-pid, SIGTERM); usleep(100000); kill(-pid, SIGKILL); waitpid(pid, NULL, 0);
  return 0;
}
