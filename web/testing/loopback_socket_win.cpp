// Loopback sockets over Winsock.
#include "web/testing/loopback_socket.h"

#include <winsock2.h>

namespace {

bool Started() {
  static bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return started;
}

bool ReadyWithin(SocketHandle s, int timeoutMs) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(static_cast<SOCKET>(s), &set);
  timeval wait{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  return select(0, &set, nullptr, nullptr, &wait) > 0;
}

}  // namespace

SocketHandle ListenLoopback(int& port) {
  if (!Started()) return kNoSocket;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return kNoSocket;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 64) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    closesocket(s);
    return kNoSocket;
  }
  port = ntohs(address.sin_port);
  return static_cast<SocketHandle>(s);
}

SocketHandle AcceptWithin(SocketHandle listener, int timeoutMs) {
  if (!ReadyWithin(listener, timeoutMs)) return kNoSocket;
  SOCKET s = accept(static_cast<SOCKET>(listener), nullptr, nullptr);
  return s == INVALID_SOCKET ? kNoSocket : static_cast<SocketHandle>(s);
}

int ReceiveWithin(SocketHandle s, char* buffer, int size, int timeoutMs) {
  if (!ReadyWithin(s, timeoutMs)) return -1;
  return recv(static_cast<SOCKET>(s), buffer, size, 0);
}

bool SendAll(SocketHandle s, std::string_view bytes) {
  while (!bytes.empty()) {
    int n = send(static_cast<SOCKET>(s), bytes.data(), static_cast<int>(bytes.size()), 0);
    if (n <= 0) return false;
    bytes.remove_prefix(n);
  }
  return true;
}

void CloseSocket(SocketHandle s) {
  closesocket(static_cast<SOCKET>(s));
}

void ResetSocket(SocketHandle s) {
  linger abort{1, 0};
  setsockopt(static_cast<SOCKET>(s), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort),
             sizeof abort);
  closesocket(static_cast<SOCKET>(s));
}
