/*
 * A frozen wall clock for one program under Wine, loaded with LD_PRELOAD into
 * every Linux process of the Wine session:
 *   VERBROOK_FROZEN_CLOCK_PROGRAM  a part of the program's command line
 *                                  (Wine shows the Windows path there),
 *   VERBROOK_FROZEN_CLOCK          the wall clock's value, seconds since 1970 (UTC).
 * In that program alone the wall clock (CLOCK_REALTIME and its variants)
 * stands at the given second; every other clock, and every other process
 * (wineserver, the test program), keeps the real time. Wine's 32-bit ntdll
 * reads the time through glibc's 64-bit-time entry points, which Debian 12's
 * libfaketime does not wrap, hence this small library; 64-bit Wine reads it
 * through the plain ones, and the x86-64 build wraps those.
 *
 * Built without the C library's headers (an i386 build needs no 32-bit
 * development files): the few declarations are written out here.
 */

typedef long long time64;
typedef int clockid;

#ifdef __x86_64__
/* struct timespec and struct timeval of x86-64: two 64-bit fields. */
struct timespec64 {
  time64 seconds;
  long nanoseconds;
};
#define CLOCK_GETTIME "clock_gettime"
#define GETTIMEOFDAY "gettimeofday"
#define TIME "time"
#define clock_gettime_entry clock_gettime
#define gettimeofday_entry gettimeofday
#define time_entry time
#else
struct timespec64 {
  time64 seconds;
  long nanoseconds;
  long padding;
};
#define CLOCK_GETTIME "__clock_gettime64"
#define GETTIMEOFDAY "__gettimeofday64"
#define TIME "__time64"
#define clock_gettime_entry __clock_gettime64
#define gettimeofday_entry __gettimeofday64
#define time_entry __time64
#endif

struct timeval64 {
  time64 seconds;
  long long microseconds;
};

extern void* dlsym(void* handle, const char* name);
extern char* getenv(const char* name);
extern int open(const char* path, int flags, ...);
extern int read(int fd, void* buffer, unsigned size);
extern int close(int fd);

#define NEXT_DEFINITION ((void*)-1L) /* RTLD_NEXT */
#define CLOCK_REALTIME 0
#define CLOCK_REALTIME_COARSE 5
#define CLOCK_REALTIME_ALARM 8
#define CLOCK_TAI 11

static int contains(const char* text, int length, const char* part) {
  int part_length = 0;
  while (part[part_length]) ++part_length;
  for (int start = 0; start + part_length <= length; ++start) {
    int i = 0;
    while (i < part_length && text[start + i] == part[i]) ++i;
    if (i == part_length) return 1;
  }
  return 0;
}

/* The frozen second, or -1 when this process keeps the real time. Wine
 * writes the Windows path into a program's command line only once the
 * program is loaded, so a Wine process is asked again until its command line
 * names a Windows program; every other process (the shell, Xvfb, the
 * wineserver, which reads the wall clock all the time) is decided at once. */
static time64 frozen_second(void) {
  static int decided;
  static time64 second = -1;
  if (decided) return second;
  const char* program = getenv("VERBROOK_FROZEN_CLOCK_PROGRAM");
  const char* value = getenv("VERBROOK_FROZEN_CLOCK");
  if (!program || !*program || !value) {
    decided = 1;
    return -1;
  }
  char command_line[4096];
  const int file = open("/proc/self/cmdline", 0);
  if (file < 0) return -1;
  const int length = read(file, command_line, sizeof command_line);
  close(file);
  if (length <= 0) return -1;
  if (contains(command_line, length, program)) {
    time64 parsed = 0;
    for (const char* digit = value; *digit >= '0' && *digit <= '9'; ++digit) parsed = parsed * 10 + (*digit - '0');
    second = parsed;
    decided = 1;
  } else if (!contains(command_line, length, "wine") || contains(command_line, length, "wineserver") ||
             contains(command_line, length, ".exe") || contains(command_line, length, ".EXE")) {
    decided = 1;
  }
  return second;
}

static int is_wall_clock(clockid clock) {
  return clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE || clock == CLOCK_REALTIME_ALARM ||
         clock == CLOCK_TAI;
}

int clock_gettime_entry(clockid clock, struct timespec64* now) {
  static int (*real)(clockid, struct timespec64*);
  if (!real) real = (int (*)(clockid, struct timespec64*))dlsym(NEXT_DEFINITION, CLOCK_GETTIME);
  const int result = real(clock, now);
  if (result != 0 || !now || !is_wall_clock(clock)) return result;
  const time64 second = frozen_second();
  if (second >= 0) {
    now->seconds = second;
    now->nanoseconds = 0;
  }
  return result;
}

int gettimeofday_entry(struct timeval64* now, void* zone) {
  static int (*real)(struct timeval64*, void*);
  if (!real) real = (int (*)(struct timeval64*, void*))dlsym(NEXT_DEFINITION, GETTIMEOFDAY);
  const int result = real(now, zone);
  if (result != 0 || !now) return result;
  const time64 second = frozen_second();
  if (second >= 0) {
    now->seconds = second;
    now->microseconds = 0;
  }
  return result;
}

time64 time_entry(time64* now) {
  static time64 (*real)(time64*);
  if (!real) real = (time64 (*)(time64*))dlsym(NEXT_DEFINITION, TIME);
  time64 result = real(now);
  const time64 second = frozen_second();
  if (second >= 0) {
    result = second;
    if (now) *now = second;
  }
  return result;
}
