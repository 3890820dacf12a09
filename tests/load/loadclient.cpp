// The load test's client, a process of its own: many connections at once to
// the server on 127.0.0.1, each one request, each answer compared byte for
// byte with what the server must send.
//
//   loadclient mixed <port> <requests> <parallel> <seed> <list body file>
//              <poster id> <poster file> <video id> <video file>
//   loadclient idle <port> <idle connections> <requests> <same files as mixed>
//   loadclient flood ...: as idle, the idle connections from 127.0.0.2
//
// Prints "requests=<n> wrong=<n>" (mixed), plus "idle_closed=<n>" (idle),
// and "server_fds=<most descriptors the parent, the server, had open>", and
// the first wrong answer, if any, on standard error.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string readFile(const char *path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

std::string okHead(const std::string &type, size_t length)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\nContent-Length: " + std::to_string(length)
        + "\r\nAccess-Control-Allow-Origin: *\r\n\r\n";
}

struct Library
{
    std::string list, posterId, poster, videoId, video;
};

struct Exchange
{
    std::string request, expected;
};

// One request of the mix, with the exact answer it must get.
Exchange pick(const Library &lib, std::mt19937_64 &random)
{
    const int kind = int(random() % 10);
    if (kind < 2)
        return {"GET /list HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", okHead("application/json;charset=UTF-8", lib.list.size()) + lib.list};
    if (kind < 3)
        return {"GET /post/" + lib.posterId + " HTTP/1.1\r\n\r\n", okHead("image/jpeg", lib.poster.size()) + lib.poster};
    if (kind < 8) {
        const size_t size = lib.video.size();
        const size_t first = random() % size;
        const size_t last = std::min(size - 1, first + random() % 65536);
        const std::string head = "HTTP/1.1 206 Partial Content\r\nConnection: keep-alive\r\nContent-Transfer-Encoding: binary\r\n"
                                 "Content-Type: application/octet-stream\r\nContent-Length: "
            + std::to_string(last - first + 1) + "\r\nContent-Range: bytes " + std::to_string(first) + "-"
            + std::to_string(last) + "/" + std::to_string(size) + "\r\n\r\n";
        return {"GET /video/" + lib.videoId + " HTTP/1.1\r\nRange: bytes=" + std::to_string(first) + "-"
                    + std::to_string(last) + "\r\n\r\n",
                head + lib.video.substr(first, last - first + 1)};
    }
    if (kind < 9)
        return {"GET /video/0000000000000 HTTP/1.1\r\n\r\n", "HTTP/1.1 404 Partial Content\r\n\r\n"};
    // Bad requests are closed without an answer.
    static const char *const bad[] = {"BREW /pot HTTP/1.1\r\n\r\n", "GET /list\r\n\r\n", "\r\n\r\n",
                                      "GET /list HTTP/1.1\r\nNo colon here\r\n\r\n"};
    return {bad[random() % 4], ""};
}

struct Connection
{
    int fd = -1;
    Exchange exchange;
    size_t sent = 0;
    std::string received;
};

long serverDescriptors = 0;

int connectTo(int port, uint32_t source = INADDR_LOOPBACK)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sockaddr_in from{};
    from.sin_family = AF_INET;
    from.sin_addr.s_addr = htonl(source);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&from), sizeof from) != 0 || (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 && errno != EINPROGRESS)) {
        std::perror("connect");
        std::exit(3);
    }
    return fd;
}

