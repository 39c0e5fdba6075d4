#pragma once
// A small HTTP server on 127.0.0.1 for download tests: fixed answers per
// path, and the misbehaviours real servers show (error status, a body cut
// short, a connection accepted and never answered, an answer trickled one
// byte a second in its header or its body).
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace banner_test {

struct Answer {
  enum class Kind { Normal, Truncated, Hang, TrickleHeader, TrickleBody };
  int status = 200;
  std::string body;
  Kind kind = Kind::Normal;
};

class HttpServer {
 public:
  HttpServer() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    listen(listener_, 16);
    int len = sizeof addr;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this] { Run(); });
  }
  ~HttpServer() {
    SetEvent(stop_);
    closesocket(listener_);
    thread_.join();
    for (auto& t : workers_) t.join();
    CloseHandle(stop_);
    WSACleanup();
  }
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  int Port() const { return port_; }
  std::wstring Root() const { return L"http://127.0.0.1:" + std::to_wstring(port_) + L"/"; }
  void Set(const std::string& path, Answer answer) {
    std::lock_guard lock(mutex_);
    answers_[path] = std::move(answer);
  }
  void Remove(const std::string& path) {
    std::lock_guard lock(mutex_);
    answers_.erase(path);
  }
  std::vector<std::string> Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  void Run() {
    for (;;) {
      SOCKET client = accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) return;
      workers_.emplace_back([this, client] { Serve(client); });
    }
  }

  void Serve(SOCKET client) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
      const int n = recv(client, buffer, sizeof buffer, 0);
      if (n <= 0) break;
      request.append(buffer, n);
    }
    const auto firstSpace = request.find(' ');
    const auto secondSpace = request.find(' ', firstSpace + 1);
    const std::string path = firstSpace == std::string::npos || secondSpace == std::string::npos
                                 ? std::string()
                                 : request.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    Answer answer{404, "<html>not found</html>", Answer::Kind::Normal};
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(path);
      if (auto it = answers_.find(path); it != answers_.end()) answer = it->second;
    }
    if (answer.kind == Answer::Kind::Hang) {
      WaitForSingleObject(stop_, INFINITE);
      closesocket(client);
      return;
    }
    std::string reply =
        "HTTP/1.1 " + std::to_string(answer.status) + (answer.status == 200 ? " OK" : " Error") +
        "\r\nContent-Type: application/octet-stream\r\nContent-Length: " + std::to_string(answer.body.size()) +
        "\r\nConnection: close\r\n\r\n";
    reply += answer.kind == Answer::Kind::Truncated ? answer.body.substr(0, answer.body.size() / 2) : answer.body;
    // A trickle starts with the header's first byte, or with the body's.
    size_t sent = answer.kind == Answer::Kind::TrickleHeader ? 1
                  : answer.kind == Answer::Kind::TrickleBody ? reply.size() - answer.body.size() + 1
                                                             : reply.size();
    bool open = send(client, reply.data(), static_cast<int>(sent), 0) != SOCKET_ERROR;
    while (open && sent < reply.size() && WaitForSingleObject(stop_, 1000) == WAIT_TIMEOUT) {
      open = send(client, reply.data() + sent, 1, 0) != SOCKET_ERROR;
      ++sent;
    }
    shutdown(client, SD_SEND);
    closesocket(client);
  }

  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  HANDLE stop_ = nullptr;
  std::thread thread_;
  std::vector<std::thread> workers_;
  mutable std::mutex mutex_;
  std::map<std::string, Answer> answers_;
  std::vector<std::string> requests_;
};

}  // namespace banner_test
