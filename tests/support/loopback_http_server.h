#pragma once

// A small HTTP server of a test's own on 127.0.0.1 (a free port): fixed
// answers by request path, one connection at a time, each of which can be
// cut short or sent slowly. Anything else gets a 404.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <map>
#include <string>
#include <thread>

// One answer: status, body, and how it misbehaves.
struct HttpAnswer {
    int status = 200;
    std::string body;
    size_t dropAfter = std::string::npos;  // close after this many body bytes
    DWORD trickleMs = 0;                   // pause between body bytes
};

// Serves a fixed set of paths, one connection at a time, until stopped.
class LoopbackServer {
public:
    explicit LoopbackServer(std::map<std::string, HttpAnswer> answers) : answers(std::move(answers))
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        int size = sizeof address;
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
        port = ntohs(address.sin_port);
        listen(listener, 8);
        worker = std::thread([this] { Serve(); });
    }
    ~LoopbackServer()
    {
        stopping = true;
        closesocket(listener);
        worker.join();
        WSACleanup();
    }
    std::string Host() const { return "127.0.0.1:" + std::to_string(port); }
    unsigned short Port() const { return port; }
    std::atomic<int> requests{0};

private:
    void Serve()
    {
        while (!stopping) {
            SOCKET client = accept(listener, nullptr, nullptr);
            if (client == INVALID_SOCKET)
                return;
            Respond(client);
            closesocket(client);
        }
    }
    void Respond(SOCKET client)
    {
        std::string request;
        char buffer[1024];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const int got = recv(client, buffer, sizeof buffer, 0);
            if (got <= 0)
                return;
            request.append(buffer, static_cast<size_t>(got));
        }
        ++requests;
        const size_t start = request.find(' ') + 1;
        const std::string path = request.substr(start, request.find(' ', start) - start);
        const auto found = answers.find(path);
        const HttpAnswer& answer = found == answers.end() ? notFound : found->second;
        const std::string head = "HTTP/1.0 " + std::to_string(answer.status) + " X\r\nContent-Length: " +
                                 std::to_string(answer.body.size()) + "\r\nConnection: close\r\n\r\n";
        send(client, head.data(), static_cast<int>(head.size()), 0);
        const size_t end = answer.dropAfter < answer.body.size() ? answer.dropAfter : answer.body.size();
        for (size_t sent = 0; sent < end && !stopping;) {
            const int piece = answer.trickleMs ? 1 : static_cast<int>(end - sent);
            if (send(client, answer.body.data() + sent, piece, 0) <= 0)
                return;
            sent += static_cast<size_t>(piece);
            if (answer.trickleMs)
                Sleep(answer.trickleMs);
        }
    }

    std::map<std::string, HttpAnswer> answers;
    HttpAnswer notFound{404, "missing", std::string::npos, 0};
    SOCKET listener;
    unsigned short port = 0;
    std::atomic<bool> stopping{false};
    std::thread worker;
};
