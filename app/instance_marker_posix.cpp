// The marker is a datagram socket bound in the abstract unix namespace: the kernel drops
// the address when the last descriptor closes, which a killed process does too. The address
// is per network namespace.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

#include "app/instance_marker.h"
#include "base/bytes_ops.h"
#include "codec/hex_digest.h"

namespace {

struct Address {
  sockaddr_un address{};
  socklen_t size = 0;
};

// The name itself when it fits, its SHA-256 otherwise; the prefixes keep the two apart.
Address AddressFor(const Text& name) {
  Address a;
  a.address.sun_family = AF_UNIX;
  std::string path = std::string(1, '\0') + "kestrival-instance=" + name.str();
  if (path.size() > sizeof a.address.sun_path)
    path =
        std::string(1, '\0') + "kestrival-instance#" + HashHex(TextToBytes(name), 0x800C, 32).str();
  std::memcpy(a.address.sun_path, path.data(), path.size());
  a.size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
  return a;
}

}  // namespace

bool MarkerHeld(const Text& name) {
  int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  Address a = AddressFor(name);
  bool held = connect(fd, reinterpret_cast<sockaddr*>(&a.address), a.size) == 0;
  close(fd);
  return held;
}

MarkerCreation CreateMarker(const Text& name) {
  // Not inherited by programs this one starts, so it ends with this process.
  int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return MarkerCreation::kFailed;
  Address a = AddressFor(name);
  if (bind(fd, reinterpret_cast<sockaddr*>(&a.address), a.size) == 0)
    return MarkerCreation::kCreated;  // fd stays open for the life of the process
  int error = errno;
  close(fd);
  return error == EADDRINUSE ? MarkerCreation::kAlreadyHeld : MarkerCreation::kFailed;
}
