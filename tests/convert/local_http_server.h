#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <string>
#include <thread>

namespace tallyx::testing {

// How the server answers every request.
struct Reply {
    std::string status = "200 OK";
    std::string body = {};
    // Content-Length sent; more than the body makes a truncated transfer.
    std::size_t declaredLength = std::string::npos;
    bool stallBeforeReply = false;
    bool stallAfterBody = false;  // sends the headers and the body, then keeps quiet
    bool lengthUnknown = false;   // no Content-Length: the body ends when the connection closes
};

// A one-connection-at-a-time HTTP server on 127.0.0.1 and an ephemeral port.
class LocalHttpServer {
public:
    explicit LocalHttpServer(Reply reply) : reply_(std::move(reply)), listener_(BoundSocket(port_))
    {
        listen(listener_, 4);
        thread_ = std::thread([this] { Serve(); });
    }

    ~LocalHttpServer()
    {
        stop_ = true;
        thread_.join();
        close(listener_);
    }

    std::wstring Url(const std::wstring& path = L"/mobileapps/tallyx/currency.ini") const
    {
        return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
    }

    // A port nothing listens on: connections to it are refused.
    static std::wstring RefusingUrl()
    {
        int port = 0;
        close(BoundSocket(port));
        return L"http://127.0.0.1:" + std::to_wstring(port) + L"/currency.ini";
    }

private:
    static constexpr int kPollMilliseconds = 20;

    // A socket bound to an ephemeral port of 127.0.0.1.
    static int BoundSocket(int& port)
    {
        const int bound = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(bound, reinterpret_cast<sockaddr*>(&address), length);
        getsockname(bound, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
        return bound;
    }

    bool Readable(int socket) const
    {
        pollfd entry{socket, POLLIN, 0};
        return poll(&entry, 1, kPollMilliseconds) > 0;
    }

    void Serve()
    {
        while (!stop_) {
            if (!Readable(listener_)) {
                continue;
            }
            const int connection = accept(listener_, nullptr, nullptr);
            if (connection >= 0) {
                Answer(connection);
                close(connection);
            }
        }
    }

    // Reads the request up to its blank line; false when the client left.
    bool ReadRequest(int connection)
    {
        std::string request;
        char buffer[1024];
        while (!stop_ && request.find("\r\n\r\n") == std::string::npos) {
            if (!Readable(connection)) {
                continue;
            }
            const ssize_t received = recv(connection, buffer, sizeof buffer, 0);
            if (received <= 0) {
                return false;
            }
            request.append(buffer, static_cast<std::size_t>(received));
        }
        return !stop_;
    }

    // Holds the connection until the client gives up or the server stops.
    void Stall(int connection)
    {
        char buffer[256];
        while (!stop_) {
            if (Readable(connection) && recv(connection, buffer, sizeof buffer, 0) <= 0) {
                return;
            }
        }
    }

    void Answer(int connection)
    {
        if (!ReadRequest(connection)) {
            return;
        }
        if (reply_.stallBeforeReply) {
            Stall(connection);
            return;
        }
        const std::size_t length =
            reply_.declaredLength == std::string::npos ? reply_.body.size() : reply_.declaredLength;
        const std::string lengthHeader =
            reply_.lengthUnknown ? "" : "Content-Length: " + std::to_string(length) + "\r\n";
        const std::string message =
            "HTTP/1.1 " + reply_.status + "\r\n" + lengthHeader + "Connection: close\r\n\r\n" + reply_.body;
        send(connection, message.data(), message.size(), MSG_NOSIGNAL);
        if (reply_.stallAfterBody) {
            Stall(connection);
        }
    }

    Reply reply_;
    int port_ = 0;
    int listener_ = -1;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

}  // namespace tallyx::testing
