// Preloaded into a wineserver, and into nothing else: Wine makes every socket
// of its programs there. A Windows program that receives all traffic asks for
// a raw IPv4 socket of protocol 0 (IPPROTO_IP), which Linux does not have, so
// such a request is made with protocol UDP instead. That is still a real raw
// socket: it needs CAP_NET_RAW like any other, binds like any other, is listed
// in /proc/net/raw, and receives every UDP datagram addressed to its address,
// IPv4 header first.
//
// When CORVANE_RAW_SOCKET_LOG names a file, the inode of each socket made this
// way is appended to it, one a line, so that a test can tell its program's
// socket from any other raw socket of the machine.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

static void LogInode(int fd)
{
    const char* log = getenv("CORVANE_RAW_SOCKET_LOG");
    struct stat status;
    if (log == NULL || fstat(fd, &status) != 0)
        return;
    char line[32];
    const int length = snprintf(line, sizeof line, "%llu\n", (unsigned long long)status.st_ino);
    const int file = open(log, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (file < 0)
        return;
    // One write of a whole line: O_APPEND keeps lines of two servers apart.
    if (write(file, line, (size_t)length) != length)
        fprintf(stderr, "raw socket stand-in: cannot log to %s: %s\n", log, strerror(errno));
    close(file);
}

int socket(int domain, int type, int protocol)
{
    static int (*realSocket)(int, int, int);
    if (realSocket == NULL)
        *(void**)&realSocket = dlsym(RTLD_NEXT, "socket");
    const int kind = type & ~(SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (domain != AF_INET || kind != SOCK_RAW || protocol != IPPROTO_IP)
        return realSocket(domain, type, protocol);
    const int fd = realSocket(domain, type, IPPROTO_UDP);
    if (fd >= 0) {
        // Logging must not change what the caller sees in errno.
        const int saved = errno;
        LogInode(fd);
        errno = saved;
    }
    return fd;
}
