/*
 * A frozen wall clock for one program under 32-bit Wine, loaded with
 * LD_PRELOAD into every Linux process of the Wine session:
 *   VERBROOK_FROZEN_CLOCK_PROGRAM  a part of the program's command line
 *                                  (Wine shows the Windows path there),
 *   VERBROOK_FROZEN_CLOCK          the wall clock's value, seconds since 1970 (UTC).
 * In that program alone the wall clock (CLOCK_REALTIME and its variants)
 * stands at the given second; every other clock, and every other process
 * (wineserver, the test program), keeps the real time. Wine's 32-bit ntdll
 * reads the time through glibc's 64-bit-time entry points, which Debian 12's
 * libfaketime does not wrap, hence this small library.
 *
 * Built without the C library's headers (an i386 build needs no 32-bit
 * development files): the few declarations are written out here.
 */

typedef long long time64;
typedef int clockid;

struct timespec64 {
  time64 seconds;
  long nanoseconds;
  long padding;
};

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

/* The frozen second, or -1 when this process keeps the real time. The
 * command line is read afresh until it matches, since Wine writes the
 * Windows path into it only once the program is loaded. */
static time64 frozen_second(void) {
  static int matched;
  static time64 second = -1;
  if (matched) return second;
  const char* program = getenv("VERBROOK_FROZEN_CLOCK_PROGRAM");
  const char* value = getenv("VERBROOK_FROZEN_CLOCK");
  if (!program || !*program || !value) return -1;
  char command_line[4096];
  const int file = open("/proc/self/cmdline", 0);
  if (file < 0) return -1;
  const int length = read(file, command_line, sizeof command_line);
  close(file);
  if (length <= 0 || !contains(command_line, length, program)) return -1;
  time64 parsed = 0;
  for (const char* digit = value; *digit >= '0' && *digit <= '9'; ++digit) parsed = parsed * 10 + (*digit - '0');
  second = parsed;
  matched = 1;
  return second;
}

static int is_wall_clock(clockid clock) {
  return clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE || clock == CLOCK_REALTIME_ALARM ||
         clock == CLOCK_TAI;
}

int __clock_gettime64(clockid clock, struct timespec64* now) {
  static int (*real)(clockid, struct timespec64*);
  if (!real) real = (int (*)(clockid, struct timespec64*))dlsym(NEXT_DEFINITION, "__clock_gettime64");
  const int result = real(clock, now);
  const time64 second = frozen_second();
  if (result == 0 && now && second >= 0 && is_wall_clock(clock)) {
    now->seconds = second;
    now->nanoseconds = 0;
  }
  return result;
}

int __gettimeofday64(struct timeval64* now, void* zone) {
  static int (*real)(struct timeval64*, void*);
  if (!real) real = (int (*)(struct timeval64*, void*))dlsym(NEXT_DEFINITION, "__gettimeofday64");
  const int result = real(now, zone);
  const time64 second = frozen_second();
  if (result == 0 && now && second >= 0) {
    now->seconds = second;
    now->microseconds = 0;
  }
  return result;
}

time64 __time64(time64* now) {
  static time64 (*real)(time64*);
  if (!real) real = (time64 (*)(time64*))dlsym(NEXT_DEFINITION, "__time64");
  time64 result = real(now);
  const time64 second = frozen_second();
  if (second >= 0) {
    result = second;
    if (now) *now = second;
  }
  return result;
}
