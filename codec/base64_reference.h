// An independent Base64 encoder for tests: the platform's own (OpenSSL, CryptoAPI).
#pragma once

#include <string>
#include <string_view>

std::string ReferenceBase64(std::string_view data);
