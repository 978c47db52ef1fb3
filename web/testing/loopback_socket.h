// The few TCP operations a loopback test server needs, on 127.0.0.1 only.
#pragma once

#include <cstdint>
#include <string_view>

using SocketHandle = std::intptr_t;
constexpr SocketHandle kNoSocket = -1;

// A listening socket on 127.0.0.1 and a port the system picks (written to port).
SocketHandle ListenLoopback(int& port);
// The next connection, or kNoSocket when none arrives within timeoutMs.
SocketHandle AcceptWithin(SocketHandle listener, int timeoutMs);
// Up to size bytes; 0 when the peer has closed, -1 on failure or when nothing arrives in time.
int ReceiveWithin(SocketHandle s, char* buffer, int size, int timeoutMs);
bool SendAll(SocketHandle s, std::string_view bytes);
void CloseSocket(SocketHandle s);
// Closes so that the peer sees a reset rather than an orderly end.
void ResetSocket(SocketHandle s);