// Runs `total` exchanges with at most `parallel` connections open at once;
// returns the number of wrong answers. `idle` (may be null) are connections
// that never send: each time one is closed by the server it is counted.
long runMix(int port, long total, int parallel, const Library &lib, std::mt19937_64 &random, std::vector<int> *idle,
            long *idleClosed)
{
    std::vector<Connection> open;
    long started = 0, wrong = 0;
    bool reported = false;
    while (started < total || !open.empty() || (idle && !idle->empty())) {
        while (started < total && int(open.size()) < parallel) {
            Connection c;
            c.fd = connectTo(port);
            c.exchange = pick(lib, random);
            open.push_back(std::move(c));
            ++started;
        }
        std::vector<pollfd> fds;
        for (const Connection &c : open)
            fds.push_back({c.fd, short(POLLIN | (c.sent < c.exchange.request.size() ? POLLOUT : 0)), 0});
        if (idle)
            for (int fd : *idle)
                fds.push_back({fd, POLLIN, 0});
        if (::poll(fds.data(), fds.size(), 120000) <= 0) {
            std::fprintf(stderr, "no progress for 120 s\n");
            return wrong + long(open.size()) + (total - started);
        }
        std::vector<Connection> still;
        for (size_t i = 0; i < open.size(); ++i) {
            Connection &c = open[i];
            bool done = false;
            if (fds[i].revents & POLLOUT) {
                const ssize_t n = ::send(c.fd, c.exchange.request.data() + c.sent, c.exchange.request.size() - c.sent, MSG_NOSIGNAL);
                if (n > 0)
                    c.sent += size_t(n);
            }
            if (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) {
                char buffer[65536];
                const ssize_t n = ::recv(c.fd, buffer, sizeof buffer, 0);
                if (n > 0)
                    c.received.append(buffer, size_t(n));
                else if (n == 0 || (errno != EAGAIN && errno != EINTR))
                    done = true; // closed by the server (or reset: nothing more will come)
            }
            if (done) {
                if (c.received != c.exchange.expected) {
                    ++wrong;
                    if (!reported) {
                        reported = true;
                        std::fprintf(stderr, "wrong answer to %.60s: got %zu bytes, wanted %zu\n",
                                     c.exchange.request.c_str(), c.received.size(), c.exchange.expected.size());
                    }
                }
                ::close(c.fd);
            } else {
                still.push_back(std::move(c));
            }
        }
        open.swap(still);
        const std::filesystem::directory_iterator server("/proc/" + std::to_string(::getppid()) + "/fd");
        serverDescriptors = std::max(serverDescriptors, long(std::distance(server, std::filesystem::directory_iterator())));
        if (idle) {
            const size_t base = fds.size() - idle->size();
            std::vector<int> keep;
            for (size_t i = 0; i < idle->size(); ++i) {
                if (fds[base + i].revents & (POLLIN | POLLHUP | POLLERR)) {
                    char byte;
                    if (::recv((*idle)[i], &byte, 1, 0) > 0)
                        ++wrong; // a connection that sent nothing gets no answer
                    ::close((*idle)[i]);
                    ++*idleClosed;
                } else {
                    keep.push_back((*idle)[i]);
                }
            }
            idle->swap(keep);
        }
    }
    return wrong;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const std::string mode = argv[1];
    const bool mixed = mode == "mixed";
    if ((mixed && argc != 11) || (!mixed && argc != 10))
        return 2;
    const int port = std::atoi(argv[2]);
    const int files = mixed ? 6 : 5;
    Library lib{readFile(argv[files]), argv[files + 1], readFile(argv[files + 2]), argv[files + 3], readFile(argv[files + 4])};
    if (lib.list.empty() || lib.poster.empty() || lib.video.empty())
        return 2;
    if (mixed) {
        std::mt19937_64 random(std::strtoull(argv[5], nullptr, 10));
        const long total = std::atol(argv[3]);
        const long wrong = runMix(port, total, std::atoi(argv[4]), lib, random, nullptr, nullptr);
        std::printf("requests=%ld wrong=%ld\n", total, wrong);
        return 0;
    }
    std::mt19937_64 random(1);
    const int idleCount = std::atoi(argv[3]);
    std::vector<int> idle;
    // In groups, so the burst of handshakes stays well inside the
    // listener's accept queue even on a machine that is busy elsewhere.
    for (int i = 0; i < idleCount; ++i) {
        idle.push_back(connectTo(port, mode == "flood" ? INADDR_LOOPBACK + 1 : INADDR_LOOPBACK));
        if (i % 25 == 24)
            ::usleep(20000);
    }
    const long total = std::atol(argv[4]);
    long idleClosed = 0;
    const long wrong = runMix(port, total, 20, lib, random, &idle, &idleClosed);
    std::printf("requests=%ld wrong=%ld idle_closed=%ld server_fds=%ld\n", total, wrong, idleClosed, serverDescriptors);
    return 0;
}
