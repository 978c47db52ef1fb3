// Loopback sockets over the POSIX socket calls.
#include "web/testing/loopback_socket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool ReadyWithin(SocketHandle s, int timeoutMs) {
  pollfd p{static_cast<int>(s), POLLIN, 0};
  return poll(&p, 1, timeoutMs) > 0;
}

}  // namespace

SocketHandle ListenLoopback(int& port) {
  int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (s < 0) return kNoSocket;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 64) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(s);
    return kNoSocket;
  }
  port = ntohs(address.sin_port);
  return s;
}

SocketHandle AcceptWithin(SocketHandle listener, int timeoutMs) {
  if (!ReadyWithin(listener, timeoutMs)) return kNoSocket;
  int s = accept4(static_cast<int>(listener), nullptr, nullptr, SOCK_CLOEXEC);
  return s < 0 ? kNoSocket : s;
}

int ReceiveWithin(SocketHandle s, char* buffer, int size, int timeoutMs) {
  if (!ReadyWithin(s, timeoutMs)) return -1;
  return static_cast<int>(recv(static_cast<int>(s), buffer, size, 0));
}

bool SendAll(SocketHandle s, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = send(static_cast<int>(s), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n <= 0) return false;
    bytes.remove_prefix(n);
  }
  return true;
}

void CloseSocket(SocketHandle s) {
  close(static_cast<int>(s));
}

void ResetSocket(SocketHandle s) {
  linger abort{1, 0};
  setsockopt(static_cast<int>(s), SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
  close(static_cast<int>(s));
}
