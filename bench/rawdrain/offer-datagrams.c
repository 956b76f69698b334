/* Offers UDP datagrams at a fixed rate for the raw drain benchmark, as a
   native Linux program: a Wine program sends a few thousand a second at most,
   each send a request to the wineserver that the drainers under test need
   too.
   Usage: offer-datagrams ADDRESS RATE SECONDS BYTES
   Sends RATE datagrams a second of BYTES bytes for SECONDS seconds, a
   millisecond's worth at a time, to a port of its own on ADDRESS: nothing
   reads there, and no ICMP error answers them. Exit status 0 when every one
   was sent, 1 when one was not, 2 for a wrong command line. */
#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

static void AddMilliseconds(struct timespec* time, long milliseconds)
{
    time->tv_nsec += milliseconds * 1000000L;
    time->tv_sec += time->tv_nsec / 1000000000L;
    time->tv_nsec %= 1000000000L;
}

int main(int argc, char** argv)
{
    static char payload[65507];
    if (argc != 5)
        return 2;
    struct sockaddr_in target = { 0 };
    target.sin_family = AF_INET;
    const long rate = atol(argv[2]);
    const long milliseconds = atol(argv[3]) * 1000L;
    const long bytes = atol(argv[4]);
    if (inet_pton(AF_INET, argv[1], &target.sin_addr) != 1 || rate <= 0 || milliseconds <= 0 || bytes < 0
        || bytes > (long)sizeof payload)
        return 2;
    const int sender = socket(AF_INET, SOCK_DGRAM, 0);
    socklen_t length = sizeof target;
    if (sender < 0 || bind(sender, (const struct sockaddr*)&target, sizeof target) != 0
        || getsockname(sender, (struct sockaddr*)&target, &length) != 0)
        return 1;
    struct timespec next;
    clock_gettime(CLOCK_MONOTONIC, &next);
    long long sent = 0;
    for (long step = 1; step <= milliseconds; ++step) {
        const long long due = (long long)rate * step / 1000;
        for (; sent < due; ++sent) {
            if (sendto(sender, payload, (size_t)bytes, 0, (const struct sockaddr*)&target, sizeof target) != bytes)
                return 1;
        }
        AddMilliseconds(&next, 1);
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, NULL);
    }
    close(sender);
    return 0;
}
